// The framework's units and what they hold for the whole process. When the library is loaded, the
// add-in unit, the support unit and the Outlook support unit start in that order (fixing the two
// unregistered message numbers, creating the cursor holder, probing the visual styles; the registered
// messages wait for their first reader); when it is unloaded they
// are finalized in the reverse order, freeing the log, the cursors and the theme library.
#pragma once
#include "classlib/ComPtr.h"
#include "framework/support/AppWindowBehaviour.h"
#include "framework/support/Cursors.h"
#include "framework/support/LogInterface.h"
#include "framework/support/UnitSequence.h"
#include "framework/support/VisualStyles.h"

#include <memory>

namespace framework {

// The process-wide log, created with 5000 lines on the first call. Raises EOleSysError when the
// system gives no mutex for it.
classlib::ComPtr<ILog> GetLog();

// The process-wide cursor holder; null outside the support unit's life.
TzidCursors *Cursors() noexcept;
// The visual-styles probe the Outlook support unit ran.
const TVisualStyles &VisualStyles() noexcept;
// The process-wide application-window behaviour, freed by the support unit's finalization; none
// until one is set.
TAppWindowBehaviour *AppWindowBehaviour() noexcept;
void SetAppWindowBehaviour(std::unique_ptr<TAppWindowBehaviour> Behaviour) noexcept;

// The three units, in their order.
extern const TUnit AddInUnit, SupportUnit, OutlookSupportUnit;
// The sequence the library ran when it was loaded.
const TUnitSequence &LoadedUnits() noexcept;

// Referenced by whatever needs the units started (the library is a static archive).
extern const char SupportUnitsLink;

} // namespace framework
