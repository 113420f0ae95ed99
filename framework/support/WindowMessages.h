// The framework's registered window messages: process-wide numbers that every window of the process
// (and of other add-ins using the same names) shares. Each is asked of the system when it is first
// read, not when the library is loaded: each registration is a trip to the window server, and most
// hosts never send or hear most of these. A name the system refuses reads as 0, which no message
// carries.
#pragma once
#include <windows.h>

#include <atomic>

namespace framework {

// A registered message, read as its number. Registered at the first read and kept; any thread may
// read it (two first reads at once both get the system's one number for the name).
class TRegisteredMessage {
public:
    explicit constexpr TRegisteredMessage(const wchar_t *Name) noexcept : name_(Name) {}
    TRegisteredMessage(const TRegisteredMessage &) = delete;
    TRegisteredMessage &operator=(const TRegisteredMessage &) = delete;

    operator UINT() const noexcept {
        UINT number = number_.load(std::memory_order_acquire);
        return number != 0 || tried_.load(std::memory_order_acquire) ? number : Register();
    }
    const wchar_t *Name() const noexcept { return name_; }
    // Whether the system has been asked for the number yet.
    bool Registered() const noexcept { return tried_.load(std::memory_order_acquire); }

private:
    UINT Register() const noexcept;
    const wchar_t *name_;
    mutable std::atomic<UINT> number_{0};
    mutable std::atomic<bool> tried_{false};
};

// Posted by the keyboard hook to the module's shortcut window: wParam names the matched shortcut.
extern const TRegisteredMessage WM_ZIDKEYDOWN;

// The support unit's messages.
extern const TRegisteredMessage WM_ZIDWMIGETCONTROL, WM_ZIDWMIPOSCHANGE, WM_ZIDWMISETPOS, WM_ZIDDELPROC,
    WM_ZIDSETNEWPROC, WM_ZIDSETOLDPROC, WM_ZIDGETCONTAINERFORM, WM_ZIDGETAPPWINDOWPOS, WM_ZIDGETREGIONPARAM,
    WM_ZIDGETREGIONSIZE, WM_ZIDSETREGIONPARAM, WM_ZIDSETMAINPOS, WM_ZIDADDFORM, WM_ZIDDELETEFORM,
    WM_ZIDSETCONTAINER, WM_ZIDUPDATEFORMPARAM, WM_ZIDSETLATESTPROC, WM_ZIDEXIST, WM_ZIDEXISTLAYOUT,
    WM_ZIDSETACTIVATE, WM_ZIDCOMMAND, WM_ZIDGETTYPESUBCLASS, WM_MSO_BROADCASTCHANGE, WM_ZIDSHOWFLOATING,
    WM_ZIDHIDEFLOATING, WM_ZIDSETFLOATINGPOS, WM_ZIDCONTAINERHIDEFLOATING, WM_ZIDSUPPORTMINIMIZE,
    WM_ZIDMOUSELEAVE, WM_ZIDGETFORMDEFAULTSIZE, WM_ZIDGETDRAGLAYOUTPARAMS, WM_ZIDSETDRAGFORM,
    WM_ZIDSETDRAGITEMS, WM_ZIDDRAGOVERMINIMIZED, WM_ZIDUPDATECLIPREGION, WM_ZIDREDESIGNSUPPORT,
    WM_ZID_READING_PANE_HIDE_FROM_SBCLS, WM_ZID_DESTROY_EMBEDED_WINDOW, WM_ZIDFORMSHOW,
    WM_ZIDCLOSEBUTTONCLICK, WM_ZIDHIDEALLREGIONFORMS, WM_ZIDEXISTSERVICEFORM, WM_ZIDGETPICTURE,
    WM_ZIDMAYBEWORDVIEWWASCHANGED, WM_ZIDSTARTTRANSACTION, WM_ZIDENDTRANSACTION, WM_ZIDSWAPCONTROLLER;

// Two numbers the support unit fixes rather than registers, kept clear of the registered range.
extern UINT WM_ZIDAPP1022; // WM_APP + 1022, 0x83FE
extern UINT WM_ZIDAPP1021; // WM_APP + 1021, 0x83FD

// The Outlook support unit keeps numbers of its own; a name it shares with the support unit yields
// the same number.
namespace ol {
extern const TRegisteredMessage WM_ZIDDELETEEMULATEWINDOW, WM_ZIDWMIPOSCHANGE, WM_ZIDEXIST,
    WM_ZIDHIDEALLREGIONFORMS, WM_ZIDEXISTSERVICEFORM, WM_ZID_CLOSE_READINGPANE_SERVICE_FORM,
    WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM, WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR,
    WM_INFORMTOSHOWDOCKLAYOUT, WM_ZIDGETAPPWINDOWPOS;
} // namespace ol

// Names shared by the units that register them.
class Globals {
public:
    static constexpr const wchar_t *WM_ZIDDELETEEMULATEWINDOW() { return L"WM_ZIDDELETEEMULATEWINDOW"; }
    static constexpr const wchar_t *WM_ZIDEXIST() { return L"WM_ZIDEXIST"; }
    static constexpr const wchar_t *WM_ZIDEXISTSERVICEFORM() { return L"WM_ZIDEXISTSERVICEFORM"; }
    static constexpr const wchar_t *WM_ZIDHIDEALLREGIONFORMS() { return L"WM_ZIDHIDEALLREGIONFORMS"; }
    static constexpr const wchar_t *WM_ZIDWMIPOSCHANGE() { return L"WM_ZIDWMIPOSCHANGE"; }
    static constexpr const wchar_t *WM_ZIDGETPICTURE() { return L"WM_ZIDGETPICTURE"; }
    static constexpr const wchar_t *WM_ZIDMAYBEWORDVIEWWASCHANGED() {
        return L"WM_ZIDMAYBEWORDVIEWWASCHANGED";
    }
    static constexpr const wchar_t *WM_ZIDENDTRANSACTION() { return L"WM_ZIDENDTRANSACTION"; }
    static constexpr const wchar_t *WM_ZIDSTARTTRANSACTION() { return L"WM_ZIDSTARTTRANSACTION"; }
};

// The Outlook names.
class GlobalsOl {
public:
    static constexpr const wchar_t *WM_ZID_CLOSE_READINGPANE_SERVICE_FORM() {
        return L"WM_ZID_CLOSE_READINGPANE_SERVICE_FORM";
    }
    static constexpr const wchar_t *WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM() {
        return L"WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM";
    }
    static constexpr const wchar_t *WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR() {
        return L"WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR";
    }
    static constexpr const wchar_t *WM_INFORMTOSHOWDOCKLAYOUT() { return L"WM_INFORMTOSHOWDOCKLAYOUT"; }
};

// The numbers the support unit's start-up fixes.
void SetFixedMessages();

} // namespace framework
