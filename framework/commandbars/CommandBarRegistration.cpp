#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/ModuleBarsEngine.h"
#include "framework/core/AddInModule.h"

namespace framework {

void RegisterCommandBarClasses() {
    for (const classlib::TClassInfo *cls : {
             &TzidCommandBar::StaticClass(),
             &TzidOlExplorerCommandBar::StaticClass(),
             &TzidOlInspectorCommandBar::StaticClass(),
             &TzidCommandBarControl::StaticClass(),
             &TzidCommandBarButton::StaticClass(),
             &TzidCommandBarEdit::StaticClass(),
             &TzidCommandBarDropDownList::StaticClass(),
             &TzidCommandBarComboBox::StaticClass(),
             &TzidCommandBarPopup::StaticClass(),
             &TzidCommandBarAdvancedControl::StaticClass(),
         })
        classlib::RegisterClass(*cls);
    // Modules made from now on build their bars through the engine.
    TzidModuleBarsEngineMaker::Install(&TzidModuleBarsEngine::Make);
}

} // namespace framework
