#include "framework/ribbon/CustomUIWriter.h"

#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

namespace {

constexpr int RibbonKindCount = 24;
constexpr int Ribbon2010KindCount = 11;

// Writes every control of Controls (null or empty: nothing) through WriteRibbonControl.
void WriteChildren(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const TzidRibbonControls *Controls,
                   const std::wstring &RibbonId, int ContextMenuNumber) {
    if (Controls == nullptr)
        return;
    for (int i = 0; i < Controls->Count(); ++i)
        WriteRibbonControl(Module, Writer, *Controls->Items(i), RibbonId, ContextMenuNumber);
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

bool InButtonGroup(IzidRibbonControlInternal &Control) {
    auto *control = dynamic_cast<TzidRibbonCustomControl *>(&Control);
    return control != nullptr && dynamic_cast<TzidRibbonButtonGroup *>(control->ParentControl()) != nullptr;
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
    } else if (Name == L"separator" && InButtonGroup(Control)) {
        // Neither customUI schema allows it there, and the host would reject the whole document.
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
    if (children->Count() == 0 || name == L"dynamicMenu") {
        // The host fetches a dynamic menu's children later, through its content callback.
        Writer.WriteElement(name, *list);
        return;
    }
    Writer.OpenElement(name);
    Writer.AddAttributes(*list);
    if (name == L"splitButton")
        WriteInnerButton(Writer, Control, ContextMenuNumber);
    WriteChildren(Module, Writer, children, RibbonId, ContextMenuNumber);
    Writer.CloseElement(name);
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
