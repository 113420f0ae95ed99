#include "framework/commandbars/ClipboardSaver.h"

#include <cstring>
#include <utility>

#include "classlib/Format.h"
#include "framework/commandbars/OfficeAccess.h"

namespace framework {

namespace {

constexpr UINT kSharedMemory = GMEM_MOVEABLE | GMEM_DDESHARE;

// Closes the clipboard when the scope ends.
class TClipboardOpen {
public:
    TClipboardOpen() = default;
    ~TClipboardOpen() { CloseClipboard(); }
    TClipboardOpen(const TClipboardOpen &) = delete;
    TClipboardOpen &operator=(const TClipboardOpen &) = delete;
};

// A locked global block for the length of a scope.
class TGlobalLock {
public:
    explicit TGlobalLock(HGLOBAL Memory) : memory_(Memory), data_(Memory ? GlobalLock(Memory) : nullptr) {}
    ~TGlobalLock() {
        if (data_ != nullptr)
            GlobalUnlock(memory_);
    }
    TGlobalLock(const TGlobalLock &) = delete;
    TGlobalLock &operator=(const TGlobalLock &) = delete;
    void *Data() const { return data_; }

private:
    HGLOBAL memory_;
    void *data_;
};

HGLOBAL CopyMemoryBlock(HGLOBAL Source) {
    const SIZE_T size = GlobalSize(Source);
    if (size == 0)
        return nullptr;
    TGlobalLock source(Source);
    if (source.Data() == nullptr)
        return nullptr;
    HGLOBAL copy = GlobalAlloc(kSharedMemory, size);
    if (copy == nullptr)
        return nullptr;
    {
        TGlobalLock target(copy);
        if (target.Data() != nullptr) {
            std::memcpy(target.Data(), source.Data(), size);
            return copy;
        }
    }
    GlobalFree(copy);
    return nullptr;
}

HPALETTE CopyPalette(HPALETTE Source) {
    WORD count = 0;
    if (GetObjectW(Source, sizeof count, &count) == 0 || count == 0)
        return nullptr;
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
    auto *palette = reinterpret_cast<LOGPALETTE *>(buffer.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = count;
    if (GetPaletteEntries(Source, 0, count, palette->palPalEntry) != count)
        return nullptr;
    return CreatePalette(palette);
}

// A METAFILEPICT block with a copy of its metafile.
HGLOBAL CopyMetaFilePict(HGLOBAL Source) {
    TGlobalLock source(Source);
    if (source.Data() == nullptr || GlobalSize(Source) < sizeof(METAFILEPICT))
        return nullptr;
    METAFILEPICT picture = *static_cast<const METAFILEPICT *>(source.Data());
    picture.hMF = CopyMetaFileW(picture.hMF, nullptr);
    if (picture.hMF == nullptr)
        return nullptr;
    HGLOBAL copy = GlobalAlloc(kSharedMemory, sizeof picture);
    if (copy != nullptr) {
        TGlobalLock target(copy);
        if (target.Data() != nullptr) {
            *static_cast<METAFILEPICT *>(target.Data()) = picture;
            return copy;
        }
    }
    if (copy != nullptr)
        GlobalFree(copy);
    DeleteMetaFile(picture.hMF);
    return nullptr;
}

} // namespace

bool OpenClipboardWithRetry(HWND Owner) {
    for (int attempt = 0; attempt < 101; ++attempt) {
        if (attempt == 1)
            TraceCommandBars(L"The clipboard is held by another window: waiting for it");
        if (attempt > 0)
            Sleep(10);
        if (OpenClipboard(Owner))
            return true;
    }
    return false;
}

// ---- one saved format ----

TSaveClipboard::TSavedFormat::TSavedFormat(TSavedFormat &&Other) noexcept
    : format_(Other.format_), kind_(Other.kind_), data_(std::exchange(Other.data_, nullptr)) {}

TSaveClipboard::TSavedFormat &TSaveClipboard::TSavedFormat::operator=(TSavedFormat &&Other) noexcept {
    if (this != &Other) {
        Free();
        format_ = Other.format_;
        kind_ = Other.kind_;
        data_ = std::exchange(Other.data_, nullptr);
    }
    return *this;
}

bool TSaveClipboard::TSavedFormat::GiveToClipboard() noexcept {
    if (data_ == nullptr || SetClipboardData(format_, data_) == nullptr)
        return false;
    data_ = nullptr;
    return true;
}

void TSaveClipboard::TSavedFormat::Free() noexcept {
    HANDLE data = std::exchange(data_, nullptr);
    if (data == nullptr)
        return;
    switch (kind_) {
    case TKind::Memory:
        GlobalFree(data);
        break;
    case TKind::Bitmap:
    case TKind::Palette:
        DeleteObject(data);
        break;
    case TKind::EnhMetaFile:
        DeleteEnhMetaFile(static_cast<HENHMETAFILE>(data));
        break;
    case TKind::MetaFilePict: {
        {
            TGlobalLock picture(data);
            if (picture.Data() != nullptr)
                DeleteMetaFile(static_cast<METAFILEPICT *>(picture.Data())->hMF);
        }
        GlobalFree(data);
        break;
    }
    }
}

// ---- the saver ----

TSaveClipboard::TSaveClipboard()
    : window_([this](UINT Message, WPARAM wParam, LPARAM lParam) {
          return DefWindowProcW(Window(), Message, wParam, lParam);
      }) {}

TSaveClipboard::~TSaveClipboard() = default;

bool TSaveClipboard::Copy(UINT Format, std::vector<TSavedFormat> &Into) {
    using TKind = TSavedFormat::TKind;
    if (Format == CF_OWNERDISPLAY || (Format >= CF_PRIVATEFIRST && Format <= CF_GDIOBJLAST)) {
        // The data's kind is known only to the program that put it there.
        TraceCommandBars(classlib::Format(L"The clipboard format %u cannot be kept", {Format}));
        return false;
    }
    HANDLE data = GetClipboardData(Format);
    if (data == nullptr)
        return false;
    HANDLE copy = nullptr;
    TKind kind = TKind::Memory;
    switch (Format) {
    case CF_BITMAP:
    case CF_DSPBITMAP:
        kind = TKind::Bitmap;
        copy = CopyImage(data, IMAGE_BITMAP, 0, 0, 0);
        break;
    case CF_PALETTE:
        kind = TKind::Palette;
        copy = CopyPalette(static_cast<HPALETTE>(data));
        break;
    case CF_ENHMETAFILE:
    case CF_DSPENHMETAFILE:
        kind = TKind::EnhMetaFile;
        copy = CopyEnhMetaFileW(static_cast<HENHMETAFILE>(data), nullptr);
        break;
    case CF_METAFILEPICT:
    case CF_DSPMETAFILEPICT:
        kind = TKind::MetaFilePict;
        copy = CopyMetaFilePict(data);
        break;
    default:
        copy = CopyMemoryBlock(data);
        break;
    }
    if (copy == nullptr) {
        TraceCommandBars(classlib::Format(L"The clipboard format %u could not be copied", {Format}));
        return false;
    }
    Into.emplace_back(Format, kind, copy);
    return true;
}

bool TSaveClipboard::Save() {
    saved_.clear();
    holdsSave_ = false;
    if (!OpenClipboardWithRetry(Window())) {
        TraceCommandBars(L"The clipboard is held by another window: its contents are not saved");
        return false;
    }
    TClipboardOpen open;
    UINT format = 0;
    while ((format = EnumClipboardFormats(format)) != 0)
        Copy(format, saved_);
    holdsSave_ = true;
    return true;
}

void TSaveClipboard::Restore() {
    if (!std::exchange(holdsSave_, false))
        return;
    std::vector<TSavedFormat> saved = std::move(saved_);
    saved_.clear();
    if (!OpenClipboardWithRetry(Window())) {
        TraceCommandBars(L"The clipboard is held by another window: its saved contents are lost");
        return;
    }
    TClipboardOpen open;
    EmptyClipboard();
    for (TSavedFormat &entry : saved)
        if (!entry.GiveToClipboard()) // the data stays ours and is freed with the entry
            TraceCommandBars(classlib::Format(L"The clipboard refused the format %u", {entry.Format()}));
}

} // namespace framework
