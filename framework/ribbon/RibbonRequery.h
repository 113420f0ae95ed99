// Re-query requests: a changed ribbon node asks the host to call its callbacks again, through every
// IRibbonUI the host handed over (one per ribbon kind), since a control may sit in several kinds.
#pragma once
#include <string>

#include "framework/core/AddInModule.h"

namespace framework {

// Asks every ribbon kind to re-query the control of Id. A kind whose document holds no such control
// refuses with E_INVALIDARG: that is no failure. Any other refusal raises the COM error exception
// once every kind has been asked.
void RequeryRibbonControl(TzidCOMAddInModule &Module, const std::wstring &Id);
// Asks every ribbon kind to re-query all its controls.
void RequeryRibbons(TzidCOMAddInModule &Module);
// A node's request: a built-in control (IdMso set) is known to the host by its built-in id only, so
// the whole ribbon is asked; a custom one by its Id; a node without either is nothing the host shows.
void RequeryRibbonNode(TzidCOMAddInModule &Module, const std::wstring &IdMso, const std::wstring &Id);

} // namespace framework
