// Outlook's Options dialog and a folder's Properties dialog: the module hears of each before it
// shows, with the dialog's page collection, and a page it adds there is one of the dialog's tabs.
#include "WindowsFixture.h"

#include "classlib/LateBinding.h"
#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookPropertyPages.h"

namespace ol = hostsim::ol;
using classlib::OleVariant;

namespace wintest {
namespace {

class OutlookPagesTest : public OutlookWindowsTest {};

TEST_F(OutlookPagesTest, TheModuleAddsItsPagesToTheOptionsAndToAFoldersProperties) {
    StartOutlook(L"11.0");
    hostsim::SimOutlookFolder *inbox = Folder(ol::olFolderInbox);
    std::vector<hostsim::SimObject *> folders;
    Log().PagesAction = [&](IDispatch *Pages, IDispatch *Folder) {
        folders.push_back(hostsim::SimObject::FromUnknown(Folder));
        classlib::DispCall(
            Pages, L"Add",
            {OleVariant(L"Tessary.SettingsPage"), OleVariant(Folder ? L"Anh\u00e4nge" : L"Tessary")});
    };

    hostsim::SimPropertyPages *options = hostsim::OpenOptionsDialog(*outlook_);
    EXPECT_EQ(Log().Count(L"OptionsPagesAdd"), 1);
    EXPECT_EQ(Log().Count(L"FolderPagesAdd"), 0);
    ASSERT_EQ(options->Pages().size(), 1u);
    EXPECT_EQ(options->Pages()[0].page, L"Tessary.SettingsPage");
    EXPECT_EQ(options->Pages()[0].title, L"Tessary");

    hostsim::SimPropertyPages *properties = hostsim::OpenFolderProperties(*outlook_, inbox);
    EXPECT_EQ(Log().Count(L"OptionsPagesAdd"), 1) << "a folder's dialog is not the Options dialog";
    EXPECT_EQ(Log().Count(L"FolderPagesAdd"), 1);
    ASSERT_EQ(properties->Pages().size(), 1u);
    EXPECT_EQ(properties->Pages()[0].title, L"Anh\u00e4nge");
    EXPECT_EQ(folders, (std::vector<hostsim::SimObject *>{nullptr, inbox}))
        << "the folder whose dialog opens";

    // Once the add-in is unloaded the dialogs are Outlook's own.
    Stop(ext_dm_UserClosed);
    EXPECT_TRUE(hostsim::OpenOptionsDialog(*outlook_)->Pages().empty());
    EXPECT_TRUE(hostsim::OpenFolderProperties(*outlook_, inbox)->Pages().empty());
    EXPECT_EQ(Log().Count(L"OptionsPagesAdd"), 1);
}

} // namespace
} // namespace wintest
