// Custom task panes as Office makes them (refused for a class it cannot create, hidden and docked right
// otherwise) and Office's size and docking rules. The panes' events and contents are the framework's
// pane suites'.
#include <gtest/gtest.h>

#include "classlib/OleString.h"
#include "hostsim/RibbonUIObject.h"
#include "hostsim/TaskPaneFactory.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;

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
    ComPtr<IDispatch> window;
    EXPECT_EQ(S_OK, pane->get_Window(window.Put()));
    EXPECT_EQ(active, window.Get()) << "no window given: the active one";
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
