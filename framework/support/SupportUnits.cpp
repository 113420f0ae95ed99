#include "framework/support/SupportUnits.h"

#include "classlib/ComServer.h"
#include "framework/support/Log.h"
#include "framework/support/WindowMessages.h"

#include <atomic>

namespace framework {

extern const char SupportUnitsLink = 0;

namespace {

constexpr LONG ProcessLogLines = 5000;

// Defined before the sequence below, so built before the units start and destroyed after they are
// finalized.
std::atomic<ILog *> processLog{nullptr}; // the support unit's reference
std::unique_ptr<TzidCursors> cursors;
std::unique_ptr<TAppWindowBehaviour> behaviour;
TVisualStyles visualStyles;

void ReleaseLog() noexcept {
    if (ILog *log = processLog.exchange(nullptr))
        log->Release();
}

// The registered messages are asked of the system when first read (WindowMessages.h), not here.
void StartAddInUnit() {}

void FinalizeAddInUnit() noexcept {}

void StartSupportUnit() {
    // The log counts itself with the COM server: the server must outlive the units' finalization,
    // so it is built before them.
    (void)classlib::ComServer();
    ReleaseLog();
    behaviour.reset();
    cursors = std::make_unique<TzidCursors>();
    SetFixedMessages();
}

void FinalizeSupportUnit() noexcept {
    ReleaseLog();
    cursors.reset();
    behaviour.reset();
}

void StartOutlookSupportUnit() {
    visualStyles.Probe();
}

void FinalizeOutlookSupportUnit() noexcept {
    visualStyles.Clear();
}

} // namespace

const TUnit AddInUnit = {L"add-in unit", &StartAddInUnit, &FinalizeAddInUnit};
const TUnit SupportUnit = {L"support unit", &StartSupportUnit, &FinalizeSupportUnit};
const TUnit OutlookSupportUnit = {L"Outlook support unit", &StartOutlookSupportUnit,
                                  &FinalizeOutlookSupportUnit};

namespace {
// Runs at the library's load and unload.
const TUnitSequence units{AddInUnit, SupportUnit, OutlookSupportUnit};
} // namespace

const TUnitSequence &LoadedUnits() noexcept {
    return units;
}

classlib::ComPtr<ILog> GetLog() {
    ILog *log = processLog.load();
    if (log == nullptr) {
        classlib::ComPtr<TLog> created = classlib::Make<TLog>(ProcessLogLines);
        ILog *expected = nullptr;
        // Two first callers on two threads: one log wins, the other is let go.
        log = processLog.compare_exchange_strong(expected, created.Get()) ? created.Detach() : expected;
    }
    return classlib::ComPtr<ILog>::Copy(log);
}

TzidCursors *Cursors() noexcept {
    return cursors.get();
}

const TVisualStyles &VisualStyles() noexcept {
    return visualStyles;
}

TAppWindowBehaviour *AppWindowBehaviour() noexcept {
    return behaviour.get();
}

void SetAppWindowBehaviour(std::unique_ptr<TAppWindowBehaviour> Behaviour) noexcept {
    behaviour = std::move(Behaviour);
}

} // namespace framework
