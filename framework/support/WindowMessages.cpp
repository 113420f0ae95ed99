#include "framework/support/WindowMessages.h"

#include "classlib/Trace.h"
#include "framework/support/SupportUnits.h"

#include <string>

namespace framework {

constinit const TRegisteredMessage WM_ZIDKEYDOWN{L"WM_ZIDKEYDOWN"};
constinit const TRegisteredMessage WM_ZIDWMIGETCONTROL{L"WM_ZIDWMIGETCONTROL"};
constinit const TRegisteredMessage WM_ZIDWMIPOSCHANGE{L"WM_ZIDWMIPOSCHANGE"};
constinit const TRegisteredMessage WM_ZIDWMISETPOS{L"WM_ZIDWMISETPOS"};
constinit const TRegisteredMessage WM_ZIDDELPROC{L"WM_ZIDDELPROC"};
constinit const TRegisteredMessage WM_ZIDSETNEWPROC{L"WM_ZIDSETNEWPROC"};
constinit const TRegisteredMessage WM_ZIDSETOLDPROC{L"WM_ZIDSETOLDPROC"};
constinit const TRegisteredMessage WM_ZIDGETCONTAINERFORM{L"WM_ZIDGETCONTAINERFORM"};
constinit const TRegisteredMessage WM_ZIDGETAPPWINDOWPOS{L"WM_ZIDGETAPPWINDOWPOS"};
constinit const TRegisteredMessage WM_ZIDGETREGIONPARAM{L"WM_ZIDGETREGIONPARAM"};
constinit const TRegisteredMessage WM_ZIDGETREGIONSIZE{L"WM_ZIDGETREGIONSIZE"};
constinit const TRegisteredMessage WM_ZIDSETREGIONPARAM{L"WM_ZIDSETREGIONPARAM"};
constinit const TRegisteredMessage WM_ZIDSETMAINPOS{L"WM_ZIDSETMAINPOS"};
constinit const TRegisteredMessage WM_ZIDADDFORM{L"WM_ZIDADDFORM"};
constinit const TRegisteredMessage WM_ZIDDELETEFORM{L"WM_ZIDDELETEFORM"};
constinit const TRegisteredMessage WM_ZIDSETCONTAINER{L"WM_ZIDSETCONTAINER"};
constinit const TRegisteredMessage WM_ZIDUPDATEFORMPARAM{L"WM_ZIDUPDATEFORMPARAM"};
constinit const TRegisteredMessage WM_ZIDSETLATESTPROC{L"WM_ZIDSETLATESTPROC"};
constinit const TRegisteredMessage WM_ZIDEXIST{L"WM_ZIDEXIST"};
constinit const TRegisteredMessage WM_ZIDEXISTLAYOUT{L"WM_ZIDEXISTLAYOUT"};
constinit const TRegisteredMessage WM_ZIDSETACTIVATE{L"WM_ZIDSETACTIVATE"};
constinit const TRegisteredMessage WM_ZIDCOMMAND{L"WM_ZIDCOMMAND"};
constinit const TRegisteredMessage WM_ZIDGETTYPESUBCLASS{L"WM_ZIDGETTYPESUBCLASS"};
constinit const TRegisteredMessage WM_MSO_BROADCASTCHANGE{L"WM_MSO_BROADCASTCHANGE"};
constinit const TRegisteredMessage WM_ZIDSHOWFLOATING{L"WM_ZIDSHOWFLOATING"};
constinit const TRegisteredMessage WM_ZIDHIDEFLOATING{L"WM_ZIDHIDEFLOATING"};
constinit const TRegisteredMessage WM_ZIDSETFLOATINGPOS{L"WM_ZIDSETFLOATINGPOS"};
constinit const TRegisteredMessage WM_ZIDCONTAINERHIDEFLOATING{L"WM_ZIDCONTAINERHIDEFLOATING"};
constinit const TRegisteredMessage WM_ZIDSUPPORTMINIMIZE{L"WM_ZIDSUPPORTMINIMIZE"};
constinit const TRegisteredMessage WM_ZIDMOUSELEAVE{L"WM_ZIDMOUSELEAVE"};
constinit const TRegisteredMessage WM_ZIDGETFORMDEFAULTSIZE{L"WM_ZIDGETFORMDEFAULTSIZE"};
constinit const TRegisteredMessage WM_ZIDGETDRAGLAYOUTPARAMS{L"WM_ZIDGETDRAGLAYOUTPARAMS"};
constinit const TRegisteredMessage WM_ZIDSETDRAGFORM{L"WM_ZIDSETDRAGFORM"};
constinit const TRegisteredMessage WM_ZIDSETDRAGITEMS{L"WM_ZIDSETDRAGITEMS"};
constinit const TRegisteredMessage WM_ZIDDRAGOVERMINIMIZED{L"WM_ZIDDRAGOVERMINIMIZED"};
constinit const TRegisteredMessage WM_ZIDUPDATECLIPREGION{L"WM_ZIDUPDATECLIPREGION"};
constinit const TRegisteredMessage WM_ZIDREDESIGNSUPPORT{L"WM_ZIDREDESIGNSUPPORT"};
constinit const TRegisteredMessage WM_ZID_READING_PANE_HIDE_FROM_SBCLS{
    L"WM_ZID_READING_PANE_HIDE_FROM_SBCLS"};
constinit const TRegisteredMessage WM_ZID_DESTROY_EMBEDED_WINDOW{L"WM_ZID_DESTROY_EMBEDED_WINDOW"};
constinit const TRegisteredMessage WM_ZIDFORMSHOW{L"WM_ZIDFORMSHOW"};
constinit const TRegisteredMessage WM_ZIDCLOSEBUTTONCLICK{L"WM_ZIDCLOSEBUTTONCLICK"};
constinit const TRegisteredMessage WM_ZIDHIDEALLREGIONFORMS{Globals::WM_ZIDHIDEALLREGIONFORMS()};
constinit const TRegisteredMessage WM_ZIDEXISTSERVICEFORM{Globals::WM_ZIDEXISTSERVICEFORM()};
constinit const TRegisteredMessage WM_ZIDGETPICTURE{Globals::WM_ZIDGETPICTURE()};
constinit const TRegisteredMessage WM_ZIDMAYBEWORDVIEWWASCHANGED{Globals::WM_ZIDMAYBEWORDVIEWWASCHANGED()};
constinit const TRegisteredMessage WM_ZIDSTARTTRANSACTION{Globals::WM_ZIDSTARTTRANSACTION()};
constinit const TRegisteredMessage WM_ZIDENDTRANSACTION{Globals::WM_ZIDENDTRANSACTION()};
constinit const TRegisteredMessage WM_ZIDSWAPCONTROLLER{L"WM_ZIDSWAPCONTROLLER"};

UINT WM_ZIDAPP1022 = 0;
UINT WM_ZIDAPP1021 = 0;

namespace ol {
constinit const TRegisteredMessage WM_ZIDDELETEEMULATEWINDOW{Globals::WM_ZIDDELETEEMULATEWINDOW()};
constinit const TRegisteredMessage WM_ZIDWMIPOSCHANGE{Globals::WM_ZIDWMIPOSCHANGE()};
constinit const TRegisteredMessage WM_ZIDEXIST{Globals::WM_ZIDEXIST()};
constinit const TRegisteredMessage WM_ZIDHIDEALLREGIONFORMS{Globals::WM_ZIDHIDEALLREGIONFORMS()};
constinit const TRegisteredMessage WM_ZIDEXISTSERVICEFORM{Globals::WM_ZIDEXISTSERVICEFORM()};
constinit const TRegisteredMessage WM_ZID_CLOSE_READINGPANE_SERVICE_FORM{
    GlobalsOl::WM_ZID_CLOSE_READINGPANE_SERVICE_FORM()};
constinit const TRegisteredMessage WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM{
    GlobalsOl::WM_ZID_CLOSE_SUPERGRID_SERVICE_FORM()};
constinit const TRegisteredMessage WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR{
    GlobalsOl::WM_ZID_CLOSE_SERVICE_FORM_FOR_NOT_WORD_INSPECTOR()};
constinit const TRegisteredMessage WM_INFORMTOSHOWDOCKLAYOUT{GlobalsOl::WM_INFORMTOSHOWDOCKLAYOUT()};
constinit const TRegisteredMessage WM_ZIDGETAPPWINDOWPOS{L"WM_ZIDGETAPPWINDOWPOS"};
} // namespace ol

namespace {

// Whoever reads a number links the units' start-up: the library is a static archive, and an object
// file that nobody references would be left out together with its start-up.
[[gnu::used]] const void *const StartupLink = &SupportUnitsLink;

} // namespace

// A name the system refuses is traced once and not asked for again: its number stays 0.
UINT TRegisteredMessage::Register() const noexcept {
    UINT number = RegisterWindowMessageW(name_);
    if (number == 0)
        classlib::TraceHResult(L"Units", (std::wstring(L"registering ") + name_).c_str(),
                               HRESULT_FROM_WIN32(GetLastError()));
    number_.store(number, std::memory_order_release);
    tried_.store(true, std::memory_order_release);
    return number;
}

void SetFixedMessages() {
    WM_ZIDAPP1022 = WM_APP + 1022;
    WM_ZIDAPP1021 = WM_APP + 1021;
}

} // namespace framework
