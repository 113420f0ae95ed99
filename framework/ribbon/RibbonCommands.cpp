#include "framework/ribbon/RibbonCommands.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "framework/core/ModuleErrors.h"
#include "framework/ribbon/RibbonAttributes.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonLists.h"
#include "framework/ribbon/RibbonPublish.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidRibbonButton, TzidRibbonCustomControl, using Self = TzidRibbonButton;
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpDescription | rpImage | rpKeyTip |
                                                           rpPressed | rpShowCaption | rpSize);
                      b.Property(L"ToggleButton", &Self::ToggleButton, &Self::SetToggleButton).Default(false);
                      b.Property(L"ParseMsoXmlTypeAs", &Self::ParseMsoXmlTypeAs, &Self::SetParseMsoXmlTypeAs)
                          .Default(pxtDefault);
                      b.Field(L"OnClick", &Self::OnClick))

CLASSLIB_DEFINE_CLASS(TzidRibbonCheckBox, TzidRibbonCustomControl, using Self = TzidRibbonCheckBox;
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpDescription | rpKeyTip | rpPressed);
                      b.Field(L"OnClick", &Self::OnClick))

CLASSLIB_DEFINE_CLASS(TzidRibbonLabel, TzidRibbonCustomControl, using Self = TzidRibbonLabel;
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpShowCaption))

CLASSLIB_DEFINE_CLASS(TzidRibbonSeparator, TzidRibbonCustomControl, using Self = TzidRibbonSeparator;
                      TzidRibbonPublisher<Self>(b).Control(rpInserts))

CLASSLIB_DEFINE_CLASS(TzidRibbonMenuSeparator, TzidRibbonCustomControl, using Self = TzidRibbonMenuSeparator;
                      TzidRibbonPublisher<Self>(b).Control(rpCaption | rpInserts))

CLASSLIB_DEFINE_CLASS(TzidRibbonDialogBoxLauncher, TzidRibbonCustomControl,
                      using Self = TzidRibbonDialogBoxLauncher;
                      TzidRibbonPublisher<Self>(b).Control(rpEnabled | rpIdMso | rpKeyTip | rpTips |
                                                           rpVisible);
                      b.Field(L"OnClick", &Self::OnClick))

namespace {

// The host shows one launcher per group: a second one is refused before it joins the collection.
classlib::TCollection *WithoutLauncher(classlib::TCollection *Collection) {
    if (auto *controls = dynamic_cast<TzidRibbonControls *>(Collection))
        for (int i = 0; i < controls->Count(); ++i)
            if (controls->Items(i)->GetControlType() == rctDialogBoxLauncher)
                RaiseZidError(
                    zidErrSingleInstance,
                    classlib::Format(SzidSingleInstance,
                                     {TzidRibbonDialogBoxLauncher::StaticClass().Name(), L"Ribbon Group"}));
    return Collection;
}

// The attributes a built-in control repeats with our values, after "idMso".
void StaticTexts(TzidAttributeList &List, const TzidRibbonCustomControl &Control, bool WithKeyTip) {
    if (WithKeyTip)
        List.Add(L"keytip", Control.KeyTip());
    List.Add(L"label", Control.Caption());
    List.Add(L"supertip", Control.SuperTip());
    List.Add(L"screentip", Control.ScreenTip());
}

} // namespace

// ---- button ------------------------------------------------------------------------------------

TzidRibbonButton::TzidRibbonButton(classlib::TCollection *Collection) : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

bool TzidRibbonButton::InListControl() const {
    return RibbonParentIs<TzidRibbonDropDown, TzidRibbonGallery>(*this);
}

std::wstring TzidRibbonButton::GetElementName() const {
    if (!idMso_.empty() && parseMsoXmlTypeAs_ == pxtControl)
        return L"control";
    // A list control takes no toggle button; only a toggle button needs to look at its parent.
    return toggleButton_ && !InListControl() ? L"toggleButton" : L"button";
}

std::unique_ptr<classlib::TStringList> TzidRibbonButton::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    const TzidRibbonCustomControl *parent = ParentControl();
    const bool inListControl = RibbonControlIs<TzidRibbonDropDown, TzidRibbonGallery>(parent);
    const bool inSplitButton = RibbonControlIs<TzidRibbonSplitButton>(parent);
    if (!idMso_.empty()) {
        if (list.MsoHead(GetParentIdMso()))
            return list.Take();
        StaticTexts(list, *this, false);
        list.AddBool(L"showLabel", showCaption_);
        list.AddBool(L"enabled", enabled_);
    } else {
        list.Id(true);
        list.Image();
        for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getSupertip", L"getScreentip",
                                    L"getShowLabel", L"getShowImage", L"getEnabled"})
            list.Callback(name);
        if (inListControl) {
            list.ActionPlain();
        } else if (toggleButton_) {
            list.Callback(L"getPressed");
            list.ActionToggle();
        } else {
            list.ActionPlain();
        }
    }
    list.Insert();
    list.Add(L"imageMso", imageMso_);
    if (GetElementName() != L"control")
        list.Callback(L"getDescription");
    if (!inListControl && !inSplitButton && !RibbonControlIs<TzidRibbonMenu, TzidRibbonButtonGroup>(parent))
        list.Callback(L"getSize");
    if (!inSplitButton)
        list.Callback(L"getVisible");
    return list.Take();
}

void TzidRibbonButton::DoAction(const TzidRibbonActionArguments &Args) {
    pressed_ = Args.Pressed;
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

// ---- check box ---------------------------------------------------------------------------------

TzidRibbonCheckBox::TzidRibbonCheckBox(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonCheckBox::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!idMso_.empty()) {
        if (list.MsoHead(GetParentIdMso()))
            return list.Take();
        StaticTexts(list, *this, true);
        list.AddBool(L"enabled", enabled_);
        list.Add(L"description", description_);
    } else {
        list.Id(true);
        for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getSupertip", L"getScreentip", L"getEnabled",
                                    L"getDescription", L"getPressed"})
            list.Callback(name);
        list.ActionToggle();
    }
    list.Insert();
    list.Callback(L"getVisible");
    return list.Take();
}

void TzidRibbonCheckBox::DoAction(const TzidRibbonActionArguments &Args) {
    pressed_ = Args.Pressed;
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

// ---- label -------------------------------------------------------------------------------------

TzidRibbonLabel::TzidRibbonLabel(classlib::TCollection *Collection) : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonLabel::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!idMso_.empty()) {
        if (list.MsoHead(GetParentIdMso()))
            return list.Take();
        StaticTexts(list, *this, false);
        list.AddBool(L"showLabel", showCaption_);
        list.AddBool(L"enabled", enabled_);
    } else {
        list.Id(false);
        for (const wchar_t *name :
             {L"getLabel", L"getSupertip", L"getScreentip", L"getShowLabel", L"getEnabled"})
            list.Callback(name);
    }
    list.Insert();
    list.Callback(L"getVisible");
    return list.Take();
}

// ---- separators --------------------------------------------------------------------------------

TzidRibbonSeparator::TzidRibbonSeparator(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonSeparator::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    list.Id(false);
    list.Insert();
    return list.Take();
}

TzidRibbonMenuSeparator::TzidRibbonMenuSeparator(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonMenuSeparator::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    list.Id(true);
    list.Insert();
    list.Callback(L"getTitle");
    return list.Take();
}

// ---- dialog box launcher -----------------------------------------------------------------------

TzidRibbonDialogBoxLauncher::TzidRibbonDialogBoxLauncher(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(WithoutLauncher(Collection)) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList>
TzidRibbonDialogBoxLauncher::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!idMso_.empty()) {
        if (list.MsoHead(GetParentIdMso()))
            return list.Take();
    } else {
        list.Id(false);
        for (const wchar_t *name : {L"getKeytip", L"getSupertip", L"getScreentip", L"getEnabled"})
            list.Callback(name);
        list.ActionPlain();
    }
    list.Callback(L"getVisible");
    return list.Take();
}

void TzidRibbonDialogBoxLauncher::DoAction(const TzidRibbonActionArguments &Args) {
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

} // namespace framework
