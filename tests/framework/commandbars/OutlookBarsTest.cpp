// The Outlook bars' folder filters and the per-control item-type rule, with the simulated Outlook's
// folders; an explorer bar built temporarily comes back where the user left it (its position saved
// when Outlook closes and restored after the bar is built again at the next start).
// Outlook 2003 with Word as its mail editor: a mail's inspector shows Word's command bars, and the
// add-in loaded into that Word builds its Word bar there, which a click reaches through Office's
// connection points and a user unload takes out of the inspector again (and out of Word's normal
// template).
#include "CommandBarFixture.h"

#include "classlib/LateBinding.h"
#include "framework/commandbars/OfficeEventSinks.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookWindows.h"
#include "hostsim/WordHost.h"

using namespace framework;
namespace ol = hostsim::ol;

namespace cbtest {
namespace {

class OutlookBarsTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        ReadForm(L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Tessary'\n"
                 L"  ItemTypes = [zidOLMailItem, zidOLContactItem] ButtonTypes = " +
                 Kinds({0, 0, 4}) +
                 L" Buttons = <\n"
                 L"  item OfficeTag = 'own' olItemTypeAction = zidOLActionShow end\n"
                 L"  item OfficeTag = 'contacts' olExplorerItemTypes = [zidOLContactItem]\n"
                 L"    olItemTypeAction = zidOLActionShow end\n"
                 L"  item OfficeTag = 'popup' olExplorerItemTypes = [zidOLMailItem] ButtonTypes = " +
                 Kinds({0}) +
                 L"\n"
                 L"    Buttons = < item OfficeTag = 'inner' olExplorerItemTypes = [zidOLMailItem]\n"
                 L"      olItemTypeAction = zidOLActionEnable end > end > end\n");
        explorer_ = static_cast<TzidOlExplorerCommandBar *>(module_->FindComponent(L"Explorer1"));
    }
    IDispatch *Folder(ol::DefaultFolder Which) { return outlook_->DefaultFolder(Which); }
    TzidCommandBarControl &Control(int Index) { return *explorer_->Controls()->Items(Index); }
    TzidCommandBarControl &Inner() { return *Control(2).AsCommandBarPopup()->Controls()->Items(0); }

    TzidOlExplorerCommandBar *explorer_ = nullptr;
};

TEST_F(OutlookBarsTest, FolderPathsRunFromTheStoreDown) {
    EXPECT_EQ(GetFolderPath(Folder(ol::olFolderInbox)), L"Personal Folders\\Inbox");
    hostsim::SimOutlookFolder *sub =
        outlook_->AddFolder(outlook_->DefaultFolder(ol::olFolderInbox), L"Rechnungen", ol::olMailItem);
    EXPECT_EQ(GetFolderPath(sub), L"Personal Folders\\Inbox\\Rechnungen");
    EXPECT_EQ(GetFolderPath(nullptr), L"");
    // A failing call ends the walk with what was found (the leading separator kept).
    outlook_->DefaultStore()->FailNext(L"Name", E_FAIL);
    EXPECT_EQ(GetFolderPath(sub), L"\\Inbox\\Rechnungen");
}

TEST_F(OutlookBarsTest, ItemTypesEnableTheBarAndShowTheControlsThatDiffer) {
    explorer_->FolderSwitched(Folder(ol::olFolderContacts));
    EXPECT_TRUE(explorer_->Enabled());
    EXPECT_TRUE(Control(1).Visible()) << "a contacts control in a contacts folder";
    EXPECT_FALSE(Inner().Enabled()) << "a mail control inside a popup that differs from the bar";
    EXPECT_TRUE(Control(0).Visible()) << "a control with the bar's own kinds is left alone";

    explorer_->FolderSwitched(Folder(ol::olFolderCalendar));
    EXPECT_FALSE(explorer_->Enabled());
    EXPECT_FALSE(explorer_->Visible());
    EXPECT_TRUE(Control(1).Visible()) << "in a folder where the bar is off its controls are not touched";

    explorer_->FolderSwitched(Folder(ol::olFolderInbox));
    EXPECT_FALSE(Control(1).Visible());
    EXPECT_TRUE(Inner().Enabled());
}

TEST_F(OutlookBarsTest, FolderNamesWinOverItemTypesAndCompareAsTheyShould) {
    explorer_->SetFolderName(L"Personal Folders\\Inbox");
    explorer_->FolderSwitched(Folder(ol::olFolderContacts));
    EXPECT_FALSE(explorer_->Enabled()) << "the folder name, not the item kinds";
    explorer_->FolderSwitched(Folder(ol::olFolderInbox));
    EXPECT_TRUE(explorer_->Enabled());
    explorer_->SetFolderName(L"personal folders\\inbox");
    explorer_->FolderSwitched(Folder(ol::olFolderInbox));
    EXPECT_FALSE(explorer_->Enabled()) << "FolderName is compared exactly";

    explorer_->SetFolderName(L"");
    explorer_->FolderNames()->SetStrings({L"PERSONAL FOLDERS\\INBOX"});
    explorer_->FolderSwitched(Folder(ol::olFolderInbox));
    EXPECT_TRUE(explorer_->Enabled()) << "FolderNames ignore letter case";

    // Outlook is told to lay the bar out again when it was switched on or off.
    hostsim::BarRef office = AddOfficeBar(L"Tessary");
    explorer_->SetCommandBarInterface(BarObject(office));
    ClearLog();
    explorer_->FolderSwitched(Folder(ol::olFolderCalendar));
    EXPECT_EQ(Writes(L"Left").size(), 2u);
}

// The add-in's controls on Office's "Standard" bar, which the user hid: the folder rules reach only
// the controls, never the bar the user chose to hide.
TEST_F(OutlookBarsTest, OnABuiltInBarOnlyTheAddInsControlsFollowTheFolder) {
    hostsim::BarRef standard = OfficeBar(L"Standard");
    Set().SetBarVisible(standard, false);
    explorer_->SetCommandBarInterface(BarObject(standard));
    ClearLog();
    explorer_->FolderSwitched(Folder(ol::olFolderContacts));
    EXPECT_TRUE(Control(1).Visible());
    explorer_->FolderSwitched(Folder(ol::olFolderCalendar));
    explorer_->FolderSwitched(Folder(ol::olFolderInbox));
    EXPECT_FALSE(Control(1).Visible()) << "the contacts control in a mail folder";
    EXPECT_FALSE(standard->visible) << "the hidden Standard bar came back";
    EXPECT_TRUE(standard->enabled);
    for (const wchar_t *member : {L"Visible", L"Enabled", L"Left"})
        EXPECT_TRUE(Writes(member).empty()) << member;
}

TEST_F(OutlookBarsTest, InspectorBarsAskFolderAndItemClass) {
    auto *inspector = new TzidOlInspectorCommandBar(module_);
    inspector->SetItemTypes({zidOLMail, zidOLReport});
    EXPECT_TRUE(inspector->UsedFor(L"Personal Folders\\Inbox", 46));
    EXPECT_FALSE(inspector->UsedFor(L"Personal Folders\\Inbox", 40)) << "a contact";
    inspector->FolderNames()->SetStrings({L"Personal Folders\\Outbox"});
    EXPECT_FALSE(inspector->UsedFor(L"Personal Folders\\Inbox", 43));
    EXPECT_TRUE(IsInspectorItemClass(53, {zidOLMeetingRequest}));
    EXPECT_FALSE(IsExplorerItemType(8, TzidOLItemTypes{zidOLMailItem, zidOLDistributionListItem}));
}

class ExplorerBarPositionTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        outlook_->OpenExplorer(outlook_->DefaultFolder(ol::olFolderInbox));
        Start();
    }
    void TearDown() override {
        module_->DisconnectFromHost();
        CommandBarTest::TearDown();
    }
    // The add-in starts: its module connects to Outlook and builds its bars in the active explorer.
    void Start() {
        UseEngine();
        module_->ConnectToHost();
        ReadForm(
            L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Tessary' Temporary = True\n"
            L"  ItemTypes = [zidOLMailItem] ButtonTypes = " +
            Kinds({0}) +
            L" Buttons = < item Caption = 'Zippen' OfficeTag = 'zip' end > end\n"
            L"object Explorer2: TzidOlExplorerCommandBar CommandBarName = 'Tessary Extra' Temporary = True\n"
            L"  ItemTypes = [zidOLMailItem] end\n");
        module_->CreateCommandBars();
    }
    void Restart() {
        module_->DisconnectFromHost();
        RestartModule();
        Start();
    }
};

TEST_F(ExplorerBarPositionTest, PositionsSurviveARestartOfOutlook) {
    hostsim::BarRef bar = OfficeBar(L"Tessary");
    ASSERT_NE(bar, nullptr) << "the explorer bar was not built";
    ASSERT_NE(OfficeBar(L"Tessary Extra"), nullptr);
    Set().SetBarPosition(bar, hostsim::msoBarPos::Left);
    Set().SetBarRowIndex(bar, 2);
    Set().SetBarPosition(OfficeBar(L"Tessary Extra"), hostsim::msoBarPos::Bottom);

    module_->SaveExplorerBarPositions();
    Restart();
    bar = OfficeBar(L"Tessary");
    ASSERT_NE(bar, nullptr) << "the temporary bar was not built again";
    EXPECT_NE(bar->position, hostsim::msoBarPos::Left) << "the restart kept the bar: nothing is tested";
    module_->RestoreExplorerBarPositions();

    EXPECT_EQ(bar->position, hostsim::msoBarPos::Left);
    EXPECT_EQ(bar->rowIndex, 2);
    EXPECT_EQ(OfficeBar(L"Tessary Extra")->position, hostsim::msoBarPos::Bottom);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
}

// A bar Office fails to describe must not cost the next bar its saved position.
TEST_F(ExplorerBarPositionTest, ABarThatCannotBeReadDoesNotStopTheOthers) {
    Set().SetBarPosition(OfficeBar(L"Tessary Extra"), hostsim::msoBarPos::Bottom);
    hostsim::SimObject::FromUnknown(sim_->ObjectOf(OfficeBar(L"Tessary")).Get())->FailNext(L"Left", E_FAIL);
    module_->SaveExplorerBarPositions();
    Restart();
    module_->RestoreExplorerBarPositions();
    EXPECT_EQ(OfficeBar(L"Tessary Extra")->position, hostsim::msoBarPos::Bottom);
}

// A bar whose key cannot be made (its name is longer than the registry allows) must not cost the
// bars after it their saved positions.
TEST_F(ExplorerBarPositionTest, ABarWhoseKeyCannotBeMadeDoesNotStopTheOthers) {
    auto *first = static_cast<TzidOlExplorerCustomCommandBar *>(module_->FindComponent(L"Explorer1"));
    first->SetCommandBarName(std::wstring(300, L'x'));
    Set().SetBarPosition(OfficeBar(L"Tessary Extra"), hostsim::msoBarPos::Bottom);
    module_->SaveExplorerBarPositions();
    EXPECT_EQ(Record(L"CommandBars\\Tessary Extra", L"Position"), hostsim::msoBarPos::Bottom);
}

class WordMailEditorTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        SetControlEventSinkFactory(MakeOfficeControlEventSink); // the fixture restores its own at the end
        wordBars_ = &hostsim::AttachCommandBars(word_);
        // The mail editor is Word: an inspector's command bars are Word's.
        outlook_->SetCommandBarsFactory([this](hostsim::SimOutlookWindow &) {
            return classlib::ComPtr<IUnknown>::Copy(wordBars_->Identity());
        });
        ReadForm(L"object Word1: TzidCommandBar CommandBarName = 'Tessary' SupportedApps = [ohaWord]\n"
                 L"  ButtonTypes = " +
                 Kinds({0}) +
                 L" Buttons = < item Caption = 'Anhang zippen' OfficeTag = 'tsyWordZip'\n"
                 L"    Style = zidMsoButtonCaption OnClick = ButtonClick end > end\n"
                 L"object Inspector1: TzidOlInspectorCommandBar CommandBarName = 'Tessary Inspektor'\n"
                 L"  ButtonTypes = " +
                 Kinds({0}) + L" Buttons = < item Caption = 'Zippen' OfficeTag = 'zip' end > end\n");
        UseEngine();
        // Outlook starts Word for the mail: the add-in is loaded into Word.
        word_.NewDocument();
        module_->SetHostType(ohaWord);
        module_->SetOfficeVersion(11);
        module_->SetHostApp(classlib::OleVariant(word_.Application()));
        classlib::ComPtr<_CommandBars> bars;
        ASSERT_EQ(wordBars_->Identity()->QueryInterface(IID__CommandBars, bars.PutVoid()), S_OK);
        module_->SetCommandBars(std::move(bars));
    }
    void TearDown() override {
        module_->ReleaseCommandBars();
        module_->SetHostApp(classlib::OleVariant());
        CommandBarTest::TearDown();
    }
    // The command bars the inspector of a new mail shows.
    hostsim::CommandBarsObject &InspectorBars() {
        hostsim::SimOutlookItem *mail = outlook_->AddItem(
            outlook_->DefaultFolder(hostsim::ol::olFolderDrafts), hostsim::ol::olMail, L"Angebot");
        hostsim::SimOutlookInspector *inspector = outlook_->OpenInspector(mail);
        classlib::ComPtr<IDispatch> window;
        inspector->Identity()->QueryInterface(IID_IDispatch, window.PutVoid());
        classlib::ComPtr<IDispatch> bars = classlib::DispGet(window.Get(), L"CommandBars").ToDispatch();
        auto *object =
            dynamic_cast<hostsim::CommandBarsObject *>(hostsim::SimObject::FromUnknown(bars.Get()));
        EXPECT_EQ(object, wordBars_) << "the inspector does not show Word's bars";
        return *object;
    }

    hostsim::WordHost word_{L"11.0"};
    hostsim::CommandBarsObject *wordBars_ = nullptr;
};

TEST_F(WordMailEditorTest, TheWordBarIsBuiltInTheMailInspectorClickedAndRemovedOnAUserUnload) {
    module_->CreateCommandBars();
    hostsim::CommandBarsObject &bars = InspectorBars();
    ASSERT_TRUE(bars.Set().FindBar(L"Tessary"));
    EXPECT_FALSE(bars.Set().FindBar(L"Tessary Inspektor")) << "Outlook's inspector bars are not Word's";
    hostsim::ControlRef zip = bars.Set().FindControl({std::nullopt, std::nullopt, L"tsyWordZip"});
    ASSERT_TRUE(zip);
    EXPECT_EQ(zip->props.caption, L"Anhang zippen");

    EXPECT_TRUE(bars.UserClick(zip));
    EXPECT_EQ(Lines(L"Click:"), (std::vector<std::wstring>{L"Click:Anhang zippen"}));

    // A second mail finds the bar built: nothing is added twice.
    module_->CreateCommandBars();
    int count = 0;
    for (const hostsim::ControlRef &control : bars.Set().FindBar(L"Tessary")->controls)
        count += control->alive ? 1 : 0;
    EXPECT_EQ(count, 1);

    module_->RemoveCommandBarsFromHost(true);
    EXPECT_FALSE(bars.Set().FindBar(L"Tessary"));
    ASSERT_EQ(word_.OrganizerDeletes().size(), 1u);
    EXPECT_NE(word_.OrganizerDeletes()[0].find(L"|Tessary|2"), std::wstring::npos);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
}

} // namespace
} // namespace cbtest
