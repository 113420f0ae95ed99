#include "classlib/ImageList.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"

#include <algorithm>
#include <memory>
#include <type_traits>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TImageList, TComponent,
                      b.Property(L"Width", &TImageList::Width, &TImageList::SetWidth).Default(16);
                      b.Property(L"Height", &TImageList::Height, &TImageList::SetHeight).Default(16))

namespace {

HIMAGELIST CreateList(int width, int height) {
    static const bool initialized = [] {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&icc) != FALSE;
    }();
    (void)initialized;
    HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (list == nullptr)
        throw EInvalidOperation(Format(L"Cannot create an image list of %d x %d", {width, height}));
    return list;
}

struct DcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};

// Draws image index of list into bitmap (already of the list's size) with the given style.
void Draw(HIMAGELIST list, int index, TBitmap &bitmap, UINT style) {
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = dc ? SelectObject(dc.get(), bitmap.Handle()) : nullptr;
    bool drawn = old != nullptr && ImageList_DrawEx(list, index, dc.get(), 0, 0, bitmap.Width(),
                                                    bitmap.Height(), CLR_NONE, CLR_NONE, style);
    if (old != nullptr)
        SelectObject(dc.get(), old);
    GdiFlush();
    if (!drawn)
        throw EInvalidOperation(L"Cannot draw the image list");
}

} // namespace

TImageList::TImageList(TComponent *owner) : TComponent(owner), handle_(CreateList(width_, height_)) {}

TImageList::~TImageList() {
    ImageList_Destroy(handle_);
}

void TImageList::SetSize(int width, int height) {
    if (width < 1 || height < 1)
        throw EInvalidOperation(Format(L"Invalid image list size %d x %d", {width, height}));
    if (width == width_ && height == height_)
        return;
    HIMAGELIST list = CreateList(width, height);
    ImageList_Destroy(handle_);
    handle_ = list;
    width_ = width, height_ = height;
}

void TImageList::Clear() {
    ImageList_RemoveAll(handle_);
}

void TImageList::CheckIndex(int index) const {
    if (index < 0 || index >= Count())
        ListIndexError(index);
}

int TImageList::AddMasked(const TBitmap &image, COLORREF maskColor) {
    if (image.Height() != height_ || image.Width() < width_)
        throw EInvalidOperation(Format(L"Invalid image size %d x %d for a list of %d x %d",
                                       {image.Width(), image.Height(), width_, height_}));
    // The system blacks out the masked pixels of the bitmap it is given: give it a copy.
    TBitmap copy;
    copy.Assign(&image);
    int index = ImageList_AddMasked(handle_, copy.Handle(), maskColor);
    if (index < 0)
        throw EInvalidOperation(L"Failed to add image");
    return index;
}

void TImageList::GetBitmap(int index, TBitmap &bitmap) const {
    CheckIndex(index);
    // Drawn rather than read from the list's own bitmaps (which the list keeps selected in its DC),
    // once on black and once on white: the difference is what shows through, which gives the alpha.
    TBitmap onBlack, onWhite;
    for (TBitmap *b : {&onBlack, &onWhite}) {
        b->SetPixelFormat(pf32bit);
        b->SetSize(width_, height_);
    }
    for (int y = 0; y < height_; ++y)
        std::fill_n(onWhite.ScanLine(y), size_t(width_) * 4, uint8_t(255));
    Draw(handle_, index, onBlack, ILD_NORMAL);
    Draw(handle_, index, onWhite, ILD_NORMAL);
    for (int y = 0; y < height_; ++y) {
        uint8_t *p = onBlack.ScanLine(y);
        const uint8_t *w = onWhite.ScanLine(y);
        for (int x = 0; x < width_; ++x, p += 4, w += 4) {
            const int through = std::max({w[0] - p[0], w[1] - p[1], w[2] - p[2], 0});
            const int alpha = 255 - through;
            // On black the colour came out premultiplied: undo that.
            for (int c = 0; c < 3; ++c)
                p[c] = uint8_t(alpha == 0 ? 0 : std::min(255, p[c] * 255 / alpha));
            p[3] = uint8_t(alpha);
        }
    }
    bitmap.Assign(&onBlack);
}

void TImageList::GetIcon(int index, TIcon &icon) const {
    CheckIndex(index);
    HICON handle = ImageList_GetIcon(handle_, index, ILD_NORMAL);
    if (handle == nullptr)
        throw EInvalidOperation(L"Cannot make an icon of the image");
    icon.SetHandle(handle);
}

} // namespace classlib
