// TStringList: strings with an object each, "name=value" entries, case-insensitive look-up and
// optional sorting.
#pragma once
#include "classlib/Object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace classlib {

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TObject {
public:
    TStringList() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // Room for Capacity entries before the list grows again; the entries are not changed.
    void SetCapacity(int Capacity) { items_.reserve(Capacity > 0 ? static_cast<size_t>(Capacity) : 0); }
    const std::wstring &Strings(int index) const;
    void SetStrings(int index, const std::wstring &text);
    TObject *Objects(int index) const;
    void SetObjects(int index, TObject *object);

    // Appends (or, when sorted, inserts in order); returns the index, or the existing entry's index
    // for an ignored duplicate. Raises EListError for a duplicate under dupError.
    int Add(const std::wstring &text) { return AddObject(text, nullptr); }
    int AddObject(const std::wstring &text, TObject *object);
    // Raises EListError on a sorted list (the position would break the order).
    void Insert(int index, const std::wstring &text, TObject *object = nullptr);
    void Delete(int index);
    void Clear() {
        items_.clear();
        Changed();
    }
    void Move(int from, int to);

    // First entry equal to text (letter case ignored unless CaseSensitive); -1 when none.
    int IndexOf(const std::wstring &text) const;
    int IndexOfObject(const TObject *object) const;

    // "name=value" entries.
    int IndexOfName(const std::wstring &name) const;
    std::wstring Names(int index) const;
    std::wstring ValueFromIndex(int index) const;
    std::wstring Values(const std::wstring &name) const;
    // Sets the value of name; an empty value removes the entry, as callers of such lists expect.
    void SetValues(const std::wstring &name, const std::wstring &value);

    bool Sorted() const { return sorted_; }
    void SetSorted(bool sorted);
    TDuplicates Duplicates() const { return duplicates_; }
    void SetDuplicates(TDuplicates duplicates) { duplicates_ = duplicates; }
    bool CaseSensitive() const { return caseSensitive_; }
    void SetCaseSensitive(bool value);
    void Sort();
    // Binary search of a sorted list: true and the index when found, else false and the insert point.
    bool Find(const std::wstring &text, int &index) const;

    // A value that changes whenever an entry, the order or the comparison changes, and that no list of
    // the process has had before: what was worked out from the list is still current while it stays.
    uint64_t ChangeStamp() const { return stamp_; }

    // The entries joined with "\r\n" (each one followed by it), and the reverse.
    std::wstring Text() const;
    void SetText(const std::wstring &text);

private:
    struct Entry {
        std::wstring Text;
        TObject *Object;
    };
    int Compare(const std::wstring &a, const std::wstring &b) const;
    void CheckIndex(int index) const;
    void Changed();

    std::vector<Entry> items_;
    uint64_t stamp_ = 0;
    bool sorted_ = false;
    bool caseSensitive_ = false;
    TDuplicates duplicates_ = TDuplicates::dupIgnore;
};

} // namespace classlib
