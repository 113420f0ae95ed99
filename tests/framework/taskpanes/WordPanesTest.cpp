// Task panes in Word 2010: one per document window, and Word's one-window mode (ShowWindowsInTaskbar
// False), where only the active document's pane shows, as the user left it.
#include <gtest/gtest.h>

#include "PaneFixture.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/TaskPaneObject.h"
#include "hostsim/WordHost.h"

using classlib::ComPtr;
using hostsim::TaskPaneObject;

namespace panetest {
namespace {

class WordPanes : public PaneFixture {
protected:
    void SetUp() override {
        PaneFixture::SetUp();
        first_ = host_.NewDocument();
        second_ = host_.NewDocument();
        factory_ = host_.World().Create<hostsim::TaskPaneFactory>(host_.Application(), nullptr);
    }
    // Whether the live pane of each document's window shows, in document order.
    std::vector<bool> Shown() {
        std::vector<bool> shown;
        for (hostsim::SimWordDocument *document : {first_, second_})
            for (TaskPaneObject *pane : factory_->Panes())
                if (pane->Window() == static_cast<IDispatch *>(document->Window()))
                    shown.push_back(pane->Visible());
        return shown;
    }

    hostsim::WordHost host_{L"14.0"};
    hostsim::SimWordDocument *first_ = nullptr, *second_ = nullptr;
    hostsim::TaskPaneFactory *factory_ = nullptr;
};

TEST_F(WordPanes, OneWindowModeShowsTheActiveDocumentsPaneAsTheUserLeftIt) {
    host_.SetShowWindowsInTaskbar(false);
    ComPtr<IDTExtensibility2> addIn = StartAddIn(host_.Application());
    ASSERT_EQ(HandOver(addIn.Get(), factory_), S_OK);
    framework::TzidCOMAddInModule &module = ModuleOf(addIn);
    EXPECT_FALSE(module.ShowWindowsInTaskbar()) << "read when the factory came";
    ASSERT_EQ(Shown(), (std::vector<bool>{false, true})) << "one pane per document; the active one shows";

    // Word's DocumentChange after the user went to the first document.
    host_.Activate(first_->Window());
    PanesOf(addIn).RecreateInstances();
    EXPECT_EQ(Shown(), (std::vector<bool>{true, false})) << "hidden by the framework, not by the user";

    // The user closes the first document's pane: it stays closed when its document comes back.
    factory_->Panes()[0]->UserSetVisible(false);
    host_.Activate(second_->Window());
    PanesOf(addIn).RecreateInstances();
    host_.Activate(first_->Window());
    PanesOf(addIn).RecreateInstances();
    EXPECT_EQ(Shown(), (std::vector<bool>{false, false}));

    // A window per document again: every pane follows its definition.
    host_.SetShowWindowsInTaskbar(true);
    PanesOf(addIn).RecreateInstances();
    EXPECT_TRUE(module.ShowWindowsInTaskbar());
    EXPECT_EQ(Shown(), (std::vector<bool>{true, true}));

    // A closed document's pane goes with it (Word's DocumentChange); the next window activation
    // makes none for it again.
    PaneLog().Events.clear();
    ASSERT_TRUE(host_.Close(second_));
    second_ = nullptr;
    EXPECT_EQ(PaneLog().Events, std::vector<std::wstring>{L"BeforeDestroy:Everywhere"});
    PanesOf(addIn).CreatePanesForWindow(first_->Window(), framework::zidPaneWindowHost);
    EXPECT_EQ(factory_->Panes().size(), 1u);
    EXPECT_EQ(PaneLog().Events, std::vector<std::wstring>{L"BeforeDestroy:Everywhere"});
    EXPECT_EQ(PaneLog().Errors(), 0);
    ASSERT_EQ(Disconnect(addIn.Get(), ext_dm_HostShutdown), S_OK);
    EXPECT_TRUE(factory_->Panes().empty());
}

// A factory handed over before start-up complete: the start-up makes the panes of the open
// documents, after reading Word's window mode.
TEST_F(WordPanes, TheStartupMakesThePanesOfTheOpenDocuments) {
    host_.SetShowWindowsInTaskbar(false);
    ComPtr<IDTExtensibility2> addIn = ConnectAddIn(host_.Application());
    ASSERT_EQ(HandOver(addIn.Get(), factory_), S_OK);
    EXPECT_TRUE(factory_->Panes().empty()) << "not before start-up complete";
    ASSERT_EQ(CompleteStartup(addIn.Get()), S_OK);
    EXPECT_FALSE(ModuleOf(addIn).ShowWindowsInTaskbar());
    EXPECT_EQ(Shown(), (std::vector<bool>{false, true}));
    ASSERT_EQ(Disconnect(addIn.Get(), ext_dm_UserClosed), S_OK);
    EXPECT_TRUE(factory_->Panes().empty());
}

} // namespace
} // namespace panetest
