#include "framework/commandbars/CommandBar.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/commandbars/CommandBarAdvancedControl.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarStreaming.h"
#include "framework/commandbars/OfficeAccess.h"
#include "framework/core/AddInModule.h"
#include "framework/core/AddInObject.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ModuleErrors.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCustomCommandBar, classlib::TComponent, )

using Self = TzidCommandBar;

CLASSLIB_DEFINE_CLASS(
    TzidCommandBar, TzidCustomCommandBar,
    b.Property(L"SupportedApps", &Self::SupportedApps, &Self::SetSupportedApps);
    b.ReadOnly(L"Controls", &Self::Controls).NotStored();
    b.Property(L"Enabled", &Self::Enabled, &Self::SetEnabled).Default(true);
    b.Property(L"CommandBarLeft", &Self::CommandBarLeft, &Self::SetCommandBarLeft).Default(-1);
    b.Property(L"CommandBarName", &Self::CommandBarName, &Self::SetCommandBarName);
    b.Property(L"Position", &Self::Position, &Self::SetPosition).Default(zidMsoBarTop);
    b.Property(L"RowIndex", &Self::RowIndex, &Self::SetRowIndex).Default(-1);
    b.Property(L"Protection", &Self::Protection, &Self::SetProtection).Default(zidMsoBarNoProtection);
    b.Property(L"CommandBarTop", &Self::CommandBarTop, &Self::SetCommandBarTop).Default(-1);
    b.Property(L"Visible", &Self::Visible, &Self::SetVisible).Default(true);
    b.Property(L"Temporary", &Self::Temporary, &Self::SetTemporary).Default(false);
    b.Property(L"UseForRibbon", &Self::UseForRibbon, &Self::SetUseForRibbon).Default(false))

namespace {

using B = CommandBar;
const TOfficeBool<B> kEnabled{&B::get_Enabled, &B::put_Enabled};
const TOfficeBool<B> kVisible{&B::get_Visible, &B::put_Visible};
const TOfficeValue<B, long> kLeft{&B::get_Left, &B::put_Left};
const TOfficeValue<B, long> kTop{&B::get_Top, &B::put_Top};
const TOfficeValue<B, long> kRowIndex{&B::get_RowIndex, &B::put_RowIndex};
const TOfficeString<B> kName{&B::get_Name, &B::put_Name};
const TOfficeString<B> kNameLocal{&B::get_NameLocal, &B::put_NameLocal};

// Office's position numbers are the enumeration's ordinals; one Office does not know stays unread.
struct TPositionProperty {
    TzidMsoBarPosition Read(CommandBar *Bar) const {
        MsoBarPosition value = msoBarTop;
        classlib::OleCheck(Bar->get_Position(&value));
        if (value < msoBarLeft || value > msoBarMenuBar)
            throw classlib::EOleSysError(
                classlib::Format(L"Office reports the bar position %d", {int(value)}), E_UNEXPECTED);
        return static_cast<TzidMsoBarPosition>(value);
    }
    void Write(CommandBar *Bar, TzidMsoBarPosition Value) const {
        classlib::OleCheck(Bar->put_Position(static_cast<MsoBarPosition>(Value)));
    }
};

struct TProtectionProperty {
    TzidMsoBarProtection Read(CommandBar *Bar) const {
        MsoBarProtection value = msoBarNoProtection;
        classlib::OleCheck(Bar->get_Protection(&value));
        return ProtectionFromOffice(value);
    }
    void Write(CommandBar *Bar, TzidMsoBarProtection Value) const {
        classlib::OleCheck(Bar->put_Protection(static_cast<MsoBarProtection>(ProtectionToOffice(Value))));
    }
};

// A bar lives in an add-in module, whose host, lists and records it uses.
classlib::TComponent *ModuleOwner(classlib::TComponent *AOwner) {
    if (dynamic_cast<TzidCOMAddInModule *>(AOwner) == nullptr)
        RaiseZidError(
            zidErrWrongContainer,
            classlib::Format(SzidWrongContainer, {TzidCustomCommandBar::StaticClass().Name(),
                                                  AOwner != nullptr ? AOwner->ClassName() : L"nil"}));
    return AOwner;
}

} // namespace

TzidCustomCommandBar::TzidCustomCommandBar(classlib::TComponent *AOwner)
    : TComponent(ModuleOwner(AOwner)), addInModule_(static_cast<TzidCOMAddInModule *>(AOwner)),
      controls_(std::make_unique<TzidCommandBarControls>(this)),
      supportedApps_(addInModule_->SupportedApps()) {
    addInModule_->CommandBarList().Add(this);
}

TzidCustomCommandBar::~TzidCustomCommandBar() {
    TzidHandlerCall::ObjectGone(this);
    addInModule_->CommandBarList().Remove(this);
    // A bar the add-in frees while connected is no longer unbound or removed for the windows it was in.
    if (TdivAzore *addIn = addInModule_->AddIn())
        addIn->ForgetWindowBar(this);
    commandBarInterface_.Reset();
    controls_.reset();
}

void TzidCustomCommandBar::ReportError(const classlib::Exception &E) const noexcept {
    ++reportedFailures_;
    try {
        addInModule_->DoError(E);
    } catch (...) {
        TraceCommandBars(L"An Office failure of the bar " + commandBarName_ + L" could not be reported", E);
    }
}

void TzidCustomCommandBar::IncPropertyChanged() {
    if ((ComponentState() & classlib::csDesigning) != 0)
        ++propertyChanged_;
}

template <class V, class P>
V TzidCustomCommandBar::ReadLive(const V &Field, const V &Failed, const P &Prop) const {
    if (!commandBarInterface_)
        return Field;
    try {
        return Prop.Read(commandBarInterface_.Get());
    } catch (const classlib::Exception &E) {
        ReportError(E);
        return Failed;
    }
}

template <class V, class P> void TzidCustomCommandBar::WriteLive(V &Field, const V &Value, const P &Prop) {
    Field = Value;
    if (commandBarInterface_) {
        try {
            if (!(Prop.Read(commandBarInterface_.Get()) == Value))
                Prop.Write(commandBarInterface_.Get(), Value);
        } catch (const classlib::Exception &E) {
            ReportError(E);
        }
    }
    IncPropertyChanged();
}

// ---- properties ----

void TzidCustomCommandBar::SetControls(TzidCommandBarControls *Value) {
    controls_->Assign(Value);
    IncPropertyChanged();
}

bool TzidCustomCommandBar::Enabled() const {
    return ReadLive(enabled_, enabled_, kEnabled);
}
void TzidCustomCommandBar::SetEnabled(bool Value) {
    WriteLive(enabled_, Value, kEnabled);
}

int TzidCustomCommandBar::CommandBarLeft() const {
    return ReadLive(commandBarLeft_, commandBarLeft_, kLeft);
}
void TzidCustomCommandBar::SetCommandBarLeft(int Value) {
    WriteLive(commandBarLeft_, Value, kLeft);
}

std::wstring TzidCustomCommandBar::CommandBarName() const {
    return ReadLive(commandBarName_, std::wstring(), kName);
}

void TzidCustomCommandBar::SetCommandBarName(const std::wstring &Value) {
    if (Value.empty())
        RaiseZidError(zidErrEmptyProperty, classlib::Format(SzidEmptyProperty, {L"CommandBarName"}));
    WriteLive(commandBarName_, Value, kName);
    if (nameLocal_.empty())
        SetNameLocal(Value);
}

std::wstring TzidCustomCommandBar::NameLocal() const {
    return ReadLive(nameLocal_, nameLocal_, kNameLocal);
}
void TzidCustomCommandBar::SetNameLocal(const std::wstring &Value) {
    WriteLive(nameLocal_, Value, kNameLocal);
}

TzidMsoBarPosition TzidCustomCommandBar::Position() const {
    return ReadLive(position_, position_, TPositionProperty{});
}

void TzidCustomCommandBar::SetPosition(TzidMsoBarPosition Value) {
    if (HoldsAdvancedControl() && (Value == zidMsoBarPopup || Value == zidMsoBarMenuBar))
        RaiseZidError(zidErrAdvancedControlBarType, SzidAdvancedControlBarType);
    WriteLive(position_, Value, TPositionProperty{});
}

int TzidCustomCommandBar::RowIndex() const {
    return ReadLive(rowIndex_, rowIndex_, kRowIndex);
}
void TzidCustomCommandBar::SetRowIndex(int Value) {
    WriteLive(rowIndex_, Value, kRowIndex);
}

TzidMsoBarProtection TzidCustomCommandBar::Protection() const {
    return ReadLive(protection_, protection_, TProtectionProperty{});
}

void TzidCustomCommandBar::SetProtection(TzidMsoBarProtection Value) {
    if (HoldsAdvancedControl() && Value != zidMsoBarNoChangeDock)
        RaiseZidError(zidErrAdvancedControlProtection, SzidAdvancedControlProtection);
    WriteLive(protection_, Value, TProtectionProperty{});
}

int TzidCustomCommandBar::CommandBarTop() const {
    return ReadLive(commandBarTop_, commandBarTop_, kTop);
}
void TzidCustomCommandBar::SetCommandBarTop(int Value) {
    WriteLive(commandBarTop_, Value, kTop);
}

bool TzidCustomCommandBar::Visible() const {
    return ReadLive(visible_, visible_, kVisible);
}
void TzidCustomCommandBar::SetVisible(bool Value) {
    WriteLive(visible_, Value, kVisible);
}

void TzidCustomCommandBar::SetTemporary(bool Value) {
    if (Value == temporary_)
        return;
    temporary_ = Value;
    IncPropertyChanged();
}

bool TzidCustomCommandBar::BuiltIn() const {
    if (!commandBarInterface_)
        return false;
    try {
        VARIANT_BOOL builtIn = VARIANT_FALSE;
        classlib::OleCheck(commandBarInterface_->get_BuiltIn(&builtIn));
        return builtIn != VARIANT_FALSE;
    } catch (const classlib::Exception &E) {
        ReportError(E);
        return false;
    }
}

bool TzidCustomCommandBar::HoldsAdvancedControl() const {
    for (int i = 0; i < controls_->Count(); ++i)
        if (controls_->Items(i)->GetControlType() == cctAdvancedControl)
            return true;
    return false;
}

// ---- streaming and notifications ----

void TzidCustomCommandBar::DefineProperties(classlib::TFiler &Filer) {
    TComponent::DefineProperties(Filer);
    DefineCommandBarControls(Filer, *controls_, buttonTypes_);
    Filer.DefineProperty(
        L"PropertyChanged", [this](classlib::TReader &Reader) { propertyChanged_ = Reader.ReadInteger(); },
        [this](classlib::TWriter &Writer) { Writer.WriteInteger(propertyChanged_); }, true);
}

void TzidCustomCommandBar::Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Destroying() || Operation != classlib::TOperation::opRemove || !controls_)
        return;
    for (int i = 0; i < controls_->Count(); ++i)
        if (auto *advanced = dynamic_cast<TzidCommandBarAdvancedControl *>(controls_->Items(i));
            advanced != nullptr && advanced->Control() == AComponent)
            advanced->ClearControl();
}

} // namespace framework
