// The ribbon controls without children: button (also toggle button), check box, label, separator,
// menu separator and the group's dialog box launcher.
#pragma once
#include "framework/ribbon/RibbonControl.h"

namespace framework {

// How a button with IdMso is written: as "button" (the default) or as the generic "control".
enum TzidParseMsoXmlTypeAs : unsigned char { pxtDefault, pxtControl };
CLASSLIB_ENUM(TzidParseMsoXmlTypeAs, L"pxtDefault", L"pxtControl")

class TzidRibbonButton : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonButton)
public:
    explicit TzidRibbonButton(classlib::TCollection *Collection);

    std::wstring GetElementName() const override;
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctButton; }
    // Takes the host's pressed state, then fires OnClick.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    bool ToggleButton() const { return toggleButton_; }
    void SetToggleButton(bool Value) { toggleButton_ = Value; }
    TzidParseMsoXmlTypeAs ParseMsoXmlTypeAs() const { return parseMsoXmlTypeAs_; }
    void SetParseMsoXmlTypeAs(TzidParseMsoXmlTypeAs Value) { parseMsoXmlTypeAs_ = Value; }

    TzidRibbonOnClick OnClick;

private:
    // Inside a drop-down or gallery a button is a plain "button" whatever else it says.
    bool InListControl() const;

    bool toggleButton_ = false;
    TzidParseMsoXmlTypeAs parseMsoXmlTypeAs_ = pxtDefault;
};

class TzidRibbonCheckBox : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonCheckBox)
public:
    explicit TzidRibbonCheckBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return idMso_.empty() ? L"checkBox" : L"control"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctCheckBox; }
    void DoAction(const TzidRibbonActionArguments &Args) override;

    TzidRibbonOnClick OnClick;
};

class TzidRibbonLabel : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonLabel)
public:
    explicit TzidRibbonLabel(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return idMso_.empty() ? L"labelControl" : L"control"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctLabel; }
};

class TzidRibbonSeparator : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonSeparator)
public:
    explicit TzidRibbonSeparator(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"separator"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctSeparator; }
};

// A separator with a title line inside a menu; its title is its Caption.
class TzidRibbonMenuSeparator : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonMenuSeparator)
public:
    explicit TzidRibbonMenuSeparator(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"menuSeparator"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctMenuSeparator; }
    std::wstring GetTitle() const override { return caption_; }
};

// The small button in a group's corner; a group holds one at most, always as its last control.
class TzidRibbonDialogBoxLauncher : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonDialogBoxLauncher)
public:
    // Raises 31119 when Collection already holds a launcher.
    explicit TzidRibbonDialogBoxLauncher(classlib::TCollection *Collection);

    // The writer puts these attributes on the "button" inside the "dialogBoxLauncher" element.
    std::wstring GetElementName() const override { return L"dialogBoxLauncher"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctDialogBoxLauncher; }
    void DoAction(const TzidRibbonActionArguments &Args) override;

    TzidRibbonOnClick OnClick;
};

} // namespace framework
