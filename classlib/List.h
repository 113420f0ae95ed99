// TList: an ordered list of pointers that does not own what it points to.
#pragma once
#include "classlib/Exceptions.h"
#include "classlib/MoveWithin.h"

#include <algorithm>
#include <vector>

namespace classlib {

template <class T = void> class TList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    T *Items(int index) const {
        Check(index);
        return items_[index];
    }
    void SetItems(int index, T *item) {
        Check(index);
        items_[index] = item;
    }
    int Add(T *item) {
        items_.push_back(item);
        return Count() - 1;
    }
    void Insert(int index, T *item) {
        if (index < 0 || index > Count())
            ListIndexError(index);
        items_.insert(items_.begin() + index, item);
    }
    void Delete(int index) {
        Check(index);
        items_.erase(items_.begin() + index);
    }
    // Removes the first occurrence; returns its former index or -1.
    int Remove(const T *item) {
        int i = IndexOf(item);
        if (i >= 0)
            Delete(i);
        return i;
    }
    int IndexOf(const T *item) const {
        auto it = std::find(items_.begin(), items_.end(), item);
        return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
    }
    void Move(int from, int to) {
        Check(from);
        Check(to);
        MoveWithin(items_, from, to);
    }
    void Exchange(int a, int b) {
        Check(a);
        Check(b);
        std::swap(items_[a], items_[b]);
    }
    void Clear() { items_.clear(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    void Check(int index) const {
        if (index < 0 || index >= Count())
            ListIndexError(index);
    }
    std::vector<T *> items_;
};

} // namespace classlib
