// The application's handlers found on the host wrapper when the add-in chains its own: each still
// runs on every hooked Word, Excel, PowerPoint, InfoPath and Visio event, its failure reaches the
// module's error handling (Word's window activation alone drops it), and none is called from a later
// connection of the same add-in object.
#include "WindowsFixture.h"

#include <functional>

#include "office/HostDispIds.h"
#include "office/OtherHostWrappers.h"
#include "office/WordApplication.h"

namespace wintest {
namespace {

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
