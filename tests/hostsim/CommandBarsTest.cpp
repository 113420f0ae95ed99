// The command-bar state without COM: placement, search, restart and the list rules. What the
// command-bar objects add that no framework test would notice: injected failures through vtable and
// IDispatch, the members Office leaves unimplemented, the references they give back, Execute and
// ActionControl, and the button pictures (the faces through the clipboard are
// CommandBarFaceClipboardTest's). Look-ups, placement, deletion and restart through COM are the
// framework suites', as are clicks, changes and OnUpdate reaching sinks.
#include <gtest/gtest.h>

#include "SimBarControls.h"
#include "SimTestSink.h"
#include <olectl.h>

#include "ErrorOf.h"

#include "classlib/Bitmap.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarControlRules.h"
#include "hostsim/CommandBarFace.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/CommandBarsObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;
using hostsim_test::AddControl;
using hostsim_test::TestSink;
using testsupport::ErrorOf;

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

class CommandBarEventsTest : public testing::Test {
protected:
    SimWorld world{L"Word"};
    CommandBarsObject *sim = world.Create<CommandBarsObject>(catalogue::Word());
    ComPtr<_CommandBars> bars = ComPtr<_CommandBars>::Copy(sim);
};

TEST_F(CommandBarEventsTest, ExecuteFiresClickAndActionControlNamesTheRunningControl) {
    ComPtr<CommandBarControl> button = AddControl(bars.Get(), L"Standard", msoControl::Button, L"b");
    auto sink = classlib::Make<TestSink>(DIID__CommandBarButtonEvents);
    ASSERT_EQ(S_OK, sink->Connect(button.Get()));
    ComPtr<CommandBarControl> during;
    sink->reaction = [&](DISPID, DISPPARAMS *) { EXPECT_EQ(S_OK, bars->get_ActionControl(during.Put())); };
    ASSERT_EQ(S_OK, button->Execute());
    EXPECT_EQ(1u, sink->events.size());
    EXPECT_EQ(button, during);
    ComPtr<CommandBarControl> after;
    ASSERT_EQ(S_OK, bars->get_ActionControl(after.Put()));
    EXPECT_FALSE(after);

    ASSERT_EQ(S_OK, button->put_Enabled(VARIANT_FALSE));
    EXPECT_EQ(E_FAIL, button->Execute());
    EXPECT_EQ(1u, sink->events.size());
    sink->Disconnect();
}

TEST_F(CommandBarEventsTest, PictureReadsSucceedWithoutAPictureAndBuiltInFacesComeBack) {
    ComPtr<CommandBarControl> save;
    ASSERT_EQ(S_OK, bars->FindControl(M.Var(), OleVariant(static_cast<int>(catalogue::id::Save)).Var(),
                                      M.Var(), M.Var(), save.Put()));
    ComPtr<_CommandBarButton> button = save.As<_CommandBarButton>();
    ComPtr<IPictureDisp> picture, mask;
    EXPECT_EQ(S_OK, button->get_Picture(picture.Put())) << "a later host answers Picture for any button";
    EXPECT_EQ(S_OK, button->get_Mask(mask.Put()));
    VARIANT_BOOL builtInFace = VARIANT_FALSE;
    EXPECT_EQ(S_OK, button->get_BuiltInFace(&builtInFace));
    EXPECT_EQ(VARIANT_TRUE, builtInFace);
    ASSERT_EQ(S_OK, button->put_Picture(picture.Get()));
    EXPECT_EQ(S_OK, button->get_BuiltInFace(&builtInFace));
    EXPECT_EQ(VARIANT_FALSE, builtInFace);
    EXPECT_EQ(E_INVALIDARG, button->put_BuiltInFace(VARIANT_FALSE));
    ASSERT_EQ(S_OK, button->put_BuiltInFace(VARIANT_TRUE));
    long faceId = 0;
    EXPECT_EQ(S_OK, button->get_FaceId(&faceId));
    EXPECT_EQ(catalogue::id::Save, faceId);
}

TEST_F(CommandBarEventsTest, PictureKeepsACopyOfAnImageTheCallerFreesAfterwards) {
    ComPtr<_CommandBarButton> button =
        AddControl(bars.Get(), L"Standard", msoControl::Button, L"glyph").As<_CommandBarButton>();
    classlib::TBitmap glyph;
    glyph.SetSize(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            glyph.SetPixels(x, y, RGB(0, 120, 240));
    // As the framework makes it: a picture that does not own the glyph's bitmap.
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = glyph.Handle();
    ComPtr<IPictureDisp> borrowed;
    ASSERT_EQ(S_OK, OleCreatePictureIndirect(&description, IID_IPictureDisp, FALSE, borrowed.PutVoid()));
    ASSERT_EQ(S_OK, button->put_Picture(borrowed.Get()));
    borrowed = nullptr;
    glyph.SetSize(0, 0); // the glyph's bitmap is gone

    ComPtr<IPictureDisp> kept;
    ASSERT_EQ(S_OK, button->get_Picture(kept.Put()));
    classlib::TBitmap image;
    face::FromPicture(kept.Get(), image);
    EXPECT_EQ(RGB(0, 120, 240), image.Pixels(3, 3));
    EXPECT_EQ(S_OK, button->put_Picture(nullptr)) << "Nothing removes the picture";
}

} // namespace

namespace {

std::vector<std::wstring> Captions(const BarModel &bar) {
    std::vector<std::wstring> result;
    for (const ControlRef &c : bar.controls)
        result.push_back(c->props.caption);
    return result;
}

ControlRef AddNamed(CommandBarSet &set, const BarRef &bar, const wchar_t *caption, bool temporary = false,
                    std::optional<long> before = std::nullopt) {
    ControlRef c = set.AddControl(bar, msoControl::Button, std::nullopt, std::nullopt, before, temporary);
    c->props.caption = caption;
    return c;
}

class CommandBarModelTest : public testing::Test {
protected:
    CommandBarSet set{catalogue::OutlookExplorer()};
    BarRef bar = set.AddBar(L"Tools", msoBarPos::Top, false, false);
};

TEST_F(CommandBarModelTest, BeforeInsertsAtThePositionAndLaterIndexesMoveUp) {
    ControlRef a = AddNamed(set, bar, L"A");
    ControlRef c = AddNamed(set, bar, L"C");
    ControlRef b = AddNamed(set, bar, L"B", false, 2);
    ControlRef first = AddNamed(set, bar, L"First", false, 1);
    ControlRef last = AddNamed(set, bar, L"Last", false, 5); // Count + 1 is the end
    EXPECT_EQ((std::vector<std::wstring>{L"First", L"A", L"B", L"C", L"Last"}), Captions(*bar));
    EXPECT_EQ(2, a->Index());
    EXPECT_EQ(4, c->Index());
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { AddNamed(set, bar, L"X", false, 7); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { AddNamed(set, bar, L"X", false, 0); }));
    EXPECT_EQ(5u, bar->controls.size()) << "a refused Add leaves the bar as it was";

    set.DeleteControl(b, false);
    EXPECT_EQ(3, c->Index());
    EXPECT_EQ(0, b->Index());
    EXPECT_FALSE(b->alive);
}

TEST_F(CommandBarModelTest, MoveCountsBeforeAsThePositionBeforeTheMove) {
    for (const wchar_t *caption : {L"A", L"B", L"C", L"D"})
        AddNamed(set, bar, caption);
    set.MoveControl(bar->controls[0], nullptr, 3);
    EXPECT_EQ((std::vector<std::wstring>{L"B", L"A", L"C", L"D"}), Captions(*bar));
    set.MoveControl(bar->controls[3], nullptr, 1);
    EXPECT_EQ((std::vector<std::wstring>{L"D", L"B", L"A", L"C"}), Captions(*bar));
    set.MoveControl(bar->controls[0], nullptr, std::nullopt);
    EXPECT_EQ((std::vector<std::wstring>{L"B", L"A", L"C", L"D"}), Captions(*bar));

    BarRef other = set.AddBar(L"Other", std::nullopt, false, false);
    ControlRef moved = set.MoveControl(bar->controls[1], other, std::nullopt);
    EXPECT_EQ(other, moved->Parent());
    EXPECT_EQ((std::vector<std::wstring>{L"B", L"C", L"D"}), Captions(*bar));
}

TEST_F(CommandBarModelTest, PopupCannotMoveIntoItsOwnMenu) {
    ControlRef popup =
        set.AddControl(bar, msoControl::Popup, std::nullopt, std::nullopt, std::nullopt, false);
    ControlRef inner =
        set.AddControl(popup->subBar, msoControl::Popup, std::nullopt, std::nullopt, std::nullopt, false);
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { set.MoveControl(popup, inner->subBar, std::nullopt); }));
    EXPECT_EQ(bar, popup->Parent());
}

TEST_F(CommandBarModelTest, FindControlCriteriaAndRecursion) {
    ControlRef popup =
        set.AddControl(bar, msoControl::Popup, std::nullopt, std::nullopt, std::nullopt, false);
    ControlRef nested = AddNamed(set, popup->subBar, L"Nested");
    nested->props.tag = L"T1";
    ControlRef combo =
        set.AddControl(bar, msoControl::ComboBox, std::nullopt, std::nullopt, std::nullopt, false);
    combo->props.tag = L"T1";

    EXPECT_EQ(combo, set.FindControl(*bar, {.tag = L"T1"}, false))
        << "without Recursive only the bar's own controls count";
    EXPECT_EQ(nested, set.FindControl(*bar, {.tag = L"T1"}, true));
    EXPECT_EQ(combo, set.FindControl(*bar, {.type = msoControl::ComboBox, .tag = L"T1"}, true));
    EXPECT_EQ(nullptr, set.FindControl(*bar, {.tag = L"t1"}, true)) << "tags compare exactly";
    EXPECT_EQ(nested, set.FindControl({.tag = L"T1"})) << "CommandBars.FindControl looks into popups";

    // Built-in controls in bar order: the first Print is in the menu bar's File menu.
    ControlRef print = set.FindControl({.id = catalogue::id::Print});
    ASSERT_TRUE(print);
    EXPECT_EQ(L"File", print->Parent()->name);
    ControlRef visiblePrint = set.FindControl({.id = catalogue::id::Print, .visibleOnly = true});
    ASSERT_TRUE(visiblePrint);
    EXPECT_EQ(L"Standard", visiblePrint->Parent()->name) << "closed menus hold no visible controls";

    bar->visible = false;
    combo->props.tag = L"T2";
    EXPECT_EQ(nullptr, set.FindControl({.tag = L"T2", .visibleOnly = true})) << "the bar is hidden";
    EXPECT_EQ(combo, set.FindControl({.tag = L"T2"}));
}

TEST_F(CommandBarModelTest, RestartKeepsPermanentStateAndDropsTemporaryThings) {
    ControlRef permanent = AddNamed(set, bar, L"Permanent");
    permanent->props.tag = L"P";
    ControlRef temporary = AddNamed(set, bar, L"Temporary", true);
    ControlRef popup =
        set.AddControl(bar, msoControl::Popup, std::nullopt, std::nullopt, std::nullopt, false);
    ControlRef nestedTemporary = AddNamed(set, popup->subBar, L"NestedTemporary", true);
    BarRef temporaryBar = set.AddBar(L"Scratch", std::nullopt, false, true);
    ControlRef onTemporaryBar = AddNamed(set, temporaryBar, L"OnScratch");
    EXPECT_TRUE(onTemporaryBar->temporary) << "controls of a temporary bar are temporary";

    ControlRef standardDelete = set.FindControl({.id = catalogue::id::Delete});
    long deletedAt = standardDelete->Index();
    set.DeleteControl(standardDelete, true); // for this session only
    ControlRef standardReply = set.FindControl({.id = catalogue::id::Reply});
    set.DeleteControl(standardReply, false);
    EXPECT_EQ(nullptr, set.FindControl({.id = catalogue::id::Delete}));

    unsigned before = set.Generation();
    set.Restart();
    EXPECT_EQ(before + 1, set.Generation());
    EXPECT_EQ(nullptr, set.FindBar(L"Scratch"));
    EXPECT_FALSE(temporaryBar->alive);
    EXPECT_FALSE(onTemporaryBar->alive);
    EXPECT_FALSE(temporary->alive);
    EXPECT_FALSE(nestedTemporary->alive);
    EXPECT_TRUE(popup->subBar->controls.empty());
    EXPECT_EQ(permanent, set.FindControl({.tag = L"P"}));
    EXPECT_EQ(L"Permanent", permanent->props.caption);

    ControlRef back = set.FindControl({.id = catalogue::id::Delete});
    ASSERT_EQ(standardDelete, back) << "a control deleted for the session returns";
    EXPECT_TRUE(back->alive);
    EXPECT_EQ(deletedAt, back->Index());
    EXPECT_EQ(nullptr, set.FindControl({.id = catalogue::id::Reply})) << "a permanent Delete stays";
}

TEST_F(CommandBarModelTest, BuiltInBarsResistDeletionAndRenaming) {
    BarRef standard = set.ItemByName(L"standard");
    EXPECT_EQ(E_FAIL, ErrorOf([&] { set.DeleteBar(standard); }));
    EXPECT_EQ(E_FAIL, ErrorOf([&] { set.SetBarName(standard, L"Mine"); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { set.AddBar(L"STANDARD", std::nullopt, false, false); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { set.SetBarName(bar, L"Standard"); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { set.AddBar(L"Mac", msoBarPos::MenuBar, false, false); }));

    ControlRef mine = AddNamed(set, standard, L"Mine");
    ControlRef print = set.FindControl(*standard, {.id = catalogue::id::Print}, false);
    print->props.caption = L"Changed";
    set.DeleteControl(set.FindControl(*standard, {.id = catalogue::id::Reply}, false), false);
    set.ResetBar(standard);
    EXPECT_FALSE(mine->alive);
    EXPECT_FALSE(print->alive) << "Reset rebuilds the bar";
    EXPECT_EQ(L"&Print", set.FindControl(*standard, {.id = catalogue::id::Print}, false)->props.caption);
    EXPECT_TRUE(set.FindControl(*standard, {.id = catalogue::id::Reply}, false));

    set.DeleteBar(bar);
    EXPECT_FALSE(bar->alive);
    EXPECT_EQ(nullptr, set.FindBar(L"Tools"));
    EXPECT_EQ(E_FAIL, ErrorOf([&] {
                  set.AddControl(bar, std::nullopt, std::nullopt, std::nullopt, std::nullopt, false);
              }));
}

TEST_F(CommandBarModelTest, DisabledBarIsHiddenAndCannotBeShown) {
    set.SetBarVisible(bar, true);
    set.SetBarEnabled(bar, false);
    EXPECT_FALSE(bar->visible);
    EXPECT_EQ(E_FAIL, ErrorOf([&] { set.SetBarVisible(bar, true); }));
    set.SetBarEnabled(bar, true);
    set.SetBarVisible(bar, true);
    EXPECT_TRUE(bar->visible);
}

TEST_F(CommandBarModelTest, BuiltInControlAddedByIdAndUserDeletion) {
    ControlRef print =
        set.AddControl(bar, msoControl::Popup, catalogue::id::Print, std::wstring(L"p"), 1, false);
    EXPECT_EQ(msoControl::Button, print->type) << "a built-in control keeps its own type";
    EXPECT_TRUE(print->BuiltIn());
    EXPECT_EQ(L"p", print->props.parameter);
    print->props.onAction = L"!<Some.AddIn>";
    EXPECT_FALSE(print->BuiltIn()) << "repurposed";
    EXPECT_EQ(E_INVALIDARG,
              ErrorOf([&] { set.AddControl(bar, std::nullopt, 99999, std::nullopt, std::nullopt, false); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] {
                  set.AddControl(bar, msoControl::Custom, std::nullopt, std::nullopt, std::nullopt, false);
              }));

    set.SetBarProtection(bar, 1); // no customisation
    EXPECT_EQ(E_FAIL, ErrorOf([&] { set.UserDeleteControl(print); }));
    set.SetBarProtection(bar, 0);
    set.UserDeleteControl(print);
    EXPECT_FALSE(print->alive);
    set.Restart();
    EXPECT_EQ(nullptr, set.FindControl(*bar, {.id = catalogue::id::Print}, true));
}

TEST_F(CommandBarModelTest, CopyDuplicatesAPopupWithItsControls) {
    ControlRef popup =
        set.AddControl(bar, msoControl::Popup, std::nullopt, std::nullopt, std::nullopt, false);
    popup->props.caption = L"Menu";
    AddNamed(set, popup->subBar, L"Inner")->props.tag = L"inner";
    BarRef other = set.AddBar(L"Other", std::nullopt, false, true);
    ControlRef copy = set.CopyControl(popup, other, std::nullopt);
    EXPECT_NE(popup, copy);
    EXPECT_EQ(L"Menu", copy->props.caption);
    ASSERT_EQ(1u, copy->subBar->controls.size());
    EXPECT_NE(popup->subBar->controls[0], copy->subBar->controls[0]);
    EXPECT_EQ(L"inner", copy->subBar->controls[0]->props.tag);
    EXPECT_TRUE(copy->subBar->controls[0]->temporary) << "copied onto a temporary bar";
}

TEST(CommandBarRulesTest, ListItemsKeepTheSelectionOnTheSameItem) {
    ControlModel combo;
    combo.type = msoControl::ComboBox;
    rules::AddItem(combo, L"b", std::nullopt);
    rules::AddItem(combo, L"c", std::nullopt);
    rules::SetListIndex(combo, 2);
    EXPECT_EQ(L"c", combo.props.text);
    rules::AddItem(combo, L"a", 1);
    EXPECT_EQ(3, combo.props.listIndex);
    rules::RemoveItem(combo, 1);
    EXPECT_EQ(2, combo.props.listIndex);
    rules::RemoveItem(combo, 2);
    EXPECT_EQ(0, combo.props.listIndex);
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::RemoveItem(combo, 2); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::AddItem(combo, L"x", 3); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::SetListIndex(combo, 2); }));

    rules::SetText(combo, L"b");
    EXPECT_EQ(1, combo.props.listIndex);
    rules::SetText(combo, L"typed");
    EXPECT_EQ(0, combo.props.listIndex);
    rules::ClearItems(combo);
    EXPECT_TRUE(combo.props.items.empty());
    EXPECT_EQ(L"typed", combo.props.text);

    ControlModel edit;
    edit.type = msoControl::Edit;
    EXPECT_EQ(E_FAIL, ErrorOf([&] { rules::AddItem(edit, L"x", std::nullopt); }));
    rules::ClearItems(edit); // nothing to clear, no error
    ControlModel builtInCombo = combo;
    builtInCombo.builtIn = true;
    EXPECT_EQ(E_FAIL, ErrorOf([&] { rules::AddItem(builtInCombo, L"x", std::nullopt); }));
    EXPECT_EQ(E_FAIL, ErrorOf([&] { rules::ClearItems(builtInCombo); }));
}

TEST(CommandBarRulesTest, ButtonFaces) {
    CommandBarSet set(catalogue::Word());
    ControlRef save = set.FindControl({.id = catalogue::id::Save});
    EXPECT_TRUE(save->HasBuiltInFace());
    rules::SetFaceId(*save, 59);
    EXPECT_FALSE(save->HasBuiltInFace());
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::SetBuiltInFace(*save, false); }));
    rules::SetBuiltInFace(*save, true);
    EXPECT_EQ(catalogue::id::Save, save->props.faceId);
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::SetState(*save, 1); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::SetButtonStyle(*save, 4); }));
    EXPECT_EQ(E_INVALIDARG, ErrorOf([&] { rules::SetPriority(*save, 8); }));
}

} // namespace
