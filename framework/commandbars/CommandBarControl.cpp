#include "framework/commandbars/CommandBarControl.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "framework/commandbars/OutlookCommandBars.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"

namespace framework {

using Self = TzidCommandBarControl;

CLASSLIB_DEFINE_CLASS(
    TzidCommandBarControl, classlib::TCollectionItem,
    b.Property(L"BeginGroup", &Self::BeginGroup, &Self::SetBeginGroup).Default(false);
    b.Property(L"Enabled", &Self::Enabled, &Self::SetEnabled).Default(true);
    b.Property(L"Visible", &Self::Visible, &Self::SetVisible).Default(true);
    b.Property(L"Caption", &Self::Caption, &Self::SetCaption).Default(L"");
    b.Property(L"DescriptionText", &Self::DescriptionText, &Self::SetDescriptionText).Default(L"");
    b.Property(L"Height", &Self::Height, &Self::SetHeight).Default(0);
    b.Property(L"HelpContextID", &Self::HelpContextID, &Self::SetHelpContextID).Default(0);
    b.Property(L"HelpFile", &Self::HelpFile, &Self::SetHelpFile).Default(L"");
    b.Property(L"Parameter", &Self::Parameter, &Self::SetParameter).Default(L"");
    b.Property(L"Priority", &Self::Priority, &Self::SetPriority).Default(0);
    b.Property(L"OfficeID", &Self::OfficeID, &Self::SetOfficeID).Default(1);
    b.Property(L"OfficeTag", &Self::OfficeTag, &Self::SetOfficeTag);
    b.Field(L"olExplorerItemTypes", &Self::olExplorerItemTypes);
    b.Field(L"olInspectorItemTypes", &Self::olInspectorItemTypes);
    b.Field(L"olItemTypeAction", &Self::olItemTypeAction).Default(zidOLActionNone);
    b.Property(L"TooltipText", &Self::TooltipText, &Self::SetTooltipText).Default(L"");
    b.Property(L"Width", &Self::Width, &Self::SetWidth).Default(0);
    b.Property(L"AfterID", &Self::AfterID, &Self::SetAfterID).Default(0);
    b.Property(L"Before", &Self::Before, &Self::SetBefore).Default(0);
    b.Property(L"BeforeID", &Self::BeforeID, &Self::SetBeforeID).Default(0);
    b.Property(L"Temporary", &Self::Temporary, &Self::SetTemporary).Default(false);
    b.Property(L"Tag", &Self::Tag, &Self::SetTag).Default(0))

namespace {

using C = CommandBarControl;
const TOfficeBool<C> kBeginGroup{&C::get_BeginGroup, &C::put_BeginGroup};
const TOfficeBool<C> kEnabled{&C::get_Enabled, &C::put_Enabled};
const TOfficeBool<C> kVisible{&C::get_Visible, &C::put_Visible};
const TOfficeString<C> kCaption{&C::get_Caption, &C::put_Caption};
const TOfficeString<C> kDescriptionText{&C::get_DescriptionText, &C::put_DescriptionText};
const TOfficeValue<C, long> kHeight{&C::get_Height, &C::put_Height};
const TOfficeValue<C, long> kHelpContextId{&C::get_HelpContextId, &C::put_HelpContextId};
const TOfficeString<C> kHelpFile{&C::get_HelpFile, &C::put_HelpFile};
const TOfficeString<C> kParameter{&C::get_Parameter, &C::put_Parameter};
const TOfficeValue<C, long> kPriority{&C::get_Priority, &C::put_Priority};
const TOfficeString<C> kTag{&C::get_Tag, &C::put_Tag};
const TOfficeString<C> kTooltipText{&C::get_TooltipText, &C::put_TooltipText};
const TOfficeValue<C, long> kWidth{&C::get_Width, &C::put_Width};

std::wstring NewOfficeTag() {
    GUID guid{};
    classlib::OleCheck(CoCreateGuid(&guid));
    return classlib::GUIDToString(guid);
}

// The bar at the root of the owner chain: collection, its owner (a bar, or a popup and its
// collection ...), up to the first component.
TzidCustomCommandBar *FindOwnerBar(classlib::TCollection *Collection) {
    classlib::TPersistent *owner = Collection;
    while (owner != nullptr && dynamic_cast<classlib::TComponent *>(owner) == nullptr)
        owner = owner->GetOwner();
    return dynamic_cast<TzidCustomCommandBar *>(owner);
}

} // namespace

TzidCommandBarControl::TzidCommandBarControl(classlib::TCollection *Collection)
    : TCollectionItem(Collection), officeTag_(NewOfficeTag()), ownerBar_(FindOwnerBar(Collection)) {
    if (auto *explorerBar = dynamic_cast<TzidOlExplorerCustomCommandBar *>(ownerBar_))
        olExplorerItemTypes = explorerBar->ItemTypes();
    if (auto *inspectorBar = dynamic_cast<TzidOlInspectorCustomCommandBar *>(ownerBar_))
        olInspectorItemTypes = inspectorBar->ItemTypes();
    if (ownerBar_ != nullptr)
        temporary_ = ownerBar_->Temporary();
}

TzidCommandBarControl::~TzidCommandBarControl() {
    TzidHandlerCall::ObjectGone(this);
    controlInterface_.Reset();
}

TzidCOMAddInModule *TzidCommandBarControl::Module() const {
    return ownerBar_ != nullptr ? ownerBar_->AddInModule() : nullptr;
}

TzidCommandBarControls *TzidCommandBarControl::OwnerCollection() const {
    return dynamic_cast<TzidCommandBarControls *>(Collection());
}

void TzidCommandBarControl::ReportError(const classlib::Exception &E) const noexcept {
    ++reportedFailures_;
    try {
        if (TzidCOMAddInModule *module = Module()) {
            module->DoError(E);
            return;
        }
        TraceCommandBars(L"A control outside any bar", E);
    } catch (...) {
        TraceCommandBars(L"An Office failure could not be reported: " + E.Message());
    }
}

void TzidCommandBarControl::IncPropertyChanged() {
    if (ownerBar_ != nullptr && (ownerBar_->ComponentState() & classlib::csDesigning) != 0)
        ++propertyChanged_;
}

void TzidCommandBarControl::StoreChange(int &Field, int Value) {
    Field = Value;
    IncPropertyChanged();
}

// ---- live properties ----

bool TzidCommandBarControl::BeginGroup() const {
    return ReadLive(controlInterface_.Get(), beginGroup_, beginGroup_, kBeginGroup);
}
void TzidCommandBarControl::SetBeginGroup(bool Value) {
    WriteLive(controlInterface_.Get(), beginGroup_, Value, kBeginGroup);
}

bool TzidCommandBarControl::Enabled() const {
    return ReadLive(controlInterface_.Get(), enabled_, enabled_, kEnabled);
}

void TzidCommandBarControl::SetEnabled(bool Value) {
    if (!WriteLive(controlInterface_.Get(), enabled_, Value, kEnabled))
        return;
    TzidCOMAddInModule *module = Module();
    if (module == nullptr || module->HostType() != ohaOutlook)
        return;
    // Outlook repaints a control whose Enabled changed only once its size changes.
    try {
        CommandBarControl *control = controlInterface_.Get();
        kWidth.Write(control, kWidth.Read(control) + 1);
        kWidth.Write(control, kWidth.Read(control) - 1);
    } catch (const classlib::Exception &E) {
        ReportError(E);
    }
}

bool TzidCommandBarControl::Visible() const {
    return ReadLive(controlInterface_.Get(), visible_, visible_, kVisible);
}
void TzidCommandBarControl::SetVisible(bool Value) {
    WriteLive(controlInterface_.Get(), visible_, Value, kVisible);
}

std::wstring TzidCommandBarControl::Caption() const {
    return ReadLive(controlInterface_.Get(), caption_, std::wstring(), kCaption);
}
void TzidCommandBarControl::SetCaption(const std::wstring &Value) {
    WriteLive(controlInterface_.Get(), caption_, Value, kCaption);
}

std::wstring TzidCommandBarControl::DescriptionText() const {
    return ReadLive(controlInterface_.Get(), descriptionText_, std::wstring(), kDescriptionText);
}
void TzidCommandBarControl::SetDescriptionText(const std::wstring &Value) {
    WriteLive(controlInterface_.Get(), descriptionText_, Value, kDescriptionText);
}

int TzidCommandBarControl::Height() const {
    return ReadLive(controlInterface_.Get(), height_, height_, kHeight);
}
void TzidCommandBarControl::SetHeight(int Value) {
    WriteLive(controlInterface_.Get(), height_, Value, kHeight);
}

int TzidCommandBarControl::HelpContextID() const {
    return ReadLive(controlInterface_.Get(), helpContextID_, helpContextID_, kHelpContextId);
}
void TzidCommandBarControl::SetHelpContextID(int Value) {
    WriteLive(controlInterface_.Get(), helpContextID_, Value, kHelpContextId);
}

std::wstring TzidCommandBarControl::HelpFile() const {
    return ReadLive(controlInterface_.Get(), helpFile_, std::wstring(), kHelpFile);
}
void TzidCommandBarControl::SetHelpFile(const std::wstring &Value) {
    WriteLive(controlInterface_.Get(), helpFile_, Value, kHelpFile);
}

std::wstring TzidCommandBarControl::Parameter() const {
    return ReadLive(controlInterface_.Get(), parameter_, std::wstring(), kParameter);
}
void TzidCommandBarControl::SetParameter(const std::wstring &Value) {
    WriteLive(controlInterface_.Get(), parameter_, Value, kParameter);
}

int TzidCommandBarControl::Priority() const {
    return ReadLive(controlInterface_.Get(), priority_, priority_, kPriority);
}
void TzidCommandBarControl::SetPriority(int Value) {
    WriteLive(controlInterface_.Get(), priority_, Value, kPriority);
}

int TzidCommandBarControl::OfficeID() const {
    if (!controlInterface_)
        return officeID_;
    try {
        long id = 0;
        classlib::OleCheck(controlInterface_->get_Id(&id));
        return id;
    } catch (const classlib::Exception &E) {
        ReportError(E);
        return officeID_;
    }
}
void TzidCommandBarControl::SetOfficeID(int Value) {
    StoreChange(officeID_, Value);
}

std::wstring TzidCommandBarControl::OfficeTag() const {
    return ReadLive(controlInterface_.Get(), officeTag_, std::wstring(), kTag);
}
void TzidCommandBarControl::SetOfficeTag(const std::wstring &Value) {
    WriteLive(controlInterface_.Get(), officeTag_, Value, kTag);
}

std::wstring TzidCommandBarControl::TooltipText() const {
    return ReadLive(controlInterface_.Get(), tooltipText_, std::wstring(), kTooltipText);
}
void TzidCommandBarControl::SetTooltipText(const std::wstring &Value) {
    WriteLive(controlInterface_.Get(), tooltipText_, Value, kTooltipText);
}

int TzidCommandBarControl::Width() const {
    return ReadLive(controlInterface_.Get(), width_, width_, kWidth);
}
void TzidCommandBarControl::SetWidth(int Value) {
    WriteLive(controlInterface_.Get(), width_, Value, kWidth);
}

void TzidCommandBarControl::SetAfterID(int Value) {
    StoreChange(afterID_, Value);
}
void TzidCommandBarControl::SetBefore(int Value) {
    StoreChange(before_, Value);
}
void TzidCommandBarControl::SetBeforeID(int Value) {
    StoreChange(beforeID_, Value);
}
void TzidCommandBarControl::SetTemporary(bool Value) {
    if (Value == temporary_)
        return;
    temporary_ = Value;
    IncPropertyChanged();
}

// ---- binding ----

void TzidCommandBarControl::SetControlInterface(classlib::ComPtr<CommandBarControl> Control) {
    controlInterface_ = std::move(Control);
}

void TzidCommandBarControl::BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) {
    SetControlInterface(Found);
}

void TzidCommandBarControl::DoAction() {
    throw classlib::EAbstractError(L"Abstract error: " + ClassName() + L" has no action");
}

TzidCommandBarButton *TzidCommandBarControl::AsCommandBarButton() {
    return dynamic_cast<TzidCommandBarButton *>(this);
}

TzidCommandBarPopup *TzidCommandBarControl::AsCommandBarPopup() {
    return dynamic_cast<TzidCommandBarPopup *>(this);
}

// ---- copying, names, order, streaming ----

void TzidCommandBarControl::Assign(const classlib::TPersistent *Source) {
    const auto *source = dynamic_cast<const TzidCommandBarControl *>(Source);
    if (source == nullptr) {
        TCollectionItem::Assign(Source);
        return;
    }
    classlib::TUpdateScope update(Collection());
    tag_ = source->tag_;
    SetBeginGroup(source->BeginGroup());
    SetCaption(source->Caption());
    SetDescriptionText(source->DescriptionText());
    SetEnabled(source->Enabled());
    SetHeight(source->Height());
    SetHelpContextID(source->HelpContextID());
    SetHelpFile(source->HelpFile());
    SetParameter(source->Parameter());
    SetPriority(source->Priority());
    SetOfficeTag(source->OfficeTag());
    SetTooltipText(source->TooltipText());
    SetVisible(source->Visible());
    SetWidth(source->Width());
    SetTemporary(source->Temporary());
    SetAfterID(source->AfterID());
    SetBefore(source->Before());
    SetBeforeID(source->BeforeID());
}

std::wstring TzidCommandBarControl::GetDisplayName() const {
    std::wstring caption = Caption();
    std::wstring name = L"(" + ClassName() + L")";
    return caption.empty() ? name : caption + L" " + name;
}

void TzidCommandBarControl::SetIndex(int Index) {
    TCollectionItem::SetIndex(Index);
    if (TzidCommandBarControls *controls = OwnerCollection())
        for (int i = 0; i < controls->Count(); ++i)
            controls->Items(i)->IncPropertyChanged();
}

void TzidCommandBarControl::DefineProperties(classlib::TFiler &Filer) {
    TCollectionItem::DefineProperties(Filer);
    Filer.DefineProperty(
        L"PropertyChanged", [this](classlib::TReader &Reader) { propertyChanged_ = Reader.ReadInteger(); },
        [this](classlib::TWriter &Writer) { Writer.WriteInteger(propertyChanged_); }, true);
}

} // namespace framework
