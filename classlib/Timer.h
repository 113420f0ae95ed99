// TTimer: a component that calls OnTimer every Interval milliseconds while Enabled, through
// WM_TIMER on a hidden window of its own (so it fires only while the thread pumps messages).
#pragma once
#include "classlib/Component.h"
#include "classlib/Events.h"
#include "classlib/HiddenWindow.h"

namespace classlib {

class TTimer : public TComponent {
    CLASSLIB_CLASS(TTimer)
public:
    explicit TTimer(TComponent *owner);
    ~TTimer() override;

    // Changing either restarts the count; the timer runs while Enabled and Interval > 0. Raises
    // EOutOfResources when the system has no timer left.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    // Raises EInvalidOperation for a negative interval.
    void SetInterval(int interval);

    // Runs on the timer's thread; an exception it raises goes to the application exception handler.
    TEvent<void(TObject *Sender)> OnTimer;

protected:
    virtual void Timer() { OnTimer(this); }

private:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    void UpdateTimer();

    bool enabled_ = true;
    int interval_ = 1000;
    bool running_ = false;
    THiddenWindow window_;
};

} // namespace classlib
