// The framework's registered window messages: process-wide numbers, obtained once when the library
// is loaded, that every window of the process (and of other add-ins using the same names) shares.
// The numbers are set by the units' start-up (SupportUnits.h) and only read afterwards; a name the
// system refuses leaves its number 0.
#pragma once
#include <windows.h>

namespace framework {

// Posted by the keyboard hook to the module's shortcut window: wParam names the matched shortcut.
extern UINT WM_ZIDKEYDOWN;

// The support unit's messages, registered in this order.
extern UINT WM_ZIDWMIGETCONTROL, WM_ZIDWMIPOSCHANGE, WM_ZIDWMISETPOS, WM_ZIDDELPROC, WM_ZIDSETNEWPROC,
    WM_ZIDSETOLDPROC, WM_ZIDGETCONTAINERFORM, WM_ZIDGETAPPWINDOWPOS, WM_ZIDGETREGIONPARAM,
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
extern UINT WM_ZIDDELETEEMULATEWINDOW, WM_ZIDWMIPOSCHANGE, WM_ZIDEXIST, WM_ZIDHIDEALLREGIONFORMS,
    WM_ZIDEXISTSERVICEFORM, WM_ZID_CLOSE_READINGPANE_SERVICE_FORM, WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM,
    WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR, WM_INFORMTOSHOWDOCKLAYOUT, WM_ZIDGETAPPWINDOWPOS;
} // namespace ol

// Names shared by the units that register them.
class Globals {
public:
    static const wchar_t *WM_ZIDDELETEEMULATEWINDOW() { return L"WM_ZIDDELETEEMULATEWINDOW"; }
    static const wchar_t *WM_ZIDEXIST() { return L"WM_ZIDEXIST"; }
    static const wchar_t *WM_ZIDEXISTSERVICEFORM() { return L"WM_ZIDEXISTSERVICEFORM"; }
    static const wchar_t *WM_ZIDHIDEALLREGIONFORMS() { return L"WM_ZIDHIDEALLREGIONFORMS"; }
    static const wchar_t *WM_ZIDWMIPOSCHANGE() { return L"WM_ZIDWMIPOSCHANGE"; }
    static const wchar_t *WM_ZIDGETPICTURE() { return L"WM_ZIDGETPICTURE"; }
    static const wchar_t *WM_ZIDMAYBEWORDVIEWWASCHANGED() { return L"WM_ZIDMAYBEWORDVIEWWASCHANGED"; }
    static const wchar_t *WM_ZIDENDTRANSACTION() { return L"WM_ZIDENDTRANSACTION"; }
    static const wchar_t *WM_ZIDSTARTTRANSACTION() { return L"WM_ZIDSTARTTRANSACTION"; }
};

// The Outlook names.
class GlobalsOl {
public:
    static const wchar_t *WM_ZID_CLOSE_READINGPANE_SERVICE_FORM() {
        return L"WM_ZID_CLOSE_READINGPANE_SERVICE_FORM";
    }
    static const wchar_t *WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM() {
        return L"WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM";
    }
    static const wchar_t *WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR() {
        return L"WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR";
    }
    static const wchar_t *WM_INFORMTOSHOWDOCKLAYOUT() { return L"WM_INFORMTOSHOWDOCKLAYOUT"; }
};

// The registrations of each unit's start-up, in the units' order.
void RegisterAddInMessages();
void RegisterSupportMessages();
void RegisterOutlookSupportMessages();

} // namespace framework
