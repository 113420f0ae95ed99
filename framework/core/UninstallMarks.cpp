#include "framework/core/UninstallMarks.h"

#include "classlib/Exceptions.h"
#include "classlib/Registry.h"
#include "classlib/Trace.h"

namespace framework {

void TzidUninstallMarks::Write(const std::wstring &Key, HKEY LoadRoot) {
    classlib::TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (reg.OpenKey(Key, false)) {
        Save(HKEY_CURRENT_USER, Key, reg.CurrentKey(), L"ZIDStartMode");
        reg.WriteString(L"ZIDStartMode", L"UNINSTALL");
        reg.CloseKey();
    }
    reg.SetRootKey(LoadRoot);
    if (reg.OpenKey(Key, false)) {
        Save(LoadRoot, Key, reg.CurrentKey(), L"LoadBehavior");
        reg.WriteInteger(L"LoadBehavior", 0);
        reg.CloseKey();
    }
}

void TzidUninstallMarks::Save(HKEY Root, const std::wstring &Key, HKEY Open, const std::wstring &Name) {
    TSaved saved;
    saved.Root = Root;
    saved.Key = Key;
    saved.Name = Name;
    DWORD size = 0;
    LSTATUS status = RegQueryValueExW(Open, Name.c_str(), nullptr, &saved.Type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        saved.Data.resize(size);
        status = RegQueryValueExW(Open, Name.c_str(), nullptr, &saved.Type, saved.Data.data(), &size);
        saved.Data.resize(size);
    }
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        classlib::OleCheck(HRESULT_FROM_WIN32(status));
    saved.Existed = status == ERROR_SUCCESS;
    saved_.push_back(std::move(saved));
}

void TzidUninstallMarks::Restore() noexcept {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        try {
            classlib::TRegistry reg;
            reg.SetRootKey(it->Root);
            if (!reg.OpenKey(it->Key, false))
                continue;
            if (!it->Existed) {
                reg.DeleteValue(it->Name);
                continue;
            }
            LSTATUS status = RegSetValueExW(reg.CurrentKey(), it->Name.c_str(), 0, it->Type, it->Data.data(),
                                            static_cast<DWORD>(it->Data.size()));
            if (status != ERROR_SUCCESS)
                classlib::OleCheck(HRESULT_FROM_WIN32(status));
        } catch (...) {
            classlib::TraceException(L"Registration", (L"Putting back " + it->Key + L" " + it->Name).c_str());
        }
    }
    saved_.clear();
}

} // namespace framework
