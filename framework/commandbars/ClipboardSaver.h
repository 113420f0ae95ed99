// TSaveClipboard: keeps the user's clipboard while a button's glyph is pasted through it. Save copies
// every format the clipboard holds (global memory, bitmaps, palettes and metafiles alike); Restore
// puts them all back onto the emptied clipboard, so that a text or a picture the user had copied
// survives the add-in loading. OpenClipboardWithRetry waits for a clipboard another window holds.
#pragma once
#include <windows.h>

#include <vector>

#include "classlib/HiddenWindow.h"
#include "classlib/Object.h"

namespace framework {

// Opens the clipboard for Owner (which then may put data on it after emptying it): up to 101
// attempts 10 ms apart; false when another window held it all the time.
bool OpenClipboardWithRetry(HWND Owner);

class TSaveClipboard : public classlib::TObject {
public:
    TSaveClipboard();
    // Frees what was saved and not restored.
    ~TSaveClipboard() override;

    // Copies every format on the clipboard; false (nothing saved) when the clipboard cannot be opened.
    // A format whose data cannot be copied is left out (and traced).
    bool Save();
    // Empties the clipboard and hands it the saved formats, in their order; then nothing is saved.
    // A clipboard saved empty is emptied again. Nothing happens when no Save succeeded since the last
    // Restore, or when the clipboard cannot be opened.
    void Restore();

    // The window that owns the clipboard while this object has it open.
    HWND Window() const { return window_.Handle(); }
    int SavedCount() const { return static_cast<int>(saved_.size()); }

private:
    // One format's data: a copy owned by the saver until the clipboard takes it.
    class TSavedFormat {
    public:
        enum class TKind { Memory, Bitmap, Palette, EnhMetaFile, MetaFilePict };
        TSavedFormat(UINT Format, TKind Kind, HANDLE Data) : format_(Format), kind_(Kind), data_(Data) {}
        TSavedFormat(TSavedFormat &&Other) noexcept;
        TSavedFormat &operator=(TSavedFormat &&Other) noexcept;
        ~TSavedFormat() { Free(); }

        UINT Format() const { return format_; }
        // Hands the data to the open clipboard; false (the data still ours) when it refuses.
        bool GiveToClipboard() noexcept;
        void Free() noexcept;

    private:
        UINT format_;
        TKind kind_;
        HANDLE data_;
    };

    // Adds a copy of one format's data; false when there is none or it cannot be copied.
    static bool Copy(UINT Format, std::vector<TSavedFormat> &Into);

    classlib::THiddenWindow window_;
    std::vector<TSavedFormat> saved_;
    bool holdsSave_ = false; // a Save succeeded: even an empty clipboard is to be put back
};

} // namespace framework
