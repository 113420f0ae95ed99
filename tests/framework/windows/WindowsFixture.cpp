#include "WindowsFixture.h"

#include "classlib/Application.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/ProcessState.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookFolders.h"

namespace wintest {

void WindowsFixture::SetUp() {
    ResetLog();
    environment_.emplace([](const std::wstring &Text) { Log().Events.push_back(L"Message:" + Text); });
    ASSERT_TRUE(environment_->Ready());
    framework::HostMainWindow = nullptr;
    classlib::SetApplicationHandle(nullptr);
}

void WindowsFixture::TearDown() {
    if (addIn_)
        Stop();
    DropHost();
    EXPECT_EQ(Errors(), 0) << "an error reached the module or the user";
    EXPECT_EQ(Log().Count(L"WrongSender"), 0) << "an event came from another window's wrapper";
    EXPECT_EQ(Log().ModulesAlive, 0) << "a module was not freed";
    EXPECT_EQ(framework::ObjectsAfterCallCount(), 0u) << "a wrapper or timer waits to be freed";
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object or event sink is still alive";
    EXPECT_EQ(framework::DeferredObjectCount(), 0u);
    EXPECT_FALSE(framework::WindowActivationBusy);
    environment_.reset();
}

void WindowsFixture::Start(IDispatch *Application) {
    ASSERT_EQ(WindowsFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()), S_OK);
    ASSERT_EQ(addIn_->OnConnection(Application, ext_cm_Startup, nullptr, &custom_), S_OK);
    ASSERT_EQ(addIn_->OnStartupComplete(&custom_), S_OK);
}

void WindowsFixture::Stop(int Mode) {
    if (Mode == ext_dm_HostShutdown) {
        EXPECT_EQ(addIn_->OnBeginShutdown(&custom_), S_OK);
    }
    EXPECT_EQ(addIn_->OnDisconnection(static_cast<ext_DisconnectMode>(Mode), &custom_), S_OK);
    addIn_.Reset();
}

hostsim::SimWordDocument *WindowsFixture::StartWord() {
    word_ = std::make_unique<hostsim::WordHost>(L"11.0");
    appBars_ = &hostsim::AttachCommandBars(*word_);
    hostsim::SimWordDocument *document = word_->NewDocument();
    Start(word_->Application());
    return document;
}

void WindowsFixture::StartOther(hostsim::OtherHostKind Kind, const std::wstring &Version) {
    other_ = std::make_unique<hostsim::OtherHost>(Kind, Version);
    appBars_ = other_->World().Create<hostsim::CommandBarsObject>(hostsim::catalogue::Word());
    other_->SetCommandBars(appBars_->Identity());
    Start(other_->Application());
}

int WindowsFixture::Errors() const {
    int n = 0;
    for (const std::wstring &event : Log().Events)
        n += event.rfind(L"Error:", 0) == 0 || event.rfind(L"Message:", 0) == 0 ? 1 : 0;
    return n;
}

void OutlookWindowsTest::StartOutlook(const std::wstring &Version) {
    outlook_ = std::make_unique<hostsim::OutlookHost>(Version);
    hostsim::AttachCommandBars(*outlook_);
    outlook_->AddFolder(outlook_->DefaultStore(), L"Projekte", hostsim::ol::olMailItem);
    explorer_ = outlook_->OpenExplorer(Folder(hostsim::ol::olFolderInbox));
    Start(outlook_->Application());
}

hostsim::CommandBarsObject &OutlookWindowsTest::BarsOf(hostsim::SimOutlookWindow *Window) {
    return *dynamic_cast<hostsim::CommandBarsObject *>(
        hostsim::SimObject::FromUnknown(Window->CommandBars()));
}

hostsim::BarRef OutlookWindowsTest::Bar(hostsim::SimOutlookWindow *Window, const std::wstring &Name) {
    return BarsOf(Window).Set().FindBar(Name);
}

bool OutlookWindowsTest::Shown(hostsim::SimOutlookWindow *Window, const std::wstring &Name) {
    hostsim::BarRef bar = Bar(Window, Name);
    return bar != nullptr && bar->Shown();
}

hostsim::SimOutlookInspector *OutlookWindowsTest::OpenItem(hostsim::ol::ObjectClass Class,
                                                           hostsim::ol::DefaultFolder Where) {
    return outlook_->OpenInspector(outlook_->AddItem(Folder(Where), Class, L"Item"));
}

} // namespace wintest
