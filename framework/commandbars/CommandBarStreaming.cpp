#include "framework/commandbars/CommandBarStreaming.h"

#include "classlib/Format.h"
#include "classlib/TypeCodes.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/commandbars/CommandBarControls.h"

namespace framework {

std::vector<TzidCommandBarControlType> DecodeButtonTypes(const std::vector<uint8_t> &Data) {
    std::vector<TzidCommandBarControlType> types;
    for (uint32_t kind : classlib::DecodeTypeCodes(Data, uint32_t(CommandBarControlKindCount),
                                                   {L"ButtonTypes", L"kinds", L"a kind of command-bar control"}))
        types.push_back(static_cast<TzidCommandBarControlType>(kind));
    return types;
}

std::vector<uint8_t> EncodeButtonTypes(const TzidCommandBarControls &Controls) {
    std::vector<uint32_t> kinds;
    for (int i = 0; i < Controls.Count(); ++i)
        kinds.push_back(static_cast<uint32_t>(Controls.Items(i)->GetControlType()));
    return classlib::EncodeTypeCodes(kinds);
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
            classlib::TUpdateScope update(Controls);
            Reader.ReadCollectionItems([&Controls, &Types](int Position) -> classlib::TPersistent * {
                if (Position >= static_cast<int>(Types.size()))
                    throw classlib::EReadError(
                        classlib::Format(L"Buttons holds more controls than ButtonTypes has kinds (%d)",
                                         {static_cast<int>(Types.size())}));
                return Controls.CreateItem(Types[Position]);
            });
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
