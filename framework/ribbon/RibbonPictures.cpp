#include "framework/ribbon/RibbonPictures.h"

#include <olectl.h>

#include "classlib/ImageList.h"
#include "classlib/OlePicture.h"
#include "framework/ribbon/RibbonCallbacks.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonEngine.h"
#include "framework/ribbon/RibbonRoot.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace framework {

namespace {

// The image list ImageIndex refers to: the owning tab's or Backstage view's.
classlib::TImageList *TabImages(IzidRibbonControlInternal &Control) {
    const TzidRibbonCustomControl *control = Control.AsRibbonControl();
    TzidRibbonRoot *root = control != nullptr ? control->GetOwnerRoot() : nullptr;
    return root != nullptr ? root->Images() : nullptr;
}

// An item's picture: its Glyph masked by its bottom-left pixel, or its image in the owning tab's
// list, as an icon.
ComPtr<IPictureDisp> ItemPicture(IzidRibbonControlInternal &Control, IzidRibbonControlInternal &Item) {
    classlib::TIcon icon;
    const classlib::TBitmap *glyph = Item.Glyph();
    if (glyph != nullptr && !glyph->Empty()) {
        std::unique_ptr<classlib::TImageList> list(new classlib::TImageList(nullptr));
        list->SetSize(glyph->Width(), glyph->Height());
        list->AddMasked(*glyph, glyph->Pixels(0, glyph->Height() - 1));
        list->GetIcon(0, icon);
    } else if (Item.ImageIndex() >= 0) {
        classlib::TImageList *images = TabImages(Control);
        if (images != nullptr && images->Count() > Item.ImageIndex())
            images->GetIcon(Item.ImageIndex(), icon);
    }
    if (icon.Empty())
        return nullptr;
    ComPtr<IPictureDisp> picture;
    picture.Attach(classlib::CreatePictureDisp(icon));
    return picture;
}

// What a picture callback answers: the picture, or Nothing.
OleVariant PictureAnswer(const ComPtr<IPictureDisp> &Picture) {
    return OleVariant(static_cast<IDispatch *>(Picture.Get()));
}

// The application's handler may answer with a picture of its own, which the host gets as it is.
bool HandlerPicture(const OleVariant &Value) {
    return (Value.Type() == VT_DISPATCH || Value.Type() == VT_UNKNOWN) && Value.Var().punkVal != nullptr;
}

} // namespace

ComPtr<IPictureDisp> GlyphToPictureDisp(IzidRibbonControlInternal &Control) {
    classlib::TBitmap bitmap;
    const classlib::TBitmap *glyph = Control.Glyph();
    if (glyph != nullptr && !glyph->Empty()) {
        bitmap.Assign(glyph);
    } else if (Control.ImageIndex() >= 0) {
        classlib::TImageList *images = TabImages(Control);
        if (images == nullptr || images->Count() <= Control.ImageIndex())
            return nullptr;
        images->GetBitmap(Control.ImageIndex(), bitmap);
    } else {
        return nullptr;
    }
    bitmap.SetTransparent(true);
    classlib::TBitmap dib;
    classlib::MakeAlphaBitmap(bitmap, dib, true); // the colour key applies to 32-bit glyphs too
    ComPtr<IPictureDisp> picture;
    picture.Attach(classlib::CreatePictureDisp(dib));
    return picture;
}

OleVariant GetImagesCallback(TzidRibbonEngine &Ribbon, const std::wstring &ImageId) {
    IzidRibbonControlInternal *target = FindWrappedRibbonControl(Ribbon, ImageId);
    return PictureAnswer(target != nullptr ? GlyphToPictureDisp(*target) : nullptr);
}

OleVariant GetImageCallback(TzidRibbonEngine &Ribbon, IRibbonControl *Control) {
    IzidRibbonControlInternal *target =
        Control != nullptr ? FindWrappedRibbonControl(Ribbon, RibbonControlId(Control)) : nullptr;
    if (target == nullptr)
        return PictureAnswer(nullptr);
    OleVariant value;
    target->DoPropertyChanging(rcptGlyph, value, RibbonControlContext(Control).Get(), -1);
    if (HandlerPicture(value))
        return value;
    return PictureAnswer(GlyphToPictureDisp(*target));
}

OleVariant GetItemImageCallback(TzidRibbonEngine &Ribbon, IRibbonControl *Control, int Index) {
    IzidRibbonControlInternal *target =
        Control != nullptr ? Ribbon.FindRibbonControl(RibbonControlId(Control)) : nullptr;
    if (target == nullptr)
        return PictureAnswer(nullptr);
    OleVariant value;
    target->DoPropertyChanging(rcptItemGlyph, value, RibbonControlContext(Control).Get(), Index);
    if (HandlerPicture(value))
        return value;
    return PictureAnswer(ItemPicture(*target, RibbonItemOf(*target, Index)));
}

} // namespace framework
