#include "framework/core/ExcelAutomationAddIn.h"

#include "classlib/Format.h"
#include "classlib/RegistryValues.h"

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

    // The add-in's own entry is /A "<ProgID>" in any letter case (blanks around it aside): another
    // add-in's ProgID that merely contains ours, or a workbook path, is not it.
    bool Names(const std::wstring &progID) const {
        if (Type != REG_SZ && Type != REG_EXPAND_SZ)
            return false;
        std::wstring text(reinterpret_cast<const wchar_t *>(Data.data()), Data.size() / sizeof(wchar_t));
        text.resize(std::min(text.size(), text.find(L'\0')));
        const size_t first = text.find_first_not_of(L' ');
        if (first == std::wstring::npos || !classlib::SameText(text.substr(first, 2), L"/A"))
            return false;
        const size_t quote = text.find_first_not_of(L' ', first + 2);
        const size_t last = text.find_last_not_of(L' ');
        return quote != std::wstring::npos &&
               classlib::SameText(text.substr(quote, last - quote + 1), L"\"" + progID + L"\"");
    }
};

[[noreturn]] void RaiseValueError(LONG error, const std::wstring &name) {
    throw classlib::ERegistryException(
        classlib::Format(L"Failed to write Excel's value %s: %s",
                         {name, classlib::SysErrorMessage(HRESULT_FROM_WIN32(static_cast<DWORD>(error)))}));
}

bool ReadEntry(HKEY key, const std::wstring &name, TOpenEntry &entry) {
    DWORD size = 0;
    if (classlib::QueryRegValue(key, name, &entry.Type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    entry.Data.resize(size);
    if (classlib::QueryRegValue(key, name, &entry.Type, entry.Data.data(), &size) != ERROR_SUCCESS)
        return false;
    entry.Data.resize(size);
    return true;
}

void WriteEntry(HKEY key, const std::wstring &name, const TOpenEntry &entry) {
    LONG error = classlib::SetRegValue(key, name, entry.Type, entry.Data.data(),
                                       static_cast<DWORD>(entry.Data.size()));
    if (error != ERROR_SUCCESS)
        RaiseValueError(error, name);
}

void DeleteEntry(HKEY key, const std::wstring &name) {
    LONG error = classlib::DeleteRegValue(key, name);
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

// Stores entries under OPEN, OPEN1, ... in their order. An entry is moved only once no other entry
// still waiting is stored under its new name ("OPEN01" and "OPEN1" both read as number 1, so a name
// may be the new one of an entry before it), and written before its old name goes: every entry is
// stored under at least one name at every moment. The waits form no cycle, as the new numbers keep
// the entries' order.
void MoveToNumbers(HKEY key, const std::vector<TOpenEntry> &entries) {
    std::vector<bool> done(entries.size(), false);
    auto heldByWaiting = [&](const std::wstring &name, size_t except) {
        for (size_t j = 0; j < entries.size(); ++j)
            if (j != except && !done[j] && classlib::SameText(entries[j].Name, name))
                return true;
        return false;
    };
    for (size_t left = entries.size(); left > 0;) {
        const size_t before = left;
        for (size_t i = 0; i < entries.size(); ++i) {
            const std::wstring name = OpenName(static_cast<int>(i));
            if (done[i] || heldByWaiting(name, i))
                continue;
            if (!classlib::SameText(name, entries[i].Name)) {
                WriteEntry(key, name, entries[i]);
                DeleteEntry(key, entries[i].Name);
            }
            done[i] = true;
            --left;
        }
        if (left == before)
            throw classlib::ERegistryException(L"Excel's add-in list cannot be renumbered");
    }
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
    MoveToNumbers(reg.CurrentKey(), entries);
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
