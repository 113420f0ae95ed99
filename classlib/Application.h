// Process-wide state of the class library's user interface: the application window that owns its
// message boxes, and the handler that receives exceptions no caller could catch (those raised in
// window procedures, such as a timer's handler).
#pragma once
#include "classlib/HookScope.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace classlib {

// The window that owns the library's message boxes (the host's main window); nullptr by default.
HWND ApplicationHandle();
void SetApplicationHandle(HWND handle);

// Caption of message boxes that have none of their own: the module's file name without extension.
std::wstring ApplicationTitle();

// Receives an exception that must not travel further (it would cross a window procedure).
using TExceptionHandler = std::function<void(std::exception_ptr)>;
// Installs handler (empty: the default, ShowException) and returns the previous one (empty when it
// was the default).
TExceptionHandler SetApplicationExceptionHandler(TExceptionHandler handler);
// Call inside a catch block: passes the current exception to the handler. Never throws, even when
// the handler does.
void HandleException() noexcept;
// The default handler: the exception's message in an error message box owned by the application window.
void ShowException(std::exception_ptr exception);

// Installs a handler for the lifetime of the object, then puts the previous one back.
using TExceptionHandlerScope = THookScope<TExceptionHandler, SetApplicationExceptionHandler>;

} // namespace classlib
