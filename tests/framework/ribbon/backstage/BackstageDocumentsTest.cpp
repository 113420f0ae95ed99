// The Backstage view in the customUI documents: where and for which hosts and windows it is
// written, the namespace it needs, and that every node stands only where the host's schema takes
// it. Every document is kept for the schema check (framework_ribbon_backstage_schema), which
// validates it with xmllint against the published customUI schema of its namespace.
#include "BackstageFixture.h"

#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonTab.h"
#include "tests/support/TraceRecorder.h"

namespace backstagetest {
namespace {

using namespace framework;

class BackstageDocuments : public BackstageTest {};

// "<depth> <element> <id>" of every start and empty-element tag, in document order.
std::vector<std::wstring> Outline(const std::wstring &Xml) {
    std::vector<std::wstring> outline;
    for (const std::wstring &line : Lines(Xml)) {
        size_t depth = line.find_first_not_of(L'\t');
        if (depth == std::wstring::npos || line.compare(depth, 2, L"</") == 0)
            continue;
        size_t end = line.find_first_of(L" />", depth + 1);
        std::wstring entry = std::to_wstring(depth) + L" " + line.substr(depth + 1, end - depth - 1);
        for (const wchar_t *attribute : {L" id=\"", L" idQ=\"", L" idMso=\""}) {
            size_t at = line.find(attribute);
            if (at != std::wstring::npos) {
                at += wcslen(attribute);
                entry += L" " + line.substr(at, line.find(L'"', at) - at);
                break;
            }
        }
        outline.push_back(entry);
    }
    return outline;
}

// The part of an outline from the entry that holds From, Count entries long.
std::vector<std::wstring> Slice(const std::vector<std::wstring> &Outline, const std::wstring &From,
                                size_t Count) {
    int first = LineWith(Outline, From);
    if (first < 0)
        return {L"no " + From};
    auto begin = Outline.begin() + first;
    return {begin, begin + std::min<size_t>(Count, Outline.end() - begin)};
}

bool Holds(const std::wstring &Xml, const std::wstring &Text) {
    return Xml.find(Text) != std::wstring::npos;
}

const wchar_t *const Namespace2009 = L"xmlns=\"http://schemas.microsoft.com/office/2009/07/customui\"";
const wchar_t *const Namespace2006 = L"xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\"";

TEST_F(BackstageDocuments, Office2010GetsTheViewAfterTheRibbonInThe2009Namespace) {
    // A ribbon tab beside the view: the view follows the ribbon, as the schema orders them.
    auto *tab = classlib::Create<TzidRibbonTab>(&Module());
    tab->SetId(L"ribbonTab");
    tab->SetRibbons({msrWordDocument, msrOutlookExplorer});
    tab->Controls()->Add()->SetId(L"ribbonGroup");
    for (const wchar_t *ribbonId : {L"Microsoft.Outlook.Explorer", L"Microsoft.Word.Document"}) {
        const std::wstring xml = Document(ribbonId);
        std::vector<std::wstring> lines = Lines(xml);
        EXPECT_TRUE(Holds(lines[0], Namespace2009)) << classlib::WideToUtf8(lines[0]);
        const int ribbonEnd = LineWith(lines, L"</ribbon>");
        const int backstage = LineWith(lines, L"<backstage");
        ASSERT_GT(ribbonEnd, 0);
        EXPECT_EQ(backstage, ribbonEnd + 1);
        EXPECT_EQ(lines[backstage],
                  L"\t<backstage onShow=\"OnBackstageShow_Callback\" onHide=\"OnBackstageHide_Callback\">");
        EXPECT_EQ(lines.end()[-2], L"\t</backstage>");
        EXPECT_EQ(lines.back(), L"</customUI>");

        const std::vector<std::wstring> outline = Outline(xml);
        EXPECT_EQ(Slice(outline, L" backstage", 6),
                  (std::vector<std::wstring>{L"1 backstage", L"2 tab bsTabInfo", L"3 firstColumn",
                                             L"4 group bsGroup", L"5 primaryItem", L"6 button bsPrimary"}));
        // Every class in every section is the last test's; here, the nesting of the form's tree.
        EXPECT_EQ(
            Slice(outline, L"taskGroup bsTaskGroup", 5),
            (std::vector<std::wstring>{L"4 taskGroup bsTaskGroup", L"5 category bsTaskCategory",
                                       L"6 task bsTask", L"6 task FileSendAsAttachment", L"3 secondColumn"}));
        EXPECT_EQ(Slice(outline, L"group bsGroupMenus", 10),
                  (std::vector<std::wstring>{
                      L"4 group bsGroupMenus", L"5 primaryItem", L"6 menu bsMenu", L"7 menuGroup bsMenuGroup",
                      L"8 button bsMenuButton", L"8 checkBox bsMenuCheck", L"8 toggleButton bsMenuToggle",
                      L"8 menu bsSubMenu", L"9 menuGroup bsSubGroup", L"10 button bsSubButton"}));
        EXPECT_EQ(
            Slice(outline, L"tab bsTabForms", 13),
            (std::vector<std::wstring>{L"2 tab bsTabForms", L"3 firstColumn", L"4 taskFormGroup bsForms",
                                       L"5 category bsFormCategory", L"6 task bsFormTask",
                                       L"7 group bsFormGroup", L"8 primaryItem", L"9 button bsFormPrimary",
                                       L"8 topItems", L"9 labelControl bsFormLabel", L"8 bottomItems",
                                       L"9 hyperlink bsFormLink", L"3 secondColumn"}));
        EXPECT_EQ(
            Slice(outline, L"taskGroup GroupTaskTemplates", 4),
            (std::vector<std::wstring>{L"4 taskGroup GroupTaskTemplates", L"5 category CategoryTemplates",
                                       L"2 button bsFast", L"2 button FileClose"}));
        // A group without sections is still written with an end tag, as the ribbon's writer does.
        EXPECT_NE(LineWith(lines, L"<group idMso=\"GroupInformation\" label=\"Information\" visible=\"true\" "
                                  L"style=\"error\" helperText=\"Eingebaut\" showLabel=\"true\">"),
                  -1);
        // Items are never elements: the host asks the list's item callbacks.
        EXPECT_EQ(LineWith(lines, L"bsDrop0"), -1);
    }
}

TEST_F(BackstageDocuments, HostsBefore2010AndOtherWindowsGetNoView) {
    for (const auto &[ribbonId, version] : {std::pair<const wchar_t *, int>{L"Microsoft.Word.Document", 12},
                                            {L"Microsoft.Outlook.Mail.Read", 12},
                                            {L"Microsoft.Outlook.Mail.Read", 14},
                                            {L"Microsoft.Excel.Workbook", 14}}) {
        const std::wstring xml = Document(ribbonId, version);
        EXPECT_FALSE(Holds(xml, L"backstage")) << classlib::WideToUtf8(xml);
        EXPECT_TRUE(Holds(Lines(xml)[0], Namespace2006)) << classlib::WideToUtf8(ribbonId);
        EXPECT_EQ(Lines(xml).size(), 2u);
    }
    // The view's kinds decide for the whole view.
    View().SetRibbons({msrOutlookMailRead});
    EXPECT_TRUE(Holds(Document(L"Microsoft.Outlook.Mail.Read"), L"<backstage"));
    EXPECT_FALSE(Holds(Document(L"Microsoft.Outlook.Explorer"), L"<backstage"));
}

TEST_F(BackstageDocuments, AViewWithNothingForTheWindowIsAnEmptyElement) {
    Node(L"bsTabInfo").SetRibbons({msrWordDocument});
    Node(L"bsTabForms").SetRibbons({msrWordDocument});
    Node(L"bsFast").SetRibbons({msrWordDocument});
    Node(L"FileClose").SetRibbons({msrWordDocument});
    EXPECT_EQ(Lines(Document(L"Microsoft.Outlook.Explorer")).at(1),
              L"\t<backstage onShow=\"OnBackstageShow_Callback\" onHide=\"OnBackstageHide_Callback\" />");
    while (View().Controls()->Count() > 0)
        delete View().Controls()->Items(0);
    EXPECT_EQ(Lines(Document(L"Microsoft.Word.Document")).size(), 3u);
}

TEST_F(BackstageDocuments, ANodeStandsOnlyWhereTheHostTakesIt) {
    auto &tab = Add<TzidBackstageTab>(View().Controls(), L"mTab");
    // The first column: a group first keeps the task form group out; the second takes no task form group.
    auto &group = Add<TzidBackstageGroup>(tab.FirstColumn(), L"mGroup");
    Add<TzidBackstageTaskFormGroup>(tab.FirstColumn(), L"mFormsAfterGroup");
    Add<TzidBackstageTaskGroup>(tab.FirstColumn(), L"mTasks");
    Add<TzidBackstageRegularButton>(tab.FirstColumn(), L"mButtonInColumn");
    Add<TzidBackstageTaskFormGroup>(tab.SecondColumn(), L"mFormsInSecond");
    Add<TzidBackstageGroup>(tab.SecondColumn(), L"mSecondGroup");
    // A primary item is a button or a primary menu; a group button there loses its layout.
    Add<TzidBackstageGroupButton>(group.PrimaryItem(), L"mPrimaryGroupButton").SetStyle(gbsLarge);
    // The group controls take none of the menu's classes, nor the ribbon's.
    for (const auto &[code, id] : std::initializer_list<std::pair<TzidRibbonControlType, const wchar_t *>>{
             {rctBackstageMenuButton, L"mMenuButton"},
             {rctBackstagePrimaryMenu, L"mPrimaryMenu"},
             {rctBackstageMenuToggleButton, L"mToggle"},
             {rctBackstageMenuCheckBox, L"mMenuCheck"},
             {rctBackstageFastCommandButton, L"mFast"},
             {rctButton, L"mRibbonButton"},
             {rctBackstageHyperlink, L"mLink"}})
        group.TopItems()->AddControl(code)->SetId(id);
    auto &box = Add<TzidBackstageGroupBox>(group.BottomItems(), L"mBox");
    Add<TzidBackstageSubMenu>(box.Controls(), L"mSubInBox");
    Add<TzidBackstageLabelControl>(box.Controls(), L"mLabelInBox");
    // Menus hold menu groups; menu groups hold the menu's controls only.
    auto &second = Node<TzidBackstageGroup>(L"mSecondGroup");
    auto &menu = Add<TzidBackstagePrimaryMenu>(second.PrimaryItem(), L"mMenu");
    auto &menuGroup = *dynamic_cast<TzidBackstageMenuGroup *>(menu.Controls()->Add());
    menuGroup.SetId(L"mMenuGroup");
    Add<TzidBackstageRegularButton>(menuGroup.Controls(), L"mRegularInMenu");
    Add<TzidBackstageCheckBox>(menuGroup.Controls(), L"mCheckInMenu");
    Add<TzidBackstageMenuButton>(menuGroup.Controls(), L"mMenuButtonInMenu");
    // A task list's collections made by code take only their own classes.
    auto &tasks = Node<TzidBackstageTaskGroup>(L"mTasks");
    auto &category = *tasks.Controls()->Add();
    category.SetId(L"mCategory");
    Add<TzidBackstageTaskFormGroupTask>(category.GetControls(), L"mFormTaskInList");
    Add<TzidBackstageTaskGroupTask>(category.GetControls(), L"mTask");

    const std::wstring xml = Document(L"Microsoft.Outlook.Explorer");
    for (const wchar_t *written :
         {L"mGroup", L"mTasks", L"mSecondGroup", L"mPrimaryGroupButton", L"mLink", L"mBox", L"mLabelInBox",
          L"mMenu", L"mMenuGroup", L"mMenuButtonInMenu", L"mCategory", L"mTask"})
        EXPECT_TRUE(Holds(xml, L"\"" + std::wstring(written) + L"\"")) << classlib::WideToUtf8(written);
    for (const wchar_t *left : {L"mFormsAfterGroup", L"mButtonInColumn", L"mFormsInSecond", L"mMenuButton\"",
                                L"mPrimaryMenu", L"mToggle", L"mMenuCheck", L"mFast", L"mRibbonButton",
                                L"mSubInBox", L"mRegularInMenu", L"mCheckInMenu", L"mFormTaskInList"})
        EXPECT_FALSE(Holds(xml, L"\"" + std::wstring(left))) << classlib::WideToUtf8(left);
    const std::vector<std::wstring> lines = Lines(xml);
    const std::wstring primary = lines.at(LineWith(lines, L"mPrimaryGroupButton"));
    EXPECT_FALSE(Holds(primary, L"style=") || Holds(primary, L"expand=")) << classlib::WideToUtf8(primary);
    EXPECT_EQ(Outline(xml).at(LineWith(Outline(xml), L"mPrimaryGroupButton") - 1), L"5 primaryItem");

    // A task form group first fills the first column alone.
    auto &formsFirst = Add<TzidBackstageTab>(View().Controls(), L"mFormsTab");
    Add<TzidBackstageTaskFormGroup>(formsFirst.FirstColumn(), L"mFormsFirst");
    Add<TzidBackstageGroup>(formsFirst.FirstColumn(), L"mGroupAfterForms");
    Add<TzidBackstageTaskFormGroup>(formsFirst.FirstColumn(), L"mSecondForms");
    const std::wstring again = Document(L"Microsoft.Outlook.Explorer");
    EXPECT_TRUE(Holds(again, L"\"mFormsFirst\""));
    EXPECT_FALSE(Holds(again, L"\"mGroupAfterForms\"") || Holds(again, L"\"mSecondForms\""));
}

// The ribbon's collections take Backstage classes too, but the "ribbon" part of the document has no
// place for them: they are left out (traced) and the ribbon around them is written.
TEST_F(BackstageDocuments, BackstageNodesInTheRibbonsCollectionsAreLeftOut) {
    auto *tab = classlib::Create<TzidRibbonTab>(&Module());
    tab->SetId(L"ribbonTab");
    tab->SetRibbons({msrOutlookExplorer});
    auto &group = Add<TzidRibbonGroup>(tab->Controls(), L"ribbonGroup");
    Add<TzidBackstageGroup>(tab->Controls(), L"misplacedGroupInTab");
    Add<TzidBackstageRegularButton>(group.Controls(), L"misplacedButtonInGroup");
    Add<TzidRibbonGroup>(group.Controls(), L"misplacedGroupInGroup");
    auto &menu = Add<TzidRibbonMenu>(group.Controls(), L"ribbonMenu");
    Add<TzidRibbonButton>(menu.Controls(), L"ribbonMenuButton");
    Add<TzidBackstageMenuButton>(menu.Controls(), L"misplacedMenuButton");
    testsupport::TTraceRecorder trace;

    const std::wstring xml = Document(L"Microsoft.Outlook.Explorer");
    for (const wchar_t *written : {L"ribbonGroup", L"ribbonMenu", L"ribbonMenuButton"})
        EXPECT_TRUE(Holds(xml, L"\"" + std::wstring(written) + L"\"")) << classlib::WideToUtf8(written);
    EXPECT_FALSE(Holds(xml, L"misplaced")) << "a node with no place in the ribbon was written";
    for (const wchar_t *left : {L"misplacedGroupInTab", L"misplacedButtonInGroup", L"misplacedGroupInGroup",
                                L"misplacedMenuButton"})
        EXPECT_EQ(trace.Count({left, L"left out"}), 1) << classlib::WideToUtf8(left);
}

TEST_F(BackstageDocuments, SectionsWithNothingForTheWindowAreLeftOut) {
    auto &tab = Add<TzidBackstageTab>(View().Controls(), L"eTab");
    auto &group = Add<TzidBackstageGroup>(tab.FirstColumn(), L"eGroup");
    Add<TzidBackstageRegularButton>(group.PrimaryItem(), L"ePrimary").SetRibbons({msrWordDocument});
    Add<TzidBackstageLabelControl>(group.TopItems(), L"eTop").SetRibbons({msrWordDocument});
    Add<TzidBackstageLabelControl>(group.BottomItems(), L"eBottom");
    auto &box = Add<TzidBackstageGroupBox>(group.BottomItems(), L"eBox");
    Add<TzidBackstageCheckBox>(box.Controls(), L"eInBox").SetRibbons({msrWordDocument});
    auto &empty = Add<TzidBackstageTab>(View().Controls(), L"eEmptyTab");
    Add<TzidBackstageGroup>(empty.SecondColumn(), L"eWordGroup").SetRibbons({msrWordDocument});

    const std::vector<std::wstring> outline = Outline(Document(L"Microsoft.Outlook.Explorer"));
    EXPECT_EQ(Slice(outline, L"tab eTab", 7),
              (std::vector<std::wstring>{L"2 tab eTab", L"3 firstColumn", L"4 group eGroup", L"5 bottomItems",
                                         L"6 labelControl eBottom", L"6 groupBox eBox", L"2 tab eEmptyTab"}));
    const std::vector<std::wstring> word = Outline(Document(L"Microsoft.Word.Document"));
    EXPECT_EQ(Slice(word, L"tab eTab", 12),
              (std::vector<std::wstring>{L"2 tab eTab", L"3 firstColumn", L"4 group eGroup", L"5 primaryItem",
                                         L"6 button ePrimary", L"5 topItems", L"6 labelControl eTop",
                                         L"5 bottomItems", L"6 labelControl eBottom", L"6 groupBox eBox",
                                         L"7 checkBox eInBox", L"2 tab eEmptyTab"}));
}

TEST_F(BackstageDocuments, EveryClassInEveryContainerThatTakesItIsWritten) {
    auto &tab = Add<TzidBackstageTab>(View().Controls(), L"aTab");
    auto &group = Add<TzidBackstageGroup>(tab.SecondColumn(), L"aGroup");
    auto &box = Add<TzidBackstageGroupBox>(group.BottomItems(), L"aBox");
    auto &layout = Add<TzidBackstageLayoutContainer>(group.TopItems(), L"aLayout");
    std::vector<std::wstring> ids;
    int n = 0;
    for (TzidRibbonControls *container :
         {group.TopItems(), group.BottomItems(), box.Controls(), layout.Controls()})
        for (int code = rctBackstageRegularButton; code <= rctBackstageLayoutContainer; ++code) {
            TzidRibbonCustomControl *control =
                container->AddControl(static_cast<TzidRibbonControlType>(code));
            ids.push_back(L"a" + std::to_wstring(++n));
            control->SetId(ids.back());
            if (TzidRibbonControls *items = control->GetItems())
                items->Add()->SetId(ids.back() + L"item");
        }
    auto &primary = Add<TzidBackstageGroup>(tab.SecondColumn(), L"aPrimaryGroup");
    auto &menu = Add<TzidBackstagePrimaryMenu>(primary.PrimaryItem(), L"aMenu");
    auto *menuGroup = menu.Controls()->Add();
    menuGroup->SetId(L"aMenuGroup");
    for (int code : {rctBackstageSubMenu, rctBackstageMenuButton, rctBackstageMenuCheckBox,
                     rctBackstageMenuToggleButton}) {
        ids.push_back(L"a" + std::to_wstring(++n));
        menuGroup->GetControls()->AddControl(static_cast<TzidRibbonControlType>(code))->SetId(ids.back());
    }
    auto &fast = Add<TzidBackstageFastCommandButton>(View().Controls(), L"aFast");
    fast.SetIsDefinitive(true);

    Module().SetNamespace(L"Tessary.Shared");
    const std::wstring xml = Document(L"Microsoft.Word.Document");
    EXPECT_TRUE(Holds(Lines(xml)[0], L"xmlns:default=\"TessaryBackstageTest.BackstageTestAddIn\""));
    for (const std::wstring &id : ids)
        EXPECT_TRUE(Holds(xml, L"idQ=\"default:" + id + L"\"")) << classlib::WideToUtf8(id);
    EXPECT_TRUE(Holds(xml, L"idQ=\"default:aFast\""));
}

} // namespace
} // namespace backstagetest
