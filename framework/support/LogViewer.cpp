#include "framework/support/LogViewer.h"

#include "classlib/Application.h"
#include "classlib/Exceptions.h"
#include "classlib/MessageDialogs.h"
#include "classlib/ModuleHandle.h"
#include "framework/support/SaveDialog.h"

#include <utility>
#include <vector>

namespace framework {

namespace {

const wchar_t *const ClassName = L"TzidLogWindow";
constexpr int Width = 640, Height = 480;

[[noreturn]] void RaiseWindowError(const wchar_t *what) {
    DWORD error = GetLastError();
    HRESULT hr = error != 0 ? HRESULT_FROM_WIN32(error) : E_FAIL;
    throw classlib::EOleSysError(std::wstring(what) + L": " + classlib::SysErrorMessage(hr), hr);
}

// The windows of this thread that the modal window disables while it shows, and enables again.
class TDisabledWindows {
public:
    explicit TDisabledWindows(HWND except) : except_(except) {
        EnumThreadWindows(GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
    }
    ~TDisabledWindows() {
        for (HWND window : windows_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
    }
    TDisabledWindows(const TDisabledWindows &) = delete;
    TDisabledWindows &operator=(const TDisabledWindows &) = delete;

private:
    static BOOL CALLBACK Disable(HWND window, LPARAM self) {
        auto *disabled = reinterpret_cast<TDisabledWindows *>(self);
        if (window != disabled->except_ && IsWindowVisible(window) && IsWindowEnabled(window)) {
            disabled->windows_.push_back(window);
            EnableWindow(window, FALSE);
        }
        return TRUE;
    }

    HWND except_;
    std::vector<HWND> windows_;
};

// The viewer's window class, registered while a viewer exists, so that a library unloaded and loaded
// again never finds the class pointing into its old image.
class TLogWindowClass {
public:
    TLogWindowClass(HINSTANCE instance, WNDPROC procedure) : instance_(instance) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = ClassName;
        if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
            RaiseWindowError(L"Cannot register the log window's class");
    }
    ~TLogWindowClass() { UnregisterClassW(ClassName, instance_); } // fails harmlessly while a viewer is open
    TLogWindowClass(const TLogWindowClass &) = delete;
    TLogWindowClass &operator=(const TLogWindowClass &) = delete;

private:
    HINSTANCE instance_;
};

class TLogWindow {
public:
    // Hidden until ShowModal.
    TLogWindow(const std::wstring &caption, const std::wstring &report,
               std::function<void(const std::wstring &)> save);
    ~TLogWindow();
    TLogWindow(const TLogWindow &) = delete;
    TLogWindow &operator=(const TLogWindow &) = delete;

    HWND Handle() const noexcept { return window_; }
    // Shows the window and runs messages until it is closed (or the thread is asked to quit).
    void ShowModal();

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateMemo(const std::wstring &report);

    HINSTANCE instance_ = classlib::LibraryModule();
    TLogWindowClass windowClass_;
    std::function<void(const std::wstring &)> save_;
    HWND window_ = nullptr;
    HWND memo_ = nullptr;
    bool closed_ = false;
};

TLogWindow::TLogWindow(const std::wstring &caption, const std::wstring &report,
                       std::function<void(const std::wstring &)> save)
    : windowClass_(instance_, &WindowProc), save_(std::move(save)) {
    HMENU menu = CreateMenu();
    if (menu == nullptr || !AppendMenuW(menu, MF_STRING, LogWindowSaveCommand, L"Save as ...")) {
        if (menu != nullptr)
            DestroyMenu(menu);
        RaiseWindowError(L"Cannot create the log window's menu");
    }
    int x = (GetSystemMetrics(SM_CXSCREEN) - Width) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - Height) / 2;
    window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, ClassName, caption.c_str(),
                              WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
                              x > 0 ? x : 0, y > 0 ? y : 0, Width, Height, classlib::ApplicationHandle(),
                              menu, instance_, this);
    if (window_ == nullptr) {
        DWORD error = GetLastError();
        DestroyMenu(menu); // a window that was not created took no menu with it
        SetLastError(error);
        RaiseWindowError(L"Cannot create the log window");
    }
    try {
        CreateMemo(report);
    } catch (...) {
        DestroyWindow(window_);
        throw;
    }
}

TLogWindow::~TLogWindow() {
    if (window_ != nullptr)
        DestroyWindow(window_);
}

void TLogWindow::CreateMemo(const std::wstring &report) {
    RECT client = {};
    GetClientRect(window_, &client);
    memo_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr,
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_READONLY |
                                ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                            0, 0, client.right, client.bottom, window_, nullptr, instance_, nullptr);
    if (memo_ == nullptr)
        RaiseWindowError(L"Cannot create the log window's text box");
    SendMessageW(memo_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    SendMessageW(memo_, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextW(memo_, report.c_str());
}

// Closing ends the loop; the other windows are enabled again before this one goes, so that the
// owner, not some other program, becomes active.
void TLogWindow::ShowModal() {
    TDisabledWindows disabled(window_);
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
    MSG message;
    while (window_ != nullptr && !closed_) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam)); // the thread's own loop must see it too
            break;
        }
        if (got == -1)
            RaiseWindowError(L"The log window's messages failed");
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

LRESULT CALLBACK TLogWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto *create = reinterpret_cast<CREATESTRUCTW *>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto *self = reinterpret_cast<TLogWindow *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        self->memo_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->OnMessage(message, wParam, lParam);
    } catch (...) {
        classlib::HandleException(); // nothing may cross the window procedure
        return 0;
    }
}

LRESULT TLogWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (memo_ != nullptr)
            MoveWindow(memo_, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_COMMAND:
        if (lParam == 0 && LOWORD(wParam) == LogWindowSaveCommand) {
            SaveLogAs(window_, save_);
            return 0;
        }
        break;
    case WM_CLOSE:
        closed_ = true;
        return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

} // namespace

bool SaveLogAs(HWND owner, const std::function<void(const std::wstring &fileName)> &save) {
    std::wstring fileName;
    for (;;) {
        if (!RunSaveDialog(owner, L"Text files (*.txt)|*.TXT", L"txt", fileName))
            return false;
        const DWORD attributes = GetFileAttributesW(fileName.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            break;
        // Asked here rather than by the dialog, so that every dialog asks it; a box that could not be
        // shown saves nothing.
        const int answer =
            classlib::MessageBoxHook(owner, fileName + L" already exists.\r\nDo you want to replace it?",
                                     L"Save as", MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2);
        if (answer == IDYES)
            break;
        if (answer != IDNO)
            return false;
    }
    save(fileName);
    return true;
}

void ShowLogWindow(const std::wstring &caption, const std::wstring &report,
                   std::function<void(const std::wstring &fileName)> save) {
    TLogWindow window(caption, report, std::move(save));
    window.ShowModal();
}

} // namespace framework
