#include "framework/core/AddInObject.h"

#include <memory>
#include <utility>

#include "classlib/Application.h"
#include "classlib/Classes.h"
#include "classlib/ComObjectFactory.h"
#include "classlib/ConnectionPoints.h"
#include "classlib/Format.h"
#include "classlib/MessageDialogs.h"
#include "classlib/Registry.h"
#include "classlib/ScopeExit.h"
#include "classlib/Trace.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/core/HostEvents.h"
#include "framework/core/ProcessState.h"
#include "office/HostDispIds.h"
#include "office/OtherHostWrappers.h"

using classlib::ComPtr;

namespace framework {

CLASSLIB_DEFINE_CLASS(TdivAzore, classlib::TObject)

namespace {

// The module on its way out. Its controls and host-event components drop their advices as it goes;
// those the host refused get their last tries after that.
class TModuleLeaving final : public classlib::TObject {
public:
    explicit TModuleLeaving(std::unique_ptr<TzidCOMAddInModule> Module) noexcept
        : module_(std::move(Module)) {}
    ~TModuleLeaving() override {
        module_.reset();
        classlib::LingeringConnections().Release();
    }

private:
    std::unique_ptr<TzidCOMAddInModule> module_;
};

} // namespace

TdivAzore::TdivAzore() = default;

// A host that lets go without disconnecting (or after a failed connection) leaves the module to us;
// its events are not fired then.
TdivAzore::~TdivAzore() {
    // The pane handlers the teardown fires must not hold an object that is being destroyed.
    if (module_)
        module_->SetAddIn(nullptr);
    ReleaseConnection();
}

// ---- IDTExtensibility2 ----

HRESULT TdivAzore::OnConnection(IDispatch *Application, ext_ConnectMode ConnectMode, IDispatch *AddInInst,
                                SAFEARRAY ** /*custom*/) {
    return EntryCall({L"AddIn", L"OnConnection"}, [&] { Connection(Application, ConnectMode, AddInInst); });
}

HRESULT TdivAzore::OnDisconnection(ext_DisconnectMode RemoveMode, SAFEARRAY ** /*custom*/) {
    return EntryCall({L"AddIn", L"OnDisconnection"}, [&] { Disconnection(RemoveMode); });
}

HRESULT TdivAzore::OnAddInsUpdate(SAFEARRAY ** /*custom*/) {
    return EntryCall({L"AddIn", L"OnAddInsUpdate"},
                     [] {}); // reaches no add-in code today; opened like every other entry
}

HRESULT TdivAzore::OnStartupComplete(SAFEARRAY ** /*custom*/) {
    return EntryCall({L"AddIn", L"OnStartupComplete"}, [&] { StartupComplete(); });
}

HRESULT TdivAzore::OnBeginShutdown(SAFEARRAY ** /*custom*/) {
    return EntryCall({L"AddIn", L"OnBeginShutdown"}, [&] { BeginShutdown(); });
}

HRESULT TdivAzore::ModuleCall(LONG Code, VARIANT *Data) {
    return EntryCall({L"AddIn", L"ModuleCall"}, [&] {
        if (module_ && module_->OnPrivateInterfaceCall)
            module_->OnPrivateInterfaceCall(Code, Data);
    });
}

void *TdivAzore::ExtraInterface(REFIID riid) noexcept {
    try {
        if (Factory() != nullptr && IsEqualIID(riid, AutoFactory().DispIntfIID()))
            return static_cast<IzidAddIn *>(this);
    } catch (...) {
        // No type library: the object has no dual interface beyond its own.
        classlib::TraceException(L"AddIn", L"The add-in's dual interface");
    }
    return nullptr;
}

HRESULT TdivAzore::InterfaceSupportsErrorInfo(REFIID riid) {
    if (Inherited::InterfaceSupportsErrorInfo(riid) == S_OK)
        return S_OK;
    try {
        if (Factory() != nullptr && IsEqualIID(riid, AutoFactory().DispIntfIID()))
            return S_OK;
    } catch (...) {
        classlib::TraceException(L"AddIn", L"The add-in's dual interface");
    }
    return S_FALSE;
}

// ---- connection ----

void TdivAzore::Connection(IDispatch *Application, int ConnectMode, IDispatch *AddInInst) {
    // A host that connects again without disconnecting gets a fresh module.
    ReleaseConnection();
    auto *factory = dynamic_cast<TzidFactory *>(Factory());
    if (factory == nullptr)
        throw classlib::EOleSysError(L"The add-in object was not created by an add-in factory.",
                                     E_UNEXPECTED);
    const classlib::TClassInfo &moduleClass = factory->ModuleClass();
    if (moduleClass.CreateComponent == nullptr)
        throw classlib::EOleSysError(
            classlib::Format(L"The module class %s cannot be created.", {moduleClass.Name()}), E_UNEXPECTED);
    std::unique_ptr<classlib::TComponent> created(moduleClass.CreateComponent(nullptr));
    auto *module = dynamic_cast<TzidCOMAddInModule *>(created.get());
    if (module == nullptr)
        throw classlib::EOleSysError(
            classlib::Format(L"The class %s is not an add-in module.", {moduleClass.Name()}), E_UNEXPECTED);
    created.release();
    module_.reset(module);
    classlib::TraceEntry(L"Startup", L"module made from its form");

    module->SetHostApp(classlib::OleVariant(Application));
    module->SetAddIn(this);
    module->SetFactory(factory);
    if (ConnectMode != ext_cm_Startup)
        StartupComplete();
    // A start-up handler may have unloaded the add-in: the host's entry then gets nothing of it.
    if (!Connected(*module))
        return;
    if (AddInInst != nullptr)
        if (ComPtr<::COMAddIn> entry = ComPtr<IDispatch>::Copy(AddInInst).TryAs<::COMAddIn>()) {
            module->SetCOMAddIn(entry);
            classlib::OleCheck(entry->put_Object(AddInDispatch()));
        }
}

void TdivAzore::BeginShutdown() {
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    if (!suppressModuleEvents_)
        module.RunGuarded([&] { module.OnAddInBeginShutdown(&module); });
    if (!Connected(module))
        return;
    if (HostWindowClasses(HostKind) != nullptr)
        classlib::SetApplicationHandle(nullptr);
    if (module.HostType() == ohaMapPoint)
        if (auto *mapPoint = dynamic_cast<office::TMapPointApplication *>(module.HostWrapper(ohaMapPoint)))
            mapPoint->RemoveCommands(AddInDispatch());
}

void TdivAzore::Disconnection(int RemoveMode) {
    if (!module_)
        return;
    classlib::ScopeExit release([this] { ReleaseConnection(); });
    TzidCOMAddInModule &module = *module_;
    if (RemoveMode != ext_dm_HostShutdown)
        RemoveFromHost();
    // Each step may run a handler that unloads the add-in (a disconnection inside this one).
    if (Connected(module) && module.CTPFactory())
        module.ClearTaskPanes();
    if (Connected(module) && !suppressModuleEvents_)
        module.RunGuarded([&] { module.OnAddInFinalize(&module); });
}

// The user unloads the add-in while the host goes on: begin-shutdown, then the add-in's bars and
// their records leave the host.
void TdivAzore::RemoveFromHost() {
    TzidCOMAddInModule &module = *module_;
    BeginShutdown();
    if (!Connected(module))
        return;
    if (module.HostType() == ohaWord)
        module.SetCommandBars(module.GetHostCommandBars());
    if (module.HostType() == ohaOutlook)
        RemoveOutlookWindowBars();
    module.RemoveCommandBarsOnUnload();
}

void TdivAzore::ReleaseConnection() noexcept {
    if (windows_)
        windows_->DetachCommandBarsSink();
    if (module_) {
        module_->Registry().CloseKey();
        // A disconnection cut short leaves no live pane behind the module.
        module_->ClearTaskPanes();
    }
    // A disconnection may run inside an event of one of these (a handler that unloads the add-in):
    // each stops its events now and goes once the event calls on the stack have returned.
    auto release = [](auto &wrapper) {
        if (wrapper) {
            wrapper->Disconnect();
            FreeAfterCall(std::move(wrapper));
        }
    };
    if (windows_)
        windows_->Release();
    release(NameSpace);
    // The handlers chained from the host wrappers went with them: a later connection must not call
    // them.
    PrevOptionsPagesAdd = {};
    PrevOutlookQuit = {};
    PrevExcelHandlers = {};
    PrevInfoPathHandlers = {};
    PrevPowerPointHandler = {};
    // An unload from one of the module's own handlers: the module goes once that call has returned.
    if (module_) {
        module_->SetAddIn(nullptr);
        FreeAfterCall(std::make_unique<TModuleLeaving>(std::move(module_)));
    } else {
        classlib::LingeringConnections().Release();
    }
}

// Outlook 2010 quits without begin-shutdown and disconnection: the add-in tears itself down inside
// the Quit event, with the module's own shutdown events left out. The wrapper that delivers the
// event is not freed under it, and nothing of the teardown reaches Outlook as a failure.
void TdivAzore::DoOutlookQuit(classlib::TObject *Sender) {
    TzidHandlerCall call(*this);
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    if (PrevOutlookQuit)
        module.RunGuarded([&] { PrevOutlookQuit(Sender); });
    if (TzidHostEvents *events = module.HostEvents(); events && Connected(module))
        module.RunGuarded([&] {
            std::vector<classlib::OleVariant> params;
            events->DoInvoke(office::dispid::outlook_application_events::Quit, params);
        });
    // A Quit handler that unloaded the add-in has torn it down already.
    if (!Connected(module))
        return;
    suppressModuleEvents_ = true;
    const std::wstring addInName = module.AddInName();
    std::unique_ptr<office::THostWrapper> quitting = module.ReleaseHostWrapper(ohaOutlook);
    for (int step = 0; step < 2; ++step) {
        try {
            if (step == 0)
                BeginShutdown();
            else
                Disconnection(ext_dm_HostShutdown);
        } catch (const classlib::Exception &e) {
            if (module_)
                module_->RunGuarded([&] { module_->DoError(e); });
            else
                ReportAfterTeardown(addInName, e);
        } catch (...) {
            std::wstring message = classlib::CurrentExceptionMessage();
            ReportAfterTeardown(addInName,
                                classlib::Exception(message.empty() ? L"Unknown exception" : message));
        }
    }
    if (quitting) {
        quitting->Disconnect();
        FreeAfterEvents(std::move(quitting));
    }
}

void TdivAzore::ReportAfterTeardown(const std::wstring &AddInName, const classlib::Exception &E) noexcept {
    try {
        classlib::MessageDlg(
            classlib::Format(L"%s error: the add-in has fired an exception.\r\n%s", {AddInName, E.Message()}),
            classlib::mtError, {classlib::mbOK}, 0);
    } catch (...) {
        // No module and no message box: the trace is all that is left of the error.
        classlib::TraceException(L"AddIn", L"Reporting an error after the teardown");
        classlib::Trace(L"AddIn", L"The error was: " + E.Message());
    }
}

BOOL CALLBACK TdivAzore::FindHostMainWindow(HWND Window, LPARAM /*Unused*/) {
    const wchar_t *wanted = HostWindowClasses(HostKind);
    wchar_t className[257] = {};
    if (wanted != nullptr && GetClassNameW(Window, className, 257) > 0 && wcscmp(className, wanted) == 0) {
        HostMainWindow = Window;
        return FALSE;
    }
    return TRUE;
}

} // namespace framework
