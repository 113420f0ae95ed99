// Office's own controls in the add-in's design, placed by their Id in Word 2003: a built-in control
// put on the add-in's bar and found there again at the next start, a built-in menu the add-in puts
// its items into, a placed control the user removed that stays removed, and a built-in button whose
// action is the add-in's (DisableStandardAction) or stays Office's.
#include "WindowsFixture.h"

#include "classlib/Reader.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"

namespace id = hostsim::catalogue::id;

namespace wintest {
namespace {

// Kinds: 5 (an Office control by Id) twice, 0 (a button) twice; 4 (a popup); 0.
const wchar_t kDesign[] =
    L"object WindowsModule: TWindowsModule\n"
    L"  object OwnBar: TzidCommandBar CommandBarName = 'Test Own' SupportedApps = [ohaWord]\n"
    L"    ButtonTypes = {0400000005000000050000000000000000000000}\n"
    L"    Buttons = <\n"
    L"      item OfficeID = 3 OfficeTag = 'ownSave' end\n"
    L"      item OfficeID = 4 OfficeTag = 'ownPrint' end\n"
    L"      item OfficeID = 3 OfficeTag = 'runSave' DisableStandardAction = True end\n"
    L"      item OfficeID = 4 OfficeTag = 'runPrint' end > end\n"
    L"  object MenuBar: TzidCommandBar CommandBarName = 'Menu Bar' SupportedApps = [ohaWord]\n"
    L"    ButtonTypes = {0100000004000000}\n"
    L"    Buttons = < item OfficeID = 30002 OfficeTag = 'fileMenu' ButtonTypes = {0100000000000000}\n"
    L"      Buttons = < item Caption = 'Zippen' OfficeTag = 'fileZip' end > end > end\n"
    L"end\n";

class TClicks : public classlib::TObject {
public:
    void Click(classlib::TObject *Sender) {
        Tags.push_back(static_cast<framework::TzidCommandBarControl *>(Sender)->StoredOfficeTag());
    }
    std::vector<std::wstring> Tags;
};

class BuiltInControlsTest : public WindowsFixture {
protected:
    // Word's connection to a new add-in object whose module holds the design, as if its form did;
    // start-up complete builds the bars.
    void StartWithDesign() {
        ASSERT_EQ(WindowsFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()),
                  S_OK);
        ASSERT_EQ(addIn_->OnConnection(word_->Application(), ext_cm_Startup, nullptr, &custom_), S_OK);
        classlib::ReadComponentForm(kDesign, Module());
        ASSERT_EQ(addIn_->OnStartupComplete(&custom_), S_OK);
        for (int i : {2, 3})
            Bar(L"OwnBar")->Controls()->Items(i)->AsCommandBarButton()->OnClick =
                classlib::MakeEvent<&TClicks::Click>(&clicks_);
    }
    framework::TzidCustomCommandBar *Bar(const wchar_t *Name) {
        return dynamic_cast<framework::TzidCustomCommandBar *>(Module()->FindComponent(Name));
    }
    hostsim::ControlRef Tagged(const std::wstring &Tag) {
        return appBars_->Find({std::nullopt, std::nullopt, Tag});
    }
    // Office's controls of Id on the bar Name (popups' contents not counted).
    int OnBar(const std::wstring &Name, long Id) {
        int n = 0;
        for (const hostsim::ControlRef &c : appBars_->Set().FindBar(Name)->controls)
            n += c->alive && c->id == Id ? 1 : 0;
        return n;
    }
    // Word closes and starts again, and so does the add-in.
    void Restart() {
        Stop();
        appBars_->Restart();
        StartWithDesign();
    }

    TClicks clicks_;
};

TEST_F(BuiltInControlsTest, OfficesControlsArePlacedByIdFoundAgainAndKeepOrGiveUpTheirAction) {
    word_ = std::make_unique<hostsim::WordHost>(L"11.0");
    appBars_ = &hostsim::AttachCommandBars(*word_);
    word_->NewDocument();
    StartWithDesign();
    hostsim::ControlRef save = Tagged(L"ownSave");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->id, id::Save);
    EXPECT_TRUE(save->BuiltIn()) << "Office's own Save, on the add-in's bar";
    EXPECT_EQ(save->Parent(), appBars_->Set().FindBar(L"Test Own"));
    EXPECT_NE(Tagged(L"ownPrint"), nullptr);

    // Office's File menu takes the add-in's item; no second File menu.
    EXPECT_EQ(OnBar(L"Menu Bar", id::FileMenu), 1);
    hostsim::ControlRef fileMenu = appBars_->Find({std::nullopt, id::FileMenu, std::nullopt});
    hostsim::ControlRef zip = Tagged(L"fileZip");
    ASSERT_NE(zip, nullptr);
    EXPECT_EQ(zip->Parent(), fileMenu->subBar);
    EXPECT_TRUE(Bar(L"MenuBar")->Controls()->Items(0)->ControlInterface());

    // A built-in button runs the add-in instead of Office's action only when the design says so;
    // the add-in hears both clicks.
    const std::wstring progId = WindowsFactory().GetProgID();
    EXPECT_EQ(Tagged(L"runSave")->props.onAction, L"!<" + progId + L">");
    EXPECT_EQ(Tagged(L"runPrint")->props.onAction, L"");
    EXPECT_FALSE(Tagged(L"runSave")->BuiltIn());
    EXPECT_TRUE(Tagged(L"runPrint")->BuiltIn());
    appBars_->UserClick(Tagged(L"runSave"));
    appBars_->UserClick(Tagged(L"runPrint"));
    EXPECT_EQ(clicks_.Tags, (std::vector<std::wstring>{L"runSave", L"runPrint"}));

    // The next start finds what the add-in placed; the control the user removed stays removed.
    appBars_->UserDelete(Tagged(L"ownPrint"));
    Restart();
    EXPECT_EQ(Tagged(L"ownSave"), save) << "found again by its Id, not placed twice";
    EXPECT_EQ(OnBar(L"Test Own", id::Save), 2) << "the placed Save and the Save that runs the add-in";
    EXPECT_EQ(Tagged(L"ownPrint"), nullptr);
    EXPECT_EQ(OnBar(L"Menu Bar", id::FileMenu), 1);
    EXPECT_EQ(Tagged(L"fileZip"), zip);
    EXPECT_TRUE(Bar(L"OwnBar")->Controls()->Items(0)->ControlInterface());
    EXPECT_FALSE(Bar(L"OwnBar")->Controls()->Items(1)->ControlInterface());
    clicks_.Tags.clear();
    appBars_->UserClick(Tagged(L"runSave"));
    EXPECT_EQ(clicks_.Tags, std::vector<std::wstring>{L"runSave"});
}

} // namespace
} // namespace wintest
