#include "framework/ribbon/RibbonContainers.h"

#include "classlib/Classes.h"
#include "classlib/OleString.h"
#include "framework/core/AddInModule.h"
#include "framework/ribbon/RibbonAttributes.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/RibbonRequery.h"
#include "framework/ribbon/RibbonStreaming.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidRibbonContainer, TzidRibbonCustomControl)

CLASSLIB_DEFINE_CLASS(
    TzidRibbonGroup, TzidRibbonContainer, using Self = TzidRibbonGroup;
    b.ReadOnly(L"Controls", &Self::Controls).NotStored(); TzidRibbonPublisher<Self>(b)
                                                              .Ribbons()
                                                              .Caption()
                                                              .Id()
                                                              .IdMso()
                                                              .ImageIndex()
                                                              .ImageMso()
                                                              .Inserts()
                                                              .Glyph()
                                                              .KeyTip()
                                                              .ScreenTip()
                                                              .SuperTip()
                                                              .Visible();
    b.Property(L"Shared", &Self::Shared, &Self::SetShared).Default(false);
    b.Property(L"AutoScale", &Self::AutoScale, &Self::SetAutoScale).Default(false);
    b.Property(L"CenterVertically", &Self::CenterVertically, &Self::SetCenterVertically).Default(false))

CLASSLIB_DEFINE_CLASS(TzidRibbonBox, TzidRibbonContainer, using Self = TzidRibbonBox;
                      b.ReadOnly(L"Controls", &Self::Controls).NotStored();
                      TzidRibbonPublisher<Self>(b).Control(rpInserts | rpVisible);
                      b.Property(L"BoxStyle", &Self::BoxStyle, &Self::SetBoxStyle).Default(bsHorizontal);
                      b.Property(L"Shared", &Self::Shared, &Self::SetShared).Default(false))

CLASSLIB_DEFINE_CLASS(TzidRibbonButtonGroup, TzidRibbonContainer, using Self = TzidRibbonButtonGroup;
                      b.ReadOnly(L"Controls", &Self::Controls).NotStored();
                      TzidRibbonPublisher<Self>(b).Control(rpInserts | rpVisible);
                      b.Property(L"Shared", &Self::Shared, &Self::SetShared).Default(false))

CLASSLIB_DEFINE_CLASS(TzidRibbonMenu, TzidRibbonContainer, using Self = TzidRibbonMenu;
                      b.ReadOnly(L"Controls", &Self::Controls).NotStored();
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpDescription | rpImage | rpKeyTip |
                                                           rpShowCaption | rpSize | rpTitle);
                      b.Property(L"Dynamic", &Self::Dynamic, &Self::SetDynamic).Default(false);
                      b.Property(L"ItemSize", &Self::ItemSize, &Self::SetItemSize).Default(isNormal);
                      b.Field(L"OnCreate", &Self::OnCreate))

// The kinds come before the menus, so that a form read back gives the menus the kinds they were
// written with.
CLASSLIB_DEFINE_CLASS(TzidRibbonSplitButton, TzidRibbonCustomControl, using Self = TzidRibbonSplitButton;
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpDescription | rpImage | rpKeyTip |
                                                           rpPressed | rpShowCaption | rpSize);
                      b.ReadOnly(L"Controls", &Self::Controls);
                      b.Property(L"ToggleButton", &Self::ToggleButton, &Self::SetToggleButton).Default(false);
                      b.Field(L"OnClick", &Self::OnClick))

// ---- containers with children of any class -------------------------------------------------------

TzidRibbonContainer::TzidRibbonContainer(classlib::TCollection *Collection, int MaxCount)
    : TzidRibbonCustomControl(Collection), controls_(std::make_unique<TzidRibbonControls>(
                                               this, MaxCount, TzidRibbonCustomControl::StaticClass())) {}

TzidRibbonContainer::~TzidRibbonContainer() {
    // The children find the module through this control: they go while it is whole.
    controls_.reset();
}

void TzidRibbonContainer::SetControls(TzidRibbonControls *Value) {
    controls_->Assign(Value);
}

void TzidRibbonContainer::DefineProperties(classlib::TFiler &Filer) {
    TzidRibbonCustomControl::DefineProperties(Filer);
    DefineMixedControls(Filer, *controls_, streamedTypes_);
}

// ---- group -------------------------------------------------------------------------------------

TzidRibbonGroup::TzidRibbonGroup(classlib::TCollection *Collection) : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonGroup::GetAttributes(int ContextMenuNumber) const {
    const TzidCOMAddInModule *module = Module();
    TzidAttributeList list(*this, module, ContextMenuNumber);
    if (list.SharedHead(shared_)) {
        list.Add(L"keytip", keyTip_);
        list.Add(L"label", caption_);
        list.Add(L"screentip", screenTip_);
        list.Add(L"supertip", superTip_);
    } else {
        list.Callback(L"getVisible");
        if (!idMso_.empty()) {
            list.Add(L"idMso", idMso_);
        } else {
            list.Id(false);
            list.Insert();
            list.Image();
            list.Add(L"imageMso", imageMso_);
            list.Callback(L"getKeytip");
            list.Callback(L"getLabel");
            list.Callback(L"getSupertip");
            list.Callback(L"getScreentip");
        }
    }
    // Only the 2009 schema knows these.
    if (module != nullptr && module->OfficeVersion() >= 14 &&
        module->CustomUINamespace() == zidCustomUINamespace2009) {
        if (autoScale_)
            list.Add(L"autoScale", L"true");
        if (centerVertically_)
            list.Add(L"centerVertically", L"true");
    }
    return list.Take();
}

// ---- box and button group ----------------------------------------------------------------------

TzidRibbonBox::TzidRibbonBox(classlib::TCollection *Collection) : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonBox::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    const wchar_t *style = boxStyle_ == bsVertical ? L"vertical" : L"horizontal";
    if (list.SharedHead(shared_)) {
        list.Add(L"boxStyle", style);
        return list.Take();
    }
    list.Callback(L"getVisible");
    if (!idMso_.empty()) {
        list.Add(L"idMso", idMso_);
        return list.Take();
    }
    list.Id(false);
    list.Insert();
    list.Add(L"boxStyle", style);
    return list.Take();
}

TzidRibbonButtonGroup::TzidRibbonButtonGroup(classlib::TCollection *Collection)
    : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonButtonGroup::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (list.SharedHead(shared_)) {
        return list.Take();
    }
    list.Callback(L"getVisible");
    if (!idMso_.empty()) {
        list.Add(L"idMso", idMso_);
        return list.Take();
    }
    list.Id(false);
    list.Insert();
    return list.Take();
}

// ---- menu --------------------------------------------------------------------------------------

TzidRibbonMenu::TzidRibbonMenu(classlib::TCollection *Collection) : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::wstring TzidRibbonMenu::GetElementName() const {
    if (!idMso_.empty() && GetParentIdMso().empty())
        return L"control";
    return dynamic_ ? L"dynamicMenu" : L"menu";
}

void TzidRibbonMenu::SetDynamic(bool Value) {
    if (Value == dynamic_ || RibbonParentIs<TzidRibbonSplitButton>(*this))
        return;
    dynamic_ = Value;
}

std::unique_ptr<classlib::TStringList> TzidRibbonMenu::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    const TzidRibbonCustomControl *parent = ParentControl();
    const bool inSplitButton = RibbonControlIs<TzidRibbonSplitButton>(parent);
    if (!idMso_.empty()) {
        if (list.MsoHead(GetParentIdMso()))
            return list.Take();
        list.Add(L"keytip", keyTip_);
        list.Add(L"label", caption_);
        list.Add(L"supertip", superTip_);
        list.Add(L"screentip", screenTip_);
        list.AddBool(L"showLabel", showCaption_);
        list.AddBool(L"enabled", enabled_);
        list.AddBool(L"showImage", !imageMso_.empty());
        list.Add(L"description", description_);
    } else {
        list.Id(true);
        if (dynamic_) {
            list.Callback(L"getContent");
            list.Add(L"invalidateContentOnDrop", L"true");
        } else {
            list.Add(L"itemSize", itemSize_ == isLarge ? L"large" : L"normal");
        }
        list.Image();
        list.Callback(L"getShowLabel");
        list.Callback(L"getShowImage");
        list.Callback(L"getEnabled");
        list.Callback(L"getDescription");
        list.Callback(L"getKeytip");
        list.Callback(L"getLabel");
        if (inSplitButton)
            list.Add(L"supertip", superTip_);
        else
            list.Callback(L"getSupertip");
        list.Callback(L"getScreentip");
    }
    list.Insert();
    list.Add(L"imageMso", imageMso_);
    if (!inSplitButton && !RibbonControlIs<TzidRibbonMenu, TzidRibbonButtonGroup>(parent))
        list.Callback(L"getSize");
    list.Callback(L"getVisible");
    return list.Take();
}

// ---- split button ------------------------------------------------------------------------------

TzidRibbonSplitButton::TzidRibbonSplitButton(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection),
      controls_(std::make_unique<TzidRibbonControls>(this, 10, TzidRibbonMenu::StaticClass())) {
    EnterInIdList();
}

void TzidRibbonSplitButton::SetControls(TzidRibbonControls *Value) {
    controls_->Assign(Value);
}

std::unique_ptr<classlib::TStringList> TzidRibbonSplitButton::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!idMso_.empty()) {
        if (list.MsoHead(GetParentIdMso()))
            return list.Take();
        list.AddBool(L"showLabel", showCaption_);
        list.AddBool(L"enabled", enabled_);
        list.Add(L"keytip", keyTip_);
    } else {
        list.Id(true);
        list.Callback(L"getShowLabel");
        list.Callback(L"getEnabled");
        list.Callback(L"getKeytip");
    }
    list.Insert();
    if (!RibbonParentIs<TzidRibbonMenu, TzidRibbonButtonGroup>(*this))
        list.Callback(L"getSize");
    list.Callback(L"getVisible");
    return list.Take();
}

std::unique_ptr<classlib::TStringList>
TzidRibbonSplitButton::GetInnerButtonAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    // The callbacks find the split button again by taking "wrapped" off.
    list.Id(id_ + L"wrapped", true);
    list.Image();
    list.Add(L"imageMso", imageMso_);
    list.Callback(L"getLabel");
    list.Callback(L"getSupertip");
    list.Callback(L"getScreentip");
    list.Callback(L"getShowImage");
    list.Callback(L"getDescription");
    if (toggleButton_) {
        list.Callback(L"getPressed");
        list.ActionToggle();
    } else {
        list.ActionPlain();
    }
    return list.Take();
}

void TzidRibbonSplitButton::DoAction(const TzidRibbonActionArguments &Args) {
    pressed_ = Args.Pressed;
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

void TzidRibbonSplitButton::Invalidate() {
    TzidRibbonCustomControl::Invalidate();
    TzidCOMAddInModule *module = Module();
    if (module != nullptr && idMso_.empty() && !id_.empty())
        RequeryRibbonControl(*module, id_ + L"wrapped");
}

} // namespace framework
