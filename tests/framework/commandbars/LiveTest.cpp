// Bound bars and controls: values read from Office, written through only where Office differs,
// Office failures to DoError with the accessor returning normally, and the records that decide
// whether a design is pushed again.
#include "CommandBarFixture.h"

#include "hostsim/CommandBarModel.h"

using namespace framework;

namespace cbtest {
namespace {

class LiveTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        bar_ = new TzidCommandBar(module_);
        bar_->SetCommandBarName(L"Tessary");
        officeBar_ = AddOfficeBar(L"Tessary");
        office_ = AddOfficeControl(officeBar_, hostsim::msoControl::Button, L"tsyZip");
        button_ = bar_->Controls()->CreateItem(cctButton)->AsCommandBarButton();
        button_->SetOfficeTag(L"tsyZip");
    }
    void Bind() { button_->BindOfficeControl(ControlObject(office_)); }

    TzidCommandBar *bar_ = nullptr;
    hostsim::BarRef officeBar_;
    hostsim::ControlRef office_;
    TzidCommandBarButton *button_ = nullptr;
};

TEST_F(LiveTest, WritesGoThroughOnlyWhereOfficeDiffers) {
    button_->SetCaption(L"Zippen");
    EXPECT_EQ(office_->props.caption, L"") << "unbound: stored only";
    Bind();
    EXPECT_EQ(button_->Caption(), L"") << "bound: Office's value";
    ClearLog();
    button_->SetCaption(L"Zippen");
    button_->SetCaption(L"Zippen");
    EXPECT_EQ(Writes(L"Caption"), std::vector<std::wstring>{L"'Zippen'"})
        << "the second write found it there";
    office_->props.caption = L"Vom Benutzer";
    EXPECT_EQ(button_->Caption(), L"Vom Benutzer");

    button_->SetState(zidMsoButtonDown);
    EXPECT_EQ(office_->props.state, -1);
    office_->props.state = 5; // a value outside the table reads as the stored one
    EXPECT_EQ(button_->State(), zidMsoButtonDown);
    button_->SetStyle(zidMsoButtonIconAndWrapCaptionBelow);
    EXPECT_EQ(office_->props.style, 15);
    EXPECT_TRUE(module_->Log.empty());
}

TEST_F(LiveTest, OfficeFailuresGoToDoErrorAndTheAccessorsReturn) {
    Bind();
    button_->SetWidth(40);
    Sim(office_).FailAlways(L"Caption", E_FAIL);
    Sim(office_).FailAlways(L"Width", E_FAIL);
    button_->SetCaption(L"Neu");
    EXPECT_EQ(button_->Caption(), L"") << "a text reads as empty";
    EXPECT_EQ(button_->Width(), 40) << "a number reads as the stored one";
    ASSERT_EQ(module_->Log.size(), 3u);
    for (const std::wstring &entry : module_->Log)
        EXPECT_EQ(entry.rfind(L"Error:", 0), 0u) << entry;
    Sim(office_).ClearFaults();
    button_->BindOfficeControl(nullptr);
    EXPECT_EQ(button_->Caption(), L"Neu") << "the setter kept the value";
    EXPECT_TRUE(shownMessages_.empty()) << "OnError handled them";
}

TEST_F(LiveTest, EnabledInOutlookNudgesTheWidthSoOutlookRepaints) {
    Bind();
    ClearLog();
    button_->SetEnabled(false);
    EXPECT_FALSE(office_->props.enabled);
    EXPECT_EQ(Writes(L"Width"), (std::vector<std::wstring>{L"24", L"23"}));
    module_->SetHostType(ohaWord);
    ClearLog();
    button_->SetEnabled(true);
    EXPECT_TRUE(Writes(L"Width").empty());
}

TEST_F(LiveTest, BarPropertiesMapToOfficeAndBack) {
    bar_->SetCommandBarInterface(BarObject(officeBar_));
    bar_->SetProtection(zidMsoBarNoMove);
    EXPECT_EQ(officeBar_->protection, 4);
    officeBar_->protection = 3; // a combination reads as none
    EXPECT_EQ(bar_->Protection(), zidMsoBarNoProtection);
    bar_->SetPosition(zidMsoBarLeft);
    EXPECT_EQ(officeBar_->position, hostsim::msoBarPos::Left);
    EXPECT_FALSE(bar_->BuiltIn());
    bar_->SetCommandBarInterface(BarObject(OfficeBar(L"Standard")));
    EXPECT_TRUE(bar_->BuiltIn());

    hostsim::SimObject &office = *hostsim::SimObject::FromUnknown(bar_->CommandBarInterface().Get());
    office.FailAlways(L"Name", E_FAIL);
    EXPECT_EQ(bar_->CommandBarName(), L"") << "the name reads as empty";
    office.FailAlways(L"Top", E_FAIL);
    bar_->SetCommandBarTop(12);
    EXPECT_EQ(bar_->CommandBarTop(), 12);
    EXPECT_EQ(module_->Log.size(), 3u);
}

TEST_F(LiveTest, UpdateBarAppliesAChangedDesignOnceAndRecordsIt) {
    bar_->SetPropertyChanged(3);
    bar_->SetPosition(zidMsoBarBottom);
    bar_->SetEnabled(false);
    bar_->SetCommandBarInterface(BarObject(officeBar_));
    ClearLog();
    bar_->UpdateBar();
    EXPECT_EQ(officeBar_->position, hostsim::msoBarPos::Bottom);
    EXPECT_FALSE(officeBar_->enabled);
    EXPECT_TRUE(Writes(L"Visible").empty()) << "a disabled bar's Visible is left alone";
    EXPECT_TRUE(Writes(L"Left").empty() && Writes(L"Top").empty() && Writes(L"RowIndex").empty())
        << "-1 leaves Office's place";
    EXPECT_EQ(Record(L"CommandBars", L"Tessary"), 3);

    // The user moves the bar: the same design does not move it back, Access always does.
    officeBar_->position = hostsim::msoBarPos::Left;
    bar_->UpdateBar();
    EXPECT_EQ(officeBar_->position, hostsim::msoBarPos::Left);
    module_->SetHostType(ohaAccess);
    bar_->UpdateBar();
    EXPECT_EQ(officeBar_->position, hostsim::msoBarPos::Bottom);

    // Word with a ribbon shows a bar meant for it again on every update, when it is enabled.
    module_->SetHostType(ohaWord);
    module_->SetUsesRibbon(true);
    bar_->SetUseForRibbon(true);
    bar_->SetEnabled(true);
    officeBar_->visible = false;
    bar_->UpdateBar();
    EXPECT_TRUE(officeBar_->visible);
}

TEST_F(LiveTest, UpdateControlPushesANewDesignAndKeepsTheUsersChangesToARecordedOne) {
    button_->SetCaption(L"Zippen");
    button_->SetFaceID(59);
    button_->SetTemporary(false);
    button_->SetPropertyChanged(2);
    Bind();
    EXPECT_TRUE(button_->UpdateControl()) << "no record: changed";
    EXPECT_EQ(office_->props.caption, L"Zippen");
    EXPECT_EQ(office_->props.faceId, 59);
    EXPECT_EQ(Record(L"Controls", L"tsyZip"), 2);

    office_->props.caption = L"Vom Benutzer";
    ClearLog();
    EXPECT_FALSE(button_->UpdateControl());
    EXPECT_EQ(office_->props.caption, L"Vom Benutzer");
    EXPECT_TRUE(Writes(L"Caption").empty());

    WriteRecord(L"Controls", L"tsyZip", 1); // the design changed since
    button_->BindOfficeControl(nullptr);
    button_->SetCaption(L"Zippen");
    Bind();
    EXPECT_TRUE(button_->UpdateControl());
    EXPECT_EQ(office_->props.caption, L"Zippen");
}

TEST_F(LiveTest, HyperlinkKindIsTakenFromOfficeAndFaceZeroKeepsOfficesFace) {
    office_->props.faceId = 17;
    office_->props.hyperlinkType = 1;
    Bind();
    ClearLog();
    button_->UpdateControl();
    EXPECT_EQ(office_->props.faceId, 17);
    EXPECT_TRUE(Writes(L"Picture").empty() && Writes(L"Mask").empty()) << "no glyph, no picture";
    button_->BindOfficeControl(nullptr);
    EXPECT_EQ(button_->HyperlinkType(), zidMsoCommandBarButtonHyperlinkOpen);
}

// A hyperlink kind or list style Office answers that no name stands for: the stored one answers, the
// design pushed keeps it, and a write goes through.
TEST_F(LiveTest, AnOfficeKindOrStyleOutsideTheTableLeavesTheStoredOne) {
    button_->SetHyperlinkType(zidMsoCommandBarButtonHyperlinkInsertPicture);
    office_->props.hyperlinkType = 7;
    Bind();
    EXPECT_EQ(button_->HyperlinkType(), zidMsoCommandBarButtonHyperlinkInsertPicture);
    EXPECT_TRUE(button_->UpdateControl());
    button_->BindOfficeControl(nullptr);
    EXPECT_EQ(button_->HyperlinkType(), zidMsoCommandBarButtonHyperlinkInsertPicture);
    Bind();
    button_->SetHyperlinkType(zidMsoCommandBarButtonHyperlinkInsertPicture);
    EXPECT_EQ(office_->props.hyperlinkType, 2);

    hostsim::ControlRef officeEdit = AddOfficeControl(officeBar_, hostsim::msoControl::Edit, L"tsyFind");
    TzidCommandBarControl *edit = bar_->Controls()->CreateItem(cctEdit);
    auto *list = static_cast<TzidCustomCommandBarComboBox *>(edit);
    edit->SetOfficeTag(L"tsyFind");
    list->SetStyle(zidMsoComboLabel);
    officeEdit->props.comboStyle = 5;
    edit->BindOfficeControl(ControlObject(officeEdit));
    EXPECT_EQ(list->Style(), zidMsoComboLabel);
    list->SetStyle(zidMsoComboLabel);
    EXPECT_EQ(officeEdit->props.comboStyle, 1);
    EXPECT_TRUE(module_->Log.empty()) << testing::PrintToString(module_->Log);
}

} // namespace
} // namespace cbtest
