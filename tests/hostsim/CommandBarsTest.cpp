// What the command-bar objects do that no framework test would notice: injected failures through
// vtable and IDispatch, the members Office leaves unimplemented, and the references they give back.
// Look-ups, placement, deletion and restart are the model test's and the framework suites'.
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

    ComPtr<CommandBar> AddBar(const wchar_t *name) {
        ComPtr<CommandBar> bar;
        EXPECT_EQ(S_OK, bars->Add(OleVariant(name).Var(), OleVariant(1).Var(), M.Var(), M.Var(), bar.Put()));
        return bar;
    }
    static ComPtr<CommandBarControl> Add(CommandBar *bar, const wchar_t *caption) {
        ComPtr<CommandBarControls> controls;
        EXPECT_EQ(S_OK, bar->get_Controls(controls.Put()));
        ComPtr<CommandBarControl> control;
        EXPECT_EQ(S_OK,
                  controls->Add(OleVariant(1).Var(), M.Var(), M.Var(), M.Var(), M.Var(), control.Put()));
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
};

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
