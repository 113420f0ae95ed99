// A bar whose design has no name is never added to the host: Office would name it "Custom 1", a bar
// that no record names and nothing ever removes.
#include "CommandBarFixture.h"

using namespace framework;

namespace cbtest {
namespace {

class UnnamedBarTest : public CommandBarTest {};

TEST_F(UnnamedBarTest, IsReportedAndTheNextBarIsBuilt) {
    UseEngine();
    ReadForm(L"object Bar1: TzidCommandBar end\n"
             L"object Bar2: TzidCommandBar CommandBarName = 'Second' end\n");
    const size_t bars = Set().Bars().size();
    module_->CreateCommandBars();
    EXPECT_EQ(Errors(), std::vector<std::wstring>{L"Error:The CommandBarName property cannot be empty."});
    EXPECT_FALSE(OfficeBar(L"Custom 1"));
    EXPECT_TRUE(OfficeBar(L"Second"));
    EXPECT_EQ(Set().Bars().size(), bars + 1);
}

} // namespace
} // namespace cbtest
