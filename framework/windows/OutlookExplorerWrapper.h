// TzidExplorer: the wrapper of one tracked Outlook explorer. Its events go to the window engine's
// explorer handlers; it remembers the module's bars bound in its window. Its close handler lets go
// of it while its own event is still being delivered: it is freed once that call has returned.
#pragma once
#include "framework/windows/WindowBarList.h"
#include "office/OutlookExplorers.h"

namespace framework {

class TzidHostWindowsEngine;

class TzidExplorer : public office::TOutlookExplorer {
    CLASSLIB_CLASS(TzidExplorer)
public:
    explicit TzidExplorer(TzidHostWindowsEngine &Engine);

    TzidWindowBars &Bars() noexcept { return bars_; }

protected:
    void HostEvent(DISPID id, office::THostEventArgs &args) override;

private:
    TzidHostWindowsEngine &engine_;
    TzidWindowBars bars_;
};

} // namespace framework
