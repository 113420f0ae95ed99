// The Backstage's buttons and check boxes: the fast command buttons beside the tabs, the buttons of
// menus and groups, and the check boxes and toggle buttons of groups and menus.
#pragma once
#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

class TzidBackstageAttributes;

// What every Backstage button has: a click that may close the Backstage view (IsDefinitive).
class TzidBackstageButtonBase : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageButtonBase)
public:
    std::wstring GetElementName() const override { return L"button"; }
    // Fires OnClick; a button keeps no state.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    bool IsDefinitive() const { return isDefinitive_; }
    void SetIsDefinitive(bool Value) { isDefinitive_ = Value; }

    TzidRibbonOnClick OnClick;

protected:
    using TzidRibbonCustomControl::TzidRibbonCustomControl;
    // ID, isDefinitive, getEnabled, getLabel, getVisible, getKeytip, the image, onAction.
    void ButtonAttributes(TzidBackstageAttributes &List) const;

private:
    bool isDefinitive_ = false;
};

// A button at the top level of the Backstage view, beside the tabs; it may stand for a built-in one.
class TzidBackstageFastCommandButton : public TzidBackstageButtonBase {
    CLASSLIB_CLASS(TzidBackstageFastCommandButton)
public:
    explicit TzidBackstageFastCommandButton(classlib::TCollection *Collection);

    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageFastCommandButton; }
};

class TzidBackstageMenuButton : public TzidBackstageButtonBase {
    CLASSLIB_CLASS(TzidBackstageMenuButton)
public:
    explicit TzidBackstageMenuButton(classlib::TCollection *Collection);

    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageMenuButton; }
};

class TzidBackstageRegularButton : public TzidBackstageButtonBase {
    CLASSLIB_CLASS(TzidBackstageRegularButton)
public:
    explicit TzidBackstageRegularButton(classlib::TCollection *Collection);

    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageRegularButton; }

protected:
    // For a class built on this one, which enters itself in the module's id list (once).
    TzidBackstageRegularButton(classlib::TCollection *Collection, bool EnterIds);
};

// A button of a group's items, with a layout of its own.
class TzidBackstageGroupButton : public TzidBackstageRegularButton {
    CLASSLIB_CLASS(TzidBackstageGroupButton)
public:
    explicit TzidBackstageGroupButton(classlib::TCollection *Collection);

    // As a group's primary item it is written as the plain button the host takes there.
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageGroupButton; }

    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }
    TzidBackstageGroupButtonStyle Style() const { return style_; }
    void SetStyle(TzidBackstageGroupButtonStyle Value) { style_ = Value; }

private:
    TzidBackstageControlExpandStyle expand_ = ceNeither;
    TzidBackstageGroupButtonStyle style_ = gbsNormal;
};

// What every Backstage check box has: the pressed state the host reports, and OnClick.
class TzidBackstageCheckBoxBase : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageCheckBoxBase)
public:
    // Keeps the host's pressed state, then fires OnClick.
    void DoAction(const TzidRibbonActionArguments &Args) override;

    TzidRibbonOnClick OnClick;

protected:
    using TzidRibbonCustomControl::TzidRibbonCustomControl;
    // ID, getPressed, getEnabled, getLabel, getVisible, getKeytip, onAction.
    void CheckBoxAttributes(TzidBackstageAttributes &List) const;
};

class TzidBackstageCheckBox : public TzidBackstageCheckBoxBase {
    CLASSLIB_CLASS(TzidBackstageCheckBox)
public:
    explicit TzidBackstageCheckBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"checkBox"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageCheckBox; }

    TzidBackstageControlExpandStyle Expand() const { return expand_; }
    void SetExpand(TzidBackstageControlExpandStyle Value) { expand_ = Value; }

private:
    TzidBackstageControlExpandStyle expand_ = ceNeither;
};

class TzidBackstageMenuCheckBox : public TzidBackstageCheckBoxBase {
    CLASSLIB_CLASS(TzidBackstageMenuCheckBox)
public:
    explicit TzidBackstageMenuCheckBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"checkBox"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageMenuCheckBox; }

protected:
    // For a class built on this one, which enters itself in the module's id list (once).
    TzidBackstageMenuCheckBox(classlib::TCollection *Collection, bool EnterIds);
};

class TzidBackstageMenuToggleButton : public TzidBackstageMenuCheckBox {
    CLASSLIB_CLASS(TzidBackstageMenuToggleButton)
public:
    explicit TzidBackstageMenuToggleButton(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"toggleButton"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageMenuToggleButton; }
};

} // namespace framework
