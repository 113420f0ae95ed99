#include "framework/commandbars/CommandBarComboBox.h"

#include <utility>

#include "classlib/Classes.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCustomCommandBarComboBox, TzidCommandBarControl, )

using Edit = TzidCommandBarEdit;
CLASSLIB_DEFINE_CLASS(TzidCommandBarEdit, TzidCustomCommandBarComboBox,
                      b.Property(L"Style", &Edit::Style, &Edit::SetStyle).Default(zidMsoComboNormal);
                      b.Property(L"Text", &Edit::Text, &Edit::SetText).Default(L"");
                      b.Field<TzidNotifyEvent>(L"OnChange", &Edit::OnChange))

using Drop = TzidCommandBarDropDownList;
CLASSLIB_DEFINE_CLASS(
    TzidCommandBarDropDownList, TzidCustomCommandBarComboBox,
    b.Property(L"DropdownLines", &Drop::DropdownLines, &Drop::SetDropdownLines).Default(0);
    b.Property(L"DropdownWidth", &Drop::DropdownWidth, &Drop::SetDropdownWidth).Default(0);
    b.Property(L"ListIndex", &Drop::ListIndex, &Drop::SetListIndex).Default(0);
    b.Property(L"ListHeaderCount", &Drop::ListHeaderCount, &Drop::SetListHeaderCount).Default(-1);
    b.Property(L"Style", &Drop::Style, &Drop::SetStyle).Default(zidMsoComboNormal);
    b.Property(L"Text", &Drop::Text, &Drop::SetText).Default(L""); b.ReadOnly(L"Items", &Drop::Items);
    b.Field<TzidNotifyEvent>(L"OnChange", &Drop::OnChange))

using Combo = TzidCommandBarComboBox;
CLASSLIB_DEFINE_CLASS(
    TzidCommandBarComboBox, TzidCustomCommandBarComboBox,
    b.Property(L"DropdownLines", &Combo::DropdownLines, &Combo::SetDropdownLines).Default(0);
    b.Property(L"DropdownWidth", &Combo::DropdownWidth, &Combo::SetDropdownWidth).Default(0);
    b.Property(L"ListHeaderCount", &Combo::ListHeaderCount, &Combo::SetListHeaderCount).Default(-1);
    b.Property(L"ListIndex", &Combo::ListIndex, &Combo::SetListIndex).Default(0);
    b.Property(L"Style", &Combo::Style, &Combo::SetStyle).Default(zidMsoComboNormal);
    b.Property(L"Text", &Combo::Text, &Combo::SetText).Default(L""); b.ReadOnly(L"Items", &Combo::Items);
    b.Field<TzidNotifyEvent>(L"OnChange", &Combo::OnChange))

namespace {

using Cb = _CommandBarComboBox;
const TOfficeValue<Cb, long> kDropDownLines{&Cb::get_DropDownLines, &Cb::put_DropDownLines};
const TOfficeValue<Cb, long> kDropDownWidth{&Cb::get_DropDownWidth, &Cb::put_DropDownWidth};
const TOfficeValue<Cb, long> kListHeaderCount{&Cb::get_ListHeaderCount, &Cb::put_ListHeaderCount};
const TOfficeValue<Cb, long> kListIndex{&Cb::get_ListIndex, &Cb::put_ListIndex};
using TStyleProperty = TOfficeOrdinal<Cb, MsoComboStyle, TzidMsoComboStyle, 2>;
TStyleProperty StyleProperty(TzidMsoComboStyle Unknown) {
    return {&Cb::get_Style, &Cb::put_Style, Unknown};
}
constexpr auto kNoStyle = static_cast<TzidMsoComboStyle>(255);
const TOfficeString<Cb> kText{&Cb::get_Text, &Cb::put_Text};

} // namespace

TzidCustomCommandBarComboBox::TzidCustomCommandBarComboBox(classlib::TCollection *Collection)
    : TzidCommandBarControl(Collection), items_(std::make_unique<TzidStrings>()) {
    items_->OnChange = classlib::MakeEvent<&TzidCustomCommandBarComboBox::ItemsChange>(this);
}

TzidCustomCommandBarComboBox::~TzidCustomCommandBarComboBox() {
    events_.Disconnect();
    items_->OnChange.Clear();
    comboBoxInterface_.Reset();
}

int TzidCustomCommandBarComboBox::DropdownLines() const {
    return ReadLive(comboBoxInterface_.Get(), dropdownLines_, dropdownLines_, kDropDownLines);
}
void TzidCustomCommandBarComboBox::SetDropdownLines(int Value) {
    WriteLive(comboBoxInterface_.Get(), dropdownLines_, Value, kDropDownLines);
}

int TzidCustomCommandBarComboBox::DropdownWidth() const {
    return ReadLive(comboBoxInterface_.Get(), dropdownWidth_, dropdownWidth_, kDropDownWidth);
}
void TzidCustomCommandBarComboBox::SetDropdownWidth(int Value) {
    WriteLive(comboBoxInterface_.Get(), dropdownWidth_, Value, kDropDownWidth);
}

int TzidCustomCommandBarComboBox::ListHeaderCount() const {
    return ReadLive(comboBoxInterface_.Get(), listHeaderCount_, listHeaderCount_, kListHeaderCount);
}
void TzidCustomCommandBarComboBox::SetListHeaderCount(int Value) {
    WriteLive(comboBoxInterface_.Get(), listHeaderCount_, Value, kListHeaderCount);
}

int TzidCustomCommandBarComboBox::ListIndex() const {
    return ReadLive(comboBoxInterface_.Get(), listIndex_, listIndex_, kListIndex);
}
void TzidCustomCommandBarComboBox::SetListIndex(int Value) {
    WriteLive(comboBoxInterface_.Get(), listIndex_, Value, kListIndex);
}

TzidMsoComboStyle TzidCustomCommandBarComboBox::Style() const {
    return ReadLive(comboBoxInterface_.Get(), style_, style_, StyleProperty(style_));
}
void TzidCustomCommandBarComboBox::SetStyle(TzidMsoComboStyle Value) {
    WriteLive(comboBoxInterface_.Get(), style_, Value, StyleProperty(kNoStyle));
}

std::wstring TzidCustomCommandBarComboBox::Text() const {
    return ReadLive(comboBoxInterface_.Get(), text_, std::wstring(), kText);
}
void TzidCustomCommandBarComboBox::SetText(const std::wstring &Value) {
    WriteLive(comboBoxInterface_.Get(), text_, Value, kText);
}

void TzidCustomCommandBarComboBox::FillOfficeList() {
    for (int i = 0; i < items_->Count(); ++i)
        classlib::OleCheck(
            comboBoxInterface_->AddItem(classlib::TBStr(items_->Strings(i)).Get(), MissingArg()));
}

void TzidCustomCommandBarComboBox::SetItems(TzidStrings *Value) {
    items_->Assign(Value);
    if (comboBoxInterface_) {
        classlib::OleCheck(comboBoxInterface_->Clear());
        FillOfficeList();
    }
    IncPropertyChanged();
}

void TzidCustomCommandBarComboBox::ItemsChange(classlib::TObject *) {
    if (!comboBoxInterface_)
        return;
    const HRESULT hr = comboBoxInterface_->Clear();
    if (FAILED(hr)) {
        TraceCommandBars(L"Clear of the list " + StoredOfficeTag() + L" failed: it is looked up again");
        TzidCOMAddInModule *module = Module();
        BindOfficeControl(module != nullptr ? module->FindControlByTag(OfficeControlType(GetControlType()),
                                                                       StoredOfficeTag())
                                            : classlib::ComPtr<CommandBarControl>());
        if (!comboBoxInterface_)
            classlib::OleCheck(hr);
        classlib::OleCheck(comboBoxInterface_->Clear());
    }
    FillOfficeList();
}

void TzidCustomCommandBarComboBox::SetControlInterface(classlib::ComPtr<_CommandBarComboBox> Control) {
    TzidCommandBarControl::SetControlInterface(Control ? Control.As<CommandBarControl>()
                                                       : classlib::ComPtr<CommandBarControl>());
    classlib::ComPtr<_CommandBarComboBox> old = std::exchange(comboBoxInterface_, std::move(Control));
    events_.Follow(comboBoxInterface_ ? Module() : nullptr, *this, old.Get(), comboBoxInterface_.Get());
}

void TzidCustomCommandBarComboBox::BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) {
    SetControlInterface(Found ? Found.As<_CommandBarComboBox>() : classlib::ComPtr<_CommandBarComboBox>());
}

bool TzidCustomCommandBarComboBox::UpdateControl() {
    const int failures = ReportedFailures();
    const bool changed = TzidCommandBarControl::UpdateControl();
    if (!comboBoxInterface_ || !changed)
        return changed;
    SetStyle(style_);
    if (dropdownLines_ != 0)
        SetDropdownLines(dropdownLines_);
    if (dropdownWidth_ != 0)
        SetDropdownWidth(dropdownWidth_);
    classlib::OleCheck(comboBoxInterface_->Clear());
    // A drop-down list shows only its entries; a disabled control gets no text.
    if (GetControlType() != cctDropdownList && StoredEnabled())
        SetText(text_);
    FillOfficeList();
    if (listIndex_ != 0)
        SetListIndex(listIndex_);
    if (listHeaderCount_ != -1)
        SetListHeaderCount(listHeaderCount_);
    if (!Temporary() && ReportedFailures() == failures)
        SavePropertyChanged();
    return changed;
}

void TzidCustomCommandBarComboBox::DoAction() {
    RunHandler(Module(), this, [this] { OnChange(this); });
}

void TzidCustomCommandBarComboBox::Assign(const classlib::TPersistent *Source) {
    TzidCommandBarControl::Assign(Source);
    const auto *source = dynamic_cast<const TzidCustomCommandBarComboBox *>(Source);
    if (source == nullptr || &source->ClassType() != &ClassType())
        return;
    SetStyle(source->Style());
    SetText(source->Text());
}

namespace {

// What a drop-down list and a combo box copy beyond the base: sizes and entries.
void AssignListValues(TzidCustomCommandBarComboBox &Target, const classlib::TPersistent *Source) {
    const auto *source = dynamic_cast<const TzidCustomCommandBarComboBox *>(Source);
    if (source == nullptr || &source->ClassType() != &Target.ClassType())
        return;
    Target.SetDropdownLines(source->DropdownLines());
    Target.SetDropdownWidth(source->DropdownWidth());
    Target.SetItems(source->Items());
}

} // namespace

void TzidCommandBarDropDownList::Assign(const classlib::TPersistent *Source) {
    TzidCustomCommandBarComboBox::Assign(Source);
    AssignListValues(*this, Source);
}

void TzidCommandBarComboBox::Assign(const classlib::TPersistent *Source) {
    TzidCustomCommandBarComboBox::Assign(Source);
    AssignListValues(*this, Source);
}

} // namespace framework
