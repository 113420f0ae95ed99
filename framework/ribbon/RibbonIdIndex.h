// A case-insensitive index of the module's id list. The host asks a callback for every control of
// every window it shows, so finding a control by its id must cost the same for ten controls as for
// ten thousand; the index is worked out again whenever the list has changed since.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>

#include "classlib/StringList.h"

namespace framework {

class TzidRibbonIdIndex {
public:
    // The position of the first entry of Ids equal to Id, letter case ignored; -1 when there is none.
    // The same answer as Ids.IndexOf(Id).
    int IndexOf(const classlib::TStringList &Ids, const std::wstring &Id);

private:
    void Rebuild(const classlib::TStringList &Ids);

    const classlib::TStringList *list_ = nullptr;
    uint64_t stamp_ = 0;
    std::unordered_map<std::wstring, int> positions_;
};

} // namespace framework
