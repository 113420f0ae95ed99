// The bar's own operations in the host: apply its design to the live bar, bind (and complete) its
// controls in a host window, and remove its controls and itself from the host.
#include "classlib/Registry.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "framework/commandbars/OfficeAccess.h"
#include "framework/core/AddInModule.h"

namespace framework {

std::wstring TzidCustomCommandBar::CommandBarsKey() const {
    return addInModule_->AddInKey() + L"\\CommandBars";
}

bool TzidCustomCommandBar::RecordDiffers(const std::wstring &Key) const {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(Key, true) || !registry.ValueExists(commandBarName_))
        return true;
    try {
        return registry.ReadInteger(commandBarName_) != propertyChanged_;
    } catch (const classlib::ERegistryException &E) {
        TraceCommandBars(L"The record of the bar " + commandBarName_ + L" is no number", E);
        return true;
    }
}

void TzidCustomCommandBar::WriteRecord(const std::wstring &Key) const {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(Key, true))
        return;
    try {
        registry.WriteInteger(commandBarName_, propertyChanged_);
    } catch (const classlib::ERegistryException &E) {
        TraceCommandBars(L"The record of the bar " + commandBarName_ + L" cannot be written", E);
    }
}

void TzidCustomCommandBar::UpdateBar() {
    const std::wstring key = CommandBarsKey();
    if (commandBarInterface_ &&
        (temporary_ || newInOffice_ || RecordDiffers(key) || addInModule_->HostType() == ohaAccess)) {
        const int failures = reportedFailures_;
        SetEnabled(enabled_);
        if (enabled_)
            SetVisible(visible_);
        SetProtection(protection_);
        SetPosition(position_);
        if (commandBarLeft_ != -1)
            SetCommandBarLeft(commandBarLeft_);
        if (commandBarTop_ != -1)
            SetCommandBarTop(commandBarTop_);
        if (rowIndex_ != -1)
            SetRowIndex(rowIndex_);
        // A write Office refused is tried again at the next build: one failed Visible must not
        // leave the bar hidden for good.
        if (!temporary_ && reportedFailures_ == failures)
            WriteRecord(key);
    }
    // Word shows a bar meant for the ribbon only once it is told again.
    if (addInModule_->HostType() == ohaWord && useForRibbon_ && addInModule_->UsesRibbon() && enabled_)
        SetVisible(visible_);
}

// Office's own control placed by Id (kind 5) is known by its Id and Tag together: a search by Tag
// with its type (0) finds none, and one by Id alone finds Office's control of that Id on any bar.
classlib::ComPtr<CommandBarControl>
TzidCustomCommandBar::FindPlacedOfficeControl(const TzidCommandBarControl &Control) const {
    classlib::ComPtr<CommandBarControl> found;
    if (!commandBarInterface_ || Control.StoredOfficeID() == 1)
        return found;
    TStringArg tag(Control.StoredOfficeTag());
    // A look-up that fails finds nothing: the control is then built, or left unbound, as when missing.
    if (FAILED(commandBarInterface_->FindControl(MissingArg(), LongArg(Control.StoredOfficeID()), tag.Var(),
                                                 MissingArg(), BoolArg(true), found.Put()))) {
        TraceCommandBars(L"Office's control " + Control.StoredOfficeTag() + L" could not be looked up");
        found.Reset();
    }
    return found;
}

void TzidCustomCommandBar::Reconnect() {
    if (!useForRibbon_ && addInModule_->UsesRibbon())
        return;
    TzidCOMAddInModule &module = *addInModule_;
    commandBarInterface_ = module.FindCommandBar(commandBarName_);
    for (int i = 0; i < controls_->Count(); ++i) {
        TzidCommandBarControl *control = controls_->Items(i);
        const TzidCommandBarControlType kind = control->GetControlType();
        const long type = OfficeControlType(kind);
        // The stored design, not the Office values: the control may still be bound to a window that
        // has gone.
        const std::wstring &tag = control->StoredOfficeTag();
        classlib::ComPtr<CommandBarControl> found =
            kind == cctControl ? FindPlacedOfficeControl(*control)
                               : module.FindBarControlByTag(commandBarInterface_.Get(), type, tag);
        if (!found)
            found = module.FindControlByTag(type, tag);
        if (!found) {
            module.CreateControl(control, this, nullptr);
            found =
                kind == cctControl ? FindPlacedOfficeControl(*control) : module.FindControlByTag(type, tag);
        }
        if (!found && control->StoredOfficeID() != 1)
            found = module.FindControlById(type, control->StoredOfficeID());
        if (kind == cctAdvancedControl)
            continue; // no host has a container for it
        control->BindOfficeControl(found);
        if (TzidCommandBarPopup *popup = control->AsCommandBarPopup();
            popup != nullptr && popup->PopupInterface())
            popup->AttachNestedControls();
    }
}

void TzidCustomCommandBar::RemoveControls() {
    TzidCOMAddInModule &module = *addInModule_;
    commandBarInterface_ = module.FindCommandBar(commandBarName_);
    CommandBar *bar = commandBarInterface_.Get();
    for (int i = controls_->Count() - 1; i >= 0; --i) {
        TzidCommandBarControl *control = controls_->Items(i);
        const TzidCommandBarControlType kind = control->GetControlType();
        const long type = OfficeControlType(kind);
        const int id = control->StoredOfficeID();
        const std::wstring &tag = control->StoredOfficeTag();
        classlib::ComPtr<CommandBarControl> found;
        if (kind == cctControl && id != 1) {
            // A built-in control the add-in placed: found on this bar by its Id and tag.
            if (bar != nullptr) {
                TStringArg tagArg(tag);
                classlib::OleCheck(bar->FindControl(MissingArg(), LongArg(id), tagArg.Var(), MissingArg(),
                                                    BoolArg(true), found.Put()));
            }
            control->SetControlInterface(found);
        } else {
            if (kind == cctPopup && id != 1) {
                found = module.FindBarControlById(bar, type, id);
                if (!found)
                    found = module.FindControlById(type, id);
            } else {
                found = module.FindBarControlByTag(bar, type, tag);
                if (!found && id == 1)
                    found = module.FindControlByTag(type, tag);
            }
            control->BindOfficeControl(found);
        }
        if (control->ControlInterface())
            control->DeleteControl(false);
    }
    DeleteBar();
}

void TzidCustomCommandBar::DeleteBar() {
    if (!commandBarInterface_)
        return;
    classlib::ComPtr<CommandBar> bar = std::move(commandBarInterface_);
    VARIANT_BOOL builtIn = VARIANT_FALSE;
    classlib::OleCheck(bar->get_BuiltIn(&builtIn));
    if (builtIn != VARIANT_FALSE)
        return;
    classlib::ComPtr<CommandBarControls> controls;
    classlib::OleCheck(bar->get_Controls(controls.Put()));
    long count = 0;
    classlib::OleCheck(controls->get_Count(&count));
    if (count == 0)
        classlib::OleCheck(bar->Delete());
}

} // namespace framework
