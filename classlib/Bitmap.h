// TBitmap: a device-independent bitmap (a DIB section) of 24 or 32 bits per pixel, with a
// transparent colour and change notification, streamed in forms as BMP file data.
#pragma once
#include "classlib/Events.h"
#include "classlib/Persistent.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

namespace classlib {

CLASSLIB_EXCEPTION(EInvalidGraphic, Exception);          // data that is not a valid image
CLASSLIB_EXCEPTION(EInvalidGraphicOperation, Exception); // an operation the image cannot do

// Owns a GDI bitmap.
struct TGdiObjectDeleter {
    void operator()(HBITMAP handle) const noexcept { DeleteObject(handle); }
};
using TBitmapHandle = std::unique_ptr<std::remove_pointer_t<HBITMAP>, TGdiObjectDeleter>;

enum TPixelFormat { pf24bit, pf32bit };
enum TTransparentMode { tmAuto, tmFixed };

// As a transparent colour: "the bitmap's bottom-left pixel" (automatic mode).
constexpr COLORREF clDefault = 0x20000000;

// Memory layout: top-down rows (ScanLine(0) is the top row), each BytesPerScanLine() long (a multiple
// of 4), pixels as B, G, R bytes, followed by A for pf32bit. Alpha is straight (not premultiplied).
// A new bitmap, or the area a SetSize adds, is black with alpha 0.
class TBitmap : public TPersistent {
    CLASSLIB_CLASS(TBitmap)
public:
    TBitmap() = default;
    ~TBitmap() override = default;

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }
    // Keeps the pixels of the area the old and new sizes share. Raises EInvalidGraphicOperation for
    // a negative size, or when the system cannot make the bitmap.
    void SetSize(int width, int height);
    bool Empty() const { return handle_ == nullptr; }

    TPixelFormat PixelFormat() const { return pixelFormat_; }
    // Converts the pixels: 24 to 32 bits makes them opaque (alpha 255), 32 to 24 drops alpha.
    void SetPixelFormat(TPixelFormat format);

    // The DIB section, owned by the bitmap; nullptr when empty.
    HBITMAP Handle() const { return handle_.get(); }
    // Hands the DIB section over to the caller; the bitmap is empty afterwards.
    HBITMAP ReleaseHandle();

    // Outside the bitmap Pixels answers CLR_INVALID and SetPixels does nothing. SetPixels writes an
    // opaque pixel (alpha 255 in pf32bit); use ScanLine for other alpha values.
    COLORREF Pixels(int x, int y) const;
    void SetPixels(int x, int y, COLORREF color);
    // Row y (0 = top); raises EInvalidGraphicOperation outside 0..Height-1. Writing through it does
    // not notify: call Changed() afterwards.
    uint8_t *ScanLine(int y);
    const uint8_t *ScanLine(int y) const;
    int BytesPerScanLine() const { return stride_; }

    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    // In tmAuto the colour of the bottom-left pixel (clDefault while the bitmap is empty); in tmFixed
    // the colour last set. Setting a colour makes the mode tmFixed, setting clDefault makes it tmAuto.
    COLORREF TransparentColor() const;
    void SetTransparentColor(COLORREF color);
    TTransparentMode TransparentMode() const { return transparentMode_; }
    // Switching to tmFixed keeps the colour the automatic mode answered at that moment.
    void SetTransparentMode(TTransparentMode mode);

    // Deep copy of a TBitmap (pixels, format, transparency; not OnChange); nullptr empties the bitmap.
    void Assign(const TPersistent *source) override;

    // BMP file data: BITMAPFILEHEADER, BITMAPINFOHEADER, bottom-up rows. Loads 1, 4, 8, 16, 24 and
    // 32 bits per pixel (RLE and bit fields included); 32-bit BI_RGB data keeps its alpha and becomes
    // pf32bit, everything else pf24bit. Raises EInvalidGraphic for malformed data (the bitmap is then
    // unchanged). An empty bitmap saves as no bytes at all, and no bytes load as an empty bitmap.
    void LoadFromStream(const std::vector<uint8_t> &data);
    std::vector<uint8_t> SaveToStream() const;

    // Forms carry the bitmap as the binary property "Data": exactly the bytes of SaveToStream (the
    // BMP file, nothing before it); written only when the bitmap is not empty.
    void DefineProperties(TFiler &filer) override;

    // Fired after every change made through this class.
    TEvent<void(TObject *Sender)> OnChange;
    void Changed() { OnChange(this); }

private:
    uint8_t *PixelAddress(int x, int y) const;
    int BytesPerPixel() const { return pixelFormat_ == pf32bit ? 4 : 3; }
    void Replace(TBitmapHandle handle, uint8_t *bits, int width, int height, TPixelFormat format);

    TBitmapHandle handle_;
    uint8_t *bits_ = nullptr;
    int width_ = 0, height_ = 0, stride_ = 0;
    TPixelFormat pixelFormat_ = pf24bit;
    bool transparent_ = false;
    TTransparentMode transparentMode_ = tmAuto;
    COLORREF transparentColor_ = clDefault;
};

} // namespace classlib
