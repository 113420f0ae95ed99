#include "framework/commandbars/CommandBarAdvancedControl.h"

#include "classlib/Classes.h"
#include "framework/commandbars/CommandBar.h"

namespace framework {

using Self = TzidCommandBarAdvancedControl;

CLASSLIB_DEFINE_CLASS(TzidCommandBarAdvancedControl, TzidCommandBarControl,
                      b.Property(L"Control", &Self::Control, &Self::SetControl))

TzidCommandBarAdvancedControl::~TzidCommandBarAdvancedControl() {
    if (control_ != nullptr && OwnerBar() != nullptr)
        OwnerBar()->RemoveFreeNotification(control_);
}

void TzidCommandBarAdvancedControl::SetControl(classlib::TComponent *Value) {
    if (Value == control_)
        return;
    if (control_ != nullptr && OwnerBar() != nullptr)
        OwnerBar()->RemoveFreeNotification(control_);
    control_ = Value;
    if (control_ != nullptr && OwnerBar() != nullptr)
        OwnerBar()->FreeNotification(control_);
}

void TzidCommandBarAdvancedControl::Assign(const classlib::TPersistent *Source) {
    TzidCommandBarControl::Assign(Source);
    if (const auto *source = dynamic_cast<const TzidCommandBarAdvancedControl *>(Source))
        control_ = source->control_;
}

} // namespace framework
