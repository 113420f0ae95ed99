#include "framework/core/ProcessState.h"

namespace framework {

TzidOfficeHostApp HostKind = ohaExcel;
HWND HostMainWindow = nullptr;
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

} // namespace framework
