// The factory's own answers: the add-in keys per host, installed hosts, the library folder.
#include "RegistrationFixture.h"

#include "classlib/ComServer.h"

using namespace framework;

namespace regtest {
namespace {

class FactoryTest : public RegistrationFixture {};

// Each installed host gets the add-in's key, named by the type library's ProgID: below Office's key
// for most hosts, beside it for Visio; Project counts as installed by its own ProgID.
TEST_F(FactoryTest, AddInKeysFollowTheHostAndTheTypeLibrarysProgID) {
    settings().SupportedApps = TzidHostAppSet{ohaProject, ohaVisio};
    settings().RegisterForAllUsers = false;
    InstallHost(ohaProject);
    InstallHost(ohaVisio);
    factory().RegisterAddIn();
    EXPECT_TRUE(
        KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Office\\MS Project\\AddIns\\TessaryRegTest.TSY"));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, L"Software\\Microsoft\\Visio\\AddIns\\TessaryRegTest.TSY"));
}

TEST_F(FactoryTest, LibraryFolderIsTheServersFolderWithItsSeparator) {
    const std::wstring &file = classlib::ComServer().ServerFileName();
    const std::wstring &folder = factory().LibraryFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), L'\\');
    EXPECT_EQ(file.substr(0, folder.size()), folder);
    EXPECT_EQ(file.find(L'\\', folder.size()), std::wstring::npos);
}

TEST_F(FactoryTest, HostsCountAsInstalledByTheirProgIDOrByAVirtualOffice2010) {
    UninstallHost(ohaPublisher);
    UninstallHost(ohaInfoPath);
    EXPECT_FALSE(TzidFactory::IsHostInstalled(ohaPublisher));
    InstallHost(ohaPublisher);
    EXPECT_TRUE(TzidFactory::IsHostInstalled(ohaPublisher));
    EXPECT_FALSE(TzidFactory::IsHostInstalled(ohaInfoPath));
    WriteString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office\\14.0\\Common\\InstallRoot\\Virtual", L"",
                L"");
    EXPECT_TRUE(TzidFactory::IsHostInstalled(ohaInfoPath));
}

} // namespace
} // namespace regtest
