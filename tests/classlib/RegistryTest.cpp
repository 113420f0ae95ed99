// TRegistry and TIniFile against the real registry and file system, each test in a scratch key of
// its own: HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE are redirected for the process while it runs.
#include "classlib/Registry.h"
#include "classlib/IniFile.h"
#include "classlib/RegistryValues.h"

#include <gtest/gtest.h>

#include "RegistryAccess.h"
#include "ScratchRegistry.h"

#include <algorithm>
#include <cstdio>

using namespace classlib;
using testsupport::KeyExists;
using testsupport::ReadString;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(registry_.Redirected()); }

    static std::vector<std::wstring> Sorted(std::vector<std::wstring> v) {
        std::sort(v.begin(), v.end());
        return v;
    }

    testsupport::TScratchRegistry registry_{testsupport::TScratchRoots::UserAndMachine};
    // The scratch keys behind the redirected roots.
    HKEY user_ = registry_.Root(HKEY_CURRENT_USER), machine_ = registry_.Root(HKEY_LOCAL_MACHINE);
};

} // namespace

TEST_F(RegistryTest, ValuesRoundTripAndLandInTheRootKey) {
    TRegistry reg;
    EXPECT_EQ(reg.RootKey(), HKEY_CURRENT_USER);
    ASSERT_TRUE(reg.OpenKey(L"Software\\Vendor\\Product", true));
    EXPECT_EQ(reg.CurrentPath(), L"Software\\Vendor\\Product");
    reg.WriteString(L"Name", L"Anh\u00e4nge");
    reg.WriteString(L"Empty", L"");
    reg.WriteInteger(L"Count", -5);
    reg.WriteInteger(L"Big", static_cast<int>(0xFFFFFFF0u));
    EXPECT_EQ(reg.ReadString(L"Name"), L"Anh\u00e4nge");
    EXPECT_EQ(reg.ReadString(L"Empty"), L"");
    EXPECT_EQ(reg.ReadInteger(L"Count"), -5);
    EXPECT_EQ(reg.ReadInteger(L"Big"), -16);
    EXPECT_EQ(reg.ReadString(L"Missing"), L"");
    EXPECT_TRUE(reg.ValueExists(L"Empty"));
    EXPECT_FALSE(reg.ValueExists(L"Missing"));
    EXPECT_EQ(ReadString(user_, L"Software\\Vendor\\Product", L"Name"), L"Anh\u00e4nge");

    EXPECT_TRUE(reg.DeleteValue(L"Name"));
    EXPECT_FALSE(reg.DeleteValue(L"Name"));
    EXPECT_FALSE(reg.ValueExists(L"Name"));

    // A new root closes the open key; HKEY_LOCAL_MACHINE is redirected as well.
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.CurrentPath(), L"");
    ASSERT_TRUE(reg.OpenKey(L"Software\\Vendor", true));
    reg.WriteString(L"Machine", L"yes");
    EXPECT_EQ(ReadString(machine_, L"Software\\Vendor", L"Machine"), L"yes");
    EXPECT_EQ(ReadString(user_, L"Software\\Vendor", L"Machine"), L"<missing>");
}

TEST_F(RegistryTest, OpenWithoutCreateNeitherCreatesNorLosesTheOpenKey) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"Software\\Here", true));
    HKEY before = reg.CurrentKey();
    EXPECT_FALSE(reg.OpenKey(L"Missing\\Deeper", false));
    EXPECT_FALSE(reg.OpenKey(L"\\Software\\Missing", false));
    EXPECT_FALSE(reg.OpenKeyReadOnly(L"\\Software\\Missing"));
    EXPECT_FALSE(KeyExists(user_, L"Software\\Here\\Missing"));
    EXPECT_FALSE(KeyExists(user_, L"Software\\Missing"));
    EXPECT_EQ(reg.CurrentKey(), before);
    EXPECT_EQ(reg.CurrentPath(), L"Software\\Here");
    reg.WriteInteger(L"StillOpen", 1);
    EXPECT_EQ(reg.ReadInteger(L"StillOpen"), 1);

    // CreateKey makes the key without moving to it.
    EXPECT_TRUE(reg.CreateKey(L"Made\\Inside"));
    EXPECT_EQ(reg.CurrentPath(), L"Software\\Here");
    EXPECT_TRUE(KeyExists(user_, L"Software\\Here\\Made\\Inside"));
}

TEST_F(RegistryTest, ReadOnlyKeyRefusesWritesAndLeavesAccessAlone) {
    {
        TRegistry writer;
        ASSERT_TRUE(writer.OpenKey(L"Software\\Locked", true));
        writer.WriteString(L"Kept", L"value");
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKeyReadOnly(L"Software\\Locked"));
    EXPECT_EQ(reg.ReadString(L"Kept"), L"value");
    EXPECT_THROW(reg.WriteString(L"Kept", L"changed"), ERegistryException);
    EXPECT_THROW(reg.WriteInteger(L"New", 1), ERegistryException);
    EXPECT_FALSE(reg.DeleteValue(L"Kept"));
    EXPECT_EQ(ReadString(user_, L"Software\\Locked", L"Kept"), L"value");
    EXPECT_EQ(reg.Access(), static_cast<REGSAM>(KEY_ALL_ACCESS));

    // The next ordinary open is writable again.
    ASSERT_TRUE(reg.OpenKey(L"\\Software\\Locked", false));
    reg.WriteString(L"Kept", L"changed");
    EXPECT_EQ(reg.ReadString(L"Kept"), L"changed");

    // Without a key there is nothing to write to.
    reg.CloseKey();
    EXPECT_THROW(reg.WriteString(L"Nowhere", L"x"), ERegistryException);
    EXPECT_EQ(reg.ReadString(L"Nowhere"), L"");
}

TEST_F(RegistryTest, RelativePathsFollowTheOpenKeyAndAbsoluteOnesTheRoot) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"\\Software\\T\\", true)); // trailing "\" ignored
    EXPECT_EQ(reg.CurrentPath(), L"Software\\T");
    ASSERT_TRUE(reg.OpenKey(L"Child", true));
    EXPECT_EQ(reg.CurrentPath(), L"Software\\T\\Child");
    EXPECT_TRUE(KeyExists(user_, L"Software\\T\\Child"));

    EXPECT_TRUE(reg.KeyExists(L"\\Software\\T\\Child"));
    EXPECT_FALSE(reg.KeyExists(L"Software")); // relative to Software\T\Child
    EXPECT_TRUE(reg.KeyExists(L"\\Software"));

    ASSERT_TRUE(reg.OpenKey(L"\\Software\\Other", true));
    EXPECT_EQ(reg.CurrentPath(), L"Software\\Other");
    EXPECT_FALSE(KeyExists(user_, L"Software\\T\\Child\\Software"));

    // With no key open a relative path starts at the root.
    reg.CloseKey();
    ASSERT_TRUE(reg.OpenKey(L"Software\\T", false));
    EXPECT_EQ(reg.CurrentPath(), L"Software\\T");
    EXPECT_EQ(reg.GetKeyNames(), std::vector<std::wstring>{L"Child"});
}

TEST_F(RegistryTest, DeleteKeyRemovesTheWholeTreeAndNothingElse) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"\\Software\\Tree\\A\\B\\C", true));
    reg.WriteString(L"Leaf", L"1");
    ASSERT_TRUE(reg.OpenKey(L"\\Software\\Tree\\A\\D", true));
    reg.WriteInteger(L"Leaf", 2);
    ASSERT_TRUE(reg.OpenKey(L"\\Software\\Tree", false));
    reg.WriteString(L"Sibling", L"kept");
    ASSERT_TRUE(reg.CreateKey(L"Neighbour"));

    EXPECT_TRUE(reg.DeleteKey(L"A\\")); // relative to Software\Tree
    EXPECT_FALSE(KeyExists(user_, L"Software\\Tree\\A"));
    EXPECT_FALSE(reg.DeleteKey(L"A"));
    EXPECT_TRUE(KeyExists(user_, L"Software\\Tree\\Neighbour"));
    EXPECT_EQ(reg.ReadString(L"Sibling"), L"kept");

    // Neither the root nor the open key itself is a key to delete.
    EXPECT_FALSE(reg.DeleteKey(L""));
    EXPECT_FALSE(reg.DeleteKey(L"\\"));
    EXPECT_TRUE(KeyExists(user_, L"Software\\Tree"));

    EXPECT_TRUE(reg.DeleteKey(L"\\Software\\Tree"));
    EXPECT_FALSE(KeyExists(user_, L"Software\\Tree"));
}

TEST_F(RegistryTest, NamesOfValuesAndSubkeys) {
    TRegistry reg;
    EXPECT_TRUE(reg.GetValueNames().empty()); // no key open
    ASSERT_TRUE(reg.OpenKey(L"Software\\Names", true));
    EXPECT_TRUE(reg.GetValueNames().empty());
    EXPECT_TRUE(reg.GetKeyNames().empty());
    const std::wstring longName(300, L'x');
    reg.WriteString(L"", L"default value");
    reg.WriteString(L"Alpha", L"a");
    reg.WriteInteger(longName, 3);
    reg.CreateKey(L"Sub1");
    reg.CreateKey(L"Sub2\\Deep");
    EXPECT_EQ(Sorted(reg.GetValueNames()), (std::vector<std::wstring>{L"", L"Alpha", longName}));
    EXPECT_EQ(Sorted(reg.GetKeyNames()), (std::vector<std::wstring>{L"Sub1", L"Sub2"}));
}

// Another program may name a value with a null inside: each operation reaches that value by its
// whole name, never the value named by the part before the null.
TEST_F(RegistryTest, AValueWhoseNameHoldsANullIsReachedByItsWholeName) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"Software\\Nulls", true));
    const std::wstring cut = L"tag", whole(L"tag\0x", 5);
    reg.WriteInteger(cut, 1);
    const DWORD two = 2;
    ASSERT_EQ(SetRegValue(reg.CurrentKey(), whole, REG_DWORD, &two, sizeof(two)), ERROR_SUCCESS);
    EXPECT_EQ(Sorted(reg.GetValueNames()), (std::vector<std::wstring>{cut, whole}));
    EXPECT_EQ(reg.ReadInteger(whole), 2);

    EXPECT_TRUE(reg.DeleteValue(whole));
    EXPECT_FALSE(reg.ValueExists(whole));
    EXPECT_EQ(reg.ReadInteger(cut), 1) << "the value named by the part before the null was hit";
    reg.WriteString(whole, L"text");
    EXPECT_EQ(reg.ReadString(whole), L"text");
    EXPECT_EQ(reg.ReadInteger(cut), 1);
}

TEST_F(RegistryTest, DataOfTheWrongTypeIsAnError) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(L"Software\\Types", true));
    reg.WriteString(L"Text", L"12");
    reg.WriteInteger(L"Number", 12);
    try {
        reg.ReadInteger(L"Text");
        ADD_FAILURE() << "no exception";
    } catch (const ERegistryException &e) {
        EXPECT_EQ(e.Message(), L"Invalid data type for 'Text'");
    }
    EXPECT_THROW(reg.ReadInteger(L"Missing"), ERegistryException);
    EXPECT_THROW(reg.ReadString(L"Number"), ERegistryException);

    HKEY key = reg.CurrentKey();
    const wchar_t expand[] = L"%TEMP%\\x";
    RegSetValueExW(key, L"Expand", 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE *>(expand), sizeof(expand));
    EXPECT_EQ(reg.ReadString(L"Expand"), L"%TEMP%\\x");
    // Written by someone else without the terminating null, and with a stray odd byte.
    const wchar_t bare[] = {L'a', L'b', L'c', L'z'};
    RegSetValueExW(key, L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE *>(bare), 3 * sizeof(wchar_t) + 1);
    EXPECT_EQ(reg.ReadString(L"Bare"), L"abc");
    const BYTE three[] = {1, 2, 3};
    RegSetValueExW(key, L"Short", 0, REG_DWORD, three, sizeof(three));
    EXPECT_THROW(reg.ReadInteger(L"Short"), ERegistryException);
    // A long string needs more than one read.
    const std::wstring longText(5000, L'q');
    reg.WriteString(L"Long", longText);
    EXPECT_EQ(reg.ReadString(L"Long"), longText);
}

// ---- TIniFile --------------------------------------------------------------------------------------

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t folder[MAX_PATH], file[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        ASSERT_NE(GetTempFileNameW(folder, L"ini", 0, file), 0u);
        path_ = file;
        FILE *out = _wfopen(path_.c_str(), L"wb");
        ASSERT_NE(out, nullptr);
        fputs("[Config]\r\nPrivileges=user\r\nHex=$1F\r\nCHex=0x10\r\nNeg=-7\r\nJunk=12abc\r\n"
              "On=1\r\nOff=0\r\nWord=yes\r\nEmpty=\r\n",
              out);
        fclose(out);
    }
    void TearDown() override { DeleteFileW(path_.c_str()); }
    std::wstring path_;
};

} // namespace

TEST_F(IniFileTest, ReadsWithDefaults) {
    TIniFile ini(path_);
    EXPECT_EQ(ini.ReadString(L"CONFIG", L"PRIVILEGES", L"none"), L"user"); // names ignore case
    EXPECT_EQ(ini.ReadString(L"Config", L"Missing", L"none"), L"none");
    EXPECT_EQ(ini.ReadString(L"NoSection", L"Privileges", L"none"), L"none");
    EXPECT_EQ(ini.ReadString(L"Config", L"Empty", L"none"), L""); // present but empty is not missing
    EXPECT_EQ(ini.ReadInteger(L"Config", L"Hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger(L"Config", L"CHex", 0), 16);
    EXPECT_EQ(ini.ReadInteger(L"Config", L"Neg", 0), -7);
    EXPECT_EQ(ini.ReadInteger(L"Config", L"Junk", 42), 42);
    EXPECT_EQ(ini.ReadInteger(L"Config", L"Empty", 42), 42);
    EXPECT_TRUE(ini.ReadBool(L"Config", L"On", false));
    EXPECT_FALSE(ini.ReadBool(L"Config", L"Off", true));
    EXPECT_TRUE(ini.ReadBool(L"Config", L"Word", true));
    EXPECT_FALSE(ini.ReadBool(L"Config", L"Word", false));

    TIniFile missing(path_ + L".absent");
    EXPECT_EQ(missing.ReadString(L"Config", L"Privileges", L"dflt"), L"dflt");
}

TEST_F(IniFileTest, WritesAreReadBackAndFailuresRaise) {
    TIniFile ini(path_);
    const std::wstring longText(1000, L'v');
    ini.WriteString(L"New", L"Text", longText);
    ini.WriteInteger(L"New", L"Number", -12);
    ini.WriteBool(L"New", L"Flag", true);
    EXPECT_EQ(ini.ReadString(L"New", L"Text", L""), longText);
    EXPECT_EQ(ini.ReadInteger(L"New", L"Number", 0), -12);
    EXPECT_TRUE(ini.ReadBool(L"New", L"Flag", false));
    EXPECT_EQ(ini.ReadString(L"Config", L"Privileges", L""), L"user");

    TIniFile nowhere(path_ + L"-missing-folder\\file.ini");
    EXPECT_THROW(nowhere.WriteString(L"S", L"K", L"V"), EIniFileException);
}
