// Handlers that free what they were called for: a click (Office's or a shortcut's) or an Office
// change whose handler deletes its own control or unloads the add-in (COMAddIn.Connect = False), and
// the window and document hooks of Word, InfoPath and Visio with an unload inside. This program runs
// under Wine's heap checking: each test ends with every heap validated, so that a write to a freed
// block fails it and a read of one finds 0xfeeefeee. And the application's handlers found on the host
// wrapper when the add-in chains its own: each still runs on every hooked Word, Excel, PowerPoint,
// InfoPath and Visio event, its failure reaches the module's error handling (Word's window activation
// alone drops it), and none is called from a later connection of the same add-in object.
#include <functional>

#include "HandlerKit.h"
#include "WindowsFixture.h"

#include "framework/commandbars/CommandBarComboBox.h"
#include "framework/shortcuts/NativeWindows.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"
#include "office/HostDispIds.h"
#include "office/OtherHostWrappers.h"
#include "office/WordApplication.h"

namespace wintest {
namespace {

using TClick = testsupport::TTestHandler<void(classlib::TObject *)>;

class HandlerFreesTest : public WindowsFixture {
protected:
    void TearDown() override {
        WindowsFixture::TearDown();
        EXPECT_HEAPS_VALID();
    }
    void StartWordWithEntry() {
        StartWord();
        MakeEntry(word_->World(), word_->Application());
    }
    // Office's entry for the add-in: Connect = False disconnects it as the user's unload does and
    // lets go of the add-in object.
    void MakeEntry(hostsim::SimWorld &World, IDispatch *Application) {
        auto *entry = World.Create<hostsim::ComAddInObject>(L"WindowsTestAddIn", L"{}", L"", Application);
        entry->SetConnected(true);
        entry->SetConnectHandler([this](bool Connect) {
            if (!Connect && addIn_)
                Stop(ext_dm_UserClosed);
        });
        Module()->SetCOMAddIn(classlib::ComPtr<::COMAddIn>::Copy(static_cast<::COMAddIn *>(entry)));
    }
    void Unload() { ASSERT_EQ(Module()->COMAddIn()->put_Connect(VARIANT_FALSE), S_OK); }
    framework::TzidCommandBarButton &Go() {
        auto *bar = dynamic_cast<framework::TzidCustomCommandBar *>(Module()->FindComponent(L"HostBar"));
        return *bar->Controls()->Items(0)->AsCommandBarButton();
    }
    hostsim::ControlRef GoInOffice() {
        return appBars_->Find({std::nullopt, std::nullopt, std::wstring(L"testHostGo")});
    }
    // The handler of Go: deletes the button (and raises, when Raise) or unloads the add-in.
    void OnGo(bool Unloads, bool Raise = false) {
        click_.Body = [this, Unloads, Raise](classlib::TObject *Sender) {
            ++clicks_;
            if (Unloads)
                return Unload();
            delete Sender;
            if (Raise)
                throw classlib::Exception(L"after the delete");
        };
        Go().OnClick = click_.Event();
    }

    TClick click_;
    int clicks_ = 0;
};

// Office's click, a shortcut's and Office's change of an edit box: the click sink, the control's
// re-entry flag and the error report go on only with what is left.
TEST_F(HandlerFreesTest, AClickOrChangeWhoseHandlerDeletesItsControlOrUnloadsTheAddIn) {
    enum TRoute { OfficeClick, Shortcut, OfficeChange };
    for (TRoute route : {OfficeClick, Shortcut, OfficeChange})
        for (bool unloads : {false, true}) {
            SCOPED_TRACE(testing::Message() << "route " << route << ", unloads " << unloads);
            ResetLog();
            clicks_ = 0;
            StartWordWithEntry();
            // A failure raised after the delete still reaches the module, which exists.
            OnGo(unloads, !unloads);
            if (route == Shortcut) {
                Module()->SetHandleShortcuts(true);
                auto *window = dynamic_cast<framework::TzidNativeWindow *>(Module()->NativeWindow());
                ASSERT_NE(window, nullptr);
                Go().SetShortcutText(L"Ctrl+G");
                ASSERT_TRUE(window->PostShortcut(L"CTRL+G", &Go()));
                PumpMessages();
            } else if (route == OfficeChange) {
                auto *bar =
                    dynamic_cast<framework::TzidCustomCommandBar *>(Module()->FindComponent(L"HostBar"));
                static_cast<framework::TzidCustomCommandBarComboBox *>(bar->Controls()->Items(1))->OnChange =
                    click_.Event();
                Go().OnClick = {};
                appBars_->UserType(
                    appBars_->Find({std::nullopt, std::nullopt, std::wstring(L"testHostEdit")}), L"neu");
            } else {
                appBars_->UserClick(GoInOffice());
            }
            EXPECT_HEAPS_VALID();
            EXPECT_EQ(clicks_, 1);
            EXPECT_EQ(addIn_ == nullptr, unloads) << "the host did not let go of the add-in";
            if (unloads) {
                EXPECT_EQ(Log().ModulesAlive, 0) << "the module outlived the call";
                continue;
            }
            EXPECT_EQ(Log().Events.back(), L"Error:after the delete");
            Log().Events.clear();
            EXPECT_NE(Module()->FindComponent(L"HostBar"), nullptr);
            Stop();
        }
}

// Word's window and document events each refresh the named objects, whose entry unloads the add-in
// in the first of them.
TEST_F(HandlerFreesTest, WordsWindowAndDocumentHooksGoOnAfterAnUnloadInside) {
    struct TEntry : framework::IzidNamedObject {
        std::function<void()> Refreshed;
        std::wstring ObjectName() const override { return L"Chart"; }
        void AttachObject(IDispatch *) override {}
        void RefreshObject() override { Refreshed(); }
    } entry;
    for (int step = 0; step < 2; ++step) {
        StartWordWithEntry();
        int refreshes = 0;
        entry.Refreshed = [&] {
            if (++refreshes == 1)
                Unload();
        };
        Module()->NamedObjects().Add(&entry);
        if (step == 0)
            word_->NewDocument(); // NewDocument, WindowActivate, DocumentChange
        else
            word_->OpenDocument(L"C:\\Docs\\Report.doc"); // DocumentOpen, WindowActivate, DocumentChange
        EXPECT_HEAPS_VALID();
        EXPECT_FALSE(addIn_);
        EXPECT_EQ(Log().ModulesAlive, 0);
        EXPECT_EQ(refreshes, 1) << "a hook went on with the module of an unloaded add-in";
        word_.reset();
    }
}

// InfoPath builds the bars of the activated window in its hook, Visio in its timer's tick; the
// module's CreateControl unloads the add-in.
TEST_F(HandlerFreesTest, InfoPathAndVisioWindowHooksGoOnAfterAnUnloadInside) {
    for (auto kind : {hostsim::OtherHostKind::InfoPath, hostsim::OtherHostKind::Visio}) {
        ResetLog();
        StartOther(kind, L"11.0");
        MakeEntry(other_->World(), other_->Application());
        hostsim::SimHostWindow *window = other_->OpenWindow(L"Window");
        auto *bars = other_->World().Create<hostsim::CommandBarsObject>(hostsim::catalogue::Word());
        window->SetCommandBars(bars->Identity());
        Log().Events.clear();
        Log().Action = [&](const std::wstring &Event) {
            if (Event == L"Build" && addIn_)
                Unload();
        };
        other_->ActivateWindow(window);
        PumpUntil([&] { return !addIn_; }); // the unload waits for the window's timer
        EXPECT_HEAPS_VALID();
        EXPECT_FALSE(addIn_);
        EXPECT_EQ(Log().Count(L"Build:testHostGo"), 1);
        EXPECT_EQ(bars->Set().FindBar(L"Test Host"), nullptr) << "a bar was built for the unloaded add-in";
        other_.reset();
    }
}

using classlib::MakeEvent;
using framework::TzidCOMAddInModule;

// The application's handlers, one per event shape: each counts its calls and may raise.
struct TPrevious : classlib::TObject {
    void Notify(classlib::TObject *) { Run(); }
    void One(classlib::TObject *, IDispatch *) { Run(); }
    void Two(classlib::TObject *, IDispatch *, IDispatch *) { Run(); }
    void Run() {
        ++Calls;
        if (Raise)
            throw classlib::Exception(L"previous");
    }
    int Calls = 0;
    bool Raise = false;
};

// A hooked event: its id, its number of object arguments, and whether the previous handler's failure
// reaches the module.
struct THook {
    DISPID Id;
    int Args;
    bool Reported = true;
};

class ChainedHandlersTest : public WindowsFixture {
protected:
    // Sets the application's handlers on the host wrapper before the add-in chains its own.
    void Install(TzidCOMAddInModule &Module) {
        auto *wrapper = Module.HostWrapper(Module.HostType());
        auto one = MakeEvent<&TPrevious::One>(&previous_);
        auto two = MakeEvent<&TPrevious::Two>(&previous_);
        if (auto *word = dynamic_cast<office::TWordApplication *>(wrapper)) {
            word->OnWindowActivate = two;
            word->OnDocumentOpen = word->OnNewDocument = one;
            word->OnDocumentChange = MakeEvent<&TPrevious::Notify>(&previous_);
        } else if (auto *excel = dynamic_cast<office::TExcelApplication *>(wrapper)) {
            excel->OnWorkbookActivate = excel->OnSheetActivate = one;
        } else if (auto *powerPoint = dynamic_cast<office::TPowerPointApplication *>(wrapper)) {
            powerPoint->OnWindowActivate = two;
        } else if (auto *infoPath = dynamic_cast<office::TInfoPathApplication *>(wrapper)) {
            infoPath->OnWindowActivate = two;
            infoPath->OnNewXDocument = infoPath->OnXDocumentOpen = one;
        } else if (auto *visio = dynamic_cast<office::TVisioApplication *>(wrapper)) {
            visio->OnWindowActivated = one;
        }
    }
    void Run(IDispatch *Application, const std::function<void(DISPID, int)> &Fire,
             const std::vector<THook> &Hooks) {
        Log().Action = [&](const std::wstring &Event) {
            if (Event == L"StartupComplete")
                Install(*Module());
        };
        Start(Application);
        Log().Action = nullptr;
        for (const THook &hook : Hooks) {
            SCOPED_TRACE(hook.Id);
            const int calls = previous_.Calls;
            Fire(hook.Id, hook.Args);
            EXPECT_EQ(previous_.Calls, calls + 1) << "the application's handler did not run";
            previous_.Raise = true;
            Log().Events.clear();
            Fire(hook.Id, hook.Args);
            previous_.Raise = false;
            EXPECT_EQ(Errors(), hook.Reported ? 1 : 0);
        }
        Log().Events.clear();
        // The same add-in object connected again: the new wrapper has no handler of the application.
        ASSERT_EQ(addIn_->OnDisconnection(ext_dm_UserClosed, &custom_), S_OK);
        ASSERT_EQ(addIn_->OnConnection(Application, ext_cm_AfterStartup, nullptr, &custom_), S_OK);
        const int calls = previous_.Calls;
        for (const THook &hook : Hooks)
            Fire(hook.Id, hook.Args);
        EXPECT_EQ(previous_.Calls, calls) << "a handler of the earlier connection ran";
    }
    static std::vector<hostsim::EventArg> Nulls(int Count) {
        return std::vector<hostsim::EventArg>(Count, hostsim::EventArg(static_cast<IDispatch *>(nullptr)));
    }

    TPrevious previous_;
};

TEST_F(ChainedHandlersTest, Word) {
    namespace ev = office::dispid::word_application_events;
    word_ = std::make_unique<hostsim::WordHost>(L"11.0");
    Run(word_->Application(), [&](DISPID Id, int Args) { word_->App().Events().FireAll(Id, Nulls(Args)); },
        {{ev::WindowActivate, 2, false},
         {ev::DocumentOpen, 1},
         {ev::NewDocument, 1},
         {ev::DocumentChange, 0}});
}

TEST_F(ChainedHandlersTest, ExcelPowerPointInfoPathAndVisio) {
    using Kind = hostsim::OtherHostKind;
    namespace ip = office::dispid::infopath_application_events;
    const std::vector<std::pair<Kind, std::vector<THook>>> hosts = {
        {Kind::Excel,
         {{office::dispid::excel_application_events::WorkbookActivate, 1},
          {office::dispid::excel_application_events::SheetActivate, 1}}},
        {Kind::PowerPoint, {{office::dispid::powerpoint_application_events::WindowActivate, 2}}},
        {Kind::InfoPath, {{ip::WindowActivate, 2}, {ip::NewXDocument, 1}, {ip::XDocumentOpen, 1}}},
        {Kind::Visio, {{office::dispid::visio_application_events::WindowActivated, 1}}}};
    for (const auto &[kind, hooks] : hosts) {
        SCOPED_TRACE(static_cast<int>(kind));
        other_ = std::make_unique<hostsim::OtherHost>(kind, L"12.0");
        Run(
            other_->Application(), [&](DISPID Id, int Args) { other_->Fire(Id, Nulls(Args)); }, hooks);
        Stop();
        other_.reset();
    }
}

} // namespace
} // namespace wintest
