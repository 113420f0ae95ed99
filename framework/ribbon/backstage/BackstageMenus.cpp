#include "framework/ribbon/backstage/BackstageMenus.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/backstage/BackstageAttributes.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(
    TzidBackstageMenuBase, TzidBackstageParent, using Self = TzidBackstageMenuBase;
    TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls);
    TzidRibbonPublisher<Self>(b).Id().Enabled().Caption().Visible().Glyph().ImageIndex().ImageMso().KeyTip())

CLASSLIB_DEFINE_CLASS(TzidBackstagePrimaryMenu, TzidBackstageMenuBase, using Self = TzidBackstagePrimaryMenu;
                      TzidRibbonPublisher<Self>(b).ScreenTip().SuperTip())

CLASSLIB_DEFINE_CLASS(TzidBackstageSubMenu, TzidBackstageMenuBase, using Self = TzidBackstageSubMenu;
                      TzidRibbonPublisher<Self>(b).Description())

CLASSLIB_DEFINE_CLASS(TzidBackstageMenuGroup, TzidRibbonContainer, using Self = TzidBackstageMenuGroup;
                      TzidRibbonPublisher<Self>(b).Ribbons();
                      b.ReadOnly(L"Controls", &Self::Controls).NotStored();
                      TzidRibbonPublisher<Self>(b).Id().Caption();
                      b.Property(L"ItemSize", &Self::ItemSize, &Self::SetItemSize).Default(isNormal))

// ---- menus -------------------------------------------------------------------------------------

TzidBackstageMenuBase::TzidBackstageMenuBase(classlib::TCollection *Collection)
    : TzidBackstageParent(Collection, 1000, TzidBackstageMenuGroup::StaticClass()) {}

std::unique_ptr<classlib::TStringList> TzidBackstageMenuBase::MenuAttributes() const {
    TzidBackstageAttributes list(*this);
    list.Id();
    for (const wchar_t *name : {L"getEnabled", L"getLabel", L"getVisible"})
        list.Callback(name);
    list.Image();
    list.Callback(L"getKeytip");
    return list.Take();
}

TzidBackstagePrimaryMenu::TzidBackstagePrimaryMenu(classlib::TCollection *Collection)
    : TzidBackstageMenuBase(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstagePrimaryMenu::GetAttributes(int) const {
    std::unique_ptr<classlib::TStringList> list = MenuAttributes();
    list->SetValues(L"getScreentip", std::wstring(RibbonCallbackName(L"getScreentip")));
    list->SetValues(L"getSupertip", std::wstring(RibbonCallbackName(L"getSupertip")));
    return list;
}

TzidBackstageSubMenu::TzidBackstageSubMenu(classlib::TCollection *Collection)
    : TzidBackstageMenuBase(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageSubMenu::GetAttributes(int) const {
    std::unique_ptr<classlib::TStringList> list = MenuAttributes();
    list->SetValues(L"getDescription", std::wstring(RibbonCallbackName(L"getDescription")));
    return list;
}

// ---- menu group --------------------------------------------------------------------------------

TzidBackstageMenuGroup::TzidBackstageMenuGroup(classlib::TCollection *Collection)
    : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageMenuGroup::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Callback(L"getLabel");
    list.Add(L"itemSize", itemSize_ == isLarge ? L"large" : L"normal");
    return list.Take();
}

} // namespace framework
