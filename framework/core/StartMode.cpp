#include "framework/core/StartMode.h"

#include "classlib/Format.h"

namespace framework {

const wchar_t *StartModeName(TzidStartMode Mode) {
    switch (Mode) {
    case zsmFirstStart:
        return L"FIRSTSTART";
    case zsmNormal:
        return L"NORMAL";
    case zsmUninstall:
        return L"UNINSTALL";
    default:
        return L"";
    }
}

TzidStartMode ParseStartMode(const std::wstring &Text) {
    std::wstring upper = classlib::UpperCase(Text);
    for (TzidStartMode mode : {zsmUninstall, zsmNormal, zsmFirstStart})
        if (upper == StartModeName(mode))
            return mode;
    return zsmUnknown;
}

} // namespace framework
