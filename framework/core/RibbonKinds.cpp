#include "framework/core/RibbonKinds.h"

#include <array>

namespace framework {

const std::wstring &RibbonIdOf(TzidRibbon Ribbon) {
    static const std::array<std::wstring, 24> ids{
        L"Microsoft.Access.Database",
        L"Microsoft.Excel.Workbook",
        L"Microsoft.PowerPoint.Presentation",
        L"Microsoft.Word.Document",
        L"Microsoft.Outlook.Mail.Read",
        L"Microsoft.Outlook.Mail.Compose",
        L"Microsoft.Outlook.MeetingRequest.Read",
        L"Microsoft.Outlook.MeetingRequest.Send",
        L"Microsoft.Outlook.Appointment",
        L"Microsoft.Outlook.Contact",
        L"Microsoft.Outlook.Journal",
        L"Microsoft.Outlook.Task",
        L"Microsoft.Outlook.DistributionList",
        L"Microsoft.Outlook.Report",
        L"Microsoft.Outlook.Resend",
        L"Microsoft.Outlook.Response.Read",
        L"Microsoft.Outlook.Response.Compose",
        L"Microsoft.Outlook.Response.CounterPropose",
        L"Microsoft.Outlook.RSS",
        L"Microsoft.Outlook.Post.Read",
        L"Microsoft.Outlook.Post.Compose",
        L"Microsoft.Outlook.Sharing.Read",
        L"Microsoft.Outlook.Sharing.Compose",
        L"Microsoft.Outlook.Explorer",
    };
    return ids.at(static_cast<size_t>(Ribbon));
}

const std::wstring &RibbonIdOf(TzidRibbon2010 Ribbon) {
    static const std::array<std::wstring, 11> ids{
        L"Microsoft.Outlook.Explorer", L"Microsoft.OMS.SMS.Read",          L"Microsoft.OMS.SMS.Compose",
        L"Microsoft.OMS.MMS.Read",     L"Microsoft.OMS.MMS.Compose",       L"Microsoft.InfoPath.Designer",
        L"Microsoft.InfoPath.Editor",  L"Microsoft.InfoPath.PrintPreview", L"Microsoft.Publisher.Publication",
        L"Microsoft.Project.Project",  L"Microsoft.Visio.Drawing",
    };
    return ids.at(static_cast<size_t>(Ribbon));
}

} // namespace framework
