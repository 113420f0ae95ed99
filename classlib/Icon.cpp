#include "classlib/Icon.h"

#include "classlib/Classes.h"

#include <algorithm>
#include <vector>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TIcon, TPersistent)

SIZE TIcon::Size() const {
    ICONINFO info{};
    if (!handle_ || !GetIconInfo(handle_.get(), &info))
        return {0, 0};
    // GetIconInfo makes copies of both bitmaps: they are ours to delete.
    TBitmapHandle color(info.hbmColor), mask(info.hbmMask);
    BITMAP bm{};
    if (color && GetObjectW(color.get(), sizeof(bm), &bm))
        return {bm.bmWidth, bm.bmHeight};
    if (mask && GetObjectW(mask.get(), sizeof(bm), &bm))
        return {bm.bmWidth, bm.bmHeight / 2}; // a monochrome icon: AND and XOR masks stacked
    return {0, 0};
}

int TIcon::Width() const {
    return Size().cx;
}

int TIcon::Height() const {
    return Size().cy;
}

void TIcon::CreateFromBitmap(const TBitmap &image, const TBitmap &mask) {
    const int w = image.Width(), h = image.Height();
    if (image.Empty() || mask.Width() != w || mask.Height() != h)
        throw EInvalidGraphicOperation(L"Invalid icon image size");
    // Transparent pixels must be black in the colour image, or the screen shows through inverted.
    TBitmap color;
    color.Assign(&image);
    // A monochrome bitmap of word-aligned rows: bit set = transparent.
    const int maskStride = (w + 15) / 16 * 2;
    std::vector<uint8_t> maskBits(size_t(maskStride) * h, 0);
    for (int y = 0; y < h; ++y) {
        uint8_t *row = color.ScanLine(y);
        const int pixelSize = color.PixelFormat() == pf32bit ? 4 : 3;
        for (int x = 0; x < w; ++x)
            if ((mask.Pixels(x, y) & 0xFFFFFF) != 0) {
                maskBits[size_t(y) * maskStride + x / 8] |= uint8_t(0x80 >> (x % 8));
                std::fill_n(row + size_t(x) * pixelSize, pixelSize, uint8_t(0));
            }
    }
    TBitmapHandle monochrome(CreateBitmap(w, h, 1, 1, maskBits.data()));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmMask = monochrome.get();
    info.hbmColor = color.Handle();
    HICON icon = monochrome ? CreateIconIndirect(&info) : nullptr;
    if (icon == nullptr)
        throw EInvalidGraphicOperation(L"Cannot create an icon");
    handle_.reset(icon); // the system copied both bitmaps
}

void TIcon::Assign(const TPersistent *source) {
    if (source == nullptr) {
        handle_.reset();
        return;
    }
    const auto *other = dynamic_cast<const TIcon *>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    HICON copy = other->handle_ ? CopyIcon(other->handle_.get()) : nullptr;
    if (other->handle_ && copy == nullptr)
        throw EInvalidGraphicOperation(L"Cannot copy the icon");
    handle_.reset(copy);
}

} // namespace classlib
