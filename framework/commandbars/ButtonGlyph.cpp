// A button's glyph onto its Office button: as Picture and Mask where Office takes them, else (Office
// 2000, or a Picture that fails) pasted through the clipboard, with the user's clipboard kept.
#include <olectl.h>

#include <vector>

#include "classlib/LateBinding.h"
#include "classlib/OlePicture.h"
#include "framework/commandbars/ClipboardSaver.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/core/AddInModule.h"

namespace framework {

namespace {

// A system colour (high bit set, index in the low byte) as the colour it stands for.
COLORREF ResolveColor(COLORREF Color) {
    return (Color & 0x80000000u) != 0 ? GetSysColor(static_cast<int>(Color & 0xFF)) : Color;
}

// Office's mask: a monochrome bitmap, white where the glyph is transparent, black where it shows.
classlib::ComPtr<IPictureDisp> MakeMaskPicture(const classlib::TBitmap &Glyph, COLORREF Transparent) {
    const int width = Glyph.Width(), height = Glyph.Height();
    const int stride = ((width + 15) / 16) * 2; // CreateBitmap wants rows of whole 16-bit words
    std::vector<BYTE> bits(static_cast<size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (Glyph.Pixels(x, y) == Transparent)
                bits[static_cast<size_t>(y) * stride + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    HBITMAP mask = CreateBitmap(width, height, 1, 1, bits.data());
    if (mask == nullptr)
        throw classlib::EOleSysError(L"The glyph's mask cannot be made", E_OUTOFMEMORY);
    PICTDESC description{};
    description.cbSizeofstruct = sizeof description;
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = mask;
    classlib::ComPtr<IPictureDisp> picture;
    HRESULT hr = OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.PutVoid());
    if (FAILED(hr)) {
        DeleteObject(mask);
        classlib::OleCheck(hr);
    }
    return picture;
}

// Office 2000 takes faces only through the clipboard.
bool HostIsOffice2000(TzidCOMAddInModule *Module) {
    if (Module == nullptr)
        return false;
    try {
        classlib::ComPtr<IDispatch> application = Module->HostApp().ToDispatch();
        if (!application)
            return false;
        return classlib::DispGet(application.Get(), L"Version").ToString().rfind(L"9.0", 0) == 0;
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The host's version cannot be read", E);
        return false;
    }
}

// The glyph with every pixel of its transparent colour in the button face's colour.
void PaintOnButtonFace(const classlib::TBitmap &Glyph, COLORREF Transparent, classlib::TBitmap &Face) {
    const COLORREF buttonFace = GetSysColor(COLOR_BTNFACE);
    Face.SetPixelFormat(classlib::pf24bit);
    Face.SetSize(Glyph.Width(), Glyph.Height());
    for (int y = 0; y < Glyph.Height(); ++y)
        for (int x = 0; x < Glyph.Width(); ++x) {
            const COLORREF pixel = Glyph.Pixels(x, y);
            Face.SetPixels(x, y, pixel == Transparent ? buttonFace : pixel);
        }
}

// Puts Face on the clipboard as a bitmap and lets Office paste it (11 tries, 10 ms apart). A
// clipboard that stays held skips the paste.
void PasteThroughClipboard(_CommandBarButton *Button, classlib::TBitmap &Face, HWND Owner) {
    if (!OpenClipboardWithRetry(Owner)) {
        TraceCommandBars(L"The clipboard is held by another window: the glyph is not pasted");
        return;
    }
    EmptyClipboard();
    HBITMAP handle = Face.ReleaseHandle();
    const bool placed = SetClipboardData(CF_BITMAP, handle) != nullptr;
    CloseClipboard();
    if (!placed) {
        DeleteObject(handle);
        throw classlib::EOleSysError(L"The glyph cannot be put on the clipboard", E_FAIL);
    }
    HRESULT hr = E_FAIL;
    for (int attempt = 0; attempt < 11; ++attempt) {
        if (attempt > 0)
            Sleep(10);
        hr = Button->PasteFace();
        if (SUCCEEDED(hr))
            return;
    }
    TraceCommandBars(L"PasteFace failed: " + classlib::SysErrorMessage(hr));
}

} // namespace

void TzidCommandBarButton::TransferGlyph() {
    if (!buttonInterface_ || glyph_->Empty())
        return;
    _CommandBarButton *button = buttonInterface_.Get();
    bool useClipboard = HostIsOffice2000(Module());
    if (!useClipboard) {
        try {
            classlib::ComPtr<IPictureDisp> current;
            classlib::OleCheck(button->get_Picture(current.Put()));
            glyph_->SetTransparentColor(glyphTransparentColor_);
            classlib::ComPtr<IPictureDisp> picture;
            picture.Attach(classlib::CreatePictureDisp(*glyph_));
            classlib::OleCheck(button->put_Picture(picture.Get()));
            classlib::ComPtr<IPictureDisp> mask =
                MakeMaskPicture(*glyph_, ResolveColor(glyph_->TransparentColor()));
            classlib::OleCheck(button->put_Mask(mask.Get()));
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"Picture and Mask refused, the clipboard is tried", E);
            useClipboard = true;
        }
    }
    if (!useClipboard)
        return;
    try {
        TSaveClipboard saver;
        if (!saver.Save()) {
            // The paste would put the face where the user's contents were, with nothing to restore.
            TraceCommandBars(L"The clipboard could not be saved: the glyph is not pasted through it");
            return;
        }
        try {
            const COLORREF transparent = glyphTransparentColor_ == classlib::clDefault
                                             ? glyph_->Pixels(0, glyph_->Height() - 1)
                                             : ResolveColor(glyphTransparentColor_);
            classlib::TBitmap face;
            PaintOnButtonFace(*glyph_, transparent, face);
            PasteThroughClipboard(button, face, saver.Window());
        } catch (...) {
            saver.Restore();
            throw;
        }
        saver.Restore();
    } catch (const classlib::Exception &E) {
        ReportError(E);
    }
}

} // namespace framework
