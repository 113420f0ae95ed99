// TSafeArray: an owned one-dimensional SAFEARRAY of VARIANT or BSTR elements.
#pragma once
#include <windows.h>

#include <oleauto.h>

#include <string>
#include <utility>
#include <vector>

#include "classlib/OleVariant.h"

namespace classlib {

// Positions are counted from 0 whatever the array's lower bound (a host may hand out 1-based arrays).
class TSafeArray {
public:
    TSafeArray() noexcept = default;
    // A new array of count elements of type vt (VT_VARIANT or VT_BSTR), lower bound 0.
    TSafeArray(VARTYPE vt, ULONG count);
    TSafeArray(const TSafeArray &other);
    TSafeArray(TSafeArray &&other) noexcept : a_(std::exchange(other.a_, nullptr)) {}
    ~TSafeArray() { Reset(); }
    TSafeArray &operator=(const TSafeArray &other);
    TSafeArray &operator=(TSafeArray &&other) noexcept;

    static TSafeArray OfVariants(const std::vector<OleVariant> &items);
    static TSafeArray OfStrings(const std::vector<std::wstring> &items);

    SAFEARRAY *Get() const noexcept { return a_; }
    SAFEARRAY **Put() noexcept; // destroyed first, for [out] parameters
    void Attach(SAFEARRAY *a) noexcept;
    [[nodiscard]] SAFEARRAY *Detach() noexcept { return std::exchange(a_, nullptr); }
    void Reset() noexcept;

    VARTYPE ElementType() const; // VT_EMPTY for no array
    LONG LowerBound() const;
    LONG Count() const; // 0 for no array

    // Element reads and writes; an array that is not one-dimensional VARIANT/BSTR raises EOleSysError.
    OleVariant Item(LONG position) const;
    void SetItem(LONG position, const OleVariant &value);
    std::wstring String(LONG position) const { return Item(position).ToString(); }
    std::vector<OleVariant> Items() const;

private:
    LONG Index(LONG position) const; // bounds-checked absolute index

    SAFEARRAY *a_ = nullptr;
};

} // namespace classlib
