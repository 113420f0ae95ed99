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

void ReadTree(HKEY key, TKeyAside::TTree &tree) {
    DWORD keys = 0, longestKey = 0, values = 0, longestName = 0, largestData = 0;
    ASSERT_EQ(RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &keys, &longestKey, nullptr, &values,
                               &longestName, &largestData, nullptr, nullptr),
              ERROR_SUCCESS);
    for (DWORD i = 0; i < values; ++i) {
        std::wstring name(longestName + 1, L'\0');
        DWORD nameLength = longestName + 1, type = 0, size = largestData;
        std::vector<BYTE> data(largestData);
        ASSERT_EQ(RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type, data.data(), &size),
                  ERROR_SUCCESS);
        data.resize(size);
        tree.Values.push_back({name.substr(0, nameLength), type, std::move(data)});
    }
    for (DWORD i = 0; i < keys; ++i) {
        std::wstring name(longestKey + 1, L'\0');
        DWORD nameLength = longestKey + 1;
        ASSERT_EQ(RegEnumKeyExW(key, i, name.data(), &nameLength, nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        TKeyAside::TTree &child = tree.Keys.emplace_back();
        child.Name = name.substr(0, nameLength);
        HKEY handle = nullptr;
        ASSERT_EQ(RegOpenKeyExW(key, child.Name.c_str(), 0, KEY_READ, &handle), ERROR_SUCCESS);
        ReadTree(handle, child);
        RegCloseKey(handle);
    }
}

void WriteTree(HKEY parent, const std::wstring &path, const TKeyAside::TTree &tree) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(parent, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (const TKeyAside::TTree::TValue &value : tree.Values)
        EXPECT_EQ(RegSetValueExW(key, ValueName(value.Name), 0, value.Type, value.Data.data(),
                                 static_cast<DWORD>(value.Data.size())),
                  ERROR_SUCCESS);
    for (const TKeyAside::TTree &child : tree.Keys)
        WriteTree(key, child.Name, child);
    RegCloseKey(key);
}

} // namespace

TKeyAside::TKeyAside(HKEY root, std::wstring key) : root_(root), key_(std::move(key)) {
    if (key_.empty()) { // the root itself is never set aside
        ADD_FAILURE() << "no key to set aside";
        return;
    }
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root_, key_.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return;
    ReadTree(handle, saved_);
    RegCloseKey(handle);
    existed_ = true;
    EXPECT_EQ(RegDeleteTreeW(root_, key_.c_str()), ERROR_SUCCESS) << "a key could not be set aside";
}

TKeyAside::~TKeyAside() {
    if (key_.empty())
        return;
    RegDeleteTreeW(root_, key_.c_str());
    if (existed_)
        WriteTree(root_, key_, saved_);
}

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
