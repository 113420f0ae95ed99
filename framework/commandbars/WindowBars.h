// What the window handlers share: the command bars of a host window and the placing of one of the
// module's bars into the window whose bars the module holds.
#pragma once
#include <oaidl.h>

#include <string>

#include "classlib/ComPtr.h"
#include "office/office.h"

namespace framework {

class TzidCOMAddInModule;
class TzidCustomCommandBar;

// Object's CommandBars (read late-bound by Name) as Office's CommandBars; null, traced, when the
// object has none or refuses.
classlib::ComPtr<_CommandBars> CommandBarsOf(IDispatch *Object, const std::wstring &Name = L"CommandBars");
// The same for an object already read (an Outlook window's CommandBars).
classlib::ComPtr<_CommandBars> AsCommandBars(const classlib::ComPtr<IDispatch> &Bars);
// The Office bar of Bar's name in the module's CommandBars is re-bound with its controls, or the bar
// is built when there is none; a failure goes to the module's DoError. Nothing happens once an
// uninstall has taken the module's bars out of the host (UninstalledMeanwhile).
void PlaceBar(TzidCOMAddInModule &Module, TzidCustomCommandBar &Bar);

} // namespace framework
