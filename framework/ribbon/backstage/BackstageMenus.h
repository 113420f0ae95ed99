// The Backstage's menus: a primary menu (a group's primary item) or a submenu holds menu groups, and a
// menu group holds the menu's buttons, check boxes, toggle buttons and submenus.
#pragma once
#include <vector>

#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/backstage/BackstageKinds.h"
#include "framework/ribbon/backstage/BackstageParent.h"

namespace framework {

class TzidBackstageMenuBase : public TzidBackstageParent {
    CLASSLIB_CLASS(TzidBackstageMenuBase)
public:
    std::wstring GetElementName() const override { return L"menu"; }

protected:
    explicit TzidBackstageMenuBase(classlib::TCollection *Collection);
    // ID, getEnabled, getLabel, getVisible, the image, getKeytip.
    std::unique_ptr<classlib::TStringList> MenuAttributes() const;
};

class TzidBackstagePrimaryMenu : public TzidBackstageMenuBase {
    CLASSLIB_CLASS(TzidBackstagePrimaryMenu)
public:
    explicit TzidBackstagePrimaryMenu(classlib::TCollection *Collection);

    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstagePrimaryMenu; }
};

class TzidBackstageSubMenu : public TzidBackstageMenuBase {
    CLASSLIB_CLASS(TzidBackstageSubMenu)
public:
    explicit TzidBackstageSubMenu(classlib::TCollection *Collection);

    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageSubMenu; }
};

// Its controls may be of any class; forms carry them as "ControlTypes" and "Controls_".
class TzidBackstageMenuGroup : public TzidRibbonContainer {
    CLASSLIB_CLASS(TzidBackstageMenuGroup)
public:
    explicit TzidBackstageMenuGroup(classlib::TCollection *Collection);

    std::wstring GetElementName() const override { return L"menuGroup"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageMenuGroup; }

    TzidRibbonXItemSize ItemSize() const { return itemSize_; }
    void SetItemSize(TzidRibbonXItemSize Value) { itemSize_ = Value; }

private:
    TzidRibbonXItemSize itemSize_ = isNormal;
};

} // namespace framework
