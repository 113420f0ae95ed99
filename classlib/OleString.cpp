#include "classlib/OleString.h"

#include <objbase.h>

#include <new>

namespace classlib {

TBStr::TBStr(const wchar_t *text) : s_(text ? SysAllocString(text) : nullptr) {
    if (text && !s_)
        throw std::bad_alloc();
}

TBStr::TBStr(const std::wstring &text) : s_(AllocBStr(text)) {}

TBStr::TBStr(const TBStr &other) : s_(other.s_ ? AllocBStr(other.ToString()) : nullptr) {}

TBStr &TBStr::operator=(const TBStr &other) {
    if (this != &other)
        Attach(TBStr(other).Detach());
    return *this;
}

TBStr &TBStr::operator=(TBStr &&other) noexcept {
    if (this != &other)
        Attach(other.Detach());
    return *this;
}

BSTR *TBStr::Put() noexcept {
    Reset();
    return &s_;
}

void TBStr::Attach(BSTR s) noexcept {
    Reset();
    s_ = s;
}

void TBStr::Reset() noexcept {
    SysFreeString(std::exchange(s_, nullptr));
}

std::wstring BStrToString(BSTR s) {
    return std::wstring(s ? s : L"", SysStringLen(s));
}

BSTR AllocBStr(const std::wstring &text) {
    BSTR s = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!s)
        throw std::bad_alloc();
    return s;
}

std::wstring GUIDToString(REFGUID guid) {
    wchar_t buffer[40] = {};
    StringFromGUID2(guid, buffer, 40);
    return buffer;
}

} // namespace classlib
