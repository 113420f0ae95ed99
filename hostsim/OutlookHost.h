// A simulated Outlook: one host process with its Application, a MAPI session with a default store,
// and the explorer and inspector windows a test opens. The test drives it through plain C++ calls;
// the add-in sees only the COM objects and their events.
//
// Version: the text Application.Version answers ("9.0", "10.0", "11.0", "12.0.0.4518",
// "14.0.0.4760"); its major part (the digits before the first "." or ",", 9 when there are none)
// decides which event interfaces and members exist: see OutlookApplication.h and OutlookWindows.h;
// Reminders from 10, FolderPath from 11.
//
// The simulated behaviour, in the order the events are raised:
//  - OpenExplorer / OpenInspector: the window is created, NewExplorer / NewInspector is raised by
//    the collection, then the window is activated.
//  - Activate: nothing when the window is already the active one; else the active window raises
//    Deactivate and the new one Activate. ActiveWindow is the window activated last,
//    ActiveExplorer / ActiveInspector the last activated of their kind.
//  - SwitchFolder: BeforeFolderSwitch(NewFolder, Cancel), and unless cancelled FolderSwitch.
//    SwitchView: BeforeViewSwitch(NewView, Cancel), and unless cancelled ViewSwitch.
//    Select: the selection changes and SelectionChange is raised.
//  - Close: the window raises Close and leaves its collection; the window activated before it, if
//    any, raises Activate; then the window object is disconnected (calls on it fail).
//  - Send: ItemSend(Item, Cancel) on the Application; unless cancelled the item is sent: it moves
//    to Sent Items and its inspectors close.
//  - Quit: every inspector, then every explorer closes (newest first), then the Application raises
//    Quit. The objects stay reachable until the host is destroyed.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "hostsim/OutlookApplication.h"
#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookTypes.h"
#include "hostsim/OutlookWindows.h"
#include "hostsim/SimObject.h"

namespace hostsim {

class OutlookHost {
public:
    explicit OutlookHost(std::wstring version = L"11.0");
    ~OutlookHost();
    OutlookHost(const OutlookHost &) = delete;
    OutlookHost &operator=(const OutlookHost &) = delete;

    SimWorld &World() noexcept { return world_; }
    SimLog &Log() noexcept { return world_.Log(); }
    const std::wstring &Version() const noexcept { return version_; }
    int MajorVersion() const noexcept { return major_; }

    SimOutlookApplication &App() noexcept { return *app_; }
    // The Application as the add-in receives it in OnConnection (not AddRef'd).
    IDispatch *Application() noexcept { return app_; }
    SimOutlookNameSpace &NameSpace() noexcept { return *nameSpace_; }
    SimOutlookWindows &Explorers() noexcept { return *explorers_; }
    SimOutlookWindows &Inspectors() noexcept { return *inspectors_; }
    SimOutlookReminders *Reminders() noexcept { return reminders_; } // null before version 10

    // Folders and items. The default store "Personal Folders" holds Deleted Items, Outbox, Sent
    // Items, Inbox, Calendar, Contacts, Journal, Notes, Tasks and Drafts.
    SimOutlookFolder *DefaultStore() noexcept { return nameSpace_->stores_.front(); }
    SimOutlookFolder *DefaultFolder(ol::DefaultFolder which) noexcept;
    SimOutlookFolder *AddStore(const std::wstring &name);
    SimOutlookFolder *AddFolder(SimOutlookFolder *parent, const std::wstring &name, ol::ItemType itemType);
    // A new item in folder; an empty message class gives the class's usual one.
    SimOutlookItem *AddItem(SimOutlookFolder *folder, ol::ObjectClass objectClass,
                            const std::wstring &subject, const std::wstring &messageClass = {});

    // Windows (see above for the events).
    SimOutlookExplorer *OpenExplorer(SimOutlookFolder *folder);
    SimOutlookInspector *OpenInspector(SimOutlookItem *item);
    void Activate(SimOutlookWindow *window);
    bool SwitchFolder(SimOutlookExplorer *explorer, SimOutlookFolder *folder); // false when cancelled
    bool SwitchView(SimOutlookExplorer *explorer, const std::wstring &view);   // false when cancelled
    void Select(SimOutlookExplorer *explorer, std::vector<SimOutlookItem *> items);
    void Close(SimOutlookWindow *window);
    SimOutlookExplorer *ActiveExplorer() const noexcept;
    SimOutlookInspector *ActiveInspector() const noexcept;
    SimOutlookWindow *ActiveWindow() const noexcept;

    // Application events.
    bool Send(SimOutlookItem *item); // false when a sink cancelled ItemSend
    void Startup();
    void NewMail();
    void Quit();
    bool HasQuit() const noexcept { return quit_; }

    // Makes the CommandBars of every explorer and inspector opened from now on (the command-bar
    // simulation's object for that window).
    void SetCommandBarsFactory(std::function<classlib::ComPtr<IUnknown>(SimOutlookWindow &window)> factory) {
        commandBarsFactory_ = std::move(factory);
    }

private:
    void Opened(SimOutlookWindows &list, SimOutlookWindow *window);

    std::wstring version_;
    int major_;
    SimWorld world_;
    SimOutlookApplication *app_ = nullptr;
    SimOutlookNameSpace *nameSpace_ = nullptr;
    SimOutlookWindows *explorers_ = nullptr;
    SimOutlookWindows *inspectors_ = nullptr;
    SimOutlookReminders *reminders_ = nullptr;
    std::vector<SimOutlookWindow *> zOrder_; // open windows, the active one last
    std::function<classlib::ComPtr<IUnknown>(SimOutlookWindow &)> commandBarsFactory_;
    int windowNumber_ = 0;
    int itemNumber_ = 0;
    bool quit_ = false;
};

} // namespace hostsim
