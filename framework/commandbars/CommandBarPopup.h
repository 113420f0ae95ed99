// TzidCommandBarPopup: a submenu on an Office command bar, holding controls of its own (nested popups
// included). Forms stream its controls as a bar's: "ButtonTypes" and "Buttons".
#pragma once
#include <memory>
#include <vector>

#include "framework/commandbars/CommandBarControl.h"

namespace framework {

class TzidCommandBarPopup : public TzidCommandBarControl {
    CLASSLIB_CLASS(TzidCommandBarPopup)
public:
    explicit TzidCommandBarPopup(classlib::TCollection *Collection);
    // Frees the nested controls and lets go of the Office popup.
    ~TzidCommandBarPopup() override;

    TzidCommandBarControls *Controls() const { return controls_.get(); }
    // Copies the given controls (each into a new control of its own kind).
    void SetControls(TzidCommandBarControls *Value);

    const classlib::ComPtr<CommandBarPopup> &PopupInterface() const { return popupInterface_; }
    using TzidCommandBarControl::SetControlInterface;
    // Binds the Office popup (null unbinds); a popup carries no events.
    void SetControlInterface(classlib::ComPtr<CommandBarPopup> Control);
    void BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) override;
    // Binds each nested control to its Office control (in the owning bar first, then in all bars,
    // then by Office id), has the missing ones built, and goes down into nested popups.
    void AttachNestedControls();

    TzidCommandBarControlType GetControlType() const override { return cctPopup; }
    // The inherited refresh; a changed, bound, lasting popup is recorded.
    bool UpdateControl() override;
    void DoAction() override {}
    // Deletes the nested Office controls (last first), then the Office popup when it is the add-in's
    // own and has become empty; a built-in popup, and one still holding controls, stay.
    void DeleteControl(bool Temporary) override;

    void Assign(const classlib::TPersistent *Source) override;
    void DefineProperties(classlib::TFiler &Filer) override;

private:
    // The nested control's Office control, by the searches of AttachNestedControls.
    classlib::ComPtr<CommandBarControl> FindNested(TzidCommandBarControl &Control) const;

    std::unique_ptr<TzidCommandBarControls> controls_;
    std::vector<TzidCommandBarControlType> controlTypes_;
    classlib::ComPtr<CommandBarPopup> popupInterface_;
};

} // namespace framework
