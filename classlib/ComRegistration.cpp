#include "classlib/ComRegistration.h"

#include "classlib/Exceptions.h"
#include "classlib/Format.h"

namespace classlib {

namespace {

[[noreturn]] void RaiseRegistryError(LONG error, const std::wstring &path) {
    HRESULT hr = HRESULT_FROM_WIN32(static_cast<DWORD>(error));
    throw EOleSysError(Format(L"%s (%s)", {SysErrorMessage(hr), path}), hr);
}

} // namespace

std::wstring TClassesRoot::Path(const std::wstring &key) const {
    return prefix_.empty() ? key : prefix_ + L"\\" + key;
}

void TClassesRoot::WriteString(const std::wstring &key, const std::wstring &name,
                               const std::wstring &value) const {
    std::wstring path = Path(key);
    HKEY handle = nullptr;
    LONG error = RegCreateKeyExW(root_, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                 nullptr, &handle, nullptr);
    if (error != ERROR_SUCCESS)
        RaiseRegistryError(error, path);
    error = RegSetValueExW(handle, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE *>(value.c_str()),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
    if (error != ERROR_SUCCESS)
        RaiseRegistryError(error, path);
}

void TClassesRoot::DeleteKey(const std::wstring &key) const {
    if (key.empty()) // would remove the whole root
        throw EOleSysError(L"Cannot delete a registry key without a name", E_INVALIDARG);
    std::wstring path = Path(key);
    LONG error = RegDeleteTreeW(root_, path.c_str());
    if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return;
    RaiseRegistryError(error, path);
}

} // namespace classlib
