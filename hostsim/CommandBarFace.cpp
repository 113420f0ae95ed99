#include "hostsim/CommandBarFace.h"

#include <olectl.h>

#include "classlib/Exceptions.h"
#include "classlib/OlePicture.h"

using classlib::ComPtr;
using classlib::EOleSysError;
using classlib::TBitmap;

namespace hostsim::face {

namespace {

constexpr int kFaceSize = 16;

// Copies any bitmap handle into image (24 bits per pixel).
void FromHandle(HBITMAP handle, TBitmap &image) {
    BITMAP info{};
    if (handle == nullptr || GetObjectW(handle, sizeof info, &info) == 0)
        throw EOleSysError(L"The picture holds no bitmap", E_INVALIDARG);
    image.SetPixelFormat(classlib::pf24bit);
    image.SetSize(info.bmWidth, std::abs(info.bmHeight));
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = image.Width();
    format.bmiHeader.biHeight = -image.Height(); // top-down, as TBitmap keeps its rows
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    int rows = GetDIBits(dc, handle, 0, image.Height(), image.ScanLine(0), &format, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (rows != image.Height())
        throw EOleSysError(L"The bitmap cannot be read", E_FAIL);
    image.Changed();
}

// Opens the clipboard for a message-only window of ours (the clipboard takes data only from an
// owner window), waiting briefly while another window holds it.
class Clipboard {
public:
    Clipboard() {
        window_ =
            CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        for (int attempt = 0; window_ && attempt < 10; ++attempt) {
            if (OpenClipboard(window_))
                return;
            Sleep(10);
        }
        if (window_)
            DestroyWindow(window_);
        throw EOleSysError(L"The clipboard is held by another window", E_FAIL);
    }
    ~Clipboard() {
        CloseClipboard();
        DestroyWindow(window_);
    }
    Clipboard(const Clipboard &) = delete;
    Clipboard &operator=(const Clipboard &) = delete;

private:
    HWND window_ = nullptr;
};

} // namespace

void Render(const ControlModel &button, TBitmap &image) {
    if (button.props.picture) {
        FromPicture(button.props.picture.Get(), image);
        return;
    }
    long id = button.props.faceId;
    if (id == 0)
        throw EOleSysError(L"The button has no face", E_FAIL);
    // A colour of the face id's own, with a one-pixel frame, so that faces are told apart.
    COLORREF fill = RGB((id * 37) & 0xFF, (id * 91) & 0xFF, (id * 53) & 0xFF);
    image.SetPixelFormat(classlib::pf24bit);
    image.SetSize(kFaceSize, kFaceSize);
    for (int y = 0; y < kFaceSize; ++y)
        for (int x = 0; x < kFaceSize; ++x) {
            bool frame = x == 0 || y == 0 || x == kFaceSize - 1 || y == kFaceSize - 1;
            image.SetPixels(x, y, frame ? RGB(0, 0, 0) : fill);
        }
}

ComPtr<IPictureDisp> Picture(const ControlModel &button) {
    if (button.props.picture)
        return button.props.picture;
    TBitmap image;
    if (button.props.faceId != 0) {
        Render(button, image);
    } else {
        image.SetSize(kFaceSize, kFaceSize); // no face: a blank one
        for (int y = 0; y < kFaceSize; ++y)
            for (int x = 0; x < kFaceSize; ++x)
                image.SetPixels(x, y, GetSysColor(COLOR_BTNFACE));
    }
    ComPtr<IPictureDisp> picture;
    picture.Attach(classlib::CreatePictureDisp(image));
    return picture;
}

ComPtr<IPictureDisp> Mask(const ControlModel &button) {
    if (button.props.mask)
        return button.props.mask;
    TBitmap image; // every pixel shows: black throughout
    image.SetSize(kFaceSize, kFaceSize);
    ComPtr<IPictureDisp> mask;
    mask.Attach(classlib::CreatePictureDisp(image));
    return mask;
}

void FromPicture(IPictureDisp *picture, TBitmap &image) {
    ComPtr<IPicture> pic = ComPtr<IPictureDisp>::Copy(picture).TryAs<IPicture>();
    SHORT type = PICTYPE_NONE;
    OLE_HANDLE handle = 0;
    if (!pic || FAILED(pic->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(pic->get_Handle(&handle)))
        throw EOleSysError(L"The picture holds no bitmap", E_INVALIDARG);
    FromHandle(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), image);
}

ComPtr<IPictureDisp> Copy(IPictureDisp *picture) {
    ComPtr<IPictureDisp> copy;
    if (picture == nullptr)
        return copy;
    TBitmap image;
    FromPicture(picture, image);
    copy.Attach(classlib::CreatePictureDisp(image));
    return copy;
}

void CopyToClipboard(const ControlModel &button) {
    TBitmap image;
    Render(button, image);
    Clipboard clipboard;
    EmptyClipboard();
    HBITMAP handle = image.ReleaseHandle();
    if (SetClipboardData(CF_BITMAP, handle) == nullptr) {
        DeleteObject(handle);
        throw EOleSysError(L"The face cannot be put on the clipboard", E_FAIL);
    }
}

ComPtr<IPictureDisp> PasteFromClipboard() {
    TBitmap image;
    {
        Clipboard clipboard;
        if (!IsClipboardFormatAvailable(CF_BITMAP))
            throw EOleSysError(L"The clipboard holds no picture", E_FAIL);
        FromHandle(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)), image);
    }
    ComPtr<IPictureDisp> picture;
    picture.Attach(classlib::CreatePictureDisp(image));
    return picture;
}

} // namespace hostsim::face
