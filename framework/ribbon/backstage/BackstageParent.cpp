#include "framework/ribbon/backstage/BackstageParent.h"

#include "classlib/Classes.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidBackstageParent, TzidRibbonCustomControl)

TzidBackstageParent::TzidBackstageParent(classlib::TCollection *Collection, int MaxCount,
                                         const classlib::TClassInfo &ItemClass)
    : TzidRibbonCustomControl(Collection),
      controls_(std::make_unique<TzidRibbonControls>(this, MaxCount, ItemClass)) {}

TzidBackstageParent::~TzidBackstageParent() {
    // The children find the module through this control: they go while it is whole.
    controls_.reset();
}

} // namespace framework
