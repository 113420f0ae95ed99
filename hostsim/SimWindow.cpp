#include "hostsim/SimWindow.h"

#include "classlib/Exceptions.h"

namespace hostsim {

namespace {

HINSTANCE ThisInstance() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisInstance), &module);
    return module;
}

void RegisterClassOnce(const std::wstring &className) {
    WNDCLASSW info = {};
    if (GetClassInfoW(ThisInstance(), className.c_str(), &info))
        return;
    info.lpfnWndProc = DefWindowProcW;
    info.hInstance = ThisInstance();
    info.lpszClassName = className.c_str();
    if (RegisterClassW(&info) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw classlib::EOleSysError(L"The window class " + className + L" cannot be registered",
                                     HRESULT_FROM_WIN32(GetLastError()));
}

} // namespace

SimWindow::SimWindow(const std::wstring &caption, const std::wstring &className) {
    RegisterClassOnce(className);
    handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, className.c_str(), caption.c_str(), WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, ThisInstance(), nullptr);
    // A system without a display (Wine without one) refuses top-level windows: a message-only
    // window still gives a distinct, valid handle of this thread.
    if (handle_ == nullptr)
        handle_ = CreateWindowExW(0, className.c_str(), caption.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  ThisInstance(), nullptr);
    if (handle_ == nullptr)
        throw classlib::EOleSysError(L"The window " + caption + L" cannot be created",
                                     HRESULT_FROM_WIN32(GetLastError()));
}

SimWindow::~SimWindow() {
    DestroyWindow(handle_);
}

void SimWindow::SetCaption(const std::wstring &caption) noexcept {
    SetWindowTextW(handle_, caption.c_str());
}

} // namespace hostsim
