// TzidCommandBarControl: the base of every item the add-in places on an Office command bar. An item
// is a design streamed from the module's form; while the add-in runs it may be bound to one live
// Office control. Each property is kept in a field: the getter answers Office's value while bound,
// the setter stores the value and writes it to Office only where Office's value differs. A failing
// Office call inside an accessor goes to the module's DoError and the accessor returns normally (a
// setter keeps the new value, a number or flag reads as the stored one, a text as "").
//
// "PropertyChanged" counts design-time edits. The controls record it under the add-in key's
// "\Controls" (value name = OfficeTag) once they have pushed a changed design to Office; equal
// numbers mean the user's own changes to the Office control are kept.
#pragma once
#include <string>

#include "classlib/Collection.h"
#include "classlib/ComPtr.h"
#include "framework/commandbars/CommandBarKinds.h"
#include "framework/commandbars/OfficeAccess.h"
#include "office/office.h"

namespace framework {

class TzidCOMAddInModule;
class TzidCustomCommandBar;
class TzidCommandBarControls;
class TzidCommandBarButton;
class TzidCommandBarPopup;

class TzidCommandBarControl : public classlib::TCollectionItem {
    CLASSLIB_CLASS(TzidCommandBarControl)
public:
    // Joins Collection, then takes its defaults: a new GUID as OfficeTag, the bar at the root of the
    // owner chain as OwnerBar, that bar's Temporary and (for an Outlook bar) its item types.
    explicit TzidCommandBarControl(classlib::TCollection *Collection);
    // Lets go of the Office control without deleting it.
    ~TzidCommandBarControl() override;

    // ---- published properties ----
    bool BeginGroup() const;
    void SetBeginGroup(bool Value);
    bool Enabled() const;
    // In Outlook a written Enabled is followed by a width change, so that Outlook repaints the control.
    void SetEnabled(bool Value);
    bool Visible() const;
    void SetVisible(bool Value);
    virtual std::wstring Caption() const;
    virtual void SetCaption(const std::wstring &Value);
    std::wstring DescriptionText() const;
    void SetDescriptionText(const std::wstring &Value);
    int Height() const;
    void SetHeight(int Value);
    virtual int HelpContextID() const;
    virtual void SetHelpContextID(int Value);
    virtual std::wstring HelpFile() const;
    virtual void SetHelpFile(const std::wstring &Value);
    std::wstring Parameter() const;
    void SetParameter(const std::wstring &Value);
    int Priority() const;
    void SetPriority(int Value);
    // Office's Id while bound; the setter only stores (1 = a custom control).
    virtual int OfficeID() const;
    virtual void SetOfficeID(int Value);
    // The control's identity in the host (Office Tag).
    std::wstring OfficeTag() const;
    void SetOfficeTag(const std::wstring &Value);
    virtual std::wstring TooltipText() const;
    virtual void SetTooltipText(const std::wstring &Value);
    int Width() const;
    void SetWidth(int Value);
    // Placement: Before is a 1-based position (0 = append); BeforeID and AfterID name Office ids.
    int AfterID() const { return afterID_; }
    void SetAfterID(int Value);
    int Before() const { return before_; }
    void SetBefore(int Value);
    int BeforeID() const { return beforeID_; }
    void SetBeforeID(int Value);
    bool Temporary() const { return temporary_; }
    void SetTemporary(bool Value);
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    // The Outlook item-type filter of the control (read by the Outlook bars).
    TzidOLItemTypeAction olItemTypeAction = zidOLActionNone;
    TzidOLItemTypes olExplorerItemTypes{zidOLMailItem};
    TzidOLItemClasses olInspectorItemTypes{zidOLMail};

    // ---- the live control ----
    const classlib::ComPtr<CommandBarControl> &ControlInterface() const { return controlInterface_; }
    // Binds the Office control (null unbinds) without touching the kind's own interface.
    void SetControlInterface(classlib::ComPtr<CommandBarControl> Control);
    // Binds Found through the kind's own path (a button as _CommandBarButton, a list control as
    // _CommandBarComboBox, a popup as CommandBarPopup); null unbinds. Found must be of the kind's
    // Office interface (E_NOINTERFACE otherwise).
    virtual void BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found);
    virtual TzidCommandBarControlType GetControlType() const { return cctControl; }
    // Re-applies the design to the bound Office control when it changed since the last build (or
    // is temporary, or the host is Access) and places it; answers whether it counted as changed.
    // Failures of Move and FindControl reach the caller.
    virtual bool UpdateControl();
    // Performs the control's action when Office reports it; the base has none (EAbstractError).
    virtual void DoAction();
    // Deletes the bound Office control (Office Delete(Temporary)) and unbinds; a failing Delete
    // reaches the caller with the control still bound.
    virtual void DeleteControl(bool Temporary);
    // 1 while unbound, else Office's Index.
    int OfficeIndex() const;
    // The Office bar holding the bound control; null while unbound.
    classlib::ComPtr<CommandBar> OfficeParent() const;

    TzidCommandBarButton *AsCommandBarButton();
    TzidCommandBarPopup *AsCommandBarPopup();
    TzidCustomCommandBar *OwnerBar() const { return ownerBar_; }
    // The module of OwnerBar; null for a control outside any bar.
    TzidCOMAddInModule *Module() const;
    // The collection the control lies in.
    TzidCommandBarControls *OwnerCollection() const;

    // The design's values, whatever the bound Office control says.
    const std::wstring &StoredOfficeTag() const { return officeTag_; }
    int StoredOfficeID() const { return officeID_; }
    bool StoredEnabled() const { return enabled_; }
    const std::wstring &StoredCaption() const { return caption_; }
    const std::wstring &StoredParameter() const { return parameter_; }

    int PropertyChanged() const { return propertyChanged_; }
    void SetPropertyChanged(int Value) { propertyChanged_ = Value; }
    // Whether the design differs from the one recorded under Key (absolute below HKEY_CURRENT_USER):
    // true when the key cannot be opened or holds no number for OfficeTag.
    bool PropertiesChanged(const std::wstring &Key) const;
    // Records PropertyChanged under the add-in key's "\Controls" (nothing when it cannot be opened).
    void SavePropertyChanged() const;
    // The add-in key's "\Controls" of the connected host.
    std::wstring ControlsKey() const;
    // How many Office failures of this control went to DoError so far: a design is recorded only when
    // none came while it was pushed, so that the next build pushes it again.
    int ReportedFailures() const noexcept { return reportedFailures_; }

    // Copies another control's design through the setters (a bound control is updated).
    void Assign(const classlib::TPersistent *Source) override;
    // "Anhang zippen (TzidCommandBarButton)".
    std::wstring GetDisplayName() const override;
    // Moves the control; every control of the collection counts a design change.
    void SetIndex(int Index) override;
    // The hidden "PropertyChanged", always written.
    void DefineProperties(classlib::TFiler &Filer) override;

protected:
    // A design-time edit (the bar is in a designer): PropertyChanged counts up. Nothing at run time.
    void IncPropertyChanged();
    // An Office failure inside an accessor: to the module's DoError (traced when there is none).
    void ReportError(const classlib::Exception &E) const noexcept;

    // The live-property rule over interface I (null while unbound), for a property P with Read/Write.
    template <class I, class V, class P>
    V ReadLive(I *Iface, const V &Field, const V &Failed, const P &Prop) const {
        if (Iface == nullptr)
            return Field;
        try {
            return Prop.Read(Iface);
        } catch (const classlib::Exception &E) {
            ReportError(E);
            return Failed;
        }
    }
    // Stores Value, writes it when Office's value differs; answers whether Office was written.
    template <class I, class V, class P> bool WriteLive(I *Iface, V &Field, const V &Value, const P &Prop) {
        Field = Value;
        bool written = false;
        if (Iface != nullptr) {
            try {
                if (!(Prop.Read(Iface) == Value)) {
                    Prop.Write(Iface, Value);
                    written = true;
                }
            } catch (const classlib::Exception &E) {
                ReportError(E);
            }
        }
        IncPropertyChanged();
        return written;
    }
    void StoreChange(int &Field, int Value);

private:
    friend class TzidCommandBarControls; // AddControl stores the tag before the control is bound

    // Office's placement of the bound control.
    void PlaceControl();
    classlib::ComPtr<CommandBar> PlacementBar() const;
    void MoveBefore(long Before);

    int tag_ = 0;
    int propertyChanged_ = 0;
    mutable int reportedFailures_ = 0;
    classlib::ComPtr<CommandBarControl> controlInterface_;
    bool beginGroup_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::wstring caption_;
    std::wstring descriptionText_;
    int height_ = 0;
    int helpContextID_ = 0;
    std::wstring helpFile_;
    std::wstring parameter_;
    int priority_ = 0;
    std::wstring officeTag_;
    std::wstring tooltipText_;
    int width_ = 0;
    TzidCustomCommandBar *ownerBar_ = nullptr;
    bool temporary_ = false;
    int afterID_ = 0;
    int before_ = 0;
    int beforeID_ = 0;
    int officeID_ = 1;
};

} // namespace framework
