// The content document of a dynamic menu, which the host fetches through getContent when the menu
// opens: the menu's controls, written as the ribbon documents write them.
#include "framework/core/AddInModule.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/XMLHelper.h"

namespace framework {

std::wstring TzidRibbonMenu::GetDynamicContent() {
    // The application fills the menu here, just before the host shows it.
    if (OnCreate)
        RunHandler([this] { OnCreate(this); });
    TzidCOMAddInModule *module = Module();
    if (module == nullptr)
        return {}; // no host can ask for the content of a menu outside a module
    TzidXMLHelper writer;
    writer.OpenElement(L"menu");
    AddNamespaceAttributes(*module, writer);
    if (itemSize_ == isLarge)
        writer.AddAttribute(L"itemSize", L"large");
    // "DynamicMenu" passes every control that is written for any window at all.
    WriteRibbonControls(*module, writer, L"menu", *Controls(), L"DynamicMenu", 0);
    writer.CloseElement(L"menu");
    return writer.Xml();
}

} // namespace framework
