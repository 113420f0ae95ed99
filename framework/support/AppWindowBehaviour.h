// How an application window embedded in an owner window reacts to two of its messages: it tells the
// owner's container when it appears while the owner is hidden, and when it is destroyed. Both
// reactions are written to the framework's log.
#pragma once
#include <windows.h>

#include <string>

namespace framework {

// The owner of application windows, as the behaviour sees it.
class TAppWindowOwner {
public:
    virtual ~TAppWindowOwner() = default;
    virtual HWND Handle() const = 0;
    virtual bool Visible() const = 0;
    // The window that receives the owner's notifications.
    virtual HWND ContainerWindow() const = 0;
};

// An application window: its name, its handle and its owner (none once the owner has gone).
class TAppWindow {
public:
    virtual ~TAppWindow() = default;
    virtual std::wstring Name() const = 0;
    virtual HWND Handle() const = 0;
    virtual TAppWindowOwner *Owner() const = 0;
};

class TAppWindowBehaviour {
public:
    virtual ~TAppWindowBehaviour() = default;

    // While the owner is hidden, sends WM_ZID_READING_PANE_HIDE_FROM_SBCLS to its container (wParam:
    // the owner's handle, lParam: 10).
    virtual void WMParentNotify(TAppWindow &Window);
    // Sends WM_ZID_DESTROY_EMBEDED_WINDOW to the owner's container (wParam: the owner's handle,
    // lParam: the window being destroyed).
    virtual void WMDestroy(TAppWindow &Window);

protected:
    // The window's owner; none is written to the log as an error.
    static TAppWindowOwner *OwnerOf(const TAppWindow &Window);
};

} // namespace framework
