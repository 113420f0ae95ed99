#include "framework/ribbon/backstage/BackstageInputs.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/backstage/BackstageAttributes.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidBackstageInput, TzidRibbonCustomControl)
CLASSLIB_DEFINE_CLASS(TzidBackstageChoice, TzidBackstageInput)
CLASSLIB_DEFINE_CLASS(TzidBackstageSelection, TzidBackstageChoice)

CLASSLIB_DEFINE_CLASS(TzidBackstageEditBox, TzidBackstageInput, using Self = TzidBackstageEditBox;
                      TzidRibbonPublisher<Self>(b).Ribbons().Id();
                      b.Property(L"TextAlign", &Self::TextAlign, &Self::SetTextAlign).Default(caTopLeft);
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      TzidRibbonPublisher<Self>(b).Enabled().Caption().Visible().KeyTip().Text();
                      b.Property(L"MaxLength", &Self::MaxLength, &Self::SetMaxLength).Default(0);
                      b.Property(L"SizeString", &Self::SizeString, &Self::SetSizeString).Default(L"");
                      b.Field(L"OnChange", static_cast<TzidRibbonOnChange Self::*>(&Self::OnChange)))

CLASSLIB_DEFINE_CLASS(TzidBackstageComboBox, TzidBackstageChoice, using Self = TzidBackstageComboBox;
                      TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Items", &Self::Items);
                      TzidRibbonPublisher<Self>(b).Id();
                      b.Property(L"TextAlign", &Self::TextAlign, &Self::SetTextAlign).Default(caTopLeft);
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      TzidRibbonPublisher<Self>(b).Enabled().Caption().Visible().KeyTip().Text();
                      b.Property(L"SizeString", &Self::SizeString, &Self::SetSizeString).Default(L"");
                      b.Field(L"OnChange", static_cast<TzidRibbonOnChange Self::*>(&Self::OnChange));
                      b.Field(L"OnItemPropertyChanging", static_cast<TzidRibbonItemPropertyChanging Self::*>(
                                                             &Self::OnItemPropertyChanging)))

CLASSLIB_DEFINE_CLASS(
    TzidBackstageDropDown, TzidBackstageSelection, using Self = TzidBackstageDropDown;
    TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Items", &Self::Items);
    TzidRibbonPublisher<Self>(b).Id();
    b.Property(L"TextAlign", &Self::TextAlign, &Self::SetTextAlign).Default(caTopLeft);
    b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
    TzidRibbonPublisher<Self>(b).Enabled().Caption().Visible().ScreenTip().SuperTip().KeyTip();
    b.Property(L"SizeString", &Self::SizeString, &Self::SetSizeString).Default(L"");
    b.Property(L"SelectedItemIndex", &Self::SelectedItemIndex, &Self::SetSelectedItemIndex).Default(-1);
    b.Field(L"OnChange", static_cast<TzidRibbonOnChange Self::*>(&Self::OnChange));
    b.Field(L"OnItemPropertyChanging",
            static_cast<TzidRibbonItemPropertyChanging Self::*>(&Self::OnItemPropertyChanging)))

CLASSLIB_DEFINE_CLASS(
    TzidBackstageRadioGroup, TzidBackstageSelection, using Self = TzidBackstageRadioGroup;
    TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Items", &Self::Items);
    TzidRibbonPublisher<Self>(b).Id();
    b.Property(L"TextAlign", &Self::TextAlign, &Self::SetTextAlign).Default(caTopLeft);
    b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
    TzidRibbonPublisher<Self>(b).Enabled().Caption().Visible().KeyTip();
    b.Property(L"SelectedItemIndex", &Self::SelectedItemIndex, &Self::SetSelectedItemIndex).Default(-1);
    b.Field(L"OnChange", static_cast<TzidRibbonOnChange Self::*>(&Self::OnChange));
    b.Field(L"OnItemPropertyChanging",
            static_cast<TzidRibbonItemPropertyChanging Self::*>(&Self::OnItemPropertyChanging)))

CLASSLIB_DEFINE_CLASS(TzidBackstageItem, TzidRibbonCustomControl, using Self = TzidBackstageItem;
                      TzidRibbonPublisher<Self>(b).Id().Caption())

CLASSLIB_DEFINE_CLASS(TzidBackstageItems, TzidRibbonItems)

namespace {

// How the lists of drop-downs and radio groups start: "id", "alignLabel", "expand".
void LayoutAttributes(TzidBackstageAttributes &List, const TzidBackstageInput &Control) {
    List.Id();
    List.Align(Control.TextAlign());
    List.Expand(Control.Expand());
}

} // namespace

// ---- edit box ----------------------------------------------------------------------------------

TzidBackstageEditBox::TzidBackstageEditBox(classlib::TCollection *Collection)
    : TzidBackstageInput(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageEditBox::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    if (maxLength_ >= 1 && maxLength_ <= 1024)
        list.Add(L"maxLength", std::to_wstring(maxLength_));
    list.Add(L"sizeString", sizeString_);
    list.Align(TextAlign());
    list.Expand(Expand());
    for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getEnabled", L"getText"})
        list.Callback(name);
    list.Add(L"onChange", L"OnChange_Callback");
    list.Callback(L"getVisible");
    return list.Take();
}

void TzidBackstageEditBox::DoAction(const TzidRibbonActionArguments &Args) {
    text_ = Args.Text;
    FireAction(OnChange, this, Args.RibbonControl.Get());
}

// ---- lists -------------------------------------------------------------------------------------

TzidBackstageChoice::TzidBackstageChoice(classlib::TCollection *Collection)
    : TzidBackstageInput(Collection), items_(std::make_unique<TzidBackstageItems>(this, 1000)) {}

TzidBackstageChoice::~TzidBackstageChoice() {
    // The items find the module through this control: they go while it is whole.
    items_.reset();
}

TzidRibbonControls *TzidBackstageChoice::GetItems() const {
    return items_.get();
}

void TzidBackstageChoice::SetItems(TzidBackstageItems *Value) {
    items_->Assign(Value);
}

void TzidBackstageChoice::DoPropertyChanging(TzidRibbonControlPropertyType PropertyType,
                                             classlib::OleVariant &Value, IDispatch *Context, int Index) {
    if (PropertyType != rcptItemID && PropertyType != rcptItemCaption) {
        TzidRibbonCustomControl::DoPropertyChanging(PropertyType, Value, Context, Index);
        return;
    }
    if (OnItemPropertyChanging)
        RunHandler([&] { OnItemPropertyChanging(this, PropertyType, Value, Context, Index); });
}

void TzidBackstageChoice::ItemCallbacks(TzidBackstageAttributes &List) const {
    for (const wchar_t *name : {L"getItemCount", L"getItemID", L"getItemLabel"})
        List.Callback(name);
}

TzidBackstageComboBox::TzidBackstageComboBox(classlib::TCollection *Collection)
    : TzidBackstageChoice(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageComboBox::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Add(L"sizeString", sizeString_);
    list.Align(TextAlign());
    list.Expand(Expand());
    for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getEnabled", L"getText"})
        list.Callback(name);
    ItemCallbacks(list);
    list.Add(L"onChange", L"OnChange_Callback");
    list.Callback(L"getVisible");
    return list.Take();
}

void TzidBackstageComboBox::DoAction(const TzidRibbonActionArguments &Args) {
    text_ = Args.Text;
    FireAction(OnChange, this, Args.RibbonControl.Get());
}

void TzidBackstageSelection::DoAction(const TzidRibbonActionArguments &Args) {
    selectedItemId_ = Args.SelectedId;
    selectedItemIndex_ = Args.SelectedIndex;
    FireAction(OnChange, this, Args.RibbonControl.Get());
}

TzidBackstageDropDown::TzidBackstageDropDown(classlib::TCollection *Collection)
    : TzidBackstageSelection(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageDropDown::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    LayoutAttributes(list, *this);
    for (const wchar_t *name :
         {L"getKeytip", L"getLabel", L"getSupertip", L"getScreentip", L"getEnabled", L"getSelectedItemIndex"})
        list.Callback(name);
    ItemCallbacks(list);
    list.ActionSelected();
    list.Add(L"sizeString", sizeString_);
    list.Callback(L"getVisible");
    return list.Take();
}

TzidBackstageRadioGroup::TzidBackstageRadioGroup(classlib::TCollection *Collection)
    : TzidBackstageSelection(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageRadioGroup::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    LayoutAttributes(list, *this);
    for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getEnabled", L"getSelectedItemIndex"})
        list.Callback(name);
    ItemCallbacks(list);
    list.ActionSelected();
    list.Callback(L"getVisible");
    return list.Take();
}

// ---- items -------------------------------------------------------------------------------------

TzidBackstageItem::TzidBackstageItem(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::wstring TzidBackstageItem::GetElementName() const {
    return dynamic_cast<const TzidBackstageRadioGroup *>(ParentControl()) != nullptr ? L"radioButton"
                                                                                     : L"item";
}

void TzidBackstageItem::AppearanceChanged() {
    if (auto *owner = dynamic_cast<TzidBackstageChoice *>(ParentControl()))
        owner->Invalidate();
}

TzidBackstageItems::TzidBackstageItems(classlib::TPersistent *Owner, int MaxCount)
    : TzidRibbonItems(Owner, MaxCount, TzidBackstageItem::StaticClass()) {}

void TzidBackstageItems::Update(classlib::TCollectionItem *Item) {
    TzidRibbonItems::Update(Item);
    if (auto *owner = dynamic_cast<TzidBackstageChoice *>(GetOwner()))
        owner->Invalidate();
}

} // namespace framework
