#include "framework/ribbon/RibbonStreaming.h"

#include "classlib/Format.h"
#include "classlib/TypeCodes.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

namespace {

// Set values hold the element names in ordinal order; only the first Limit ordinals can be stored.
template <class E> std::vector<std::wstring> SetNames(classlib::TSet<E> Value, int Limit) {
    const classlib::TEnumInfo &info = classlib::EnumTypeInfo<E>();
    std::vector<std::wstring> names;
    for (int i = 0; i < Limit && i < static_cast<int>(info.Names.size()); ++i)
        if (Value.Contains(static_cast<E>(i)))
            names.push_back(info.Names[i]);
    return names;
}

template <class E> void AddSetNames(classlib::TSet<E> &Value, const std::vector<std::wstring> &Names) {
    const classlib::TEnumInfo &info = classlib::EnumTypeInfo<E>();
    for (const std::wstring &name : Names) {
        int ordinal = info.ValueOf(name);
        if (ordinal < 0)
            throw classlib::EReadError(
                classlib::Format(L"'%s' is not an element of %s", {name, info.TypeName}));
        Value.Include(static_cast<E>(ordinal));
    }
}

} // namespace

void DefineRibbonSets(classlib::TFiler &Filer, TzidRibbons &Ribbons, TzidRibbons2010 &Ribbons2010,
                      bool Write) {
    Filer.DefineProperty(
        L"Ribbons", [&Ribbons](classlib::TReader &Reader) { AddSetNames(Ribbons, Reader.ReadSet()); },
        [&Ribbons](classlib::TWriter &Writer) { Writer.WriteSet(SetNames(Ribbons, 32)); }, Write);
    Filer.DefineProperty(
        L"Ribbons2010",
        [&Ribbons2010](classlib::TReader &Reader) { AddSetNames(Ribbons2010, Reader.ReadSet()); },
        [&Ribbons2010](classlib::TWriter &Writer) { Writer.WriteSet(SetNames(Ribbons2010, 16)); }, Write);
}

std::vector<TzidRibbonControlType> DecodeControlTypes(const std::vector<uint8_t> &Data) {
    std::vector<TzidRibbonControlType> types;
    for (uint32_t code : classlib::DecodeTypeCodes(
             Data, uint32_t(zidRibbonClassCount),
             {L"ControlTypes", L"class codes", L"a ribbon control class code"}))
        types.push_back(static_cast<TzidRibbonControlType>(code));
    return types;
}

std::vector<uint8_t> EncodeControlTypes(const TzidRibbonControls &Controls) {
    std::vector<uint32_t> codes;
    for (int i = 0; i < Controls.Count(); ++i)
        codes.push_back(Controls.Items(i)->GetControlType() & 127);
    return classlib::EncodeTypeCodes(codes);
}

void DefineMixedControls(classlib::TFiler &Filer, TzidRibbonControls &Controls,
                         std::vector<TzidRibbonControlType> &Types, bool Write) {
    Filer.DefineBinaryProperty(
        L"ControlTypes", [&Types](const std::vector<uint8_t> &Data) { Types = DecodeControlTypes(Data); },
        [&Controls] { return EncodeControlTypes(Controls); }, Write);
    Filer.DefineProperty(
        L"Controls_",
        [&Controls, &Types](classlib::TReader &Reader) {
            Controls.Clear();
            classlib::TUpdateScope update(Controls);
            Reader.ReadCollectionItems([&Controls, &Types](int Position) -> classlib::TPersistent * {
                if (Position >= static_cast<int>(Types.size()))
                    throw classlib::EReadError(
                        classlib::Format(L"Controls_ holds more items than ControlTypes has class codes (%d)",
                                         {static_cast<int>(Types.size())}));
                const classlib::TClassInfo *cls = RibbonControlClass(Types[Position]);
                if (cls != nullptr && !cls->InheritsFrom(Controls.ItemClass()))
                    throw classlib::EReadError(
                        classlib::Format(L"A %s cannot hold a %s",
                                         {Controls.GetOwner() != nullptr ? Controls.GetOwner()->ClassName()
                                                                         : Controls.ClassName(),
                                          cls->Name()}));
                return Controls.AddControl(Types[Position]);
            });
        },
        [&Controls](classlib::TWriter &Writer) {
            std::vector<classlib::TPersistent *> items;
            for (int i = 0; i < Controls.Count(); ++i)
                items.push_back(Controls.Items(i));
            Writer.WriteCollectionItems(items);
        },
        Write);
}

} // namespace framework
