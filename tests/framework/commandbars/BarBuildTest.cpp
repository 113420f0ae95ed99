// The module's build of its bars in the host: from scratch, after a restart, what the user removed,
// stale records, placement and the hosts' own rules (Office failing at each step is BuildFaultTest's).
#include "CommandBarFixture.h"
#include "classlib/Registry.h"
#include "classlib/RegistryValues.h"

using namespace framework;

namespace cbtest {
namespace {

class BarBuildTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        UseEngine();
    }
    void ReadBar() {
        form_ = L"object Bar1: TzidCommandBar CommandBarName = 'Tessary' ButtonTypes = " +
                Kinds({0, 0, 1, 4}) +
                L" Buttons = <\n"
                L"  item Caption = 'Zippen' OfficeTag = 'zip' OnClick = ButtonClick end\n"
                L"  item Caption = 'Neu' OfficeTag = 'tmp' Temporary = True end\n"
                L"  item OfficeTag = 'edit' end\n"
                L"  item Caption = 'Antwort' OfficeTag = 'pop' ButtonTypes = " +
                Kinds({0}) + L" Buttons = < item Caption = 'An alle' OfficeTag = 'all' end > end > end\n";
        ReadForm(form_);
    }
    TzidCustomCommandBar *Bar(const wchar_t *Name = L"Bar1") {
        return static_cast<TzidCustomCommandBar *>(module_->FindComponent(Name));
    }
    hostsim::ControlRef Tagged(const std::wstring &Tag) {
        return Set().FindControl({std::nullopt, std::nullopt, Tag});
    }
    int CountTagged(const std::wstring &Tag) {
        int n = 0;
        for (const hostsim::BarRef &bar : Set().Bars())
            hostsim::ForEachControl(*bar, [&](const hostsim::ControlRef &C) {
                n += C->alive && C->props.tag == Tag ? 1 : 0;
                return true;
            });
        return n;
    }
    int CountBars(const std::wstring &Name) {
        int n = 0;
        for (const hostsim::BarRef &bar : Set().Bars())
            n += bar->alive && _wcsicmp(bar->name.c_str(), Name.c_str()) == 0 ? 1 : 0;
        return n;
    }
    // The host and the add-in start again: a new module reads the same form.
    void Restart() {
        RestartModule();
        UseEngine();
        ReadForm(form_);
    }

    std::wstring form_;
};

TEST_F(BarBuildTest, ARestartReusesPermanentControlsAndRebuildsTemporaryOnes) {
    ReadBar();
    module_->CreateCommandBars();
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
    ASSERT_TRUE(OfficeBar(L"Tessary"));
    for (const wchar_t *tag : {L"zip", L"tmp", L"edit", L"pop", L"all"})
        EXPECT_EQ(CountTagged(tag), 1) << tag;
    EXPECT_EQ(Record(L"Controls", L"zip"), 0);
    EXPECT_EQ(Record(L"Controls", L"tmp"), -1) << "a temporary control is not recorded";
    hostsim::ControlRef zip = Tagged(L"zip");
    EXPECT_EQ(ModelOf(*Bar()->Controls()->Items(0)), zip);

    Restart();
    EXPECT_EQ(CountTagged(L"tmp"), 0) << "Office dropped the temporary control";
    module_->CreateCommandBars();
    EXPECT_EQ(CountBars(L"Tessary"), 1);
    for (const wchar_t *tag : {L"zip", L"tmp", L"edit", L"pop", L"all"})
        EXPECT_EQ(CountTagged(tag), 1) << tag;
    EXPECT_EQ(Tagged(L"zip"), zip) << "the permanent control is the one built before";
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
}

TEST_F(BarBuildTest, AControlTheUserDeletedStaysDeletedUntilItsDesignChanges) {
    ReadBar();
    module_->CreateCommandBars();
    sim_->UserDelete(Tagged(L"zip"));
    Restart();
    module_->CreateCommandBars();
    EXPECT_EQ(CountTagged(L"zip"), 0);
    Restart();
    Bar()->Controls()->Items(0)->SetPropertyChanged(1);
    module_->CreateCommandBars();
    EXPECT_EQ(CountTagged(L"zip"), 1);
    EXPECT_EQ(Record(L"Controls", L"zip"), 1);

    // A negative record was never written by a build: no record, no error at every start.
    sim_->UserDelete(Tagged(L"zip"));
    WriteRecord(L"Controls", L"zip", 0xFFFFFFFFu);
    Restart();
    module_->CreateCommandBars();
    EXPECT_EQ(CountTagged(L"zip"), 1);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
}

TEST_F(BarBuildTest, StaleRecordsGoWithTheirControlsAndStayWhenTheControlIsNotFound) {
    ReadBar();
    hostsim::BarRef other = AddOfficeBar(L"Alt", false);
    hostsim::ControlRef old = AddOfficeControl(other, hostsim::msoControl::Button, L"old");
    WriteRecord(L"Controls", L"old", 3);
    WriteRecord(L"Controls", L"gone", 3);
    module_->CreateCommandBars();
    EXPECT_FALSE(old->alive);
    EXPECT_EQ(Record(L"Controls", L"old"), -1);
    EXPECT_EQ(Record(L"Controls", L"gone"), 3);
    EXPECT_EQ(Record(L"Controls", L"all"), 0) << "a popup's child is held";
}

TEST_F(BarBuildTest, PlacementAndDemandLoading) {
    ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'P' ButtonTypes = " + Kinds({0, 0, 0, 0}) +
             L" Buttons = <\n"
             L"  item OfficeTag = 'a' end\n"
             L"  item OfficeTag = 'b' Before = 1 end\n"
             L"  item OfficeTag = 'c' BeforeID = 4711 end\n"
             L"  item OfficeTag = 'd' AfterID = 4711 end > end\n");
    module_->SetLoadBehavior(16);
    module_->CreateCommandBars();
    std::vector<std::wstring> order;
    for (const hostsim::ControlRef &c : OfficeBar(L"P")->controls)
        order.push_back(c->props.tag);
    EXPECT_EQ(order, (std::vector<std::wstring>{L"b", L"a", L"c", L"d"})) << "absent ids append";
    EXPECT_EQ(Tagged(L"a")->props.onAction.substr(0, 2), L"!<");
    EXPECT_EQ(Tagged(L"a")->props.onAction.back(), L'>');
}

// Office failing one of the build's own searches: the failure is reported and nothing is done on a
// guess: no second copy of Office's control, no control at a wrong place, no stale record dropped.
TEST_F(BarBuildTest, ASearchOfficeFailsIsReportedAndNothingIsAddedOrRemovedOnAGuess) {
    form_ = L"object Bar1: TzidCommandBar CommandBarName = 'P' ButtonTypes = " + Kinds({5, 0}) +
            L" Buttons = <\n"
            L"  item OfficeTag = 'print' OfficeID = 4 end\n"
            L"  item OfficeTag = 'after' BeforeID = 4 Temporary = True end > end\n";
    ReadForm(form_);
    module_->CreateCommandBars();
    ASSERT_EQ(CountTagged(L"print"), 1);
    // Each build after a restart meets a stale record whose control is still in Office.
    auto build = [this](size_t FailingCall) {
        Restart();
        if (!Tagged(L"old"))
            AddOfficeControl(OfficeBar(L"Alt") ? OfficeBar(L"Alt") : AddOfficeBar(L"Alt", false),
                             hostsim::msoControl::Button, L"old");
        WriteRecord(L"Controls", L"old", 3);
        ClearLog();
        outlook_->Log().FailCallNumber(FailingCall, E_FAIL);
        module_->CreateCommandBars();
    };
    build(static_cast<size_t>(-1));
    ASSERT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
    const std::vector<hostsim::SimCall> calls = outlook_->Log().Calls();
    auto search = [&calls](const std::wstring &Args) {
        for (size_t number = 0; number < calls.size(); ++number)
            if (calls[number].member == L"FindControl" && calls[number].args.rfind(Args, 0) == 0)
                return number;
        ADD_FAILURE() << "no search " << testing::PrintToString(Args);
        return static_cast<size_t>(-1);
    };
    const size_t stale = search(L"Missing, Missing, 'old'"), builtIn = search(L"Missing, 4, 'print'"),
                 anchor = search(L"Missing, 4, Missing");

    build(builtIn);
    EXPECT_EQ(Errors().size(), 1u) << testing::PrintToString(Errors());
    EXPECT_EQ(CountTagged(L"print"), 1) << "a second copy of Office's control";
    build(anchor);
    EXPECT_EQ(Errors().size(), 1u) << testing::PrintToString(Errors());
    EXPECT_EQ(CountTagged(L"after"), 0) << "placed without its anchor";
    build(stale);
    EXPECT_EQ(Errors().size(), 1u) << testing::PrintToString(Errors());
    EXPECT_TRUE(Tagged(L"old"));
    EXPECT_EQ(Record(L"Controls", L"old"), 3);
    EXPECT_EQ(CountTagged(L"print"), 1);
    EXPECT_EQ(CountTagged(L"after"), 1);
}

TEST_F(BarBuildTest, ABadlyNamedOutlookBarIsReportedAndTheNextIsBuilt) {
    ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'Tim''s' end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'Good' end\n");
    module_->CreateCommandBars();
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_NE(Errors()[0].find(L"Illegal character in the Tim's commandbar name."), std::wstring::npos);
    EXPECT_TRUE(OfficeBar(L"Good"));
}

TEST_F(BarBuildTest, WithoutAnExplorerOnlyTheExplorerBarsArePassedOver) {
    ReadForm(L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Explorer' end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'After' end\n");
    module_->ConnectToHost();
    ASSERT_EQ(outlook_->ActiveExplorer(), nullptr);
    module_->CreateCommandBars();
    EXPECT_FALSE(OfficeBar(L"Explorer"));
    EXPECT_TRUE(OfficeBar(L"After"));
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
    module_->DisconnectFromHost();
}

TEST_F(BarBuildTest, ABarTheHostRefusesIsReportedOutsideOutlookAndTheNextIsBuilt) {
    ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'First' end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'Second' end\n");
    module_->SetHostType(ohaWord);
    sim_->FailNext(L"Add", E_FAIL);
    module_->CreateCommandBars();
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_FALSE(OfficeBar(L"First"));
    EXPECT_TRUE(OfficeBar(L"Second"));
}

class RibbonOutlookBuildTest : public BarBuildTest {
protected:
    std::wstring HostVersion() const override { return L"14.0"; }
};

TEST_F(RibbonOutlookBuildTest, OnlyBarsMarkedForTheRibbonAreBuilt) {
    ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'Plain' end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'Kept' UseForRibbon = True end\n");
    module_->SetOfficeVersion(14);
    module_->SetUsesRibbon(true);
    module_->CreateCommandBars();
    EXPECT_FALSE(OfficeBar(L"Plain"));
    EXPECT_TRUE(OfficeBar(L"Kept"));
}

// Access's database closing: the bars lose their Office side, nested controls too, and stay in Office.
TEST_F(BarBuildTest, ReleasingTheCommandBarsUnbindsWithoutDeleting) {
    ReadBar();
    module_->CreateCommandBars();
    ASSERT_TRUE(Bar()->CommandBarInterface());
    module_->ReleaseCommandBars();
    EXPECT_FALSE(Bar()->CommandBarInterface());
    EXPECT_FALSE(module_->CommandBars());
    auto *popup = Bar()->Controls()->Items(3);
    EXPECT_FALSE(popup->ControlInterface());
    EXPECT_FALSE(static_cast<TzidCommandBarPopup *>(popup)->Controls()->Items(0)->ControlInterface());
    EXPECT_TRUE(OfficeBar(L"Tessary"));
    EXPECT_EQ(CountTagged(L"all"), 1);
}

// The user's unload takes each bar out of the host on its own: a bar whose removal fails stays, with
// its records, for unregistration to take out; the others go, records and all.
class UserUnloadTest : public CommandBarTest {};

TEST_F(UserUnloadTest, ABarThatCannotBeRemovedKeepsItsRecordsAndTheNextStillGoes) {
    ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'Stuck' ButtonTypes = " + Kinds({0}) +
             L" Buttons = < item OfficeTag = 'stuck1' end > end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'Free' ButtonTypes = " +
             Kinds({0}) + L" Buttons = < item OfficeTag = 'free1' end > end\n");
    hostsim::ControlRef stuck =
        AddOfficeControl(AddOfficeBar(L"Stuck", false), hostsim::msoControl::Button, L"stuck1");
    hostsim::BarRef free = AddOfficeBar(L"Free", false);
    AddOfficeControl(free, hostsim::msoControl::Button, L"free1");
    for (const wchar_t *bar : {L"Stuck", L"Free"})
        WriteRecord(L"CommandBars", bar, 1);
    for (const wchar_t *tag : {L"stuck1", L"free1", L"gone"})
        WriteRecord(L"Controls", tag, 1);
    // A name with a null inside, as another program may leave one: it is no record of a kept bar.
    const std::wstring nulled(L"stuck1\0x", 8);
    {
        classlib::TRegistry records;
        ASSERT_TRUE(records.OpenKey(L"\\" + module_->AddInKey() + L"\\Controls", false));
        const DWORD one = 1;
        ASSERT_EQ(classlib::SetRegValue(records.CurrentKey(), nulled, REG_DWORD, &one, sizeof(one)),
                  ERROR_SUCCESS);
    }
    Sim(stuck).FailAlways(L"Delete", E_FAIL);

    module_->RemoveCommandBarsOnUnload();

    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(stuck->alive);
    EXPECT_FALSE(free->alive) << "the bar after the failing one was not removed";
    EXPECT_EQ(Record(L"CommandBars", L"Stuck"), 1);
    EXPECT_EQ(Record(L"Controls", L"stuck1"), 1) << "deleting the null-named value took the kept record";
    classlib::TRegistry records;
    ASSERT_TRUE(records.OpenKey(L"\\" + module_->AddInKey() + L"\\Controls", false));
    EXPECT_EQ(records.GetValueNames(), std::vector<std::wstring>{L"stuck1"});
    for (const wchar_t *tag : {L"free1", L"gone"})
        EXPECT_EQ(Record(L"Controls", tag), -1) << tag;
    EXPECT_EQ(Record(L"CommandBars", L"Free"), -1);
}

} // namespace
} // namespace cbtest
