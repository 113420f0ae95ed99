// TzidCommandBarControls: the controls of a command bar or of a popup, of mixed kinds. Its owner is a
// TzidCustomCommandBar or a TzidCommandBarPopup. Besides the collection's own work it adds and
// deletes controls at run time, in the model and in the host at once.
#pragma once
#include <string>

#include "classlib/Collection.h"
#include "framework/commandbars/CommandBarControl.h"

namespace framework {

class TzidCommandBarControls : public classlib::TOwnedCollection {
    CLASSLIB_CLASS(TzidCommandBarControls)
public:
    explicit TzidCommandBarControls(classlib::TPersistent *Owner);
    // Frees the controls while the collection still answers its owner.
    ~TzidCommandBarControls() override;

    // 0-based; EListError out of range.
    TzidCommandBarControl *Items(int Index) const;
    // The owning bar, or null when a popup owns the collection.
    TzidCustomCommandBar *OwnerCommandBar() const;
    TzidCommandBarPopup *OwnerPopup() const;

    // A new control of Kind in this collection. An advanced control cannot go into a popup (31116);
    // on a bar it first makes the bar a docked toolbar that keeps its dock.
    TzidCommandBarControl *CreateItem(TzidCommandBarControlType Kind);
    // Adds a control at run time and, when the container is in the host, its Office control: an
    // Office control of the kind with OfficeTag is bound when there is one, else one is added at
    // Before (1-based; 0 or -1 append) and the design pushed. A failure takes the new control out
    // again (with the Office control this call added) and reaches the caller.
    TzidCommandBarControl *AddControl(TzidCommandBarControlType Kind, const std::wstring &OfficeTag,
                                      int Before, bool Temporary);
    // Deletes the control's Office control (DeleteControl), then frees the control.
    void Delete(int Index, bool Temporary);
    // Another TzidCommandBarControls: its controls are copied, each into a new control of its kind.
    void Assign(const classlib::TPersistent *Source) override;

    // The columns of a collection editor: "Name", "Type", "Caption".
    int GetAttrCount() const { return 3; }
    std::wstring GetAttr(int Index) const;
    std::wstring GetItemAttr(int Index, int ItemIndex) const;

private:
    // The Office container the collection's controls live in; null when it is not in the host.
    classlib::ComPtr<CommandBarControls> OfficeContainer();
};

} // namespace framework
