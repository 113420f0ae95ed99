// TzidStartMode: what the add-in key's "ZIDStartMode" says about this start: the first one after
// registration, a normal one, or one after unregistration began.
#pragma once
#include <string>

namespace framework {

enum TzidStartMode : unsigned char {
    zsmFirstStart = 0, // "FIRSTSTART", and a key without the value
    zsmNormal = 1,     // "NORMAL"
    zsmUninstall = 2,  // "UNINSTALL"
    zsmUnknown = 255   // any other text
};

// The registry value and its texts.
inline constexpr const wchar_t *ZIDStartModeValue = L"ZIDStartMode";
const wchar_t *StartModeName(TzidStartMode Mode); // "FIRSTSTART" ...; empty for zsmUnknown

// The stored text in any letter case; text that names no mode gives zsmUnknown.
TzidStartMode ParseStartMode(const std::wstring &Text);

} // namespace framework
