// A window's command bars as a user sees what the add-ins made of them, and a user's click on one
// of their buttons. Built-in bars and controls are the host's and left out, so the listing shows
// exactly what the add-ins built.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "officesim/Transcript.h"

namespace officesim {

// One line per bar the add-ins added, with its controls below it (popups' controls further in),
// and per built-in bar holding controls they added. Empty when they made nothing; raises
// EScriptError when commandBars is no simulated host's.
std::vector<std::wstring> DescribeAddInBars(IUnknown *commandBars);

// Clicks the button whose caption is what (ampersands and letter case ignored), else whose tag is
// what, else whose Id is the number what, looking at the add-ins' controls first. Raises
// EScriptError when there is no such button or it cannot be clicked.
void ClickBarButton(IUnknown *commandBars, const std::wstring &what, const std::wstring &windowName,
                    Transcript &transcript);

} // namespace officesim
