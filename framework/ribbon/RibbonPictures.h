// The ribbon's pictures: a control's Glyph, or its image in the owning tab's image list, as the OLE
// picture the host's getImage and loadImage callbacks want (a 32-bit bitmap with an alpha channel),
// and an item's image as an icon for getItemImage. Pictures are made anew for every question: the
// host asks again only after the control was invalidated.
#pragma once
#include <ocidl.h>

#include "classlib/ComPtr.h"

namespace framework {

class IzidRibbonControlInternal;

// The picture of a control's image; null when it has no Glyph and no usable ImageIndex.
classlib::ComPtr<IPictureDisp> GlyphToPictureDisp(IzidRibbonControlInternal &Control);

} // namespace framework
