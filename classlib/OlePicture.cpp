#include "classlib/OlePicture.h"

namespace classlib {

namespace {

IPictureDisp *CreatePicture(PICTDESC &desc) {
    IPictureDisp *picture = nullptr;
    OleCheck(OleCreatePictureIndirect(&desc, IID_IPictureDisp, TRUE, reinterpret_cast<void **>(&picture)));
    return picture;
}

} // namespace

IPictureDisp *CreatePictureDisp(const TBitmap &bitmap) {
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof(desc);
    desc.picType = PICTYPE_NONE;
    TBitmapHandle copy;
    if (!bitmap.Empty()) {
        TBitmap duplicate;
        duplicate.Assign(&bitmap);
        copy.reset(duplicate.ReleaseHandle());
        desc.picType = PICTYPE_BITMAP;
        desc.bmp.hbitmap = copy.get();
    }
    IPictureDisp *picture = CreatePicture(desc);
    copy.release(); // the picture owns it now
    return picture;
}

IPictureDisp *CreatePictureDisp(const TIcon &icon) {
    PICTDESC desc{};
    desc.cbSizeofstruct = sizeof(desc);
    desc.picType = PICTYPE_NONE;
    TIconHandle copy;
    if (!icon.Empty()) {
        copy.reset(CopyIcon(icon.Handle()));
        if (!copy)
            throw EOleSysError(L"Cannot copy the icon", HRESULT_FROM_WIN32(GetLastError()));
        desc.picType = PICTYPE_ICON;
        desc.icon.hicon = copy.get();
    }
    IPictureDisp *picture = CreatePicture(desc);
    copy.release();
    return picture;
}

void MakeAlphaBitmap(const TBitmap &source, TBitmap &result, bool keyEveryFormat) {
    TBitmap copy;
    copy.Assign(&source);
    const bool keyed =
        (keyEveryFormat || source.PixelFormat() == pf24bit) && source.Transparent() && !source.Empty();
    copy.SetPixelFormat(pf32bit); // a 24-bit image becomes opaque here
    if (keyed) {
        COLORREF key = source.TransparentColor();
        if (key & 0x80000000)
            key = GetSysColor(key & 0xFF);
        const uint8_t r = GetRValue(key), g = GetGValue(key), b = GetBValue(key);
        for (int y = 0; y < copy.Height(); ++y) {
            uint8_t *p = copy.ScanLine(y);
            for (int x = 0; x < copy.Width(); ++x, p += 4)
                if (p[0] == b && p[1] == g && p[2] == r)
                    p[3] = 0;
        }
    }
    result.Assign(&copy);
}

} // namespace classlib
