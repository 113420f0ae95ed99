// The visual-styles probe: whether the system's theme library is there and a theme is in use, with
// the library's four entry points for whoever draws themed parts. The library is loaded on demand
// (older systems have none) and freed again when the probe is cleared.
#pragma once
#include "framework/support/KernelHandles.h"

#include <windows.h>

#include <uxtheme.h>

namespace framework {

class TVisualStyles {
public:
    TVisualStyles() = default;
    TVisualStyles(const TVisualStyles &) = delete;
    TVisualStyles &operator=(const TVisualStyles &) = delete;

    // On Windows NT 5.1 or later: loads the library, resolves its entry points and asks for the
    // theme of a plain window. Without the library both flags stay false, and nothing is reported.
    void Probe() noexcept;
    // Clears both flags and the entry points, and frees the library.
    void Clear() noexcept;

    bool ThemesLoaded() const noexcept { return themesLoaded_; }
    bool ThemesActive() const noexcept { return themesActive_; }

    // Null unless ThemesLoaded (and then null only for an entry point the library lacks).
    decltype(&::OpenThemeData) OpenThemeData = nullptr;
    decltype(&::CloseThemeData) CloseThemeData = nullptr;
    decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
    decltype(&::GetCurrentThemeName) GetCurrentThemeName = nullptr;

private:
    TLibraryHandle library_;
    bool themesLoaded_ = false;
    bool themesActive_ = false;
};

} // namespace framework
