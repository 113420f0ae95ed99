// Excel's "OPEN" list: the add-in is added under the next free number and removed without losing or
// reordering another add-in's entry.
#include "RegistrationFixture.h"

#include <algorithm>

#include "classlib/Registry.h"

using namespace framework;

namespace regtest {
namespace {

const std::wstring ours = L"/A \"TessaryRegTest.TSY\"";

class ExcelAutomationAddInTest : public RegistrationFixture {
protected:
    static std::wstring Options(int version) {
        return L"Software\\Microsoft\\Office\\" + std::to_wstring(version) + L".0\\Excel\\Options";
    }
    // The OPEN entries of one version as "name=data", in number order.
    static std::vector<std::wstring> OpenEntries(int version) {
        std::vector<std::wstring> entries;
        for (int n = 0; n <= 20; ++n) {
            std::wstring name = n == 0 ? L"OPEN" : L"OPEN" + std::to_wstring(n);
            std::wstring data = ReadString(HKEY_CURRENT_USER, Options(version), name);
            if (data != L"<missing>")
                entries.push_back(name + L"=" + data);
        }
        return entries;
    }
    void Seed(int version, int count) {
        for (int n = 0; n < count; ++n)
            WriteString(HKEY_CURRENT_USER, Options(version), n == 0 ? L"OPEN" : L"OPEN" + std::to_wstring(n),
                        L"/R \"addin" + std::to_wstring(n) + L".xla\"");
    }
    void Register(bool Add = true) {
        classlib::TRegistry reg;
        reg.SetRootKey(HKEY_CURRENT_USER);
        Add ? factory().RegisterExcelAutomationAddIn(reg) : factory().UnregisterExcelAutomationAddIn(reg);
    }
    void Unregister() { Register(false); }
};

// Only versions whose Options key exists are touched; OPEN10 sorts before OPEN2 as text, but the
// next number is taken after the highest in use.
TEST_F(ExcelAutomationAddInTest, RegistrationTakesTheNumberAfterTheHighestInUse) {
    Seed(11, 0);
    WriteString(HKEY_CURRENT_USER, Options(11), L"Other", L"x");
    Seed(12, 2);
    Seed(14, 11);
    Register();
    EXPECT_EQ(OpenEntries(11), std::vector<std::wstring>{L"OPEN=" + ours});
    ASSERT_EQ(OpenEntries(12).size(), 3u);
    EXPECT_EQ(OpenEntries(12)[2], L"OPEN2=" + ours);
    ASSERT_EQ(OpenEntries(14).size(), 12u);
    EXPECT_EQ(OpenEntries(14)[10], L"OPEN10=/R \"addin10.xla\"");
    EXPECT_EQ(OpenEntries(14)[11], L"OPEN11=" + ours);
    for (int version : {10, 13})
        EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Options(version)));

    Register(); // already listed: nothing added
    EXPECT_EQ(OpenEntries(14).size(), 12u);
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, Options(11)).size(), 2u);
}

TEST_F(ExcelAutomationAddInTest, NamesThatAreNoExcelNumberDoNotDisturbTheNumbering) {
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPENX", L"/R \"x.xla\"");
    WriteString(HKEY_CURRENT_USER, Options(12), L"open3", L"/R \"three.xla\"");
    Register();
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, Options(12), L"OPEN4"), ours);
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, Options(12), L"OPENX"), L"/R \"x.xla\"");
}

// Our entry in the middle: the others close the gap in their own order, a value of another type
// keeps its type, and values that are not OPEN entries stay.
TEST_F(ExcelAutomationAddInTest, UnregistrationRenumbersTheOthersWithoutLosingAny) {
    Seed(12, 12);
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN3", ours);
    WriteDword(HKEY_CURRENT_USER, Options(12), L"OPEN5", 42);
    WriteString(HKEY_CURRENT_USER, Options(12), L"Other", L"x");
    Unregister();

    std::vector<std::wstring> entries = OpenEntries(12);
    EXPECT_EQ(entries.size(), 10u); // OPEN5 is no string: read below
    EXPECT_EQ(entries[0], L"OPEN=/R \"addin0.xla\"");
    EXPECT_EQ(entries[2], L"OPEN2=/R \"addin2.xla\"");
    EXPECT_EQ(entries[3], L"OPEN3=/R \"addin4.xla\"");
    EXPECT_EQ(ReadDword(HKEY_CURRENT_USER, Options(12), L"OPEN4"), 42u);
    EXPECT_EQ(entries[4], L"OPEN5=/R \"addin6.xla\"");
    EXPECT_EQ(entries[9], L"OPEN10=/R \"addin11.xla\"");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, Options(12), L"OPEN11"), L"<missing>");
    EXPECT_EQ(ReadString(HKEY_CURRENT_USER, Options(12), L"Other"), L"x");
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, Options(12)).size(), 12u);
}

TEST_F(ExcelAutomationAddInTest, UnregistrationLeavesAListWithoutTheAddInAlone) {
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN", L"/R \"a.xla\"");
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN2", L"/R \"c.xla\""); // a gap someone else left
    Unregister();
    EXPECT_EQ(OpenEntries(12), (std::vector<std::wstring>{L"OPEN=/R \"a.xla\"", L"OPEN2=/R \"c.xla\""}));
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, Options(11)));
}

// Our entry is ours in any letter case, and only ours: another add-in whose ProgID begins like ours
// keeps its entry and gets ours beside it.
TEST_F(ExcelAutomationAddInTest, OnlyTheAddInsOwnQuotedProgIDIsItsEntryInAnyCase) {
    const std::wstring longer = L"/A \"TessaryRegTest.TSY2\"";
    const std::wstring otherCase = L"/a  \"tessaryregtest.tsy\" ";
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN", longer);
    WriteString(HKEY_CURRENT_USER, Options(14), L"OPEN", otherCase);
    WriteString(HKEY_CURRENT_USER, Options(14), L"OPEN1", L"/R \"C:\\TessaryRegTest.TSY\"");
    Register();
    EXPECT_EQ(OpenEntries(12), (std::vector<std::wstring>{L"OPEN=" + longer, L"OPEN1=" + ours}));
    EXPECT_EQ(OpenEntries(14).size(), 2u) << "the entry in other case was not taken for ours";

    Unregister();
    EXPECT_EQ(OpenEntries(12), std::vector<std::wstring>{L"OPEN=" + longer});
    EXPECT_EQ(OpenEntries(14), std::vector<std::wstring>{L"OPEN=/R \"C:\\TessaryRegTest.TSY\""});
}

// "OPEN01" and "OPEN1" both read as number 1: renumbering must not write over one before it moved.
TEST_F(ExcelAutomationAddInTest, RenumberingKeepsEntriesWhoseNamesReadAsOneNumber) {
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN", L"/R \"a.xla\"");
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN01", L"/R \"x.xla\"");
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN1", L"/R \"y.xla\"");
    WriteString(HKEY_CURRENT_USER, Options(12), L"OPEN2", ours);
    Unregister();
    std::vector<std::wstring> entries = OpenEntries(12);
    ASSERT_EQ(entries.size(), 3u) << testing::PrintToString(entries);
    EXPECT_EQ(entries[0], L"OPEN=/R \"a.xla\"");
    std::vector<std::wstring> moved{entries[1].substr(entries[1].find(L'=')),
                                    entries[2].substr(entries[2].find(L'='))};
    std::sort(moved.begin(), moved.end());
    EXPECT_EQ(moved, (std::vector<std::wstring>{L"=/R \"x.xla\"", L"=/R \"y.xla\""}));
    EXPECT_EQ(ValueNames(HKEY_CURRENT_USER, Options(12)).size(), 3u) << "OPEN01 was left behind";
}

// Through the whole registration: only with XLAutomationAddIn and an installed, supported Excel.
TEST_F(ExcelAutomationAddInTest, RegistrationRoundTripAddsAndRemovesTheEntry) {
    Seed(14, 2);
    settings().SupportedApps = TzidHostAppSet{ohaExcel};
    InstallHost(ohaExcel);
    PerUserRegistration = true;
    factory().UpdateRegistry(true);
    EXPECT_EQ(OpenEntries(14).size(), 2u) << "XLAutomationAddIn is off";

    settings().XLAutomationAddIn = true;
    factory().UpdateRegistry(true);
    EXPECT_EQ(OpenEntries(14).back(), L"OPEN2=" + ours);
    factory().UpdateRegistry(false);
    EXPECT_EQ(OpenEntries(14),
              (std::vector<std::wstring>{L"OPEN=/R \"addin0.xla\"", L"OPEN1=/R \"addin1.xla\""}));
    EXPECT_FALSE(
        KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\Excel\\AddIns\\TessaryRegTest.TSY"));
}

} // namespace
} // namespace regtest
