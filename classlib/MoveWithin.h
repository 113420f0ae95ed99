// Moves one element of a vector to another position, shifting those in between.
#pragma once
#include <algorithm>
#include <vector>

namespace classlib {

template <class T> void MoveWithin(std::vector<T> &items, int from, int to) {
    auto b = items.begin();
    if (from < to)
        std::rotate(b + from, b + from + 1, b + to + 1);
    else if (from > to)
        std::rotate(b + to, b + from, b + from + 1);
}

} // namespace classlib
