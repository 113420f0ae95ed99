#include "framework/ribbon/backstage/BackstageWriter.h"

#include <vector>

#include "framework/core/AddInModule.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/backstage/BackstageKinds.h"
#include "framework/ribbon/backstage/BackstageView.h"

namespace framework {

namespace {

using TNodes = std::vector<IzidRibbonControlInternal *>;

// The places of the Backstage, each with the classes the host takes there.
enum class TPlace {
    Top,
    FirstColumn,
    SecondColumn,
    PrimaryItem,
    GroupControls,
    MenuGroups,
    MenuControls,
    FormCategories,
    FormTasks,
    FormTaskGroups,
    ListCategories,
    ListTasks,
    Nowhere
};

bool Fits(TPlace Place, TzidRibbonControlType Code) {
    switch (Place) {
    case TPlace::Top:
        return Code == rctBackstageTab || Code == rctBackstageFastCommandButton;
    case TPlace::FirstColumn:
        return Code == rctBackstageTaskFormGroup || Code == rctBackstageGroup ||
               Code == rctBackstageTaskGroup;
    case TPlace::SecondColumn:
        return Code == rctBackstageGroup || Code == rctBackstageTaskGroup;
    case TPlace::PrimaryItem:
        return Code == rctBackstageRegularButton || Code == rctBackstageGroupButton ||
               Code == rctBackstagePrimaryMenu;
    case TPlace::GroupControls:
        return Code >= rctBackstageRegularButton && Code <= rctBackstageLayoutContainer;
    case TPlace::MenuGroups:
        return Code == rctBackstageMenuGroup;
    case TPlace::MenuControls:
        return Code == rctBackstageSubMenu || Code == rctBackstageMenuButton ||
               Code == rctBackstageMenuCheckBox || Code == rctBackstageMenuToggleButton;
    case TPlace::FormCategories:
        return Code == rctBackstageTaskFormGroupCategory;
    case TPlace::FormTasks:
        return Code == rctBackstageTaskFormGroupTask;
    case TPlace::FormTaskGroups:
        return Code == rctBackstageGroup;
    case TPlace::ListCategories:
        return Code == rctBackstageTaskGroupCategory;
    case TPlace::ListTasks:
        return Code == rctBackstageTaskGroupTask;
    case TPlace::Nowhere:
        break;
    }
    return false;
}

// Where the controls of a node of class Code (its GetControls) stand.
TPlace ControlsPlace(TzidRibbonControlType Code) {
    switch (Code) {
    case rctBackstagePrimaryMenu:
    case rctBackstageSubMenu:
        return TPlace::MenuGroups;
    case rctBackstageMenuGroup:
        return TPlace::MenuControls;
    case rctBackstageGroupBox:
    case rctBackstageLayoutContainer:
        return TPlace::GroupControls;
    case rctBackstageTaskFormGroup:
        return TPlace::FormCategories;
    case rctBackstageTaskFormGroupCategory:
        return TPlace::FormTasks;
    case rctBackstageTaskFormGroupTask:
        return TPlace::FormTaskGroups;
    case rctBackstageTaskGroup:
        return TPlace::ListCategories;
    case rctBackstageTaskGroupCategory:
        return TPlace::ListTasks;
    default:
        return TPlace::Nowhere;
    }
}

class TBackstageWriter {
public:
    TBackstageWriter(TzidXMLHelper &Writer, const std::wstring &RibbonID)
        : writer_(Writer), ribbonId_(RibbonID) {}

    // The nodes of Controls that the document of the ribbon id holds at Place.
    TNodes Written(const TzidRibbonControls *Controls, TPlace Place) const {
        TNodes nodes;
        if (Controls == nullptr)
            return nodes;
        for (int i = 0; i < Controls->Count(); ++i) {
            IzidRibbonControlInternal *node = Controls->Items(i);
            if (IsForRibbon(ribbonId_, node->Ribbons(), node->Ribbons2010()) &&
                Fits(Place, node->GetControlType()) && !node->GetElementName().empty())
                nodes.push_back(node);
        }
        if (Place == TPlace::PrimaryItem && nodes.size() > 1)
            nodes.resize(1);
        if (Place == TPlace::FirstColumn && !nodes.empty()) {
            // One task form group fills the column alone; otherwise the column holds simple groups.
            if (nodes.front()->GetControlType() == rctBackstageTaskFormGroup)
                nodes.resize(1);
            else
                std::erase_if(nodes, [](IzidRibbonControlInternal *node) {
                    return node->GetControlType() == rctBackstageTaskFormGroup;
                });
        }
        return nodes;
    }

    void Node(IzidRibbonControlInternal &Node) {
        const std::wstring name = Node.GetElementName();
        std::unique_ptr<classlib::TStringList> list = Node.GetAttributes(0);
        const TzidRibbonControlType code = Node.GetControlType();
        if (code == rctBackstageTab || code == rctBackstageGroup) {
            // Written with their sections, as the ribbon's writer writes them.
            writer_.OpenElement(name);
            writer_.AddAttributes(*list);
            if (code == rctBackstageTab) {
                Section(L"firstColumn", Written(Node.GetFirstColumn(), TPlace::FirstColumn));
                Section(L"secondColumn", Written(Node.GetSecondColumn(), TPlace::SecondColumn));
            } else {
                Section(L"primaryItem", Written(Node.GetPrimaryItem(), TPlace::PrimaryItem));
                Section(L"topItems", Written(Node.GetTopItems(), TPlace::GroupControls));
                Section(L"bottomItems", Written(Node.GetBottomItems(), TPlace::GroupControls));
            }
            writer_.CloseElement(name);
            return;
        }
        TNodes children = Written(Node.GetControls(), ControlsPlace(code));
        if (children.empty()) {
            writer_.WriteElement(name, *list);
            return;
        }
        writer_.OpenElement(name);
        writer_.AddAttributes(*list);
        for (IzidRibbonControlInternal *child : children)
            this->Node(*child);
        writer_.CloseElement(name);
    }

    void Section(const wchar_t *Name, const TNodes &Nodes) {
        if (Nodes.empty())
            return;
        writer_.OpenElement(Name);
        for (IzidRibbonControlInternal *node : Nodes)
            Node(*node);
        writer_.CloseElement(Name);
    }

private:
    TzidXMLHelper &writer_;
    const std::wstring &ribbonId_;
};

} // namespace

bool WritesBackstage(const TzidCOMAddInModule &Module, const std::wstring &RibbonID) {
    const TzidBackstage *view = Module.Backstage();
    return view != nullptr && Module.OfficeVersion() >= 14 &&
           IsForRibbon(RibbonID, view->Ribbons(), view->Ribbons2010());
}

void WriteBackstage(const TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const std::wstring &RibbonID) {
    if (!WritesBackstage(Module, RibbonID))
        return;
    TzidBackstage &view = *Module.Backstage();
    std::unique_ptr<classlib::TStringList> list = view.GetAttributes(0);
    TBackstageWriter writer(Writer, RibbonID);
    TNodes nodes = writer.Written(view.Controls(), TPlace::Top);
    if (nodes.empty()) {
        Writer.WriteElement(L"backstage", *list);
        return;
    }
    Writer.OpenElement(L"backstage");
    Writer.AddAttributes(*list);
    for (IzidRibbonControlInternal *node : nodes)
        writer.Node(*node);
    Writer.CloseElement(L"backstage");
}

} // namespace framework
