// Tessary.dll loaded into the test process the way Office loads it, and what the tests know of it
// from the outside: its class, its ProgID, its keys.
#pragma once
#include <windows.h>

#include <objbase.h>

#include <string>

#include "classlib/ComPtr.h"

namespace addintest {

// The add-in's published identity: it must never change, hosts find the add-in by it.
extern const CLSID CLSID_TSY;
extern const IID IID_ITSY;
extern const GUID LIBID_Tessary;
inline constexpr const wchar_t *kProgID = L"Tessary.TSY";
// Below HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE.
inline constexpr const wchar_t *kOutlookAddInKey =
    L"Software\\Microsoft\\Office\\Outlook\\AddIns\\Tessary.TSY";
inline constexpr const wchar_t *kWordAddInKey = L"Software\\Microsoft\\Office\\Word\\AddIns\\Tessary.TSY";

// The library as built, in the form Wine's programs take ("Z:\...").
std::wstring LibraryPath();

class TAddInLibrary {
public:
    explicit TAddInLibrary(const std::wstring &path = LibraryPath());
    ~TAddInLibrary();
    TAddInLibrary(const TAddInLibrary &) = delete;
    TAddInLibrary &operator=(const TAddInLibrary &) = delete;

    HMODULE Handle() const noexcept { return module_; }
    bool Loaded() const noexcept { return module_ != nullptr; }

    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void **ppv) const;
    HRESULT CanUnloadNow() const;
    // A new add-in object through the class factory, as the host creates it.
    classlib::ComPtr<IUnknown> CreateAddIn() const;

private:
    template <class F> F Export(const char *name) const;
    HMODULE module_ = nullptr;
};

} // namespace addintest
