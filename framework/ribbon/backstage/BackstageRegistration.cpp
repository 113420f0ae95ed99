#include "framework/ribbon/backstage/BackstageModel.h"

namespace framework {

void RegisterBackstageClasses() {
    for (const classlib::TClassInfo *cls : {
             &TzidBackstage::StaticClass(),
             &TzidBackstageTab::StaticClass(),
             &TzidBackstageFastCommandButton::StaticClass(),
             &TzidBackstageTaskFormGroup::StaticClass(),
             &TzidBackstageTaskFormGroupCategory::StaticClass(),
             &TzidBackstageTaskFormGroupTask::StaticClass(),
             &TzidBackstageGroup::StaticClass(),
             &TzidBackstageTaskGroup::StaticClass(),
             &TzidBackstageTaskGroupCategory::StaticClass(),
             &TzidBackstageTaskGroupTask::StaticClass(),
             &TzidBackstagePrimaryMenu::StaticClass(),
             &TzidBackstageSubMenu::StaticClass(),
             &TzidBackstageMenuGroup::StaticClass(),
             &TzidBackstageMenuButton::StaticClass(),
             &TzidBackstageMenuCheckBox::StaticClass(),
             &TzidBackstageMenuToggleButton::StaticClass(),
             &TzidBackstageRegularButton::StaticClass(),
             &TzidBackstageCheckBox::StaticClass(),
             &TzidBackstageGroupButton::StaticClass(),
             &TzidBackstageEditBox::StaticClass(),
             &TzidBackstageComboBox::StaticClass(),
             &TzidBackstageDropDown::StaticClass(),
             &TzidBackstageRadioGroup::StaticClass(),
             &TzidBackstageHyperlink::StaticClass(),
             &TzidBackstageLabelControl::StaticClass(),
             &TzidBackstageImageControl::StaticClass(),
             &TzidBackstageGroupBox::StaticClass(),
             &TzidBackstageLayoutContainer::StaticClass(),
             &TzidBackstageItem::StaticClass(),
         })
        classlib::RegisterClass(*cls);
}

} // namespace framework
