#include "PaneFixture.h"

#include <algorithm>

#include "PaneTestServer.h"
#include "classlib/AutoObject.h"
#include "classlib/Classes.h"
#include "classlib/ComObjectFactory.h"
#include "classlib/ComServer.h"
#include "framework/core/AddInObject.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "framework/windows/HostWindowsEngine.h"

namespace panetest {

using framework::TzidCustomTaskPane;
using framework::TzidCustomTaskPaneInstance;

int TPaneLog::Count(const std::wstring &event) const {
    return static_cast<int>(std::count(Events.begin(), Events.end(), event));
}

int TPaneLog::Errors() const {
    return static_cast<int>(std::count_if(Events.begin(), Events.end(),
                                          [](const std::wstring &e) { return e.rfind(L"Error:", 0) == 0; }));
}

TPaneLog &PaneLog() {
    static TPaneLog log;
    return log;
}

using Self = TPaneTestModule;
CLASSLIB_DEFINE_CLASS(TPaneTestModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::ModuleFinalize>(L"ModuleFinalize");
                      b.Method<&Self::PaneBeforeCreate>(L"PaneBeforeCreate");
                      b.Method<&Self::PaneAfterCreate>(L"PaneAfterCreate");
                      b.Method<&Self::PaneBeforeShow>(L"PaneBeforeShow");
                      b.Method<&Self::PaneAfterShow>(L"PaneAfterShow");
                      b.Method<&Self::PaneBeforeDestroy>(L"PaneBeforeDestroy");
                      b.Method<&Self::PaneVisibleStateChange>(L"PaneVisibleStateChange");
                      b.Method<&Self::PaneDockPositionStateChange>(L"PaneDockPositionStateChange"))

TPaneTestModule::TPaneTestModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    ++PaneLog().ModulesAlive;
}
TPaneTestModule::~TPaneTestModule() {
    --PaneLog().ModulesAlive;
}

namespace {
void Log(const std::wstring &event, const TzidCustomTaskPane *Sender) {
    PaneLog().Events.push_back(event + L":" + Sender->Title());
}
} // namespace

void TPaneTestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    PaneLog().Events.push_back(L"Error:" + E.Message());
    Handled = true;
}
void TPaneTestModule::ModuleFinalize(classlib::TObject *) {
    PaneLog().Events.push_back(L"Finalize");
}
void TPaneTestModule::PaneBeforeCreate(TzidCustomTaskPane *Sender, IDispatch *, bool &Cancel) {
    Log(L"BeforeCreate", Sender);
    Cancel = PaneLog().CancelCreate.count(Sender->Title()) > 0;
}
void TPaneTestModule::PaneAfterCreate(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *) {
    Log(L"AfterCreate", Sender);
}
void TPaneTestModule::PaneBeforeShow(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *, bool &Cancel) {
    Log(L"BeforeShow", Sender);
    Cancel = PaneLog().CancelShow.count(Sender->Title()) > 0;
}
void TPaneTestModule::PaneAfterShow(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *) {
    Log(L"AfterShow", Sender);
}
void TPaneTestModule::PaneBeforeDestroy(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *Instance) {
    Log(Instance->Definition() == Sender ? L"BeforeDestroy" : L"WrongSender", Sender);
}
void TPaneTestModule::PaneVisibleStateChange(TzidCustomTaskPane *Sender,
                                             TzidCustomTaskPaneInstance *Instance) {
    Log(Instance->VisibleState() ? L"Visible:1" : L"Visible:0", Sender);
}
void TPaneTestModule::PaneDockPositionStateChange(TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *) {
    Log(L"Dock", Sender);
}

namespace {

class TPaneTestAddIn : public framework::TdivAzore {};
class TPaneControl : public classlib::TAutoObjectImpl<IPaneControl> {};

framework::TzidFactory &AddInFactory() {
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TPaneTestAddIn>(), CLSID_PaneTestAddIn,
        TPaneTestModule::StaticClass(), L"PaneTestAddIn", L"Pane test add-in");
    return factory;
}

classlib::TAutoObjectFactory &ControlFactory() {
    static classlib::TAutoObjectFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TPaneControl>(), CLSID_PaneControl,
        L"PaneControl", L"Pane test control", classlib::ciMultiInstance);
    return factory;
}

} // namespace

const std::wstring &PaneFixture::ControlProgID() {
    return ControlFactory().ProgID();
}

void PaneFixture::SetUpTestSuite() {
    framework::RegisterRibbonClasses();
    framework::InstallTaskPanes();
    framework::InstallHostWindows();
    ControlFactory().UpdateRegistry(true);
}

void PaneFixture::TearDownTestSuite() {
    ControlFactory().UpdateRegistry(false);
}

void PaneFixture::SetUp() {
    int alive = PaneLog().ModulesAlive;
    PaneLog() = TPaneLog();
    PaneLog().ModulesAlive = alive;
    environment_.emplace([this](const std::wstring &Text) { messages_.push_back(Text); });
    ASSERT_TRUE(environment_->Ready());
}

void PaneFixture::TearDown() {
    if (addIn_) {
        EXPECT_EQ(Disconnect(addIn_.Get(), ext_dm_HostShutdown), S_OK);
    }
    addIn_.Reset();
    EXPECT_EQ(PaneLog().ModulesAlive, 0) << "a module was not freed";
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object or pane sink is still alive";
    EXPECT_EQ(framework::DeferredObjectCount(), 0u);
    EXPECT_TRUE(messages_.empty()) << "an error reached the user";
    environment_.reset();
}

classlib::ComPtr<IDTExtensibility2> PaneFixture::ConnectAddIn(IDispatch *Application, int Mode) {
    classlib::ComPtr<IDTExtensibility2> addIn;
    EXPECT_EQ(AddInFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn.PutVoid()), S_OK);
    EXPECT_EQ(addIn->OnConnection(Application, static_cast<ext_ConnectMode>(Mode), nullptr, &custom_), S_OK);
    return addIn;
}

classlib::ComPtr<IDTExtensibility2> PaneFixture::StartAddIn(IDispatch *Application) {
    classlib::ComPtr<IDTExtensibility2> addIn = ConnectAddIn(Application);
    EXPECT_EQ(CompleteStartup(addIn.Get()), S_OK);
    return addIn;
}

HRESULT PaneFixture::Disconnect(IDTExtensibility2 *AddIn, int Mode) {
    if (Mode == ext_dm_HostShutdown) {
        HRESULT hr = AddIn->OnBeginShutdown(&custom_);
        if (FAILED(hr))
            return hr;
    }
    return AddIn->OnDisconnection(static_cast<ext_DisconnectMode>(Mode), &custom_);
}

HRESULT PaneFixture::HandOver(IDTExtensibility2 *AddIn, ICTPFactory *Factory) {
    classlib::ComPtr<ICustomTaskPaneConsumer> consumer;
    HRESULT hr = AddIn->QueryInterface(__uuidof(ICustomTaskPaneConsumer), consumer.PutVoid());
    return FAILED(hr) ? hr : consumer->CTPFactoryAvailable(Factory);
}

framework::TzidCOMAddInModule &PaneFixture::ModuleOf(const classlib::ComPtr<IDTExtensibility2> &AddIn) {
    return *static_cast<framework::TdivAzore *>(AddIn.Get())->Module();
}

} // namespace panetest
