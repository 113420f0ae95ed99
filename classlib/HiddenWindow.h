// Hidden (message-only) windows whose messages go to a function object: the way timers and other
// non-visual objects receive window messages. Use on the thread that creates the window only.
#pragma once
#include "classlib/Exceptions.h"

#include <windows.h>

#include <functional>

namespace classlib {

CLASSLIB_EXCEPTION(EOutOfResources, Exception);

// Receives every message sent or posted to the window once it exists; answers what the window
// procedure answers, so messages it does not handle should go to DefWindowProcW. An exception it
// raises goes to the application exception handler (HandleException), never to the system.
using TWndMethod = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

// Creates the window; raises EOutOfResources when the system refuses.
HWND AllocateHWnd(TWndMethod method);
// Destroys the window and its method (nothing for nullptr or a window not made by AllocateHWnd). It
// may be called from inside the method itself: the method is freed once it has returned.
void DeallocateHWnd(HWND window) noexcept;

// A window of AllocateHWnd for the lifetime of the object.
class THiddenWindow {
public:
    explicit THiddenWindow(TWndMethod method) : handle_(AllocateHWnd(std::move(method))) {}
    ~THiddenWindow() { DeallocateHWnd(handle_); }
    THiddenWindow(const THiddenWindow &) = delete;
    THiddenWindow &operator=(const THiddenWindow &) = delete;

    HWND Handle() const noexcept { return handle_; }

private:
    HWND handle_;
};

} // namespace classlib
