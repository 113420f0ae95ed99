// The question to close running hosts before registering: which hosts it names, and what Try Again,
// Continue and Cancel do. Hosts run as stand-ins in the running-object table.
#include "RegistrationFixture.h"

#include "classlib/ComGuard.h"
#include "classlib/ComServer.h"
#include "classlib/MessageDialogs.h"
#include "framework/core/ModuleErrors.h"

using namespace framework;

namespace regtest {
namespace {

struct TShownDialog {
    std::wstring Text;
    std::wstring Caption;
    UINT Flags;
};

class CloseHostsTest : public RegistrationFixture {
protected:
    void SetUp() override {
        RegistrationFixture::SetUp();
        settings().SupportedApps = TzidHostAppSet{ohaWord, ohaOutlook};
        settings().DisplayAlerts = true;
        settings().AddInName = L"Closer";
        InstallHost(ohaOutlook);
        InstallHost(ohaWord);
        RunHost(ohaOutlook);
    }

    void RegisterPerUser() {
        PerUserRegistration = true;
        factory().UpdateRegistry(true);
    }
    // Answers the dialogs in turn; onShow runs before each answer.
    void Answer(std::vector<int> answers, std::function<void(int)> onShow = {}) {
        answers_ = std::move(answers);
        onShow_ = std::move(onShow);
    }

    std::vector<TShownDialog> shown_;
    classlib::TMessageBoxHookScope hook_{
        [this](HWND, const std::wstring &text, const std::wstring &caption, UINT flags) {
            shown_.push_back({text, caption, flags});
            size_t n = shown_.size() - 1;
            if (onShow_)
                onShow_(static_cast<int>(n));
            return n < answers_.size() ? answers_[n] : IDCANCEL;
        }};
    std::vector<int> answers_;
    std::function<void(int)> onShow_;
};

TEST_F(CloseHostsTest, TryAgainAsksAgainWhileTheHostRunsAndContinueRegistersAnyway) {
    Answer({IDTRYAGAIN, IDCONTINUE});
    RegisterPerUser();

    ASSERT_EQ(shown_.size(), 2u);
    EXPECT_EQ(shown_[0].Text, L"Please close all running host application instances:\r\nOutlook ");
    EXPECT_EQ(shown_[0].Caption, L"Closer");
    EXPECT_EQ(shown_[0].Flags & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));
    EXPECT_EQ(shown_[0].Flags & MB_TYPEMASK, static_cast<UINT>(MB_CANCELTRYCONTINUE));
    EXPECT_EQ(shown_[1].Flags, shown_[0].Flags);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, outlookKey));
}

TEST_F(CloseHostsTest, EveryRunningHostIsNamedInHostOrder) {
    RunHost(ohaWord);
    Answer({IDCONTINUE});
    RegisterPerUser();
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].Text, L"Please close all running host application instances:\r\nWord Outlook ");
}

TEST_F(CloseHostsTest, TryAgainAfterTheHostClosedGoesOnWithoutAskingAgain) {
    Answer({IDTRYAGAIN}, [this](int) { StopHost(ohaOutlook); });
    RegisterPerUser();
    EXPECT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, outlookKey));
}

// Cancel, and a box that could not be shown (0), stop; through the server's entry point the cancel
// becomes its error code, and neither the class, the type library nor the add-in key has been written.
TEST_F(CloseHostsTest, CancelStopsBeforeAnythingIsWritten) {
    Answer({0});
    try {
        factory().UpdateRegistry(true);
        FAIL() << "no exception";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), zidErrRegistrationCanceled);
        EXPECT_EQ(e.Message(), L"The registration process has been canceled.");
        EXPECT_EQ(e.HelpContext(), 0);
    }
    shown_.clear();
    Answer({IDCANCEL});
    EXPECT_EQ(classlib::ComServerRegister(), ZidErrorHResult(zidErrRegistrationCanceled));
    EXPECT_EQ(shown_.size(), 1u);
    EXPECT_TRUE(IsEmpty(HKEY_CURRENT_USER));
    EXPECT_TRUE(IsEmpty(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(IsEmpty(HKEY_CLASSES_ROOT));
}

// Unregistration asks too, and a cancel there leaves the registration whole.
TEST_F(CloseHostsTest, CancelOfUnregistrationKeepsTheAddInKey) {
    settings().DisplayAlerts = false;
    RegisterPerUser();
    settings().DisplayAlerts = true;
    Answer({IDCANCEL});
    EXPECT_THROW(factory().UpdateRegistry(false), classlib::EOleSysError);
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, outlookKey, L"LoadBehavior"), 3u);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, outlookKey, L"ZIDStartMode"), L"<missing>");
}

// Only supported, installed hosts are looked for, and only when the module asks to.
TEST_F(CloseHostsTest, NoQuestionWithoutDisplayAlertsOrForAnUnsupportedHost) {
    settings().DisplayAlerts = false;
    RegisterPerUser();
    EXPECT_TRUE(shown_.empty());
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, outlookKey));

    settings().DisplayAlerts = true;
    settings().SupportedApps = TzidHostAppSet{ohaWord};
    factory().UpdateRegistry(true);
    EXPECT_TRUE(shown_.empty()) << "Outlook runs but is not supported";
}

} // namespace
} // namespace regtest
