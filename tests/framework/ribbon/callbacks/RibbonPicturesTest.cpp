// The picture callbacks as the host gets their answers: each picture's bitmap (or icon mask) is read
// back from the IPictureDisp the host receives.
#include <gtest/gtest.h>

#include <olectl.h>

#include "CallbackFixture.h"
#include "classlib/ImageList.h"
#include "classlib/OlePicture.h"

namespace callbacktest {
namespace {

using namespace framework;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBitmap;

constexpr COLORREF Magenta = RGB(255, 0, 255), Red = RGB(255, 0, 0), Green = RGB(0, 128, 0);

// A picture's pixels as 0xAARRGGBB, top row first.
struct TPixels {
    SHORT Type = PICTYPE_UNINITIALIZED;
    int Width = 0, Height = 0;
    std::vector<uint32_t> Argb;
    uint32_t At(int X, int Y) const { return Argb[static_cast<size_t>(Y) * Width + X]; }
};

ComPtr<IPicture> PictureOf(const OleVariant &Value) {
    EXPECT_EQ(Value.Type(), VT_DISPATCH);
    if (Value.Type() != VT_DISPATCH || Value.Var().pdispVal == nullptr)
        return nullptr;
    return ComPtr<IDispatch>::Copy(Value.Var().pdispVal).As<IPicture>();
}

// The pixels of a bitmap, as a top-down 32-bit image.
std::vector<uint32_t> Bits(HBITMAP Bitmap, int Width, int Height) {
    BITMAPINFO header{};
    header.bmiHeader = {sizeof(BITMAPINFOHEADER), Width, -Height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<uint32_t> bits(static_cast<size_t>(Width) * Height);
    HDC dc = CreateCompatibleDC(nullptr);
    GetDIBits(dc, Bitmap, 0, Height, bits.data(), &header, DIB_RGB_COLORS);
    DeleteDC(dc);
    return bits;
}

// A bitmap picture must hold a 32-bit image; its bytes are read as they are, alpha included.
TPixels BitmapPixels(const OleVariant &Value) {
    TPixels pixels;
    ComPtr<IPicture> picture = PictureOf(Value);
    if (!picture)
        return pixels;
    picture->get_Type(&pixels.Type);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    auto bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP bm{};
    if (GetObjectW(bitmap, sizeof(bm), &bm) == 0 || bm.bmBitsPixel != 32)
        return pixels;
    pixels.Width = bm.bmWidth;
    pixels.Height = bm.bmHeight;
    pixels.Argb = Bits(bitmap, bm.bmWidth, bm.bmHeight);
    return pixels;
}

// An icon picture's mask: 1 where the icon is transparent.
TPixels IconMask(const OleVariant &Value) {
    TPixels mask;
    ComPtr<IPicture> picture = PictureOf(Value);
    if (!picture)
        return mask;
    picture->get_Type(&mask.Type);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(static_cast<UINT_PTR>(handle)), &info))
        return mask;
    BITMAP bm{};
    GetObjectW(info.hbmMask, sizeof(bm), &bm);
    mask.Width = bm.bmWidth;
    mask.Height = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    mask.Argb = Bits(info.hbmMask, mask.Width, mask.Height);
    for (uint32_t &pixel : mask.Argb)
        pixel = (pixel & 0xFFFFFF) != 0 ? 1 : 0;
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    return mask;
}

uint32_t Argb(uint8_t Alpha, COLORREF Color) {
    return (uint32_t(Alpha) << 24) | (uint32_t(GetRValue(Color)) << 16) | (uint32_t(GetGValue(Color)) << 8) |
           GetBValue(Color);
}

// A 4 x 4 image of Fill with magenta at the bottom-left corner and at (1, 1).
void Glyph24(TBitmap &Bitmap, COLORREF Fill) {
    Bitmap.SetSize(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            Bitmap.SetPixels(x, y, Fill);
    Bitmap.SetPixels(0, 3, Magenta);
    Bitmap.SetPixels(1, 1, Magenta);
}

class RibbonPictures : public CallbackTest {
protected:
    TzidRibbonTab &Tab() { return *dynamic_cast<TzidRibbonTab *>(Module().FindComponent(L"cbTab")); }
    // The tab's image list, with Count images of 4 x 4 pixels, image i all of colour RGB(i * 10, 0, 0)
    // but its masked bottom-left corner.
    classlib::TImageList &Images(int Count) {
        auto *list = new classlib::TImageList(&Module());
        list->SetSize(4, 4);
        for (int i = 0; i < Count; ++i) {
            TBitmap image;
            Glyph24(image, RGB(i * 10 + 10, 0, 0));
            image.SetPixels(1, 1, RGB(i * 10 + 10, 0, 0));
            list->AddMasked(image, Magenta);
        }
        Tab().SetImages(list);
        return *list;
    }
};

TEST_F(RibbonPictures, A24BitGlyphIsOpaqueButForItsTransparentColour) {
    TBitmap glyph;
    Glyph24(glyph, Red);
    Add<TzidRibbonButton>(Group(), L"cbPic").SetGlyph(&glyph);
    TPixels pixels = BitmapPixels(Ask(L"GetImage_Callback", L"cbPic"));
    ASSERT_EQ(pixels.Type, PICTYPE_BITMAP);
    ASSERT_EQ(pixels.Width, 4);
    ASSERT_EQ(pixels.Height, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            bool magenta = (x == 0 && y == 3) || (x == 1 && y == 1);
            EXPECT_EQ(pixels.At(x, y), magenta ? Argb(0, Magenta) : Argb(255, Red)) << x << "," << y;
        }
}

TEST_F(RibbonPictures, A32BitGlyphKeepsItsAlphaButForItsTransparentColour) {
    TBitmap glyph;
    glyph.SetPixelFormat(classlib::pf32bit);
    glyph.SetSize(4, 4);
    for (int y = 0; y < 4; ++y) {
        auto *line = reinterpret_cast<uint32_t *>(glyph.ScanLine(y));
        for (int x = 0; x < 4; ++x)
            line[x] = Argb(0x80, Red);
    }
    reinterpret_cast<uint32_t *>(glyph.ScanLine(3))[0] = Argb(0xFF, Green); // the transparent colour
    reinterpret_cast<uint32_t *>(glyph.ScanLine(0))[3] = Argb(0x40, Green);
    reinterpret_cast<uint32_t *>(glyph.ScanLine(0))[0] = Argb(0x10, Red);
    glyph.Changed();
    Add<TzidRibbonButton>(Group(), L"cbPic").SetGlyph(&glyph);
    TPixels pixels = BitmapPixels(Ask(L"GetImage_Callback", L"cbPic"));
    ASSERT_EQ(pixels.Argb.size(), 16u);
    EXPECT_EQ(pixels.At(1, 1), Argb(0x80, Red));
    EXPECT_EQ(pixels.At(0, 0), Argb(0x10, Red));
    EXPECT_EQ(pixels.At(0, 3), Argb(0, Green));
    EXPECT_EQ(pixels.At(3, 0), Argb(0, Green));
}

TEST_F(RibbonPictures, AnImageIndexTakesTheImageFromTheTabsListWhenItHasThatMany) {
    auto &button = Add<TzidRibbonButton>(Group(), L"cbIndexed");
    button.SetImageIndex(3);
    EXPECT_EQ(Shown(Ask(L"GetImage_Callback", L"cbIndexed")), L"Nothing") << "no image list";
    classlib::TImageList &list = Images(3);
    EXPECT_EQ(Shown(Ask(L"GetImage_Callback", L"cbIndexed")), L"Nothing") << "three images: no fourth";
    TBitmap fourth;
    Glyph24(fourth, RGB(40, 0, 0));
    fourth.SetPixels(1, 1, RGB(40, 0, 0));
    list.AddMasked(fourth, Magenta);
    TPixels pixels = BitmapPixels(Ask(L"GetImage_Callback", L"cbIndexed"));
    ASSERT_EQ(pixels.Argb.size(), 16u);
    EXPECT_EQ(pixels.At(1, 1), Argb(255, RGB(40, 0, 0)));
    EXPECT_EQ(pixels.At(0, 3) >> 24, 0u) << "the list's mask shows through";
    // The glyph comes first.
    TBitmap glyph;
    Glyph24(glyph, Red);
    button.SetGlyph(&glyph);
    EXPECT_EQ(BitmapPixels(Ask(L"GetImage_Callback", L"cbIndexed")).At(2, 2), Argb(255, Red));
}

TEST_F(RibbonPictures, ItemsAreIconsMaskedByTheirCornerOrFromTheTabsList) {
    Images(2);
    auto &combo = Add<TzidRibbonComboBox>(Group(), L"cbCombo");
    TBitmap glyph;
    Glyph24(glyph, Red);
    dynamic_cast<TzidRibbonCustomControl &>(AddItem(combo, L"i0", L"Glyph")).SetGlyph(&glyph);
    AddItem(combo, L"i1", L"Indexed").SetImageIndex(1);
    AddItem(combo, L"i2", L"Beyond the list").SetImageIndex(2);
    AddItem(combo, L"i3", L"Plain");
    TPixels mask = IconMask(Ask(L"GetItemImage_Callback", L"cbCombo", 0));
    ASSERT_EQ(mask.Type, PICTYPE_ICON);
    ASSERT_EQ(mask.Argb.size(), 16u);
    EXPECT_EQ(mask.At(0, 3), 1u);
    EXPECT_EQ(mask.At(1, 1), 1u);
    EXPECT_EQ(mask.At(2, 2), 0u);
    mask = IconMask(Ask(L"GetItemImage_Callback", L"cbCombo", 1));
    ASSERT_EQ(mask.Type, PICTYPE_ICON);
    EXPECT_EQ(mask.At(0, 3), 1u);
    EXPECT_EQ(mask.At(1, 1), 0u);
    EXPECT_EQ(Shown(Ask(L"GetItemImage_Callback", L"cbCombo", 2)), L"Nothing");
    EXPECT_EQ(Shown(Ask(L"GetItemImage_Callback", L"cbCombo", 3)), L"Nothing");
    EXPECT_EQ(Call(L"GetItemImage_Callback", {Control(L"cbCombo"), OleVariant(4)}), DISP_E_EXCEPTION);
}

// A handler's picture goes to the host as it is; loadImage's ids fire no property event.
TEST_F(RibbonPictures, AHandlersPictureIsAnsweredUntouchedAndImageIdsFindTheirControl) {
    TBitmap glyph;
    Glyph24(glyph, Red);
    auto &button = Add<TzidRibbonButton>(Group(), L"cbPic");
    button.SetGlyph(&glyph);
    button.OnPropertyChanging = classlib::MakeEvent<&TCallbackTestModule::PropertyChanging>(&Module());
    auto &split = Add<TzidRibbonSplitButton>(Group(), L"cbSplit");
    TBitmap green;
    Glyph24(green, Green);
    split.SetGlyph(&green);
    auto &combo = Add<TzidRibbonComboBox>(Group(), L"cbCombo");
    AddItem(combo, L"i0", L"Plain");
    combo.OnItemPropertyChanging = classlib::MakeEvent<&TCallbackTestModule::ItemPropertyChanging>(&Module());

    TBitmap other;
    other.SetSize(2, 2);
    ComPtr<IPictureDisp> own;
    own.Attach(classlib::CreatePictureDisp(other));
    Module().Answer = OleVariant(static_cast<IDispatch *>(own.Get()));
    OleVariant answer = Ask(L"GetImage_Callback", L"cbPic");
    EXPECT_EQ(answer.Var().pdispVal, static_cast<IDispatch *>(own.Get()));
    answer = Ask(L"GetItemImage_Callback", L"cbCombo", 0);
    EXPECT_EQ(answer.Var().pdispVal, static_cast<IDispatch *>(own.Get()));
    EXPECT_EQ(Module().Log,
              (std::vector<std::wstring>{L"Property:cbPic:rcptGlyph", L"Property:cbCombo:rcptItemGlyph:0"}));
    EXPECT_FALSE(button.Glyph()->Empty());

    Module().Log.clear();
    OleVariant result;
    for (const auto &[id, colour] :
         {std::pair{L"cbPic", Red}, std::pair{L"CBPIC", Red}, std::pair{L"cbSplitwrapped", Green}}) {
        ASSERT_EQ(Call(L"GetImages_Callback", {OleVariant(id)}, &result), S_OK);
        EXPECT_EQ(BitmapPixels(result).At(2, 2), Argb(255, colour)) << classlib::WideToUtf8(id);
    }
    ASSERT_EQ(Call(L"GetImages_Callback", {OleVariant(L"nobody")}, &result), S_OK);
    EXPECT_EQ(Shown(result), L"Nothing");
    EXPECT_TRUE(Module().Log.empty());
}

} // namespace
} // namespace callbacktest
