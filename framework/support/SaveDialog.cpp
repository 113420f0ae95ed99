#include "framework/support/SaveDialog.h"

#include "classlib/Exceptions.h"
#include "framework/support/KernelHandles.h"

#include <commdlg.h>

#include <utility>

namespace framework {

namespace {

TSaveDialogHook &CurrentHook() {
    static TSaveDialogHook hook;
    return hook;
}

// The common-dialog library is loaded only for the dialog: most sessions never save a log.
bool SystemSaveDialog(HWND owner, const std::wstring &filter, const std::wstring &defaultExt,
                      std::wstring &fileName) {
    TLibraryHandle library(LoadLibraryW(L"comdlg32.dll"));
    auto getSaveFileName = library.Proc<BOOL(WINAPI *)(OPENFILENAMEW *)>("GetSaveFileNameW");
    auto extendedError = library.Proc<DWORD(WINAPI *)()>("CommDlgExtendedError");
    if (getSaveFileName == nullptr || extendedError == nullptr)
        throw classlib::EOleSysError(L"The save dialog is not available",
                                     HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
    // The system wants the pairs separated by nulls and ended by two.
    std::wstring systemFilter = filter;
    for (wchar_t &c : systemFilter)
        if (c == L'|')
            c = L'\0';
    systemFilter.append(2, L'\0');
    std::wstring buffer = fileName;
    buffer.resize(32768, L'\0');

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = systemFilter.c_str();
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrDefExt = defaultExt.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING;
    if (getSaveFileName(&ofn)) {
        fileName = buffer.c_str();
        return true;
    }
    if (DWORD error = extendedError())
        throw classlib::EOleSysError(L"The save dialog failed (" + std::to_wstring(error) + L")", E_FAIL);
    return false;
}

} // namespace

TSaveDialogHook SetSaveDialogHook(TSaveDialogHook hook) {
    return std::exchange(CurrentHook(), std::move(hook));
}

bool RunSaveDialog(HWND owner, const std::wstring &filter, const std::wstring &defaultExt,
                   std::wstring &fileName) {
    if (const TSaveDialogHook &hook = CurrentHook())
        return hook(owner, filter, defaultExt, fileName);
    return SystemSaveDialog(owner, filter, defaultExt, fileName);
}

} // namespace framework
