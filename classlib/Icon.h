// TIcon: owns an HICON.
#pragma once
#include "classlib/Bitmap.h"

#include <windows.h>

#include <memory>
#include <type_traits>

namespace classlib {

struct TIconDeleter {
    void operator()(HICON icon) const noexcept { DestroyIcon(icon); }
};
using TIconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, TIconDeleter>;

class TIcon : public TPersistent {
    CLASSLIB_CLASS(TIcon)
public:
    TIcon() = default;
    ~TIcon() override = default;

    HICON Handle() const { return handle_.get(); }
    // Takes ownership of icon (destroying the one held before).
    void SetHandle(HICON icon) { handle_.reset(icon); }
    // Hands the icon over to the caller; the object is empty afterwards.
    HICON ReleaseHandle() { return handle_.release(); }
    bool Empty() const { return handle_ == nullptr; }
    // Size in pixels; 0 when empty.
    int Width() const;
    int Height() const;

    // Makes the icon from an image and a mask of the same size: where the mask is not black the icon
    // is transparent. A pf32bit image whose alpha is not all zero is used with its alpha. Raises
    // EInvalidGraphicOperation for empty or mismatched bitmaps, or when the system fails.
    void CreateFromBitmap(const TBitmap &image, const TBitmap &mask);

    // Copies another icon (a new handle); nullptr empties this one.
    void Assign(const TPersistent *source) override;

private:
    SIZE Size() const;
    TIconHandle handle_;
};

} // namespace classlib
