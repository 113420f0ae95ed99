#include "framework/commandbars/CommandBarModel.h"
#include "framework/shortcuts/ShortcutsEngine.h"

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
    // The bars' keyboard shortcuts come with them.
    InstallShortcuts();
}

} // namespace framework
