#include "framework/commandbars/CommandBarButton.h"

#include <utility>

#include "classlib/Classes.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"

namespace framework {

using Self = TzidCommandBarButton;

CLASSLIB_DEFINE_CLASS(TzidCommandBarButton, TzidCommandBarControl,
                      b.Property(L"DisableStandardAction", &Self::DisableStandardAction,
                                 &Self::SetDisableStandardAction)
                          .Default(false);
                      b.Property(L"FaceID", &Self::FaceID, &Self::SetFaceID).Default(0);
                      b.Property(L"ShortcutText", &Self::ShortcutText, &Self::SetShortcutText).Default(L"");
                      b.Property(L"State", &Self::State, &Self::SetState).Default(zidMsoButtonUp);
                      b.Property(L"Style", &Self::Style, &Self::SetStyle).Default(zidMsoButtonAutomatic);
                      b.Property(L"HyperlinkType", &Self::HyperlinkType, &Self::SetHyperlinkType)
                          .Default(zidMsoCommandBarButtonHyperlinkNone);
                      b.ReadOnly(L"Glyph", &Self::Glyph);
                      b.Property(L"GlyphTransparentColor", &Self::GlyphTransparentColor,
                                 &Self::SetGlyphTransparentColor)
                          .Default(classlib::clDefault);
                      b.Field(L"OnClick", &Self::OnClick))

namespace {

using Btn = _CommandBarButton;
const TOfficeValue<Btn, long> kFaceId{&Btn::get_FaceId, &Btn::put_FaceId};
const TOfficeString<Btn> kShortcutText{&Btn::get_ShortcutText, &Btn::put_ShortcutText};
using THyperlinkTypeProperty =
    TOfficeOrdinal<Btn, MsoCommandBarButtonHyperlinkType, TzidMsoCommandBarButtonHyperlinkType, 3>;
THyperlinkTypeProperty HyperlinkTypeProperty(TzidMsoCommandBarButtonHyperlinkType Unknown) {
    return {&Btn::get_HyperlinkType, &Btn::put_HyperlinkType, Unknown};
}

// State and Style through their tables; an Office value outside the table reads as Unknown.
template <class Z, class M, HRESULT (STDMETHODCALLTYPE Btn::*Get)(M *),
          HRESULT (STDMETHODCALLTYPE Btn::*Put)(M), bool (*FromOffice)(long, Z &), long (*ToOffice)(Z)>
struct TTableProperty {
    Z Unknown;
    Z Read(Btn *Button) const {
        M value{};
        classlib::OleCheck((Button->*Get)(&value));
        Z result = Unknown;
        return FromOffice(value, result) ? result : Unknown;
    }
    void Write(Btn *Button, Z Value) const {
        classlib::OleCheck((Button->*Put)(static_cast<M>(ToOffice(Value))));
    }
};
using TStateProperty = TTableProperty<TzidMsoButtonState, MsoButtonState, &Btn::get_State, &Btn::put_State,
                                      &ButtonStateFromOffice, &ButtonStateToOffice>;
using TStyleProperty = TTableProperty<TzidMsoButtonStyle, MsoButtonStyle, &Btn::get_Style, &Btn::put_Style,
                                      &ButtonStyleFromOffice, &ButtonStyleToOffice>;

// Out of every table: any Office value differs from it, so a write always happens.
constexpr auto kNoState = static_cast<TzidMsoButtonState>(255);
constexpr auto kNoStyle = static_cast<TzidMsoButtonStyle>(255);
constexpr auto kNoHyperlinkType = static_cast<TzidMsoCommandBarButtonHyperlinkType>(255);

TzidButtonGoneHook buttonGoneHook = nullptr;

} // namespace

TzidButtonGoneHook TzidCommandBarButton::SetGoneHook(TzidButtonGoneHook Hook) noexcept {
    return std::exchange(buttonGoneHook, Hook);
}

TzidCommandBarButton::TzidCommandBarButton(classlib::TCollection *Collection)
    : TzidCommandBarControl(Collection), glyph_(std::make_unique<classlib::TBitmap>()) {}

TzidCommandBarButton::~TzidCommandBarButton() {
    if (buttonGoneHook != nullptr)
        buttonGoneHook(this);
    events_.Disconnect();
    buttonInterface_.Reset();
}

int TzidCommandBarButton::FaceID() const {
    return ReadLive(buttonInterface_.Get(), faceID_, faceID_, kFaceId);
}
void TzidCommandBarButton::SetFaceID(int Value) {
    WriteLive(buttonInterface_.Get(), faceID_, Value, kFaceId);
}

std::wstring TzidCommandBarButton::ShortcutText() const {
    std::wstring text = ReadLive(buttonInterface_.Get(), shortcutText_, std::wstring(), kShortcutText);
    return text.empty() && buttonInterface_ ? shortcutText_ : text;
}
void TzidCommandBarButton::SetShortcutText(const std::wstring &Value) {
    WriteLive(buttonInterface_.Get(), shortcutText_, Value, kShortcutText);
}

TzidMsoButtonState TzidCommandBarButton::State() const {
    return ReadLive(buttonInterface_.Get(), state_, state_, TStateProperty{state_});
}
void TzidCommandBarButton::SetState(TzidMsoButtonState Value) {
    WriteLive(buttonInterface_.Get(), state_, Value, TStateProperty{kNoState});
}

TzidMsoButtonStyle TzidCommandBarButton::Style() const {
    return ReadLive(buttonInterface_.Get(), style_, style_, TStyleProperty{style_});
}
void TzidCommandBarButton::SetStyle(TzidMsoButtonStyle Value) {
    WriteLive(buttonInterface_.Get(), style_, Value, TStyleProperty{kNoStyle});
}

TzidMsoCommandBarButtonHyperlinkType TzidCommandBarButton::HyperlinkType() const {
    return ReadLive(buttonInterface_.Get(), hyperlinkType_, hyperlinkType_,
                    HyperlinkTypeProperty(hyperlinkType_));
}
void TzidCommandBarButton::SetHyperlinkType(TzidMsoCommandBarButtonHyperlinkType Value) {
    WriteLive(buttonInterface_.Get(), hyperlinkType_, Value, HyperlinkTypeProperty(kNoHyperlinkType));
}

void TzidCommandBarButton::SetGlyph(const classlib::TBitmap *Value) {
    glyph_->Assign(Value);
    IncPropertyChanged();
    if (buttonInterface_)
        TransferGlyph();
}

void TzidCommandBarButton::SetControlInterface(classlib::ComPtr<_CommandBarButton> Control) {
    TzidCommandBarControl::SetControlInterface(Control ? Control.As<CommandBarControl>()
                                                       : classlib::ComPtr<CommandBarControl>());
    classlib::ComPtr<_CommandBarButton> old = std::exchange(buttonInterface_, std::move(Control));
    events_.Follow(buttonInterface_ ? Module() : nullptr, *this, old.Get(), buttonInterface_.Get());
}

void TzidCommandBarButton::BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) {
    SetControlInterface(Found ? Found.As<_CommandBarButton>() : classlib::ComPtr<_CommandBarButton>());
}

bool TzidCommandBarButton::UpdateControl() {
    const int failures = ReportedFailures();
    const bool changed = TzidCommandBarControl::UpdateControl();
    if (!buttonInterface_ || !changed)
        return changed;
    if (faceID_ != 0)
        SetFaceID(faceID_);
    SetShortcutText(shortcutText_);
    SetState(state_);
    SetStyle(style_);
    // Office's hyperlink kind wins over the design's (a user may have set it).
    hyperlinkType_ = HyperlinkType();
    if (!glyph_->Empty())
        TransferGlyph();
    if (!Temporary() && ReportedFailures() == failures)
        SavePropertyChanged();
    return changed;
}

void TzidCommandBarButton::DoAction() {
    RunHandler(
        Module(), this, [this] { OnClick(this); }, true);
}

bool TzidCommandBarButton::InAction() const {
    return TzidHandlerCall::Busy(this);
}

void TzidCommandBarButton::Assign(const classlib::TPersistent *Source) {
    TzidCommandBarControl::Assign(Source);
    const auto *source = dynamic_cast<const TzidCommandBarButton *>(Source);
    if (source == nullptr)
        return;
    SetFaceID(source->FaceID());
    SetShortcutText(source->ShortcutText());
    SetState(source->State());
    SetStyle(source->Style());
    SetHyperlinkType(source->HyperlinkType());
    SetGlyph(source->Glyph());
    glyphTransparentColor_ = source->glyphTransparentColor_;
}

} // namespace framework
