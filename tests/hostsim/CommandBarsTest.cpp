// What the command-bar objects do that no framework test would notice: injected failures through
// vtable and IDispatch, the members Office leaves unimplemented, the references they give back,
// Execute and ActionControl, and the button pictures (the faces through the clipboard are
// CommandBarFaceClipboardTest's). Look-ups, placement, deletion and restart are the model test's and
// the framework suites'; clicks, changes and OnUpdate reaching sinks the framework's event-sink tests'.
#include <gtest/gtest.h>

#include "SimBarControls.h"
#include "SimTestSink.h"
#include <olectl.h>

#include "classlib/Bitmap.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarFace.h"
#include "hostsim/CommandBarsObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;
using hostsim_test::AddControl;
using hostsim_test::TestSink;

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
