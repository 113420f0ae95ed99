#include "classlib/Application.h"

#include "classlib/ComGuard.h"
#include "classlib/MessageDialogs.h"

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

HINSTANCE ModuleInstance() {
    // The module that holds this code: in an add-in that is the DLL, not the host's program.
    static HINSTANCE instance = [] {
        HMODULE module = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&ModuleInstance), &module);
        return static_cast<HINSTANCE>(module);
    }();
    return instance;
}

std::wstring ApplicationTitle() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD n;
    while ((n = GetModuleFileNameW(ModuleInstance(), path.data(), static_cast<DWORD>(path.size()))) ==
               path.size() &&
           path.size() < 32768)
        path.resize(path.size() * 2);
    path.resize(n);
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
