// The add-in module on its own: created from its form, its settings' rules, its error reporting, its
// look-ups (a form that breaks the rules is the fault injection test's).
#include <stdexcept>

#include "CoreFixture.h"
#include "classlib/Classes.h"
#include "framework/core/ModuleErrors.h"
#include "framework/core/ProcessState.h"
#include "hostsim/SimWindow.h"

using namespace framework;

namespace coretest {
namespace {

class ModuleTest : public CoreFixture {
protected:
    void SetUp() override {
        CoreFixture::SetUp();
        module_.reset(classlib::Create<TCoreModule>(nullptr));
    }
    void TearDown() override {
        module_.reset();
        CoreFixture::TearDown();
    }
    std::unique_ptr<TCoreModule> module_;
};

TEST_F(ModuleTest, EmptyNameOrHostSetIsRefusedAndTheOldValueKept) {
    try {
        module_->SetSupportedApps({});
        FAIL() << "an empty host set was accepted";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), 31101);
        EXPECT_EQ(e.HelpContext(), 0);
        EXPECT_EQ(e.Message(), L"The SupportedApps property cannot be empty.");
    }
    EXPECT_EQ(module_->SupportedApps(), (TzidHostAppSet{ohaWord, ohaOutlook}));
    try {
        module_->SetAddInName(L"");
        FAIL() << "an empty name was accepted";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), zidErrEmptyProperty);
        EXPECT_EQ(e.Message(), L"The AddInName property cannot be empty.");
    }
    EXPECT_EQ(module_->AddInName(), L"Core Test");
}

TEST_F(ModuleTest, AHandledErrorShowsNothingAndAnUnhandledOneShowsTheMessage) {
    module_->DoError(classlib::Exception(L"first"));
    EXPECT_TRUE(messages_.empty());
    EXPECT_TRUE(CoreLog().Contains(L"Error:first"));

    CoreLog().HandleErrors = false;
    module_->DoError(classlib::Exception(L"second"));
    module_->OnError.Clear();
    module_->DoError(classlib::Exception(L"third"));
    ASSERT_EQ(messages_.size(), 2u);
    EXPECT_EQ(messages_[0].Text, L"Core Test error: the add-in has fired an exception.\r\nsecond");
    EXPECT_EQ(messages_[1].Text, L"Core Test error: the add-in has fired an exception.\r\nthird");
}

TEST_F(ModuleTest, AnErrorHandlerThatFailsLeavesTheErrorUnhandled) {
    struct TThrowingHandler : classlib::TObject {
        void Handle(const classlib::Exception &, bool &Handled) {
            Handled = true;
            throw std::runtime_error("the handler broke");
        }
    } handler;
    module_->OnError = classlib::MakeEvent<&TThrowingHandler::Handle>(&handler);
    EXPECT_NO_THROW(module_->DoError(classlib::Exception(L"original")));
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0].Text, L"Core Test error: the add-in has fired an exception.\r\noriginal");
}

TEST_F(ModuleTest, TheTaskPaneFactoryIsAnnouncedUnderTheGuard) {
    struct TListener : classlib::TObject {
        ICTPFactory *seen = reinterpret_cast<ICTPFactory *>(1);
        void Available(ICTPFactory *factory) {
            seen = factory;
            throw classlib::Exception(L"pane trouble");
        }
    } listener;
    module_->NotifyCTPFactoryAvailable(); // nobody listens: nothing happens
    module_->OnCTPFactoryAvailable = classlib::MakeEvent<&TListener::Available>(&listener);
    EXPECT_NO_THROW(module_->NotifyCTPFactoryAvailable());
    EXPECT_EQ(listener.seen, nullptr);
    EXPECT_TRUE(CoreLog().Contains(L"Error:pane trouble"));
}

TEST_F(ModuleTest, TheHostEventsComponentIsTheFirstOfItsClass) {
    EXPECT_EQ(module_->FindHostEventsComponent(TzidOutlookAppEvents::StaticClass()),
              module_->FindComponent(L"OutlookEvents"));
    EXPECT_EQ(module_->FindHostEventsComponent(TzidWordAppEvents::StaticClass()),
              module_->FindComponent(L"WordEvents"));
    EXPECT_EQ(module_->FindHostEventsComponent(TTestHostEvents::StaticClass()),
              module_->FindComponent(L"OutlookEvents"))
        << "a descendant counts, in component order";
    EXPECT_EQ(module_->FindHostEventsComponent(classlib::TTimer::StaticClass()), nullptr);
}

TEST(HostMainWindowTest, TheHostsWindowClassStopsTheSearch) {
    hostsim::SimWindow excel(L"Book1", L"XLMAIN");
    hostsim::SimWindow other(L"Other");
    HostMainWindow = nullptr;
    HostKind = ohaExcel;
    EXPECT_TRUE(TdivAzore::FindHostMainWindow(other.Handle(), 0));
    EXPECT_EQ(HostMainWindow, nullptr);
    EXPECT_FALSE(TdivAzore::FindHostMainWindow(excel.Handle(), 0));
    EXPECT_EQ(HostMainWindow, excel.Handle());

    HostMainWindow = nullptr;
    HostKind = ohaWord; // Word's window is not looked for
    EXPECT_TRUE(TdivAzore::FindHostMainWindow(excel.Handle(), 0));
    EXPECT_EQ(HostMainWindow, nullptr);
}

} // namespace
} // namespace coretest
