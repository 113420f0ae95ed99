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

// The common controls library, loaded when the process makes its first image list rather than
// imported: loading it registers every common control's window class, which a process that never
// makes an image list would pay for at start. Once loaded it stays for the life of the process (an
// image list of this library may outlive it).
struct TCommonControls {
    decltype(&::InitCommonControlsEx) InitCommonControlsEx = nullptr;
    decltype(&::ImageList_Create) Create = nullptr;
    decltype(&::ImageList_Destroy) Destroy = nullptr;
    decltype(&::ImageList_GetImageCount) GetImageCount = nullptr;
    decltype(&::ImageList_AddMasked) AddMasked = nullptr;
    decltype(&::ImageList_DrawEx) DrawEx = nullptr;
    decltype(&::ImageList_Remove) Remove = nullptr;
    decltype(&::ImageList_GetIcon) GetIcon = nullptr;
    bool Loaded = false;
};

template <class F> void Resolve(HMODULE library, const char *name, F &entry, bool &all) {
    entry = reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(library, name)));
    all = all && entry != nullptr;
}

const TCommonControls &CommonControls() {
    static const TCommonControls table = [] {
        TCommonControls t;
        HMODULE library = LoadLibraryW(L"comctl32.dll");
        if (library == nullptr)
            return t;
        bool all = true;
        Resolve(library, "InitCommonControlsEx", t.InitCommonControlsEx, all);
        Resolve(library, "ImageList_Create", t.Create, all);
        Resolve(library, "ImageList_Destroy", t.Destroy, all);
        Resolve(library, "ImageList_GetImageCount", t.GetImageCount, all);
        Resolve(library, "ImageList_AddMasked", t.AddMasked, all);
        Resolve(library, "ImageList_DrawEx", t.DrawEx, all);
        Resolve(library, "ImageList_Remove", t.Remove, all);
        Resolve(library, "ImageList_GetIcon", t.GetIcon, all);
        if (!all) {
            FreeLibrary(library);
            return TCommonControls{};
        }
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
        t.InitCommonControlsEx(&icc);
        t.Loaded = true;
        return t;
    }();
    return table;
}

HIMAGELIST CreateList(int width, int height) {
    const TCommonControls &controls = CommonControls();
    if (!controls.Loaded)
        throw EInvalidOperation(L"Cannot load the common controls for an image list");
    HIMAGELIST list = controls.Create(width, height, ILC_COLOR32 | ILC_MASK, 4, 4);
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
    bool drawn = old != nullptr && CommonControls().DrawEx(list, index, dc.get(), 0, 0, bitmap.Width(),
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
    CommonControls().Destroy(handle_);
}

void TImageList::SetSize(int width, int height) {
    if (width < 1 || height < 1)
        throw EInvalidOperation(Format(L"Invalid image list size %d x %d", {width, height}));
    if (width == width_ && height == height_)
        return;
    HIMAGELIST list = CreateList(width, height);
    CommonControls().Destroy(handle_);
    handle_ = list;
    width_ = width, height_ = height;
}

void TImageList::Clear() {
    CommonControls().Remove(handle_, -1);
}

int TImageList::Count() const {
    return CommonControls().GetImageCount(handle_);
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
    int index = CommonControls().AddMasked(handle_, copy.Handle(), maskColor);
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
    HICON handle = CommonControls().GetIcon(handle_, index, ILD_NORMAL);
    if (handle == nullptr)
        throw EInvalidOperation(L"Cannot make an icon of the image");
    icon.SetHandle(handle);
}

} // namespace classlib
