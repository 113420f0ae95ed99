// The user's unload takes each bar out of the host on its own: a bar whose removal fails stays,
// with its records, for unregistration to take out; the others go, records and all.
#include "CommandBarFixture.h"

using namespace framework;

namespace cbtest {
namespace {

class UserUnloadTest : public CommandBarTest {};

TEST_F(UserUnloadTest, ABarThatCannotBeRemovedKeepsItsRecordsAndTheNextStillGoes) {
    ReadForm(L"object Bar1: TzidCommandBar CommandBarName = 'Stuck' ButtonTypes = " + Kinds({0}) +
             L" Buttons = < item OfficeTag = 'stuck1' end > end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'Free' ButtonTypes = " +
             Kinds({0}) + L" Buttons = < item OfficeTag = 'free1' end > end\n");
    hostsim::ControlRef stuck =
        AddOfficeControl(AddOfficeBar(L"Stuck", false), hostsim::msoControl::Button, L"stuck1");
    hostsim::BarRef free = AddOfficeBar(L"Free", false);
    AddOfficeControl(free, hostsim::msoControl::Button, L"free1");
    for (const wchar_t *bar : {L"Stuck", L"Free"})
        WriteRecord(L"CommandBars", bar, 1);
    for (const wchar_t *tag : {L"stuck1", L"free1", L"gone"})
        WriteRecord(L"Controls", tag, 1);
    Sim(stuck).FailAlways(L"Delete", E_FAIL);

    module_->RemoveCommandBarsOnUnload();

    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(stuck->alive);
    EXPECT_FALSE(free->alive) << "the bar after the failing one was not removed";
    EXPECT_EQ(Record(L"CommandBars", L"Stuck"), 1);
    EXPECT_EQ(Record(L"Controls", L"stuck1"), 1);
    for (const wchar_t *tag : {L"free1", L"gone"})
        EXPECT_EQ(Record(L"Controls", tag), -1) << tag;
    EXPECT_EQ(Record(L"CommandBars", L"Free"), -1);
}

} // namespace
} // namespace cbtest
