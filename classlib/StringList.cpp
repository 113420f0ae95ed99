#include "classlib/StringList.h"

#include "classlib/Format.h"
#include "classlib/MoveWithin.h"

#include <algorithm>
#include <atomic>

namespace classlib {

void TStringList::Changed() {
    static std::atomic<uint64_t> last{0};
    stamp_ = ++last;
}

int TStringList::Compare(const std::wstring &a, const std::wstring &b) const {
    if (caseSensitive_)
        return a.compare(b);
    return CompareText(a, b);
}

void TStringList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

const std::wstring &TStringList::Strings(int index) const {
    CheckIndex(index);
    return items_[index].Text;
}

void TStringList::SetStrings(int index, const std::wstring &text) {
    if (sorted_)
        throw EListError(L"Operation not allowed on sorted list");
    CheckIndex(index);
    items_[index].Text = text;
    Changed();
}

TObject *TStringList::Objects(int index) const {
    CheckIndex(index);
    return items_[index].Object;
}

void TStringList::SetObjects(int index, TObject *object) {
    CheckIndex(index);
    items_[index].Object = object;
    Changed();
}

int TStringList::AddObject(const std::wstring &text, TObject *object) {
    if (!sorted_) {
        items_.push_back({text, object});
        Changed();
        return Count() - 1;
    }
    int index;
    if (Find(text, index)) {
        if (duplicates_ == TDuplicates::dupIgnore)
            return index;
        if (duplicates_ == TDuplicates::dupError)
            throw EListError(L"String list does not allow duplicates");
    }
    items_.insert(items_.begin() + index, {text, object});
    Changed();
    return index;
}

void TStringList::Insert(int index, const std::wstring &text, TObject *object) {
    if (sorted_)
        throw EListError(L"Operation not allowed on sorted list");
    if (index < 0 || index > Count())
        ListIndexError(index);
    items_.insert(items_.begin() + index, {text, object});
    Changed();
}

void TStringList::Delete(int index) {
    CheckIndex(index);
    items_.erase(items_.begin() + index);
    Changed();
}

void TStringList::Move(int from, int to) {
    if (from == to)
        return;
    CheckIndex(from);
    CheckIndex(to);
    MoveWithin(items_, from, to);
    Changed();
}

int TStringList::IndexOf(const std::wstring &text) const {
    if (sorted_) {
        int index;
        return Find(text, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(items_[i].Text, text) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfObject(const TObject *object) const {
    for (int i = 0; i < Count(); ++i)
        if (items_[i].Object == object)
            return i;
    return -1;
}

int TStringList::IndexOfName(const std::wstring &name) const {
    for (int i = 0; i < Count(); ++i) {
        size_t eq = items_[i].Text.find(L'=');
        if (eq != std::wstring::npos && Compare(items_[i].Text.substr(0, eq), name) == 0)
            return i;
    }
    return -1;
}

std::wstring TStringList::Names(int index) const {
    const std::wstring &text = Strings(index);
    size_t eq = text.find(L'=');
    return eq == std::wstring::npos ? std::wstring() : text.substr(0, eq);
}

std::wstring TStringList::ValueFromIndex(int index) const {
    const std::wstring &text = Strings(index);
    size_t eq = text.find(L'=');
    return eq == std::wstring::npos ? std::wstring() : text.substr(eq + 1);
}

std::wstring TStringList::Values(const std::wstring &name) const {
    int i = IndexOfName(name);
    return i < 0 ? std::wstring() : ValueFromIndex(i);
}

void TStringList::SetValues(const std::wstring &name, const std::wstring &value) {
    int i = IndexOfName(name);
    if (value.empty()) {
        if (i >= 0)
            Delete(i);
        return;
    }
    if (i < 0)
        Add(name + L"=" + value);
    else
        items_[i].Text = name + L"=" + value;
    Changed();
}

void TStringList::SetSorted(bool sorted) {
    if (sorted && !sorted_) {
        sorted_ = true;
        Sort();
    }
    sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool value) {
    caseSensitive_ = value;
    Changed();
    if (sorted_)
        Sort();
}

void TStringList::Sort() {
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Entry &a, const Entry &b) { return Compare(a.Text, b.Text) < 0; });
    Changed();
}

bool TStringList::Find(const std::wstring &text, int &index) const {
    int lo = 0, hi = Count() - 1;
    bool found = false;
    while (lo <= hi) {
        int mid = (lo + hi) / 2;
        int c = Compare(items_[mid].Text, text);
        if (c < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
            if (c == 0) {
                found = true;
                if (duplicates_ != TDuplicates::dupAccept)
                    lo = mid;
            }
        }
    }
    index = lo;
    return found;
}

std::wstring TStringList::Text() const {
    std::wstring out;
    for (const Entry &e : items_)
        out += e.Text + L"\r\n";
    return out;
}

void TStringList::SetText(const std::wstring &text) {
    Clear();
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find_first_of(L"\r\n", start);
        if (end == std::wstring::npos) {
            Add(text.substr(start));
            break;
        }
        Add(text.substr(start, end - start));
        start = end + ((text[end] == L'\r' && end + 1 < text.size() && text[end + 1] == L'\n') ? 2 : 1);
    }
}

} // namespace classlib
