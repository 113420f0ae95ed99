// The user deletes the add-in's toolbar in Word's Customize dialog, then switches windows: the bar is
// built again under its own name, as a missing one, without an error box; no bar that no record names
// ("Custom 1") is left in Normal.dot, and the next start finds the one bar.
#include "WordBarsFixture.h"

namespace wordbars {
namespace {

class DeletedBarTest : public WordBarsFixture {};

TEST_F(DeletedBarTest, ASwitchOfWindowsBuildsItAgainUnderItsOwnName) {
    ASSERT_TRUE(Start());
    const std::string built = Picture();
    templates_->UserDeleteBar(L"Tessary");
    SwitchWindow();
    EXPECT_EQ(Errors(), std::vector<std::wstring>{});
    EXPECT_EQ(Bar(L"Custom 1"), nullptr);
    EXPECT_EQ(Picture(), built);

    Restart(AtQuit::Save);
    EXPECT_EQ(Bar(L"Custom 1"), nullptr);
    EXPECT_EQ(Picture(), built);
    EXPECT_EQ(Errors(), std::vector<std::wstring>{});
}

} // namespace
} // namespace wordbars
