#include "classlib/Application.h"

#include "classlib/ComGuard.h"
#include "classlib/MessageDialogs.h"
#include "classlib/ModuleHandle.h"
#include "classlib/Trace.h"

#include <utility>

namespace classlib {

namespace {

HWND applicationHandle = nullptr;

TExceptionHandler &CurrentHandler() {
    static TExceptionHandler handler;
    return handler;
}

} // namespace

HWND ApplicationHandle() {
    return applicationHandle;
}

void SetApplicationHandle(HWND handle) {
    applicationHandle = handle;
}

std::wstring ApplicationTitle() {
    std::wstring path = ModuleFileName(LibraryModule());
    size_t slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

TExceptionHandler SetApplicationExceptionHandler(TExceptionHandler handler) {
    return std::exchange(CurrentHandler(), std::move(handler));
}

void HandleException() noexcept {
    std::exception_ptr exception = std::current_exception();
    if (!exception)
        return;
    try {
        // A copy: the handler may replace itself while it runs.
        TExceptionHandler handler = CurrentHandler();
        if (handler)
            handler(exception);
        else
            ShowException(exception);
    } catch (...) {
        // Nowhere left to report to: the host must survive.
        TraceException(L"Classes", L"The application's exception handler");
    }
}

void ShowException(std::exception_ptr exception) {
    std::wstring message;
    try {
        std::rethrow_exception(exception);
    } catch (...) {
        message = CurrentExceptionMessage();
    }
    if (message.empty())
        message = L"Unknown exception";
    MessageBoxHook(ApplicationHandle(), message, ApplicationTitle(), MB_OK | MB_ICONERROR);
}

} // namespace classlib
