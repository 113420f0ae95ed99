#include "framework/support/AppWindowBehaviour.h"

#include "framework/support/SupportUnits.h"
#include "framework/support/WindowMessages.h"

namespace framework {

namespace {

// Writing is best effort: a window message must go on whether or not the log takes the line.
void Log(const std::wstring &text, bool error = false) {
    classlib::ComPtr<ILog> log = GetLog();
    if (error)
        log->AddError(text.c_str());
    else
        log->AddMessage(text.c_str());
}

} // namespace

TAppWindowOwner *TAppWindowBehaviour::OwnerOf(const TAppWindow &Window) {
    TAppWindowOwner *owner = Window.Owner();
    if (owner == nullptr)
        Log(L"TAppWindow.FOwner = nil", true);
    return owner;
}

void TAppWindowBehaviour::WMParentNotify(TAppWindow &Window) {
    TAppWindowOwner *owner = OwnerOf(Window);
    if (owner == nullptr || owner->Visible())
        return;
    Log(L"AppWindow.wndproc: WM_PARENTNOTIFY - SendMessage(WM_ZID_READING_PANE_HIDE_FROM_SBCLS) " +
        Window.Name());
    SendMessageW(owner->ContainerWindow(), WM_ZID_READING_PANE_HIDE_FROM_SBCLS,
                 reinterpret_cast<WPARAM>(owner->Handle()), 10);
}

void TAppWindowBehaviour::WMDestroy(TAppWindow &Window) {
    Log(L"TAppWindowBehaviour.WM_DESTROY");
    Log(L"TAppWindow.WndProc.WM_DESTROY send WM_ZID_DESTROY_EMBEDED_WINDOW " + Window.Name());
    if (TAppWindowOwner *owner = OwnerOf(Window))
        SendMessageW(owner->ContainerWindow(), WM_ZID_DESTROY_EMBEDED_WINDOW,
                     reinterpret_cast<WPARAM>(owner->Handle()), reinterpret_cast<LPARAM>(Window.Handle()));
}

} // namespace framework
