#include "classlib/HiddenWindow.h"

#include "classlib/Application.h"
#include "classlib/ModuleHandle.h"

#include <memory>

namespace classlib {

namespace {

const wchar_t *const kClassName = L"ClasslibHiddenWindow";

// What GWLP_USERDATA points to. `depth` counts the calls of the method in progress, so that a
// window released from inside its own method frees the method only after it returned.
struct WindowData {
    TWndMethod method;
    int depth = 0;
    bool released = false;
};

int liveWindows = 0;

void Release(WindowData *data) {
    if (data->depth > 0)
        data->released = true;
    else
        delete data;
}

LRESULT CALLBACK Trampoline(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto *data = reinterpret_cast<WindowData *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (data == nullptr || data->released)
        return DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    ++data->depth;
    try {
        result = data->method(message, wParam, lParam);
    } catch (...) {
        HandleException();
        result = data->released ? 0 : DefWindowProcW(window, message, wParam, lParam);
    }
    --data->depth;
    // Destroyed by someone else than DeallocateHWnd: the method goes with the window.
    if (message == WM_NCDESTROY && !data->released) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        data->released = true;
        // The class cannot be unregistered while this window still exists: it stays registered.
        if (liveWindows > 1)
            --liveWindows;
    }
    if (data->released && data->depth == 0)
        delete data;
    return result;
}

// The class is registered while windows of it exist, and unregistered with the last one, so that
// a DLL unloaded and loaded again never finds a class whose procedure points into the old image.
void AcquireClass() {
    if (liveWindows++ > 0)
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = Trampoline;
    wc.hInstance = LibraryModule();
    wc.lpszClassName = kClassName;
    if (RegisterClassExW(&wc) != 0)
        return;
    DWORD error = GetLastError();
    if (error == ERROR_CLASS_ALREADY_EXISTS && UnregisterClassW(kClassName, wc.hInstance) &&
        RegisterClassExW(&wc))
        return;
    if (error == ERROR_CLASS_ALREADY_EXISTS)
        return; // still in use elsewhere in this module: same procedure, usable as it is
    --liveWindows;
    throw EOutOfResources(L"Cannot register the hidden window class: " +
                          SysErrorMessage(HRESULT_FROM_WIN32(error)));
}

void ReleaseClass() {
    if (--liveWindows == 0)
        UnregisterClassW(kClassName, LibraryModule());
}

} // namespace

HWND AllocateHWnd(TWndMethod method) {
    auto data = std::make_unique<WindowData>(WindowData{std::move(method)});
    AcquireClass();
    HWND window =
        CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, LibraryModule(), nullptr);
    if (window == nullptr) {
        DWORD error = GetLastError();
        ReleaseClass();
        throw EOutOfResources(L"Error creating window: " + SysErrorMessage(HRESULT_FROM_WIN32(error)));
    }
    // Attached only now: the creation messages go to the default procedure, not to the method.
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(data.release()));
    return window;
}

void DeallocateHWnd(HWND window) noexcept {
    if (window == nullptr || !IsWindow(window) ||
        GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&Trampoline))
        return;
    auto *data = reinterpret_cast<WindowData *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
    if (data != nullptr)
        Release(data);
    ReleaseClass();
}

} // namespace classlib
