// The module's side of the host: detection, version, the host's wrapper and events component, the
// host's command bars, the fast-shutdown decision and the Access poll.
#include "framework/core/AddInModule.h"

#include <cwctype>
#include <variant>

#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/ScopeExit.h"
#include "classlib/Trace.h"
#include "framework/core/Factory.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/HostEvents.h"
#include "office/HostDispIds.h"
#include "office/OtherHostWrappers.h"

using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleVariant;

namespace framework {

namespace {

using TWrapperFactory = std::unique_ptr<office::THostWrapper> (*)();
using TVersionReader = std::wstring (*)(office::THostWrapper &);

template <class W> std::unique_ptr<office::THostWrapper> NewWrapper() {
    return std::make_unique<W>(nullptr);
}

template <class W> std::wstring WrapperVersion(office::THostWrapper &wrapper) {
    return static_cast<W &>(wrapper).Version();
}

// Access 2000 has no Version: the version is then unknown, not an error.
std::wstring AccessVersion(office::THostWrapper &wrapper) {
    try {
        return static_cast<office::TAccessApplication &>(wrapper).Version();
    } catch (const classlib::EOleSysError &) {
        classlib::TraceException(L"AddIn", L"Access's Version");
        return {};
    }
}

constexpr int kNeverRibbon = 1000;

// One row per host, in the order the Application is asked for the hosts' interfaces. A ribbon host
// is one whose version is above RibbonAbove. The events classes are found by name in the class
// registry, where every class a module's form may hold is entered.
struct THostEntry {
    TzidOfficeHostApp Host;
    const IID &AppIID;
    int RibbonAbove;
    const wchar_t *EventsClass;
    bool VersionedEvents; // connected with the major version text
    TWrapperFactory Create;
    TVersionReader Version;
};

const THostEntry kHosts[] = {
    {ohaWord, DIID_WordApplication, 11, L"TzidWordAppEvents", true, NewWrapper<office::TWordApplication>,
     WrapperVersion<office::TWordApplication>},
    {ohaExcel, DIID_ExcelApplication, 11, L"TzidExcelAppEvents", false, NewWrapper<office::TExcelApplication>,
     WrapperVersion<office::TExcelApplication>},
    {ohaOutlook, DIID_OutlookApplication, 11, L"TzidOutlookAppEvents", true,
     NewWrapper<office::TOutlookApplication>, WrapperVersion<office::TOutlookApplication>},
    {ohaAccess, DIID_AccessApplication, 11, nullptr, false, NewWrapper<office::TAccessApplication>,
     AccessVersion},
    {ohaProject, DIID_ProjectApplication, 12, L"TzidProjectAppEvents", true,
     NewWrapper<office::TProjectApplication>, WrapperVersion<office::TProjectApplication>},
    {ohaPowerPoint, DIID_PowerPointApplication, 11, L"TzidPowerPointAppEvents", false,
     NewWrapper<office::TPowerPointApplication>, WrapperVersion<office::TPowerPointApplication>},
    {ohaFrontPage, DIID_FrontPageApplication, kNeverRibbon, L"TzidFrontPageAppEvents", false,
     NewWrapper<office::TFrontPageApplication>, WrapperVersion<office::TFrontPageApplication>},
    {ohaMapPoint, DIID_MapPointApplication, kNeverRibbon, L"TzidMapPointAppEvents", false,
     NewWrapper<office::TMapPointApplication>, WrapperVersion<office::TMapPointApplication>},
    {ohaVisio, DIID_VisioApplication, 12, L"TzidVisioAppEvents", false, NewWrapper<office::TVisioApplication>,
     WrapperVersion<office::TVisioApplication>},
    {ohaPublisher, DIID_PublisherApplication, 12, L"TzidPublisherAppEvents", false,
     NewWrapper<office::TPublisherApplication>, WrapperVersion<office::TPublisherApplication>},
    {ohaInfoPath, DIID_InfoPathApplication, 12, L"TzidInfoPathAppEvents", false,
     NewWrapper<office::TInfoPathApplication>, WrapperVersion<office::TInfoPathApplication>},
};

// Outlook 2007 and later also report context menus, through a class of its own.
constexpr const wchar_t *kOutlook2007EventsClass = L"TzidOutlook2007Application";

// "14.0.0.4760" -> "14"; a text whose first character is the point stays whole.
std::wstring MajorVersionText(const std::wstring &version) {
    size_t dot = version.find(L'.');
    return dot != std::wstring::npos && dot > 0 ? version.substr(0, dot) : version;
}

// A 32-bit integer value, or fallback when it is missing or of another type.
int ReadIntegerOr(const classlib::TRegistry &reg, const std::wstring &name, int fallback) {
    if (!reg.ValueExists(name))
        return fallback;
    try {
        return reg.ReadInteger(name);
    } catch (const classlib::Exception &) {
        return fallback;
    }
}

// Fires the Word events component's OnStartup, which it publishes like every event of its own.
void FireStartup(TzidCOMAddInModule &module, TzidHostEvents &events) {
    const classlib::TPropInfo *prop = events.ClassType().FindProperty(L"OnStartup");
    if (prop == nullptr || prop->Kind != classlib::TPropKind::Method || !prop->Get)
        return;
    classlib::TPropValue value = prop->Get(&events);
    TNotifyEvent startup;
    if (auto *method = std::get_if<classlib::TMethodValue>(&value);
        method && startup.AssignErased(*method) && startup)
        module.RunGuarded([&] { startup(&events); });
}

} // namespace

void TzidCOMAddInModule::ConnectToHost() {
    ComPtr<IDispatch> app = hostApp_.ToDispatch();
    if (!app)
        return;
    for (const THostEntry &entry : kHosts) {
        // Only a test of identity: the host is used through its IDispatch.
        if (!app.TryAs<IUnknown>(entry.AppIID))
            continue;
        hostType_ = entry.Host;
        hostWrappers_[entry.Host] = entry.Create();
        office::THostWrapper &wrapper = *hostWrappers_[entry.Host];
        wrapper.ConnectTo(app.Get());
        std::wstring version = entry.Version(wrapper);
        officeVersion_ = ParseHostVersion(version);
        usesRibbon_ = officeVersion_ > entry.RibbonAbove;
        const classlib::TClassInfo *eventsClass =
            entry.EventsClass ? classlib::FindClass(entry.EventsClass) : nullptr;
        hostEvents_ = eventsClass ? FindHostEventsComponent(*eventsClass) : nullptr;
        if (hostEvents_ != nullptr) {
            // Events the host refuses are reported; the add-in starts without them.
            RunGuarded([&] {
                if (entry.VersionedEvents)
                    hostEvents_->ConnectToVersion(app.Get(), MajorVersionText(version));
                else
                    hostEvents_->ConnectTo(app.Get());
            });
            // Word has started before the add-in was connected: its Startup event is over.
            if (entry.Host == ohaWord)
                FireStartup(*this, *hostEvents_);
        }
        if (entry.Host == ohaOutlook && usesRibbon_)
            if (const classlib::TClassInfo *cls = classlib::FindClass(kOutlook2007EventsClass);
                cls != nullptr && cls->CreateComponent != nullptr) {
                classlib::TComponent *created = cls->CreateComponent(this);
                outlook2007App_ = dynamic_cast<TzidHostEvents *>(created);
                if (outlook2007App_ == nullptr)
                    delete created;
                else
                    outlook2007App_->ConnectTo(app.Get());
            }
        return;
    }
}

int TzidCOMAddInModule::ParseHostVersion(const std::wstring &Text) {
    size_t cut = Text.find(L'.');
    if (cut == std::wstring::npos)
        cut = Text.find(L',');
    if (cut == std::wstring::npos)
        return 9;
    std::wstring digits = classlib::Trim(Text.substr(0, cut));
    size_t start = !digits.empty() && (digits[0] == L'+' || digits[0] == L'-') ? 1 : 0;
    if (digits.size() == start || digits.size() - start > 9)
        return 9;
    for (size_t i = start; i < digits.size(); ++i)
        if (!std::iswdigit(digits[i]))
            return 9;
    return std::stoi(digits);
}

TzidHostEvents *TzidCOMAddInModule::FindHostEventsComponent(const classlib::TClassInfo &Class) const {
    for (int i = 0; i < ComponentCount(); ++i) {
        classlib::TComponent *component = Components(i);
        if (component->ClassType().InheritsFrom(Class))
            if (auto *events = dynamic_cast<TzidHostEvents *>(component))
                return events;
    }
    return nullptr;
}

void TzidCOMAddInModule::DisconnectFromHost() {
    if (hostEvents_ != nullptr)
        hostEvents_->Disconnect();
    if (hostType_ == ohaAccess && accessTimer_)
        accessTimer_->SetEnabled(false);
    if (hostType_ == ohaOutlook && outlook2007App_ != nullptr) {
        outlook2007App_->Disconnect();
        outlook2007App_ = nullptr; // still a component: freed with the others
    }
    for (auto &wrapper : hostWrappers_)
        wrapper.reset();
}

ComPtr<_CommandBars> TzidCOMAddInModule::GetHostCommandBars() {
    try {
        ComPtr<IDispatch> app = hostApp_.ToDispatch();
        if (!app || hostType_ == ohaMapPoint)
            return nullptr;
        ComPtr<IDispatch> bars;
        if (hostType_ == ohaOutlook) {
            // Without a window Outlook has no command bars to give.
            int inspectors = DispGet(DispGet(app.Get(), L"Inspectors").ToDispatch().Get(), L"Count").ToInt();
            int explorers =
                inspectors > 0
                    ? 0
                    : DispGet(DispGet(app.Get(), L"Explorers").ToDispatch().Get(), L"Count").ToInt();
            if (inspectors > 0 || explorers > 0)
                bars = DispGet(DispCall(app.Get(), L"ActiveWindow").ToDispatch().Get(), L"CommandBars")
                           .ToDispatch();
        } else if (hostType_ == ohaInfoPath) {
            if (ComPtr<IDispatch> active = DispGet(app.Get(), L"ActiveWindow").ToDispatch())
                bars = DispGet(active.Get(), L"CommandBars").ToDispatch();
            else if (ComPtr<IDispatch> windows = DispGet(app.Get(), L"Windows").ToDispatch();
                     DispGet(windows.Get(), L"Count").ToInt() > 0)
                bars = DispGet(DispCall(windows.Get(), L"Item", {OleVariant(0)}).ToDispatch().Get(),
                               L"CommandBars")
                           .ToDispatch();
        } else {
            bars = DispGet(app.Get(), L"CommandBars").ToDispatch();
        }
        return bars.TryAs<_CommandBars>();
    } catch (const classlib::Exception &) {
        // A host without bars, or one that refuses them now: the module works without.
        classlib::TraceException(L"AddIn", L"The host's command bars");
        return nullptr;
    }
}

bool TzidCOMAddInModule::FastShutdownEnabled() const {
    if (hostType_ != ohaOutlook || OutlookApp() == nullptr)
        return false;
    bool result = false;
    if (officeVersion_ >= 14) {
        result = true;
        classlib::TRegistry reg(KEY_READ);
        reg.SetRootKey(HKEY_CURRENT_USER);
        std::wstring key = classlib::Format(L"Software\\Microsoft\\Office\\%d.0\\Outlook\\Options\\Shutdown",
                                            {officeVersion_});
        if (reg.OpenKeyReadOnly(key) && ReadIntegerOr(reg, L"AddinFastShutdownBehavior", 0) == 1)
            return false;
    }
    // Outlook reads the setting from the key that registers the add-in: the current user's when that
    // carries a LoadBehavior (a per-user registration, whatever the module's RegisterForAllUsers
    // says), else the machine's for an all-users module. The user's key is open in the module
    // already; a missing key opens not at all.
    const std::wstring key = AddInKey();
    auto openKey = [&key](classlib::TRegistry &Reg, HKEY Root) {
        Reg.SetRootKey(Root);
        return !key.empty() && Reg.OpenKeyReadOnly(key);
    };
    classlib::TRegistry user(KEY_READ), machine(KEY_READ);
    const classlib::TRegistry *held = HeldAddInKey();
    if (held == nullptr && openKey(user, HKEY_CURRENT_USER))
        held = &user;
    if (registerForAllUsers_ && (held == nullptr || !held->ValueExists(L"LoadBehavior")))
        held = openKey(machine, HKEY_LOCAL_MACHINE) ? &machine : nullptr;
    if (held != nullptr && ReadIntegerOr(*held, L"RequireShutdownNotification", 0) == 1)
        result = false;
    return result;
}

bool TzidCOMAddInModule::ReadAccessProject(bool &Open, std::wstring &Name) const {
    Open = false;
    Name.clear();
    auto *access = dynamic_cast<office::TAccessApplication *>(hostWrappers_[ohaAccess].get());
    if (access == nullptr)
        return false;
    ComPtr<IDispatch> project;
    try {
        project = access->CurrentProject();
    } catch (const classlib::Exception &) {
        classlib::TraceException(L"AddIn", L"Access's CurrentProject");
        return false; // asked again at the next tick
    }
    if (!project)
        return false;
    try {
        namespace ap = office::dispid::access_project;
        bool open = DispGet(project.Get(), ap::IsConnected).ToBool();
        std::wstring name = DispGet(project.Get(), ap::Name).ToString();
        Open = open;
        Name = name;
    } catch (const classlib::Exception &) {
        // A project whose state cannot be read counts as closed.
        classlib::TraceException(L"AddIn", L"The state of Access's project");
    }
    return true;
}

// The tick reaches the add-in's code (CreateControl, OnError): a handler that unloads the add-in leaves
// the module, and this timer with it, until the tick has returned.
void TzidCOMAddInModule::AccessTimerTick(classlib::TObject * /*Sender*/) {
    if (accessBusy_)
        return;
    TzidHandlerCall call(this, nullptr);
    accessBusy_ = true;
    classlib::ScopeExit clearBusy([this] { accessBusy_ = false; });
    bool open = false;
    std::wstring name;
    if (!ReadAccessProject(open, name))
        return;
    if (open) {
        bool renamed = accessProjectName_ != name;
        if (accessProjectOpen_ && renamed)
            ReleaseCommandBars();
        if (!accessProjectOpen_ || renamed) {
            accessProjectOpen_ = true;
            accessProjectName_ = name;
            try {
                CreateCommandBars();
            } catch (...) {
                // Tried again when the database changes; a tick has nobody to report to.
                classlib::TraceException(L"AddIn", L"The command bars of Access's database");
            }
        }
    } else if (accessProjectOpen_) {
        accessProjectOpen_ = false;
        accessProjectName_ = name;
        ReleaseCommandBars();
    }
}

} // namespace framework
