#include "framework/ribbon/backstage/BackstageAttributes.h"

namespace framework {

TzidBackstageAttributes::TzidBackstageAttributes(const TzidRibbonCustomControl &Control)
    : TzidAttributeList(Control, Control.Module(), 0), control_(Control) {}

void TzidBackstageAttributes::BuiltIn() {
    Add(L"idMso", control_.IdMso());
    Add(L"label", control_.Caption());
    AddBool(L"visible", control_.Visible());
}

void TzidBackstageAttributes::Callback(const std::wstring &Name) {
    // Only the Backstage asks these; the host resolves the values by name, so they are spelled as the
    // callback table spells them.
    if (Name == L"getAltText")
        Add(Name, L"GetAltText_Callback");
    else if (Name == L"getHelperText")
        Add(Name, L"GetHelperText_Callback");
    else if (Name == L"getStyle")
        Add(Name, L"GetStyle_Callback");
    else
        TzidAttributeList::Callback(Name);
}

void TzidBackstageAttributes::Image() {
    const classlib::TBitmap *glyph = control_.Glyph();
    if ((glyph != nullptr && !glyph->Empty()) || control_.ImageIndex() >= 0)
        Callback(L"getImage");
    else
        Add(L"imageMso", control_.ImageMso());
}

} // namespace framework
