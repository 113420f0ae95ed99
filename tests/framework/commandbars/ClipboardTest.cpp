// Button glyphs onto Office buttons, and the user's clipboard around them: Picture and Mask on Office
// 2003, the clipboard route on Office 2000 (and where Picture fails), a clipboard that comes back
// whole (text, bitmap, enhanced metafile) or empty as it was, and one that another window holds.
#include "CommandBarFixture.h"

#include <atomic>
#include <memory>
#include <thread>

#include "classlib/Trace.h"
#include "framework/commandbars/ClipboardSaver.h"
#include "hostsim/CommandBarFace.h"

using namespace framework;

namespace cbtest {
namespace {

constexpr COLORREF kBackground = RGB(0, 0, 255), kMark = RGB(255, 0, 0);

// A window of the test's own that puts things on the clipboard and reads them back.
class TClipboardUser {
public:
    TClipboardUser()
        : window_(CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                  nullptr)) {}
    ~TClipboardUser() { DestroyWindow(window_); }

    // Text, a 4 x 4 bitmap with one marked pixel, and an enhanced metafile.
    void PutUsersContents() {
        PutText(L"Gr\u00fc\u00dfe", false);
        classlib::TBitmap image;
        image.SetSize(4, 4);
        image.SetPixels(1, 2, kMark);
        SetClipboardData(CF_BITMAP, image.ReleaseHandle());
        HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
        Rectangle(dc, 1, 2, 30, 40);
        SetClipboardData(CF_ENHMETAFILE, CloseEnhMetaFile(dc));
        CloseClipboard();
    }
    void Empty() {
        ASSERT_TRUE(OpenClipboard(window_));
        EmptyClipboard();
        CloseClipboard();
    }
    // Leaves the clipboard open when Close is false, for more formats.
    void PutText(const std::wstring &Text, bool Close = true) {
        ASSERT_TRUE(OpenClipboard(window_));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (Text.size() + 1) * sizeof(wchar_t));
        memcpy(GlobalLock(memory), Text.c_str(), (Text.size() + 1) * sizeof(wchar_t));
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        if (Close)
            CloseClipboard();
    }
    // Whether the clipboard holds exactly what PutUsersContents put there.
    void ExpectUsersContents() {
        ASSERT_TRUE(OpenClipboard(window_));
        HANDLE text = GetClipboardData(CF_UNICODETEXT);
        EXPECT_EQ(text != nullptr ? std::wstring(static_cast<const wchar_t *>(GlobalLock(text))) : L"<none>",
                  L"Gr\u00fc\u00dfe");
        if (text != nullptr)
            GlobalUnlock(text);
        classlib::TBitmap image;
        auto *bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
        EXPECT_NE(bitmap, nullptr) << "the bitmap is back";
        auto *metafile = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
        EXPECT_NE(metafile, nullptr) << "the metafile is back";
        if (metafile != nullptr) {
            ENHMETAHEADER header{};
            GetEnhMetaFileHeader(metafile, sizeof header, &header);
            EXPECT_EQ(header.rclBounds.right, 29);
        }
        if (bitmap != nullptr) {
            HDC dc = CreateCompatibleDC(nullptr);
            HGDIOBJ old = SelectObject(dc, bitmap);
            EXPECT_EQ(GetPixel(dc, 1, 2), kMark);
            EXPECT_EQ(GetPixel(dc, 2, 2), RGB(0, 0, 0));
            SelectObject(dc, old);
            DeleteDC(dc);
        }
        CloseClipboard();
    }

private:
    HWND window_;
};

// Another program's window holding the clipboard open, on a thread of its own, until released. Each
// side waits for the other's event, and a wait that takes longer than ten seconds fails the test.
class TClipboardHolder {
public:
    static constexpr DWORD kPatience = 10000;

    TClipboardHolder() {
        thread_ = std::thread([this] {
            HWND window = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                          nullptr, nullptr);
            held_ = OpenClipboard(window) != FALSE;
            SetEvent(opened_.get());
            WaitForSingleObject(release_.get(), kPatience);
            CloseClipboard();
            DestroyWindow(window);
        });
        EXPECT_EQ(WaitForSingleObject(opened_.get(), kPatience), WAIT_OBJECT_0) << "the holder never started";
    }
    ~TClipboardHolder() { Release(); }
    bool Held() const { return held_; }
    void Release() {
        SetEvent(release_.get());
        if (thread_.joinable())
            thread_.join();
    }

private:
    using THandle = std::unique_ptr<void, decltype(&CloseHandle)>;
    static THandle NewEvent() { return THandle(CreateEventW(nullptr, TRUE, FALSE, nullptr), &CloseHandle); }

    THandle opened_ = NewEvent(), release_ = NewEvent();
    std::atomic<bool> held_{false};
    std::thread thread_;
};

class GlyphTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        bar_ = new TzidCommandBar(module_);
        office_ = AddOfficeControl(AddOfficeBar(L"Tessary"), hostsim::msoControl::Button, L"tsyZip");
        button_ = bar_->Controls()->CreateItem(cctButton)->AsCommandBarButton();
        button_->BindOfficeControl(ControlObject(office_));
        glyph_.SetSize(16, 16);
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                glyph_.SetPixels(x, y, x >= 4 && x < 12 && y >= 4 && y < 12 ? kMark : kBackground);
    }
    // The button's face in Office.
    void Face(classlib::TBitmap &Result) {
        if (office_->props.picture)
            hostsim::face::FromPicture(office_->props.picture.Get(), Result);
    }

    TzidCommandBar *bar_ = nullptr;
    hostsim::ControlRef office_;
    TzidCommandBarButton *button_ = nullptr;
    classlib::TBitmap glyph_;
    TClipboardUser user_;
};

TEST_F(GlyphTest, Office2003TakesPictureAndMaskAndTheClipboardIsNotTouched) {
    user_.PutUsersContents();
    button_->SetGlyph(&glyph_);
    classlib::TBitmap face;
    Face(face);
    ASSERT_EQ(face.Width(), 16);
    EXPECT_EQ(face.Pixels(5, 5), kMark);
    EXPECT_EQ(face.Pixels(0, 15), kBackground);
    ASSERT_TRUE(office_->props.mask);
    classlib::TBitmap mask;
    hostsim::face::FromPicture(office_->props.mask.Get(), mask);
    EXPECT_EQ(mask.Pixels(0, 0), RGB(255, 255, 255)) << "the bottom-left colour is transparent";
    EXPECT_EQ(mask.Pixels(5, 5), RGB(0, 0, 0));
    EXPECT_EQ(outlook_->Log().Count(L"", L"PasteFace"), 0);
    user_.ExpectUsersContents();
}

TEST_F(GlyphTest, APictureOfficeRefusesGoesThroughTheClipboard) {
    user_.PutUsersContents();
    Sim(office_).FailAlways(L"Picture", E_NOTIMPL);
    button_->SetGlyph(&glyph_);
    Sim(office_).ClearFaults();
    classlib::TBitmap face;
    Face(face);
    ASSERT_EQ(face.Width(), 16);
    EXPECT_EQ(face.Pixels(5, 5), kMark);
    EXPECT_EQ(face.Pixels(0, 0), GetSysColor(COLOR_BTNFACE))
        << "the transparent colour became the button face";
    user_.ExpectUsersContents();
    EXPECT_TRUE(module_->Log.empty());
}

// The other window lets go just after the saver gave up: the clipboard would be free for the paste,
// but there would be nothing to restore.
TEST_F(GlyphTest, AClipboardThatCouldNotBeSavedSkipsThePasteQuietly) {
    user_.PutText(L"fremd");
    Sim(office_).FailAlways(L"Picture", E_NOTIMPL);
    TClipboardHolder holder;
    ASSERT_TRUE(holder.Held());
    classlib::TTraceSinkScope releaseWhenUnsaved([&holder](const wchar_t *, const std::wstring &Message) {
        if (Message.find(L"contents are not saved") != std::wstring::npos)
            holder.Release();
    });
    button_->SetGlyph(&glyph_);
    EXPECT_FALSE(office_->props.picture) << "nothing was pasted";
    EXPECT_EQ(outlook_->Log().Count(L"", L"PasteFace"), 0);
    EXPECT_TRUE(module_->Log.empty()) << "and nothing reported";
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT)) << "the other window's text is still there";
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_BITMAP));
}

TEST_F(GlyphTest, TheSaverWaitsForAClipboardHeldBriefly) {
    user_.PutUsersContents();
    TClipboardHolder holder;
    ASSERT_TRUE(holder.Held());
    // The holder lets go only once the saver has found the clipboard held.
    TSaveClipboard saver;
    ASSERT_FALSE(OpenClipboard(saver.Window()));
    bool waited = false;
    classlib::TTraceSinkScope releaseWhenWaiting([&](const wchar_t *, const std::wstring &Message) {
        if (Message.find(L"held by another window: waiting") != std::wstring::npos) {
            waited = true;
            holder.Release();
        }
    });
    EXPECT_TRUE(saver.Save());
    EXPECT_TRUE(waited) << "the saver never found the clipboard held";
    EXPECT_GE(saver.SavedCount(), 3) << "text, bitmap and metafile at least";
    user_.PutText(L"dazwischen");
    saver.Restore();
    EXPECT_EQ(saver.SavedCount(), 0);
    user_.ExpectUsersContents();
}

class Office2000GlyphTest : public GlyphTest {
protected:
    std::wstring HostVersion() const override { return L"9.0"; }
};

TEST_F(Office2000GlyphTest, TheFaceIsPastedAndTheUsersClipboardComesBackWhole) {
    user_.PutUsersContents();
    button_->SetGlyphTransparentColor(kMark);
    button_->SetGlyph(&glyph_);
    EXPECT_TRUE(Writes(L"Picture").empty()) << "Office 2000 takes faces only through the clipboard";
    EXPECT_EQ(outlook_->Log().Count(L"", L"PasteFace"), 1);
    classlib::TBitmap face;
    Face(face);
    ASSERT_EQ(face.Width(), 16);
    EXPECT_EQ(face.Pixels(5, 5), GetSysColor(COLOR_BTNFACE)) << "the chosen transparent colour";
    EXPECT_EQ(face.Pixels(0, 0), kBackground);
    user_.ExpectUsersContents();
}

// The face goes through the clipboard, and a clipboard the user had left empty does not keep it.
TEST_F(Office2000GlyphTest, AnEmptyClipboardIsEmptyAgainAfterThePaste) {
    user_.Empty();
    button_->SetGlyph(&glyph_);
    EXPECT_EQ(outlook_->Log().Count(L"", L"PasteFace"), 1);
    EXPECT_TRUE(office_->props.picture) << "the face was pasted";
    EXPECT_EQ(CountClipboardFormats(), 0);
    EXPECT_TRUE(module_->Log.empty());
}

} // namespace
} // namespace cbtest
