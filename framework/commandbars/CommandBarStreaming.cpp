#include "framework/commandbars/CommandBarStreaming.h"

#include "classlib/Format.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/commandbars/CommandBarControls.h"

namespace framework {

namespace {

uint32_t ReadUInt32(const std::vector<uint8_t> &Data, size_t Offset) {
    return uint32_t(Data[Offset]) | uint32_t(Data[Offset + 1]) << 8 | uint32_t(Data[Offset + 2]) << 16 |
           uint32_t(Data[Offset + 3]) << 24;
}

void WriteUInt32(std::vector<uint8_t> &Data, uint32_t Value) {
    for (int shift = 0; shift < 32; shift += 8)
        Data.push_back(static_cast<uint8_t>(Value >> shift));
}

} // namespace

std::vector<TzidCommandBarControlType> DecodeButtonTypes(const std::vector<uint8_t> &Data) {
    if (Data.size() < 4)
        throw classlib::EReadError(
            classlib::Format(L"ButtonTypes holds %d bytes: too short for its count", {int(Data.size())}));
    const uint32_t count = ReadUInt32(Data, 0);
    if (Data.size() != 4 + 4 * uint64_t(count))
        throw classlib::EReadError(classlib::Format(L"ButtonTypes counts %u kinds but holds %d bytes of them",
                                                    {count, int(Data.size() - 4)}));
    std::vector<TzidCommandBarControlType> types;
    types.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t kind = ReadUInt32(Data, 4 + 4 * size_t(i));
        if (kind >= uint32_t(CommandBarControlKindCount))
            throw classlib::EReadError(
                classlib::Format(L"ButtonTypes[%u]: %u is not a kind of command-bar control", {i, kind}));
        types.push_back(static_cast<TzidCommandBarControlType>(kind));
    }
    return types;
}

std::vector<uint8_t> EncodeButtonTypes(const TzidCommandBarControls &Controls) {
    std::vector<uint8_t> data;
    WriteUInt32(data, static_cast<uint32_t>(Controls.Count()));
    for (int i = 0; i < Controls.Count(); ++i)
        WriteUInt32(data, static_cast<uint32_t>(Controls.Items(i)->GetControlType()));
    return data;
}

void DefineCommandBarControls(classlib::TFiler &Filer, TzidCommandBarControls &Controls,
                              std::vector<TzidCommandBarControlType> &Types) {
    Filer.DefineBinaryProperty(
        L"ButtonTypes", [&Types](const std::vector<uint8_t> &Data) { Types = DecodeButtonTypes(Data); },
        [&Controls, &Types] {
            std::vector<uint8_t> data = EncodeButtonTypes(Controls);
            Types = DecodeButtonTypes(data);
            return data;
        },
        true);
    Filer.DefineProperty(
        L"Buttons",
        [&Controls, &Types](classlib::TReader &Reader) {
            Controls.Clear();
            Controls.BeginUpdate();
            try {
                Reader.ReadCollectionItems([&Controls, &Types](int Position) -> classlib::TPersistent * {
                    if (Position >= static_cast<int>(Types.size()))
                        throw classlib::EReadError(
                            classlib::Format(L"Buttons holds more controls than ButtonTypes has kinds (%d)",
                                             {static_cast<int>(Types.size())}));
                    return Controls.CreateItem(Types[Position]);
                });
            } catch (...) {
                Controls.EndUpdate();
                throw;
            }
            Controls.EndUpdate();
        },
        [&Controls](classlib::TWriter &Writer) {
            std::vector<classlib::TPersistent *> items;
            for (int i = 0; i < Controls.Count(); ++i)
                items.push_back(Controls.Items(i));
            Writer.WriteCollectionItems(items);
        },
        true);
}

} // namespace framework
