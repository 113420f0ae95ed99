// The ribbon controls that hold other controls: group, box, button group, menu and split button.
#pragma once
#include <memory>
#include <vector>

#include "framework/ribbon/RibbonControl.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

using TNotifyEvent = classlib::TEvent<void(classlib::TObject *Sender)>;

enum TzidRibbonXBoxStyle : unsigned char { bsHorizontal, bsVertical };
CLASSLIB_ENUM(TzidRibbonXBoxStyle, L"bsHorizontal", L"bsVertical")

enum TzidRibbonXItemSize : unsigned char { isNormal, isLarge };
CLASSLIB_ENUM(TzidRibbonXItemSize, L"isNormal", L"isLarge")

// A container whose children may be of different classes: forms carry them as "ControlTypes" (their
// class codes) and "Controls_" (the children), after the properties every control defines.
class TzidRibbonContainer : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonContainer)
public:
    TzidRibbonControls *Controls() const { return controls_.get(); }
    // Copies Value's controls into the container's own collection.
    void SetControls(TzidRibbonControls *Value);
    TzidRibbonControls *GetControls() const override { return controls_.get(); }
    void DefineProperties(classlib::TFiler &Filer) override;

protected:
    TzidRibbonContainer(classlib::TCollection *Collection, int MaxCount);
    ~TzidRibbonContainer() override;

private:
    std::unique_ptr<TzidRibbonControls> controls_;
    // The class codes of the last "ControlTypes" read, for the "Controls_" that follows.
    std::vector<TzidRibbonControlType> streamedTypes_;
};

class TzidRibbonGroup : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidRibbonGroup)
public:
    explicit TzidRibbonGroup(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"group"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctGroup; }

    bool Shared() const { return shared_; }
    void SetShared(bool Value) { shared_ = Value; }
    // Written only into documents of the 2009 namespace.
    bool AutoScale() const { return autoScale_; }
    void SetAutoScale(bool Value) { autoScale_ = Value; }
    bool CenterVertically() const { return centerVertically_; }
    void SetCenterVertically(bool Value) { centerVertically_ = Value; }

private:
    bool shared_ = false;
    bool autoScale_ = false;
    bool centerVertically_ = false;
};

class TzidRibbonBox : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidRibbonBox)
public:
    explicit TzidRibbonBox(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"box"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBox; }

    TzidRibbonXBoxStyle BoxStyle() const { return boxStyle_; }
    void SetBoxStyle(TzidRibbonXBoxStyle Value) { boxStyle_ = Value; }
    bool Shared() const { return shared_; }
    void SetShared(bool Value) { shared_ = Value; }

private:
    TzidRibbonXBoxStyle boxStyle_ = bsHorizontal;
    bool shared_ = false;
};

class TzidRibbonButtonGroup : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidRibbonButtonGroup)
public:
    explicit TzidRibbonButtonGroup(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"buttonGroup"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctButtonGroup; }

    bool Shared() const { return shared_; }
    void SetShared(bool Value) { shared_ = Value; }

private:
    bool shared_ = false;
};

// A menu, or with Dynamic a menu whose content the host fetches when it opens (GetDynamicContent).
class TzidRibbonMenu : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidRibbonMenu)
public:
    explicit TzidRibbonMenu(classlib::TCollection *Collection);

    std::wstring GetElementName() const override;
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctMenu; }
    // Fires OnCreate, then writes the menu's controls as a "menu" document for the host's getContent.
    std::wstring GetDynamicContent() override;

    bool Dynamic() const { return dynamic_; }
    // A split button's menu cannot be dynamic: there the value is not taken.
    void SetDynamic(bool Value);
    TzidRibbonXItemSize ItemSize() const { return itemSize_; }
    void SetItemSize(TzidRibbonXItemSize Value) { itemSize_ = Value; }

    // Fired before the menu's controls are written, so the application can fill them.
    TNotifyEvent OnCreate;

private:
    bool dynamic_ = false;
    TzidRibbonXItemSize itemSize_ = isNormal;
};

// A button with a menu: written with an inner button (id + "wrapped") and up to ten menus.
class TzidRibbonSplitButton : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidRibbonSplitButton)
public:
    explicit TzidRibbonSplitButton(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"splitButton"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    // The attributes of the inner "button" or "toggleButton" element.
    std::unique_ptr<classlib::TStringList> GetInnerButtonAttributes(int ContextMenuNumber) const;
    TzidRibbonControlType GetControlType() const override { return rctSplitButton; }
    TzidRibbonControls *GetControls() const override { return controls_.get(); }
    TzidRibbonSplitButton *AsSplitButton() override { return this; }
    void DoAction(const TzidRibbonActionArguments &Args) override;
    // Also re-queries the inner button.
    void Invalidate() override;

    TzidRibbonControls *Controls() const { return controls_.get(); }
    void SetControls(TzidRibbonControls *Value);
    bool ToggleButton() const { return toggleButton_; }
    void SetToggleButton(bool Value) { toggleButton_ = Value; }

    TzidRibbonOnClick OnClick;

private:
    std::unique_ptr<TzidRibbonControls> controls_;
    bool toggleButton_ = false;
};

} // namespace framework
