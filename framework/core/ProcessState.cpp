#include "framework/core/ProcessState.h"

namespace framework {

TzidOfficeHostApp HostKind = ohaExcel;
HWND HostMainWindow = nullptr;
HHOOK KeyboardHook = nullptr;
const void *KeyboardHookOwner = nullptr;
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

void RemoveKeyboardHook(const void *Owner) noexcept {
    if (Owner != nullptr && Owner != KeyboardHookOwner)
        return;
    if (HHOOK hook = KeyboardHook) {
        KeyboardHook = nullptr;
        KeyboardHookOwner = nullptr;
        UnhookWindowsHookEx(hook);
    }
}

} // namespace framework
