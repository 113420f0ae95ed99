#include "framework/ribbon/CustomUIWriter.h"

#include <map>
#include <set>
#include <vector>

#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

namespace {

constexpr int RibbonKindCount = 24;
constexpr int Ribbon2010KindCount = 11;

using TNodes = std::vector<IzidRibbonControlInternal *>;

// The elements each ribbon element takes as children. "control" and "dynamicMenu" take none; a split
// button's own button is written apart; the items of lists come through callbacks.
const std::set<std::wstring> *ChildElements(const std::wstring &Parent) {
    static const std::set<std::wstring> controls{
        L"control",  L"labelControl", L"button", L"toggleButton", L"checkBox",    L"editBox", L"comboBox",
        L"dropDown", L"gallery",      L"menu",   L"dynamicMenu",  L"splitButton", L"box",     L"buttonGroup"};
    static const std::map<std::wstring, std::set<std::wstring>> places{
        {L"tab", {L"group"}},
        {L"group",
         [] {
             std::set<std::wstring> group = controls;
             group.insert({L"separator", L"dialogBoxLauncher"});
             return group;
         }()},
        {L"box", controls},
        {L"buttonGroup",
         {L"control", L"button", L"toggleButton", L"gallery", L"menu", L"dynamicMenu", L"splitButton"}},
        {L"menu",
         {L"control", L"button", L"checkBox", L"gallery", L"toggleButton", L"menuSeparator", L"splitButton",
          L"menu", L"dynamicMenu"}},
        {L"splitButton", {L"menu"}},
        {L"dropDown", {L"button"}},
        {L"gallery", {L"button"}},
    };
    auto place = places.find(Parent);
    return place != places.end() ? &place->second : nullptr;
}

// The controls of Controls that the schema takes inside the element Parent: ribbon classes (a
// Backstage class has places of its own) written as an element Parent holds. Whatever else is there
// stays in the model but out of the document, which the host would refuse whole; it is traced.
TNodes Placed(const std::wstring &Parent, const TzidRibbonControls &Controls) {
    const std::set<std::wstring> *taken = ChildElements(Parent);
    TNodes placed;
    for (int i = 0; i < Controls.Count(); ++i) {
        TzidRibbonCustomControl *child = Controls.Items(i);
        const std::wstring name = child->GetElementName();
        if (name.empty())
            continue; // a node of no element of its own
        const TzidRibbonControlType code = child->GetControlType();
        if (code >= rctGroup && code <= rctItem && taken != nullptr && taken->count(name) != 0)
            placed.push_back(child);
        else
            classlib::Trace(L"Ribbon",
                            L"A %s \"%s\" cannot stand in a \"%s\": it is left out of the document",
                            {child->ClassName(), child->Id(), Parent});
    }
    return placed;
}

// One Backstage section ("firstColumn", "topItems" ...) holding the first item only or all of them;
// nothing when the collection is empty.
void WriteSection(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const wchar_t *Name,
                  const TzidRibbonControls *Controls, bool FirstOnly, const std::wstring &RibbonId,
                  int ContextMenuNumber) {
    if (Controls == nullptr || Controls->Count() == 0)
        return;
    Writer.OpenElement(Name);
    int count = FirstOnly ? 1 : Controls->Count();
    for (int i = 0; i < count; ++i)
        WriteRibbonControl(Module, Writer, *Controls->Items(i), RibbonId, ContextMenuNumber);
    Writer.CloseElement(Name);
}

// A control without children of its kind.
void WriteLeaf(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, IzidRibbonControlInternal &Control,
               const std::wstring &Name, const classlib::TStringList &List, const std::wstring &RibbonId,
               int ContextMenuNumber) {
    TzidRibbonControlType type = Control.GetControlType();
    if (Name == L"tab" && type == rctBackstageTab) {
        Writer.OpenElement(Name);
        Writer.AddAttributes(List);
        WriteSection(Module, Writer, L"firstColumn", Control.GetFirstColumn(), false, RibbonId,
                     ContextMenuNumber);
        WriteSection(Module, Writer, L"secondColumn", Control.GetSecondColumn(), false, RibbonId,
                     ContextMenuNumber);
        Writer.CloseElement(Name);
    } else if (Name == L"group" && type == rctBackstageGroup) {
        Writer.OpenElement(Name);
        Writer.AddAttributes(List);
        WriteSection(Module, Writer, L"primaryItem", Control.GetPrimaryItem(), true, RibbonId,
                     ContextMenuNumber);
        WriteSection(Module, Writer, L"topItems", Control.GetTopItems(), false, RibbonId, ContextMenuNumber);
        WriteSection(Module, Writer, L"bottomItems", Control.GetBottomItems(), false, RibbonId,
                     ContextMenuNumber);
        Writer.CloseElement(Name);
    } else if (Name == L"dialogBoxLauncher") {
        // The host takes the launcher's attributes from a button inside it.
        Writer.OpenElement(Name);
        Writer.WriteElement(L"button", List);
        Writer.CloseElement(Name);
    } else {
        Writer.WriteElement(Name, List);
    }
}

// A split button of its own (no IdMso) shows its click part as an inner button.
void WriteInnerButton(TzidXMLHelper &Writer, IzidRibbonControlInternal &Control, int ContextMenuNumber) {
    auto *split = dynamic_cast<TzidRibbonSplitButton *>(&Control);
    if (split == nullptr || !split->IdMso().empty())
        return;
    std::unique_ptr<classlib::TStringList> inner = split->GetInnerButtonAttributes(ContextMenuNumber);
    Writer.WriteElement(split->ToggleButton() ? L"toggleButton" : L"button", *inner);
}

} // namespace

bool IsForRibbon(const std::wstring &RibbonId, TzidRibbons Ribbons, TzidRibbons2010 Ribbons2010) {
    if (Ribbons.Empty() && Ribbons2010.Empty())
        return false;
    if (RibbonId == L"DynamicMenu" || RibbonId == L"Microsoft.Mso.IMLayerUI")
        return true;
    for (int i = 0; i < RibbonKindCount; ++i) {
        auto kind = static_cast<TzidRibbon>(i);
        if (Ribbons.Contains(kind) && RibbonIdOf(kind) == RibbonId)
            return true;
    }
    for (int i = 0; i < Ribbon2010KindCount; ++i) {
        auto kind = static_cast<TzidRibbon2010>(i);
        if (!Ribbons2010.Contains(kind))
            continue;
        if (RibbonIdOf(kind) == RibbonId)
            return true;
        if ((kind == msrOutlookSMSRead2010 || kind == msrOutlookSMSCompose2010) &&
            RibbonId == L"Microsoft.OMS.SMS")
            return true;
        if ((kind == msrOutlookMMSRead2010 || kind == msrOutlookMMSCompose2010) &&
            RibbonId == L"Microsoft.OMS.MMS")
            return true;
    }
    return false;
}

void WriteRibbonControl(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, IzidRibbonControlInternal &Control,
                        const std::wstring &RibbonId, int ContextMenuNumber) {
    if (!IsForRibbon(RibbonId, Control.Ribbons(), Control.Ribbons2010()))
        return;
    std::wstring name = Control.GetElementName();
    if (name.empty())
        return; // a node of no element of its own
    std::unique_ptr<classlib::TStringList> list = Control.GetAttributes(ContextMenuNumber);
    TzidRibbonControls *children = Control.GetControls();
    if (children == nullptr) {
        WriteLeaf(Module, Writer, Control, name, *list, RibbonId, ContextMenuNumber);
        return;
    }
    if (name == L"menu" && Control.GetControlType() == rctMenu)
        if (auto *menu = dynamic_cast<TzidRibbonMenu *>(&Control); menu && menu->OnCreate)
            Module.RunGuarded([&] { menu->OnCreate(menu); });
    // The host fetches a dynamic menu's children later, through its content callback.
    const TNodes placed = name == L"dynamicMenu" ? TNodes() : Placed(name, *children);
    if (placed.empty()) {
        Writer.WriteElement(name, *list);
        return;
    }
    Writer.OpenElement(name);
    Writer.AddAttributes(*list);
    if (name == L"splitButton")
        WriteInnerButton(Writer, Control, ContextMenuNumber);
    for (IzidRibbonControlInternal *child : placed)
        WriteRibbonControl(Module, Writer, *child, RibbonId, ContextMenuNumber);
    Writer.CloseElement(name);
}

void WriteRibbonControls(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const std::wstring &Parent,
                         const TzidRibbonControls &Controls, const std::wstring &RibbonId,
                         int ContextMenuNumber) {
    for (IzidRibbonControlInternal *child : Placed(Parent, Controls))
        WriteRibbonControl(Module, Writer, *child, RibbonId, ContextMenuNumber);
}

void AddNamespaceAttributes(TzidCOMAddInModule &Module, TzidXMLHelper &Writer) {
    Writer.AddAttribute(L"xmlns", Module.CustomUINamespace());
    if (Module.Namespace().empty())
        return;
    TzidFactory *factory = Module.Factory();
    if (factory == nullptr)
        throw classlib::EOleSysError(L"The add-in's ProgID is unknown: the module has no factory.",
                                     E_UNEXPECTED);
    Writer.AddAttribute(L"xmlns:default", factory->GetProgID());
    Writer.AddAttribute(L"xmlns:shared", Module.Namespace());
}

} // namespace framework
