#include "framework/commandbars/CommandBarPopup.h"

#include "classlib/Classes.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarStreaming.h"
#include "framework/core/AddInModule.h"

namespace framework {

using Self = TzidCommandBarPopup;

CLASSLIB_DEFINE_CLASS(TzidCommandBarPopup, TzidCommandBarControl,
                      b.ReadOnly(L"Controls", &Self::Controls).NotStored())

TzidCommandBarPopup::TzidCommandBarPopup(classlib::TCollection *Collection)
    : TzidCommandBarControl(Collection), controls_(std::make_unique<TzidCommandBarControls>(this)) {}

TzidCommandBarPopup::~TzidCommandBarPopup() {
    controlTypes_.clear();
    controls_.reset();
    popupInterface_.Reset();
}

void TzidCommandBarPopup::SetControls(TzidCommandBarControls *Value) {
    controls_->Assign(Value);
}

void TzidCommandBarPopup::SetControlInterface(classlib::ComPtr<CommandBarPopup> Control) {
    TzidCommandBarControl::SetControlInterface(Control ? Control.As<CommandBarControl>()
                                                       : classlib::ComPtr<CommandBarControl>());
    popupInterface_ = std::move(Control);
}

void TzidCommandBarPopup::BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) {
    SetControlInterface(Found ? Found.As<CommandBarPopup>() : classlib::ComPtr<CommandBarPopup>());
}

bool TzidCommandBarPopup::UpdateControl() {
    const int failures = ReportedFailures();
    const bool changed = TzidCommandBarControl::UpdateControl();
    if (popupInterface_ && changed && !Temporary() && ReportedFailures() == failures)
        SavePropertyChanged();
    return changed;
}

classlib::ComPtr<CommandBarControl> TzidCommandBarPopup::FindNested(TzidCommandBarControl &Control) const {
    TzidCOMAddInModule &module = *Module();
    CommandBar *bar = OwnerBar() != nullptr ? OwnerBar()->CommandBarInterface().Get() : nullptr;
    const long type = OfficeControlType(Control.GetControlType());
    classlib::ComPtr<CommandBarControl> found =
        module.FindBarControlByTag(bar, type, Control.StoredOfficeTag());
    if (!found)
        found = module.FindControlByTag(type, Control.StoredOfficeTag());
    if (!found && Control.StoredOfficeID() != 1)
        found = module.FindControlById(type, Control.StoredOfficeID());
    return found;
}

void TzidCommandBarPopup::AttachNestedControls() {
    TzidCOMAddInModule *module = Module();
    if (module == nullptr)
        return;
    for (int i = 0; i < controls_->Count(); ++i) {
        TzidCommandBarControl &control = *controls_->Items(i);
        classlib::ComPtr<CommandBarControl> found = FindNested(control);
        if (!found) {
            // The engine builds it; what it made is bound, not the empty search result.
            module->CreateControl(&control, OwnerBar(), this);
            found = control.ControlInterface() ? control.ControlInterface() : FindNested(control);
        }
        if (TzidCommandBarPopup *nested = control.AsCommandBarPopup()) {
            const int id = nested->StoredOfficeID();
            if (id != 1) {
                CommandBar *bar = OwnerBar() != nullptr ? OwnerBar()->CommandBarInterface().Get() : nullptr;
                found = module->FindBarControlById(bar, msoControlPopup, id);
                if (!found)
                    found = module->FindControlById(msoControlPopup, id);
            }
            nested->BindOfficeControl(found);
            if (nested->PopupInterface())
                nested->AttachNestedControls();
            continue;
        }
        control.BindOfficeControl(found);
    }
}

void TzidCommandBarPopup::DeleteControl(bool Temporary) {
    TzidCOMAddInModule *module = Module();
    CommandBar *bar = OwnerBar() != nullptr ? OwnerBar()->CommandBarInterface().Get() : nullptr;
    for (int i = controls_->Count() - 1; i >= 0 && module != nullptr; --i) {
        TzidCommandBarControl &control = *controls_->Items(i);
        const long type = OfficeControlType(control.GetControlType());
        classlib::ComPtr<CommandBarControl> found =
            module->FindBarControlByTag(bar, type, control.StoredOfficeTag());
        if (!found)
            found = module->FindControlByTag(type, control.StoredOfficeTag());
        // Bound by its kind, so that a nested popup deletes its own controls and itself as well.
        control.BindOfficeControl(found);
        if (control.ControlInterface())
            control.DeleteControl(Temporary);
    }
    if (!popupInterface_)
        return;
    try {
        long id = 0;
        classlib::OleCheck(popupInterface_->get_Id(&id));
        if (id == 1) {
            classlib::ComPtr<CommandBarControls> officeControls;
            classlib::OleCheck(popupInterface_->get_Controls(officeControls.Put()));
            long count = 0;
            classlib::OleCheck(officeControls->get_Count(&count));
            if (count == 0)
                classlib::OleCheck(popupInterface_->Delete(BoolArg(Temporary)));
        }
    } catch (...) {
        SetControlInterface(classlib::ComPtr<CommandBarPopup>());
        throw;
    }
    SetControlInterface(classlib::ComPtr<CommandBarPopup>());
}

void TzidCommandBarPopup::Assign(const classlib::TPersistent *Source) {
    TzidCommandBarControl::Assign(Source);
    const auto *source = dynamic_cast<const TzidCommandBarPopup *>(Source);
    if (source == nullptr)
        return;
    SetOfficeID(source->OfficeID());
    controls_->Assign(source->Controls());
}

void TzidCommandBarPopup::DefineProperties(classlib::TFiler &Filer) {
    TzidCommandBarControl::DefineProperties(Filer);
    DefineCommandBarControls(Filer, *controls_, controlTypes_);
}

} // namespace framework
