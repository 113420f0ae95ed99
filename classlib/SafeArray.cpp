#include "classlib/SafeArray.h"

#include "classlib/Format.h"
#include "classlib/OleString.h"

#include <new>

namespace classlib {

TSafeArray::TSafeArray(VARTYPE vt, ULONG count) {
    if (vt != VT_VARIANT && vt != VT_BSTR)
        throw EOleSysError(Format(L"Safe arrays of %s are not supported", {VarTypeName(vt)}),
                           DISP_E_BADVARTYPE);
    a_ = SafeArrayCreateVector(vt, 0, count);
    if (!a_)
        throw std::bad_alloc();
}

TSafeArray::TSafeArray(const TSafeArray &other) {
    if (other.a_)
        OleCheck(SafeArrayCopy(other.a_, &a_));
}

TSafeArray &TSafeArray::operator=(const TSafeArray &other) {
    if (this != &other) {
        TSafeArray copy(other);
        *this = std::move(copy);
    }
    return *this;
}

TSafeArray &TSafeArray::operator=(TSafeArray &&other) noexcept {
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

TSafeArray TSafeArray::OfVariants(const std::vector<OleVariant> &items) {
    TSafeArray result(VT_VARIANT, static_cast<ULONG>(items.size()));
    for (size_t i = 0; i < items.size(); ++i)
        result.SetItem(static_cast<LONG>(i), items[i]);
    return result;
}

TSafeArray TSafeArray::OfStrings(const std::vector<std::wstring> &items) {
    TSafeArray result(VT_BSTR, static_cast<ULONG>(items.size()));
    for (size_t i = 0; i < items.size(); ++i)
        result.SetItem(static_cast<LONG>(i), items[i]);
    return result;
}

SAFEARRAY **TSafeArray::Put() noexcept {
    Reset();
    return &a_;
}

void TSafeArray::Attach(SAFEARRAY *a) noexcept {
    Reset();
    a_ = a;
}

void TSafeArray::Reset() noexcept {
    if (SAFEARRAY *old = std::exchange(a_, nullptr))
        SafeArrayDestroy(old);
}

VARTYPE TSafeArray::ElementType() const {
    VARTYPE vt = VT_EMPTY;
    if (a_)
        OleCheck(SafeArrayGetVartype(a_, &vt));
    return vt;
}

LONG TSafeArray::LowerBound() const {
    LONG bound = 0;
    if (a_)
        OleCheck(SafeArrayGetLBound(a_, 1, &bound));
    return bound;
}

LONG TSafeArray::Count() const {
    if (!a_)
        return 0;
    LONG lower = 0, upper = -1;
    OleCheck(SafeArrayGetLBound(a_, 1, &lower));
    OleCheck(SafeArrayGetUBound(a_, 1, &upper));
    return upper - lower + 1;
}

LONG TSafeArray::Index(LONG position) const {
    if (a_ && SafeArrayGetDim(a_) != 1)
        throw EOleSysError(L"Only one-dimensional safe arrays are supported", DISP_E_BADINDEX);
    if (position < 0 || position >= Count())
        throw EOleSysError(Format(L"Safe array index out of bounds (%d)", {static_cast<int>(position)}),
                           DISP_E_BADINDEX);
    return LowerBound() + position;
}

OleVariant TSafeArray::Item(LONG position) const {
    LONG index = Index(position);
    OleVariant result;
    VARTYPE vt = ElementType();
    if (vt == VT_VARIANT) {
        OleCheck(SafeArrayGetElement(a_, &index, result.Put())); // hands back a copy we own
    } else if (vt == VT_BSTR) {
        TBStr text;
        OleCheck(SafeArrayGetElement(a_, &index, text.Put()));
        result = OleVariant(text.ToString());
    } else {
        throw EOleSysError(Format(L"Safe arrays of %s are not supported", {VarTypeName(vt)}),
                           DISP_E_BADVARTYPE);
    }
    return result;
}

void TSafeArray::SetItem(LONG position, const OleVariant &value) {
    LONG index = Index(position);
    VARTYPE vt = ElementType();
    if (vt == VT_VARIANT) {
        OleCheck(SafeArrayPutElement(a_, &index, const_cast<VARIANT *>(&value.Var()))); // copies
    } else if (vt == VT_BSTR) {
        TBStr text(value.ToString());
        OleCheck(SafeArrayPutElement(a_, &index, text.Get())); // copies
    } else {
        throw EOleSysError(Format(L"Safe arrays of %s are not supported", {VarTypeName(vt)}),
                           DISP_E_BADVARTYPE);
    }
}

std::vector<OleVariant> TSafeArray::Items() const {
    std::vector<OleVariant> result;
    for (LONG i = 0, n = Count(); i < n; ++i)
        result.push_back(Item(i));
    return result;
}

} // namespace classlib
