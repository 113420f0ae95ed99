// What the command-bar objects (and the other small Office objects) share at their vtable methods:
// rendering arguments for the call log the way SimLog renders dispatch arguments, reading optional
// VARIANT arguments as Office does, and filling out-parameters.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <optional>
#include <string>

namespace hostsim::call {

// Log text of one argument: 'text', numbers, True/False, objects by their simulated name, Missing.
std::wstring Text(BSTR text);
std::wstring Number(long value);
std::wstring Flag(VARIANT_BOOL value);
std::wstring Arg(const VARIANT &value);
std::wstring Object(IUnknown *object);
// Joins rendered arguments with ", ".
template <class... T> std::wstring Join(const T &...parts) {
    std::wstring text;
    ((text += (text.empty() ? L"" : L", ") + std::wstring(parts)), ...);
    return text;
}

// Optional arguments. Left out (VT_ERROR DISP_E_PARAMNOTFOUND) and Empty both count as not given;
// a by-reference VARIANT is read through. A value that does not convert raises
// DISP_E_TYPEMISMATCH.
bool IsMissing(const VARIANT &value);
bool IsText(const VARIANT &value); // holds a string (Item by name rather than by index)
std::optional<long> OptLong(const VARIANT &value);
std::optional<bool> OptBool(const VARIANT &value);
std::optional<std::wstring> OptString(const VARIANT &value);
// An object argument (Nothing and not given are null).
IUnknown *OptObject(const VARIANT &value);

// Out-parameters: E_POINTER for a null one, raised as EOleSysError.
void CheckOut(const void *out);
template <class T> T *Out(T *out) {
    CheckOut(out);
    return out;
}
// An interface out-parameter is null from the start, so that no failure leaves the caller's
// value in it (also when the call is refused before its body runs).
template <class I> void Clear(I **out) noexcept {
    if (out)
        *out = nullptr;
}
void SetOut(BSTR *out, const std::wstring &text);
void SetOut(VARIANT_BOOL *out, bool value);
// Hands an AddRef'd interface (or null) to an out-parameter.
template <class I> void SetOut(I **out, I *object) {
    *Out(out) = object;
    if (object)
        object->AddRef();
}
inline VARIANT_BOOL Bool(bool value) {
    return value ? VARIANT_TRUE : VARIANT_FALSE;
}

} // namespace hostsim::call
