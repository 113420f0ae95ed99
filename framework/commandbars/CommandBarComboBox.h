// The list controls of a command bar: an edit box, a drop-down list and a combo box, over their common
// base TzidCustomCommandBarComboBox (never placed itself). Their items and text follow the rule of
// the controls; a change of the bound Office control fires OnChange through DoAction.
#pragma once
#include <memory>

#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarStrings.h"

namespace framework {

class TzidCustomCommandBarComboBox : public TzidCommandBarControl {
    CLASSLIB_CLASS(TzidCustomCommandBarComboBox)
public:
    explicit TzidCustomCommandBarComboBox(classlib::TCollection *Collection);
    // Withdraws the Office events and lets go of the Office control.
    ~TzidCustomCommandBarComboBox() override;

    // ---- properties (live ones over ComboBoxInterface) ----
    int DropdownLines() const; // 0: Office's own
    void SetDropdownLines(int Value);
    int DropdownWidth() const; // 0: Office's own
    void SetDropdownWidth(int Value);
    int ListHeaderCount() const; // -1: Office's own
    void SetListHeaderCount(int Value);
    int ListIndex() const; // 0: Office's own
    void SetListIndex(int Value);
    TzidMsoComboStyle Style() const;
    void SetStyle(TzidMsoComboStyle Value);
    std::wstring Text() const;
    void SetText(const std::wstring &Value);
    // The entries; a change made through the list refills the bound Office list (ItemsChange).
    TzidStrings *Items() const { return items_.get(); }
    // Copies the entries, then refills the bound Office list; Office failures reach the caller.
    void SetItems(TzidStrings *Value);
    TzidNotifyEvent OnChange;

    // ---- the live control ----
    const classlib::ComPtr<_CommandBarComboBox> &ComboBoxInterface() const { return comboBoxInterface_; }
    using TzidCommandBarControl::SetControlInterface;
    // Binds the Office control (null unbinds); the Office events follow the binding.
    void SetControlInterface(classlib::ComPtr<_CommandBarComboBox> Control);
    void BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) override;
    const TzidControlEvents &Events() const { return events_; }

    // The inherited refresh, then style, sizes, text (not for a drop-down list or a disabled control),
    // entries, index and header count; failures of Clear and AddItem reach the caller.
    bool UpdateControl() override;
    // Fires OnChange as a handler call of the control; what it raises goes to the module's DoError.
    void DoAction() override;
    void Assign(const classlib::TPersistent *Source) override;

protected:
    // The items changed: the bound Office list is cleared and refilled. A Clear that fails (the Office
    // control no longer answers) makes the control look itself up again by its tag and try once more.
    void ItemsChange(classlib::TObject *Sender);

private:
    void FillOfficeList();

    TzidControlEvents events_;
    std::unique_ptr<TzidStrings> items_;
    int dropdownLines_ = 0;
    int dropdownWidth_ = 0;
    int listHeaderCount_ = -1;
    int listIndex_ = 0;
    TzidMsoComboStyle style_ = zidMsoComboNormal;
    std::wstring text_;
    classlib::ComPtr<_CommandBarComboBox> comboBoxInterface_;
};

class TzidCommandBarEdit : public TzidCustomCommandBarComboBox {
    CLASSLIB_CLASS(TzidCommandBarEdit)
public:
    using TzidCustomCommandBarComboBox::TzidCustomCommandBarComboBox;
    TzidCommandBarControlType GetControlType() const override { return cctEdit; }
};

class TzidCommandBarDropDownList : public TzidCustomCommandBarComboBox {
    CLASSLIB_CLASS(TzidCommandBarDropDownList)
public:
    using TzidCustomCommandBarComboBox::TzidCustomCommandBarComboBox;
    TzidCommandBarControlType GetControlType() const override { return cctDropdownList; }
    void Assign(const classlib::TPersistent *Source) override;
};

class TzidCommandBarComboBox : public TzidCustomCommandBarComboBox {
    CLASSLIB_CLASS(TzidCommandBarComboBox)
public:
    using TzidCustomCommandBarComboBox::TzidCustomCommandBarComboBox;
    TzidCommandBarControlType GetControlType() const override { return cctComboBox; }
    void Assign(const classlib::TPersistent *Source) override;
};

} // namespace framework
