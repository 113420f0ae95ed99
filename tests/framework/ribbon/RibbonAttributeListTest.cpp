// The attribute list's own name matching must build exactly the list a string list's SetValues builds:
// every document depends on which entry a name set again replaces and where it stays.
#include "RibbonTestModule.h"

#include "framework/ribbon/RibbonAttributes.h"

using namespace framework;
using ribbontest::Entries;
using ribbontest::RibbonTest;

namespace {

using TSteps = std::vector<std::pair<std::wstring, std::wstring>>;

class RibbonAttributeListTest : public RibbonTest {
protected:
    // The entries Steps give through the attribute list, beside those a string list's SetValues gives.
    void ExpectAsStringList(const TSteps &Steps) {
        TzidAttributeList list(*NewTab(), nullptr, 0);
        classlib::TStringList expected;
        for (const auto &[name, value] : Steps) {
            list.Add(name, value);
            expected.SetValues(name, value);
        }
        EXPECT_EQ(Entries(*list.Take()), Entries(expected));
    }
};

} // namespace

TEST_F(RibbonAttributeListTest, ANameSetAgainKeepsItsPlaceWhateverItsLetterCase) {
    ExpectAsStringList({{L"label", L"a"}, {L"keytip", L"K"}, {L"LABEL", L"b"}, {L"KeyTip", L"L"}});
    // Names that only begin alike, or differ in a digit, are other names.
    ExpectAsStringList({{L"getItemID", L"1"},
                        {L"getItem", L"2"},
                        {L"getItemIDs", L"3"},
                        {L"getitemid", L"4"},
                        {L"rows1", L"5"},
                        {L"rows2", L"6"},
                        {L"ROWS1", L"7"},
                        {L"rowsQ", L"8"}});
}

TEST_F(RibbonAttributeListTest, AnEmptyValueTakesTheEntryOut) {
    ExpectAsStringList(
        {{L"label", L"a"}, {L"supertip", L""}, {L"keytip", L"K"}, {L"Label", L""}, {L"label", L"again"}});
}

// Names outside ASCII letters and digits are compared as the string list compares them, also once
// such a name is in the list.
TEST_F(RibbonAttributeListTest, OtherNamesAreComparedAsTheStringListDoes) {
    ExpectAsStringList({{L"label", L"a"},
                        {L"gr\u00f6\u00dfe", L"1"},
                        {L"GR\u00d6\u00dfE", L"2"},
                        {L"LABEL", L"b"},
                        {L"x-y", L"3"},
                        {L"X-Y", L"4"},
                        {L"@", L"5"},
                        {L"`", L"6"},
                        {L"", L"7"},
                        {L"", L"8"}});
    ExpectAsStringList({{L"a_b", L"1"}, {L"A_B", L"2"}, {L"a", L"3"}});
    // The system may take a name of other characters for an ASCII one.
    ExpectAsStringList({{L"stra\u00dfe", L"1"},
                        {L"strasse", L"2"},
                        {L"la\u00adbel", L"3"},
                        {L"label", L"4"},
                        {L"\u00e6on", L"5"},
                        {L"aeon", L"6"}});
}
