// The attribute lists the Backstage classes write where they depend on more than the class: built-in
// nodes against nodes of the add-in's own, placement, the parent, and values out of range. The whole
// lists stand in the documents the schema check validates.
#include "BackstageFixture.h"

#include <algorithm>

namespace backstagetest {
namespace {

using namespace framework;
using Entries = std::vector<std::wstring>;

Entries Of(const IzidRibbonControlInternal &Node) {
    return Attributes(Node);
}

bool Has(const Entries &List, const std::wstring &Entry) {
    return std::find(List.begin(), List.end(), Entry) != List.end();
}

bool AnyCallback(const Entries &List) {
    return std::any_of(List.begin(), List.end(),
                       [](const std::wstring &e) { return e.find(L"_Callback") != std::wstring::npos; });
}

// A node of the add-in's own is asked for its texts; a built-in one is written with fixed values.
TEST_F(BackstageTest, OwnNodesWriteCallbacksAndBuiltInOnesTheirValues) {
    const std::pair<const wchar_t *, const wchar_t *> pairs[] = {
        {L"bsTabInfo", L"FileClose"},         {L"bsFast", L"FileClose"},
        {L"bsForms", L"GroupTaskTemplates"},  {L"bsTaskCategory", L"CategoryTemplates"},
        {L"bsTask", L"FileSendAsAttachment"}, {L"bsGroup", L"GroupInformation"}};
    for (const auto &[own, builtIn] : pairs) {
        Entries mine = Of(Node(own)), theirs = Of(Node(builtIn));
        EXPECT_EQ(mine[0], std::wstring(L"id=") + own);
        EXPECT_TRUE(Has(mine, L"getLabel=GetLabel_Callback")) << own;
        EXPECT_EQ(theirs[0], std::wstring(L"idMso=") + builtIn);
        EXPECT_FALSE(AnyCallback(theirs)) << classlib::WideToUtf8(builtIn);
        EXPECT_TRUE(Has(theirs, L"visible=true")) << classlib::WideToUtf8(builtIn);
    }
    EXPECT_EQ(Of(Node(L"GroupInformation")),
              (Entries{L"idMso=GroupInformation", L"label=Information", L"visible=true", L"style=error",
                       L"helperText=Eingebaut", L"showLabel=true"}));

    // A built-in tab takes one placement, the built-in ones first.
    auto &tab = Add<TzidBackstageTab>(View().Controls(), L"bsBuiltInTab");
    tab.SetIdMso(L"TabInfo");
    tab.SetCaption(L"Info");
    tab.SetVisible(false);
    tab.SetFirstColumnMinWidth(300);
    tab.SetInsertBeforeIdMso(L"TabRecent");
    tab.SetInsertAfterId(L"bsTabInfo");
    EXPECT_EQ(Of(tab),
              (Entries{L"idMso=TabInfo", L"label=Info", L"visible=false", L"insertBeforeMso=TabRecent"}));
    tab.SetTitle(L"Informationen");
    EXPECT_EQ(Of(tab)[2], L"title=Informationen");
}

TEST_F(BackstageTest, OnlyTaskGroupsArePlacedAndASizeSetWithoutAWordIsSmall) {
    auto &forms = Node<TzidBackstageTaskFormGroup>(L"bsForms");
    forms.SetInsertAfterId(L"bsGroup");
    forms.SetInsertBeforeIdMso(L"GroupInformation");
    EXPECT_EQ(Of(forms).back(), L"allowedTaskSizes=small");
    EXPECT_EQ(Of(Node(L"bsTaskGroup")).back(), L"insertBeforeQ=bsGroup");

    auto &tasks = Node<TzidBackstageTaskGroup>(L"bsTaskGroup");
    tasks.SetAllowedTaskSizes({tsMedium, tsLarge});
    EXPECT_EQ(Of(tasks)[5], L"allowedTaskSizes=largeMedium");
    EXPECT_STREQ(AllowedTaskSizesWord({tsSmall, tsLarge}), L"small");
    EXPECT_STREQ(AllowedTaskSizesWord({}), L"small");
}

TEST_F(BackstageTest, AGlyphOfItsOwnWinsOverABuiltInImage) {
    EXPECT_EQ(Of(Node(L"bsTask"))[2], L"imageMso=SendMail");
    classlib::TBitmap glyph;
    glyph.SetSize(2, 2);
    Node(L"bsTask").SetGlyph(&glyph);
    EXPECT_EQ(Of(Node(L"bsTask"))[2], L"getImage=GetImage_Callback");
    EXPECT_TRUE(Has(Of(Node(L"bsFormTask")), L"getImage=GetImage_Callback"));
}

// As a group's primary item the host takes a plain button: no layout, no style.
TEST_F(BackstageTest, AButtonInAGroupIsLaidOutButNotAsThePrimaryItem) {
    Entries inGroup = Of(Node(L"bsGroupButton")), primary = Of(Node(L"bsFormPrimary"));
    EXPECT_EQ((Entries{inGroup.end() - 2, inGroup.end()}), (Entries{L"expand=both", L"style=large"}));
    EXPECT_EQ(primary.size(), inGroup.size() - 2);
    EXPECT_FALSE(Has(primary, L"expand=both") || Has(primary, L"style=large"));
    EXPECT_TRUE(Has(Of(Node(L"bsCheck")), L"expand=horizontal"));
    EXPECT_FALSE(Has(Of(Node(L"bsMenuCheck")), L"expand=horizontal")) << "a menu lays out its items";
}

TEST_F(BackstageTest, TextControlsWriteOnlyLengthsAndSizesTheHostTakes) {
    auto &edit = Node<TzidBackstageEditBox>(L"bsEdit");
    EXPECT_EQ(Of(edit)[1], L"maxLength=20");
    edit.SetMaxLength(1024);
    EXPECT_EQ(Of(edit)[1], L"maxLength=1024");
    for (int outside : {1025, 0}) {
        edit.SetMaxLength(outside);
        EXPECT_EQ(Of(edit)[1], L"sizeString=WWWWWWWW") << outside;
    }
    EXPECT_FALSE(Has(Of(Node(L"bsDrop")), L"sizeString=MMMM"));
    Node<TzidBackstageDropDown>(L"bsDrop").SetSizeString(L"MMMM");
    EXPECT_EQ(Of(Node(L"bsDrop")).end()[-2], L"sizeString=MMMM");
    EXPECT_TRUE(Of(Node(L"bsRadio0")).empty()) << "items are learned through their list's callbacks";
    EXPECT_EQ(Of(Node(L"bsLabel")).back(), L"noWrap=true");
    EXPECT_EQ(Of(Node(L"bsBottomLabel")).back(), L"noWrap=false"); // WordWrap True
}

} // namespace
} // namespace backstagetest
