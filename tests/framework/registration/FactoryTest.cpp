// The factory's own answers: host table, add-in keys, installed hosts, library folder.
#include "RegistrationFixture.h"

#include "classlib/ComServer.h"

using namespace framework;

namespace regtest {
namespace {

class FactoryTest : public RegistrationFixture {};

TEST_F(FactoryTest, AddInKeysFollowTheHostTableAndTheTypeLibrarysProgID) {
    EXPECT_EQ(factory().GetProgID(), L"TessaryRegTest.TSY");
    EXPECT_EQ(factory().GetAddInKey(ohaOutlook),
              L"\\Software\\Microsoft\\Office\\Outlook\\AddIns\\TessaryRegTest.TSY");
    EXPECT_EQ(factory().GetAddInKey(ohaProject),
              L"\\Software\\Microsoft\\Office\\MS Project\\AddIns\\TessaryRegTest.TSY");
    EXPECT_EQ(factory().GetAddInKey(ohaMapPoint),
              L"\\Software\\Microsoft\\MapPoint\\AddIns\\TessaryRegTest.TSY");
    EXPECT_EQ(factory().GetAddInKey(ohaVisio), L"\\Software\\Microsoft\\Visio\\AddIns\\TessaryRegTest.TSY");
    EXPECT_EQ(HostAppProgID(ohaProject), L"MSProject.Application");
    EXPECT_EQ(HostAppName(ohaInfoPath), L"InfoPath");
    EXPECT_EQ(classlib::EnumTypeInfo<TzidOfficeHostApp>().NameOf(ohaPublisher), L"ohaPublisher");
    EXPECT_EQ(classlib::EnumTypeInfo<TzidOfficeHostApp>().Names.size(), 11u);
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
    if (HostResolves(ohaPublisher))
        GTEST_SKIP() << "the prefix has Publisher.Application registered";
    EXPECT_FALSE(TzidFactory::IsHostInstalled(ohaPublisher));
    InstallHost(ohaPublisher);
    EXPECT_TRUE(TzidFactory::IsHostInstalled(ohaPublisher));
    if (HostResolves(ohaInfoPath))
        return;
    EXPECT_FALSE(TzidFactory::IsHostInstalled(ohaInfoPath));
    WriteString(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Office\\14.0\\Common\\InstallRoot\\Virtual", L"",
                L"");
    EXPECT_TRUE(TzidFactory::IsHostInstalled(ohaInfoPath));
}

} // namespace
} // namespace regtest
