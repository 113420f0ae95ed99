// Unregistration takes the recorded controls and bars out of Word, whether Word runs (it is used and
// left running) or not (it is started through COM for the clean-up and quit again); Outlook is never
// started for it. Controls of someone else, and a popup of ours that holds them, stay.
#include "RegistrationFixture.h"

#include "framework/commandbars/CommandBarModel.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/CommandBarsObject.h"
#include "tests/support/TraceRecorder.h"

using namespace framework;

namespace regtest {
namespace {

constexpr long kButton = 1;
constexpr long kPopup = 10;

class HostControlRemovalTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaWord, ohaOutlook};
        settings().RegisterForAllUsers = false;
        PerUserRegistration = true;
        bars_ = &hostsim::AttachCommandBars(word());
        hostRefs_ = bars_->ClientRefs(); // Word's own
        hostsim::CommandBarSet &set = bars_->Set();
        ourBar_ = set.AddBar(std::wstring(L"Tessary"), std::nullopt, false, false);
        zip_ = Add(ourBar_, kButton, L"Tessary Zip");
        old_ = Add(ourBar_, kButton, L"Tessary Old");
        hostsim::BarRef other = set.AddBar(std::wstring(L"Someone Else"), std::nullopt, false, false);
        foreign_ = Add(other, kButton, L"Someone Else's");
        emptyPopup_ = Add(other, kPopup, L"Tessary Empty Menu");
        fullPopup_ = Add(other, kPopup, L"Tessary Shared Menu");
        Add(fullPopup_->subBar, kButton, L"Someone Else's Item");
    }
    void TearDown() override {
        EXPECT_EQ(bars_->ClientRefs(), hostRefs_) << "the clean-up kept a reference to Word's command bars";
        RegistrationFixture::TearDown();
    }

    hostsim::ControlRef Add(const hostsim::BarRef &Bar, long Type, const std::wstring &Tag) {
        hostsim::ControlRef control =
            bars_->Set().AddControl(Bar, Type, std::nullopt, std::nullopt, std::nullopt, false);
        control->props.tag = Tag;
        return control;
    }

    // Registers the add-in and records what earlier builds put into Word.
    void RegisterWithRecords() {
        factory().UpdateRegistry(true);
        for (const auto &[tag, value] :
             std::vector<std::pair<std::wstring, DWORD>>{{L"Tessary Zip", 7},
                                                         {L"Tessary Old", 255},
                                                         {L"Tessary Empty Menu", 3},
                                                         {L"Tessary Shared Menu", 3}})
            WriteDword(HKEY_CURRENT_USER, wordKey + L"\\Controls", tag, value);
        WriteString(HKEY_CURRENT_USER, wordKey + L"\\CommandBars", L"Tessary", L"");
        WriteDword(HKEY_CURRENT_USER, outlookKey + L"\\Controls", L"Tessary Mail", 1);
    }

    void ExpectRecordedControlsGone() {
        EXPECT_FALSE(zip_->alive);
        EXPECT_FALSE(old_->alive);
        EXPECT_FALSE(emptyPopup_->alive);
        EXPECT_TRUE(fullPopup_->alive) << "a popup holding someone else's controls was removed";
        EXPECT_TRUE(foreign_->alive);
        EXPECT_EQ(bars_->Set().FindBar(L"Tessary"), nullptr) << "the emptied bar of ours stayed";
        EXPECT_NE(bars_->Set().FindBar(L"Someone Else"), nullptr);
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, wordKey + L"\\Controls"));
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, outlookKey + L"\\Controls"));
        EXPECT_TRUE(settings().Errors.empty());
    }

    hostsim::CommandBarsObject *bars_ = nullptr;
    LONG hostRefs_ = 0;
    hostsim::BarRef ourBar_;
    hostsim::ControlRef zip_, old_, foreign_, emptyPopup_, fullPopup_;
};

TEST_F(HostControlRemovalTest, WordIsStartedForTheCleanUpAndQuitOutlookIsNeverStarted) {
    hostsim::ClassRegistration wordClass(
        L"Word.Application", [this] { return classlib::ComPtr<IUnknown>::Copy(word().Application()); });
    hostsim::ClassRegistration outlookClass(
        L"Outlook.Application", [this] { return classlib::ComPtr<IUnknown>::Copy(outlook().Application()); });
    RegisterWithRecords();

    factory().UpdateRegistry(false);

    ExpectRecordedControlsGone();
    EXPECT_EQ(wordClass.Created(), 1);
    EXPECT_TRUE(word().HasQuit()) << "the Word started for the clean-up was left running";
    EXPECT_EQ(outlookClass.Created(), 0) << "Outlook was started for the clean-up";
}

// A Word the user runs loses the recorded controls and stays running; the clean-up saves what it
// changed there (the normal template the bar leaves), never a template holding the user's unsaved
// edits.
TEST_F(HostControlRemovalTest, RunningWordLosesTheRecordedControlsAndKeepsTheUsersUnsavedTemplates) {
    settings().Created = [](TRegTestModule &Module) {
        auto *bar = new TzidCommandBar(&Module);
        bar->SetCommandBarName(L"Tessary");
        bar->SetSupportedApps({ohaWord});
    };
    hostsim::SimWordTemplate *letter = word().AddTemplate(L"Letter.dot", L"C:\\Templates\\Letter.dot");
    letter->SetSaved(false);
    InstallHost(ohaOutlook);
    RunHost(ohaWord);
    RegisterWithRecords();

    factory().UpdateRegistry(false);

    ExpectRecordedControlsGone();
    EXPECT_FALSE(word().HasQuit()) << "a Word the user runs was quit";
    EXPECT_EQ(word().NormalTemplate()->SaveCount(), 1);
    EXPECT_EQ(letter->SaveCount(), 0) << "the user's unsaved edits were saved";
}

// A host that cannot be started keeps the bars: the trace says which and why.
TEST_F(HostControlRemovalTest, AHostThatCannotBeStartedIsTraced) {
    InstallHost(ohaWord); // its ProgID resolves, but no server answers
    RegisterWithRecords();
    testsupport::TTraceRecorder trace;

    factory().UpdateRegistry(false);

    EXPECT_EQ(trace.Count({L"Word.Application cannot be started (0x8", L"stay"}), 1);
    EXPECT_TRUE(zip_->alive);
}

} // namespace
} // namespace regtest
