#include "framework/ribbon/backstage/BackstageStreaming.h"

#include "classlib/Format.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/ribbon/RibbonStreaming.h"

namespace framework {

namespace {

// The ribbon's decoder names its own property in its messages; here the property read is named.
std::vector<TzidRibbonControlType> DecodeTypes(const std::wstring &Name, const std::vector<uint8_t> &Data) {
    try {
        return DecodeControlTypes(Data);
    } catch (const classlib::EReadError &e) {
        std::wstring message = e.Message();
        const std::wstring generic = L"ControlTypes";
        if (message.compare(0, generic.size(), generic) == 0)
            message = Name + message.substr(generic.size());
        throw classlib::EReadError(message);
    }
}

void ReadTypedControls(classlib::TReader &Reader, const TzidTypedCollection &Entry) {
    TzidRibbonControls &controls = *Entry.Controls;
    const std::vector<TzidRibbonControlType> &types = *Entry.Types;
    controls.Clear();
    classlib::TUpdateScope update(controls);
    Reader.ReadCollectionItems([&](int Position) -> classlib::TPersistent * {
        if (Position >= static_cast<int>(types.size()))
            throw classlib::EReadError(
                classlib::Format(L"%s holds more items than %s has class codes (%d)",
                                 {Entry.ControlsName, Entry.TypesName, static_cast<int>(types.size())}));
        const classlib::TClassInfo *cls = RibbonControlClass(types[Position]);
        if (cls == nullptr)
            throw classlib::EReadError(classlib::Format(L"%s[%d]: %d is the code of no control class",
                                                        {Entry.TypesName, Position, int(types[Position])}));
        if (!cls->InheritsFrom(controls.ItemClass()))
            throw classlib::EReadError(
                classlib::Format(L"%s cannot hold a %s", {Entry.ControlsName, cls->Name()}));
        return controls.AddControl(types[Position]);
    });
}

} // namespace

void DefineTypedCollections(classlib::TFiler &Filer, const std::vector<TzidTypedCollection> &Collections) {
    for (const TzidTypedCollection &entry : Collections)
        Filer.DefineBinaryProperty(
            entry.TypesName,
            [entry](const std::vector<uint8_t> &Data) { *entry.Types = DecodeTypes(entry.TypesName, Data); },
            [entry] { return EncodeControlTypes(*entry.Controls); }, true);
    for (const TzidTypedCollection &entry : Collections)
        Filer.DefineProperty(
            entry.ControlsName, [entry](classlib::TReader &Reader) { ReadTypedControls(Reader, entry); },
            [entry](classlib::TWriter &Writer) {
                std::vector<classlib::TPersistent *> items;
                for (int i = 0; i < entry.Controls->Count(); ++i)
                    items.push_back(entry.Controls->Items(i));
                Writer.WriteCollectionItems(items);
            },
            true);
}

} // namespace framework
