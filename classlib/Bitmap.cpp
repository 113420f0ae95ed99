#include "classlib/Bitmap.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"

#include <algorithm>
#include <cstring>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TBitmap, TPersistent)

namespace {

constexpr int kFileHeaderSize = 14, kInfoHeaderSize = 40;
// Bounds for data read from streams, so that a corrupt header cannot ask for gigabytes.
constexpr int64_t kMaxDimension = 16384, kMaxPixels = int64_t(1) << 24;

int64_t StrideOf(int64_t width, int bitsPerPixel) {
    return (width * bitsPerPixel + 31) / 32 * 4;
}

TBitmapHandle CreateDib(int width, int height, TPixelFormat format, uint8_t **bits) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = format == pf32bit ? 32 : 24;
    info.bmiHeader.biCompression = BI_RGB;
    void *memory = nullptr;
    TBitmapHandle handle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0));
    if (!handle || memory == nullptr)
        throw EInvalidGraphicOperation(Format(L"Cannot create a bitmap of %d x %d pixels", {width, height}));
    *bits = static_cast<uint8_t *>(memory);
    return handle;
}

uint16_t U16(const uint8_t *p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}
uint32_t U32(const uint8_t *p) {
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}
void Put16(uint8_t *p, uint32_t v) {
    p[0] = uint8_t(v), p[1] = uint8_t(v >> 8);
}
void Put32(uint8_t *p, uint32_t v) {
    Put16(p, v), Put16(p + 2, v >> 16);
}

[[noreturn]] void InvalidBitmap() {
    throw EInvalidGraphic(L"Bitmap image is not valid");
}

struct DcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};

} // namespace

void TBitmap::Replace(TBitmapHandle handle, uint8_t *bits, int width, int height, TPixelFormat format) {
    handle_ = std::move(handle);
    bits_ = bits;
    width_ = width, height_ = height;
    pixelFormat_ = format;
    stride_ = handle_ ? static_cast<int>(StrideOf(width, BytesPerPixel() * 8)) : 0;
}

void TBitmap::SetSize(int width, int height) {
    if (width < 0 || height < 0)
        throw EInvalidGraphicOperation(Format(L"Invalid bitmap size %d x %d", {width, height}));
    if (width == width_ && height == height_)
        return;
    TBitmapHandle handle;
    uint8_t *bits = nullptr;
    if (width > 0 && height > 0) {
        handle = CreateDib(width, height, pixelFormat_, &bits);
        if (bits_ != nullptr) {
            GdiFlush();
            const size_t rowBytes = size_t(std::min(width, width_)) * BytesPerPixel();
            const int newStride = static_cast<int>(StrideOf(width, BytesPerPixel() * 8));
            for (int y = 0; y < std::min(height, height_); ++y)
                std::memcpy(bits + size_t(y) * newStride, bits_ + size_t(y) * stride_, rowBytes);
        }
    }
    Replace(std::move(handle), bits, width, height, pixelFormat_);
    Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
    if (format == pixelFormat_)
        return;
    if (Empty()) {
        pixelFormat_ = format;
        Changed();
        return;
    }
    uint8_t *bits = nullptr;
    TBitmapHandle handle = CreateDib(width_, height_, format, &bits);
    GdiFlush();
    const int fromSize = BytesPerPixel(), toSize = format == pf32bit ? 4 : 3;
    const int64_t toStride = StrideOf(width_, toSize * 8);
    for (int y = 0; y < height_; ++y) {
        const uint8_t *from = bits_ + size_t(y) * stride_;
        uint8_t *to = bits + size_t(y * toStride);
        for (int x = 0; x < width_; ++x, from += fromSize, to += toSize) {
            std::memcpy(to, from, 3);
            if (toSize == 4)
                to[3] = 255;
        }
    }
    Replace(std::move(handle), bits, width_, height_, format);
    Changed();
}

HBITMAP TBitmap::ReleaseHandle() {
    if (Empty())
        return nullptr;
    GdiFlush();
    HBITMAP handle = handle_.release();
    Replace(nullptr, nullptr, 0, 0, pixelFormat_);
    Changed();
    return handle;
}

uint8_t *TBitmap::PixelAddress(int x, int y) const {
    if (bits_ == nullptr || x < 0 || y < 0 || x >= width_ || y >= height_)
        return nullptr;
    return bits_ + size_t(y) * stride_ + size_t(x) * BytesPerPixel();
}

COLORREF TBitmap::Pixels(int x, int y) const {
    const uint8_t *p = PixelAddress(x, y);
    if (p == nullptr)
        return CLR_INVALID;
    GdiFlush();
    return RGB(p[2], p[1], p[0]);
}

void TBitmap::SetPixels(int x, int y, COLORREF color) {
    uint8_t *p = PixelAddress(x, y);
    if (p == nullptr)
        return;
    GdiFlush();
    p[0] = GetBValue(color), p[1] = GetGValue(color), p[2] = GetRValue(color);
    if (pixelFormat_ == pf32bit)
        p[3] = 255;
    Changed();
}

const uint8_t *TBitmap::ScanLine(int y) const {
    if (bits_ == nullptr || y < 0 || y >= height_)
        throw EInvalidGraphicOperation(Format(L"Scan line index out of range (%d)", {y}));
    GdiFlush();
    return bits_ + size_t(y) * stride_;
}

uint8_t *TBitmap::ScanLine(int y) {
    return const_cast<uint8_t *>(std::as_const(*this).ScanLine(y));
}

void TBitmap::SetTransparent(bool transparent) {
    if (transparent != transparent_) {
        transparent_ = transparent;
        Changed();
    }
}

COLORREF TBitmap::TransparentColor() const {
    if (transparentMode_ == tmFixed)
        return transparentColor_;
    return Empty() ? clDefault : Pixels(0, height_ - 1);
}

void TBitmap::SetTransparentColor(COLORREF color) {
    const TTransparentMode mode = color == clDefault ? tmAuto : tmFixed;
    if (mode == transparentMode_ && color == transparentColor_)
        return;
    transparentMode_ = mode;
    transparentColor_ = color;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode mode) {
    if (mode == transparentMode_)
        return;
    transparentColor_ = mode == tmFixed ? TransparentColor() : clDefault;
    transparentMode_ = mode;
    Changed();
}

void TBitmap::Assign(const TPersistent *source) {
    if (source == nullptr) {
        Replace(nullptr, nullptr, 0, 0, pixelFormat_);
        Changed();
        return;
    }
    const auto *other = dynamic_cast<const TBitmap *>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    TBitmapHandle handle;
    uint8_t *bits = nullptr;
    if (other->bits_ != nullptr) {
        handle = CreateDib(other->width_, other->height_, other->pixelFormat_, &bits);
        GdiFlush();
        std::memcpy(bits, other->bits_, size_t(other->stride_) * other->height_);
    }
    Replace(std::move(handle), bits, other->width_, other->height_, other->pixelFormat_);
    transparent_ = other->transparent_;
    transparentMode_ = other->transparentMode_;
    transparentColor_ = other->transparentColor_;
    Changed();
}

std::vector<uint8_t> TBitmap::SaveToStream() const {
    if (Empty())
        return {};
    GdiFlush();
    const uint32_t imageSize = uint32_t(stride_) * height_;
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<uint8_t> data(offset + imageSize);
    uint8_t *p = data.data();
    p[0] = 'B', p[1] = 'M';
    Put32(p + 2, uint32_t(data.size()));
    Put32(p + 10, offset);
    p += kFileHeaderSize;
    Put32(p, kInfoHeaderSize);
    Put32(p + 4, uint32_t(width_));
    Put32(p + 8, uint32_t(height_)); // positive: bottom-up, as most readers expect
    Put16(p + 12, 1);
    Put16(p + 14, BytesPerPixel() * 8);
    Put32(p + 16, BI_RGB);
    Put32(p + 20, imageSize);
    for (int y = 0; y < height_; ++y)
        std::memcpy(data.data() + offset + size_t(height_ - 1 - y) * stride_, bits_ + size_t(y) * stride_,
                    stride_);
    return data;
}

void TBitmap::LoadFromStream(const std::vector<uint8_t> &data) {
    if (data.empty()) {
        Assign(nullptr);
        return;
    }
    // Tolerates the variant that puts the length of the file data before it.
    size_t skip =
        data.size() >= 6 && U32(data.data()) == data.size() - 4 && data[4] == 'B' && data[5] == 'M' ? 4 : 0;
    const uint8_t *p = data.data() + skip;
    const size_t n = data.size() - skip;
    if (n < kFileHeaderSize + kInfoHeaderSize || p[0] != 'B' || p[1] != 'M')
        InvalidBitmap();
    const uint32_t bitsOffset = U32(p + 10);
    const uint8_t *h = p + kFileHeaderSize;
    const uint32_t headerSize = U32(h);
    const int32_t width = static_cast<int32_t>(U32(h + 4)), height = static_cast<int32_t>(U32(h + 8));
    const int bpp = U16(h + 14);
    const uint32_t compression = U32(h + 16), sizeImage = U32(h + 20), colorsUsed = U32(h + 32);
    const int64_t rows = height < 0 ? -int64_t(height) : height;
    if (headerSize < kInfoHeaderSize || kFileHeaderSize + uint64_t(headerSize) > n || U16(h + 12) != 1 ||
        width <= 0 || rows == 0 || width > kMaxDimension || rows > kMaxDimension ||
        width * rows > kMaxPixels || bitsOffset >= n)
        InvalidBitmap();
    const uint8_t *pixels = p + bitsOffset;
    const size_t available = n - bitsOffset;
    const int64_t sourceStride = StrideOf(width, bpp);

    uint8_t *bits = nullptr;
    TBitmapHandle handle;
    if (compression == BI_RGB && (bpp == 24 || bpp == 32)) {
        if (uint64_t(sourceStride * rows) > available)
            InvalidBitmap();
        TPixelFormat format = bpp == 32 ? pf32bit : pf24bit;
        handle = CreateDib(width, int(rows), format, &bits);
        for (int64_t y = 0; y < rows; ++y) {
            const int64_t from = height > 0 ? rows - 1 - y : y;
            std::memcpy(bits + y * sourceStride, pixels + from * sourceStride, size_t(sourceStride));
        }
        Replace(std::move(handle), bits, width, int(rows), format);
        Changed();
        return;
    }

    // Everything else is converted by the system into a 24-bit DIB.
    const bool rle = (compression == BI_RLE8 && bpp == 8) || (compression == BI_RLE4 && bpp == 4);
    const bool plain = compression == BI_RGB && (bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16);
    const bool fields = compression == BI_BITFIELDS && (bpp == 16 || bpp == 32);
    if (!(rle || plain || fields) || (rle && height < 0))
        InvalidBitmap();
    const uint32_t colors = bpp <= 8 ? std::min<uint32_t>(colorsUsed ? colorsUsed : 1u << bpp, 1u << bpp) : 0;
    // The three masks follow a 40-byte header and are the first fields after it in larger ones.
    const uint32_t masks = fields ? 3 : 0;
    const uint64_t tableAt =
        kFileHeaderSize + uint64_t(headerSize) + (fields && headerSize == kInfoHeaderSize ? 12 : 0);
    if (kFileHeaderSize + kInfoHeaderSize + masks * 4 > n || tableAt + colors * 4 > n)
        InvalidBitmap();
    uint64_t length = rle ? (sizeImage ? sizeImage : available) : uint64_t(sourceStride * rows);
    if (length > available)
        InvalidBitmap();

    std::vector<uint32_t> info(kInfoHeaderSize / 4 + masks + colors); // aligned, unlike the file's
    auto *out = reinterpret_cast<uint8_t *>(info.data());
    std::memcpy(out, h, kInfoHeaderSize);
    Put32(out, kInfoHeaderSize);
    if (rle)
        Put32(out + 20, uint32_t(length));
    std::memcpy(out + kInfoHeaderSize, h + kInfoHeaderSize, masks * 4);
    std::memcpy(out + kInfoHeaderSize + masks * 4, p + tableAt, colors * 4);

    handle = CreateDib(width, int(rows), pf24bit, &bits);
    std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc(CreateCompatibleDC(nullptr));
    if (!dc || SetDIBits(dc.get(), handle.get(), 0, UINT(rows), pixels, reinterpret_cast<BITMAPINFO *>(out),
                         DIB_RGB_COLORS) == 0)
        InvalidBitmap();
    GdiFlush();
    Replace(std::move(handle), bits, width, int(rows), pf24bit);
    Changed();
}

void TBitmap::DefineProperties(TFiler &filer) {
    TPersistent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        L"Data", [this](const std::vector<uint8_t> &data) { LoadFromStream(data); },
        [this] { return SaveToStream(); }, !Empty());
}

} // namespace classlib
