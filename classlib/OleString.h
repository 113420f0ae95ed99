// TBStr: one owned BSTR, freed when it goes away; and the string helpers COM code needs.
#pragma once
#include <windows.h>

#include <oleauto.h>

#include <string>
#include <utility>

namespace classlib {

class TBStr {
public:
    TBStr() noexcept = default;
    explicit TBStr(const wchar_t *text);
    explicit TBStr(const std::wstring &text); // keeps embedded nulls
    TBStr(const TBStr &other);
    TBStr(TBStr &&other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    ~TBStr() { Reset(); }
    TBStr &operator=(const TBStr &other);
    TBStr &operator=(TBStr &&other) noexcept;

    BSTR Get() const noexcept { return s_; }
    // Frees the current string and hands out the slot for an [out] BSTR parameter.
    BSTR *Put() noexcept;
    // Adopts a BSTR the caller owns; Detach gives ours away (for [out, retval] parameters).
    void Attach(BSTR s) noexcept;
    [[nodiscard]] BSTR Detach() noexcept { return std::exchange(s_, nullptr); }
    void Reset() noexcept;

    UINT Length() const noexcept { return SysStringLen(s_); }
    bool IsEmpty() const noexcept { return Length() == 0; } // a null BSTR is the empty string
    std::wstring ToString() const { return std::wstring(s_ ? s_ : L"", Length()); }

private:
    BSTR s_ = nullptr;
};

// Copies a BSTR into a std::wstring; null is the empty string.
std::wstring BStrToString(BSTR s);
// Allocates a BSTR the caller owns; throws std::bad_alloc when the system has no memory.
BSTR AllocBStr(const std::wstring &text);
// "{00000000-0000-0000-0000-000000000000}", upper case, as the registry holds it.
std::wstring GUIDToString(REFGUID guid);

} // namespace classlib
