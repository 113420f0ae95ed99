#include "framework/core/ProcessState.h"

namespace framework {

TzidOfficeHostApp HostKind = ohaExcel;
HWND HostMainWindow = nullptr;
HHOOK KeyboardHook = nullptr;
bool WindowActivationBusy = false;

const wchar_t *HostWindowClasses(TzidOfficeHostApp Host) {
    switch (Host) {
    case ohaExcel:
        return L"XLMAIN";
    case ohaVisio:
        return L"VISIOA";
    default:
        return nullptr;
    }
}

void RemoveKeyboardHook() noexcept {
    if (HHOOK hook = KeyboardHook) {
        KeyboardHook = nullptr;
        UnhookWindowsHookEx(hook);
    }
}

} // namespace framework
