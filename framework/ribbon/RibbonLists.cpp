#include "framework/ribbon/RibbonLists.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonAttributes.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonPublish.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidRibbonEditBox, TzidRibbonCustomControl, using Self = TzidRibbonEditBox;
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpImage | rpKeyTip | rpShowCaption |
                                                           rpText);
                      b.Property(L"MaxLength", &Self::MaxLength, &Self::SetMaxLength).Default(0);
                      b.Property(L"SizeString", &Self::SizeString, &Self::SetSizeString).Default(L"");
                      b.Field(L"OnChange", &Self::OnChange))

CLASSLIB_DEFINE_CLASS(TzidRibbonComboBox, TzidRibbonCustomControl, using Self = TzidRibbonComboBox;
                      TzidRibbonPublisher<Self>(b).Control(rpCommon | rpImage | rpKeyTip | rpShowCaption |
                                                           rpText);
                      b.ReadOnly(L"Items", &Self::Items);
                      b.Property(L"MaxLength", &Self::MaxLength, &Self::SetMaxLength).Default(0);
                      b.Property(L"SizeString", &Self::SizeString, &Self::SetSizeString).Default(L"");
                      b.Field(L"OnChange", &Self::OnChange);
                      b.Field(L"OnItemPropertyChanging", &Self::OnItemPropertyChanging))

CLASSLIB_DEFINE_CLASS(TzidRibbonListControl, TzidRibbonCustomControl)

// The kinds come before the children, so that a form read back gives the children the kinds they
// were written with.
CLASSLIB_DEFINE_CLASS(
    TzidRibbonDropDown, TzidRibbonListControl, using Self = TzidRibbonDropDown;
    TzidRibbonPublisher<Self>(b).Control(rpCommon | rpImage | rpKeyTip | rpSelection | rpShowCaption);
    b.ReadOnly(L"Controls", &Self::Controls); b.ReadOnly(L"Items", &Self::Items);
    b.Property(L"ShowItemCaption", &Self::ShowItemCaption, &Self::SetShowItemCaption).Default(true);
    b.Property(L"SizeString", &Self::SizeString, &Self::SetSizeString).Default(L"");
    b.Field(L"OnChange", static_cast<TzidRibbonOnChange Self::*>(&Self::OnChange));
    b.Field(L"OnItemPropertyChanging",
            static_cast<TzidRibbonItemPropertyChanging Self::*>(&Self::OnItemPropertyChanging)))

CLASSLIB_DEFINE_CLASS(
    TzidRibbonGallery, TzidRibbonListControl, using Self = TzidRibbonGallery;
    TzidRibbonPublisher<Self>(b).Control(rpCommon | rpDescription | rpImage | rpItemSizes | rpKeyTip |
                                         rpSelection | rpShowCaption | rpSize);
    b.ReadOnly(L"Controls", &Self::Controls); b.ReadOnly(L"Items", &Self::Items);
    b.Property(L"Columns", &Self::Columns, &Self::SetColumns).Default(1);
    b.Property(L"Rows", &Self::Rows, &Self::SetRows).Default(1);
    b.Property(L"ShowItemCaption", &Self::ShowItemCaption, &Self::SetShowItemCaption).Default(true);
    b.Field(L"OnChange", static_cast<TzidRibbonOnChange Self::*>(&Self::OnChange));
    b.Field(L"OnItemPropertyChanging",
            static_cast<TzidRibbonItemPropertyChanging Self::*>(&Self::OnItemPropertyChanging)))

CLASSLIB_DEFINE_CLASS(TzidRibbonItem, TzidRibbonCustomControl, using Self = TzidRibbonItem;
                      TzidRibbonPublisher<Self>(b).Caption().Glyph().Id().ImageIndex().ScreenTip().SuperTip())

namespace {

bool IsItemProperty(TzidRibbonControlPropertyType PropertyType) {
    return PropertyType >= rcptItemID && PropertyType <= rcptItemGlyph;
}

// What edit box and combo box share: the written length limit only within the range the host takes.
void AddMaxLength(TzidAttributeList &List, int MaxLength) {
    if (MaxLength >= 1 && MaxLength <= zidMaxTextLength)
        List.Add(L"maxLength", std::to_wstring(MaxLength));
}

// The attributes of a built-in edit, combo box or drop-down, after "idMso"; false when the list ends.
bool BuiltInTextAttributes(TzidAttributeList &List, const TzidRibbonCustomControl &Control,
                           bool WithImageMso) {
    if (List.MsoHead(Control.GetParentIdMso()))
        return false;
    List.Add(L"keytip", Control.KeyTip());
    List.Add(L"label", Control.Caption());
    List.Add(L"supertip", Control.SuperTip());
    List.Add(L"screentip", Control.ScreenTip());
    List.AddBool(L"showLabel", Control.ShowCaption());
    List.AddBool(L"enabled", Control.Enabled());
    if (WithImageMso)
        List.Add(L"imageMso", Control.ImageMso());
    List.AddBool(L"showImage", !Control.ImageMso().empty());
    return true;
}

void ItemCallbacks(TzidAttributeList &List) {
    for (const wchar_t *name : {L"getItemCount", L"getItemID", L"getItemImage", L"getItemLabel",
                                L"getItemScreentip", L"getItemSupertip"})
        List.Callback(name);
}

// Edit and combo box: false when a built-in control's list ended early.
bool TextBoxAttributes(TzidAttributeList &List, const TzidRibbonCustomControl &Control, int MaxLength,
                       const std::wstring &SizeString) {
    if (!Control.IdMso().empty())
        return BuiltInTextAttributes(List, Control, true);
    List.Id(false);
    AddMaxLength(List, MaxLength);
    List.Add(L"sizeString", SizeString);
    List.Image();
    List.Add(L"imageMso", Control.ImageMso());
    for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getSupertip", L"getScreentip", L"getShowLabel",
                                L"getShowImage", L"getEnabled", L"getText"})
        List.Callback(name);
    List.Add(L"onChange", L"OnChange_Callback");
    return true;
}

// The item questions go to the item event, the others to the control's own.
template <class Control>
void FirePropertyChanging(Control &Self, TzidRibbonControlPropertyType PropertyType,
                          classlib::OleVariant &Value, IDispatch *Context, int Index) {
    if (IsItemProperty(PropertyType)) {
        if (Self.OnItemPropertyChanging)
            Self.RunHandler([&] { Self.OnItemPropertyChanging(&Self, PropertyType, Value, Context, Index); });
    } else {
        Self.TzidRibbonCustomControl::DoPropertyChanging(PropertyType, Value, Context, Index);
    }
}

} // namespace

// ---- edit box ----------------------------------------------------------------------------------

TzidRibbonEditBox::TzidRibbonEditBox(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonEditBox::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!TextBoxAttributes(list, *this, maxLength_, sizeString_))
        return list.Take();
    list.Insert();
    list.Callback(L"getVisible");
    return list.Take();
}

void TzidRibbonEditBox::DoAction(const TzidRibbonActionArguments &Args) {
    text_ = Args.Text;
    FireAction(OnChange, this, Args.RibbonControl.Get());
}

// ---- combo box ---------------------------------------------------------------------------------

TzidRibbonComboBox::TzidRibbonComboBox(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection),
      items_(std::make_unique<TzidRibbonItems>(this, 1000, TzidRibbonItem::StaticClass())) {
    EnterInIdList();
}

void TzidRibbonComboBox::SetItems(TzidRibbonItems *Value) {
    items_->Assign(Value);
}

std::unique_ptr<classlib::TStringList> TzidRibbonComboBox::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!TextBoxAttributes(list, *this, maxLength_, sizeString_))
        return list.Take();
    if (idMso_.empty()) {
        ItemCallbacks(list);
        list.Add(L"invalidateContentOnDrop", L"true");
    }
    list.Insert();
    list.Callback(L"getVisible");
    return list.Take();
}

void TzidRibbonComboBox::DoAction(const TzidRibbonActionArguments &Args) {
    text_ = Args.Text;
    FireAction(OnChange, this, Args.RibbonControl.Get());
}

void TzidRibbonComboBox::DoPropertyChanging(TzidRibbonControlPropertyType PropertyType,
                                            classlib::OleVariant &Value, IDispatch *Context, int Index) {
    FirePropertyChanging(*this, PropertyType, Value, Context, Index);
}

// ---- drop-down and gallery ---------------------------------------------------------------------

TzidRibbonListControl::TzidRibbonListControl(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection),
      items_(std::make_unique<TzidRibbonItems>(this, 1000, TzidRibbonItem::StaticClass())),
      controls_(std::make_unique<TzidRibbonControls>(this, 16, TzidRibbonButton::StaticClass())) {}

TzidRibbonListControl::~TzidRibbonListControl() {
    // The children find the module through this control: they go while it is whole.
    controls_.reset();
    items_.reset();
}

void TzidRibbonListControl::SetItems(TzidRibbonItems *Value) {
    items_->Assign(Value);
}

void TzidRibbonListControl::SetControls(TzidRibbonControls *Value) {
    controls_->Assign(Value);
}

void TzidRibbonListControl::DoAction(const TzidRibbonActionArguments &Args) {
    selectedItemId_ = Args.SelectedId;
    selectedItemIndex_ = Args.SelectedIndex;
    FireAction(OnChange, this, Args.RibbonControl.Get());
}

void TzidRibbonListControl::DoPropertyChanging(TzidRibbonControlPropertyType PropertyType,
                                               classlib::OleVariant &Value, IDispatch *Context, int Index) {
    FirePropertyChanging(*this, PropertyType, Value, Context, Index);
}

TzidRibbonDropDown::TzidRibbonDropDown(classlib::TCollection *Collection)
    : TzidRibbonListControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidRibbonDropDown::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!idMso_.empty()) {
        if (!BuiltInTextAttributes(list, *this, false))
            return list.Take();
    } else {
        list.Id(false);
        list.Image();
        for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getSupertip", L"getScreentip",
                                    L"getShowLabel", L"getShowImage", L"getEnabled"})
            list.Callback(name);
        ItemCallbacks(list);
        list.Selected();
        list.ActionSelected();
        list.Add(L"sizeString", sizeString_);
        list.AddBool(L"showItemLabel", showItemCaption_);
    }
    list.Insert();
    list.Add(L"imageMso", imageMso_);
    list.Callback(L"getVisible");
    return list.Take();
}

TzidRibbonGallery::TzidRibbonGallery(classlib::TCollection *Collection) : TzidRibbonListControl(Collection) {
    EnterInIdList();
}

void TzidRibbonGallery::SetColumns(int Value) {
    if (Value >= 1 && Value <= zidMaxTextLength)
        columns_ = Value;
}

void TzidRibbonGallery::SetRows(int Value) {
    if (Value >= 1 && Value <= zidMaxTextLength)
        rows_ = Value;
}

std::unique_ptr<classlib::TStringList> TzidRibbonGallery::GetAttributes(int ContextMenuNumber) const {
    TzidAttributeList list(*this, Module(), ContextMenuNumber);
    if (!idMso_.empty()) {
        if (!BuiltInTextAttributes(list, *this, false))
            return list.Take();
    } else {
        list.Id(true);
        list.Image();
        for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getSupertip", L"getScreentip",
                                    L"getShowLabel", L"getShowImage", L"getEnabled"})
            list.Callback(name);
        list.AddBool(L"showItemLabel", showItemCaption_);
        ItemCallbacks(list);
        list.Selected();
        list.ActionSelected();
        list.Add(L"columns", std::to_wstring(columns_));
        list.Add(L"rows", std::to_wstring(rows_));
        list.Callback(L"getItemHeight");
        list.Callback(L"getItemWidth");
        list.Add(L"invalidateContentOnDrop", L"true");
    }
    list.Insert();
    list.Add(L"imageMso", imageMso_);
    list.Callback(L"getVisible");
    if (!RibbonParentIs<TzidRibbonMenu, TzidRibbonButtonGroup>(*this))
        list.Callback(L"getSize");
    return list.Take();
}

// ---- item --------------------------------------------------------------------------------------

TzidRibbonItem::TzidRibbonItem(classlib::TCollection *Collection) : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

void TzidRibbonItem::AppearanceChanged() {
    if (auto *dropDown = dynamic_cast<TzidRibbonDropDown *>(ParentControl()))
        dropDown->Invalidate();
}

} // namespace framework
