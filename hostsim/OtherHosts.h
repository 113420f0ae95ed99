// The other hosts the framework knows (Excel, PowerPoint, Access, Project, FrontPage, MapPoint,
// Visio, Publisher, InfoPath): each an Application object that answers its host's identity, its
// Version and, where the host has them, its CommandBars and windows, and raises the host's
// application events through a connection point.
//
// Members are reached as with each host: by the library's dispatch ids where they are published
// (Project's Version is 5020 ...), else by name (FrontPage, MapPoint, Publisher and InfoPath, whose
// ids are not published, answer under ids of their own). Events: Excel AppEvents, PowerPoint
// EApplication, Project _EProjectApp (and _EProjectApp2 from version 10), FrontPage, MapPoint,
// Visio and Publisher their application events; Access none; InfoPath's come from the object its
// Events property answers (see OtherHostsInfoPath.h).
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "hostsim/SimDispatch.h"
#include "hostsim/SimWindow.h"

namespace hostsim {

enum class OtherHostKind {
    Excel,
    PowerPoint,
    Access,
    Project,
    FrontPage,
    MapPoint,
    Visio,
    Publisher,
    InfoPath
};

class OtherHost;

// A document window of one of these hosts (the library describes none of them): Caption, and
// CommandBars where the host has per-window bars (InfoPath), else the Application's.
class SimHostWindow : public SimDispObject<> {
public:
    SimHostWindow(SimWorld &world, OtherHost &host, const std::wstring &name, const std::wstring &caption);
    void SetCommandBars(IUnknown *commandBars) { commandBars_.CopyFrom(commandBars); }

private:
    void OnDisconnect() noexcept override;

    OtherHost *host_;
    std::wstring caption_;
    classlib::ComPtr<IUnknown> commandBars_;
};

// A host's Windows: PowerPoint's DocumentWindows (Item from 1) or InfoPath's Windows (Item from 0).
class SimHostWindows : public SimDispObject<> {
public:
    SimHostWindows(SimWorld &world, OtherHost &host, REFIID diid, int firstIndex);

private:
    void OnDisconnect() noexcept override { host_ = nullptr; }
    OtherHost *host_;
};

// Access's CurrentProject: connected while a database is open.
class SimAccessProject : public SimDispObject<> {
public:
    explicit SimAccessProject(SimWorld &world);

private:
    friend class OtherHost;
    bool connected_ = false;
    std::wstring name_, fullName_;
};

class OtherHost {
public:
    OtherHost(OtherHostKind kind, std::wstring version);
    ~OtherHost();
    OtherHost(const OtherHost &) = delete;
    OtherHost &operator=(const OtherHost &) = delete;

    OtherHostKind Kind() const noexcept { return kind_; }
    const std::wstring &HostName() const noexcept { return world_.HostName(); }
    SimWorld &World() noexcept { return world_; }
    SimLog &Log() noexcept { return world_.Log(); }
    const std::wstring &Version() const noexcept { return version_; }
    int MajorVersion() const noexcept { return major_; }

    SimObject &App() noexcept { return *app_; }
    IDispatch *Application() noexcept { return appDispatch_; } // not AddRef'd
    // Where the application events come from: the Application, or InfoPath's Events object.
    SimObject &EventSource() noexcept { return *eventSource_; }
    // Raises an application event on every interface of the source that declares it.
    int Fire(DISPID id, std::vector<EventArg> args = {});

    // The Application's CommandBars (all but MapPoint); Nothing until set.
    void SetCommandBars(IUnknown *commandBars) { commandBars_.CopyFrom(commandBars); }
    IUnknown *CommandBars() const noexcept { return commandBars_.Get(); }

    // Windows: the newest is the active one. ActivateWindow makes a window active and raises the
    // host's window activation: Excel WindowActivate(Wb, Wn), PowerPoint WindowActivate(Pres, Wn)
    // and InfoPath WindowActivate(pDocument, pWindow) with no document object, Visio
    // WindowActivated(Window), Project WindowActivate(Window), Publisher WindowActivate(Wn); the
    // other hosts raise nothing.
    SimHostWindow *OpenWindow(const std::wstring &caption);
    void ActivateWindow(SimHostWindow *window);
    // The user closes a window: it leaves Windows (the next one becomes the active one) and its
    // object is discarded. The host raises no event for it.
    void CloseWindow(SimHostWindow *window);
    const std::vector<SimHostWindow *> &Windows() const noexcept { return windows_; }
    SimHostWindow *ActiveWindow() const noexcept { return windows_.empty() ? nullptr : windows_.back(); }

    // The host's main window where the framework looks for it by class: Excel ("XLMAIN"), Visio
    // ("VISIOA"); null for the others.
    HWND MainWindow() const noexcept { return mainWindow_ ? mainWindow_->Handle() : nullptr; }

    // Access: open and close a database (CurrentProject's IsConnected, Name, FullName).
    void OpenProject(const std::wstring &fullName);
    void CloseProject();
    // MapPoint: the commands AddCommand added, as "DisplayName|MethodName".
    const std::vector<std::wstring> &Commands() const noexcept { return commands_; }

private:
    friend class SimOtherApplication;
    friend class SimInfoPathApplication;
    // Takes an open window out of Windows; raises for any other (what: "activated", "closed").
    void Unlist(SimHostWindow *window, const wchar_t *what);

    OtherHostKind kind_;
    std::wstring version_;
    int major_;
    SimWorld world_;
    SimObject *app_ = nullptr;
    IDispatch *appDispatch_ = nullptr;
    SimObject *eventSource_ = nullptr;
    SimAccessProject *project_ = nullptr;
    SimHostWindows *windowList_ = nullptr;
    std::vector<SimHostWindow *> windows_;
    std::unique_ptr<SimWindow> mainWindow_;
    classlib::ComPtr<IUnknown> commandBars_;
    std::vector<std::wstring> commands_;
    int windowNumber_ = 0;
};

// The Application of every host but InfoPath.
class SimOtherApplication : public SimDispObject<> {
public:
    SimOtherApplication(SimWorld &world, OtherHost &host, REFIID diid);

private:
    void OnDisconnect() noexcept override { host_ = nullptr; }
    // A property the library declares, else one of the object's own reached by name.
    void Property(const std::wstring &name, std::function<classlib::OleVariant()> get);

    OtherHost *host_;
    DISPID nextId_ = 0x7F000001;
};

// The identity of each host's Application and the interface id of its events.
const IID &HostApplicationIID(OtherHostKind kind);
const std::wstring &HostName(OtherHostKind kind);

} // namespace hostsim
