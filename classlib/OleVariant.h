// OleVariant: an owned VARIANT with the conversions automation code needs.
#pragma once
#include <windows.h>

#include <oleauto.h>

#include <string>
#include <type_traits>

#include "classlib/ComPtr.h"

namespace classlib {

// Layout-compatible with VARIANT (one member), so arrays of it can be handed to COM as VARIANTARG.
class OleVariant {
public:
    OleVariant() noexcept { VariantInit(&v_); }
    OleVariant(int value) noexcept;
    OleVariant(long value) noexcept; // LONG and DISPID
    OleVariant(unsigned value) noexcept;
    OleVariant(bool value) noexcept; // VT_BOOL holding VARIANT_TRUE / VARIANT_FALSE
    OleVariant(double value) noexcept;
    OleVariant(const wchar_t *text);
    OleVariant(const std::wstring &text);
    OleVariant(IDispatch *disp) noexcept; // AddRef'd; a null pointer is "Nothing"
    OleVariant(IUnknown *unk) noexcept;   // AddRef'd
    // Any other interface goes in as VT_DISPATCH when it is one, else as VT_UNKNOWN; a pointer to
    // anything that is no interface does not compile (it would silently become a bool).
    template <class T> OleVariant(T *p) noexcept {
        static_assert(std::is_base_of_v<IUnknown, T>, "OleVariant holds interface pointers only");
        VariantInit(&v_);
        if constexpr (std::is_base_of_v<IDispatch, T>)
            SetInterface(VT_DISPATCH, static_cast<IDispatch *>(p));
        else
            SetInterface(VT_UNKNOWN, static_cast<IUnknown *>(p));
    }
    explicit OleVariant(const VARIANT &value); // deep copy (VariantCopy)

    OleVariant(const OleVariant &other);
    OleVariant(OleVariant &&other) noexcept;
    ~OleVariant() { VariantClear(&v_); }
    OleVariant &operator=(const OleVariant &other);
    OleVariant &operator=(OleVariant &&other) noexcept;

    // The "missing optional argument" value: VT_ERROR holding DISP_E_PARAMNOTFOUND.
    static OleVariant Missing() noexcept;

    VARTYPE Type() const noexcept { return v_.vt; }
    // These tests look through a VT_BYREF variant to the value it points at.
    bool IsEmpty() const noexcept;
    bool IsNull() const noexcept;
    bool IsMissing() const noexcept;
    bool IsNothing() const noexcept; // an object variant holding a null pointer

    // Typed reads: coerce with VariantChangeType (by-reference values dereferenced); a value that
    // cannot become the type raises EConvertError, any other failure EOleSysError.
    int ToInt() const;
    unsigned ToUInt() const;
    bool ToBool() const;
    double ToDouble() const;
    std::wstring ToString() const;        // booleans read as "True"/"False"; Empty reads as ""
    ComPtr<IDispatch> ToDispatch() const; // Empty and Nothing read as null
    ComPtr<IUnknown> ToUnknown() const;

    const VARIANT &Var() const noexcept { return v_; }
    VARIANT *Ptr() noexcept { return &v_; } // for [in, out] parameters
    VARIANT *Put() noexcept;                // cleared first, for [out] parameters
    void Attach(VARIANT &value) noexcept;   // adopts the contents; value is left VT_EMPTY
    [[nodiscard]] VARIANT Detach() noexcept;
    void Clear() noexcept { VariantClear(&v_); }

private:
    void SetInterface(VARTYPE vt, IUnknown *p) noexcept;
    const VARIANT &Target() const noexcept; // the referenced variant of VT_BYREF|VT_VARIANT
    OleVariant Coerced(VARTYPE vt, USHORT flags = 0) const;

    VARIANT v_;
};

static_assert(sizeof(OleVariant) == sizeof(VARIANT), "OleVariant must stay layout-compatible with VARIANT");

// A readable name of a variant type ("Integer", "OleStr", ...) for conversion error messages.
std::wstring VarTypeName(VARTYPE vt);

} // namespace classlib
