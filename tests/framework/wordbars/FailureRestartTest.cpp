// One Office call failing during the add-in's first start in a fresh Word, every call in turn: the
// failing session goes on (the user switches windows, so the bars are bound again), Word saves
// Normal.dot at exit, and the next clean start must hold exactly what a clean history leaves: the
// same bars and controls, each control once and with its Tag, each bar visible as designed, and the
// same records. A control whose set-up failed right after Office added it must leave neither an
// untagged orphan nor, at the next binding, a second copy; a design whose write failed must not be
// recorded as pushed.
#include "WordBarsFixture.h"

namespace wordbars {
namespace {

class FailureRestartTest : public WordBarsFixture {
protected:
    // First session (with call Failing failing, counted from the add-in's connection), a window
    // switch, quit saving Normal.dot, a clean second start: what the user has then.
    std::string History(size_t Failing) {
        NewWord();
        word_->Log().Clear();
        word_->Log().FailCallNumber(Failing, E_FAIL);
        Start();
        SwitchWindow();
        Restart(AtQuit::Save);
        Stop();
        return Picture();
    }
};

TEST_F(FailureRestartTest, AfterAnySingleFailedCallTheNextStartHoldsWhatACleanHistoryLeaves) {
    NewWord();
    word_->Log().Clear();
    ASSERT_TRUE(Start());
    const std::vector<hostsim::SimCall> calls = word_->Log().Calls();
    const std::string clean = History(static_cast<size_t>(-1));
    ASSERT_EQ(Errors(), std::vector<std::wstring>{});
    ASSERT_GT(calls.size(), 100u);

    size_t differing = 0;
    for (size_t number = 0; number < calls.size(); ++number) {
        const std::string after = History(number);
        EXPECT_EQ(Difference(clean, after), "")
            << "call " << number << ": " << testing::PrintToString(calls[number].Text());
        differing += after != clean ? 1 : 0;
    }
    EXPECT_EQ(differing, 0u) << "of " << calls.size() << " calls";
}

} // namespace
} // namespace wordbars
