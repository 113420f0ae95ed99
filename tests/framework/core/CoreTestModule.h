// The module the core tests' add-in objects create (form CoreModule.form), the host-events
// components on its form, and what they all record. Each test resets CoreLog() and says through it
// which handlers fail and whether errors are handled.
#pragma once
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "framework/core/AddInModule.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/core/HostEvents.h"

namespace coretest {

class TCoreModule;

struct TCoreLog {
    // What happened, in order: "Initialize", "StartupComplete", "BeginShutdown", "Finalize",
    // "Error:<message>", "OutlookQuit", "WordStartup", "Destroyed" (the module's destruction begins) ...
    std::vector<std::wstring> Events;
    // Handlers (by the event's log name) that raise instead of returning.
    std::set<std::wstring> Failing;
    // Whether ModuleError sets Handled (false: the message box shows).
    bool HandleErrors = true;
    // Runs inside each module event, before a failing handler raises.
    std::function<void(TCoreModule &, const std::wstring &event)> Action;
    int ModulesAlive = 0;

    bool Contains(const std::wstring &event) const;
    int Count(const std::wstring &event) const;
};
TCoreLog &CoreLog();
void ResetCoreLog();

class TCoreModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TCoreModule)
public:
    explicit TCoreModule(classlib::TComponent *AOwner);
    ~TCoreModule() override;

    void ModuleError(const classlib::Exception &E, bool &Handled);
    void ModuleInitialize(classlib::TObject *Sender);
    void ModuleStartupComplete(classlib::TObject *Sender);
    void ModuleBeginShutdown(classlib::TObject *Sender);
    void ModuleFinalize(classlib::TObject *Sender);
    void OutlookEventsQuit(classlib::TObject *Sender);
    void WordEventsStartup(classlib::TObject *Sender);

private:
    void Happened(classlib::TObject *Sender, const std::wstring &event);
};

// Stand-ins for the host-events classes, under the names the module looks them up by, on core's own
// interface (the events floor is not linked here). They record how they were connected, disconnect
// when they go, and fire their one event when the host (or the framework) invokes it.
class TTestHostEvents : public framework::TzidHostEvents {
    CLASSLIB_CLASS(TTestHostEvents)
public:
    using TzidHostEvents::TzidHostEvents;
    void BeforeDestruction() override;
    void ConnectTo(IUnknown *Source) override;
    void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;
    void Disconnect() override;
    void DoInvoke(DISPID DispID, framework::TzidEventParams &Params) override;

    bool Connected() const { return connected_; }
    const std::wstring &HostVersion() const { return hostVersion_; }

private:
    bool connected_ = false;
    std::wstring hostVersion_;
};

class TzidOutlookAppEvents : public TTestHostEvents {
    CLASSLIB_CLASS(TzidOutlookAppEvents)
public:
    using TTestHostEvents::TTestHostEvents;
    void DoInvoke(DISPID DispID, framework::TzidEventParams &Params) override;
    framework::TNotifyEvent OnQuit;
};

class TzidWordAppEvents : public TTestHostEvents {
    CLASSLIB_CLASS(TzidWordAppEvents)
public:
    using TTestHostEvents::TTestHostEvents;
    framework::TNotifyEvent OnStartup;
};

// A module whose form sets SupportedApps to the empty set: it can never be created.
class TBrokenModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TBrokenModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;
};

class TCoreTestAddIn : public framework::TdivAzore {};

// The factories of CoreTestAddIn (TCoreModule) and BrokenTestAddIn (TBrokenModule).
framework::TzidFactory &CoreFactory();
framework::TzidFactory &BrokenFactory();

} // namespace coretest
