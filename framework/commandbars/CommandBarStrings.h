// TzidStrings: the string lists the command-bar model publishes (a list control's Items, an explorer
// bar's FolderNames). Forms carry them as "Items.Strings = ('a' 'b')"; every change made through
// the list is announced once by OnChange, which is how a bound list control follows its items.
#pragma once
#include <string>
#include <vector>

#include "classlib/Events.h"
#include "classlib/Persistent.h"
#include "classlib/StringList.h"

namespace framework {

class TzidStrings : public classlib::TPersistent {
    CLASSLIB_CLASS(TzidStrings)
public:
    TzidStrings() = default;

    int Count() const { return list_.Count(); }
    const std::wstring &Strings(int Index) const { return list_.Strings(Index); } // EListError out of range
    // The first entry equal to Text, letter case ignored; -1 when none.
    int IndexOf(const std::wstring &Text) const { return list_.IndexOf(Text); }
    std::vector<std::wstring> ToVector() const;

    void Add(const std::wstring &Text);
    void Clear();
    // Replaces all entries at once (one OnChange).
    void SetStrings(const std::vector<std::wstring> &Entries);

    // Copies another TzidStrings; anything else as TPersistent does.
    void Assign(const classlib::TPersistent *Source) override;
    // "Strings": the entries as a list of strings; written when there are any.
    void DefineProperties(classlib::TFiler &Filer) override;

    classlib::TEvent<void(classlib::TObject *Sender)> OnChange;

private:
    void Changed() { OnChange(this); }

    classlib::TStringList list_;
};

} // namespace framework
