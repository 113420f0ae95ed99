// What a Word 2003 user keeps in the normal template (the simulated Word's bars) and in the registry
// when the add-in leaves: an uninstall while Word runs with the add-in loaded, and a user's unload
// followed by an uninstall. The design has two permanent bars, "Tessary" and "Tessary Tools", with a
// button each.
#include "RegistrationFixture.h"

#include "framework/commandbars/CommandBarModel.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/CommandBarsObject.h"

using namespace framework;

namespace regtest {
namespace {

using hostsim::msoControl::Button;
using hostsim::msoControl::Popup;

class WordBarsRemovalTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaWord};
        settings().RegisterForAllUsers = false;
        settings().Created = [](TRegTestModule &Module) {
            for (const auto &[name, tag] :
                 {std::pair{L"Tessary", L"Tessary Zip"}, std::pair{L"Tessary Tools", L"Tessary Tools Go"}}) {
                auto *bar = new TzidCommandBar(&Module);
                bar->SetCommandBarName(name);
                bar->SetSupportedApps({ohaWord});
                TzidCommandBarControl *button = bar->Controls()->CreateItem(cctButton);
                button->SetOfficeTag(tag);
                button->SetCaption(L"Go");
            }
        };
        PerUserRegistration = true;
        bars_ = &hostsim::AttachCommandBars(word());
        word().NewDocument();
        RunHost(ohaWord);
        factory().UpdateRegistry(true);
    }
    void TearDown() override {
        if (addIn_)
            Unload(ext_dm_HostShutdown);
        EXPECT_TRUE(settings().Errors.empty()) << testing::PrintToString(settings().Errors);
        RegistrationFixture::TearDown();
    }

    // Word loads the add-in at its start; it builds its bars.
    void Load() {
        ASSERT_EQ(factory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()), S_OK);
        ASSERT_EQ(addIn_->OnConnection(word().Application(), ext_cm_Startup, nullptr, &custom_), S_OK);
        ASSERT_EQ(addIn_->OnStartupComplete(&custom_), S_OK);
        ASSERT_NE(Bar(L"Tessary"), nullptr);
    }
    void Unload(ext_DisconnectMode Mode) {
        EXPECT_TRUE(Mode == ext_dm_UserClosed || addIn_->OnBeginShutdown(&custom_) == S_OK);
        EXPECT_EQ(addIn_->OnDisconnection(Mode, &custom_), S_OK);
        addIn_.Reset();
    }

    hostsim::BarRef Bar(const std::wstring &Name) { return bars_->Set().FindBar(Name); }
    hostsim::ControlRef Control(const std::wstring &Tag) { return bars_->Set().FindControl({.tag = Tag}); }
    // A control in Bar, recorded as an earlier build's when Recorded (a user's control has no tag).
    hostsim::ControlRef Add(const hostsim::BarRef &Bar, long Type, const std::wstring &Tag = L"",
                            bool Recorded = false) {
        hostsim::ControlRef control = bars_->Set().AddControl(Bar, Type, {}, {}, {}, false);
        control->props.tag = Tag;
        if (Recorded)
            WriteDword(HKEY_CURRENT_USER, wordKey + L"\\Controls", Tag, 3);
        return control;
    }
    std::wstring Organized(const std::wstring &Bar) {
        return word().NormalTemplate()->FullName() + L"|" + Bar + L"|2";
    }

    hostsim::CommandBarsObject *bars_ = nullptr;
    classlib::ComPtr<IDTExtensibility2> addIn_;
    SAFEARRAY *custom_ = nullptr;
};

// The clean-up takes the bars and their records out of the running Word; the add-in Word still has
// loaded builds nothing after that, neither while the uninstall goes on (its start mode says
// uninstall) nor once its key is gone: no document the user opens brings a bar or a record back.
TEST_F(WordBarsRemovalTest, AnUninstallWhileTheAddInIsLoadedLeavesNothingItWouldBuildAgain) {
    Load();
    int opened = 0;
    settings().BeforeUnregister = [&](TRegTestModule &) {
        word().NewDocument();
        ++opened;
    };

    factory().UpdateRegistry(false);
    word().NewDocument();

    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(Bar(L"Tessary")) << "a window switch built the bar again";
    EXPECT_FALSE(Bar(L"Tessary Tools"));
    EXPECT_FALSE(Control(L"Tessary Zip"));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey)) << "the records came back";
    EXPECT_EQ(word().OrganizerDeletes().size(), 2u);
}

// What the clean-up leaves in Word: a bar of ours that holds a control the user put there stays with
// that control, and so does its copy in the normal template; a menu an older version left, with a
// menu and an item of its own inside, goes whole, while a menu holding someone else's item stays.
TEST_F(WordBarsRemovalTest, AnUninstallKeepsTheUsersControlsAndLeavesNoEmptyMenuOfOurs) {
    Load();
    hostsim::ControlRef users = Add(Bar(L"Tessary"), Button);
    // The popups' records come before their items' (the registry lists them by name).
    hostsim::ControlRef menu = Add(Bar(L"Menu Bar"), Popup, L"Tessary Menu", true);
    hostsim::ControlRef submenu = Add(menu->subBar, Popup, L"Tessary Menu Sub", true);
    Add(submenu->subBar, Button, L"Tessary Menu Sub Item", true);
    hostsim::ControlRef shared = Add(Bar(L"Menu Bar"), Popup, L"Tessary Shared", true);
    hostsim::ControlRef foreign = Add(shared->subBar, Button);

    factory().UpdateRegistry(false);

    ASSERT_NE(Bar(L"Tessary"), nullptr) << "the bar holding the user's control went";
    ASSERT_EQ(Bar(L"Tessary")->controls.size(), 1u);
    EXPECT_EQ(Bar(L"Tessary")->controls[0], users);
    EXPECT_FALSE(Bar(L"Tessary Tools"));
    EXPECT_EQ(word().OrganizerDeletes(), std::vector<std::wstring>{Organized(L"Tessary Tools")})
        << "the normal template lost a bar that the clean-up kept";
    EXPECT_FALSE(menu->alive) << "an empty menu of ours stayed";
    EXPECT_FALSE(submenu->alive);
    EXPECT_TRUE(shared->alive);
    EXPECT_TRUE(foreign->alive);
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
}

// A user's unload takes the design's bars out of Word, keeping a bar the user added a control to, and
// keeps the records of what stays: that bar's, and that of a bar an older version built and this
// design no longer names. The uninstall after it finds that bar by its record and removes it.
TEST_F(WordBarsRemovalTest, AnUnloadKeepsTheRecordsOfWhatStaysSoThatAnUninstallRemovesIt) {
    // A bar an older version built and recorded; its recorded button goes at the start, the bar stays.
    Add(bars_->Set().AddBar(std::wstring(L"Tessary Old"), {}, false, false), Button, L"Tessary Old Zip",
        true);
    WriteDword(HKEY_CURRENT_USER, wordKey + L"\\CommandBars", L"Tessary Old", 1);
    Load();
    hostsim::ControlRef users = Add(Bar(L"Tessary Tools"), Button);

    Unload(ext_dm_UserClosed);

    EXPECT_FALSE(Bar(L"Tessary"));
    ASSERT_NE(Bar(L"Tessary Old"), nullptr);
    EXPECT_EQ(Bar(L"Tessary Old")->controls.size(), 0u);
    ASSERT_NE(Bar(L"Tessary Tools"), nullptr);
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, wordKey + L"\\CommandBars"),
              (std::vector<std::wstring>{L"Tessary Old", L"Tessary Tools"}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey + L"\\Controls"));

    factory().UpdateRegistry(false);

    EXPECT_FALSE(Bar(L"Tessary Old")) << "a bar of an older version stayed in Word for good";
    ASSERT_NE(Bar(L"Tessary Tools"), nullptr);
    EXPECT_TRUE(users->alive);
    EXPECT_EQ(word().OrganizerDeletes(),
              (std::vector<std::wstring>{Organized(L"Tessary"), Organized(L"Tessary Old")}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey));
}

} // namespace
} // namespace regtest
