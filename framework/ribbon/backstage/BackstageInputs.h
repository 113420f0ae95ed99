// The Backstage controls that take text or offer a choice: edit box, combo box, drop-down and radio
// group, with the items of the last three. The host learns the items through their control's item
// callbacks; they are never written as elements of their own.
#pragma once
#include <memory>

#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

class TzidBackstageAttributes;
class TzidBackstageItems;

// What every text or choice control has: the alignment of its label, its growth, OnChange.
class TzidBackstageInput : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageInput)
public:
    TzidBackstageContentAlignmentStyle TextAlign() const { return textAlign_; }
    void SetTextAlign(TzidBackstageContentAlignmentStyle Value) { textAlign_ = Value; }
    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }
    const std::wstring &SizeString() const { return sizeString_; }
    void SetSizeString(const std::wstring &Value) { sizeString_ = Value; }

    TzidRibbonOnChange OnChange;

protected:
    using TzidRibbonCustomControl::TzidRibbonCustomControl;

    std::wstring sizeString_;

private:
    TzidBackstageContentAlignmentStyle textAlign_ = caTopLeft;
    TzidBackstageControlExpandStyle expand_ = ceNeither;
};

class TzidBackstageEditBox : public TzidBackstageInput {
    CLASSLIB_CLASS(TzidBackstageEditBox)
public:
    explicit TzidBackstageEditBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"editBox"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageEditBox; }
    // Keeps the host's text, then fires OnChange.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    // Written only when it lies in 1..1024.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = Value; }

private:
    int maxLength_ = 0;
};

// Combo box, drop-down and radio group: their items, and the item questions of the host's callbacks.
class TzidBackstageChoice : public TzidBackstageInput {
    CLASSLIB_CLASS(TzidBackstageChoice)
public:
    TzidRibbonControls *GetItems() const override;
    // An item's id and label go to OnItemPropertyChanging, every other question to OnPropertyChanging.
    void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                            IDispatch *Context, int Index) override;

    TzidBackstageItems *Items() const { return items_.get(); }
    void SetItems(TzidBackstageItems *Value);

    TzidRibbonItemPropertyChanging OnItemPropertyChanging;

protected:
    explicit TzidBackstageChoice(classlib::TCollection *Collection);
    ~TzidBackstageChoice() override;
    // getItemCount, getItemID, getItemLabel.
    void ItemCallbacks(TzidBackstageAttributes &List) const;

private:
    std::unique_ptr<TzidBackstageItems> items_;
};

class TzidBackstageComboBox : public TzidBackstageChoice {
    CLASSLIB_CLASS(TzidBackstageComboBox)
public:
    explicit TzidBackstageComboBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"comboBox"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageComboBox; }
    // Keeps the host's text, then fires OnChange.
    void DoAction(const TzidRibbonActionArguments &Args) override;
};

// Drop-down and radio group: the host reports a selection.
class TzidBackstageSelection : public TzidBackstageChoice {
    CLASSLIB_CLASS(TzidBackstageSelection)
public:
    // Keeps the host's selected item (id and index), then fires OnChange.
    void DoAction(const TzidRibbonActionArguments &Args) override;

protected:
    using TzidBackstageChoice::TzidBackstageChoice;
};

class TzidBackstageDropDown : public TzidBackstageSelection {
    CLASSLIB_CLASS(TzidBackstageDropDown)
public:
    explicit TzidBackstageDropDown(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"dropDown"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageDropDown; }
};

class TzidBackstageRadioGroup : public TzidBackstageSelection {
    CLASSLIB_CLASS(TzidBackstageRadioGroup)
public:
    explicit TzidBackstageRadioGroup(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"radioGroup"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageRadioGroup; }
};

// An entry of a combo box, drop-down or radio group.
class TzidBackstageItem : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageItem)
public:
    explicit TzidBackstageItem(classlib::TCollection *Collection);

    // "radioButton" in a radio group, "item" elsewhere.
    std::wstring GetElementName() const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageItem; }
    std::wstring GetDisplayName() const override { return ClassName(); }

protected:
    // The control that shows the item asks the host to re-query it.
    void AppearanceChanged() override;
};

// The items of a combo box, drop-down or radio group.
class TzidBackstageItems : public TzidRibbonItems {
    CLASSLIB_CLASS(TzidBackstageItems)
public:
    TzidBackstageItems(classlib::TPersistent *Owner, int MaxCount);

protected:
    // The control that shows the items re-queries them after every change.
    void Update(classlib::TCollectionItem *Item) override;
};

} // namespace framework
