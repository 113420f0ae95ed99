// What the add-in object asks of the engine that follows the host's windows: Outlook's explorers and
// inspectors, each with the module's bars bound in it, and the window events of Word, InfoPath and
// Visio that put the module's bars and task panes into the window that becomes active. The add-in
// object makes its engine when one is installed (TzidHostWindowsEngineMaker); without one it follows no
// window, and each of its forwards does nothing or answers none.
#pragma once
#include <oaidl.h>

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

#include "classlib/ComPtr.h"
#include "framework/core/EngineMaker.h"

namespace office {
class TOutlookApplication;
}

namespace framework {

class TdivAzore;
class TzidCustomCommandBar;

// An Outlook window the add-in follows, with its kind as the task panes take it (1 an explorer, 2 an
// inspector).
using TzidFollowedWindow = std::pair<classlib::ComPtr<IDispatch>, int>;

class IzidHostWindowsEngine {
public:
    virtual ~IzidHostWindowsEngine() = default;

    // Start-up: the engine's handlers take the place of the host wrapper's window events; the handler
    // found there is kept and called from the engine's.
    virtual void ChainWindowHandlers() = 0;
    // Outlook: the open explorers and inspectors are followed now, new ones as Outlook reports them.
    // Each report runs the add-in's handlers, which may unload it.
    virtual void FollowOutlookWindows(office::TOutlookApplication &App) = 0;
    // The explorers, then the inspectors, followed now.
    virtual std::vector<TzidFollowedWindow> FollowedOutlookWindows() const = 0;
    // A user unload: the module's bars leave every Outlook window that holds them.
    virtual void RemoveOutlookWindowBars() = 0;
    // A bar of the module that is being freed leaves every followed window's list.
    virtual void ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept = 0;
    // Disconnection, first step: the event sink on the host's CommandBars is dropped.
    virtual void DetachCommandBarsSink() noexcept = 0;
    // Disconnection, later step: the window wrappers and timers stop their events and go once the
    // event calls on the stack have returned; the chained handlers are forgotten.
    virtual void Release() noexcept = 0;

    virtual size_t ExplorerWrapperCount() const noexcept = 0;
    virtual size_t InspectorWrapperCount() const noexcept = 0;
    virtual size_t PendingVisioTimers() const noexcept = 0;
};

// Makes the engine of a new add-in object; installed by the window floor.
using TzidHostWindowsEngineMaker = TzidEngineMaker<IzidHostWindowsEngine, TdivAzore>;

} // namespace framework
