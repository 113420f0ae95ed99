// A button's face through the session's clipboard: PasteFace takes the bitmap there, CopyFace puts
// one there. The clipboard is one per Wine session: this program holds the clipboard lock.
#include <gtest/gtest.h>

#include "SimBarControls.h"

#include "classlib/Bitmap.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarFace.h"
#include "hostsim/CommandBarsObject.h"

using namespace hostsim;
using classlib::ComPtr;
using hostsim_test::AddControl;

namespace {

class FaceClipboardTest : public testing::Test {
protected:
    static void PutOnClipboard(COLORREF color) {
        classlib::TBitmap image;
        image.SetSize(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                image.SetPixels(x, y, x == 0 && y == 15 ? RGB(1, 2, 3) : color);
        HWND window =
            CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_TRUE(OpenClipboard(window));
        EmptyClipboard();
        ASSERT_TRUE(SetClipboardData(CF_BITMAP, image.ReleaseHandle()));
        CloseClipboard();
        DestroyWindow(window);
    }

    SimWorld world{L"Word"};
    CommandBarsObject *sim = world.Create<CommandBarsObject>(catalogue::Word());
    ComPtr<_CommandBars> bars = ComPtr<_CommandBars>::Copy(sim);
};

TEST_F(FaceClipboardTest, PasteFaceTakesTheClipboardBitmapAndCopyFacePutsOneThere) {
    ComPtr<_CommandBarButton> button =
        AddControl(bars.Get(), L"Standard", msoControl::Button, L"face").As<_CommandBarButton>();
    EXPECT_EQ(E_FAIL, button->CopyFace()) << "a new button has no face";

    PutOnClipboard(RGB(200, 10, 10));
    ASSERT_EQ(S_OK, button->PasteFace());
    long faceId = -1;
    EXPECT_EQ(S_OK, button->get_FaceId(&faceId));
    EXPECT_EQ(0, faceId);
    ComPtr<IPictureDisp> picture;
    ASSERT_EQ(S_OK, button->get_Picture(picture.Put()));
    classlib::TBitmap pasted;
    face::FromPicture(picture.Get(), pasted);
    EXPECT_EQ(RGB(200, 10, 10), pasted.Pixels(5, 5));
    EXPECT_EQ(RGB(1, 2, 3), pasted.Pixels(0, 15)) << "pasted as it was, pixel by pixel";

    ASSERT_EQ(S_OK, button->put_FaceId(59));
    ASSERT_EQ(S_OK, button->CopyFace());
    ComPtr<_CommandBarButton> second =
        AddControl(bars.Get(), L"Standard", msoControl::Button, L"second").As<_CommandBarButton>();
    ASSERT_EQ(S_OK, second->PasteFace());
    ComPtr<IPictureDisp> copied;
    ASSERT_EQ(S_OK, second->get_Picture(copied.Put()));
    classlib::TBitmap face59, copiedImage;
    face::Render(*sim->ControlOf(button.Get()), face59);
    face::FromPicture(copied.Get(), copiedImage);
    EXPECT_EQ(face59.Pixels(8, 8), copiedImage.Pixels(8, 8));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(E_FAIL, second->PasteFace()) << "nothing to paste";
}

} // namespace
