// The control's share of a build: its "\Controls" record, the refresh and placement of its bound
// Office control, and the deletion of that control.
#include "classlib/Registry.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarControl.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "framework/core/AddInModule.h"

namespace framework {

std::wstring TzidCommandBarControl::ControlsKey() const {
    TzidCOMAddInModule *module = Module();
    return (module != nullptr ? module->AddInKey() : std::wstring()) + L"\\Controls";
}

bool TzidCommandBarControl::PropertiesChanged(const std::wstring &Key) const {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(Key, true))
        return true;
    const std::wstring tag = officeTag_;
    if (!registry.ValueExists(tag))
        return true;
    try {
        return registry.ReadInteger(tag) != propertyChanged_;
    } catch (const classlib::ERegistryException &E) {
        TraceCommandBars(L"The record of " + tag + L" is no number", E);
        return true;
    }
}

void TzidCommandBarControl::SavePropertyChanged() const {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(ControlsKey(), true))
        return;
    try {
        registry.WriteInteger(officeTag_, propertyChanged_);
    } catch (const classlib::ERegistryException &E) {
        TraceCommandBars(L"The record of " + officeTag_ + L" cannot be written", E);
    }
}

bool TzidCommandBarControl::UpdateControl() {
    TzidCOMAddInModule *module = Module();
    // A control on a bar the build has just made again is pushed whole: its record tells of a bar
    // Office no longer has.
    const bool changed = temporary_ || (ownerBar_ != nullptr && ownerBar_->NewInOffice()) ||
                         PropertiesChanged(ControlsKey()) ||
                         (module != nullptr && module->HostType() == ohaAccess);
    if (!controlInterface_ || !changed)
        return changed;
    // The first start's own build adds every control in its place; one added later in that session
    // (its first set-up failed) is placed as on any other start.
    if (!temporary_ && module != nullptr &&
        (module->StartMode() != zsmFirstStart || (ownerBar_ != nullptr && ownerBar_->BuiltBefore())))
        PlaceControl();
    SetBeginGroup(beginGroup_);
    SetCaption(caption_);
    SetDescriptionText(descriptionText_);
    SetEnabled(enabled_);
    if (height_ != 0)
        SetHeight(height_);
    SetHelpContextID(helpContextID_);
    SetHelpFile(helpFile_);
    SetParameter(parameter_);
    SetPriority(priority_);
    SetOfficeTag(officeTag_);
    SetTooltipText(tooltipText_);
    SetVisible(visible_);
    if (width_ != 0)
        SetWidth(width_);
    return changed;
}

void TzidCommandBarControl::MoveBefore(long Before) {
    classlib::ComPtr<CommandBarControl> moved;
    classlib::OleCheck(controlInterface_->Move(MissingArg(), LongArg(Before), moved.Put()));
}

classlib::ComPtr<CommandBar> TzidCommandBarControl::PlacementBar() const {
    classlib::ComPtr<CommandBar> container;
    TzidCommandBarControls *controls = OwnerCollection();
    if (controls == nullptr)
        return container;
    if (TzidCustomCommandBar *bar = controls->OwnerCommandBar())
        return bar->CommandBarInterface();
    if (TzidCommandBarPopup *popup = controls->OwnerPopup(); popup != nullptr && popup->PopupInterface())
        classlib::OleCheck(popup->PopupInterface()->get_CommandBar(container.Put()));
    return container;
}

void TzidCommandBarControl::PlaceControl() {
    if (before_ != 0 && before_ != OfficeIndex())
        MoveBefore(before_);
    const bool ownBar = ownerBar_ == nullptr || !ownerBar_->BuiltIn();
    if (ownBar && before_ == 0 && beforeID_ == 0 && afterID_ == 0) {
        // On a bar of the add-in's own the controls stand in the order of the design. Earlier controls
        // that Office does not have (the user removed them) hold no place: counting them would ask
        // Office for a position past its last control, at every start.
        long target = 1;
        if (TzidCommandBarControls *siblings = OwnerCollection())
            for (int i = 0; i < Index(); ++i)
                if (siblings->Items(i)->ControlInterface())
                    ++target;
        const long current = OfficeIndex();
        if (target != current) {
            if (target > current)
                ++target; // Office counts the position before the control leaves its place
            MoveBefore(target);
        }
    }
    if (beforeID_ == 0 && afterID_ == 0)
        return;
    classlib::ComPtr<CommandBar> container = PlacementBar();
    if (!container)
        return;
    classlib::ComPtr<CommandBarControl> anchor;
    classlib::OleCheck(container->FindControl(MissingArg(), LongArg(beforeID_ != 0 ? beforeID_ : afterID_),
                                              MissingArg(), MissingArg(), BoolArg(true), anchor.Put()));
    if (!anchor)
        return;
    long anchorIndex = 0, index = 0;
    classlib::OleCheck(anchor->get_Index(&anchorIndex));
    classlib::OleCheck(controlInterface_->get_Index(&index));
    if (beforeID_ != 0) {
        if (anchorIndex - 1 != index)
            MoveBefore(anchorIndex);
    } else if (anchorIndex + 1 != index) {
        MoveBefore(anchorIndex + 1);
    }
}

void TzidCommandBarControl::DeleteControl(bool Temporary) {
    if (!controlInterface_)
        return;
    classlib::OleCheck(controlInterface_->Delete(BoolArg(Temporary)));
    BindOfficeControl(nullptr);
}

int TzidCommandBarControl::OfficeIndex() const {
    if (!controlInterface_)
        return 1;
    try {
        long index = 0;
        classlib::OleCheck(controlInterface_->get_Index(&index));
        return index;
    } catch (const classlib::Exception &E) {
        ReportError(E);
        return 1;
    }
}

classlib::ComPtr<CommandBar> TzidCommandBarControl::OfficeParent() const {
    classlib::ComPtr<CommandBar> parent;
    if (!controlInterface_)
        return parent;
    try {
        classlib::OleCheck(controlInterface_->get_Parent(parent.Put()));
    } catch (const classlib::Exception &E) {
        ReportError(E);
        parent.Reset();
    }
    return parent;
}

} // namespace framework
