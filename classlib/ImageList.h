// TImageList: a list of equally sized images with masks, over the common controls' image list. The
// common controls library is loaded with the process's first image list.
#pragma once
#include "classlib/Bitmap.h"
#include "classlib/Component.h"
#include "classlib/Icon.h"

#include <commctrl.h>

namespace classlib {

class TImageList : public TComponent {
    CLASSLIB_CLASS(TImageList)
public:
    explicit TImageList(TComponent *owner);
    ~TImageList() override;

    // Image size in pixels (16 x 16 by default). Changing it empties the list.
    int Width() const { return width_; }
    void SetWidth(int width) { SetSize(width, height_); }
    int Height() const { return height_; }
    void SetHeight(int height) { SetSize(width_, height); }
    // Raises EInvalidOperation for a size below 1.
    void SetSize(int width, int height);

    int Count() const;
    HIMAGELIST Handle() const { return handle_; }

    // Adds image (a strip of Width() wide images when it is wider) with every pixel of maskColor
    // transparent; image itself is not changed. Answers the index of the first image added. Raises
    // EInvalidOperation when image is not Height() high or narrower than Width().
    int AddMasked(const TBitmap &image, COLORREF maskColor);
    // The image as a pf32bit bitmap of Width x Height with straight alpha: 0 where the mask is
    // transparent (colour black), 255 elsewhere. Raises EListError for an index out of range.
    void GetBitmap(int index, TBitmap &bitmap) const;
    // The image as an icon with its mask. Raises EListError for an index out of range.
    void GetIcon(int index, TIcon &icon) const;
    void Clear();

private:
    void CheckIndex(int index) const;
    int width_ = 16, height_ = 16;
    HIMAGELIST handle_ = nullptr;
};

} // namespace classlib
