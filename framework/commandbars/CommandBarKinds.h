// The enumerations of the command-bar model, spelled as forms store them, and how their values
// translate to Office's numbers; and the kinds of control a bar or popup holds.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/TypInfo.h"

namespace framework {

// Ordinal = Office's MsoBarPosition.
enum TzidMsoBarPosition : unsigned char {
    zidMsoBarLeft,
    zidMsoBarTop,
    zidMsoBarRight,
    zidMsoBarBottom,
    zidMsoBarFloating,
    zidMsoBarPopup,
    zidMsoBarMenuBar
};
CLASSLIB_ENUM(TzidMsoBarPosition, L"zidMsoBarLeft", L"zidMsoBarTop", L"zidMsoBarRight", L"zidMsoBarBottom",
              L"zidMsoBarFloating", L"zidMsoBarPopup", L"zidMsoBarMenuBar")

// One Office protection flag each (0, 1, 2, 4, ... 64).
enum TzidMsoBarProtection : unsigned char {
    zidMsoBarNoProtection,
    zidMsoBarNoCustomize,
    zidMsoBarNoResize,
    zidMsoBarNoMove,
    zidMsoBarNoChangeVisible,
    zidMsoBarNoChangeDock,
    zidMsoBarNoVerticalDock,
    zidMsoBarNoHorizontalDock
};
CLASSLIB_ENUM(TzidMsoBarProtection, L"zidMsoBarNoProtection", L"zidMsoBarNoCustomize", L"zidMsoBarNoResize",
              L"zidMsoBarNoMove", L"zidMsoBarNoChangeVisible", L"zidMsoBarNoChangeDock",
              L"zidMsoBarNoVerticalDock", L"zidMsoBarNoHorizontalDock")

long ProtectionToOffice(TzidMsoBarProtection Value);
// Exactly the eight single values map back; a combination of flags reads as no protection.
TzidMsoBarProtection ProtectionFromOffice(long Value);

// The kind of a control: its class, and the Office type it is added and searched with. Forms store
// these numbers in "ButtonTypes".
enum TzidCommandBarControlType : int {
    cctButton = 0,
    cctEdit = 1,
    cctDropdownList = 2,
    cctComboBox = 3,
    cctPopup = 4,
    cctControl = 5,
    cctAdvancedControl = 6
};
constexpr int CommandBarControlKindCount = 7;

// "Button", "Edit", ... "Advanced Control".
const wchar_t *ControlKindText(TzidCommandBarControlType Kind);
// The Office control type (MsoControlType) a kind is added and searched with: 1, 2, 3, 4, 10 for
// kinds 0 to 4, 0 for a plain control and 1 for an advanced control.
long OfficeControlType(TzidCommandBarControlType Kind);
// Raises EInvalidOperation for a number that is no kind.
TzidCommandBarControlType ControlKindOf(int Value);

// What a control's Outlook item-type filter does with it.
enum TzidOLItemTypeAction : unsigned char { zidOLActionNone, zidOLActionShow, zidOLActionEnable };
CLASSLIB_ENUM(TzidOLItemTypeAction, L"zidOLActionNone", L"zidOLActionShow", L"zidOLActionEnable")

// Ordinal = Outlook's folder DefaultItemType.
enum TzidOLItemType : unsigned char {
    zidOLMailItem,
    zidOLAppointmentItem,
    zidOLContactItem,
    zidOLTaskItem,
    zidOLJournalItem,
    zidOLNoteItem,
    zidOLPostItem,
    zidOLDistributionListItem
};
CLASSLIB_ENUM(TzidOLItemType, L"zidOLMailItem", L"zidOLAppointmentItem", L"zidOLContactItem",
              L"zidOLTaskItem", L"zidOLJournalItem", L"zidOLNoteItem", L"zidOLPostItem",
              L"zidOLDistributionListItem")
using TzidOLItemTypes = classlib::TSet<TzidOLItemType>;

// The item classes an inspector shows (Outlook's item Class values in InspectorItemClassValues).
enum TzidOLItemClass : unsigned char {
    zidOLAppointment,
    zidOLMeetingRequest,
    zidOLMeetingCancellation,
    zidOLMeetingResponseNegative,
    zidOLMeetingResponsePositive,
    zidOLMeetingResponseTentative,
    zidOLContact,
    zidOLJournal,
    zidOLMail,
    zidOLPost,
    zidOLTask,
    zidOLTaskRequest,
    zidOLTaskRequestUpdate,
    zidOLTaskRequestAccept,
    zidOLTaskRequestDecline,
    zidOLDistributionList,
    zidOLReport
};
CLASSLIB_ENUM(TzidOLItemClass, L"zidOLAppointment", L"zidOLMeetingRequest", L"zidOLMeetingCancellation",
              L"zidOLMeetingResponseNegative", L"zidOLMeetingResponsePositive",
              L"zidOLMeetingResponseTentative", L"zidOLContact", L"zidOLJournal", L"zidOLMail", L"zidOLPost",
              L"zidOLTask", L"zidOLTaskRequest", L"zidOLTaskRequestUpdate", L"zidOLTaskRequestAccept",
              L"zidOLTaskRequestDecline", L"zidOLDistributionList", L"zidOLReport")
using TzidOLItemClasses = classlib::TSet<TzidOLItemClass>;
constexpr int OLItemClassCount = 17;
// Outlook's item Class of each element, in element order.
extern const long InspectorItemClassValues[OLItemClassCount];

enum TzidMsoButtonState : unsigned char { zidMsoButtonUp, zidMsoButtonDown, zidMsoButtonMixed };
CLASSLIB_ENUM(TzidMsoButtonState, L"zidMsoButtonUp", L"zidMsoButtonDown", L"zidMsoButtonMixed")

enum TzidMsoButtonStyle : unsigned char {
    zidMsoButtonAutomatic,
    zidMsoButtonIcon,
    zidMsoButtonCaption,
    zidMsoButtonIconAndCaption,
    zidMsoButtonIconAndWrapCaption,
    zidMsoButtonIconAndCaptionBelow,
    zidMsoButtonWrapCaption,
    zidMsoButtonIconAndWrapCaptionBelow
};
CLASSLIB_ENUM(TzidMsoButtonStyle, L"zidMsoButtonAutomatic", L"zidMsoButtonIcon", L"zidMsoButtonCaption",
              L"zidMsoButtonIconAndCaption", L"zidMsoButtonIconAndWrapCaption",
              L"zidMsoButtonIconAndCaptionBelow", L"zidMsoButtonWrapCaption",
              L"zidMsoButtonIconAndWrapCaptionBelow")

enum TzidMsoCommandBarButtonHyperlinkType : unsigned char {
    zidMsoCommandBarButtonHyperlinkNone,
    zidMsoCommandBarButtonHyperlinkOpen,
    zidMsoCommandBarButtonHyperlinkInsertPicture
};
CLASSLIB_ENUM(TzidMsoCommandBarButtonHyperlinkType, L"zidMsoCommandBarButtonHyperlinkNone",
              L"zidMsoCommandBarButtonHyperlinkOpen", L"zidMsoCommandBarButtonHyperlinkInsertPicture")

enum TzidMsoComboStyle : unsigned char { zidMsoComboNormal, zidMsoComboLabel };
CLASSLIB_ENUM(TzidMsoComboStyle, L"zidMsoComboNormal", L"zidMsoComboLabel")

// Office's State and Style numbers; the reverse answers false for a number outside the table.
long ButtonStateToOffice(TzidMsoButtonState Value);
bool ButtonStateFromOffice(long Value, TzidMsoButtonState &Result);
long ButtonStyleToOffice(TzidMsoButtonStyle Value);
bool ButtonStyleFromOffice(long Value, TzidMsoButtonStyle &Result);

} // namespace framework
