// The attribute lists of the customUI elements: what the host reads of each control, in writing
// order, with the callbacks it will call back by name.
#include "RibbonTestModule.h"

using namespace framework;
using ribbontest::Attributes;
using ribbontest::RibbonTest;

namespace {

using List = std::vector<std::wstring>;

class RibbonAttributesTest : public ribbontest::RibbonGroupTest {};

const List ButtonCallbacks{L"getKeytip=GetKeyTip_Callback",       L"getLabel=GetLabel_Callback",
                           L"getSupertip=GetSuperTip_Callback",   L"getScreentip=GetScreenTip_Callback",
                           L"getShowLabel=GetShowLabel_Callback", L"getShowImage=GetShowImage_Callback",
                           L"getEnabled=GetEnabled_Callback"};

List Join(std::initializer_list<List> Parts) {
    List all;
    for (const List &part : Parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST_F(RibbonAttributesTest, Tabs) {
    tab_->SetInsertBeforeId(L"Other");
    EXPECT_EQ(Attributes(*tab_), (List{L"getVisible=GetVisible_Callback", L"id=Tab", L"insertBeforeQ=Other",
                                       L"getKeytip=GetKeyTip_Callback", L"getLabel=GetLabel_Callback"}));
    EXPECT_EQ(tab_->GetElementName(), L"tab");
    EXPECT_EQ(tab_->GetControlType(), rctTab);

    module_->SetNamespace(L"Tessary.Shared");
    EXPECT_EQ(Attributes(*tab_)[1], L"idQ=default:Tab");
    // A shared tab carries fixed values instead of callbacks.
    tab_->SetShared(true);
    tab_->SetCaption(L"Anh\u00e4nge");
    tab_->SetKeyTip(L"A");
    EXPECT_EQ(Attributes(*tab_), (List{L"idQ=shared:Tab", L"visible=true", L"insertBeforeQ=Other",
                                       L"keytip=A", L"label=Anh\u00e4nge"}));
    module_->SetNamespace(L"");
    tab_->SetShared(false);
}

// A built-in tab is asked for its label and key tip only when the add-in gives it its own: the
// callbacks would otherwise replace the host's with the model's empty ones.
TEST_F(RibbonAttributesTest, BuiltInTabsKeepTheHostsLabelAndKeyTipUnlessGivenOthers) {
    const std::wstring visible = L"getVisible=GetVisible_Callback", keyTip = L"getKeytip=GetKeyTip_Callback",
                       label = L"getLabel=GetLabel_Callback";
    tab_->SetIdMso(L"TabMail");
    tab_->SetInsertAfterIdMso(L"TabHome");
    EXPECT_EQ(Attributes(*tab_), (List{visible, L"idMso=TabMail", L"insertAfterMso=TabHome"}));
    tab_->SetCaption(L"Post");
    EXPECT_EQ(Attributes(*tab_), (List{visible, L"idMso=TabMail", L"insertAfterMso=TabHome", label}));
    tab_->SetKeyTip(L"P");
    EXPECT_EQ(Attributes(*tab_), (List{visible, L"idMso=TabMail", L"insertAfterMso=TabHome", keyTip, label}));
    tab_->SetCaption(L"");
    EXPECT_EQ(Attributes(*tab_), (List{visible, L"idMso=TabMail", L"insertAfterMso=TabHome", keyTip}));

    // A tab of the add-in's own is always asked: the host has nothing else to show.
    tab_->SetIdMso(L"");
    tab_->SetKeyTip(L"");
    EXPECT_EQ(Attributes(*tab_), (List{visible, L"id=Tab", L"insertAfterMso=TabHome", keyTip, label}));
}

TEST_F(RibbonAttributesTest, Groups) {
    group_->SetInsertAfterIdMso(L"GroupMailRespond");
    group_->SetInsertBeforeId(L"Ignored"); // one placement only, the built-in first
    group_->SetImageIndex(0);
    group_->SetImageMso(L"Attach");
    group_->SetAutoScale(true);
    const List custom{L"getVisible=GetVisible_Callback",
                      L"id=Group",
                      L"insertAfterMso=GroupMailRespond",
                      L"getImage=GetImage_Callback",
                      L"imageMso=Attach",
                      L"getKeytip=GetKeyTip_Callback",
                      L"getLabel=GetLabel_Callback",
                      L"getSupertip=GetSuperTip_Callback",
                      L"getScreentip=GetScreenTip_Callback"};
    EXPECT_EQ(Attributes(*group_), custom);

    // The layout attributes exist only in the 2009 schema, from version 14 on.
    module_->SetOfficeVersion(14);
    module_->SetCustomUINamespace(zidCustomUINamespace2009);
    EXPECT_EQ(Attributes(*group_), Join({custom, {L"autoScale=true"}}));
    module_->SetCustomUINamespace(zidCustomUINamespace2006);
    EXPECT_EQ(Attributes(*group_), custom);

    group_->SetIdMso(L"GroupClipboard");
    EXPECT_EQ(Attributes(*group_), (List{L"getVisible=GetVisible_Callback", L"idMso=GroupClipboard"}));

    module_->SetNamespace(L"urn:shared");
    group_->SetShared(true);
    group_->SetCaption(L"Tessary");
    group_->SetVisible(false);
    EXPECT_EQ(Attributes(*group_), (List{L"idQ=shared:Group", L"visible=false",
                                         L"insertAfterMso=GroupMailRespond", L"label=Tessary"}));
}

TEST_F(RibbonAttributesTest, ButtonsCustomBuiltInAndToggled) {
    auto *button = Add<TzidRibbonButton>(rctButton, L"Send");
    EXPECT_EQ(button->GetElementName(), L"button");
    EXPECT_EQ(Attributes(*button),
              Join({{L"id=Send"},
                    ButtonCallbacks,
                    {L"onAction=OnActionCommon_Callback", L"getDescription=GetDescription_Callback",
                     L"getSize=GetSize_Callback", L"getVisible=GetVisible_Callback"}}));
    // The copy in a context menu has an id of its own.
    EXPECT_EQ(Attributes(*button, 2)[0], L"id=Send_zid_context_menu_2");

    button->SetToggleButton(true);
    EXPECT_EQ(button->GetElementName(), L"toggleButton");
    List toggled = Attributes(*button);
    EXPECT_EQ(List(toggled.begin() + 8, toggled.begin() + 10),
              (List{L"getPressed=GetPressed_Callback", L"onAction=OnActionState_Callback"}));

    // A built-in button repeats our texts only where we have them.
    auto *save = Add<TzidRibbonButton>(rctButton, L"");
    save->SetIdMso(L"FileSave");
    EXPECT_EQ(Attributes(*save), (List{L"idMso=FileSave", L"showLabel=true", L"enabled=true",
                                       L"getDescription=GetDescription_Callback", L"getSize=GetSize_Callback",
                                       L"getVisible=GetVisible_Callback"}));
    save->SetCaption(L"Speichern");
    EXPECT_EQ(Attributes(*save)[1], L"label=Speichern");
    save->SetParseMsoXmlTypeAs(pxtControl);
    EXPECT_EQ(save->GetElementName(), L"control");
    EXPECT_EQ(Attributes(*save),
              (List{L"idMso=FileSave", L"label=Speichern", L"showLabel=true", L"enabled=true",
                    L"getSize=GetSize_Callback", L"getVisible=GetVisible_Callback"}));

    // Inside a built-in group a built-in button is named and nothing else.
    group_->SetIdMso(L"GroupClipboard");
    EXPECT_EQ(Attributes(*save), List{L"idMso=FileSave"});
}

TEST_F(RibbonAttributesTest, ButtonsInsideOtherControls) {
    auto *dropDown = Add<TzidRibbonDropDown>(rctDropDown, L"Pick");
    auto *inList = Add<TzidRibbonButton>(rctButton, L"More", dropDown->Controls());
    inList->SetToggleButton(true);
    EXPECT_EQ(inList->GetElementName(), L"button");
    EXPECT_EQ(Attributes(*inList),
              Join({{L"id=More"},
                    ButtonCallbacks,
                    {L"onAction=OnActionCommon_Callback", L"getDescription=GetDescription_Callback",
                     L"getVisible=GetVisible_Callback"}}));

    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    EXPECT_EQ(Attributes(*Add<TzidRibbonButton>(rctButton, L"M1", menu->Controls())).back(),
              L"getVisible=GetVisible_Callback");
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Split");
    auto *splitMenu = static_cast<TzidRibbonMenu *>(split->Controls()->Add());
    List inSplitMenu = Attributes(*Add<TzidRibbonButton>(rctButton, L"S1", splitMenu->Controls()));
    EXPECT_EQ(inSplitMenu.back(), L"getVisible=GetVisible_Callback");
    EXPECT_EQ(std::count(inSplitMenu.begin(), inSplitMenu.end(), L"getSize=GetSize_Callback"), 0);
}

TEST_F(RibbonAttributesTest, CheckBoxLabelSeparators) {
    EXPECT_EQ(Attributes(*Add<TzidRibbonCheckBox>(rctCheckBox, L"Zip"), 1),
              (List{L"id=Zip_zid_context_menu_1", L"getKeytip=GetKeyTip_Callback",
                    L"getLabel=GetLabel_Callback", L"getSupertip=GetSuperTip_Callback",
                    L"getScreentip=GetScreenTip_Callback", L"getEnabled=GetEnabled_Callback",
                    L"getDescription=GetDescription_Callback", L"getPressed=GetPressed_Callback",
                    L"onAction=OnActionState_Callback", L"getVisible=GetVisible_Callback"}));
    auto *label = Add<TzidRibbonLabel>(rctLabel, L"Note");
    EXPECT_EQ(label->GetElementName(), L"labelControl");
    EXPECT_EQ(Attributes(*label, 1),
              (List{L"id=Note", L"getLabel=GetLabel_Callback", L"getSupertip=GetSuperTip_Callback",
                    L"getScreentip=GetScreenTip_Callback", L"getShowLabel=GetShowLabel_Callback",
                    L"getEnabled=GetEnabled_Callback", L"getVisible=GetVisible_Callback"}));
    label->SetIdMso(L"FontSize");
    EXPECT_EQ(label->GetElementName(), L"control");

    auto *separator = Add<TzidRibbonSeparator>(rctSeparator, L"Sep");
    separator->SetInsertAfterId(L"Zip");
    EXPECT_EQ(Attributes(*separator, 1), (List{L"id=Sep", L"insertAfterQ=Zip"}));
    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    auto *title = Add<TzidRibbonMenuSeparator>(rctMenuSeparator, L"Title", menu->Controls());
    title->SetCaption(L"Optionen");
    EXPECT_EQ(title->GetTitle(), L"Optionen");
    EXPECT_EQ(Attributes(*title, 1), (List{L"id=Title_zid_context_menu_1", L"getTitle=GetTitle_Callback"}));
}

TEST_F(RibbonAttributesTest, DialogBoxLauncher) {
    auto *launcher = Add<TzidRibbonDialogBoxLauncher>(rctDialogBoxLauncher, L"More");
    EXPECT_EQ(Attributes(*launcher),
              (List{L"id=More", L"getKeytip=GetKeyTip_Callback", L"getSupertip=GetSuperTip_Callback",
                    L"getScreentip=GetScreenTip_Callback", L"getEnabled=GetEnabled_Callback",
                    L"onAction=OnActionCommon_Callback", L"getVisible=GetVisible_Callback"}));
    launcher->SetIdMso(L"FontDialog");
    EXPECT_EQ(Attributes(*launcher), (List{L"idMso=FontDialog", L"getVisible=GetVisible_Callback"}));
}

TEST_F(RibbonAttributesTest, EditAndComboBoxes) {
    auto *edit = Add<TzidRibbonEditBox>(rctEditBox, L"Find");
    edit->SetMaxLength(1025); // out of the host's range: not written
    edit->SetSizeString(L"WWWWWW");
    const List editList{L"id=Find",
                        L"sizeString=WWWWWW",
                        L"getKeytip=GetKeyTip_Callback",
                        L"getLabel=GetLabel_Callback",
                        L"getSupertip=GetSuperTip_Callback",
                        L"getScreentip=GetScreenTip_Callback",
                        L"getShowLabel=GetShowLabel_Callback",
                        L"getShowImage=GetShowImage_Callback",
                        L"getEnabled=GetEnabled_Callback",
                        L"getText=GetText_Callback",
                        L"onChange=OnChange_Callback"};
    EXPECT_EQ(Attributes(*edit), Join({editList, {L"getVisible=GetVisible_Callback"}}));
    edit->SetMaxLength(1024);
    EXPECT_EQ(Attributes(*edit)[1], L"maxLength=1024");

    auto *combo = Add<TzidRibbonComboBox>(rctComboBox, L"Find");
    combo->SetSizeString(L"WWWWWW");
    EXPECT_EQ(
        Attributes(*combo),
        Join({editList,
              {L"getItemCount=GetItemCount_Callback", L"getItemID=GetItemID_Callback",
               L"getItemImage=GetItemImage_Callback", L"getItemLabel=GetItemLabel_Callback",
               L"getItemScreentip=GetItemScreenTip_Callback", L"getItemSupertip=GetItemSuperTip_Callback",
               L"invalidateContentOnDrop=true", L"getVisible=GetVisible_Callback"}}));

    combo->SetIdMso(L"FontName");
    combo->SetImageMso(L"Font");
    EXPECT_EQ(combo->GetElementName(), L"control");
    EXPECT_EQ(Attributes(*combo),
              (List{L"idMso=FontName", L"showLabel=true", L"enabled=true", L"imageMso=Font",
                    L"showImage=true", L"getVisible=GetVisible_Callback"}));
}

TEST_F(RibbonAttributesTest, DropDownsAndGalleries) {
    auto *dropDown = Add<TzidRibbonDropDown>(rctDropDown, L"Pick");
    const List items{
        L"getItemCount=GetItemCount_Callback",         L"getItemID=GetItemID_Callback",
        L"getItemImage=GetItemImage_Callback",         L"getItemLabel=GetItemLabel_Callback",
        L"getItemScreentip=GetItemScreenTip_Callback", L"getItemSupertip=GetItemSuperTip_Callback"};
    // Nothing is selected: neither selection callback.
    EXPECT_EQ(Attributes(*dropDown), Join({{L"id=Pick"},
                                           ButtonCallbacks,
                                           items,
                                           {L"onAction=OnActionSelected_Callback", L"showItemLabel=true",
                                            L"getVisible=GetVisible_Callback"}}));
    dropDown->SetSelectedItemId(L"b");
    EXPECT_EQ(Attributes(*dropDown)[14], L"getSelectedItemID=GetSelectedItemId_Callback");
    dropDown->SetSelectedItemIndex(0); // the index wins
    EXPECT_EQ(Attributes(*dropDown)[14], L"getSelectedItemIndex=GetSelectedItemIndex_Callback");
    EXPECT_EQ(Attributes(*dropDown)[15], L"onAction=OnActionSelected_Callback");

    auto *gallery = Add<TzidRibbonGallery>(rctGallery, L"Gallery");
    gallery->SetColumns(3);
    EXPECT_EQ(Attributes(*gallery, 1),
              Join({{L"id=Gallery_zid_context_menu_1"},
                    ButtonCallbacks,
                    {L"showItemLabel=true"},
                    items,
                    {L"onAction=OnActionSelected_Callback", L"columns=3", L"rows=1",
                     L"getItemHeight=GetItemHeight_Callback", L"getItemWidth=GetItemWidth_Callback",
                     L"invalidateContentOnDrop=true", L"getVisible=GetVisible_Callback",
                     L"getSize=GetSize_Callback"}}));
    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    EXPECT_EQ(Attributes(*Add<TzidRibbonGallery>(rctGallery, L"G2", menu->Controls())).back(),
              L"getVisible=GetVisible_Callback");
}

TEST_F(RibbonAttributesTest, Menus) {
    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    const List tail{L"getShowLabel=GetShowLabel_Callback", L"getShowImage=GetShowImage_Callback",
                    L"getEnabled=GetEnabled_Callback",     L"getDescription=GetDescription_Callback",
                    L"getKeytip=GetKeyTip_Callback",       L"getLabel=GetLabel_Callback",
                    L"getSupertip=GetSuperTip_Callback",   L"getScreentip=GetScreenTip_Callback",
                    L"getSize=GetSize_Callback",           L"getVisible=GetVisible_Callback"};
    EXPECT_EQ(menu->GetElementName(), L"menu");
    EXPECT_EQ(Attributes(*menu), Join({{L"id=Menu", L"itemSize=normal"}, tail}));
    menu->SetDynamic(true);
    EXPECT_EQ(menu->GetElementName(), L"dynamicMenu");
    EXPECT_EQ(Attributes(*menu),
              Join({{L"id=Menu", L"getContent=GetContent_Callback", L"invalidateContentOnDrop=true"}, tail}));

    // In a split button the menu's tip is fixed and its size is the split button's.
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Split");
    auto *inSplit = Add<TzidRibbonMenu>(rctMenu, L"Inner", split->Controls());
    inSplit->SetSuperTip(L"Mehr");
    inSplit->SetItemSize(isLarge);
    List inner = Attributes(*inSplit);
    EXPECT_EQ(inner[1], L"itemSize=large");
    EXPECT_EQ(inner[8], L"supertip=Mehr");
    EXPECT_EQ(inner.back(), L"getVisible=GetVisible_Callback");
    EXPECT_EQ(std::count(inner.begin(), inner.end(), L"getSize=GetSize_Callback"), 0);

    menu->SetIdMso(L"MailMergeMenu");
    EXPECT_EQ(menu->GetElementName(), L"control");
    group_->SetIdMso(L"GroupMailMerge");
    EXPECT_EQ(menu->GetElementName(), L"dynamicMenu");
    EXPECT_EQ(Attributes(*menu), List{L"idMso=MailMergeMenu"});
}

TEST_F(RibbonAttributesTest, SplitButtonAndItsInnerButton) {
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Reply");
    EXPECT_EQ(Attributes(*split, 3),
              (List{L"id=Reply_zid_context_menu_3", L"getShowLabel=GetShowLabel_Callback",
                    L"getEnabled=GetEnabled_Callback", L"getKeytip=GetKeyTip_Callback",
                    L"getSize=GetSize_Callback", L"getVisible=GetVisible_Callback"}));
    EXPECT_EQ(ribbontest::Entries(*split->GetInnerButtonAttributes(3)),
              (List{L"id=Replywrapped_zid_context_menu_3", L"getLabel=GetLabel_Callback",
                    L"getSupertip=GetSuperTip_Callback", L"getScreentip=GetScreenTip_Callback",
                    L"getShowImage=GetShowImage_Callback", L"getDescription=GetDescription_Callback",
                    L"onAction=OnActionCommon_Callback"}));
    split->SetToggleButton(true);
    module_->SetNamespace(L"urn:x");
    EXPECT_EQ(ribbontest::Entries(*split->GetInnerButtonAttributes(3)).front(), L"idQ=default:Replywrapped");
    EXPECT_EQ(ribbontest::Entries(*split->GetInnerButtonAttributes(0)).back(),
              L"onAction=OnActionState_Callback");
    EXPECT_EQ(Attributes(*split, 3).front(), L"idQ=default:Reply");
}

TEST_F(RibbonAttributesTest, BoxesButtonGroupsAndItems) {
    auto *box = Add<TzidRibbonBox>(rctBox, L"Box");
    box->SetBoxStyle(bsVertical);
    EXPECT_EQ(Attributes(*box), (List{L"getVisible=GetVisible_Callback", L"id=Box", L"boxStyle=vertical"}));
    auto *buttons = Add<TzidRibbonButtonGroup>(rctButtonGroup, L"Buttons");
    EXPECT_EQ(Attributes(*buttons), (List{L"getVisible=GetVisible_Callback", L"id=Buttons"}));
    module_->SetNamespace(L"urn:x");
    buttons->SetShared(true);
    EXPECT_EQ(Attributes(*buttons), (List{L"idQ=shared:Buttons", L"visible=true"}));
    EXPECT_EQ(Attributes(*box),
              (List{L"getVisible=GetVisible_Callback", L"idQ=default:Box", L"boxStyle=vertical"}));

    TzidRibbonCustomControl *item = Add<TzidRibbonComboBox>(rctComboBox, L"Combo")->Items()->Add();
    item->SetCaption(L"a");
    EXPECT_TRUE(Attributes(*item).empty());
    EXPECT_EQ(item->GetDisplayName(), L"TzidRibbonItem");
}
