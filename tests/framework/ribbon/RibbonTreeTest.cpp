// The model's tree: tabs in their module, controls in their collections, ids in the module's list,
// ribbon kinds passed down, limits.
#include "RibbonTestModule.h"

#include "classlib/ImageList.h"
#include "framework/core/ModuleErrors.h"

#include "ErrorOf.h"

using namespace framework;
using ribbontest::RibbonTest;
using testsupport::ErrorOf;

namespace {

TzidRibbonGroup *NewGroup(TzidRibbonTab *Tab) {
    return static_cast<TzidRibbonGroup *>(Tab->Controls()->Add());
}

} // namespace

TEST_F(RibbonTest, TabBelongsToAModuleOnly) {
    std::wstring message;
    EXPECT_EQ(ErrorOf([] { TzidRibbonTab tab(nullptr); }, &message), zidErrWrongContainer);
    EXPECT_EQ(message, L"The TzidRibbonTab class cannot be contained in the nil class.");
    classlib::TComponent form(nullptr);
    EXPECT_EQ(ErrorOf([&] { new TzidRibbonTab(&form); }, &message), zidErrWrongContainer);
    EXPECT_EQ(message, L"The TzidRibbonTab class cannot be contained in the TComponent class.");
    EXPECT_EQ(form.ComponentCount(), 0);
}

TEST_F(RibbonTest, TabStartsWithTheWindowsOfTheSupportedHosts) {
    TzidRibbonTab *tab = NewTab();
    EXPECT_EQ(tab->Ribbons(),
              (TzidRibbons{msrWordDocument, msrOutlookMailRead, msrOutlookMailCompose, msrOutlookExplorer}));
    EXPECT_EQ(tab->Ribbons2010(), TzidRibbons2010{msrOutlookExplorer2010});

    module_->SetSupportedApps({ohaExcel, ohaAccess});
    TzidRibbonTab *excelTab = NewTab();
    EXPECT_EQ(excelTab->Ribbons(), (TzidRibbons{msrAccessDatabase, msrExcelWorkbook}));
    EXPECT_TRUE(excelTab->Ribbons2010().Empty());
}

TEST_F(RibbonTest, TabsMoveBetweenThePlainAndContextualListsAndLeaveOnDestruction) {
    TzidRibbonTab *tab = NewTab();
    tab->SetId(L"TabA");
    ASSERT_EQ(module_->RibbonTabs().IndexOf(tab), 0);
    EXPECT_EQ(module_->RibbonIds().IndexOf(L"TabA"), 0);

    tab->SetContext(L"Word.TabSetTableTools");
    EXPECT_EQ(module_->RibbonTabs().Count(), 0);
    EXPECT_EQ(module_->ContextualTabs().IndexOf(tab), 0);
    tab->SetContext(L"");
    EXPECT_EQ(module_->RibbonTabs().IndexOf(tab), 0);
    EXPECT_EQ(module_->ContextualTabs().Count(), 0);

    tab->SetIdMso(L"TabMail");
    EXPECT_EQ(module_->RibbonIds().Strings(0), L"TabMail");
    tab->SetIdMso(L"");
    EXPECT_EQ(module_->RibbonIds().Strings(0), L"TabA");

    NewGroup(tab)->SetId(L"G1");
    tab->SetContext(L"Word.TabSetTableTools");
    classlib::Free(tab);
    EXPECT_EQ(module_->RibbonTabs().Count() + module_->ContextualTabs().Count(), 0);
    EXPECT_EQ(module_->RibbonIds().Count(), 0);
}

TEST_F(RibbonTest, ControlsKeepTheirEntryInTheIdList) {
    TzidRibbonGroup *group = NewGroup(NewTab());
    TzidRibbonCustomControl *button = group->Controls()->AddControl(rctButton);
    button->SetId(L"Send");
    int index = module_->RibbonIds().IndexOf(L"Send");
    ASSERT_GE(index, 0);
    EXPECT_EQ(module_->RibbonIds().Objects(index), button);
    EXPECT_EQ(module_->FindRibbonObject(L"Send"), button);

    button->SetId(L"");
    EXPECT_EQ(button->Id(), L"Send");
    button->SetIdMso(L"FileSave");
    EXPECT_EQ(module_->RibbonIds().IndexOf(L"FileSave"), index);
    button->SetIdMso(L"");
    EXPECT_EQ(module_->RibbonIds().IndexOf(L"Send"), index);

    // A container takes its children's entries along when it goes.
    group->SetId(L"G");
    group->Controls()->AddControl(rctMenu)->GetControls()->AddControl(rctButton)->SetId(L"Deep");
    const int before = module_->RibbonIds().Count();
    delete group;
    EXPECT_EQ(module_->RibbonIds().Count(), before - 4);
    EXPECT_EQ(module_->RibbonIds().IndexOf(L"Deep"), -1);
}

TEST_F(RibbonTest, CollectionsRefuseTheControlPastTheirMaximum) {
    TzidRibbonTab *tab = NewTab();
    for (int i = 0; i < 100; ++i)
        NewGroup(tab);
    std::wstring message;
    EXPECT_EQ(ErrorOf([&] { tab->Controls()->Add(); }, &message), zidErrTooManyItems);
    EXPECT_EQ(message, L"There cannot be more than 100 items in this control!");
    EXPECT_EQ(tab->Controls()->Count(), 100);

    TzidRibbonGroup *group = static_cast<TzidRibbonGroup *>(tab->Controls()->Items(0));
    for (int i = 0; i < 1000; ++i)
        group->Controls()->AddControl(rctSeparator);
    const int ids = module_->RibbonIds().Count();
    EXPECT_EQ(ErrorOf([&] { group->Controls()->AddControl(rctButton); }, &message), zidErrTooManyItems);
    EXPECT_EQ(message, L"There cannot be more than 1000 items in this control!");
    EXPECT_EQ(group->Controls()->Count(), 1000);
    EXPECT_EQ(module_->RibbonIds().Count(), ids); // nothing half-made stays behind

    TzidRibbonGroup *other = NewGroup(NewTab());
    auto *splitButton = static_cast<TzidRibbonSplitButton *>(other->Controls()->AddControl(rctSplitButton));
    for (int i = 0; i < 10; ++i)
        splitButton->Controls()->Add();
    EXPECT_EQ(ErrorOf([&] { splitButton->Controls()->Add(); }), zidErrTooManyItems);
    auto *dropDown = static_cast<TzidRibbonDropDown *>(other->Controls()->AddControl(rctDropDown));
    for (int i = 0; i < 16; ++i)
        dropDown->Controls()->Add();
    EXPECT_EQ(ErrorOf([&] { dropDown->Controls()->Add(); }), zidErrTooManyItems);
}

TEST_F(RibbonTest, GroupTakesOneDialogBoxLauncherAndKeepsItLast) {
    TzidRibbonGroup *group = NewGroup(NewTab());
    TzidRibbonCustomControl *launcher = group->Controls()->AddControl(rctDialogBoxLauncher);
    group->Controls()->AddControl(rctButton);
    group->Controls()->AddControl(rctSeparator);
    EXPECT_EQ(launcher->Index(), 2);

    std::wstring message;
    EXPECT_EQ(ErrorOf([&] { group->Controls()->AddControl(rctDialogBoxLauncher); }, &message),
              zidErrSingleInstance);
    EXPECT_EQ(message, L"There can be only one instance of TzidRibbonDialogBoxLauncher in the Ribbon Group!");
    EXPECT_EQ(group->Controls()->Count(), 3);

    // Moving it forward does not stick either.
    launcher->SetIndex(0);
    EXPECT_EQ(launcher->Index(), 2);
}

TEST_F(RibbonTest, RibbonKindsGoDownTheTreeAndKeepTheExplorerInBothSets) {
    TzidRibbonTab *tab = NewTab();
    TzidRibbonGroup *group = NewGroup(tab);
    auto *combo = group->Controls()->AddControl(rctComboBox);
    TzidRibbonCustomControl *item = combo->GetItems()->Add();
    TzidRibbonCustomControl *button = group->Controls()->AddControl(rctButton);

    group->SetRibbons({msrOutlookMailCompose});
    for (TzidRibbonCustomControl *node :
         {static_cast<TzidRibbonCustomControl *>(group), combo, item, button}) {
        EXPECT_EQ(node->Ribbons(), TzidRibbons{msrOutlookMailCompose});
        EXPECT_TRUE(node->Ribbons2010().Empty()) << node->ClassName();
    }

    group->SetRibbons({msrOutlookExplorer});
    for (TzidRibbonCustomControl *node :
         {static_cast<TzidRibbonCustomControl *>(group), combo, item, button}) {
        EXPECT_EQ(node->Ribbons(), TzidRibbons{msrOutlookExplorer});
        EXPECT_EQ(node->Ribbons2010(), TzidRibbons2010{msrOutlookExplorer2010}) << node->ClassName();
    }

    // The 2010 set brings the explorer back into the 2007 set, and the tab passes it all down.
    tab->SetRibbons2010({msrOutlookSMSRead2010});
    EXPECT_EQ(tab->Ribbons2010(), TzidRibbons2010{msrOutlookSMSRead2010});
    EXPECT_FALSE(tab->Ribbons().Contains(msrOutlookExplorer));
    EXPECT_EQ(item->Ribbons2010(), TzidRibbons2010{msrOutlookSMSRead2010});
    EXPECT_EQ(item->Ribbons(), tab->Ribbons());
    button->SetRibbons2010({msrOutlookExplorer2010});
    EXPECT_EQ(button->Ribbons(), tab->Ribbons() + TzidRibbons{msrOutlookExplorer});

    // A child that holds the value already stops the descent.
    button->SetRibbons({msrWordDocument});
    group->SetRibbons({msrOutlookMailRead});
    group->SetRibbons({msrOutlookMailRead});
    EXPECT_EQ(button->Ribbons(), TzidRibbons{msrOutlookMailRead});
}

TEST_F(RibbonTest, OwnerTabAndParentIdMso) {
    TzidRibbonTab *tab = NewTab();
    TzidRibbonGroup *group = NewGroup(tab);
    group->SetIdMso(L"GroupClipboard");
    TzidRibbonCustomControl *menu = group->Controls()->AddControl(rctMenu);
    TzidRibbonCustomControl *button = menu->GetControls()->AddControl(rctButton);
    EXPECT_EQ(button->GetOwnerTab(), tab);
    EXPECT_EQ(button->Module(), module_);
    EXPECT_EQ(menu->GetParentIdMso(), L"GroupClipboard");
    EXPECT_EQ(button->GetParentIdMso(), L"");
    EXPECT_EQ(group->GetParentIdMso(), L"");
    tab->SetIdMso(L"TabHome");
    EXPECT_EQ(group->GetParentIdMso(), L"TabHome");

    TzidRibbonControls loose(nullptr, 5, TzidRibbonButton::StaticClass());
    TzidRibbonCustomControl *orphan = loose.Add();
    EXPECT_EQ(orphan->GetOwnerTab(), nullptr);
    EXPECT_EQ(orphan->Ribbons(), zidDefaultRibbons);
    EXPECT_EQ(orphan->Ribbons2010(), zidDefaultRibbons2010);
}

// Which class each code makes is read back by the streaming tests; here, what no code may make.
TEST_F(RibbonTest, CodesPastTheTableMakeNoControl) {
    TzidRibbonGroup *group = NewGroup(NewTab());
    EXPECT_EQ(group->Controls()->AddControl(0)->ClassName(), L"TzidRibbonCustomControl");
    // Codes past the table make nothing (22-49 are the Backstage's, registered with these).
    const int count = group->Controls()->Count();
    for (int code : {50, 127, 255})
        EXPECT_THROW(group->Controls()->AddControl(static_cast<TzidRibbonControlType>(code)),
                     classlib::EInvalidOperation);
    EXPECT_EQ(group->Controls()->Count(), count);
    EXPECT_EQ(static_cast<TzidRibbonCustomControl *>(group)->AsRibbonGroup(), group);
    EXPECT_EQ(group->AsRibbonMenu(), nullptr);
    EXPECT_EQ(group->Controls()->AddControl(rctMenuSeparator)->GetDisplayName(),
              L"(TzidRibbonMenuSeparator)");
}

TEST_F(RibbonTest, AssignCopiesControlsByClassAndTheSharedProperties) {
    TzidRibbonGroup *source = NewGroup(NewTab());
    TzidRibbonCustomControl *button = source->Controls()->AddControl(rctButton);
    button->SetCaption(L"Senden");
    button->SetId(L"Send");
    button->SetKeyTip(L"S");
    button->SetEnabled(false);
    button->SetRibbons({msrOutlookMailRead});
    source->Controls()->AddControl(rctMenu)->SetCaption(L"Mehr");
    EXPECT_EQ(button->GetDisplayName(), L"Senden (TzidRibbonButton)");

    TzidRibbonGroup *target = NewGroup(NewTab());
    target->Controls()->AddControl(rctSeparator);
    target->SetControls(source->Controls());
    ASSERT_EQ(target->Controls()->Count(), 2);
    TzidRibbonCustomControl *copy = target->Controls()->Items(0);
    EXPECT_EQ(copy->ClassName(), L"TzidRibbonButton");
    EXPECT_EQ(copy->Caption(), L"Senden");
    EXPECT_FALSE(copy->Enabled());
    EXPECT_EQ(copy->Ribbons(), TzidRibbons{msrOutlookMailRead});
    EXPECT_EQ(copy->Id(), L"");     // ids stay unique
    EXPECT_EQ(copy->KeyTip(), L""); // so do key tips
    EXPECT_EQ(target->Controls()->Items(1)->ClassName(), L"TzidRibbonMenu");

    // Items copied from controls of other classes stay items.
    auto *combo = static_cast<TzidRibbonComboBox *>(target->Controls()->AddControl(rctComboBox));
    combo->Items()->Assign(source->Controls());
    ASSERT_EQ(combo->Items()->Count(), 2);
    EXPECT_EQ(combo->Items()->Items(0)->ClassName(), L"TzidRibbonItem");
    EXPECT_EQ(combo->Items()->Items(0)->Caption(), L"Senden");
}

TEST_F(RibbonTest, LosingTheImageListClearsEveryImageIndexOfTheTab) {
    TzidRibbonTab *tab = NewTab();
    auto *images = new classlib::TImageList(module_);
    tab->SetImages(images);
    TzidRibbonGroup *group = NewGroup(tab);
    group->SetImageIndex(0);
    TzidRibbonCustomControl *menu = group->Controls()->AddControl(rctMenu);
    menu->SetImageIndex(1);
    TzidRibbonCustomControl *button = menu->GetControls()->AddControl(rctButton);
    button->SetImageIndex(2);
    TzidRibbonCustomControl *item = group->Controls()->AddControl(rctDropDown)->GetItems()->Add();
    item->SetImageIndex(3);

    classlib::Free(images);
    EXPECT_EQ(tab->Images(), nullptr);
    for (TzidRibbonCustomControl *control :
         {static_cast<TzidRibbonCustomControl *>(group), menu, button, item})
        EXPECT_EQ(control->ImageIndex(), -1) << control->ClassName();
}

TEST_F(RibbonTest, ValueRangesOfTheSetters) {
    TzidRibbonGroup *group = NewGroup(NewTab());
    auto *gallery = static_cast<TzidRibbonGallery *>(group->Controls()->AddControl(rctGallery));
    gallery->SetColumns(4);
    for (int bad : {0, -1, 1025, 2000})
        gallery->SetColumns(bad), gallery->SetRows(bad);
    EXPECT_EQ(gallery->Columns(), 4);
    EXPECT_EQ(gallery->Rows(), 1);
    gallery->SetRows(1024);
    EXPECT_EQ(gallery->Rows(), 1024);

    gallery->SetKeyTip(L"ABCDE");
    EXPECT_EQ(gallery->KeyTip(), L"ABC");

    // A split button's menu cannot become dynamic; any other can.
    auto *split = static_cast<TzidRibbonSplitButton *>(group->Controls()->AddControl(rctSplitButton));
    auto *inner = static_cast<TzidRibbonMenu *>(split->Controls()->Add());
    inner->SetDynamic(true);
    EXPECT_FALSE(inner->Dynamic());
    auto *menu = static_cast<TzidRibbonMenu *>(group->Controls()->AddControl(rctMenu));
    menu->SetDynamic(true);
    EXPECT_TRUE(menu->Dynamic());
}

// The walk up from any depth: through list items, menus and groups to the tab and its module; a
// collection that no node owns ends the walk with nothing.
TEST_F(RibbonTest, WalkUpReachesTheTabFromEveryDepthAndStopsAtAForeignOwner) {
    TzidRibbonTab *tab = NewTab();
    TzidRibbonGroup *group = NewGroup(tab);
    TzidRibbonCustomControl *menu = group->Controls()->AddControl(rctMenu);
    TzidRibbonCustomControl *gallery = menu->GetControls()->AddControl(rctGallery);
    TzidRibbonCustomControl *item = gallery->GetItems()->Add();
    EXPECT_EQ(item->GetOwnerRoot(), tab);
    EXPECT_EQ(item->GetOwnerTab(), tab);
    EXPECT_EQ(item->Module(), module_);
    EXPECT_EQ(item->ParentControl(), gallery);
    EXPECT_EQ(gallery->ParentControl(), menu);
    EXPECT_EQ(group->ParentControl(), nullptr); // the tab is a root, no control
    EXPECT_EQ(group->GetOwnerRoot(), tab);

    classlib::TComponent stranger(nullptr);
    TzidRibbonControls foreign(&stranger, 5, TzidRibbonButton::StaticClass());
    TzidRibbonCustomControl *loose = foreign.Add();
    EXPECT_EQ(loose->GetOwnerRoot(), nullptr);
    EXPECT_EQ(loose->Module(), nullptr);
    EXPECT_EQ(loose->ParentControl(), nullptr);
    EXPECT_EQ(loose->GetParentIdMso(), L"");
}
