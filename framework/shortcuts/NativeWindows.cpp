#include "framework/shortcuts/NativeWindows.h"

#include <objbase.h>

#include <algorithm>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/HiddenWindow.h"
#include "classlib/ModuleHandle.h"
#include "classlib/Registry.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/shortcuts/Shortcuts.h"
#include "framework/support/WindowMessages.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidNativeWindowBase, classlib::TComponent, )
CLASSLIB_DEFINE_CLASS(TzidNativeWindow, TzidNativeWindowBase, )
CLASSLIB_DEFINE_CLASS(TzidNativeColorWindow, TzidNativeWindowBase, )

namespace {

// Every hidden window of the process, and the module they were made for last. The UI thread only.
std::vector<TzidNativeWindowBase *> liveWindows;
TzidCOMAddInModule *currentModule = nullptr;

// A system that refused a hidden top-level window once refuses the next one too, and a refusal can
// take milliseconds. It is noted in the process's own atom table, which outlives this library: a host
// that unloads the add-in and loads it again is not refused a second time either.
const wchar_t *const TopLevelRefusedAtom = L"TzidNativeWindow: no hidden top-level window";
bool topLevelRefused = false;

bool TopLevelRefused() {
    return topLevelRefused || (topLevelRefused = FindAtomW(TopLevelRefusedAtom) != 0);
}

void NoteTopLevelRefused() {
    topLevelRefused = true;
    if (AddAtomW(TopLevelRefusedAtom) == 0)
        classlib::TraceHResult(L"Shortcuts", L"Noting the refused top-level window",
                               HRESULT_FROM_WIN32(GetLastError()));
}

// The class's procedure is the default one: a class left registered after the library is unloaded
// points at nothing of ours. The windows are subclassed once made.
void EnsureWindowClass(const wchar_t *ClassName) {
    WNDCLASSW existing{};
    if (GetClassInfoW(classlib::LibraryModule(), ClassName, &existing))
        return;
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = classlib::LibraryModule();
    wc.lpszClassName = ClassName;
    if (RegisterClassW(&wc) == 0)
        throw classlib::EOutOfResources(L"Error creating window class");
}

} // namespace

TzidCOMAddInModule *CurrentModule() {
    return currentModule;
}

std::wstring NewWindowName() {
    GUID guid{};
    classlib::OleCheck(CoCreateGuid(&guid));
    wchar_t text[40] = {};
    StringFromGUID2(guid, text, 40);
    return text;
}

TzidNativeWindowBase::TzidNativeWindowBase(TzidCOMAddInModule *AOwner, const wchar_t *ClassName,
                                           const std::wstring &WindowName)
    : TComponent(AOwner), module_(AOwner) {
    EnsureWindowClass(ClassName);
    currentModule = AOwner;
    liveWindows.push_back(this);
    HINSTANCE instance = classlib::LibraryModule();
    if (!TopLevelRefused()) {
        handle_ = CreateWindowExW(WS_EX_TOOLWINDOW, ClassName, WindowName.c_str(), WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, instance, nullptr);
        if (handle_ == nullptr)
            NoteTopLevelRefused();
    }
    if (handle_ == nullptr) {
        handle_ = CreateWindowExW(0, ClassName, WindowName.c_str(), 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
        messageOnly_ = handle_ != nullptr;
    }
    if (handle_ == nullptr) {
        classlib::Trace(L"Shortcuts", std::wstring(L"No hidden window could be made: ") + ClassName);
        return;
    }
    SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
}

TzidNativeWindowBase::~TzidNativeWindowBase() {
    if (HWND window = std::exchange(handle_, nullptr)) {
        // Messages of the destruction go to the default procedure: the object is half gone.
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DefWindowProcW));
        DestroyWindow(window);
    }
    liveWindows.erase(std::remove(liveWindows.begin(), liveWindows.end(), this), liveWindows.end());
    // Another module's windows going leave the current one named; when the current one's last window
    // goes, the module of the newest window left takes its place (the connected module, whose
    // shortcuts go on), or none.
    if (std::none_of(liveWindows.begin(), liveWindows.end(),
                     [](TzidNativeWindowBase *w) { return w->module_ == currentModule; }))
        currentModule = liveWindows.empty() ? nullptr : liveWindows.back()->module_;
}

LRESULT CALLBACK TzidNativeWindowBase::Procedure(HWND Window, UINT Message, WPARAM wParam, LPARAM lParam) {
    auto *self = reinterpret_cast<TzidNativeWindowBase *>(GetWindowLongPtrW(Window, GWLP_USERDATA));
    if (Message == WM_QUERYENDSESSION)
        return 1; // log-off and shutdown may go on
    if (self != nullptr) {
        try {
            LRESULT result = 0;
            if (self->WndProc(Message, wParam, lParam, result))
                return result;
        } catch (...) {
            // Nothing may leave a window procedure into the system.
            classlib::TraceException(L"Shortcuts", L"A hidden window's message");
        }
    }
    return DefWindowProcW(Window, Message, wParam, lParam);
}

// ---- the shortcut window ----

TzidNativeWindow::TzidNativeWindow(TzidCOMAddInModule *AOwner, const std::wstring &WindowName)
    : TzidNativeWindowBase(AOwner, L"TzidNativeWindow", WindowName) {
    // A posted click names its button: from the first shortcut window on, a button that goes says so.
    TzidCommandBarButton::SetGoneHook(&ButtonGone);
}

TzidNativeWindow::~TzidNativeWindow() = default;

bool TzidNativeWindow::PostShortcut(const std::wstring &Text, TzidCommandBarButton *Button) {
    if (Handle() == nullptr)
        return false;
    WPARAM key = nextKey_++;
    posted_[key] = TPosted{Text, Button};
    if (PostMessageW(Handle(), WM_ZIDKEYDOWN, key, 0))
        return true;
    classlib::Trace(L"Shortcuts", L"The shortcut's click could not be posted");
    posted_.erase(key);
    return false;
}

void TzidNativeWindow::ButtonGone(TzidCommandBarButton *Button) noexcept {
    for (TzidNativeWindowBase *window : liveWindows)
        if (auto *shortcuts = dynamic_cast<TzidNativeWindow *>(window))
            for (auto &[key, entry] : shortcuts->posted_)
                if (entry.Button == Button)
                    entry.Button = nullptr;
}

bool TzidNativeWindow::WndProc(UINT Message, WPARAM wParam, LPARAM /*lParam*/, LRESULT & /*Result*/) {
    if (Message != WM_ZIDKEYDOWN || WM_ZIDKEYDOWN == 0)
        return false;
    auto found = posted_.find(wParam);
    if (found == posted_.end())
        return false;
    TPosted entry = std::move(found->second);
    posted_.erase(found);
    // The click may free this window (a handler turning the shortcuts off): the object is not touched
    // after it, and the default handling goes by the handle alone.
    if (entry.Button != nullptr)
        ClickShortcut(*Module(), entry.Text, *entry.Button);
    return false;
}

// ---- the colour-scheme window ----

TzidNativeColorWindow::TzidNativeColorWindow(TzidCOMAddInModule *AOwner, const std::wstring &WindowName)
    : TzidNativeWindowBase(AOwner, L"TzidNativeColorWindow", WindowName) {
    if (Handle() != nullptr)
        broadcastMessage_ = WM_MSO_BROADCASTCHANGE;
}

bool TzidNativeColorWindow::WndProc(UINT Message, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                    LRESULT & /*Result*/) {
    if (Message == broadcastMessage_ && broadcastMessage_ != 0)
        UpdateColorScheme(*Module());
    return false;
}

void TzidNativeColorWindow::UpdateColorScheme(TzidCOMAddInModule &Module) {
    classlib::TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (reg.OpenKeyReadOnly(
            classlib::Format(L"Software\\Microsoft\\Office\\%d.0\\Common", {Module.OfficeVersion()})) &&
        reg.ValueExists(L"Theme")) {
        try {
            TzidOfficeColorScheme scheme = ColorSchemeOfTheme(reg.ReadInteger(L"Theme"));
            if (scheme == Module.ColorScheme())
                return;
            Module.SetColorScheme(scheme);
        } catch (const classlib::ERegistryException &) {
            classlib::TraceException(L"Shortcuts", L"Office's Theme value is no number");
        }
    }
    if (Module.OnOfficeColorSchemeChanged)
        RunHandler(&Module, nullptr,
                   [&] { Module.OnOfficeColorSchemeChanged(&Module, Module.ColorScheme()); });
}

} // namespace framework
