// The collections of the ribbon model: a tab's groups, a container's controls, a list control's items.
// Each has a fixed maximum; a container may hold controls of different classes, which are created
// by their class code (the class table below).
#pragma once
#include "classlib/Collection.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

class TzidRibbonControls : public classlib::TOwnedCollection {
    CLASSLIB_CLASS(TzidRibbonControls)
public:
    TzidRibbonControls(classlib::TPersistent *Owner, int MaxCount, const classlib::TClassInfo &ItemClass);
    // Frees the controls while the collection still answers its owner: they find their module (and
    // leave its id list) through it.
    ~TzidRibbonControls() override;

    // The most items the collection takes; one more raises 31120.
    int MaxCount() const { return maxCount_; }
    // A new item of the collection's item class.
    TzidRibbonCustomControl *Add();
    // A new control of the class the class table gives for Code; raises 31120 when full and
    // EInvalidOperation for a code without a class.
    virtual TzidRibbonCustomControl *AddControl(TzidRibbonControlType Code);
    TzidRibbonCustomControl *Items(int Index) const;
    // Another TzidRibbonControls: its controls are copied, each into a new control of its own class.
    void Assign(const classlib::TPersistent *Source) override;

protected:
    // Keeps a dialog box launcher in the last place, where the host expects it.
    void Update(classlib::TCollectionItem *Item) override;

private:
    int maxCount_;
};

// The items of a combo box, drop-down or gallery: all of class TzidRibbonItem.
class TzidRibbonItems : public TzidRibbonControls {
    CLASSLIB_CLASS(TzidRibbonItems)
public:
    TzidRibbonItems(classlib::TPersistent *Owner, int MaxCount, const classlib::TClassInfo &ItemClass);

    // Items are only added with Add: null.
    TzidRibbonCustomControl *AddControl(TzidRibbonControlType Code) override;
    void Assign(const classlib::TPersistent *Source) override;

protected:
    // A drop-down re-queries its items after every change.
    void Update(classlib::TCollectionItem *Item) override;
};

// The class of a class code: TzidRibbonCustomControl for the reserved codes 0-3, 20 and 21, the ribbon
// classes for 4-19, the Backstage classes for 22-49 once they are registered. Null for any other code
// and for a Backstage class that is not there.
const classlib::TClassInfo *RibbonControlClass(TzidRibbonControlType Code);

} // namespace framework
