// TzidCommandBarButton: a button on an Office command bar, with its face (an Office face id or a glyph
// of its own), state, style, hyperlink kind and shortcut text, and the OnClick event that Office's
// Click fires through DoAction.
#pragma once
#include <memory>

#include "classlib/Bitmap.h"
#include "classlib/Events.h"
#include "framework/commandbars/CommandBarControl.h"
#include "framework/commandbars/ControlEvents.h"

namespace framework {

using TzidNotifyEvent = classlib::TEvent<void(classlib::TObject *Sender)>;

class TzidCommandBarButton;
// Hears of every button that goes, before it goes.
using TzidButtonGoneHook = void (*)(TzidCommandBarButton *Button) noexcept;

class TzidCommandBarButton : public TzidCommandBarControl {
    CLASSLIB_CLASS(TzidCommandBarButton)
public:
    explicit TzidCommandBarButton(classlib::TCollection *Collection);
    // Tells the gone hook, withdraws the Office events and lets go of the Office button.
    ~TzidCommandBarButton() override;

    // The hook every button's destructor calls (the floors above hold on to buttons for a while, as the
    // shortcuts do for a posted click); null: none. Returns the one it replaces.
    static TzidButtonGoneHook SetGoneHook(TzidButtonGoneHook Hook) noexcept;

    // ---- published properties (live ones over ButtonInterface) ----
    bool DisableStandardAction() const { return disableStandardAction_; }
    void SetDisableStandardAction(bool Value) { disableStandardAction_ = Value; }
    int FaceID() const;
    void SetFaceID(int Value);
    // Office's text, but the stored one where Office shows none.
    std::wstring ShortcutText() const;
    void SetShortcutText(const std::wstring &Value);
    TzidMsoButtonState State() const;
    void SetState(TzidMsoButtonState Value);
    TzidMsoButtonStyle Style() const;
    void SetStyle(TzidMsoButtonStyle Value);
    TzidMsoCommandBarButtonHyperlinkType HyperlinkType() const;
    void SetHyperlinkType(TzidMsoCommandBarButtonHyperlinkType Value);
    // The button's own image; forms carry it as "Glyph.Data".
    classlib::TBitmap *Glyph() const { return glyph_.get(); }
    // Copies Value and, while bound, puts it on the Office button.
    void SetGlyph(const classlib::TBitmap *Value);
    // The glyph's colour that shows as transparent; clDefault: its bottom-left pixel.
    COLORREF GlyphTransparentColor() const { return glyphTransparentColor_; }
    void SetGlyphTransparentColor(COLORREF Value) { glyphTransparentColor_ = Value; }
    TzidNotifyEvent OnClick;

    // ---- the live button ----
    const classlib::ComPtr<_CommandBarButton> &ButtonInterface() const { return buttonInterface_; }
    using TzidCommandBarControl::SetControlInterface;
    // Binds the Office button (null unbinds); the Office events follow the binding.
    void SetControlInterface(classlib::ComPtr<_CommandBarButton> Control);
    void BindOfficeControl(const classlib::ComPtr<CommandBarControl> &Found) override;
    // The connection of the bound button's Click (see ControlEvents.h).
    const TzidControlEvents &Events() const { return events_; }

    TzidCommandBarControlType GetControlType() const override { return cctButton; }
    // The inherited refresh, then face id, shortcut, state, style, hyperlink kind and glyph.
    bool UpdateControl() override;
    // Fires OnClick as a handler call of the button (framework/core/HandlerCall.h): a click arriving
    // while OnClick runs is dropped, and what OnClick raises goes to the module's DoError.
    void DoAction() override;
    bool InAction() const;
    const std::wstring &StoredShortcutText() const { return shortcutText_; }
    // Puts Glyph on the bound Office button (by Picture and Mask, or through the clipboard on
    // Office 2000 and wherever Picture fails).
    void TransferGlyph();

    void Assign(const classlib::TPersistent *Source) override;

private:
    TzidControlEvents events_;
    int faceID_ = 0;
    std::wstring shortcutText_;
    TzidMsoButtonState state_ = zidMsoButtonUp;
    TzidMsoButtonStyle style_ = zidMsoButtonAutomatic;
    TzidMsoCommandBarButtonHyperlinkType hyperlinkType_ = zidMsoCommandBarButtonHyperlinkNone;
    classlib::ComPtr<_CommandBarButton> buttonInterface_;
    std::unique_ptr<classlib::TBitmap> glyph_;
    COLORREF glyphTransparentColor_ = classlib::clDefault;
    bool disableStandardAction_ = false;
};

} // namespace framework
