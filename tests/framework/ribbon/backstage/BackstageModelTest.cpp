// The Backstage model's own rules: the view at the top (one per module, tabs and fast command
// buttons only), what the controls below it find through it, the id list, the setters' ranges and the
// items. Actions, image lists, copies and full collections run the ribbon's own code: the ribbon
// model's tests hold them.
#include "BackstageFixture.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"

#include "ErrorOf.h"

namespace backstagetest {
namespace {

using namespace framework;
using testsupport::ErrorOf;

int IdEntries(TzidCOMAddInModule &Module, const classlib::TObject *Object) {
    int count = 0;
    for (int i = 0; i < Module.RibbonIds().Count(); ++i)
        count += Module.RibbonIds().Objects(i) == Object ? 1 : 0;
    return count;
}

TEST_F(BackstageTest, AModuleHoldsOneViewThatTakesTabsAndFastCommandButtonsOnly) {
    TzidBackstage &view = View();
    std::wstring message;
    EXPECT_EQ(ErrorOf([&] { new TzidBackstage(&Module()); }, &message), 31119);
    EXPECT_EQ(message, L"There can be only one instance of TzidBackstage in the TBackstageTestModule!");
    EXPECT_EQ(Module().Backstage(), &view);
    classlib::TComponent stranger(nullptr);
    EXPECT_EQ(ErrorOf([&] { new TzidBackstage(&stranger); }), 31112);
    EXPECT_EQ(stranger.ComponentCount(), 0);

    const int count = view.Controls()->Count();
    EXPECT_EQ(ErrorOf([&] { view.Controls()->AddControl(rctBackstageGroup); }, &message), 31112);
    EXPECT_EQ(message, L"The TzidBackstageGroup class cannot be contained in the TzidBackstage class.");
    EXPECT_EQ(ErrorOf([&] { view.Controls()->AddControl(rctButton); }), 31112);
    EXPECT_EQ(view.Controls()->Count(), count);

    // The module's view goes with the module's components, and the module forgets it.
    classlib::Free(&view);
    EXPECT_EQ(Module().Backstage(), nullptr);
    EXPECT_EQ(Module().FindRibbonObject(L"bsGroup"), nullptr);
    auto *again = new TzidBackstage(&Module());
    EXPECT_EQ(Module().Backstage(), again);
}

TEST_F(BackstageTest, ControlsBelowTheViewFindTheModuleAndStartWithTheViewsKinds) {
    TzidBackstage &view = View();
    view.SetRibbons({msrWordDocument});
    EXPECT_TRUE(view.Ribbons2010().Empty()); // the explorer went in both sets
    auto &tab = Add<TzidBackstageTab>(view.Controls(), L"bsNewTab");
    auto &group = Add<TzidBackstageGroup>(tab.FirstColumn(), L"bsNewGroup");
    auto &link = Add<TzidBackstageHyperlink>(group.TopItems(), L"bsNewLink");
    EXPECT_EQ(link.Module(), &Module());
    EXPECT_EQ(link.GetOwnerRoot(), &view);
    EXPECT_EQ(link.GetOwnerTab(), nullptr);
    EXPECT_EQ(link.Ribbons(), TzidRibbons{msrWordDocument});
    EXPECT_EQ(Module().FindRibbonObject(L"bsNewLink"), &link);

    // The view passes its kinds down through the tabs' columns and the groups' sections.
    view.SetRibbons({msrOutlookExplorer});
    for (TzidRibbonCustomControl *node : std::initializer_list<TzidRibbonCustomControl *>{
             &tab, &group, &link, &Node(L"bsPrimary"), &Node(L"bsBoxLayoutLabel"), &Node(L"bsFormLink"),
             &Node(L"bsSubButton"), &Node(L"bsDrop2")}) {
        EXPECT_EQ(node->Ribbons(), TzidRibbons{msrOutlookExplorer}) << classlib::WideToUtf8(node->Id());
        EXPECT_EQ(node->Ribbons2010(), TzidRibbons2010{msrOutlookExplorer2010})
            << classlib::WideToUtf8(node->Id());
    }
}

TEST_F(BackstageTest, EveryControlIsInTheIdListOnceUntilItGoes) {
    auto &group = Node<TzidBackstageGroup>(L"bsGroup");
    auto &menuGroup = Node<TzidBackstageMenuGroup>(L"bsMenuGroup");
    auto &toggle = Add<TzidBackstageMenuToggleButton>(menuGroup.Controls(), L"bsNewToggle");
    auto &button = Add<TzidBackstageGroupButton>(group.TopItems(), L"bsNewButton");
    auto &check = Add<TzidBackstageMenuCheckBox>(menuGroup.Controls(), L"bsNewCheck");
    auto &regular = Add<TzidBackstageRegularButton>(group.BottomItems(), L"bsNewRegular");
    for (TzidRibbonCustomControl *control :
         std::initializer_list<TzidRibbonCustomControl *>{&toggle, &button, &check, &regular})
        EXPECT_EQ(IdEntries(Module(), control), 1) << classlib::WideToUtf8(control->ClassName());
    EXPECT_EQ(Module().FindRibbonObject(L"bsNewToggle"), &toggle);

    const int before = Module().RibbonIds().Count();
    delete &toggle;
    delete &button;
    EXPECT_EQ(Module().RibbonIds().Count(), before - 2);
    // A tab going takes its whole subtree out of the list.
    classlib::TObject *tab = Module().FindRibbonObject(L"bsTabInfo");
    delete static_cast<TzidBackstageTab *>(tab);
    EXPECT_EQ(Module().FindRibbonObject(L"bsSubButton"), nullptr);
    EXPECT_EQ(Module().FindRibbonObject(L"bsDrop1"), nullptr);
    EXPECT_NE(Module().FindRibbonObject(L"bsFormLink"), nullptr);
}

TEST_F(BackstageTest, SettersKeepTheirRanges) {
    auto &tab = Node<TzidBackstageTab>(L"bsTabInfo");
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    tab.SetColumnWidthPercent(100);
    tab.SetColumnWidthPercent(-1);
    EXPECT_EQ(tab.ColumnWidthPercent(), 40);
    tab.SetColumnWidthPercent(99);
    EXPECT_EQ(tab.ColumnWidthPercent(), 99);
    tab.SetColumnWidthPercent(0);
    EXPECT_EQ(tab.ColumnWidthPercent(), 0);
    tab.SetFirstColumnMinWidth(10001);
    EXPECT_EQ(tab.FirstColumnMinWidth(), 300);
    tab.SetSecondColumnMaxWidth(10000);
    EXPECT_EQ(tab.SecondColumnMaxWidth(), 10000);
    tab.SetSecondColumnMinWidth(-5);
    EXPECT_EQ(tab.SecondColumnMinWidth(), 0);

    auto &tasks = Node<TzidBackstageTaskGroup>(L"bsTaskGroup");
    tasks.SetAllowedTaskSizes({tsSmall, tsLarge});
    tasks.SetAllowedTaskSizes({});
    EXPECT_EQ(tasks.AllowedTaskSizes(), (TzidBackstageAllowedTaskSizes{tsMedium, tsLarge}));
    tasks.SetAllowedTaskSizes({tsSmall});
    EXPECT_EQ(tasks.AllowedTaskSizes(), TzidBackstageAllowedTaskSizes{tsSmall});
    EXPECT_TRUE(ribbon.Requests().empty()) << "ranges and sizes are written into the document, not asked";

    // The group's style is asked through a callback: a change makes the host ask again, once.
    auto &group = Node<TzidBackstageGroup>(L"bsGroup");
    group.SetStyle(gsError);
    group.SetStyle(gsError);
    EXPECT_EQ(group.GetStyleText(), L"2");
    EXPECT_EQ(ribbon.Requests(), std::vector<std::wstring>{L"InvalidateControl('bsGroup')"});
}

TEST_F(BackstageTest, ItemsBelongToTheirListAndNameThemselvesByIt) {
    EXPECT_EQ(Node(L"bsRadio1").GetElementName(), L"radioButton");
    EXPECT_EQ(Node(L"bsDrop1").GetElementName(), L"item");
    EXPECT_EQ(Node(L"bsCombo1").GetElementName(), L"item");
    EXPECT_EQ(Node(L"bsDrop1").GetDisplayName(), L"TzidBackstageItem");
    EXPECT_EQ(Node<TzidBackstageDropDown>(L"bsDrop").Items()->AddControl(rctBackstageItem), nullptr);

    // A change of the items or of an item's label makes the host ask the list again.
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();
    auto &drop = Node<TzidBackstageDropDown>(L"bsDrop");
    drop.Items()->Add()->SetId(L"bsDrop3");
    Node(L"bsRadio0").SetCaption(L"Jede f\u00fcr sich");
    EXPECT_EQ(ribbon.Requests(),
              (std::vector<std::wstring>{L"InvalidateControl('bsDrop')", L"InvalidateControl('bsRadio0')",
                                         L"InvalidateControl('bsRadio')"}));

    // Items copied into another list become items of that list, in order.
    auto &radio = Node<TzidBackstageRadioGroup>(L"bsRadio");
    radio.SetItems(drop.Items());
    ASSERT_EQ(radio.Items()->Count(), 4);
    EXPECT_EQ(radio.Items()->Items(2)->Caption(), L"Gro\u00df");
    EXPECT_EQ(radio.Items()->Items(2)->ClassName(), L"TzidBackstageItem");
    EXPECT_EQ(radio.Items()->Items(2)->GetElementName(), L"radioButton");
}

} // namespace
} // namespace backstagetest
