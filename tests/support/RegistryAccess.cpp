#include "RegistryAccess.h"

#include <gtest/gtest.h>

namespace testsupport {

namespace {

const wchar_t *ValueName(const std::wstring &name) {
    return name.empty() ? nullptr : name.c_str();
}

void SetValue(HKEY root, const std::wstring &key, const std::wstring &name, DWORD type, const void *data,
              DWORD size) {
    EXPECT_EQ(RegSetKeyValueW(root, key.c_str(), ValueName(name), type, data, size), ERROR_SUCCESS)
        << "writing " << std::string(name.begin(), name.end());
}

} // namespace

bool KeyExists(HKEY root, const std::wstring &key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

bool ValueExists(HKEY root, const std::wstring &key, const std::wstring &name) {
    return RegGetValueW(root, key.c_str(), ValueName(name), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::wstring ReadString(HKEY root, const std::wstring &key, const std::wstring &name) {
    DWORD size = 0;
    if (RegGetValueW(root, key.c_str(), ValueName(name), RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(root, key.c_str(), ValueName(name), RRF_RT_REG_SZ, nullptr, value.data(), &size) !=
        ERROR_SUCCESS)
        return L"<missing>";
    value.resize(wcslen(value.c_str()));
    return value;
}

DWORD ReadDword(HKEY root, const std::wstring &key, const std::wstring &name) {
    DWORD value = 0xdeadbeef, size = sizeof(value);
    if (RegGetValueW(root, key.c_str(), ValueName(name), RRF_RT_REG_DWORD, nullptr, &value, &size) !=
        ERROR_SUCCESS)
        return 0xdeadbeef;
    return value;
}

std::vector<std::wstring> ValueNames(HKEY root, const std::wstring &key) {
    std::vector<std::wstring> names;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumValueW(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(handle);
    return names;
}

bool IsEmpty(HKEY key) {
    DWORD subKeys = 0, values = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subKeys == 0 && values == 0;
}

void CreateKey(HKEY root, const std::wstring &key) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS)
        << "creating " << std::string(key.begin(), key.end());
    RegCloseKey(handle);
}

void WriteString(HKEY root, const std::wstring &key, const std::wstring &name, const std::wstring &value) {
    SetValue(root, key, name, REG_SZ, value.c_str(),
             static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void WriteDword(HKEY root, const std::wstring &key, const std::wstring &name, DWORD value) {
    SetValue(root, key, name, REG_DWORD, &value, sizeof(value));
}

} // namespace testsupport
