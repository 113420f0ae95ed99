#include "officesim/AddInRegistry.h"

#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "classlib/Registry.h"

using classlib::TRegistry;

namespace officesim {

namespace {

// A DWORD value, or nothing when it is missing; a value of another type is a problem to report.
std::optional<DWORD> ReadDword(const TRegistry &registry, const std::wstring &name, std::wstring &problem) {
    if (!registry.ValueExists(name))
        return std::nullopt;
    try {
        return static_cast<DWORD>(registry.ReadInteger(name));
    } catch (const classlib::Exception &) {
        problem = name + L" is not a DWORD value";
        return std::nullopt;
    }
}

std::wstring ReadText(const TRegistry &registry, const std::wstring &name, std::wstring &problem) {
    try {
        return registry.ReadString(name);
    } catch (const classlib::Exception &) {
        problem = name + L" is not a string value";
        return {};
    }
}

void ReadHive(HKEY root, const wchar_t *hive, const std::wstring &hostKey, std::vector<AddInEntry> &entries) {
    const std::wstring addIns = L"Software\\Microsoft\\Office\\" + hostKey + L"\\Addins";
    TRegistry list(KEY_READ);
    list.SetRootKey(root);
    if (!list.OpenKeyReadOnly(addIns))
        return;
    for (const std::wstring &progId : list.GetKeyNames()) {
        AddInEntry entry;
        entry.progId = progId;
        entry.hive = hive;
        entry.keyPath = addIns + L"\\" + progId;
        // A per-user key hides the machine's entry only when it registers the add-in itself: add-ins
        // keep state of their own in that key, and a key holding only that registers nothing.
        for (const AddInEntry &earlier : entries)
            entry.duplicate = entry.duplicate || (classlib::SameText(earlier.progId, progId) &&
                                                  earlier.loadBehavior.has_value() && !earlier.duplicate);
        TRegistry key(KEY_READ);
        key.SetRootKey(root);
        if (!key.OpenKeyReadOnly(entry.keyPath)) {
            entry.problem = L"the key cannot be opened";
        } else {
            entry.loadBehavior = ReadDword(key, L"LoadBehavior", entry.problem);
            entry.friendlyName = ReadText(key, L"FriendlyName", entry.problem);
            entry.description = ReadText(key, L"Description", entry.problem);
            entry.requireShutdownNotification =
                ReadDword(key, L"RequireShutdownNotification", entry.problem).value_or(0) == 1;
        }
        entries.push_back(std::move(entry));
    }
}

} // namespace

std::vector<AddInEntry> ReadAddIns(const std::wstring &hostKey) {
    std::vector<AddInEntry> entries;
    ReadHive(HKEY_CURRENT_USER, L"HKCU", hostKey, entries);
    ReadHive(HKEY_LOCAL_MACHINE, L"HKLM", hostKey, entries);
    return entries;
}

std::wstring LoadBehaviorMeaning(DWORD value) {
    switch (value) {
    case 0:
        return L"unloaded, not loaded at start-up";
    case 1:
        return L"loaded, not loaded at start-up";
    case 2:
        return L"load at start-up, currently unloaded";
    case 3:
        return L"load at start-up";
    case 8:
        return L"load on demand";
    case 9:
        return L"load on demand, currently loaded";
    case 16:
        return L"load once at the next start-up, then on demand";
    default:
        return L"not a value Office knows";
    }
}

std::wstring InprocServerPath(REFCLSID clsid) {
    TRegistry key(KEY_READ);
    key.SetRootKey(HKEY_CLASSES_ROOT);
    if (!key.OpenKeyReadOnly(L"CLSID\\" + classlib::GUIDToString(clsid) + L"\\InprocServer32"))
        return {};
    try {
        return key.ReadString(L"");
    } catch (const classlib::Exception &) {
        return {};
    }
}

bool FastShutdownTurnedOff(int version) {
    TRegistry key(KEY_READ);
    key.SetRootKey(HKEY_CURRENT_USER);
    if (!key.OpenKeyReadOnly(
            classlib::Format(L"Software\\Microsoft\\Office\\%d.0\\Outlook\\Options\\Shutdown", {version})))
        return false;
    std::wstring ignored;
    return ReadDword(key, L"AddinFastShutdownBehavior", ignored).value_or(0) == 1;
}

} // namespace officesim
