#include "framework/ribbon/RibbonEngine.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/ribbon/backstage/BackstageModel.h"

namespace framework {

void RegisterRibbonClasses() {
    for (const classlib::TClassInfo *cls : {
             &TzidRibbonTab::StaticClass(),
             &TzidRibbonCustomControl::StaticClass(),
             &TzidRibbonGroup::StaticClass(),
             &TzidRibbonBox::StaticClass(),
             &TzidRibbonButtonGroup::StaticClass(),
             &TzidRibbonButton::StaticClass(),
             &TzidRibbonSplitButton::StaticClass(),
             &TzidRibbonLabel::StaticClass(),
             &TzidRibbonCheckBox::StaticClass(),
             &TzidRibbonEditBox::StaticClass(),
             &TzidRibbonComboBox::StaticClass(),
             &TzidRibbonDropDown::StaticClass(),
             &TzidRibbonGallery::StaticClass(),
             &TzidRibbonMenu::StaticClass(),
             &TzidRibbonSeparator::StaticClass(),
             &TzidRibbonMenuSeparator::StaticClass(),
             &TzidRibbonDialogBoxLauncher::StaticClass(),
             &TzidRibbonItem::StaticClass(),
         })
        classlib::RegisterClass(*cls);
    RegisterBackstageClasses();
    InstallRibbonEngine();
}

} // namespace framework
