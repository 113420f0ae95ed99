// The faces of command-bar buttons: the image a face id stands for, pictures for Picture and Mask,
// and the clipboard transfer of CopyFace and PasteFace.
//
// Face ids draw a 16 x 16 image of their own colour (no host's icon set is here); a face set
// through Picture or PasteFace is kept as that picture. PasteFace takes the clipboard's bitmap as
// it is, so a test can read back what a program pasted, pixel by pixel.
#pragma once
#include <windows.h>

#include <ocidl.h>

#include "classlib/Bitmap.h"
#include "classlib/ComPtr.h"
#include "hostsim/CommandBarModel.h"

namespace hostsim::face {

// The button's current face; E_FAIL (as EOleSysError) when it has none.
void Render(const ControlModel &button, classlib::TBitmap &image);
// Picture and Mask as Office answers them: the assigned picture, else one made from the face.
classlib::ComPtr<IPictureDisp> Picture(const ControlModel &button);
classlib::ComPtr<IPictureDisp> Mask(const ControlModel &button);
// A copy of a picture's bitmap (E_INVALIDARG for a picture that holds no bitmap).
void FromPicture(IPictureDisp *picture, classlib::TBitmap &image);
// What Picture and Mask keep of an assigned picture: a picture owning a copy of its bitmap, since
// the caller may free its bitmap right after the assignment. Null stays null.
classlib::ComPtr<IPictureDisp> Copy(IPictureDisp *picture);

// CopyFace: the face onto the clipboard as a bitmap (E_FAIL without a face or clipboard).
void CopyToClipboard(const ControlModel &button);
// PasteFace: the clipboard's bitmap as a picture (E_FAIL when there is none or the clipboard is
// held by another window).
classlib::ComPtr<IPictureDisp> PasteFromClipboard();

} // namespace hostsim::face
