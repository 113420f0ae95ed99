// The units' order at load and unload, and what the loaded units set up: the registered messages,
// the cursor holder and the visual-styles probe.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "TraceRecorder.h"
#include "classlib/Exceptions.h"
#include "framework/support/SupportUnits.h"
#include "framework/support/WindowMessages.h"

using namespace framework;

namespace {

std::vector<std::string> calls;
template <char Name> void Start() {
    calls.push_back(std::string("start ") + Name);
}
template <char Name> void Finish() noexcept {
    calls.push_back(std::string("finish ") + Name);
}
void Fail() {
    throw std::runtime_error("no start");
}

} // namespace

TEST(Units, StartInOrderAndFinalizeOnlyStartedOnesInReverse) {
    calls.clear();
    {
        TUnitSequence units{{L"a", &Start<'a'>, &Finish<'a'>}, {L"b", &Start<'b'>, &Finish<'b'>}};
        EXPECT_EQ(units.StartedCount(), 2);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"start a", "start b", "finish b", "finish a"}));

    calls.clear();
    testsupport::TTraceRecorder trace;
    {
        TUnitSequence units{{L"a", &Start<'a'>, &Finish<'a'>},
                            {L"broken", &Fail, &Finish<'x'>},
                            {L"c", &Start<'c'>, &Finish<'c'>}};
        EXPECT_EQ(units.StartedCount(), 1);
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"start a", "finish a"}));
    EXPECT_EQ(trace.Count({L"broken", L"no start"}), 1);
}

// A message is registered when first read (nothing in this process has sent or heard this one before:
// the library's load registered nothing) and keeps its number. The numbers are the session's for each
// name, so other windows and add-ins that register the same name talk to ours; a name both units
// register yields one number.
TEST(Units, MessagesAreRegisteredWhenFirstReadAsTheSessionsNumbersOfTheirNames) {
    const TRegisteredMessage &message = ol::WM_INFORMTOSHOWDOCKLAYOUT;
    EXPECT_FALSE(message.Registered());
    UINT number = message;
    EXPECT_TRUE(message.Registered());
    EXPECT_EQ(number, RegisterWindowMessageW(message.Name()));
    EXPECT_EQ(UINT(message), number);

    EXPECT_EQ(RegisterWindowMessageW(L"WM_ZIDKEYDOWN"), WM_ZIDKEYDOWN);
    EXPECT_EQ(RegisterWindowMessageW(L"WM_ZID_DESTROY_EMBEDED_WINDOW"), WM_ZID_DESTROY_EMBEDED_WINDOW);
    EXPECT_EQ(RegisterWindowMessageW(Globals::WM_ZIDGETPICTURE()), WM_ZIDGETPICTURE);
    EXPECT_EQ(RegisterWindowMessageW(GlobalsOl::WM_INFORMTOSHOWDOCKLAYOUT()), ol::WM_INFORMTOSHOWDOCKLAYOUT);
    EXPECT_NE(WM_ZIDKEYDOWN, WM_ZIDGETPICTURE);
    EXPECT_EQ(ol::WM_ZIDWMIPOSCHANGE, WM_ZIDWMIPOSCHANGE);
    EXPECT_EQ(ol::WM_ZIDEXIST, WM_ZIDEXIST);
    EXPECT_EQ(ol::WM_ZIDGETAPPWINDOWPOS, WM_ZIDGETAPPWINDOWPOS);
}

TEST(Units, VisualStylesFlagsAgreeWithTheThemeLibrary) {
    const TVisualStyles &styles = VisualStyles();
    EXPECT_TRUE(styles.ThemesLoaded()); // every system this runs on has the library
    EXPECT_TRUE(styles.OpenThemeData && styles.CloseThemeData && styles.DrawThemeBackground &&
                styles.GetCurrentThemeName);
    HTHEME theme = styles.OpenThemeData(nullptr, L"WINDOW");
    EXPECT_EQ(styles.ThemesActive(), theme != nullptr);
    if (theme != nullptr)
        styles.CloseThemeData(theme);

    TVisualStyles probe;
    probe.Probe();
    EXPECT_EQ(probe.ThemesActive(), styles.ThemesActive());
    probe.Clear();
    EXPECT_FALSE(probe.ThemesLoaded() || probe.ThemesActive() || probe.OpenThemeData);
}

// The loaded library started all three units; finalizing the support unit lets the log go and frees
// the cursors, and starting it again makes both anew.
TEST(Units, SupportUnitFinalizationReleasesTheLogAndCursors) {
    EXPECT_EQ(LoadedUnits().StartedCount(), 3);
    ASSERT_NE(Cursors(), nullptr);
    EXPECT_EQ(Cursors()->State(), 1);
    classlib::ComPtr<ILog> held = GetLog();
    HCURSOR cursor = CreateCursor(GetModuleHandleW(nullptr), 0, 0, 32, 32,
                                  std::vector<BYTE>(128, 0xFF).data(), std::vector<BYTE>(128, 0).data());
    ASSERT_NE(cursor, nullptr);
    Cursors()->SetCursor(1, cursor);
    SupportUnit.Finalize();
    EXPECT_EQ(Cursors(), nullptr);
    EXPECT_FALSE(DestroyCursor(cursor)); // already destroyed with the holder
    held->AddRef();
    EXPECT_EQ(held->Release(), 1u); // only ours is left
    SupportUnit.Startup();
    ASSERT_NE(Cursors(), nullptr);
    EXPECT_NE(GetLog().Get(), held.Get());
    EXPECT_THROW(Cursors()->Cursor(2), classlib::EListError);
}
