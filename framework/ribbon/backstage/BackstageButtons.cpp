#include "framework/ribbon/backstage/BackstageButtons.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/backstage/BackstageAttributes.h"
#include "framework/ribbon/backstage/BackstageTabs.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(
    TzidBackstageButtonBase, TzidRibbonCustomControl, using Self = TzidBackstageButtonBase;
    TzidRibbonPublisher<Self>(b).Ribbons().Id();
    b.Property(L"IsDefinitive", &Self::IsDefinitive, &Self::SetIsDefinitive).Default(false);
    TzidRibbonPublisher<Self>(b).Enabled().Caption().Visible().KeyTip().Glyph().ImageIndex().ImageMso();
    b.Field(L"OnClick", &Self::OnClick))

CLASSLIB_DEFINE_CLASS(TzidBackstageFastCommandButton, TzidBackstageButtonBase,
                      using Self = TzidBackstageFastCommandButton;
                      TzidRibbonPublisher<Self>(b).IdMso().Inserts())

CLASSLIB_DEFINE_CLASS(TzidBackstageMenuButton, TzidBackstageButtonBase, using Self = TzidBackstageMenuButton;
                      TzidRibbonPublisher<Self>(b).Description())

CLASSLIB_DEFINE_CLASS(TzidBackstageRegularButton, TzidBackstageButtonBase,
                      using Self = TzidBackstageRegularButton;
                      TzidRibbonPublisher<Self>(b).ScreenTip().SuperTip())

CLASSLIB_DEFINE_CLASS(TzidBackstageGroupButton, TzidBackstageRegularButton,
                      using Self = TzidBackstageGroupButton;
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      b.Property(L"Style", &Self::Style, &Self::SetStyle).Default(gbsNormal))

CLASSLIB_DEFINE_CLASS(
    TzidBackstageCheckBoxBase, TzidRibbonCustomControl, using Self = TzidBackstageCheckBoxBase;
    TzidRibbonPublisher<Self>(b).Ribbons().Id().Pressed().Enabled().Caption().Visible().KeyTip();
    b.Field(L"OnClick", &Self::OnClick))

CLASSLIB_DEFINE_CLASS(TzidBackstageCheckBox, TzidBackstageCheckBoxBase, using Self = TzidBackstageCheckBox;
                      TzidRibbonPublisher<Self>(b).Description();
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      TzidRibbonPublisher<Self>(b).ScreenTip().SuperTip())

CLASSLIB_DEFINE_CLASS(TzidBackstageMenuCheckBox, TzidBackstageCheckBoxBase,
                      using Self = TzidBackstageMenuCheckBox;
                      TzidRibbonPublisher<Self>(b).Description())

CLASSLIB_DEFINE_CLASS(TzidBackstageMenuToggleButton, TzidBackstageMenuCheckBox,
                      using Self = TzidBackstageMenuToggleButton;
                      TzidRibbonPublisher<Self>(b).Glyph().ImageIndex().ImageMso())

// ---- buttons -----------------------------------------------------------------------------------

void TzidBackstageButtonBase::DoAction(const TzidRibbonActionArguments &Args) {
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

void TzidBackstageButtonBase::ButtonAttributes(TzidBackstageAttributes &List) const {
    List.Id();
    List.Definitive(isDefinitive_);
    for (const wchar_t *name : {L"getEnabled", L"getLabel", L"getVisible", L"getKeytip"})
        List.Callback(name);
    List.Image();
    List.ActionPlain();
}

TzidBackstageFastCommandButton::TzidBackstageFastCommandButton(classlib::TCollection *Collection)
    : TzidBackstageButtonBase(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageFastCommandButton::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    if (!idMso_.empty()) {
        list.BuiltIn();
    } else {
        list.Id();
        list.Image();
        for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getEnabled"})
            list.Callback(name);
        list.ActionPlain();
        list.Definitive(IsDefinitive());
        list.Callback(L"getVisible");
    }
    list.Insert();
    return list.Take();
}

TzidBackstageMenuButton::TzidBackstageMenuButton(classlib::TCollection *Collection)
    : TzidBackstageButtonBase(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageMenuButton::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    ButtonAttributes(list);
    list.Callback(L"getDescription");
    return list.Take();
}

TzidBackstageRegularButton::TzidBackstageRegularButton(classlib::TCollection *Collection)
    : TzidBackstageRegularButton(Collection, true) {}

TzidBackstageRegularButton::TzidBackstageRegularButton(classlib::TCollection *Collection, bool EnterIds)
    : TzidBackstageButtonBase(Collection) {
    if (EnterIds)
        EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageRegularButton::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    ButtonAttributes(list);
    list.Callback(L"getSupertip");
    list.Callback(L"getScreentip");
    return list.Take();
}

TzidBackstageGroupButton::TzidBackstageGroupButton(classlib::TCollection *Collection)
    : TzidBackstageRegularButton(Collection, false) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageGroupButton::GetAttributes(int ContextMenuNumber) const {
    std::unique_ptr<classlib::TStringList> list =
        TzidBackstageRegularButton::GetAttributes(ContextMenuNumber);
    if (IsBackstagePrimaryItem(*this))
        return list; // a primary item's button has neither layout nor style
    list->SetValues(L"expand", BackstageWord(expand_));
    list->SetValues(L"style", BackstageWord(style_));
    return list;
}

// ---- check boxes -------------------------------------------------------------------------------

void TzidBackstageCheckBoxBase::DoAction(const TzidRibbonActionArguments &Args) {
    pressed_ = Args.Pressed;
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

void TzidBackstageCheckBoxBase::CheckBoxAttributes(TzidBackstageAttributes &List) const {
    List.Id();
    for (const wchar_t *name : {L"getPressed", L"getEnabled", L"getLabel", L"getVisible", L"getKeytip"})
        List.Callback(name);
    List.ActionToggle();
}

TzidBackstageCheckBox::TzidBackstageCheckBox(classlib::TCollection *Collection)
    : TzidBackstageCheckBoxBase(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageCheckBox::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    CheckBoxAttributes(list);
    list.Callback(L"getDescription");
    list.Expand(expand_);
    list.Callback(L"getSupertip");
    list.Callback(L"getScreentip");
    return list.Take();
}

TzidBackstageMenuCheckBox::TzidBackstageMenuCheckBox(classlib::TCollection *Collection)
    : TzidBackstageMenuCheckBox(Collection, true) {}

TzidBackstageMenuCheckBox::TzidBackstageMenuCheckBox(classlib::TCollection *Collection, bool EnterIds)
    : TzidBackstageCheckBoxBase(Collection) {
    if (EnterIds)
        EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageMenuCheckBox::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    CheckBoxAttributes(list);
    list.Callback(L"getDescription");
    return list.Take();
}

TzidBackstageMenuToggleButton::TzidBackstageMenuToggleButton(classlib::TCollection *Collection)
    : TzidBackstageMenuCheckBox(Collection, false) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageMenuToggleButton::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    CheckBoxAttributes(list);
    list.Callback(L"getDescription");
    list.Image();
    return list.Take();
}

} // namespace framework
