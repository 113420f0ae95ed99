// Word, InfoPath, Visio, Excel and PowerPoint: the module's bars follow the window that becomes
// active where the host has bars per window or document, and only the replaced handlers run where
// it has not. Visio's bars come from a one-shot timer.
#include "WindowsFixture.h"

#include "classlib/ComPtr.h"
#include "framework/core/DeferredFree.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"
#include "office/HostDispIds.h"

namespace wintest {
namespace {

hostsim::CommandBarsObject *NewBars(hostsim::SimWorld &World) {
    return World.Create<hostsim::CommandBarsObject>(hostsim::catalogue::Word());
}

bool SameBars(const classlib::ComPtr<_CommandBars> &Held, hostsim::CommandBarsObject *Bars) {
    return Held && hostsim::SimObject::FromUnknown(Held.Get()) == Bars;
}

class WordWindowsTest : public WindowsFixture {
protected:
    void SetUp() override {
        WindowsFixture::SetUp();
        first_ = StartWord();
    }
    // A document with command bars of its own (as Outlook's mail editor has), made active.
    hostsim::SimWordDocument *DocumentWithBars(hostsim::CommandBarsObject *&Bars) {
        hostsim::SimWordDocument *document = word_->NewDocument();
        Bars = NewBars(word_->World());
        document->SetCommandBars(Bars->Identity());
        word_->Activate(first_->Window());
        word_->Activate(document->Window());
        return document;
    }
    void FireWordEvent(DISPID Id, std::vector<hostsim::EventArg> Args = {}) {
        word_->App().Events().FireAll(Id, std::move(Args));
    }

    hostsim::SimWordDocument *first_ = nullptr;
};

namespace wev = office::dispid::word_application_events;

// A document with bars of its own (as when Word edits Outlook's mail) gets the bars there, Outlook's
// never; an activation without a document takes the Application's bars, DocumentChange the active
// document's again.
TEST_F(WordWindowsTest, TheBarsFollowTheActiveDocumentOrTheApplication) {
    hostsim::CommandBarsObject *bars = nullptr;
    DocumentWithBars(bars);
    EXPECT_NE(bars->Set().FindBar(L"Test Host"), nullptr);
    EXPECT_TRUE(SameBars(Module()->CommandBars(), bars));
    EXPECT_EQ(bars->Set().FindBar(L"Test Reply"), nullptr);
    EXPECT_EQ(bars->Set().FindBar(L"Test Mail"), nullptr);

    const hostsim::EventArg none(static_cast<IDispatch *>(nullptr));
    FireWordEvent(wev::WindowActivate, {none, none});
    EXPECT_TRUE(SameBars(Module()->CommandBars(), appBars_));
    EXPECT_NE(appBars_->Set().FindBar(L"Test Host"), nullptr);

    FireWordEvent(wev::DocumentChange);
    EXPECT_TRUE(SameBars(Module()->CommandBars(), bars));
    auto *host = dynamic_cast<framework::TzidCustomCommandBar *>(Module()->FindComponent(L"HostBar"));
    ASSERT_NE(host, nullptr);
    hostsim::ControlRef go = bars->Find({std::nullopt, std::nullopt, std::wstring(L"testHostGo")});
    EXPECT_EQ(bars->ControlOf(host->Controls()->Items(0)->ControlInterface().Get()), go)
        << "the bar's control was not bound to the document's again";
}

// Every window and document event of Word brings the module's named objects up to date, after the
// bars and panes of the new window.
TEST_F(WordWindowsTest, WindowAndDocumentEventsRefreshTheNamedObjects) {
    struct TEntry : framework::IzidNamedObject {
        std::wstring ObjectName() const override { return L"Chart"; }
        void AttachObject(IDispatch *) override {}
        void RefreshObject() override { ++Refreshes; }
        int Refreshes = 0;
    } entry;
    Module()->NamedObjects().Add(&entry);
    word_->NewDocument(); // NewDocument, WindowActivate, DocumentChange
    EXPECT_EQ(entry.Refreshes, 3);
    word_->OpenDocument(L"C:\\Docs\\Report.doc"); // DocumentOpen, WindowActivate, DocumentChange
    EXPECT_EQ(entry.Refreshes, 6);
    word_->Activate(first_->Window());
    EXPECT_EQ(entry.Refreshes, 8);
    Module()->NamedObjects().Remove(&entry);
}

class OtherHostWindowsTest : public WindowsFixture {
protected:
    // A window with bars of its own, made active.
    hostsim::CommandBarsObject *ActivateWindowWithBars() {
        hostsim::SimHostWindow *window = other_->OpenWindow(L"Window");
        auto *bars = NewBars(other_->World());
        window->SetCommandBars(bars->Identity());
        Log().Events.clear();
        other_->ActivateWindow(window);
        return bars;
    }
    // Runs the message loop until a timer of the test's own, started now, fires (false after ten
    // seconds): the system hands out due timers in the order they fell due, so any timer of the add-in
    // due before it has fired by then.
    static bool PumpPastTimer(UINT Interval) {
        const UINT_PTR witness = SetTimer(nullptr, 0, Interval, nullptr);
        bool fired = false;
        PumpUntil([&] {
            MSG msg;
            while (!fired && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == witness)
                    fired = true;
                else
                    DispatchMessageW(&msg);
            return fired;
        });
        KillTimer(nullptr, witness);
        return fired;
    }
};

// InfoPath 2007 shows no ribbon: its bars are built although they are not meant for one.
TEST_F(OtherHostWindowsTest, InfoPathPutsTheBarsIntoTheActivatedWindow) {
    StartOther(hostsim::OtherHostKind::InfoPath, L"12.0");
    hostsim::CommandBarsObject *bars = ActivateWindowWithBars();
    EXPECT_NE(bars->Set().FindBar(L"Test Host"), nullptr);
}

TEST_F(OtherHostWindowsTest, VisioBuildsTheBarsOnceFromItsTimer) {
    StartOther(hostsim::OtherHostKind::Visio, L"11.0");
    hostsim::CommandBarsObject *bars = ActivateWindowWithBars();
    EXPECT_EQ(AddIn().PendingVisioTimers(), 1u);
    EXPECT_EQ(bars->Set().FindBar(L"Test Host"), nullptr) << "built before the timer fired";
    size_t waitingInTick = 0;
    Log().Action = [&](const std::wstring &Event) {
        if (Event == L"Build")
            waitingInTick = framework::ObjectsAfterCallCount();
    };
    ASSERT_TRUE(PumpUntil([&] { return AddIn().PendingVisioTimers() == 0; })) << "the timer never fired";
    ASSERT_TRUE(PumpPastTimer(300)) << "a second tick would have come by now";
    EXPECT_EQ(waitingInTick, 1u) << "the timer was freed inside its own tick";
    EXPECT_EQ(AddIn().PendingVisioTimers(), 0u);
    EXPECT_NE(bars->Set().FindBar(L"Test Host"), nullptr);
    EXPECT_EQ(Log().Count(L"Build:testHostGo"), 1) << "the timer fired more than once";
}

TEST_F(OtherHostWindowsTest, AVisioTimerStillPendingGoesWithTheAddIn) {
    StartOther(hostsim::OtherHostKind::Visio, L"11.0");
    ActivateWindowWithBars();
    ASSERT_EQ(AddIn().PendingVisioTimers(), 1u);
    Stop();
    ASSERT_TRUE(PumpPastTimer(300)) << "the add-in's timer would have fired by now";
    EXPECT_EQ(Log().Count(L"Build:testHostGo"), 0);
}

// Excel and PowerPoint keep the bars built at start-up; their window events only chain.
TEST_F(OtherHostWindowsTest, ExcelAndPowerPointWindowEventsBuildNothing) {
    for (auto kind : {hostsim::OtherHostKind::Excel, hostsim::OtherHostKind::PowerPoint}) {
        StartOther(kind, L"11.0");
        EXPECT_NE(appBars_->Set().FindBar(L"Test Host"), nullptr);
        hostsim::CommandBarsObject *bars = ActivateWindowWithBars();
        if (kind == hostsim::OtherHostKind::Excel) {
            other_->Fire(office::dispid::excel_application_events::WorkbookActivate,
                         {hostsim::EventArg(static_cast<IDispatch *>(nullptr))});
            other_->Fire(office::dispid::excel_application_events::SheetActivate,
                         {hostsim::EventArg(static_cast<IDispatch *>(nullptr))});
        }
        EXPECT_EQ(bars->Set().FindBar(L"Test Host"), nullptr);
        EXPECT_EQ(Log().Count(L"Build:testHostGo"), 0);
        EXPECT_EQ(Errors(), 0) << "an error reached the module or the user";
        Stop();
        other_.reset();
    }
}

} // namespace
} // namespace wintest
