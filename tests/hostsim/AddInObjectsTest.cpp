// What Office hands an add-in. Its COMAddIn entry, with the Object the add-in publishes; custom task
// panes as Office makes them (refused for a class it cannot create, hidden and docked right otherwise)
// and Office's size and docking rules. The panes' events and contents are the framework's pane
// suites'.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/RibbonUIObject.h"
#include "hostsim/TaskPaneFactory.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;

namespace {

const wchar_t kGuid[] = L"{2D6B6F1A-3C5E-4B4B-9B0E-6E1F1B3C9A10}";

TEST(ComAddIn, AnswersItsIdentityAndKeepsTheObjectTheAddInSets) {
    SimWorld world{L"Outlook"};
    ComAddInObject *sim = world.Create<ComAddInObject>(L"Tessary.TSY", kGuid, L"Tessary");
    auto asDispatch = ComPtr<IDispatch>::Copy(static_cast<IDispatch *>(sim));
    ComPtr<COMAddIn> addIn = asDispatch.As<COMAddIn>(); // as the add-in asks for it in OnConnection
    sim->SetConnected(true);

    TBStr text;
    ASSERT_EQ(S_OK, addIn->get_ProgId(text.Put()));
    EXPECT_EQ(L"Tessary.TSY", text.ToString());
    ASSERT_EQ(S_OK, addIn->get_Guid(text.Put()));
    EXPECT_EQ(kGuid, text.ToString());
    EXPECT_EQ(L"Tessary", classlib::DispGet(addIn.Get(), L"Description").ToString());

    RibbonUIObject *published = world.Create<RibbonUIObject>(L"AddInObject"); // any IDispatch
    ASSERT_EQ(S_OK, addIn->put_Object(published));
    EXPECT_EQ(1, published->ClientRefs()) << "the host holds what the add-in published";
    ComPtr<IDispatch> object = classlib::DispGet(addIn.Get(), L"Object").ToDispatch();
    EXPECT_EQ(static_cast<IDispatch *>(published), object.Get());
    object = nullptr;

    sim->SetConnected(false);
    EXPECT_EQ(0, published->ClientRefs()) << "released when the add-in is disconnected";
    IDispatch *none = reinterpret_cast<IDispatch *>(0xdeadbeef);
    EXPECT_EQ(S_OK, addIn->get_Object(&none));
    EXPECT_EQ(nullptr, none);
}

TEST(ComAddIn, ConnectGoesThroughTheHostsHandler) {
    SimWorld world{L"Word"};
    ComAddInObject *sim = world.Create<ComAddInObject>(L"Tessary.TSY", kGuid, L"Tessary");
    auto addIn = ComPtr<COMAddIn>::Copy(sim);
    std::vector<bool> requests;
    sim->SetConnectHandler([&](bool connect) {
        requests.push_back(connect);
        if (requests.size() == 3)
            throw classlib::EOleSysError(L"the add-in failed to load", E_FAIL);
    });
    ASSERT_EQ(S_OK, addIn->put_Connect(VARIANT_TRUE));
    ASSERT_EQ(S_OK, addIn->put_Connect(VARIANT_TRUE)); // already connected: nothing to do
    ASSERT_EQ(S_OK, addIn->put_Connect(VARIANT_FALSE));
    EXPECT_EQ(E_FAIL, addIn->put_Connect(VARIANT_TRUE));
    EXPECT_EQ((std::vector<bool>{true, false, true}), requests);
    VARIANT_BOOL connect = VARIANT_TRUE;
    EXPECT_EQ(S_OK, addIn->get_Connect(&connect));
    EXPECT_EQ(VARIANT_FALSE, connect) << "a refused connection leaves the add-in unconnected";
}

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
