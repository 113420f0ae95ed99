// OLE pictures (IPictureDisp) made from the library's images, and the alpha-channel copy of a bitmap
// that hosts want for 32-bit images.
#pragma once
#include "classlib/Bitmap.h"
#include "classlib/Icon.h"

#include <ocidl.h>
#include <olectl.h>

namespace classlib {

// A picture that owns a copy of the image's handle: the image and the picture may be freed in any
// order. The result carries one reference, which the caller releases. An empty image gives an empty
// picture (PICTYPE_NONE). Raises EOleSysError when the system refuses.
IPictureDisp *CreatePictureDisp(const TBitmap &bitmap);
IPictureDisp *CreatePictureDisp(const TIcon &icon);

// Makes result a pf32bit copy of source with straight (not premultiplied) alpha: a pf32bit source
// keeps its alpha; a pf24bit source is opaque (255) except, when it is Transparent, the pixels of
// its TransparentColor (a system colour is resolved first), which get alpha 0 and keep their colour.
// With keyEveryFormat those pixels get alpha 0 whatever the source's format (a 32-bit source keeps
// its own alpha elsewhere): a ribbon host draws a Transparent glyph that way.
// Transparency settings are copied; result's OnChange fires once.
void MakeAlphaBitmap(const TBitmap &source, TBitmap &result, bool keyEveryFormat = false);

} // namespace classlib
