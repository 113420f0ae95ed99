// The attribute lists of the customUI elements where they depend on more than the class: built-in
// against custom, the parent, sharing, the namespace's version and the selection. The whole lists
// stand in the documents the schema check validates.
#include "RibbonTestModule.h"

#include <algorithm>

using namespace framework;
using ribbontest::Attributes;

namespace {

using List = std::vector<std::wstring>;

class RibbonAttributesTest : public ribbontest::RibbonGroupTest {};

bool Has(const List &Entries, const std::wstring &Entry) {
    return std::find(Entries.begin(), Entries.end(), Entry) != Entries.end();
}

const std::wstring visible = L"getVisible=GetVisible_Callback", size = L"getSize=GetSize_Callback";

} // namespace

TEST_F(RibbonAttributesTest, TabsAreQualifiedAndASharedOneCarriesFixedValues) {
    tab_->SetInsertBeforeId(L"Other");
    EXPECT_EQ(Attributes(*tab_)[2], L"insertBeforeQ=Other");
    EXPECT_EQ(tab_->GetElementName(), L"tab");
    module_->SetNamespace(L"Tessary.Shared");
    EXPECT_EQ(Attributes(*tab_)[1], L"idQ=default:Tab");
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
    const std::wstring keyTip = L"getKeytip=GetKeyTip_Callback", label = L"getLabel=GetLabel_Callback";
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

TEST_F(RibbonAttributesTest, GroupsPlacementVersionBuiltInAndShared) {
    group_->SetInsertAfterIdMso(L"GroupMailRespond");
    group_->SetInsertBeforeId(L"Ignored"); // one placement only, the built-in first
    group_->SetAutoScale(true);
    const List custom = Attributes(*group_);
    EXPECT_EQ(custom[2], L"insertAfterMso=GroupMailRespond");
    EXPECT_FALSE(Has(custom, L"insertBeforeQ=Ignored"));

    // The layout attributes exist only in the 2009 schema, from version 14 on.
    module_->SetOfficeVersion(14);
    module_->SetCustomUINamespace(zidCustomUINamespace2009);
    List later = Attributes(*group_);
    EXPECT_EQ(later.back(), L"autoScale=true");
    EXPECT_EQ(List(later.begin(), later.end() - 1), custom);
    module_->SetCustomUINamespace(zidCustomUINamespace2006);
    EXPECT_EQ(Attributes(*group_), custom);

    group_->SetIdMso(L"GroupClipboard");
    EXPECT_EQ(Attributes(*group_), (List{visible, L"idMso=GroupClipboard"}));

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
    EXPECT_TRUE(Has(Attributes(*button), L"onAction=OnActionCommon_Callback"));
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
                                       L"getDescription=GetDescription_Callback", size, visible}));
    save->SetCaption(L"Speichern");
    EXPECT_EQ(Attributes(*save)[1], L"label=Speichern");
    save->SetParseMsoXmlTypeAs(pxtControl);
    EXPECT_EQ(save->GetElementName(), L"control");
    EXPECT_EQ(Attributes(*save), (List{L"idMso=FileSave", L"label=Speichern", L"showLabel=true",
                                       L"enabled=true", size, visible}));

    // Inside a built-in group a built-in button is named and nothing else.
    group_->SetIdMso(L"GroupClipboard");
    EXPECT_EQ(Attributes(*save), List{L"idMso=FileSave"});
}

// In a list, a menu or a split button's menu the host sizes the items itself; in a list a toggle is a
// plain button.
TEST_F(RibbonAttributesTest, ControlsInsideOtherControlsHaveNoSize) {
    auto *dropDown = Add<TzidRibbonDropDown>(rctDropDown, L"Pick");
    auto *inList = Add<TzidRibbonButton>(rctButton, L"More", dropDown->Controls());
    inList->SetToggleButton(true);
    EXPECT_EQ(inList->GetElementName(), L"button");
    List listed = Attributes(*inList);
    EXPECT_TRUE(Has(listed, L"onAction=OnActionCommon_Callback"));
    EXPECT_FALSE(Has(listed, L"getPressed=GetPressed_Callback"));

    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Split");
    auto *splitMenu = static_cast<TzidRibbonMenu *>(split->Controls()->Add());
    EXPECT_TRUE(Has(Attributes(*Add<TzidRibbonButton>(rctButton, L"Top")), size));
    EXPECT_TRUE(Has(Attributes(*Add<TzidRibbonGallery>(rctGallery, L"G1")), size));
    const std::vector<TzidRibbonCustomControl *> inner{
        inList, Add<TzidRibbonButton>(rctButton, L"M1", menu->Controls()),
        Add<TzidRibbonButton>(rctButton, L"S1", splitMenu->Controls()),
        Add<TzidRibbonGallery>(rctGallery, L"G2", menu->Controls())};
    for (TzidRibbonCustomControl *control : inner) {
        List entries = Attributes(*control);
        EXPECT_FALSE(Has(entries, size)) << testing::PrintToString(entries[0]);
        EXPECT_EQ(entries.back(), visible);
    }
}

TEST_F(RibbonAttributesTest, BuiltInControlsAreNamedWithFewFixedValues) {
    auto *label = Add<TzidRibbonLabel>(rctLabel, L"Note");
    EXPECT_EQ(label->GetElementName(), L"labelControl");
    label->SetIdMso(L"FontSize");
    EXPECT_EQ(label->GetElementName(), L"control");

    auto *launcher = Add<TzidRibbonDialogBoxLauncher>(rctDialogBoxLauncher, L"More");
    EXPECT_TRUE(Has(Attributes(*launcher), L"onAction=OnActionCommon_Callback"));
    launcher->SetIdMso(L"FontDialog");
    EXPECT_EQ(Attributes(*launcher), (List{L"idMso=FontDialog", visible}));

    auto *combo = Add<TzidRibbonComboBox>(rctComboBox, L"Find");
    combo->SetIdMso(L"FontName");
    combo->SetImageMso(L"Font");
    EXPECT_EQ(combo->GetElementName(), L"control");
    EXPECT_EQ(Attributes(*combo), (List{L"idMso=FontName", L"showLabel=true", L"enabled=true",
                                        L"imageMso=Font", L"showImage=true", visible}));
}

TEST_F(RibbonAttributesTest, SeparatorsArePlacedAndAMenuSeparatorIsTitled) {
    auto *separator = Add<TzidRibbonSeparator>(rctSeparator, L"Sep");
    separator->SetInsertAfterId(L"Zip");
    EXPECT_EQ(Attributes(*separator, 1), (List{L"id=Sep", L"insertAfterQ=Zip"}));
    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    auto *title = Add<TzidRibbonMenuSeparator>(rctMenuSeparator, L"Title", menu->Controls());
    title->SetCaption(L"Optionen");
    EXPECT_EQ(title->GetTitle(), L"Optionen");
    EXPECT_EQ(Attributes(*title, 1), (List{L"id=Title_zid_context_menu_1", L"getTitle=GetTitle_Callback"}));
}

TEST_F(RibbonAttributesTest, AnEditBoxWritesOnlyALengthTheHostTakes) {
    auto *edit = Add<TzidRibbonEditBox>(rctEditBox, L"Find");
    edit->SetMaxLength(1025);
    edit->SetSizeString(L"WWWWWW");
    EXPECT_EQ(Attributes(*edit)[1], L"sizeString=WWWWWW");
    edit->SetMaxLength(1024);
    EXPECT_EQ(Attributes(*edit)[1], L"maxLength=1024");
}

TEST_F(RibbonAttributesTest, ADropDownAsksForTheSelectionOnlyWhenOneIsSet) {
    auto *dropDown = Add<TzidRibbonDropDown>(rctDropDown, L"Pick");
    EXPECT_EQ(Attributes(*dropDown)[14], L"onAction=OnActionSelected_Callback");
    dropDown->SetSelectedItemId(L"b");
    EXPECT_EQ(Attributes(*dropDown)[14], L"getSelectedItemID=GetSelectedItemId_Callback");
    dropDown->SetSelectedItemIndex(0); // the index wins
    EXPECT_EQ(Attributes(*dropDown)[14], L"getSelectedItemIndex=GetSelectedItemIndex_Callback");
    EXPECT_EQ(Attributes(*dropDown)[15], L"onAction=OnActionSelected_Callback");
}

TEST_F(RibbonAttributesTest, MenusDynamicInASplitButtonAndBuiltIn) {
    auto *menu = Add<TzidRibbonMenu>(rctMenu, L"Menu");
    EXPECT_EQ(menu->GetElementName(), L"menu");
    List plain = Attributes(*menu);
    EXPECT_EQ(plain[1], L"itemSize=normal");
    menu->SetDynamic(true);
    EXPECT_EQ(menu->GetElementName(), L"dynamicMenu");
    List dynamic = Attributes(*menu);
    EXPECT_EQ(List(dynamic.begin() + 1, dynamic.begin() + 3),
              (List{L"getContent=GetContent_Callback", L"invalidateContentOnDrop=true"}));
    EXPECT_EQ(List(dynamic.begin() + 3, dynamic.end()), List(plain.begin() + 2, plain.end()));

    // In a split button the menu's tip is fixed and its size is the split button's.
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Split");
    auto *inSplit = Add<TzidRibbonMenu>(rctMenu, L"Inner", split->Controls());
    inSplit->SetSuperTip(L"Mehr");
    inSplit->SetItemSize(isLarge);
    List inner = Attributes(*inSplit);
    EXPECT_EQ(inner[1], L"itemSize=large");
    EXPECT_EQ(inner[8], L"supertip=Mehr");
    EXPECT_EQ(inner.back(), visible);
    EXPECT_FALSE(Has(inner, size));

    menu->SetIdMso(L"MailMergeMenu");
    EXPECT_EQ(menu->GetElementName(), L"control");
    group_->SetIdMso(L"GroupMailMerge");
    EXPECT_EQ(menu->GetElementName(), L"dynamicMenu");
    EXPECT_EQ(Attributes(*menu), List{L"idMso=MailMergeMenu"});
}

TEST_F(RibbonAttributesTest, SplitButtonAndItsInnerButton) {
    auto *split = Add<TzidRibbonSplitButton>(rctSplitButton, L"Reply");
    EXPECT_EQ(Attributes(*split, 3)[0], L"id=Reply_zid_context_menu_3");
    List innerButton = ribbontest::Entries(*split->GetInnerButtonAttributes(3));
    EXPECT_EQ(innerButton.front(), L"id=Replywrapped_zid_context_menu_3");
    EXPECT_EQ(innerButton.back(), L"onAction=OnActionCommon_Callback");
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
    EXPECT_EQ(Attributes(*box), (List{visible, L"id=Box", L"boxStyle=vertical"}));
    auto *buttons = Add<TzidRibbonButtonGroup>(rctButtonGroup, L"Buttons");
    module_->SetNamespace(L"urn:x");
    buttons->SetShared(true);
    EXPECT_EQ(Attributes(*buttons), (List{L"idQ=shared:Buttons", L"visible=true"}));
    EXPECT_EQ(Attributes(*box)[1], L"idQ=default:Box");

    TzidRibbonCustomControl *item = Add<TzidRibbonComboBox>(rctComboBox, L"Combo")->Items()->Add();
    item->SetCaption(L"a");
    EXPECT_TRUE(Attributes(*item).empty());
    EXPECT_EQ(item->GetDisplayName(), L"TzidRibbonItem");
}
