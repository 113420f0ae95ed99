// TzidCommandBarAdvancedControl: a control that shows a visual control of the add-in on a command bar.
// Showing it needs a hosting class per host application, and no host has one: the advanced control
// keeps its design (and its visual control) but never gets an Office side.
#pragma once
#include "classlib/Component.h"
#include "framework/commandbars/CommandBarControl.h"

namespace framework {

class TzidCommandBarAdvancedControl : public TzidCommandBarControl {
    CLASSLIB_CLASS(TzidCommandBarAdvancedControl)
public:
    using TzidCommandBarControl::TzidCommandBarControl;
    ~TzidCommandBarAdvancedControl() override;

    // The visual control shown; its owning bar hears when it goes away.
    classlib::TComponent *Control() const { return control_; }
    void SetControl(classlib::TComponent *Value);
    // The visual control has gone (the bar's notification).
    void ClearControl() { control_ = nullptr; }

    // What an advanced control has not: empty texts, no help context, the custom Office id; setting
    // them changes nothing.
    std::wstring Caption() const override { return {}; }
    void SetCaption(const std::wstring &) override {}
    std::wstring HelpFile() const override { return {}; }
    void SetHelpFile(const std::wstring &) override {}
    std::wstring TooltipText() const override { return {}; }
    void SetTooltipText(const std::wstring &) override {}
    int HelpContextID() const override { return 0; }
    void SetHelpContextID(int) override {}
    int OfficeID() const override { return 1; }
    void SetOfficeID(int) override {}

    TzidCommandBarControlType GetControlType() const override { return cctAdvancedControl; }
    // No host has a container for it: it is never bound.
    void BindOfficeControl(const classlib::ComPtr<CommandBarControl> &) override {}
    void DoAction() override {}
    void Assign(const classlib::TPersistent *Source) override;

private:
    classlib::TComponent *control_ = nullptr;
};

} // namespace framework
