// The ribbon controls that take text or offer a choice: edit box, combo box, drop-down and gallery,
// and the items of the last three.
#pragma once
#include <memory>

#include "framework/ribbon/RibbonControl.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

// Longest text an edit or combo box can be limited to; a limit outside 1..1024 is not written.
constexpr int zidMaxTextLength = 1024;

class TzidRibbonEditBox : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonEditBox)
public:
    explicit TzidRibbonEditBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return idMso_.empty() ? L"editBox" : L"control"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctEditBox; }
    // Takes the host's text, then fires OnChange.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = Value; }
    const std::wstring &SizeString() const { return sizeString_; }
    void SetSizeString(const std::wstring &Value) { sizeString_ = Value; }

    TzidRibbonOnChange OnChange;

protected:
    int maxLength_ = 0;
    std::wstring sizeString_;
};

class TzidRibbonComboBox : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonComboBox)
public:
    explicit TzidRibbonComboBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return idMso_.empty() ? L"comboBox" : L"control"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctComboBox; }
    TzidRibbonControls *GetItems() const override { return items_.get(); }
    void DoAction(const TzidRibbonActionArguments &Args) override;
    // Questions about an item go to OnItemPropertyChanging, the others to OnPropertyChanging.
    void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                            IDispatch *Context, int Index) override;

    TzidRibbonItems *Items() const { return items_.get(); }
    void SetItems(TzidRibbonItems *Value);
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int Value) { maxLength_ = Value; }
    const std::wstring &SizeString() const { return sizeString_; }
    void SetSizeString(const std::wstring &Value) { sizeString_ = Value; }

    TzidRibbonOnChange OnChange;
    TzidRibbonItemPropertyChanging OnItemPropertyChanging;

private:
    std::unique_ptr<TzidRibbonItems> items_;
    int maxLength_ = 0;
    std::wstring sizeString_;
};

// What drop-down and gallery share: items to choose from, up to 16 buttons below them, the choice.
class TzidRibbonListControl : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonListControl)
public:
    TzidRibbonControls *GetItems() const override { return items_.get(); }
    TzidRibbonControls *GetControls() const override { return controls_.get(); }
    // Takes the host's choice, then fires OnChange.
    void DoAction(const TzidRibbonActionArguments &Args) override;
    void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                            IDispatch *Context, int Index) override;

    TzidRibbonItems *Items() const { return items_.get(); }
    void SetItems(TzidRibbonItems *Value);
    TzidRibbonControls *Controls() const { return controls_.get(); }
    void SetControls(TzidRibbonControls *Value);
    bool ShowItemCaption() const { return showItemCaption_; }
    void SetShowItemCaption(bool Value) { showItemCaption_ = Value; }

    TzidRibbonOnChange OnChange;
    TzidRibbonItemPropertyChanging OnItemPropertyChanging;

protected:
    explicit TzidRibbonListControl(classlib::TCollection *Collection);
    ~TzidRibbonListControl() override;

    bool showItemCaption_ = true;

private:
    std::unique_ptr<TzidRibbonItems> items_;
    std::unique_ptr<TzidRibbonControls> controls_;
};

class TzidRibbonDropDown : public TzidRibbonListControl {
    CLASSLIB_CLASS(TzidRibbonDropDown)
public:
    explicit TzidRibbonDropDown(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return idMso_.empty() ? L"dropDown" : L"control"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctDropDown; }

    const std::wstring &SizeString() const { return sizeString_; }
    void SetSizeString(const std::wstring &Value) { sizeString_ = Value; }

private:
    std::wstring sizeString_;
};

class TzidRibbonGallery : public TzidRibbonListControl {
    CLASSLIB_CLASS(TzidRibbonGallery)
public:
    explicit TzidRibbonGallery(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return idMso_.empty() ? L"gallery" : L"control"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctGallery; }

    // Columns and rows take 1..1024 only; other values leave the old one.
    int Columns() const { return columns_; }
    void SetColumns(int Value);
    int Rows() const { return rows_; }
    void SetRows(int Value);

private:
    int columns_ = 1;
    int rows_ = 1;
};

// An entry of a combo box, drop-down or gallery; the host reads it through its owner's callbacks.
class TzidRibbonItem : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonItem)
public:
    explicit TzidRibbonItem(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"item"; }
    TzidRibbonControlType GetControlType() const override { return rctItem; }
    std::wstring GetDisplayName() const override { return ClassName(); }

protected:
    void AppearanceChanged() override;
};

} // namespace framework
