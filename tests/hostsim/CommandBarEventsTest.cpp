// Execute and ActionControl, which no framework test reaches, and the button pictures (the faces
// through the clipboard are CommandBarFaceClipboardTest's). Clicks, changes and OnUpdate reaching
// sinks are the framework's event-sink tests'.
#include <gtest/gtest.h>

#include "SimBarControls.h"
#include "SimTestSink.h"
#include <olectl.h>

#include "classlib/Bitmap.h"
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
