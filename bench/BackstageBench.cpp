// GetCustomUI's cost for a Backstage view: generated views of 100, 1,000 and 10,000 nodes (tabs not
// counted) of every kind a real view mixes, written as Outlook 2010's explorer asks for them. Run
// beside the ribbon's figures (CustomUIBench): the time per node has to stay flat, ten times the
// nodes within twelve times the time. The program plays a version-14 host (its version resource,
// BackstageBench.rc), so the view is written.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "framework/core/AddInModule.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/ribbon/backstage/BackstageModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"

using namespace framework;

namespace {

const wchar_t *const ExplorerId = L"Microsoft.Outlook.Explorer";

TzidRibbonCustomControl &Add(TzidRibbonControls *Controls, TzidRibbonControlType Code,
                             const std::wstring &Id) {
    TzidRibbonCustomControl &control = *Controls->AddControl(Code);
    control.SetId(Id);
    control.SetCaption(L"Anh\x00E4nge & mehr");
    return control;
}

void AddItems(TzidRibbonCustomControl &List, const std::wstring &Prefix, int Count) {
    for (int i = 0; i < Count; ++i) {
        TzidRibbonCustomControl *item = List.GetItems()->Add();
        item->SetId(Prefix + std::to_wstring(i));
        item->SetCaption(L"Eintrag");
    }
}

// Twenty nodes: a group with a primary button, eleven controls (lists with their items) in its top
// items, a layout container of two, and a label in its bottom items.
constexpr int NodesPerUnit = 20;
void AddUnit(TzidRibbonControls *Column, int Unit) {
    const std::wstring p = L"u" + std::to_wstring(Unit) + L"_";
    auto &group = dynamic_cast<TzidBackstageGroup &>(Add(Column, rctBackstageGroup, p + L"group"));
    Add(group.PrimaryItem(), rctBackstageRegularButton, p + L"primary");
    TzidRibbonControls *top = group.TopItems();
    for (TzidRibbonControlType code :
         {rctBackstageRegularButton, rctBackstageCheckBox, rctBackstageGroupButton, rctBackstageEditBox,
          rctBackstageHyperlink, rctBackstageLabelControl, rctBackstageComboBox})
        Add(top, code, p + std::to_wstring(code));
    AddItems(Add(top, rctBackstageDropDown, p + L"drop"), p + L"d", 3);
    AddItems(Add(top, rctBackstageRadioGroup, p + L"radio"), p + L"r", 2);
    TzidRibbonControls *layout = Add(top, rctBackstageLayoutContainer, p + L"layout").GetControls();
    Add(layout, rctBackstageRegularButton, p + L"lb");
    Add(layout, rctBackstageImageControl, p + L"li").SetImageMso(L"HappyFace");
    Add(group.BottomItems(), rctBackstageLabelControl, p + L"bottom");
}
constexpr int UnitsPerColumn = 25;

// A module whose Backstage view holds Nodes nodes in tabs of two columns.
std::unique_ptr<TzidCOMAddInModule> GeneratedModule(int Nodes) {
    auto module = std::make_unique<TzidCOMAddInModule>(nullptr);
    module->SetSupportedApps({ohaOutlook});
    auto *view = new TzidBackstage(module.get());
    view->SetRibbons({msrOutlookExplorer});
    TzidBackstageTab *tab = nullptr;
    for (int unit = 0; unit < Nodes / NodesPerUnit; ++unit) {
        int column = unit / UnitsPerColumn;
        if (column % 2 == 0 && unit % UnitsPerColumn == 0)
            tab = &dynamic_cast<TzidBackstageTab &>(
                Add(view->Controls(), rctBackstageTab, L"tab" + std::to_wstring(column / 2)));
        AddUnit(column % 2 == 0 ? tab->FirstColumn() : tab->SecondColumn(), unit);
    }
    return module;
}

struct TResult {
    int Nodes;
    double Seconds;
    size_t Length;
};

TResult Measure(int Nodes) {
    std::unique_ptr<TzidCOMAddInModule> module = GeneratedModule(Nodes);
    size_t length = BuildCustomUI(*module, ExplorerId).size(); // the first call also prunes the id list
    double seconds = bench::SecondsPerCall([&] { BuildCustomUI(*module, ExplorerId); });
    return {Nodes, seconds, length};
}

} // namespace

int main() {
    OleInitialize(nullptr);
    RegisterRibbonClasses(); // containers make the Backstage's controls by class code
    InstallTaskPanes();
    std::printf("GetCustomUI of a Backstage view, host version 14, Outlook explorer window\n");
    std::vector<TResult> results;
    for (int nodes : {100, 1000, 10000}) {
        TResult r = Measure(nodes);
        std::printf("generated view, %6d nodes %9.3f ms per document, %7.3f us per node (%zu characters)\n",
                    r.Nodes, r.Seconds * 1e3, r.Seconds * 1e6 / r.Nodes, r.Length);
        results.push_back(r);
    }
    std::vector<int> sizes;
    std::vector<double> seconds;
    for (const TResult &r : results) {
        sizes.push_back(r.Nodes);
        seconds.push_back(r.Seconds);
    }
    bool flat = bench::GrowsLinearly(sizes, seconds, "nodes");
    std::printf("time per node %s\n", flat ? "stays flat" : "grows: the Backstage's document does not scale");
    OleUninitialize();
    return flat ? 0 : 1;
}
