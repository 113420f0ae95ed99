// Where COM class keys are written: the machine-wide classes root or a per-user one.
#pragma once
#include <windows.h>

#include <string>

namespace classlib {

// The writes a server's registration makes, under one root. Machine-wide registration uses
// HKEY_CLASSES_ROOT; a per-user variant passes HKEY_CURRENT_USER with L"Software\\Classes".
class TClassesRoot {
public:
    explicit TClassesRoot(HKEY root = HKEY_CLASSES_ROOT, std::wstring prefix = L"")
        : root_(root), prefix_(std::move(prefix)) {}

    // Creates key (and its parents) and sets the string value name ("" is the default value).
    // Raises EOleSysError with the system's error when the key cannot be written.
    void WriteString(const std::wstring &key, const std::wstring &name, const std::wstring &value) const;
    // Removes key with all its subkeys; a key that is not there is not an error.
    void DeleteKey(const std::wstring &key) const;

    HKEY Root() const noexcept { return root_; }
    std::wstring Path(const std::wstring &key) const; // prefix + key

private:
    HKEY root_;
    std::wstring prefix_;
};

} // namespace classlib
