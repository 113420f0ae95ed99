// TRegistry: one open registry key at a time below a root key, with typed value access.
#pragma once
#include "classlib/Object.h"

#include <windows.h>

#include <string>
#include <vector>

namespace classlib {

// Owns an HKEY opened or created by this library (never a predefined root such as HKEY_CURRENT_USER).
class TRegKeyHandle {
public:
    TRegKeyHandle() = default;
    explicit TRegKeyHandle(HKEY key) noexcept : key_(key) {}
    TRegKeyHandle(TRegKeyHandle &&other) noexcept : key_(other.Release()) {}
    TRegKeyHandle &operator=(TRegKeyHandle &&other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    TRegKeyHandle(const TRegKeyHandle &) = delete;
    TRegKeyHandle &operator=(const TRegKeyHandle &) = delete;
    ~TRegKeyHandle() { Reset(); }

    HKEY Get() const noexcept { return key_; }
    explicit operator bool() const noexcept { return key_ != nullptr; }
    HKEY Release() noexcept {
        HKEY k = key_;
        key_ = nullptr;
        return k;
    }
    void Reset(HKEY key = nullptr) noexcept;

private:
    HKEY key_ = nullptr;
};

// Paths: a leading "\" makes a path absolute (below RootKey), otherwise it is relative to the open
// key (or to RootKey when none is open); trailing "\" are ignored.
// Value access works on the open key, by the value's whole name (GetValueNames answers names as the
// registry holds them, a null character inside included). Reads of a missing value: ReadString
// answers "", ReadInteger raises. Every failed write raises ERegistryException (a key opened
// read-only included).
class TRegistry : public TObject {
    CLASSLIB_CLASS(TRegistry)
public:
    explicit TRegistry(REGSAM access = KEY_ALL_ACCESS);
    ~TRegistry() override = default;

    HKEY RootKey() const { return rootKey_; }
    // Closes the open key first.
    void SetRootKey(HKEY root);
    // The mask used by OpenKey and CreateKey; its KEY_WOW64_* bits are also used by every other call.
    REGSAM Access() const { return access_; }
    void SetAccess(REGSAM access) { access_ = access; }

    HKEY CurrentKey() const { return currentKey_.Get(); }            // nullptr when no key is open
    const std::wstring &CurrentPath() const { return currentPath_; } // below RootKey, no leading "\"

    // Opens path (creating it, with any missing parents, when canCreate) as the current key; on
    // failure answers false and leaves the current key as it was.
    bool OpenKey(const std::wstring &path, bool canCreate);
    // Opens path with KEY_READ (and the WOW64 bits of Access); Access itself is left unchanged.
    bool OpenKeyReadOnly(const std::wstring &path);
    void CloseKey();

    // Creates path without opening it; raises ERegistryException when that fails.
    bool CreateKey(const std::wstring &path);
    // Deletes path with all its subkeys and values; false when it is missing or cannot be deleted.
    bool DeleteKey(const std::wstring &path);
    // True when path exists, even when this user may not open it.
    bool KeyExists(const std::wstring &path) const;

    bool ValueExists(const std::wstring &name) const;
    bool DeleteValue(const std::wstring &name);
    // Names of the open key's values and subkeys (empty when no key is open).
    std::vector<std::wstring> GetValueNames() const;
    std::vector<std::wstring> GetKeyNames() const;

    // REG_SZ or REG_EXPAND_SZ (returned unexpanded); "" when missing; any other type raises.
    std::wstring ReadString(const std::wstring &name) const;
    void WriteString(const std::wstring &name, const std::wstring &value);
    // REG_DWORD; a missing value or another type raises "Invalid data type for '%s'".
    int ReadInteger(const std::wstring &name) const;
    void WriteInteger(const std::wstring &name, int value);

private:
    struct Target {
        HKEY base;
        std::wstring subKey; // relative to base
        std::wstring fullPath;
    };
    Target Resolve(const std::wstring &path) const;
    REGSAM Wow64Bits() const { return access_ & (KEY_WOW64_32KEY | KEY_WOW64_64KEY); }
    void ChangeKey(TRegKeyHandle key, std::wstring path);
    void WriteData(const std::wstring &name, DWORD type, const void *data, DWORD size);

    HKEY rootKey_ = HKEY_CURRENT_USER;
    REGSAM access_;
    TRegKeyHandle currentKey_;
    std::wstring currentPath_;
};

} // namespace classlib
