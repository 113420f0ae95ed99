#include "framework/core/ExcelAutomationAddIn.h"

#include "classlib/Format.h"

#include <algorithm>
#include <cwctype>
#include <vector>

namespace framework {

namespace {

constexpr int FirstOfficeVersion = 10;
constexpr int LastOfficeVersion = 14;

std::wstring OptionsKey(int version) {
    return classlib::Format(L"\\Software\\Microsoft\\Office\\%d.0\\Excel\\Options", {version});
}

bool BeginsWithOpen(const std::wstring &name) {
    return classlib::UpperCase(name.substr(0, 4)) == L"OPEN";
}

// The number Excel reads an entry under: 0 for "OPEN", n for "OPEN<n>"; -1 for any other name,
// including "OPEN" followed by something that is not a plain number.
int OpenNumber(const std::wstring &name) {
    if (!BeginsWithOpen(name))
        return -1;
    std::wstring digits = name.substr(4);
    if (digits.empty())
        return 0;
    if (digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return -1;
    return std::stoi(digits);
}

std::wstring OpenName(int number) {
    return number == 0 ? std::wstring(L"OPEN") : L"OPEN" + std::to_wstring(number);
}

std::wstring OpenData(const std::wstring &progID) {
    return L"/A \"" + progID + L"\"";
}

// An entry as stored, so that another add-in's value survives renumbering exactly.
struct TOpenEntry {
    std::wstring Name;
    int Number = 0;
    DWORD Type = REG_NONE;
    std::vector<BYTE> Data;

    bool Names(const std::wstring &progID) const {
        if (Type != REG_SZ && Type != REG_EXPAND_SZ)
            return false;
        std::wstring text(reinterpret_cast<const wchar_t *>(Data.data()), Data.size() / sizeof(wchar_t));
        return text.find(progID) != std::wstring::npos;
    }
};

[[noreturn]] void RaiseValueError(LONG error, const std::wstring &name) {
    throw classlib::ERegistryException(
        classlib::Format(L"Failed to write Excel's value %s: %s",
                         {name, classlib::SysErrorMessage(HRESULT_FROM_WIN32(static_cast<DWORD>(error)))}));
}

bool ReadEntry(HKEY key, const std::wstring &name, TOpenEntry &entry) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name.c_str(), nullptr, &entry.Type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    entry.Data.resize(size);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &entry.Type, entry.Data.data(), &size) != ERROR_SUCCESS)
        return false;
    entry.Data.resize(size);
    return true;
}

void WriteEntry(HKEY key, const std::wstring &name, const TOpenEntry &entry) {
    LONG error = RegSetValueExW(key, name.c_str(), 0, entry.Type, entry.Data.data(),
                                static_cast<DWORD>(entry.Data.size()));
    if (error != ERROR_SUCCESS)
        RaiseValueError(error, name);
}

void DeleteEntry(HKEY key, const std::wstring &name) {
    LONG error = RegDeleteValueW(key, name.c_str());
    if (error != ERROR_SUCCESS && error != ERROR_FILE_NOT_FOUND)
        RaiseValueError(error, name);
}

// The numbered entries of the open key, in Excel's order.
std::vector<TOpenEntry> ReadOpenEntries(const classlib::TRegistry &reg) {
    std::vector<TOpenEntry> entries;
    for (const std::wstring &name : reg.GetValueNames()) {
        TOpenEntry entry;
        entry.Name = name;
        entry.Number = OpenNumber(name);
        if (entry.Number >= 0 && ReadEntry(reg.CurrentKey(), name, entry))
            entries.push_back(std::move(entry));
    }
    std::sort(entries.begin(), entries.end(),
              [](const TOpenEntry &a, const TOpenEntry &b) { return a.Number < b.Number; });
    return entries;
}

bool OpenOptionsKey(classlib::TRegistry &reg, int version) {
    const std::wstring key = OptionsKey(version);
    return reg.KeyExists(key) && reg.OpenKey(key, false);
}

void AddEntry(classlib::TRegistry &reg, const std::wstring &progID) {
    int highest = -1;
    for (const std::wstring &name : reg.GetValueNames()) {
        if (!BeginsWithOpen(name))
            continue;
        TOpenEntry entry;
        if (ReadEntry(reg.CurrentKey(), name, entry) && entry.Names(progID))
            return; // already listed
        highest = std::max(highest, OpenNumber(name));
    }
    reg.WriteString(OpenName(highest + 1), OpenData(progID));
}

void RemoveEntry(classlib::TRegistry &reg, const std::wstring &progID) {
    std::vector<TOpenEntry> entries = ReadOpenEntries(reg);
    auto ours = std::stable_partition(entries.begin(), entries.end(),
                                      [&](const TOpenEntry &e) { return !e.Names(progID); });
    if (ours == entries.end())
        return;
    for (auto it = ours; it != entries.end(); ++it)
        DeleteEntry(reg.CurrentKey(), it->Name);
    entries.erase(ours, entries.end());
    // Every entry moves down or stays, and the slot it moves to is free or already moved away from;
    // writing before deleting keeps each entry stored under at least one name at every moment.
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::wstring name = OpenName(static_cast<int>(i));
        if (classlib::SameText(name, entries[i].Name))
            continue;
        WriteEntry(reg.CurrentKey(), name, entries[i]);
        DeleteEntry(reg.CurrentKey(), entries[i].Name);
    }
}

} // namespace

void AddExcelOpenEntries(classlib::TRegistry &Reg, const std::wstring &ProgID) {
    for (int version = FirstOfficeVersion; version <= LastOfficeVersion; ++version) {
        if (!OpenOptionsKey(Reg, version))
            continue;
        AddEntry(Reg, ProgID);
        Reg.CloseKey();
    }
}

void RemoveExcelOpenEntries(classlib::TRegistry &Reg, const std::wstring &ProgID) {
    for (int version = FirstOfficeVersion; version <= LastOfficeVersion; ++version) {
        if (!OpenOptionsKey(Reg, version))
            continue;
        RemoveEntry(Reg, ProgID);
        Reg.CloseKey();
    }
}

} // namespace framework
