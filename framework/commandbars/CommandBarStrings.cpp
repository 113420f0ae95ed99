#include "framework/commandbars/CommandBarStrings.h"

#include "classlib/Classes.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidStrings, classlib::TPersistent, )

std::vector<std::wstring> TzidStrings::ToVector() const {
    std::vector<std::wstring> entries;
    entries.reserve(list_.Count());
    for (int i = 0; i < list_.Count(); ++i)
        entries.push_back(list_.Strings(i));
    return entries;
}

void TzidStrings::Add(const std::wstring &Text) {
    list_.Add(Text); // unsorted: duplicates are kept, a list control may show a text twice
    Changed();
}

void TzidStrings::Clear() {
    list_.Clear();
    Changed();
}

void TzidStrings::SetStrings(const std::vector<std::wstring> &Entries) {
    list_.Clear();
    for (const std::wstring &entry : Entries)
        list_.Add(entry);
    Changed();
}

void TzidStrings::Assign(const classlib::TPersistent *Source) {
    if (const auto *source = dynamic_cast<const TzidStrings *>(Source)) {
        if (source != this)
            SetStrings(source->ToVector());
        return;
    }
    TPersistent::Assign(Source);
}

void TzidStrings::DefineProperties(classlib::TFiler &Filer) {
    TPersistent::DefineProperties(Filer);
    Filer.DefineProperty(
        L"Strings",
        [this](classlib::TReader &Reader) {
            std::vector<std::wstring> entries;
            Reader.ReadListBegin();
            while (!Reader.EndOfList())
                entries.push_back(Reader.ReadString());
            Reader.ReadListEnd();
            SetStrings(entries);
        },
        [this](classlib::TWriter &Writer) {
            Writer.WriteListBegin();
            for (int i = 0; i < list_.Count(); ++i)
                Writer.WriteString(list_.Strings(i));
            Writer.WriteListEnd();
        },
        list_.Count() > 0);
}

} // namespace framework
