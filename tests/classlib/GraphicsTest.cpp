// Bitmaps, icons, image lists and OLE pictures: pixel layout as GDI sees it, transparency rules,
// change notification, BMP streams, alpha copies and who owns which handle.
#include "classlib/Bitmap.h"
#include "classlib/Icon.h"
#include "classlib/ImageList.h"
#include "classlib/OlePicture.h"

#include <gtest/gtest.h>

#include <memory>

using namespace classlib;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
                   kMagenta = RGB(255, 0, 255);

// GDI's own view of a pixel, to prove that Pixels/ScanLine agree with the real bitmap.
COLORREF GdiPixel(HBITMAP bitmap, int x, int y) {
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF c = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return c;
}

void Fill(TBitmap &b, COLORREF c) {
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            b.SetPixels(x, y, c);
}

struct ChangeCounter : TObject {
    int Count = 0;
    void Changed(TObject *) { ++Count; }
};

struct Releaser {
    void operator()(IUnknown *p) const { p->Release(); }
};
template <class T> using Owned = std::unique_ptr<T, Releaser>;

Owned<IPicture> AsPicture(IPictureDisp *disp) {
    IPicture *picture = nullptr;
    EXPECT_EQ(disp->QueryInterface(IID_IPicture, reinterpret_cast<void **>(&picture)), S_OK);
    return Owned<IPicture>(picture);
}

// An 8-bit, two-colour, bottom-up BMP of 2 x 2 pixels: top row red, blue; bottom row blue, red.
std::vector<uint8_t> PaletteBmp() {
    std::vector<uint8_t> d = {
        'B', 'M', 0,   0, 0,   0, 0, 0, 0, 0, 14 + 40 + 8, 0, 0, 0,       // file header
        40,  0,   0,   0, 2,   0, 0, 0, 2, 0, 0,           0, 1, 0, 8, 0, // size, w, h, planes, bpp
        0,   0,   0,   0, 8,   0, 0, 0, 0, 0, 0,           0, 0, 0, 0, 0, // BI_RGB, image size
        2,   0,   0,   0, 0,   0, 0, 0,                                   // colours used
        0,   0,   255, 0, 255, 0, 0, 0,                                   // red, blue (B G R x)
        1,   0,   0,   0,                                                 // bottom row
        0,   1,   0,   0};                                                // top row
    d[2] = uint8_t(d.size());
    return d;
}

} // namespace

TEST(Bitmap, PixelsAreWhereGdiSeesThem) {
    for (TPixelFormat format : {pf24bit, pf32bit}) {
        TBitmap b;
        b.SetPixelFormat(format);
        b.SetSize(5, 3); // 5 * 3 bytes per row needs padding in 24 bits
        EXPECT_EQ(b.BytesPerScanLine(), format == pf24bit ? 16 : 20);
        EXPECT_EQ(b.Pixels(4, 2), RGB(0, 0, 0)); // new bitmaps are black
        b.SetPixels(0, 2, kRed);                 // bottom-left
        b.SetPixels(4, 0, kGreen);               // top-right
        EXPECT_EQ(GdiPixel(b.Handle(), 0, 2), kRed);
        EXPECT_EQ(GdiPixel(b.Handle(), 4, 0), kGreen);
        const uint8_t *top = b.ScanLine(0);
        const int size = format == pf24bit ? 3 : 4;
        EXPECT_EQ(top[4 * size + 1], 255); // G of top-right: row 0 is the top row
        if (format == pf32bit) {
            EXPECT_EQ(top[4 * size + 3], 255); // SetPixels writes opaque pixels
        }
        EXPECT_EQ(b.Pixels(5, 0), CLR_INVALID);
        EXPECT_EQ(b.Pixels(-1, 0), CLR_INVALID);
        b.SetPixels(5, 0, kRed); // outside: nothing happens
        EXPECT_THROW(b.ScanLine(3), EInvalidGraphicOperation);
    }
}

TEST(Bitmap, TransparentColorFollowsBottomLeftUntilFixed) {
    TBitmap b;
    EXPECT_EQ(b.TransparentMode(), tmAuto);
    EXPECT_EQ(b.TransparentColor(), clDefault); // nothing to take it from yet
    b.SetSize(4, 3);
    b.SetPixels(0, 2, kRed);
    EXPECT_EQ(b.TransparentColor(), kRed);
    b.SetPixels(0, 0, kGreen); // top-left is not the one
    EXPECT_EQ(b.TransparentColor(), kRed);
    b.ScanLine(2)[1] = 255; // written directly: red + green
    EXPECT_EQ(b.TransparentColor(), RGB(255, 255, 0));

    b.SetTransparentColor(kBlue);
    EXPECT_EQ(b.TransparentMode(), tmFixed);
    b.SetPixels(0, 2, kGreen);
    EXPECT_EQ(b.TransparentColor(), kBlue);

    b.SetTransparentColor(clDefault); // back to automatic
    EXPECT_EQ(b.TransparentMode(), tmAuto);
    EXPECT_EQ(b.TransparentColor(), kGreen);

    b.SetTransparentMode(tmFixed); // freezes the colour of the moment
    b.SetPixels(0, 2, kRed);
    EXPECT_EQ(b.TransparentColor(), kGreen);
}

TEST(Bitmap, OnChangeFiresOnEveryChangeAndOnlyThen) {
    ChangeCounter counter;
    TBitmap b;
    b.OnChange = MakeEvent<&ChangeCounter::Changed>(&counter);
    int expected = 0;
    auto expect = [&](int added, const char *what) {
        expected += added;
        EXPECT_EQ(counter.Count, expected) << what;
    };
    b.SetSize(2, 2), expect(1, "size");
    b.SetSize(2, 2), expect(0, "same size");
    b.SetPixelFormat(pf32bit), expect(1, "format");
    b.SetPixelFormat(pf32bit), expect(0, "same format");
    b.SetPixels(1, 1, kRed), expect(1, "pixel");
    b.SetTransparent(true), expect(1, "transparent");
    b.SetTransparent(true), expect(0, "same transparent");
    b.SetTransparentColor(kBlue), expect(1, "colour");
    b.SetTransparentColor(kBlue), expect(0, "same colour");
    TBitmap other;
    other.SetSize(3, 3);
    b.Assign(&other), expect(1, "assign");
    b.LoadFromStream(PaletteBmp()), expect(1, "load");
    EXPECT_THROW(b.LoadFromStream({'B', 'M', 1, 2}), EInvalidGraphic);
    expect(0, "failed load");
    b.Changed(), expect(1, "explicit");
    DeleteObject(b.ReleaseHandle()), expect(1, "release");
    EXPECT_TRUE(b.Empty());
}

TEST(Bitmap, AssignCopiesDeeplyAndResizingKeepsTheSharedArea) {
    ChangeCounter sourceChanges;
    TBitmap source;
    source.SetPixelFormat(pf32bit);
    source.SetSize(3, 2);
    source.ScanLine(0)[3] = 77; // alpha of the top-left pixel
    source.SetPixels(2, 1, kRed);
    source.SetTransparent(true);
    source.SetTransparentColor(kBlue);
    source.OnChange = MakeEvent<&ChangeCounter::Changed>(&sourceChanges);

    TBitmap copy;
    copy.Assign(&source);
    EXPECT_NE(copy.Handle(), source.Handle());
    EXPECT_EQ(copy.PixelFormat(), pf32bit);
    EXPECT_EQ(copy.ScanLine(0)[3], 77);
    EXPECT_EQ(copy.Pixels(2, 1), kRed);
    EXPECT_TRUE(copy.Transparent());
    EXPECT_EQ(copy.TransparentColor(), kBlue);
    EXPECT_FALSE(copy.OnChange.Assigned()); // handlers belong to their bitmap
    source.SetPixels(2, 1, kGreen);
    EXPECT_EQ(copy.Pixels(2, 1), kRed);
    copy.SetPixels(0, 0, kGreen);
    EXPECT_EQ(sourceChanges.Count, 1);

    copy.SetSize(5, 1); // wider, shorter
    EXPECT_EQ(copy.Pixels(0, 0), kGreen);
    EXPECT_EQ(copy.Pixels(4, 0), RGB(0, 0, 0));
    copy.SetPixelFormat(pf24bit);
    EXPECT_EQ(copy.Pixels(0, 0), kGreen);
    copy.SetPixelFormat(pf32bit);
    EXPECT_EQ(copy.ScanLine(0)[3], 255); // from 24 bits: opaque
    EXPECT_THROW(copy.SetSize(-1, 2), EInvalidGraphicOperation);

    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    TIcon icon;
    EXPECT_THROW(copy.Assign(&icon), EConvertError);
}

TEST(Bitmap, StreamRoundTripIn24And32Bits) {
    for (TPixelFormat format : {pf24bit, pf32bit}) {
        TBitmap b;
        b.SetPixelFormat(format);
        b.SetSize(3, 2);
        b.SetPixels(0, 0, kRed);
        b.SetPixels(2, 0, kGreen);
        b.SetPixels(0, 1, kBlue);
        if (format == pf32bit)
            b.ScanLine(1)[3] = 0x40;
        std::vector<uint8_t> data = b.SaveToStream();
        const int bpp = format == pf32bit ? 32 : 24, stride = format == pf32bit ? 12 : 12;
        ASSERT_EQ(data.size(), 14u + 40u + stride * 2u);
        EXPECT_EQ(data[0], 'B');
        EXPECT_EQ(data[1], 'M');
        EXPECT_EQ(data[2] | data[3] << 8, int(data.size()));
        EXPECT_EQ(data[14 + 8], 2);    // positive height: bottom-up
        EXPECT_EQ(data[14 + 14], bpp); // bits per pixel
        EXPECT_EQ(data[54], 255);      // first stored row is the bottom one: blue
        if (format == pf32bit) {
            EXPECT_EQ(data[54 + 3], 0x40);
        }

        TBitmap back;
        back.LoadFromStream(data);
        EXPECT_EQ(back.PixelFormat(), format);
        EXPECT_EQ(back.Width(), 3);
        EXPECT_EQ(back.Height(), 2);
        for (int y = 0; y < 2; ++y)
            EXPECT_EQ(std::vector<uint8_t>(back.ScanLine(y), back.ScanLine(y) + stride),
                      std::vector<uint8_t>(b.ScanLine(y), b.ScanLine(y) + stride));
    }
    TBitmap empty;
    EXPECT_TRUE(empty.SaveToStream().empty());
}

TEST(Bitmap, LoadsPaletteBitmapsAndRejectsMalformedData) {
    TBitmap b;
    b.LoadFromStream(PaletteBmp());
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.Pixels(0, 0), kRed);
    EXPECT_EQ(b.Pixels(1, 0), kBlue);
    EXPECT_EQ(b.Pixels(0, 1), kBlue);
    EXPECT_EQ(b.Pixels(1, 1), kRed);

    // The same data behind its own length is accepted as well.
    std::vector<uint8_t> prefixed = PaletteBmp();
    uint32_t size = uint32_t(prefixed.size());
    prefixed.insert(prefixed.begin(), {uint8_t(size), 0, 0, 0});
    TBitmap p;
    p.LoadFromStream(prefixed);
    EXPECT_EQ(p.Pixels(1, 0), kBlue);

    // Nothing malformed gets in, and a failed load leaves the bitmap as it was.
    auto broken = [](auto edit) {
        std::vector<uint8_t> d = PaletteBmp();
        edit(d);
        return d;
    };
    const std::vector<std::vector<uint8_t>> bad = {
        broken([](auto &d) { d.resize(d.size() - 1); }), // pixels cut short
        broken([](auto &d) { d[0] = 'X'; }),             // not a BMP
        broken([](auto &d) { d[10] = 64; }),             // pixels run past the end
        broken([](auto &d) { d[14 + 4] = 0; }),          // zero width
        broken([](auto &d) { d[14 + 7] = 0x7F; }),       // absurd width
        broken([](auto &d) { d[14 + 14] = 7; }),         // 7 bits per pixel
        broken([](auto &d) { d[14 + 16] = 9; }),         // unknown compression
        broken([](auto &d) { d[14] = 12; }),             // header too small
        broken([](auto &d) { d.resize(20); }),           // header cut short
        broken([](auto &d) { d[14 + 33] = 1; }),         // colour table past the end
    };
    for (size_t i = 0; i < bad.size(); ++i) {
        EXPECT_THROW(b.LoadFromStream(bad[i]), EInvalidGraphic) << "case " << i;
        EXPECT_EQ(b.Width(), 2);
        EXPECT_EQ(b.Pixels(1, 1), kRed);
    }
    b.LoadFromStream({});
    EXPECT_TRUE(b.Empty());
}

// A bitmap in a form is the ribbon forms' test: RibbonTest.AFormWithEveryClassReadsBackToTheSameForm
// carries a glyph's pixels through one, and the Backstage form's text round trip
// (BackstageTest.TheFormWithEveryClassInEveryContainerReadsAndWritesBackToTheSameText) has no data for
// the empty glyphs.

TEST(Bitmap, AlphaCopyFromTheTransparentColour) {
    TBitmap b;
    b.SetSize(2, 2);
    Fill(b, kRed);
    b.SetPixels(0, 1, kMagenta); // bottom-left: the automatic transparent colour
    b.SetPixels(1, 0, kMagenta);
    TBitmap alpha;
    MakeAlphaBitmap(b, alpha); // not Transparent: all opaque
    ASSERT_EQ(alpha.PixelFormat(), pf32bit);
    EXPECT_EQ(alpha.ScanLine(1)[3], 255);

    b.SetTransparent(true);
    MakeAlphaBitmap(b, alpha);
    EXPECT_EQ(alpha.ScanLine(1)[3], 0);      // (0,1)
    EXPECT_EQ(alpha.ScanLine(0)[4 + 3], 0);  // (1,0)
    EXPECT_EQ(alpha.ScanLine(0)[3], 255);    // (0,0) red
    EXPECT_EQ(alpha.Pixels(0, 1), kMagenta); // straight alpha: colour kept
    EXPECT_EQ(b.PixelFormat(), pf24bit);     // the source is left alone

    b.SetTransparentColor(0x80000000 | COLOR_BTNFACE); // a system colour
    b.SetPixels(1, 1, GetSysColor(COLOR_BTNFACE));
    MakeAlphaBitmap(b, alpha);
    EXPECT_EQ(alpha.ScanLine(1)[4 + 3], 0);
    EXPECT_EQ(alpha.ScanLine(1)[3], 255);

    // 32 bits keep their own alpha, even where the colour matches.
    TBitmap b32;
    b32.SetPixelFormat(pf32bit);
    b32.SetSize(2, 1);
    b32.SetTransparent(true);
    b32.ScanLine(0)[3] = 0x80; // black, half transparent: also the bottom-left colour
    b32.ScanLine(0)[7] = 0x10;
    MakeAlphaBitmap(b32, alpha);
    EXPECT_EQ(alpha.ScanLine(0)[3], 0x80);
    EXPECT_EQ(alpha.ScanLine(0)[7], 0x10);
}

// The ribbon's glyphs: the colour key cuts through a 32-bit picture too, whose other pixels keep
// their own alpha.
TEST(Bitmap, AlphaCopyKeyingEveryFormat) {
    TBitmap b32;
    b32.SetPixelFormat(pf32bit);
    b32.SetSize(3, 1);
    b32.SetTransparent(true);
    b32.SetTransparentColor(kMagenta);
    b32.SetPixels(0, 0, kMagenta);
    b32.SetPixels(1, 0, kRed);
    b32.ScanLine(0)[3] = 0x80;
    b32.ScanLine(0)[4 + 3] = 0x10;
    b32.ScanLine(0)[8 + 3] = 0x40; // black
    TBitmap alpha;
    MakeAlphaBitmap(b32, alpha, true);
    EXPECT_EQ(alpha.ScanLine(0)[3], 0);        // the key colour
    EXPECT_EQ(alpha.Pixels(0, 0), kMagenta);   // straight alpha: colour kept
    EXPECT_EQ(alpha.ScanLine(0)[4 + 3], 0x10); // its own alpha
    EXPECT_EQ(alpha.ScanLine(0)[8 + 3], 0x40);

    TBitmap b24; // a 24-bit source is keyed as without the option
    b24.SetSize(2, 1);
    Fill(b24, kRed);
    b24.SetPixels(0, 0, kMagenta);
    b24.SetTransparent(true);
    b24.SetTransparentColor(kMagenta);
    MakeAlphaBitmap(b24, alpha, true);
    EXPECT_EQ(alpha.ScanLine(0)[3], 0);
    EXPECT_EQ(alpha.ScanLine(0)[4 + 3], 255);
}

TEST(OlePicture, BitmapPictureOwnsACopyOfTheHandle) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(20, 10);
    Owned<IPictureDisp> disp(CreatePictureDisp(*bitmap));
    ASSERT_NE(disp, nullptr);
    Owned<IPicture> picture = AsPicture(disp.get());
    SHORT type = -1;
    EXPECT_EQ(picture->get_Type(&type), S_OK);
    EXPECT_EQ(type, PICTYPE_BITMAP);
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    picture->get_Width(&width);
    picture->get_Height(&height);
    EXPECT_NEAR(width, 20 * 2540 / 96, 30);
    EXPECT_NEAR(height, 10 * 2540 / 96, 30);
    OLE_HANDLE handle = 0;
    picture->get_Handle(&handle);
    HBITMAP pictureBitmap = reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle));
    EXPECT_NE(pictureBitmap, bitmap->Handle());

    // The bitmap may go first: the picture's own handle stays good.
    bitmap.reset();
    BITMAP info{};
    EXPECT_NE(GetObjectW(pictureBitmap, sizeof(info), &info), 0);
    EXPECT_EQ(info.bmWidth, 20);

    // And the other way round: freeing the picture frees its copy, not the bitmap's handle.
    TBitmap kept;
    kept.SetSize(4, 4);
    Owned<IPictureDisp> second(CreatePictureDisp(kept));
    picture.reset();
    disp.reset();
    second.reset();
    EXPECT_NE(GetObjectW(kept.Handle(), sizeof(info), &info), 0);
    EXPECT_EQ(GetObjectW(pictureBitmap, sizeof(info), &info), 0); // the picture did own its copy

    TBitmap empty;
    Owned<IPictureDisp> none(CreatePictureDisp(empty));
    EXPECT_EQ(AsPicture(none.get())->get_Type(&type), S_OK);
    EXPECT_EQ(type, PICTYPE_NONE);
}

TEST(ImageList, MaskedImagesComeBackAsBitmapsAndIcons) {
    // The common controls come with the first image list, not with the library.
    EXPECT_EQ(GetModuleHandleW(L"comctl32.dll"), nullptr);
    std::unique_ptr<TImageList> list(new TImageList(nullptr));
    EXPECT_NE(GetModuleHandleW(L"comctl32.dll"), nullptr);
    EXPECT_EQ(list->Width(), 16);
    TBitmap strip;
    strip.SetSize(32, 16);
    Fill(strip, kRed);
    strip.SetPixels(0, 15, kMagenta);
    strip.SetPixels(17, 0, kMagenta);
    EXPECT_EQ(list->AddMasked(strip, kMagenta), 0);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(strip.Pixels(0, 15), kMagenta); // the caller's bitmap is not blacked out

    TBitmap second;
    list->GetBitmap(1, second);
    ASSERT_EQ(second.PixelFormat(), pf32bit);
    EXPECT_EQ(second.Width(), 16);
    EXPECT_EQ(second.ScanLine(0)[1 * 4 + 3], 0);   // (1,0) of the second image: masked
    EXPECT_EQ(second.ScanLine(0)[0 * 4 + 3], 255); // (0,0): opaque red
    EXPECT_EQ(second.Pixels(0, 0), kRed);
    EXPECT_EQ(second.ScanLine(15)[0 * 4 + 3], 255); // the first image's mask is not the second's

    TIcon icon;
    list->GetIcon(0, icon);
    ASSERT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 16);
    EXPECT_EQ(icon.Height(), 16);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.Handle(), &info));
    EXPECT_NE(GdiPixel(info.hbmMask, 0, 15) & 0xFFFFFF, 0u); // transparent corner
    EXPECT_EQ(GdiPixel(info.hbmMask, 1, 15) & 0xFFFFFF, 0u);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);

    Owned<IPictureDisp> disp(CreatePictureDisp(icon));
    SHORT type = -1;
    AsPicture(disp.get())->get_Type(&type);
    EXPECT_EQ(type, PICTYPE_ICON);
    disp.reset();
    EXPECT_EQ(icon.Width(), 16); // still the icon's own handle

    EXPECT_THROW(list->GetIcon(2, icon), EListError);
    EXPECT_THROW(list->GetBitmap(-1, second), EListError);
    TBitmap wrong;
    wrong.SetSize(16, 8);
    EXPECT_THROW(list->AddMasked(wrong, kMagenta), EInvalidOperation);
    list->SetWidth(24); // a new size empties the list
    EXPECT_EQ(list->Count(), 0);
    list->SetSize(16, 16);
    list->AddMasked(second, kMagenta);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
}

TEST(Icon, FromBitmapAndMask) {
    TBitmap image, mask;
    image.SetSize(8, 8);
    Fill(image, kGreen);
    mask.SetSize(8, 8);
    mask.SetPixels(7, 7, RGB(255, 255, 255));
    TIcon icon;
    icon.CreateFromBitmap(image, mask);
    EXPECT_EQ(icon.Width(), 8);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon.Handle(), &info));
    EXPECT_NE(GdiPixel(info.hbmMask, 7, 7) & 0xFFFFFF, 0u);
    EXPECT_EQ(GdiPixel(info.hbmMask, 0, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(GdiPixel(info.hbmColor, 7, 7) & 0xFFFFFF, 0u); // blacked out under the mask
    EXPECT_EQ(GdiPixel(info.hbmColor, 0, 0), kGreen);
    DeleteObject(info.hbmMask);
    DeleteObject(info.hbmColor);
    EXPECT_EQ(image.Pixels(7, 7), kGreen); // the caller's image is untouched

    TIcon copy;
    copy.Assign(&icon);
    EXPECT_NE(copy.Handle(), icon.Handle());
    EXPECT_EQ(copy.Width(), 8);
    mask.SetSize(4, 4);
    EXPECT_THROW(icon.CreateFromBitmap(image, mask), EInvalidGraphicOperation);
    EXPECT_EQ(icon.Width(), 8); // unchanged after the failure
}
