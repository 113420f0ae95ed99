#include "hostsim/OtherHosts.h"

#include <algorithm>

#include "classlib/Exceptions.h"
#include "hostsim/OtherHostsInfoPath.h"
#include "office/office.h"

namespace hostsim {

using classlib::ComPtr;
using classlib::OleVariant;

namespace {

struct HostInfo {
    OtherHostKind kind;
    std::wstring name;
    const IID *application;
    const IID *events;         // null: the host raises no application events
    const wchar_t *mainWindow; // the main window's class where the framework looks for it
    DISPID activation;         // the window activation event, 0 for none
    bool documentArgument;     // the activation event names a document before the window
};

const HostInfo &Info(OtherHostKind kind) {
    static const HostInfo hosts[] = {
        {OtherHostKind::Excel, L"Excel", &DIID_ExcelApplication, &DIID_ExcelAppEvents, L"XLMAIN", 0x614,
         true},
        {OtherHostKind::PowerPoint, L"PowerPoint", &DIID_PowerPointApplication, &DIID_PowerPointEApplication,
         nullptr, 0x7D9, true},
        {OtherHostKind::Access, L"Access", &DIID_AccessApplication, nullptr, nullptr, 0, false},
        {OtherHostKind::Project, L"MS Project", &DIID_ProjectApplication, &DIID_ProjectEProjectApp, nullptr,
         19, false},
        {OtherHostKind::FrontPage, L"FrontPage", &DIID_FrontPageApplication, &DIID_FrontPageApplicationEvents,
         nullptr, 0, false},
        {OtherHostKind::MapPoint, L"MapPoint", &DIID_MapPointApplication, &DIID_MapPointApplicationEvents,
         nullptr, 0, false},
        {OtherHostKind::Visio, L"Visio", &DIID_VisioApplication, &DIID_VisioEApplication, L"VISIOA", 0x1080,
         false},
        {OtherHostKind::Publisher, L"Publisher", &DIID_PublisherApplication, &DIID_PublisherApplicationEvents,
         nullptr, 1, false},
        {OtherHostKind::InfoPath, L"InfoPath", &DIID_InfoPathApplication, &DIID_InfoPathApplicationEvents,
         nullptr, 1, true},
    };
    return *std::find_if(std::begin(hosts), std::end(hosts),
                         [&](const HostInfo &h) { return h.kind == kind; });
}

OleVariant DispatchOfUnknown(IUnknown *unknown) {
    ComPtr<IDispatch> dispatch = ComPtr<IUnknown>::Copy(unknown).TryAs<IDispatch>(IID_IDispatch);
    return OleVariant(dispatch.Get());
}

} // namespace

const IID &HostApplicationIID(OtherHostKind kind) {
    return *Info(kind).application;
}

const std::wstring &HostName(OtherHostKind kind) {
    return Info(kind).name;
}

SimHostWindow::SimHostWindow(SimWorld &world, OtherHost &host, const std::wstring &name,
                             const std::wstring &caption)
    : SimDispObject(world, name, IID_NULL), host_(&host), caption_(caption) {
    OnExtra(0x7F000001, L"Caption", DISPATCH_PROPERTYGET, {}, 0,
            [this](DispArgs &) { return OleVariant(caption_); });
    OnExtra(0x7F000002, L"CommandBars", DISPATCH_PROPERTYGET, {}, 0, [this](DispArgs &) {
        return DispatchOfUnknown(commandBars_ ? commandBars_.Get() : host_->CommandBars());
    });
}

void SimHostWindow::OnDisconnect() noexcept {
    host_ = nullptr;
    commandBars_.Reset();
}

SimHostWindows::SimHostWindows(SimWorld &world, OtherHost &host, REFIID diid, int firstIndex)
    : SimDispObject(world, L"Windows", diid), host_(&host) {
    auto count = [this] { return OleVariant(static_cast<long>(host_->Windows().size())); };
    auto item = [this, firstIndex](DispArgs &args) {
        const auto &windows = host_->Windows();
        return DispatchOf(windows[CollectionIndex(OleVariant(args.Int(0) - firstIndex + 1), windows.size())]);
    };
    if (IsEqualIID(diid, IID_NULL)) {
        OnExtra(0x7F000001, L"Count", DISPATCH_PROPERTYGET, {}, 0, [count](DispArgs &) { return count(); });
        OnExtra(0, L"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {VT_VARIANT}, 1, item);
    } else {
        OnGet(L"Count", count);
        OnMethod(L"Item", item);
    }
}

SimAccessProject::SimAccessProject(SimWorld &world)
    : SimDispObject(world, L"CurrentProject", DIID_AccessCurrentProject) {
    OnGet(L"IsConnected", [this] { return OleVariant(connected_); });
    OnGet(L"Name", [this] { return OleVariant(name_); });
    OnGet(L"FullName", [this] { return OleVariant(fullName_); });
}

SimOtherApplication::SimOtherApplication(SimWorld &world, OtherHost &host, REFIID diid)
    : SimDispObject(world, L"Application", diid), host_(&host) {
    const HostInfo &info = Info(host.Kind());
    if (info.events)
        Events().Add(*info.events);
    if (host.Kind() == OtherHostKind::Project && host.MajorVersion() >= 10)
        Events().Add(DIID_ProjectEProjectApp2);

    Property(L"Version", [this] { return OleVariant(host_->Version()); });
    if (host.Kind() != OtherHostKind::MapPoint && host.Kind() != OtherHostKind::Access)
        Property(L"ActiveWindow", [this] { return DispatchOf(host_->ActiveWindow()); });
    if (host.Kind() != OtherHostKind::MapPoint)
        Property(L"CommandBars", [this] { return DispatchOfUnknown(host_->CommandBars()); });
    if (host.Kind() == OtherHostKind::PowerPoint)
        Property(L"Windows", [this] { return DispatchOf(host_->windowList_); });
    if (host.Kind() == OtherHostKind::Access)
        Property(L"CurrentProject", [this] { return DispatchOf(host_->project_); });
    if (host.Kind() == OtherHostKind::MapPoint) {
        // A Tools-menu command that calls MethodName on Target; RemoveCommands drops Target's.
        OnExtra(nextId_++, L"AddCommand", DISPATCH_METHOD, {VT_BSTR, VT_BSTR, VT_VARIANT}, 3,
                [this](DispArgs &args) {
                    host_->commands_.push_back(args.String(0) + L"|" + args.String(1));
                    return OleVariant();
                });
        OnExtra(nextId_++, L"RemoveCommands", DISPATCH_METHOD, {VT_VARIANT}, 1, [this](DispArgs &) {
            host_->commands_.clear();
            return OleVariant();
        });
    }
}

void SimOtherApplication::Property(const std::wstring &name, std::function<OleVariant()> get) {
    try {
        OnGet(name, get);
    } catch (const classlib::EOleSysError &e) {
        if (e.ErrorCode() != TYPE_E_ELEMENTNOTFOUND)
            throw;
        OnExtra(nextId_++, name, DISPATCH_PROPERTYGET, {}, 0, [get](DispArgs &) { return get(); });
    }
}

OtherHost::OtherHost(OtherHostKind kind, std::wstring version)
    : kind_(kind), version_(std::move(version)), major_(MajorVersionOf(version_)), world_(Info(kind).name) {
    if (kind == OtherHostKind::InfoPath) {
        auto *events = world_.Create<SimInfoPathEvents>();
        windowList_ = world_.Create<SimHostWindows>(*this, IID_NULL, 0);
        auto *app = world_.Create<SimInfoPathApplication>(*this, events);
        app_ = app;
        appDispatch_ = app;
        eventSource_ = events;
    } else {
        if (kind == OtherHostKind::PowerPoint)
            windowList_ = world_.Create<SimHostWindows>(*this, DIID_PowerPointDocumentWindows, 1);
        if (kind == OtherHostKind::Access)
            project_ = world_.Create<SimAccessProject>();
        auto *app = world_.Create<SimOtherApplication>(*this, *Info(kind).application);
        app_ = app;
        appDispatch_ = app;
        eventSource_ = app_;
    }
    if (Info(kind).mainWindow)
        mainWindow_ = std::make_unique<SimWindow>(Info(kind).name, Info(kind).mainWindow);
}

OtherHost::~OtherHost() {
    world_.Shutdown();
}

int OtherHost::Fire(DISPID id, std::vector<EventArg> args) {
    return eventSource_->Events().FireAll(id, std::move(args));
}

SimHostWindow *OtherHost::OpenWindow(const std::wstring &caption) {
    auto *window = world_.Create<SimHostWindow>(*this, L"Window" + std::to_wstring(++windowNumber_), caption);
    windows_.push_back(window);
    return window;
}

void OtherHost::Unlist(SimHostWindow *window, const wchar_t *what) {
    auto found = std::find(windows_.begin(), windows_.end(), window);
    if (found == windows_.end())
        throw classlib::EOleSysError(std::wstring(L"Only an open window can be ") + what, E_INVALIDARG);
    windows_.erase(found);
}

void OtherHost::ActivateWindow(SimHostWindow *window) {
    Unlist(window, L"activated");
    windows_.push_back(window);
    const HostInfo &info = Info(kind_);
    if (info.activation == 0)
        return;
    if (info.documentArgument)
        Fire(info.activation, {EventArg(static_cast<IDispatch *>(nullptr)), EventArg(window)});
    else
        Fire(info.activation, {EventArg(window)});
}

void OtherHost::CloseWindow(SimHostWindow *window) {
    Unlist(window, L"closed");
    world_.Discard(window);
}

void OtherHost::OpenProject(const std::wstring &fullName) {
    if (project_ == nullptr)
        throw classlib::EOleSysError(L"Only Access opens databases", E_INVALIDARG);
    project_->connected_ = true;
    project_->fullName_ = fullName;
    size_t slash = fullName.find_last_of(L"\\/");
    project_->name_ = slash == std::wstring::npos ? fullName : fullName.substr(slash + 1);
}

void OtherHost::CloseProject() {
    if (project_ == nullptr)
        return;
    project_->connected_ = false;
    project_->name_.clear();
    project_->fullName_.clear();
}

} // namespace hostsim
