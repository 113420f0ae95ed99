// The kinds of host windows a ribbon can be written for: one element per ribbon id a host passes to
// GetCustomUI. Forms store sets of them by these names, so they are spelled as the forms spell them.
#pragma once
#include "classlib/TypInfo.h"

#include <string>

namespace framework {

enum TzidRibbon : unsigned char {
    msrAccessDatabase,
    msrExcelWorkbook,
    msrPowerPointPresentation,
    msrWordDocument,
    msrOutlookMailRead,
    msrOutlookMailCompose,
    msrOutlookMeetingRequestRead,
    msrOutlookMeetingRequestSend,
    msrOutlookAppointment,
    msrOutlookContact,
    msrOutlookJournal,
    msrOutlookTask,
    msrOutlookDistributionList,
    msrOutlookReport,
    msrOutlookResend,
    msrOutlookResponseRead,
    msrOutlookResponseCompose,
    msrOutlookResponseCounterPropose,
    msrOutlookRSS,
    msrOutlookPostRead,
    msrOutlookPostCompose,
    msrOutlookSharingRead,
    msrOutlookSharingCompose,
    msrOutlookExplorer
};
CLASSLIB_ENUM(TzidRibbon, L"msrAccessDatabase", L"msrExcelWorkbook", L"msrPowerPointPresentation",
              L"msrWordDocument", L"msrOutlookMailRead", L"msrOutlookMailCompose",
              L"msrOutlookMeetingRequestRead", L"msrOutlookMeetingRequestSend", L"msrOutlookAppointment",
              L"msrOutlookContact", L"msrOutlookJournal", L"msrOutlookTask", L"msrOutlookDistributionList",
              L"msrOutlookReport", L"msrOutlookResend", L"msrOutlookResponseRead",
              L"msrOutlookResponseCompose", L"msrOutlookResponseCounterPropose", L"msrOutlookRSS",
              L"msrOutlookPostRead", L"msrOutlookPostCompose", L"msrOutlookSharingRead",
              L"msrOutlookSharingCompose", L"msrOutlookExplorer")
using TzidRibbons = classlib::TSet<TzidRibbon>;

// Window kinds that only the 2010 ribbon knows; the explorer is both msrOutlookExplorer and
// msrOutlookExplorer2010, and the two are kept equal.
enum TzidRibbon2010 : unsigned char {
    msrOutlookExplorer2010,
    msrOutlookSMSRead2010,
    msrOutlookSMSCompose2010,
    msrOutlookMMSRead2010,
    msrOutlookMMSCompose2010,
    msrInfoPathDesigner2010,
    msrInforPathFiller2010,
    msrInfoPathPrintPreview2010,
    msrPublisherPublication2010,
    msrProjectProject2010,
    msrVisioDrawing2010
};
CLASSLIB_ENUM(TzidRibbon2010, L"msrOutlookExplorer2010", L"msrOutlookSMSRead2010",
              L"msrOutlookSMSCompose2010", L"msrOutlookMMSRead2010", L"msrOutlookMMSCompose2010",
              L"msrInfoPathDesigner2010", L"msrInforPathFiller2010", L"msrInfoPathPrintPreview2010",
              L"msrPublisherPublication2010", L"msrProjectProject2010", L"msrVisioDrawing2010")
using TzidRibbons2010 = classlib::TSet<TzidRibbon2010>;

// The host's ribbon id of each window kind ("Microsoft.Outlook.Mail.Read"); msrOutlookExplorer and
// msrOutlookExplorer2010 name the same window.
const std::wstring &RibbonIdOf(TzidRibbon Ribbon);
const std::wstring &RibbonIdOf(TzidRibbon2010 Ribbon);

// What a new control or tab is written for until told otherwise: every document window of the
// 2007 hosts and the explorer, which the 2010 set names again.
inline constexpr TzidRibbons zidDefaultRibbons{
    msrAccessDatabase,  msrExcelWorkbook,      msrPowerPointPresentation, msrWordDocument,
    msrOutlookMailRead, msrOutlookMailCompose, msrOutlookExplorer};
inline constexpr TzidRibbons2010 zidDefaultRibbons2010{msrOutlookExplorer2010};

// The customUI namespaces documents are written in.
inline constexpr const wchar_t *zidCustomUINamespace2006 =
    L"http://schemas.microsoft.com/office/2006/01/customui";
inline constexpr const wchar_t *zidCustomUINamespace2009 =
    L"http://schemas.microsoft.com/office/2009/07/customui";

} // namespace framework
