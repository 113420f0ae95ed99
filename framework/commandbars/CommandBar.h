// TzidCustomCommandBar: one Office command bar of the add-in module (a toolbar, a menu bar or the
// host's "Menu Bar"), placed on the module's form and owned by the module. It carries the bar's
// design and its controls; while the add-in is connected it may be bound to the live Office bar of
// its name, and then its properties follow the rule of the controls (stored in fields, read from and
// written through to Office, Office failures to DoError). TzidCommandBar publishes it.
//
// The bar's record under the add-in key's "\CommandBars" (value name = CommandBarName) holds its
// PropertyChanged at the last UpdateBar; equal numbers keep the user's own changes to the Office bar.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/Component.h"
#include "framework/commandbars/CommandBarKinds.h"
#include "framework/core/HostApps.h"
#include "office/office.h"

namespace framework {

class TzidCOMAddInModule;
class TzidCommandBarControls;
class TzidCommandBarControl;

class TzidCustomCommandBar : public classlib::TComponent {
    CLASSLIB_CLASS(TzidCustomCommandBar)
public:
    // AOwner must be an add-in module (31112 otherwise); the bar joins the module's CommandBarList
    // and supports the module's hosts.
    explicit TzidCustomCommandBar(classlib::TComponent *AOwner);
    // Leaves the module's list and lets go of the Office bar without deleting it.
    ~TzidCustomCommandBar() override;

    TzidCOMAddInModule *AddInModule() const { return addInModule_; }

    // ---- properties ----
    TzidHostAppSet SupportedApps() const { return supportedApps_; }
    virtual void SetSupportedApps(TzidHostAppSet Value) { supportedApps_ = Value; }
    TzidCommandBarControls *Controls() const { return controls_.get(); }
    // Copies the given controls (each into a new control of its own kind).
    void SetControls(TzidCommandBarControls *Value);
    bool Enabled() const;
    void SetEnabled(bool Value);
    int CommandBarLeft() const; // -1: Office's own
    void SetCommandBarLeft(int Value);
    std::wstring CommandBarName() const;
    // The design's name, which names the bar's record too.
    const std::wstring &StoredCommandBarName() const { return commandBarName_; }
    // Refuses "" (31101); also names NameLocal when that is still empty.
    void SetCommandBarName(const std::wstring &Value);
    std::wstring NameLocal() const;
    void SetNameLocal(const std::wstring &Value);
    TzidMsoBarPosition Position() const;
    // A bar holding an advanced control can be neither a popup nor a menu bar (31114).
    void SetPosition(TzidMsoBarPosition Value);
    int RowIndex() const; // -1: Office's own
    void SetRowIndex(int Value);
    TzidMsoBarProtection Protection() const;
    // A bar holding an advanced control keeps zidMsoBarNoChangeDock (31115).
    void SetProtection(TzidMsoBarProtection Value);
    int CommandBarTop() const; // -1: Office's own
    void SetCommandBarTop(int Value);
    bool Visible() const;
    void SetVisible(bool Value);
    bool Temporary() const { return temporary_; }
    void SetTemporary(bool Value);
    bool UseForRibbon() const { return useForRibbon_; }
    void SetUseForRibbon(bool Value) { useForRibbon_ = Value; }
    // The Office bar is one of the host's own; false while unbound.
    bool BuiltIn() const;

    int PropertyChanged() const { return propertyChanged_; }
    void SetPropertyChanged(int Value) { propertyChanged_ = Value; }

    // ---- the live bar ----
    const classlib::ComPtr<CommandBar> &CommandBarInterface() const { return commandBarInterface_; }
    void SetCommandBarInterface(classlib::ComPtr<CommandBar> Value) {
        commandBarInterface_ = std::move(Value);
    }
    // The add-in key's "\CommandBars" of the connected host.
    std::wstring CommandBarsKey() const;
    // Applies the stored design to the bound bar when it changed since the last build (or is
    // temporary, or new in Office, or the host is Access), and records it when every write of it
    // succeeded.
    void UpdateBar();
    // Set while the build fills a bar it has just added to Office although the bar's records tell of
    // an earlier build (Office lost the bar: Word's normal template was not saved or was reset, or
    // the user deleted the bar): its design and every control are pushed whatever the records say.
    bool NewInOffice() const noexcept { return newInOffice_; }
    void SetNewInOffice(bool Value) noexcept { newInOffice_ = Value; }
    // Whether the module has built the bar once in this connection: the first start's build adds the
    // controls in order and places none, a later build adds only what is missing and places it.
    bool BuiltBefore() const noexcept { return builtBefore_; }
    void SetBuiltBefore(bool Value) noexcept { builtBefore_ = Value; }
    // Binds the bar and its controls in the current host window, building missing controls.
    void Reconnect();
    // Office's control that a control placed by Id stands for on this bar; null when there is none.
    classlib::ComPtr<CommandBarControl> FindPlacedOfficeControl(const TzidCommandBarControl &Control) const;
    // Deletes the bar's controls from the host for good, then the bar (DeleteBar).
    void RemoveControls();
    // Deletes the bound bar when it is no built-in bar and holds no controls; unbinds in any case.
    void DeleteBar();

    // "ButtonTypes", "Buttons" and "PropertyChanged", all always written.
    void DefineProperties(classlib::TFiler &Filer) override;

protected:
    // An advanced control whose visual control goes away loses it.
    void Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) override;
    void IncPropertyChanged();
    void ReportError(const classlib::Exception &E) const noexcept;
    bool HoldsAdvancedControl() const;

private:
    template <class V, class P> V ReadLive(const V &Field, const V &Failed, const P &Prop) const;
    template <class V, class P> void WriteLive(V &Field, const V &Value, const P &Prop);
    bool RecordDiffers(const std::wstring &Key) const;
    void WriteRecord(const std::wstring &Key) const;

    TzidCOMAddInModule *addInModule_;
    bool enabled_ = true;
    bool visible_ = true;
    int commandBarLeft_ = -1;
    std::wstring commandBarName_;
    std::wstring nameLocal_;
    TzidMsoBarPosition position_ = zidMsoBarTop;
    int rowIndex_ = -1;
    TzidMsoBarProtection protection_ = zidMsoBarNoProtection;
    int commandBarTop_ = -1;
    bool temporary_ = false;
    std::vector<TzidCommandBarControlType> buttonTypes_;
    std::unique_ptr<TzidCommandBarControls> controls_;
    classlib::ComPtr<CommandBar> commandBarInterface_;
    int propertyChanged_ = 0;
    mutable int reportedFailures_ = 0;
    bool newInOffice_ = false;
    bool builtBefore_ = false;
    TzidHostAppSet supportedApps_;
    bool useForRibbon_ = false;
};

// The form's command bar: publishes the design.
class TzidCommandBar : public TzidCustomCommandBar {
    CLASSLIB_CLASS(TzidCommandBar)
public:
    using TzidCustomCommandBar::TzidCustomCommandBar;
};

} // namespace framework
