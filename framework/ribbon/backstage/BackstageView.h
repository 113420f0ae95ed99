// TzidBackstage: the add-in's part of the host's Backstage view (the "File" view of the 2010
// hosts), placed on the add-in module's form like a ribbon tab. It holds the Backstage tabs and
// fast command buttons, made by class code; the controls below it find the module, the namespace,
// the image list and their first ribbon kinds through it, as controls of a ribbon tab find them
// through the tab. A module has one at most; the customUI writer puts it into the documents of
// hosts of version 14 and later as the "backstage" element.
#pragma once
#include <memory>

#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonRoot.h"

namespace framework {

// The top of a Backstage view: tabs (code 22) and fast command buttons (code 23), 255 at most.
class TzidBackstageControls : public TzidRibbonControls {
    CLASSLIB_CLASS(TzidBackstageControls)
public:
    explicit TzidBackstageControls(classlib::TPersistent *Owner);

    // Raises 31112 for any other class than a Backstage tab or fast command button.
    TzidRibbonCustomControl *AddControl(TzidRibbonControlType Code) override;
};

class TzidBackstage : public TzidRibbonRoot {
    CLASSLIB_CLASS(TzidBackstage)
public:
    // AOwner must be an add-in module (31112 otherwise) that has no Backstage yet (31119). The view
    // starts with the ribbon kinds of the hosts the module supports.
    explicit TzidBackstage(classlib::TComponent *AOwner);
    ~TzidBackstage() override;

    // "ControlTypes" and "Controls_", as containers write their children.
    void DefineProperties(classlib::TFiler &Filer) override;

    // ---- the node interface ----
    std::wstring GetElementName() const override { return L"backstage"; }
    // "onShow" and "onHide".
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctCustomControl; }
};

} // namespace framework
