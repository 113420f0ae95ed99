// The window handle of a simulated host window (an Outlook explorer or inspector, a host's main
// window): a real, hidden top-level window of the current thread, so that GetWindow, window
// enumeration and class-name checks behave as with the host. It is never shown. Where the system
// has no display and refuses top-level windows (Wine without one, as in the tests), the window is
// message-only: a distinct, valid handle of this thread with the same class, which thread-window
// enumeration does not list.
#pragma once
#include <windows.h>

#include <string>

namespace hostsim {

class SimWindow {
public:
    // className: the window class (registered on first use with DefWindowProcW); the host's own
    // where the framework looks for it ("XLMAIN", "VISIOA"), else hostsim's.
    explicit SimWindow(const std::wstring &caption, const std::wstring &className = L"hostsimWindow");
    ~SimWindow();
    SimWindow(const SimWindow &) = delete;
    SimWindow &operator=(const SimWindow &) = delete;

    HWND Handle() const noexcept { return handle_; }
    void SetCaption(const std::wstring &caption) noexcept;

private:
    HWND handle_;
};

} // namespace hostsim
