// The marks unregistration writes into a host's add-in key before it takes the add-in's controls out
// of the host ("ZIDStartMode" = "UNINSTALL" under the user's key, "LoadBehavior" = 0 where the add-in
// is registered), together with what each mark replaced, so that a clean-up that fails can put the
// key back as it was: the add-in then still loads, and a second unregistration can finish.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace framework {

class TzidUninstallMarks {
public:
    // Marks the add-in key Key (absolute below the roots): the start mode below HKEY_CURRENT_USER,
    // the load behaviour below LoadRoot. A key that does not exist is passed over; a failed write
    // raises, after what it replaced was kept.
    void Write(const std::wstring &Key, HKEY LoadRoot);
    // Puts back every value the marks replaced, the last one first, and deletes a value that was not
    // there before. What cannot be put back is traced.
    void Restore() noexcept;

private:
    struct TSaved {
        HKEY Root;
        std::wstring Key;
        std::wstring Name;
        bool Existed = false;
        DWORD Type = REG_NONE;
        std::vector<BYTE> Data;
    };
    // Keeps the value Name of the open key (its type and bytes as they are, whatever they are).
    void Save(HKEY Root, const std::wstring &Key, HKEY Open, const std::wstring &Name);

    std::vector<TSaved> saved_;
};

} // namespace framework
