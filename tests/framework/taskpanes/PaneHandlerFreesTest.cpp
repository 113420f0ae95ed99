// Pane handlers that free what they were called for: a create or show handler that deletes its own
// definition or unloads the add-in (COMAddIn.Connect = False), and a BeforeDestroy handler that
// clears the definitions or unloads, from a deletion and from Word's DocumentChange. This program
// runs under Wine's heap checking; each test ends with every heap validated.
#include <gtest/gtest.h>

#include "HandlerKit.h"
#include "PaneFixture.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/WordHost.h"

using framework::TzidCustomTaskPane;
using framework::TzidCustomTaskPaneInstance;

namespace panetest {
namespace {

class PaneHandlers : public PaneFixture {
protected:
    void SetUp() override {
        PaneFixture::SetUp();
        document_ = host_.NewDocument();
        factory_ = host_.World().Create<hostsim::TaskPaneFactory>(host_.Application(), nullptr);
    }
    void TearDown() override {
        PaneFixture::TearDown();
        EXPECT_TRUE(factory_->Panes().empty()) << "a pane was left in the host";
        EXPECT_HEAPS_VALID();
    }
    // A started add-in with Office's entry: Connect = False disconnects it as the user's unload does
    // and lets go of it. The panes come with the factory (HandOver).
    void Start() {
        if (addIn_) {
            EXPECT_EQ(Disconnect(addIn_.Get(), ext_dm_HostShutdown), S_OK);
        }
        addIn_ = StartAddIn(host_.Application());
        auto *entry =
            host_.World().Create<hostsim::ComAddInObject>(L"PaneTest", L"{}", L"", host_.Application());
        entry->SetConnected(true);
        entry->SetConnectHandler([this](bool Connect) {
            if (!Connect && addIn_) {
                EXPECT_EQ(Disconnect(addIn_.Get(), ext_dm_UserClosed), S_OK);
                addIn_.Reset();
            }
        });
        Module().SetCOMAddIn(classlib::ComPtr<::COMAddIn>::Copy(static_cast<::COMAddIn *>(entry)));
    }
    framework::TzidCOMAddInModule &Module() { return ModuleOf(addIn_); }
    void Unload() { EXPECT_EQ(Module().COMAddIn()->put_Connect(VARIANT_FALSE), S_OK); }

    hostsim::WordHost host_{L"14.0"};
    hostsim::SimWordDocument *document_ = nullptr;
    hostsim::TaskPaneFactory *factory_ = nullptr;
};

TEST_F(PaneHandlers, ACreateOrShowHandlerThatFreesItsDefinitionOrUnloadsEndsTheCreation) {
    testsupport::TTestHandler<void(TzidCustomTaskPane *, IDispatch *, bool &)> beforeCreate;
    testsupport::TTestHandler<void(TzidCustomTaskPane *, TzidCustomTaskPaneInstance *)> afterCreate;
    testsupport::TTestHandler<void(TzidCustomTaskPane *, TzidCustomTaskPaneInstance *, bool &)> beforeShow;
    for (int step = 0; step < 6; ++step) {
        Start();
        const bool unloads = step >= 3;
        int calls = 0;
        // The handler of kind step % 3 frees its definition, or unloads, at its first call.
        auto act = [&](int Kind, TzidCustomTaskPane *Sender) {
            if (step % 3 != Kind || ++calls > 1)
                return;
            if (unloads)
                Unload();
            else
                delete Sender;
        };
        beforeCreate.Body = [&](TzidCustomTaskPane *Sender, IDispatch *, bool &) { act(0, Sender); };
        afterCreate.Body = [&](TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *) { act(1, Sender); };
        beforeShow.Body = [&](TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *, bool &) {
            act(2, Sender);
        };
        Module().OnTaskPaneBeforeCreate = beforeCreate.Event();
        Module().OnTaskPaneAfterCreate = afterCreate.Event();
        Module().OnTaskPaneBeforeShow = beforeShow.Event();
        ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
        EXPECT_HEAPS_VALID();
        EXPECT_EQ(calls, 1) << "step " << step;
        EXPECT_TRUE(factory_->Panes().empty()) << "step " << step << ": a pane outlived its definition";
        EXPECT_EQ(addIn_ == nullptr, unloads) << "step " << step;
        EXPECT_EQ(PaneLog().Errors(), 0) << "step " << step;
    }
}

// The instance announcing its destruction is not freed again by the definitions going; the Word
// DocumentChange that dropped it stops with the definition.
TEST_F(PaneHandlers, ABeforeDestroyHandlerThatClearsTheDefinitionsOrUnloads) {
    testsupport::TTestHandler<void(TzidCustomTaskPane *, TzidCustomTaskPaneInstance *)> beforeDestroy;
    for (int step = 0; step < 4; ++step) {
        Start();
        hostsim::SimWordDocument *second = host_.NewDocument();
        ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
        ASSERT_EQ(factory_->Panes().size(), 2u);
        int calls = 0;
        beforeDestroy.Body = [&](TzidCustomTaskPane *Sender, TzidCustomTaskPaneInstance *Instance) {
            EXPECT_EQ(Instance->Definition(), Sender);
            if (++calls > 1)
                return;
            if (step % 2 == 0)
                PanesOf(addIn_).Clear();
            else
                Unload();
        };
        Module().OnTaskPaneBeforeDestroy = beforeDestroy.Event();
        if (step < 2) {
            PanesOf(addIn_).DeleteInstancesForWindow(second->Window());
        } else {
            ASSERT_TRUE(host_.Close(second)); // DocumentChange: the closed window's pane goes
        }
        EXPECT_GE(calls, 1) << "step " << step; // clearing announces the other definition's pane too
        EXPECT_HEAPS_VALID();
        EXPECT_TRUE(factory_->Panes().empty()) << "step " << step;
        EXPECT_EQ(PaneLog().Errors(), 0) << "step " << step;
        if (step < 2) {
            ASSERT_TRUE(host_.Close(second));
        }
    }
}

// A host that lets go of the add-in without disconnecting it: the panes are announced while the
// add-in object is being destroyed, and their handler calls must not hold it again.
TEST_F(PaneHandlers, APaneAnnouncedWhileTheAddInObjectIsDestroyed) {
    Start();
    ASSERT_EQ(HandOver(addIn_.Get(), factory_), S_OK);
    int announced = 0;
    testsupport::TTestHandler<void(TzidCustomTaskPane *, TzidCustomTaskPaneInstance *)> beforeDestroy;
    beforeDestroy.Body = [&](TzidCustomTaskPane *, TzidCustomTaskPaneInstance *) { ++announced; };
    Module().OnTaskPaneBeforeDestroy = beforeDestroy.Event();
    addIn_.Reset();
    EXPECT_HEAPS_VALID();
    EXPECT_EQ(announced, 1);
}

} // namespace
} // namespace panetest
