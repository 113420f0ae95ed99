#include "framework/ribbon/RibbonIdIndex.h"

#include "classlib/Format.h"

namespace framework {

int TzidRibbonIdIndex::IndexOf(const classlib::TStringList &Ids, const std::wstring &Id) {
    if (Ids.CaseSensitive() || Ids.Sorted())
        return Ids.IndexOf(Id);
    if (list_ != &Ids || stamp_ != Ids.ChangeStamp())
        Rebuild(Ids);
    auto found = positions_.find(classlib::UpperCase(Id));
    if (found != positions_.end())
        return found->second;
    // The list's own comparison may match what upper-casing does not (characters without weight):
    // an id the index does not know is left to the list.
    return Ids.IndexOf(Id);
}

void TzidRibbonIdIndex::Rebuild(const classlib::TStringList &Ids) {
    positions_.clear();
    for (int i = 0; i < Ids.Count(); ++i)
        positions_.emplace(classlib::UpperCase(Ids.Strings(i)), i); // the first entry of a key stays
    list_ = &Ids;
    stamp_ = Ids.ChangeStamp();
}

} // namespace framework
