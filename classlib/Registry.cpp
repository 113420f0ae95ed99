#include "classlib/Registry.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/RegistryValues.h"

namespace classlib {

CLASSLIB_DEFINE_CLASS(TRegistry, TObject)

void TRegKeyHandle::Reset(HKEY key) noexcept {
    if (key_ != nullptr && key_ != key)
        RegCloseKey(key_);
    key_ = key;
}

namespace {

std::wstring TrimSlashes(const std::wstring &path, bool &absolute) {
    size_t first = path.find_first_not_of(L'\\');
    if (first == std::wstring::npos) {
        absolute = !path.empty();
        return {};
    }
    absolute = first > 0;
    size_t last = path.find_last_not_of(L'\\');
    return path.substr(first, last - first + 1);
}

[[noreturn]] void InvalidDataType(const std::wstring &name) {
    throw ERegistryException(Format(L"Invalid data type for '%s'", {name}));
}

// Enumerates names with RegEnumValueW or RegEnumKeyExW, growing the buffer when a name is longer
// than the key reported (it may change while we enumerate).
template <class Enum> std::vector<std::wstring> EnumNames(DWORD initialLength, Enum enumerate) {
    std::vector<std::wstring> names;
    std::wstring buffer(initialLength + 1, L'\0');
    for (DWORD index = 0;;) {
        DWORD length = static_cast<DWORD>(buffer.size());
        LONG rc = enumerate(index, buffer.data(), &length);
        if (rc == ERROR_MORE_DATA && buffer.size() < 32768) {
            buffer.resize(buffer.size() * 2);
            continue;
        }
        if (rc != ERROR_SUCCESS)
            break;
        names.emplace_back(buffer.data(), length);
        ++index;
    }
    return names;
}

} // namespace

TRegistry::TRegistry(REGSAM access) : access_(access) {}

void TRegistry::SetRootKey(HKEY root) {
    CloseKey();
    rootKey_ = root;
}

TRegistry::Target TRegistry::Resolve(const std::wstring &path) const {
    bool absolute = false;
    std::wstring sub = TrimSlashes(path, absolute);
    if (absolute || !currentKey_)
        return {rootKey_, sub, sub};
    std::wstring full = currentPath_;
    if (!full.empty() && !sub.empty())
        full += L'\\';
    return {currentKey_.Get(), sub, full + sub};
}

void TRegistry::ChangeKey(TRegKeyHandle key, std::wstring path) {
    currentKey_ = std::move(key);
    currentPath_ = std::move(path);
}

bool TRegistry::OpenKey(const std::wstring &path, bool canCreate) {
    Target t = Resolve(path);
    HKEY key = nullptr;
    LONG rc;
    if (canCreate && !t.subKey.empty())
        rc = RegCreateKeyExW(t.base, t.subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access_, nullptr,
                             &key, nullptr);
    else
        rc = RegOpenKeyExW(t.base, t.subKey.c_str(), 0, access_, &key);
    if (rc != ERROR_SUCCESS)
        return false;
    ChangeKey(TRegKeyHandle(key), std::move(t.fullPath));
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::wstring &path) {
    Target t = Resolve(path);
    HKEY key = nullptr;
    if (RegOpenKeyExW(t.base, t.subKey.c_str(), 0, KEY_READ | Wow64Bits(), &key) != ERROR_SUCCESS)
        return false;
    ChangeKey(TRegKeyHandle(key), std::move(t.fullPath));
    return true;
}

void TRegistry::CloseKey() {
    ChangeKey(TRegKeyHandle(), {});
}

bool TRegistry::CreateKey(const std::wstring &path) {
    Target t = Resolve(path);
    HKEY key = nullptr;
    LONG rc = t.subKey.empty() ? ERROR_INVALID_PARAMETER
                               : RegCreateKeyExW(t.base, t.subKey.c_str(), 0, nullptr,
                                                 REG_OPTION_NON_VOLATILE, access_, nullptr, &key, nullptr);
    if (rc != ERROR_SUCCESS)
        throw ERegistryException(Format(L"Failed to create key %s", {path}));
    TRegKeyHandle created(key);
    return true;
}

bool TRegistry::DeleteKey(const std::wstring &path) {
    Target t = Resolve(path);
    if (t.subKey.empty())
        return false; // never the root or the open key itself
    HKEY raw = nullptr;
    const REGSAM rights = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | Wow64Bits();
    if (RegOpenKeyExW(t.base, t.subKey.c_str(), 0, rights, &raw) != ERROR_SUCCESS)
        return false;
    {
        TRegKeyHandle key(raw);
        // Empties the key (subkeys and values) through a handle that honours the WOW64 view.
        if (RegDeleteTreeW(key.Get(), nullptr) != ERROR_SUCCESS)
            return false;
    }
    return RegDeleteKeyExW(t.base, t.subKey.c_str(), Wow64Bits(), 0) == ERROR_SUCCESS;
}

bool TRegistry::KeyExists(const std::wstring &path) const {
    Target t = Resolve(path);
    HKEY raw = nullptr;
    LONG rc = RegOpenKeyExW(t.base, t.subKey.c_str(), 0, KEY_QUERY_VALUE | Wow64Bits(), &raw);
    TRegKeyHandle key(raw);
    return rc == ERROR_SUCCESS || rc == ERROR_ACCESS_DENIED;
}

bool TRegistry::ValueExists(const std::wstring &name) const {
    return currentKey_ && QueryRegValue(currentKey_.Get(), name, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::wstring &name) {
    return currentKey_ && DeleteRegValue(currentKey_.Get(), name) == ERROR_SUCCESS;
}

std::vector<std::wstring> TRegistry::GetValueNames() const {
    DWORD maxLength = 0;
    if (!currentKey_ ||
        RegQueryInfoKeyW(currentKey_.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                         &maxLength, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    HKEY key = currentKey_.Get();
    return EnumNames(maxLength, [key](DWORD index, wchar_t *name, DWORD *length) {
        return RegEnumValueW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::vector<std::wstring> TRegistry::GetKeyNames() const {
    DWORD maxLength = 0;
    if (!currentKey_ ||
        RegQueryInfoKeyW(currentKey_.Get(), nullptr, nullptr, nullptr, nullptr, &maxLength, nullptr, nullptr,
                         nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return {};
    HKEY key = currentKey_.Get();
    return EnumNames(maxLength, [key](DWORD index, wchar_t *name, DWORD *length) {
        return RegEnumKeyExW(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
    });
}

std::wstring TRegistry::ReadString(const std::wstring &name) const {
    if (!currentKey_)
        return {};
    std::wstring text(64, L'\0');
    for (;;) {
        DWORD type = REG_NONE;
        DWORD size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        LONG rc = QueryRegValue(currentKey_.Get(), name, &type, reinterpret_cast<BYTE *>(text.data()), &size);
        if (rc == ERROR_FILE_NOT_FOUND)
            return {};
        if (rc == ERROR_MORE_DATA) {
            text.resize(size / sizeof(wchar_t) + 1); // the value may grow again before the next try
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            InvalidDataType(name);
        // Data need not be terminated, nor even of an even size; it ends at its first null.
        text.resize(size / sizeof(wchar_t));
        size_t end = text.find(L'\0');
        if (end != std::wstring::npos)
            text.resize(end);
        return text;
    }
}

int TRegistry::ReadInteger(const std::wstring &name) const {
    DWORD type = REG_NONE, value = 0, size = sizeof(value);
    if (!currentKey_ ||
        QueryRegValue(currentKey_.Get(), name, &type, reinterpret_cast<BYTE *>(&value), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value))
        InvalidDataType(name);
    return static_cast<int>(value);
}

void TRegistry::WriteData(const std::wstring &name, DWORD type, const void *data, DWORD size) {
    if (!currentKey_ || SetRegValue(currentKey_.Get(), name, type, data, size) != ERROR_SUCCESS)
        throw ERegistryException(Format(L"Failed to set data for '%s'", {name}));
}

void TRegistry::WriteString(const std::wstring &name, const std::wstring &value) {
    WriteData(name, REG_SZ, value.c_str(), static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

void TRegistry::WriteInteger(const std::wstring &name, int value) {
    DWORD data = static_cast<DWORD>(value);
    WriteData(name, REG_DWORD, &data, sizeof(data));
}

} // namespace classlib
