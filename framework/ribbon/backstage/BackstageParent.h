// The base of the Backstage nodes whose children are all of one class (task groups, task form
// groups, their categories and tasks, menus): the collection, streamed in forms as an ordinary
// published collection.
#pragma once
#include <memory>

#include "framework/ribbon/RibbonControls.h"

namespace framework {

class TzidBackstageParent : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageParent)
public:
    TzidRibbonControls *GetControls() const override { return controls_.get(); }
    TzidRibbonControls *Controls() const { return controls_.get(); }
    // Copies Value's controls into the node's own collection.
    void SetControls(TzidRibbonControls *Value) { controls_->Assign(Value); }

protected:
    TzidBackstageParent(classlib::TCollection *Collection, int MaxCount,
                        const classlib::TClassInfo &ItemClass);
    ~TzidBackstageParent() override;

private:
    std::unique_ptr<TzidRibbonControls> controls_;
};

} // namespace framework
