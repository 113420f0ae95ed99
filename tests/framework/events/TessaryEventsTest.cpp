// The product's own event components: Tessary.dll, loaded the way Office loads it, listens to Outlook
// (its Application twice from Outlook 2007 on, its windows) and to Word through the components its
// module's form holds, and lets go of all of them when it is disconnected.
#include <gtest/gtest.h>

#include "AddInLibrary.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"
#include "office/office.h"

#include "ScratchRegistry.h"

#include <optional>

using classlib::ComPtr;
namespace ol = hostsim::ol;

namespace {

class TessaryEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
        registry_.emplace(testsupport::TScratchRoots::UserAndMachine);
        ASSERT_TRUE(registry_->Redirected());
        ASSERT_TRUE(library_.Loaded());
    }
    // Every host of the test has gone: the library may unload.
    void TearDown() override {
        EXPECT_EQ(library_.CanUnloadNow(), S_OK);
        registry_.reset();
        if (oleInitialized_)
            OleUninitialize();
    }
    ComPtr<IDTExtensibility2> NewAddIn() { return library_.CreateAddIn().TryAs<IDTExtensibility2>(); }

    addintest::TAddInLibrary library_;
    SAFEARRAY *custom_ = nullptr;

private:
    std::optional<testsupport::TScratchRegistry> registry_;
    bool oleInitialized_ = false;
};

TEST_F(TessaryEventsTest, TheModulesOutlookComponentsListenUntilDisconnection) {
    {
        hostsim::OutlookHost host(L"12.0.0.4518");
        auto *explorer = host.OpenExplorer(host.DefaultFolder(ol::olFolderInbox));
        ComPtr<IDTExtensibility2> addIn = NewAddIn();
        ASSERT_TRUE(addIn);
        ASSERT_EQ(addIn->OnConnection(host.Application(), ext_cm_Startup, nullptr, &custom_), S_OK);
        ASSERT_EQ(addIn->OnStartupComplete(&custom_), S_OK);
        auto &application = host.App().Events();
        // The framework's wrapper, zidOutlookAppEvents1 and the context-menu sink.
        EXPECT_EQ(application.SinkCount(DIID_OutlookApplicationEvents_11), 3);
        EXPECT_EQ(host.NameSpace().Events().SinkCount(DIID_OutlookNameSpaceEvents), 2);
        EXPECT_EQ(host.Reminders()->Events().SinkCount(DIID_OutlookReminderCollectionEvents), 1);
        // zidOutlookAppEvents1's explorer sinks (and whatever else of the framework follows the windows).
        EXPECT_GE(explorer->Events().SinkCount(DIID_OutlookExplorerEvents_10), 1);
        auto *second = host.OpenExplorer(host.DefaultFolder(ol::olFolderSentMail));
        EXPECT_GE(second->Events().SinkCount(DIID_OutlookExplorerEvents_10), 1)
            << "a new explorer is followed";

        EXPECT_EQ(addIn->OnBeginShutdown(&custom_), S_OK);
        EXPECT_EQ(addIn->OnDisconnection(ext_dm_HostShutdown, &custom_), S_OK);
        EXPECT_EQ(application.SinkCount(DIID_OutlookApplicationEvents_11), 0);
        EXPECT_EQ(host.NameSpace().Events().SinkCount(DIID_OutlookNameSpaceEvents), 0);
        EXPECT_EQ(host.Reminders()->Events().SinkCount(DIID_OutlookReminderCollectionEvents), 0);
        EXPECT_EQ(explorer->Events().SinkCount(DIID_OutlookExplorerEvents_10), 0);
        EXPECT_EQ(second->Events().SinkCount(DIID_OutlookExplorerEvents_10), 0);
        EXPECT_EQ(library_.CanUnloadNow(), S_FALSE) << "the host still holds the add-in object";
    }
}

TEST_F(TessaryEventsTest, TheModulesWordComponentListensToWord) {
    hostsim::WordHost host(L"14.0");
    ComPtr<IDTExtensibility2> addIn = NewAddIn();
    ASSERT_TRUE(addIn);
    ASSERT_EQ(addIn->OnConnection(host.Application(), ext_cm_AfterStartup, nullptr, &custom_), S_OK);
    // The framework's wrapper and zidWordAppEvents.
    EXPECT_EQ(host.App().Events().SinkCount(DIID_WordApplicationEvents4), 2);
    EXPECT_EQ(addIn->OnDisconnection(ext_dm_HostShutdown, &custom_), S_OK);
    EXPECT_EQ(host.App().Events().SinkCount(DIID_WordApplicationEvents4), 0);
}

} // namespace
