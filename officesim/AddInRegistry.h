// Where Office finds its COM add-ins: a key per add-in under
// Software\Microsoft\Office\<Host>\Addins\<ProgID>, in the user's hive and in the machine's, with
// the values LoadBehavior, FriendlyName, Description and (Outlook 2010) RequireShutdownNotification.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace officesim {

struct AddInEntry {
    std::wstring progId;
    std::wstring hive;    // "HKCU" or "HKLM"
    std::wstring keyPath; // below the hive
    std::optional<DWORD> loadBehavior;
    std::wstring friendlyName, description;
    bool requireShutdownNotification = false;
    std::wstring problem;   // why the entry cannot be read as Office expects (a value of the wrong type)
    bool duplicate = false; // the same ProgID came earlier (from the user's hive): loaded once
};

// The add-ins registered for a host ("Outlook", "Word"): the user's, then the machine's, each in
// the order the registry lists them.
std::vector<AddInEntry> ReadAddIns(const std::wstring &hostKey);

// What a LoadBehavior value asks of Office ("load at start-up", "load on demand" ...).
std::wstring LoadBehaviorMeaning(DWORD value);

// The file registered as the class's in-process server, or "" when there is none.
std::wstring InprocServerPath(REFCLSID clsid);

// Outlook 2010's policy value AddinFastShutdownBehavior = 1 under
// HKCU\Software\Microsoft\Office\<version>.0\Outlook\Options\Shutdown: add-ins get the usual
// shutdown calls.
bool FastShutdownTurnedOff(int version);

} // namespace officesim
