#include "framework/support/VisualStyles.h"

namespace framework {

namespace {

// Visual styles came with Windows NT 5.1; earlier systems have no theme library to load.
bool SystemHasVisualStyles() noexcept {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
    if (!GetVersionExW(&version))
        return false;
    return version.dwPlatformId == VER_PLATFORM_WIN32_NT &&
           (version.dwMajorVersion > 5 || (version.dwMajorVersion == 5 && version.dwMinorVersion >= 1));
}

} // namespace

void TVisualStyles::Probe() noexcept {
    Clear();
    if (!SystemHasVisualStyles())
        return;
    library_.Reset(LoadLibraryW(L"uxtheme.dll"));
    if (!library_)
        return;
    OpenThemeData = library_.Proc<decltype(OpenThemeData)>("OpenThemeData");
    CloseThemeData = library_.Proc<decltype(CloseThemeData)>("CloseThemeData");
    DrawThemeBackground = library_.Proc<decltype(DrawThemeBackground)>("DrawThemeBackground");
    GetCurrentThemeName = library_.Proc<decltype(GetCurrentThemeName)>("GetCurrentThemeName");
    themesLoaded_ = true;
    themesActive_ = false;
    if (OpenThemeData == nullptr)
        return;
    if (HTHEME theme = OpenThemeData(nullptr, L"WINDOW")) {
        themesActive_ = true;
        if (CloseThemeData != nullptr)
            CloseThemeData(theme);
    }
}

void TVisualStyles::Clear() noexcept {
    themesLoaded_ = false;
    themesActive_ = false;
    OpenThemeData = nullptr;
    CloseThemeData = nullptr;
    DrawThemeBackground = nullptr;
    GetCurrentThemeName = nullptr;
    library_.Reset();
}

} // namespace framework
