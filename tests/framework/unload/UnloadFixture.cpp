#include "UnloadFixture.h"

#include <algorithm>

#include "GuardedHeap.h"
#include "HandlerKit.h"
#include "UnloadTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/Framework.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/events/WordEvents.h"
#include "framework/ribbon/HostVersion.h"
#include "framework/ribbon/RibbonTab.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "hostsim/CommandBarHosts.h"

using classlib::MakeEvent;

namespace unloadtest {

int TUnloadLog::Count(const std::wstring &Event) const {
    return static_cast<int>(std::count(Events.begin(), Events.end(), Event));
}

TUnloadLog &Log() {
    static TUnloadLog log;
    return log;
}

using Self = TUnloadModule;
CLASSLIB_DEFINE_CLASS(TUnloadModule, framework::TzidCOMAddInModule)

namespace {
constexpr wchar_t kInitialize[] = L"Initialize", kStartupComplete[] = L"StartupComplete",
                  kBeginShutdown[] = L"BeginShutdown", kFinalize[] = L"Finalize",
                  kNewExplorer[] = L"NewExplorer", kPaneAfterCreate[] = L"PaneAfterCreate",
                  kPaneBeforeDestroy[] = L"PaneBeforeDestroy", kRibbonBeforeCreate[] = L"RibbonBeforeCreate",
                  kRibbonBeforeLoad[] = L"RibbonBeforeLoad", kRibbonLoaded[] = L"RibbonLoaded",
                  kTabChanging[] = L"TabChanging", kNewDocument[] = L"NewDocument",
                  kDocumentChange[] = L"DocumentChange";
using classlib::TObject;
using framework::TzidCustomTaskPane;
using framework::TzidCustomTaskPaneInstance;
} // namespace

TUnloadModule::TUnloadModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    ++Log().ModulesAlive;
    OnError = MakeEvent<&Self::ModuleError>(this);
    OnAddInInitialize = MakeEvent<&Self::Logged<kInitialize, TObject>>(this);
    OnAddInStartupComplete = MakeEvent<&Self::Logged<kStartupComplete, TObject>>(this);
    OnAddInBeginShutdown = MakeEvent<&Self::Logged<kBeginShutdown, TObject>>(this);
    OnAddInFinalize = MakeEvent<&Self::Logged<kFinalize, TObject>>(this);
    OnOLNewExplorer = MakeEvent<&Self::Logged<kNewExplorer, TObject, IDispatch *>>(this);
    OnTaskPaneAfterCreate =
        MakeEvent<&Self::Logged<kPaneAfterCreate, TzidCustomTaskPane, TzidCustomTaskPaneInstance *>>(this);
    OnTaskPaneBeforeDestroy =
        MakeEvent<&Self::Logged<kPaneBeforeDestroy, TzidCustomTaskPane, TzidCustomTaskPaneInstance *>>(this);
    OnRibbonBeforeCreate = MakeEvent<&Self::Logged<kRibbonBeforeCreate, TObject, const std::wstring &>>(this);
    OnRibbonBeforeLoad =
        MakeEvent<&Self::Logged<kRibbonBeforeLoad, TObject, const std::wstring &, std::wstring &>>(this);
    OnRibbonLoaded = MakeEvent<&Self::Logged<kRibbonLoaded, TObject, IRibbonUI *>>(this);
    OnPrivateInterfaceCall = MakeEvent<&Self::PrivateCall>(this);
}

TUnloadModule::~TUnloadModule() {
    --Log().ModulesAlive;
}

// The components' handlers are bound once the form has made the components.
void TUnloadModule::AfterConstruction() {
    TzidCOMAddInModule::AfterConstruction();
    if (auto *tab = dynamic_cast<framework::TzidRibbonTab *>(FindComponent(L"UnloadTab")))
        tab->OnPropertyChanging =
            MakeEvent<&Self::Logged<kTabChanging, TObject, framework::TzidRibbonControlPropertyType,
                                    classlib::OleVariant &, IDispatch *>>(this);
    if (auto *events = dynamic_cast<framework::TzidWordAppEvents *>(FindComponent(L"WordEvents"))) {
        events->OnNewDocument = MakeEvent<&Self::Logged<kNewDocument, TObject, IDispatch *>>(this);
        events->OnDocumentChange = MakeEvent<&Self::Logged<kDocumentChange, TObject>>(this);
    }
}

void *TUnloadModule::operator new(std::size_t Size) {
    return GuardedAllocate(Size);
}

void TUnloadModule::operator delete(void *Block) noexcept {
    GuardedRelease(Block);
}

void TUnloadModule::Happened(const std::wstring &Event, TObject *Sender) {
    Log().Events.push_back(Event);
    if (Log().Action)
        Log().Action(Event, Sender);
    Log().LastRead = AddInName();
}

template <const wchar_t *Name, class S, class... A> void TUnloadModule::Logged(S *Sender, A...) {
    Happened(Name, Sender);
}

void TUnloadModule::PrivateCall(LONG, VARIANT *) {
    Happened(L"PrivateCall", this);
}

void TUnloadModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log().Events.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TUnloadModule::CreateControl(framework::TzidCommandBarControl *Control,
                                  framework::TzidCustomCommandBar *Bar,
                                  framework::TzidCommandBarPopup *Parent) {
    Happened(L"Build", Control);
    TzidCOMAddInModule::CreateControl(Control, Bar, Parent);
}

namespace {

class TUnloadTestAddIn : public framework::TdivAzore {};

// The module's task-pane engine and collection on guarded pages, like the module.
std::unique_ptr<framework::IzidTaskPanesEngine> GuardedPanes(framework::TzidCOMAddInModule &Module) {
    return std::make_unique<TGuarded<framework::TzidTaskPanesEngine>>(
        Module, std::make_unique<TGuarded<framework::TzidCustomTaskPanes>>(Module));
}

framework::TzidFactory &UnloadFactory() {
    static const bool registered = [] {
        framework::InstallFramework();
        framework::TzidTaskPanesEngineMaker::Install(&GuardedPanes);
        return true;
    }();
    (void)registered;
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TUnloadTestAddIn>(),
        CLSID_UnloadTestAddIn, TUnloadModule::StaticClass(), L"UnloadTestAddIn", L"Unload test add-in");
    return factory;
}

int Version14() {
    return 14;
}

} // namespace

void UnloadFixture::SetUp() {
    const int alive = Log().ModulesAlive;
    Log() = TUnloadLog();
    Log().ModulesAlive = alive;
    environment_.emplace([this](const std::wstring &Text) { messages_.push_back(Text); });
    ASSERT_TRUE(environment_->Ready());
    framework::SetHostVersionSource(&Version14);
}

void UnloadFixture::TearDown() {
    Log().Action = nullptr;
    if (addIn_)
        Stop();
    word_.reset();
    outlook_.reset();
    other_.reset();
    EXPECT_EQ(Errors(), 0) << "an error reached the module or the user";
    EXPECT_EQ(Log().ModulesAlive, 0) << "a module was not freed";
    EXPECT_EQ(framework::ObjectsAfterCallCount(), 0u) << "an object waits to be freed";
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object or event sink is still alive";
    EXPECT_EQ(framework::DeferredObjectCount(), 0u);
    EXPECT_HEAPS_VALID();
    framework::SetHostVersionSource(nullptr);
    environment_.reset();
}

void UnloadFixture::Start(hostsim::SimWorld &World, IDispatch *Application, ext_ConnectMode Mode,
                          ICTPFactory *Factory) {
    entry_ = World.Create<hostsim::ComAddInObject>(L"UnloadTestAddIn", L"{}", L"", Application);
    entry_->SetConnectHandler([this](bool Connect) {
        if (!Connect && addIn_)
            Stop(ext_dm_UserClosed);
    });
    ASSERT_EQ(UnloadFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()), S_OK);
    entry_->SetConnected(true);
    auto entry = classlib::ComPtr<IDispatch>::Copy(static_cast<::COMAddIn *>(entry_));
    ASSERT_EQ(addIn_->OnConnection(Application, Mode, entry.Get(), &custom_), S_OK);
    if (Factory != nullptr && addIn_) {
        ASSERT_EQ(addIn_.As<ICustomTaskPaneConsumer>()->CTPFactoryAvailable(Factory), S_OK);
    }
    if (Mode == ext_cm_Startup && addIn_) {
        ASSERT_EQ(addIn_->OnStartupComplete(&custom_), S_OK);
    }
}

// A handler that unloads inside begin-shutdown disconnects the add-in there: the shutdown then has
// nothing left to disconnect. The host lets go of the object, its entry's Object too, once the
// disconnection is called.
void UnloadFixture::Stop(int Mode) {
    classlib::ComPtr<IDTExtensibility2> addIn = addIn_;
    if (Mode == ext_dm_HostShutdown) {
        EXPECT_EQ(addIn->OnBeginShutdown(&custom_), S_OK);
    }
    if (addIn_ != addIn)
        return;
    addIn_ = nullptr;
    if (entry_ != nullptr) {
        EXPECT_EQ(entry_->put_Object(nullptr), S_OK);
    }
    EXPECT_EQ(addIn->OnDisconnection(static_cast<ext_DisconnectMode>(Mode), &custom_), S_OK);
}

void UnloadFixture::Unload() {
    ASSERT_EQ(entry_->put_Connect(VARIANT_FALSE), S_OK);
}

void UnloadFixture::StartWord(int Documents, ext_ConnectMode Mode) {
    word_ = std::make_unique<hostsim::WordHost>(L"14.0");
    hostsim::AttachCommandBars(*word_);
    for (int i = 0; i < Documents; ++i)
        word_->NewDocument();
    Start(word_->World(), word_->Application(), Mode);
}

void UnloadFixture::UnloadAt(const std::wstring &Event) {
    Log().Action = [this, Event](const std::wstring &Happened, classlib::TObject *) {
        if (Happened == Event && addIn_)
            Unload();
    };
}

int UnloadFixture::Errors() const {
    const auto &events = Log().Events;
    return static_cast<int>(std::count_if(events.begin(), events.end(),
                                          [](const std::wstring &e) { return e.rfind(L"Error:", 0) == 0; }) +
                            messages_.size());
}

void UnloadFixture::ExpectUnloaded() {
    EXPECT_HEAPS_VALID();
    EXPECT_FALSE(addIn_) << "the host did not let go of the add-in";
    EXPECT_EQ(Log().ModulesAlive, 0) << "the module outlived the call";
    EXPECT_EQ(Log().LastRead, L"Unload Test") << "the handler's module was freed under it";
}

} // namespace unloadtest
