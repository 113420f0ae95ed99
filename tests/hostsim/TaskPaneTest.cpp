// Custom task panes: creation through the factory, Office's size and docking rules, and the pane's
// events after changes by the program and by the user.
#include <gtest/gtest.h>

#include "SimTestSink.h"
#include "classlib/OleString.h"
#include "hostsim/RibbonUIObject.h"
#include "hostsim/TaskPaneContent.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/TaskPaneObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;
using hostsim_test::TestSink;

namespace {

class TaskPaneTest : public testing::Test {
protected:
    SimWorld world{L"Word"};
    IDispatch *active = world.Create<RibbonUIObject>(L"Window1"); // stands for a window
    TaskPaneFactory *factory = world.Create<TaskPaneFactory>(nullptr, active);
    ComPtr<ICTPFactory> ctp = ComPtr<ICTPFactory>::Copy(factory);

    ComPtr<_CustomTaskPane> Create(const wchar_t *progId, const OleVariant &window = OleVariant::Missing()) {
        ComPtr<_CustomTaskPane> pane;
        EXPECT_EQ(S_OK, ctp->CreateCTP(TBStr(progId).Get(), TBStr(L"Pane").Get(), window.Var(), pane.Put()));
        return pane;
    }
};

TEST_F(TaskPaneTest, CreateNeedsACreatableProgIdAndMakesAHiddenPaneDockedRight) {
    _CustomTaskPane *raw = reinterpret_cast<_CustomTaskPane *>(0xdeadbeef);
    EXPECT_EQ(CO_E_CLASSSTRING, ctp->CreateCTP(TBStr(L"No.Such.Control").Get(), TBStr(L"Pane").Get(),
                                               OleVariant::Missing().Var(), &raw));
    EXPECT_EQ(nullptr, raw);
    EXPECT_TRUE(factory->Panes().empty());

    factory->AllowProgId(L"Tessary.PaneControl");
    ComPtr<_CustomTaskPane> pane = Create(L"Tessary.PaneControl");
    ASSERT_TRUE(pane);
    VARIANT_BOOL visible = VARIANT_TRUE;
    EXPECT_EQ(S_OK, pane->get_Visible(&visible));
    EXPECT_EQ(VARIANT_FALSE, visible);
    MsoCTPDockPosition dock{};
    EXPECT_EQ(S_OK, pane->get_DockPosition(&dock));
    EXPECT_EQ(msoCTPDockPositionRight, dock);
    ComPtr<IDispatch> window, content;
    EXPECT_EQ(S_OK, pane->get_Window(window.Put()));
    EXPECT_EQ(active, window.Get()) << "no window given: the active one";
    EXPECT_EQ(S_OK, pane->get_ContentControl(content.Put()));
    auto *placeholder = dynamic_cast<TaskPaneContent *>(SimObject::FromUnknown(content.Get()));
    ASSERT_NE(nullptr, placeholder);
    EXPECT_EQ(L"Tessary.PaneControl", placeholder->ProgId());

    IDispatch *other = world.Create<RibbonUIObject>(L"Window2");
    ComPtr<_CustomTaskPane> second = Create(L"Tessary.PaneControl", OleVariant(other));
    EXPECT_EQ(S_OK, second->get_Window(window.Put()));
    EXPECT_EQ(other, window.Get());
    EXPECT_EQ(2u, factory->Panes().size());
}

TEST_F(TaskPaneTest, EventsFollowActualChangesByProgramAndUser) {
    factory->AllowProgId(L"P");
    ComPtr<_CustomTaskPane> pane = Create(L"P");
    auto sink = classlib::Make<TestSink>(DIID__CustomTaskPaneEvents);
    ASSERT_EQ(S_OK, sink->Connect(pane.Get()));
    auto *sim = dynamic_cast<TaskPaneObject *>(SimObject::FromUnknown(pane.Get()));

    ASSERT_EQ(S_OK, pane->put_Visible(VARIANT_TRUE));
    ASSERT_EQ(S_OK, pane->put_Visible(VARIANT_TRUE)); // no change, no event
    sim->UserSetVisible(false);
    ASSERT_EQ(S_OK, pane->put_DockPosition(msoCTPDockPositionLeft));
    sim->UserDock(msoCTPDockPositionFloating);
    EXPECT_EQ(L"VisibleStateChange VisibleStateChange DockPositionStateChange DockPositionStateChange",
              sink->Names());
    EXPECT_EQ(L"VisibleStateChange(" + sim->Name() + L")", sink->events[0]);
    VARIANT_BOOL visible = VARIANT_TRUE;
    EXPECT_EQ(S_OK, pane->get_Visible(&visible));
    EXPECT_EQ(VARIANT_FALSE, visible) << "the user closed it";
    sink->Disconnect();
}

TEST_F(TaskPaneTest, SizesAndDockingFollowOfficesRules) {
    factory->AllowProgId(L"P");
    ComPtr<_CustomTaskPane> pane = Create(L"P");
    EXPECT_EQ(E_FAIL, pane->put_Height(300)) << "docked right: the height is the window's";
    EXPECT_EQ(S_OK, pane->put_Width(300));
    ASSERT_EQ(S_OK, pane->put_DockPosition(msoCTPDockPositionBottom));
    EXPECT_EQ(S_OK, pane->put_Height(300));
    EXPECT_EQ(E_FAIL, pane->put_Width(250));
    EXPECT_EQ(E_INVALIDARG, pane->put_DockPosition(static_cast<MsoCTPDockPosition>(5)));

    ASSERT_EQ(S_OK, pane->put_DockPositionRestrict(msoCTPDockPositionRestrictNoHorizontal));
    EXPECT_EQ(E_FAIL, pane->put_DockPosition(msoCTPDockPositionTop));
    EXPECT_EQ(S_OK, pane->put_DockPosition(msoCTPDockPositionLeft));
    ASSERT_EQ(S_OK, pane->put_DockPositionRestrict(msoCTPDockPositionRestrictNoChange));
    EXPECT_EQ(E_FAIL, pane->put_DockPosition(msoCTPDockPositionRight));
    EXPECT_EQ(S_OK, pane->put_DockPosition(msoCTPDockPositionLeft)) << "staying where it is is no change";
    EXPECT_EQ(E_INVALIDARG, pane->put_DockPositionRestrict(static_cast<MsoCTPDockPositionRestrict>(4)));

    ASSERT_EQ(S_OK, pane->Delete());
    MsoCTPDockPositionRestrict restrict {};
    EXPECT_EQ(E_FAIL, pane->get_DockPositionRestrict(&restrict)) << "a deleted pane no longer answers";
    EXPECT_TRUE(factory->Panes().empty());
}

} // namespace
