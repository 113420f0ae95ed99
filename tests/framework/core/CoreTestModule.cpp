#include "CoreTestModule.h"

#include <algorithm>
#include <stdexcept>

#include "CoreTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "office/HostDispIds.h"

namespace coretest {

bool TCoreLog::Contains(const std::wstring &event) const {
    return Count(event) > 0;
}

int TCoreLog::Count(const std::wstring &event) const {
    return static_cast<int>(std::count(Events.begin(), Events.end(), event));
}

TCoreLog &CoreLog() {
    static TCoreLog log;
    return log;
}

void ResetCoreLog() {
    int alive = CoreLog().ModulesAlive;
    CoreLog() = TCoreLog();
    CoreLog().ModulesAlive = alive;
}

using Self = TCoreModule;

CLASSLIB_DEFINE_CLASS(TCoreModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::ModuleInitialize>(L"ModuleInitialize");
                      b.Method<&Self::ModuleStartupComplete>(L"ModuleStartupComplete");
                      b.Method<&Self::ModuleBeginShutdown>(L"ModuleBeginShutdown");
                      b.Method<&Self::ModuleFinalize>(L"ModuleFinalize");
                      b.Method<&Self::OutlookEventsQuit>(L"OutlookEventsQuit");
                      b.Method<&Self::WordEventsStartup>(L"WordEventsStartup"))
CLASSLIB_DEFINE_CLASS(TTestHostEvents, framework::TzidHostEvents)
CLASSLIB_DEFINE_CLASS(TzidOutlookAppEvents, TTestHostEvents,
                      b.Field(L"OnQuit", &TzidOutlookAppEvents::OnQuit))
CLASSLIB_DEFINE_CLASS(TzidWordAppEvents, TTestHostEvents,
                      b.Field(L"OnStartup", &TzidWordAppEvents::OnStartup))
CLASSLIB_DEFINE_CLASS(TBrokenModule, framework::TzidCOMAddInModule)

namespace {
const bool registered = [] {
    classlib::RegisterClass(TzidOutlookAppEvents::StaticClass());
    classlib::RegisterClass(TzidWordAppEvents::StaticClass());
    return true;
}();
} // namespace

TCoreModule::TCoreModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    ++CoreLog().ModulesAlive;
}

TCoreModule::~TCoreModule() {
    --CoreLog().ModulesAlive;
    CoreLog().Events.push_back(L"Destroyed");
}

void TCoreModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    CoreLog().Events.push_back(L"Error:" + E.Message());
    Handled = CoreLog().HandleErrors;
}

void TCoreModule::Happened(classlib::TObject *Sender, const std::wstring &event) {
    TCoreLog &log = CoreLog();
    log.Events.push_back(event);
    if (Sender != this && event != L"OutlookQuit" && event != L"WordStartup")
        log.Events.push_back(L"WrongSender");
    if (log.Action)
        log.Action(*this, event);
    if (log.Failing.count(event))
        throw classlib::Exception(event + L" failed");
    if (log.Failing.count(event + L":std"))
        throw std::runtime_error("not a class-library exception");
}

void TCoreModule::ModuleInitialize(classlib::TObject *Sender) {
    Happened(Sender, L"Initialize");
}

void TCoreModule::ModuleStartupComplete(classlib::TObject *Sender) {
    Happened(Sender, L"StartupComplete");
}

void TCoreModule::ModuleBeginShutdown(classlib::TObject *Sender) {
    Happened(Sender, L"BeginShutdown");
}

void TCoreModule::ModuleFinalize(classlib::TObject *Sender) {
    Happened(Sender, L"Finalize");
}

void TCoreModule::OutlookEventsQuit(classlib::TObject *Sender) {
    if (Sender != FindComponent(L"OutlookEvents"))
        CoreLog().Events.push_back(L"WrongSender");
    Happened(Sender, L"OutlookQuit");
}

void TCoreModule::WordEventsStartup(classlib::TObject *Sender) {
    if (Sender != FindComponent(L"WordEvents"))
        CoreLog().Events.push_back(L"WrongSender");
    Happened(Sender, L"WordStartup");
}

void TTestHostEvents::BeforeDestruction() {
    TzidHostEvents::BeforeDestruction();
    Disconnect();
}

void TTestHostEvents::DoInvoke(DISPID /*DispID*/, framework::TzidEventParams & /*Params*/) {}

void TTestHostEvents::ConnectTo(IUnknown *Source) {
    connected_ = Source != nullptr;
    CoreLog().Events.push_back(Name() + L".ConnectTo");
}

void TTestHostEvents::ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) {
    hostVersion_ = HostVersion;
    CoreLog().Events.push_back(Name() + L".ConnectToVersion(" + HostVersion + L")");
    connected_ = Source != nullptr;
}

void TTestHostEvents::Disconnect() {
    if (connected_)
        CoreLog().Events.push_back(Name() + L".Disconnect");
    connected_ = false;
}

void TzidOutlookAppEvents::DoInvoke(DISPID DispID, framework::TzidEventParams & /*Params*/) {
    if (DispID == office::dispid::outlook_application_events::Quit)
        OnQuit(this);
}

framework::TzidFactory &CoreFactory() {
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TCoreTestAddIn>(), CLSID_CoreTestAddIn,
        TCoreModule::StaticClass(), L"CoreTestAddIn", L"Core test add-in");
    return factory;
}

framework::TzidFactory &BrokenFactory() {
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TCoreTestAddIn>(), CLSID_BrokenTestAddIn,
        TBrokenModule::StaticClass(), L"BrokenTestAddIn", L"Add-in with a broken module");
    return factory;
}

} // namespace coretest
