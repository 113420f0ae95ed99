// The attribute lists the Backstage classes write: every class as the form gives it, built-in
// nodes against nodes of the add-in's own, and the values written for ranges, sets and switches.
#include "BackstageFixture.h"

namespace backstagetest {
namespace {

using namespace framework;
using Entries = std::vector<std::wstring>;

Entries Of(const IzidRibbonControlInternal &Node) {
    return Attributes(Node);
}

TEST_F(BackstageTest, TabsAndFastCommandButtonsWriteCallbacksOnlyForNodesOfTheirOwn) {
    EXPECT_EQ(Of(Node(L"bsTabInfo")),
              (Entries{L"id=bsTabInfo", L"getKeytip=GetKeyTip_Callback", L"getLabel=GetLabel_Callback",
                       L"getEnabled=GetEnabled_Callback", L"getTitle=GetTitle_Callback",
                       L"columnWidthPercent=40", L"firstColumnMinWidth=300", L"secondColumnMaxWidth=500",
                       L"getVisible=GetVisible_Callback", L"insertAfterMso=TabInfo"}));
    auto &tab = Add<TzidBackstageTab>(View().Controls(), L"bsBuiltInTab");
    tab.SetIdMso(L"TabInfo");
    tab.SetCaption(L"Info");
    tab.SetVisible(false);
    tab.SetFirstColumnMinWidth(300);
    tab.SetInsertBeforeIdMso(L"TabRecent");
    tab.SetInsertAfterId(L"bsTabInfo"); // one placement only: the built-in ones come first
    EXPECT_EQ(Of(tab),
              (Entries{L"idMso=TabInfo", L"label=Info", L"visible=false", L"insertBeforeMso=TabRecent"}));
    tab.SetTitle(L"Informationen");
    EXPECT_EQ(Of(tab)[2], L"title=Informationen");

    EXPECT_EQ(Of(Node(L"bsFast")),
              (Entries{L"id=bsFast", L"imageMso=FileSave", L"getKeytip=GetKeyTip_Callback",
                       L"getLabel=GetLabel_Callback", L"getEnabled=GetEnabled_Callback",
                       L"onAction=OnActionCommon_Callback", L"isDefinitive=true",
                       L"getVisible=GetVisible_Callback", L"insertAfterMso=FileSaveAs"}));
    EXPECT_EQ(Of(Node(L"FileClose")), (Entries{L"idMso=FileClose", L"label=Schlie\u00dfen", L"visible=true",
                                               L"insertBeforeMso=ApplicationOptionsDialog"}));
}

TEST_F(BackstageTest, TaskListsWriteTheirSizesAndOnlyTaskGroupsArePlaced) {
    auto &forms = Node<TzidBackstageTaskFormGroup>(L"bsForms");
    forms.SetInsertAfterId(L"bsGroup");
    forms.SetInsertBeforeIdMso(L"GroupInformation");
    EXPECT_EQ(Of(forms), (Entries{L"id=bsForms", L"getLabel=GetLabel_Callback",
                                  L"getVisible=GetVisible_Callback", L"getHelperText=GetHelperText_Callback",
                                  L"getShowLabel=GetShowLabel_Callback", L"allowedTaskSizes=small"}));
    forms.SetIdMso(L"GroupTemplates");
    EXPECT_EQ(Of(forms), (Entries{L"idMso=GroupTemplates", L"label=Vorlagen", L"visible=true",
                                  L"showLabel=true", L"allowedTaskSizes=small"}));
    EXPECT_EQ(Of(Node(L"bsTaskGroup")),
              (Entries{L"id=bsTaskGroup", L"getLabel=GetLabel_Callback", L"getVisible=GetVisible_Callback",
                       L"getHelperText=GetHelperText_Callback", L"getShowLabel=GetShowLabel_Callback",
                       L"allowedTaskSizes=largeMedium", L"insertBeforeQ=bsGroup"}));
    EXPECT_EQ(Of(Node(L"GroupTaskTemplates")),
              (Entries{L"idMso=GroupTaskTemplates", L"label=Eingebaut", L"visible=true", L"showLabel=true",
                       L"allowedTaskSizes=largeMediumSmall"}));

    // Every set the setter takes, and its word.
    const std::pair<TzidBackstageAllowedTaskSizes, const wchar_t *> words[] = {
        {{tsSmall, tsMedium, tsLarge}, L"largeMediumSmall"},
        {{tsMedium, tsLarge}, L"largeMedium"},
        {{tsLarge}, L"large"},
        {{tsSmall, tsMedium}, L"mediumSmall"},
        {{tsMedium}, L"medium"},
        {{tsSmall}, L"small"}};
    auto &tasks = Node<TzidBackstageTaskGroup>(L"bsTaskGroup");
    for (const auto &[sizes, word] : words) {
        tasks.SetAllowedTaskSizes(sizes);
        EXPECT_EQ(Of(tasks)[5], std::wstring(L"allowedTaskSizes=") + word);
    }
    EXPECT_STREQ(AllowedTaskSizesWord({tsSmall, tsLarge}), L"small");
    EXPECT_STREQ(AllowedTaskSizesWord({}), L"small");
}

TEST_F(BackstageTest, CategoriesAndTasksWriteTheirImagesAndActions) {
    EXPECT_EQ(Of(Node(L"bsTaskCategory")), (Entries{L"id=bsTaskCategory", L"getLabel=GetLabel_Callback",
                                                    L"getVisible=GetVisible_Callback"}));
    EXPECT_EQ(Of(Node(L"CategoryTemplates")),
              (Entries{L"idMso=CategoryTemplates", L"label=Alle", L"visible=true"}));
    EXPECT_EQ(Of(Node(L"bsFormTask")),
              (Entries{L"id=bsFormTask", L"getImage=GetImage_Callback", L"getEnabled=GetEnabled_Callback",
                       L"getLabel=GetLabel_Callback", L"getVisible=GetVisible_Callback",
                       L"getDescription=GetDescription_Callback", L"getKeytip=GetKeyTip_Callback"}));
    EXPECT_EQ(Of(Node(L"bsTask")),
              (Entries{L"id=bsTask", L"isDefinitive=true", L"imageMso=SendMail",
                       L"getEnabled=GetEnabled_Callback", L"getLabel=GetLabel_Callback",
                       L"getVisible=GetVisible_Callback", L"getDescription=GetDescription_Callback",
                       L"getKeytip=GetKeyTip_Callback", L"onAction=OnActionCommon_Callback"}));
    EXPECT_EQ(Of(Node(L"FileSendAsAttachment")),
              (Entries{L"idMso=FileSendAsAttachment", L"label=Anhang", L"visible=true",
                       L"description=Als Anhang senden"}));
    // A glyph of its own is asked for; it wins over a built-in image.
    classlib::TBitmap glyph;
    glyph.SetSize(2, 2);
    Node(L"bsTask").SetGlyph(&glyph);
    EXPECT_EQ(Of(Node(L"bsTask"))[2], L"getImage=GetImage_Callback");
}

TEST_F(BackstageTest, GroupsAndMenusWriteTheirLists) {
    EXPECT_EQ(Of(Node(L"bsGroup")),
              (Entries{L"id=bsGroup", L"getLabel=GetLabel_Callback", L"getVisible=GetVisible_Callback",
                       L"getStyle=GetStyle_Callback", L"getHelperText=GetHelperText_Callback",
                       L"getShowLabel=GetShowLabel_Callback"}));
    EXPECT_EQ(Of(Node(L"GroupInformation")),
              (Entries{L"idMso=GroupInformation", L"label=Information", L"visible=true", L"style=error",
                       L"helperText=Eingebaut", L"showLabel=true"}));
    EXPECT_EQ(Of(Node(L"bsMenu")),
              (Entries{L"id=bsMenu", L"getEnabled=GetEnabled_Callback", L"getLabel=GetLabel_Callback",
                       L"getVisible=GetVisible_Callback", L"getKeytip=GetKeyTip_Callback",
                       L"getScreentip=GetScreenTip_Callback", L"getSupertip=GetSuperTip_Callback"}));
    EXPECT_EQ(Of(Node(L"bsSubMenu")),
              (Entries{L"id=bsSubMenu", L"getEnabled=GetEnabled_Callback", L"getLabel=GetLabel_Callback",
                       L"getVisible=GetVisible_Callback", L"getKeytip=GetKeyTip_Callback",
                       L"getDescription=GetDescription_Callback"}));
    EXPECT_EQ(Of(Node(L"bsMenuGroup")),
              (Entries{L"id=bsMenuGroup", L"getLabel=GetLabel_Callback", L"itemSize=large"}));
    EXPECT_EQ(Of(Node(L"bsSubGroup")),
              (Entries{L"id=bsSubGroup", L"getLabel=GetLabel_Callback", L"itemSize=normal"}));
}

TEST_F(BackstageTest, ButtonsAndCheckBoxesWriteTheirKinds) {
    const Entries head{L"getEnabled=GetEnabled_Callback", L"getLabel=GetLabel_Callback",
                       L"getVisible=GetVisible_Callback", L"getKeytip=GetKeyTip_Callback"};
    auto with = [](Entries first, const Entries &more) {
        first.insert(first.end(), more.begin(), more.end());
        return first;
    };
    EXPECT_EQ(Of(Node(L"bsMenuButton")),
              with(with({L"id=bsMenuButton", L"isDefinitive=false"}, head),
                   {L"onAction=OnActionCommon_Callback", L"getDescription=GetDescription_Callback"}));
    const Entries tips{L"getSupertip=GetSuperTip_Callback", L"getScreentip=GetScreenTip_Callback"};
    EXPECT_EQ(Of(Node(L"bsPrimary")),
              with(with({L"id=bsPrimary", L"isDefinitive=true"}, head),
                   with({L"imageMso=AttachFile", L"onAction=OnActionCommon_Callback"}, tips)));
    EXPECT_EQ(Of(Node(L"bsGroupButton")), with(with({L"id=bsGroupButton", L"isDefinitive=false"}, head),
                                               with(with({L"onAction=OnActionCommon_Callback"}, tips),
                                                    {L"expand=both", L"style=large"})));
    // As a group's primary item the host takes a plain button: no layout, no style.
    EXPECT_EQ(Of(Node(L"bsFormPrimary")), with(with({L"id=bsFormPrimary", L"isDefinitive=false"}, head),
                                               with({L"onAction=OnActionCommon_Callback"}, tips)));

    const Entries box{L"getPressed=GetPressed_Callback",
                      L"getEnabled=GetEnabled_Callback",
                      L"getLabel=GetLabel_Callback",
                      L"getVisible=GetVisible_Callback",
                      L"getKeytip=GetKeyTip_Callback",
                      L"onAction=OnActionState_Callback",
                      L"getDescription=GetDescription_Callback"};
    EXPECT_EQ(Of(Node(L"bsCheck")), with(with({L"id=bsCheck"}, box), with({L"expand=horizontal"}, tips)));
    EXPECT_EQ(Of(Node(L"bsMenuCheck")), with({L"id=bsMenuCheck"}, box));
    EXPECT_EQ(Of(Node(L"bsMenuToggle")), with(with({L"id=bsMenuToggle"}, box), {L"imageMso=Lock"}));
}

TEST_F(BackstageTest, TextAndChoiceControlsWriteTheirLayoutAndItemCallbacks) {
    const Entries items{L"getItemCount=GetItemCount_Callback", L"getItemID=GetItemID_Callback",
                        L"getItemLabel=GetItemLabel_Callback"};
    Entries edit{L"id=bsEdit",
                 L"maxLength=20",
                 L"sizeString=WWWWWWWW",
                 L"alignLabel=left",
                 L"expand=neither",
                 L"getKeytip=GetKeyTip_Callback",
                 L"getLabel=GetLabel_Callback",
                 L"getEnabled=GetEnabled_Callback",
                 L"getText=GetText_Callback",
                 L"onChange=OnChange_Callback",
                 L"getVisible=GetVisible_Callback"};
    EXPECT_EQ(Of(Node(L"bsEdit")), edit);
    auto &editBox = Node<TzidBackstageEditBox>(L"bsEdit");
    editBox.SetMaxLength(1025);
    edit.erase(edit.begin() + 1);
    EXPECT_EQ(Of(editBox), edit);
    editBox.SetMaxLength(1024);
    EXPECT_EQ(Of(editBox)[1], L"maxLength=1024");
    editBox.SetMaxLength(0);
    EXPECT_EQ(Of(editBox), edit);

    Entries combo{L"id=bsCombo",
                  L"alignLabel=topLeft",
                  L"expand=neither",
                  L"getKeytip=GetKeyTip_Callback",
                  L"getLabel=GetLabel_Callback",
                  L"getEnabled=GetEnabled_Callback",
                  L"getText=GetText_Callback"};
    combo.insert(combo.end(), items.begin(), items.end());
    combo.insert(combo.end(), {L"onChange=OnChange_Callback", L"getVisible=GetVisible_Callback"});
    EXPECT_EQ(Of(Node(L"bsCombo")), combo);

    Entries drop{L"id=bsDrop",
                 L"alignLabel=topLeft",
                 L"expand=vertical",
                 L"getKeytip=GetKeyTip_Callback",
                 L"getLabel=GetLabel_Callback",
                 L"getSupertip=GetSuperTip_Callback",
                 L"getScreentip=GetScreenTip_Callback",
                 L"getEnabled=GetEnabled_Callback",
                 L"getSelectedItemIndex=GetSelectedItemIndex_Callback"};
    drop.insert(drop.end(), items.begin(), items.end());
    drop.insert(drop.end(), {L"onAction=OnActionSelected_Callback", L"getVisible=GetVisible_Callback"});
    EXPECT_EQ(Of(Node(L"bsDrop")), drop);
    Node<TzidBackstageDropDown>(L"bsDrop").SetSizeString(L"MMMM");
    EXPECT_EQ(Of(Node(L"bsDrop")).end()[-2], L"sizeString=MMMM");

    Entries radio{L"id=bsRadio",
                  L"alignLabel=top",
                  L"expand=neither",
                  L"getKeytip=GetKeyTip_Callback",
                  L"getLabel=GetLabel_Callback",
                  L"getEnabled=GetEnabled_Callback",
                  L"getSelectedItemIndex=GetSelectedItemIndex_Callback"};
    radio.insert(radio.end(), items.begin(), items.end());
    radio.insert(radio.end(), {L"onAction=OnActionSelected_Callback", L"getVisible=GetVisible_Callback"});
    EXPECT_EQ(Of(Node(L"bsRadio")), radio);
    EXPECT_TRUE(Of(Node(L"bsRadio0")).empty()) << "items are learned through their list's callbacks";
}

TEST_F(BackstageTest, ContentAndLayoutControlsWriteTheirWords) {
    EXPECT_EQ(
        Of(Node(L"bsLink")),
        (Entries{L"id=bsLink", L"alignLabel=topLeft", L"expand=neither", L"getEnabled=GetEnabled_Callback",
                 L"getLabel=GetLabel_Callback", L"getVisible=GetVisible_Callback",
                 L"getKeytip=GetKeyTip_Callback", L"imageMso=Help", L"getSupertip=GetSuperTip_Callback",
                 L"getScreentip=GetScreenTip_Callback", L"onAction=OnActionCommon_Callback"}));
    EXPECT_EQ(Of(Node(L"bsLabel")), (Entries{L"id=bsLabel", L"alignLabel=bottomRight", L"expand=neither",
                                             L"getEnabled=GetEnabled_Callback", L"getLabel=GetLabel_Callback",
                                             L"getVisible=GetVisible_Callback", L"noWrap=true"}));
    EXPECT_EQ(Of(Node(L"bsBottomLabel")).back(), L"noWrap=false"); // WordWrap True
    EXPECT_EQ(Of(Node(L"bsImage")),
              (Entries{L"id=bsImage", L"getEnabled=GetEnabled_Callback", L"getVisible=GetVisible_Callback",
                       L"getImage=GetImage_Callback", L"getAltText=GetAltText_Callback"}));
    EXPECT_EQ(Of(Node(L"bsLayoutImage"))[3], L"imageMso=HappyFace");
    EXPECT_EQ(Of(Node(L"bsBox")), (Entries{L"id=bsBox", L"expand=neither", L"getLabel=GetLabel_Callback"}));
    EXPECT_EQ(Of(Node(L"bsLayout")),
              (Entries{L"id=bsLayout", L"align=topLeft", L"expand=horizontal", L"layoutChildren=vertical"}));
    EXPECT_EQ(Of(Node(L"bsBoxLayout")),
              (Entries{L"id=bsBoxLayout", L"align=center", L"expand=neither", L"layoutChildren=horizontal"}));
    // Every word of the alignments and expansions.
    auto &layout = Node<TzidBackstageLayoutContainer>(L"bsLayout");
    const wchar_t *aligns[] = {L"topLeft", L"top",        L"topRight", L"left",       L"center",
                               L"right",   L"bottomLeft", L"bottom",   L"bottomRight"};
    for (int i = 0; i < 9; ++i) {
        layout.SetChildrenAlign(static_cast<TzidBackstageContentAlignmentStyle>(i));
        EXPECT_EQ(Of(layout)[1], std::wstring(L"align=") + aligns[i]);
    }
    const wchar_t *expands[] = {L"horizontal", L"vertical", L"both", L"neither"};
    for (int i = 0; i < 4; ++i) {
        layout.SetExpand(static_cast<TzidBackstageControlExpandStyle>(i));
        EXPECT_EQ(Of(layout)[2], std::wstring(L"expand=") + expands[i]);
    }
}

TEST_F(BackstageTest, AModuleNamespaceQualifiesEveryId) {
    Module().SetNamespace(L"Tessary.Shared");
    EXPECT_EQ(Of(Node(L"bsGroup"))[0], L"idQ=default:bsGroup");
    EXPECT_EQ(Of(Node(L"bsSubButton"))[0], L"idQ=default:bsSubButton");
    EXPECT_EQ(Of(Node(L"bsTabInfo"))[0], L"idQ=default:bsTabInfo");
    EXPECT_EQ(Of(Node(L"GroupInformation"))[0], L"idMso=GroupInformation");
}

} // namespace
} // namespace backstagetest
