// Outlook 2007's context-menu events: the module makes the second Application sink when it connects
// to Outlook 12 or later, and each menu reaches the module's Outlook events component once, with its
// CommandBar.
#include "EventsTestSupport.h"

#include "classlib/Classes.h"
#include "framework/events/Outlook2007Application.h"
#include "framework/events/OutlookEvents.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"

using classlib::ComPtr;
using classlib::OleVariant;
using framework::TzidOutlookAppEvents;
using hostsim::EventArg;
namespace ol = hostsim::ol;

namespace eventstest {
namespace {

// Outlook's Application class id: the Application offers no connection point under it.
const GUID kOutlookApplicationClass = {
    0x0006F03A, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class Outlook2007Test : public HostEventsTest<hostsim::OutlookHost> {
protected:
    void Connect(const std::wstring &version) {
        host_ = std::make_unique<hostsim::OutlookHost>(version);
        hostsim::AttachCommandBars(*host_);
        recorder_.Probes.clear();
        auto *explorer = host_->OpenExplorer(host_->DefaultFolder(ol::olFolderInbox));
        ComPtr<_CommandBars> bars = ComPtr<IUnknown>::Copy(explorer->CommandBars()).TryAs<_CommandBars>();
        ASSERT_TRUE(bars);
        ASSERT_EQ(bars->get_Item(OleVariant(L"Standard").Var(), menu_.Put()), S_OK);
        for (int i = 0; i < 3; ++i)
            recorder_.Probes.push_back(
                host_->AddFolder(host_->DefaultStore(), L"Probe" + std::to_wstring(i), ol::olMailItem));
        events_ = classlib::Create<TzidOutlookAppEvents>(module_);
        module_->SetHostApp(OleVariant(host_->Application()));
        module_->ConnectToHost();
    }
    void TearDown() override {
        menu_.Reset();
        HostEventsTest::TearDown();
    }
    int Fire(DISPID id, std::vector<EventArg> args) {
        return host_->App().Events().FireAll(id, std::move(args));
    }

    ComPtr<CommandBar> menu_;
    TzidOutlookAppEvents *events_ = nullptr;
};

TEST_F(Outlook2007Test, EachContextMenuReachesTheOutlookComponentOnceAndOnlyOutlookIsHeard) {
    Connect(L"12.0.0.4518");
    auto *sink = dynamic_cast<framework::TzidOutlook2007Application *>(module_->Outlook2007App());
    ASSERT_NE(sink, nullptr);
    EXPECT_EQ(module_->HostEvents(), events_);
    EXPECT_TRUE(sink->Connected());
    EXPECT_EQ(sink->OwnerModule(), module_);
    // Advised where the context menus are declared, beside the wrapper's and the component's sinks.
    EXPECT_EQ(host_->App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 3);
    EXPECT_FALSE(host_->App().Events().Offers(kOutlookApplicationClass));

    const std::wstring menu = recorder_.Describe(menu_.Get());
    struct TMenuEvent {
        DISPID Id;
        const wchar_t *Event;
    };
    for (TMenuEvent e : {TMenuEvent{0xFB3E, L"OnAttachmentContextMenuDisplay"},
                         {0xFB40, L"OnViewContextMenuDisplay"},
                         {0xFB41, L"OnItemContextMenuDisplay"},
                         {0xFB42, L"OnFolderContextMenuDisplay"},
                         {0xFB43, L"OnStoreContextMenuDisplay"},
                         {0xFB44, L"OnShortcutContextMenuDisplay"}}) {
        ASSERT_TRUE(recorder_.Bind(*events_, e.Event));
        recorder_.Calls.clear();
        EXPECT_EQ(Fire(e.Id, {OleVariant(menu_.Get()), EventArg(recorder_.Probes[1])}), 3);
        ASSERT_EQ(recorder_.Calls.size(), 1u) << e.Event;
        EXPECT_EQ(recorder_.Calls[0].Event, e.Event);
        EXPECT_EQ(recorder_.Calls[0].Sender, events_);
        EXPECT_EQ(recorder_.Calls[0].Args, (std::vector<std::wstring>{menu, L"obj1"}));
    }
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnContextMenuClose"));
    recorder_.Calls.clear();
    Fire(0xFBA6, {EventArg(5)});
    ASSERT_EQ(recorder_.Calls.size(), 1u);
    EXPECT_EQ(recorder_.Calls[0].Args, (std::vector<std::wstring>{L"5"}));
    EXPECT_TRUE(Errors().empty());

    // The sink connects only to an Outlook Application, and goes with the host's disconnection.
    sink->ConnectTo(OleVariant(static_cast<IDispatch *>(nullptr)));
    EXPECT_FALSE(sink->Connected());
    sink->ConnectTo(static_cast<IUnknown *>(recorder_.Probes[0]->Identity()));
    EXPECT_FALSE(sink->Connected());
    EXPECT_EQ(sink->ConnectedApplication(), nullptr);
    sink->ConnectTo(OleVariant(host_->Application()));
    EXPECT_TRUE(sink->Connected());
    module_->DisconnectFromHost();
    EXPECT_EQ(module_->Outlook2007App(), nullptr);
    EXPECT_EQ(host_->App().Events().SinkCount(DIID_OutlookApplicationEvents_11), 0);
}

TEST_F(Outlook2007Test, AnArgumentOfAnotherKindArrivesAsNilAndFailuresGoToDoError) {
    Connect(L"14.0.0.4760");
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnItemContextMenuDisplay"));
    Fire(0xFB41, {EventArg(recorder_.Probes[0]), EventArg(7)});
    ASSERT_EQ(recorder_.Calls.size(), 1u);
    EXPECT_EQ(recorder_.Calls[0].Args, (std::vector<std::wstring>{L"nil", L"nil"}));
    // Too few arguments or a menu kind that is no number: nothing, and no error either.
    recorder_.Calls.clear();
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnContextMenuClose"));
    Fire(0xFB41, {OleVariant(menu_.Get())});
    Fire(0xFBA6, {EventArg(L"not a number")});
    EXPECT_TRUE(recorder_.Calls.empty());
    EXPECT_TRUE(Errors().empty());

    recorder_.Raise = L"OnItemContextMenuDisplay";
    Fire(0xFB41, {OleVariant(menu_.Get()), EventArg(recorder_.Probes[0])});
    EXPECT_EQ(Errors(), (std::vector<std::wstring>{L"The handler of OnItemContextMenuDisplay failed."}));
}

TEST_F(Outlook2007Test, WithoutHandlersOrBeforeOutlook2007TheMenusPassUnseen) {
    Connect(L"14.0.0.4760");
    EXPECT_EQ(Fire(0xFB3E, {OleVariant(menu_.Get()), EventArg(recorder_.Probes[0])}), 3);
    EXPECT_TRUE(Errors().empty());
    DropModule();
    host_.reset();
    module_ = new framework::TzidCOMAddInModule(nullptr);

    Connect(L"11.0");
    EXPECT_EQ(module_->Outlook2007App(), nullptr);
    ASSERT_TRUE(recorder_.Bind(*events_, L"OnAttachmentContextMenuDisplay"));
    Fire(0xFB3E, {OleVariant(menu_.Get()), EventArg(recorder_.Probes[0])});
    EXPECT_TRUE(recorder_.Calls.empty());
}

} // namespace
} // namespace eventstest
