// The command-bar objects through their vtables, as the framework calls them, and through IDispatch,
// as scripts do: look-ups, placement, deletion, restart, identity and failures.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarsObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;

namespace {

const OleVariant M = OleVariant::Missing();

class CommandBarsTest : public testing::Test {
protected:
    SimWorld world{L"Outlook"};
    CommandBarsObject *sim = world.Create<CommandBarsObject>(catalogue::OutlookExplorer());
    ComPtr<_CommandBars> bars = ComPtr<_CommandBars>::Copy(sim);

    ComPtr<CommandBar> AddBar(const wchar_t *name, bool temporary = false) {
        ComPtr<CommandBar> bar;
        EXPECT_EQ(S_OK, bars->Add(OleVariant(name).Var(), OleVariant(1).Var(), M.Var(),
                                  OleVariant(temporary).Var(), bar.Put()));
        return bar;
    }
    static ComPtr<CommandBarControl> Add(CommandBar *bar, const wchar_t *caption,
                                         const OleVariant &before = M, bool temporary = false,
                                         long type = msoControl::Button) {
        ComPtr<CommandBarControls> controls;
        EXPECT_EQ(S_OK, bar->get_Controls(controls.Put()));
        ComPtr<CommandBarControl> control;
        EXPECT_EQ(S_OK, controls->Add(OleVariant(static_cast<int>(type)).Var(), M.Var(), M.Var(),
                                      before.Var(), OleVariant(temporary).Var(), control.Put()));
        if (control) {
            EXPECT_EQ(S_OK, control->put_Caption(TBStr(caption).Get()));
        }
        return control;
    }
    static std::wstring Caption(CommandBarControl *control) {
        TBStr caption;
        EXPECT_EQ(S_OK, control->get_Caption(caption.Put()));
        return caption.ToString();
    }
    static long Index(CommandBarControl *control) {
        long index = -1;
        EXPECT_EQ(S_OK, control->get_Index(&index));
        return index;
    }
    ComPtr<CommandBarControl> FindByTag(const wchar_t *tag) {
        ComPtr<CommandBarControl> found;
        EXPECT_EQ(S_OK, bars->FindControl(M.Var(), M.Var(), OleVariant(tag).Var(), M.Var(), found.Put()));
        return found;
    }
};

TEST_F(CommandBarsTest, ItemByIndexOrNameAndAddRefusesNamesInUse) {
    long count = 0;
    ASSERT_EQ(S_OK, bars->get_Count(&count));
    EXPECT_EQ(3, count);
    ComPtr<CommandBar> byName, byIndex;
    ASSERT_EQ(S_OK, bars->get_Item(OleVariant(L"standard").Var(), byName.Put()));
    ASSERT_EQ(S_OK, bars->get_Item(OleVariant(2).Var(), byIndex.Put()));
    EXPECT_EQ(byName, byIndex) << "one object per bar";
    VARIANT_BOOL builtIn = VARIANT_FALSE;
    EXPECT_EQ(S_OK, byName->get_BuiltIn(&builtIn));
    EXPECT_EQ(VARIANT_TRUE, builtIn);

    CommandBar *raw = reinterpret_cast<CommandBar *>(0xdeadbeef);
    EXPECT_EQ(E_INVALIDARG, bars->get_Item(OleVariant(L"Nonesuch").Var(), &raw));
    EXPECT_EQ(nullptr, raw) << "a failed call leaves no pointer behind";
    EXPECT_EQ(E_INVALIDARG, bars->get_Item(OleVariant(4).Var(), &raw));

    ComPtr<CommandBar> mine = AddBar(L"Mine");
    ASSERT_TRUE(mine);
    VARIANT_BOOL visible = VARIANT_TRUE;
    EXPECT_EQ(S_OK, mine->get_Visible(&visible));
    EXPECT_EQ(VARIANT_FALSE, visible) << "a new bar starts hidden";
    EXPECT_EQ(E_INVALIDARG, bars->Add(OleVariant(L"MINE").Var(), M.Var(), M.Var(), M.Var(), &raw));
    EXPECT_EQ(S_OK, bars->get_Count(&count));
    EXPECT_EQ(4, count);

    ComPtr<CommandBar> menuBar;
    ASSERT_EQ(S_OK, bars->get_ActiveMenuBar(menuBar.Put()));
    TBStr name;
    EXPECT_EQ(S_OK, menuBar->get_Name(name.Put()));
    EXPECT_EQ(L"Menu Bar", name.ToString());
}

TEST_F(CommandBarsTest, FindControlByTypeIdTagAndRecursive) {
    ComPtr<CommandBar> bar = AddBar(L"Tools");
    ComPtr<CommandBarControl> popupControl = Add(bar.Get(), L"Menu", M, false, msoControl::Popup);
    ComPtr<CommandBarPopup> popup = popupControl.As<CommandBarPopup>();
    ComPtr<CommandBar> menu;
    ASSERT_EQ(S_OK, popup->get_CommandBar(menu.Put()));
    ComPtr<CommandBarControl> nested = Add(menu.Get(), L"Nested");
    ASSERT_EQ(S_OK, nested->put_Tag(TBStr(L"T").Get()));

    ComPtr<CommandBarControl> found;
    ASSERT_EQ(S_OK,
              bar->FindControl(M.Var(), M.Var(), OleVariant(L"T").Var(), M.Var(), M.Var(), found.Put()));
    EXPECT_FALSE(found) << "Recursive left out is False";
    ASSERT_EQ(S_OK, bar->FindControl(M.Var(), M.Var(), OleVariant(L"T").Var(), M.Var(),
                                     OleVariant(true).Var(), found.Put()));
    EXPECT_EQ(nested, found) << "the same object for the same control";
    ASSERT_EQ(S_OK, bar->FindControl(OleVariant(static_cast<int>(msoControl::ComboBox)).Var(), M.Var(),
                                     OleVariant(L"T").Var(), M.Var(), OleVariant(true).Var(), found.Put()));
    EXPECT_FALSE(found) << "the type must match too";
    EXPECT_EQ(nested, FindByTag(L"T")) << "CommandBars.FindControl searches every bar";

    // A built-in control by Id, the type given as the one-byte integer the framework passes.
    VARIANT type;
    type.vt = VT_UI1;
    type.bVal = msoControl::Button;
    ASSERT_EQ(S_OK, bars->FindControl(type, OleVariant(static_cast<int>(catalogue::id::Reply)).Var(), M.Var(),
                                      M.Var(), found.Put()));
    ASSERT_TRUE(found);
    long id = 0;
    EXPECT_EQ(S_OK, found->get_Id(&id));
    EXPECT_EQ(catalogue::id::Reply, id);
    ComPtr<_CommandBarButton> asButton = found.TryAs<_CommandBarButton>();
    EXPECT_TRUE(asButton);
    EXPECT_FALSE(found.TryAs<_CommandBarComboBox>()) << "a button is no combo box";
    EXPECT_FALSE(found.TryAs<CommandBarPopup>());

    EXPECT_EQ(DISP_E_TYPEMISMATCH,
              bars->FindControl(OleVariant(L"not a number").Var(), M.Var(), M.Var(), M.Var(), found.Put()));
}

TEST_F(CommandBarsTest, DeletedControlsAndBarsFailAndBuiltInBarsCannotBeDeleted) {
    ComPtr<CommandBar> standard;
    ASSERT_EQ(S_OK, bars->get_Item(OleVariant(L"Standard").Var(), standard.Put()));
    EXPECT_EQ(E_FAIL, standard->Delete());

    ComPtr<CommandBar> bar = AddBar(L"Tools");
    ComPtr<CommandBarControl> control = Add(bar.Get(), L"Gone");
    ASSERT_EQ(S_OK, control->put_Tag(TBStr(L"gone").Get()));
    ASSERT_EQ(S_OK, control->Delete(OleVariant(false).Var()));
    TBStr caption;
    EXPECT_EQ(E_FAIL, control->get_Caption(caption.Put()));
    EXPECT_FALSE(FindByTag(L"gone"));

    ComPtr<CommandBarControl> kept = Add(bar.Get(), L"Kept");
    ASSERT_EQ(S_OK, bar->Delete());
    EXPECT_EQ(E_FAIL, kept->put_Caption(TBStr(L"x").Get())) << "the bar's controls went with it";
    long count = 0;
    EXPECT_EQ(E_FAIL, bar->get_Index(&count));
    EXPECT_EQ(S_OK, bars->get_Count(&count));
    EXPECT_EQ(3, count);
}

TEST_F(CommandBarsTest, RestartKeepsPermanentControlsWithTheirStateAndDropsTemporaryOnes) {
    ComPtr<CommandBar> bar = AddBar(L"Tools");
    ComPtr<CommandBarControl> permanent = Add(bar.Get(), L"Permanent");
    ASSERT_EQ(S_OK, permanent->put_Tag(TBStr(L"P").Get()));
    ComPtr<CommandBarControl> temporary = Add(bar.Get(), L"Temporary", M, true);
    ASSERT_EQ(S_OK, temporary->put_Tag(TBStr(L"T").Get()));
    ComPtr<CommandBar> scratch = AddBar(L"Scratch", true);

    sim->Restart();
    TBStr caption;
    EXPECT_EQ(RPC_E_DISCONNECTED, permanent->get_Caption(caption.Put())) << "objects of the earlier run";
    EXPECT_EQ(RPC_E_DISCONNECTED, bar->get_Name(caption.Put()));

    ComPtr<CommandBarControl> again = FindByTag(L"P");
    ASSERT_TRUE(again);
    EXPECT_NE(permanent, again);
    EXPECT_EQ(L"Permanent", Caption(again.Get()));
    EXPECT_FALSE(FindByTag(L"T"));
    CommandBar *raw = nullptr;
    EXPECT_EQ(E_INVALIDARG, bars->get_Item(OleVariant(L"Scratch").Var(), &raw));
    EXPECT_EQ(S_OK, bars->get_Item(OleVariant(L"Tools").Var(), &raw));
    raw->Release();
}

TEST_F(CommandBarsTest, InjectedFailureOfAPropertyThroughVtableAndDispatch) {
    ComPtr<CommandBar> bar = AddBar(L"Tools");
    ComPtr<CommandBarControl> control = Add(bar.Get(), L"Mine");
    SimObject *object = SimObject::FromUnknown(control.Get());
    ASSERT_NE(nullptr, object);

    object->FailNext(L"Caption", E_ACCESSDENIED);
    EXPECT_EQ(E_ACCESSDENIED, control->put_Caption(TBStr(L"Changed").Get()));
    EXPECT_EQ(L"Mine", Caption(control.Get())) << "a failing call changes nothing, and fails once";

    object->FailAlways(L"Tag", E_FAIL);
    try {
        classlib::DispGet(control.Get(), L"Tag");
        ADD_FAILURE() << "the read should fail";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(E_FAIL, e.ErrorCode());
    }
    object->ClearFaults();
    EXPECT_EQ(L"", classlib::DispGet(control.Get(), L"Tag").ToString());
    EXPECT_EQ(2, world.Log().Count(object->Name(), L"Tag"));
}

TEST_F(CommandBarsTest, ScriptsReachTheSameObjectsThroughIDispatch) {
    ComPtr<IDispatch> tools = classlib::DispCall(bars.Get(), L"Add", {OleVariant(L"Tools")}).ToDispatch();
    ComPtr<IDispatch> controls = classlib::DispGet(tools.Get(), L"Controls").ToDispatch();
    ComPtr<IDispatch> button = classlib::DispCall(controls.Get(), L"Add", {OleVariant(1)}).ToDispatch();
    classlib::DispPut(button.Get(), L"Caption", OleVariant(L"From script"));
    classlib::DispPut(button.Get(), L"Tag", OleVariant(L"S"));
    classlib::DispPut(button.Get(), L"FaceId", OleVariant(59));

    ComPtr<CommandBarControl> found = FindByTag(L"S");
    EXPECT_EQ(ComPtr<IUnknown>(button.As<IUnknown>()), ComPtr<IUnknown>(found.As<IUnknown>()));
    EXPECT_EQ(L"From script", Caption(found.Get()));
    EXPECT_EQ(59, classlib::DispGet(button.Get(), L"FaceId").ToInt());
    EXPECT_EQ(1, classlib::DispGet(button.Get(), L"Index").ToInt());
    ComPtr<IDispatch> parent = classlib::DispGet(button.Get(), L"Parent").ToDispatch();
    EXPECT_EQ(L"Tools", classlib::DispGet(parent.Get(), L"Name").ToString());
    EXPECT_EQ(
        L"Tools",
        classlib::DispGet(classlib::DispGet(bars.Get(), L"Item", {OleVariant(4)}).ToDispatch().Get(), L"Name")
            .ToString());
    try {
        classlib::DispPut(button.Get(), L"Priority", OleVariant(9));
        ADD_FAILURE() << "Priority 9 is out of range";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_EQ(E_INVALIDARG, e.ErrorCode());
    }
    EXPECT_EQ(1, world.Log().Count(sim->Name(), L"Add"));
}

TEST_F(CommandBarsTest, HiddenAndAccessibilityMembersAnswerNotImplemented) {
    ComPtr<CommandBar> bar = AddBar(L"Tools");
    ComPtr<CommandBarControl> control = Add(bar.Get(), L"Mine");
    long value = 0;
    EXPECT_EQ(E_NOTIMPL, control->get_InstanceId(&value));
    EXPECT_EQ(E_NOTIMPL, control->Reserved4());
    EXPECT_EQ(E_NOTIMPL, control->get_accChildCount(&value));
    IDispatch *parent = reinterpret_cast<IDispatch *>(0xdeadbeef);
    EXPECT_EQ(E_NOTIMPL, bar->get_accParent(&parent));
    EXPECT_EQ(nullptr, parent);
    IUnknown *enumerator = nullptr;
    EXPECT_EQ(E_NOTIMPL, bars->get__NewEnum(&enumerator));
    ComPtr<IAccessible> accessible = control.TryAs<IAccessible>();
    EXPECT_TRUE(accessible) << "the inherited interfaces answer with the same object";
}

TEST_F(CommandBarsTest, ObjectsHoldNoReferencesOfTheClientsAfterUse) {
    SimObject *button = nullptr;
    {
        ComPtr<CommandBar> bar = AddBar(L"Tools");
        ComPtr<CommandBarControl> control = Add(bar.Get(), L"Mine");
        ComPtr<CommandBar> parent;
        ASSERT_EQ(S_OK, control->get_Parent(parent.Put()));
        ComPtr<CommandBarControl> copy;
        ASSERT_EQ(S_OK, control->Copy(M.Var(), M.Var(), copy.Put()));
        button = SimObject::FromUnknown(control.Get());
    }
    EXPECT_EQ(0, button->ClientRefs());
    EXPECT_EQ(1, sim->ClientRefs()) << "the fixture's own reference";
    bars = nullptr;
    world.Shutdown();
    EXPECT_EQ(0u, world.ObjectCount());
}

} // namespace
