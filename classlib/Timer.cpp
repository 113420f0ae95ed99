#include "classlib/Timer.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"

namespace classlib {

CLASSLIB_DEFINE_CLASS(TTimer, TComponent,
                      b.Property(L"Enabled", &TTimer::Enabled, &TTimer::SetEnabled).Default(true);
                      b.Property(L"Interval", &TTimer::Interval, &TTimer::SetInterval).Default(1000);
                      b.Field(L"OnTimer", &TTimer::OnTimer))

namespace {
constexpr UINT_PTR kTimerId = 1;
}

TTimer::TTimer(TComponent *owner)
    : TComponent(owner), window_([this](UINT m, WPARAM w, LPARAM l) { return WndProc(m, w, l); }) {
    UpdateTimer();
}

TTimer::~TTimer() {
    if (running_)
        KillTimer(window_.Handle(), kTimerId);
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        UpdateTimer();
    }
}

void TTimer::SetInterval(int interval) {
    if (interval < 0)
        throw EInvalidOperation(Format(L"Invalid timer interval %d", {interval}));
    if (interval != interval_) {
        interval_ = interval;
        UpdateTimer();
    }
}

void TTimer::UpdateTimer() {
    if (running_)
        KillTimer(window_.Handle(), kTimerId);
    running_ = false;
    if (!enabled_ || interval_ == 0)
        return;
    if (SetTimer(window_.Handle(), kTimerId, static_cast<UINT>(interval_), nullptr) == 0)
        throw EOutOfResources(L"Not enough timers available");
    running_ = true;
}

LRESULT TTimer::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_TIMER)
        return DefWindowProcW(window_.Handle(), message, wParam, lParam);
    // A WM_TIMER already queued when the timer was stopped still arrives: drop it.
    if (running_ && wParam == kTimerId)
        Timer();
    return 0;
}

} // namespace classlib
