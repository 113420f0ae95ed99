#include "hostsim/OutlookFolders.h"

#include <cstdio>

#include "hostsim/OutlookApplication.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace hostsim {

using classlib::OleVariant;

std::wstring NewEntryID() {
    static unsigned long next = 0;
    wchar_t text[64];
    swprintf(text, 64, L"00000000A1B2C3D4E5F60718293A4B5C%016lX", ++next);
    return text;
}

SimOutlookFolder::SimOutlookFolder(SimWorld &world, OutlookHost &host, SimOutlookFolder *parent,
                                   const std::wstring &name, ol::ItemType itemType)
    : SimDispObject(world, name, DIID_OutlookMAPIFolder), host_(&host), parent_(parent), folderName_(name),
      itemType_(itemType), entryId_(NewEntryID()) {
    OnGet(L"Class", [] { return OleVariant(static_cast<long>(ol::olFolder)); });
    OnGet(L"Parent", [this]() -> OleVariant {
        if (parent_)
            return OleVariant(static_cast<IDispatch *>(parent_));
        return OleVariant(static_cast<IDispatch *>(&host_->NameSpace()));
    });
    OnGet(L"DefaultItemType", [this] { return OleVariant(static_cast<long>(itemType_)); });
    OnGet(L"EntryID", [this] { return OleVariant(entryId_); });
    OnGet(L"Name", [this] { return OleVariant(folderName_); });
    OnPut(L"Name", [this](const OleVariant &value) { folderName_ = value.ToString(); });
    // FolderPath came with Outlook 2003.
    if (host.MajorVersion() >= 11)
        OnGet(L"FolderPath", [this] { return OleVariant(FolderPath()); });
}

std::wstring SimOutlookFolder::FolderPath() const {
    std::wstring path;
    for (const SimOutlookFolder *folder = this; folder; folder = folder->parent_)
        path = L"\\" + folder->folderName_ + path;
    return L"\\" + path;
}

SimOutlookFolder *SimOutlookFolder::Folder(const std::wstring &name) const noexcept {
    for (SimOutlookFolder *folder : folders_)
        if (_wcsicmp(folder->folderName_.c_str(), name.c_str()) == 0)
            return folder;
    return nullptr;
}

void SimOutlookFolder::OnDisconnect() noexcept {
    host_ = nullptr;
    parent_ = nullptr;
    folders_.clear();
    items_.clear();
}

namespace {

const IID &ItemDescription(ol::ObjectClass objectClass) {
    return objectClass == ol::olNote ? DIID_OutlookNoteItem : DIID_OutlookMailItem;
}

} // namespace

SimOutlookItem::SimOutlookItem(SimWorld &world, SimOutlookFolder *folder, ol::ObjectClass objectClass,
                               const std::wstring &subject, const std::wstring &messageClass)
    : SimDispObject(world, L"Item", ItemDescription(objectClass),
                    objectClass == ol::olMail || objectClass == ol::olNote),
      folder_(folder), class_(objectClass), subject_(subject),
      messageClass_(messageClass.empty() ? DefaultMessageClass(objectClass) : messageClass),
      entryId_(NewEntryID()) {
    OnGet(L"Class", [this] { return OleVariant(static_cast<long>(class_)); });
    OnGet(L"MessageClass", [this] { return OleVariant(messageClass_); });
    OnPut(L"MessageClass", [this](const OleVariant &value) { messageClass_ = value.ToString(); });
    OnGet(L"Subject", [this] { return OleVariant(subject_); });
    if (objectClass != ol::olNote) {
        OnGet(L"EntryID", [this] { return OleVariant(entryId_); });
        OnPut(L"Subject", [this](const OleVariant &value) { subject_ = value.ToString(); });
    }
}

std::wstring SimOutlookItem::DefaultMessageClass(ol::ObjectClass objectClass) {
    switch (objectClass) {
    case ol::olMail:
        return L"IPM.Note";
    case ol::olNote:
        return L"IPM.StickyNote";
    case ol::olContact:
        return L"IPM.Contact";
    case ol::olAppointment:
        return L"IPM.Appointment";
    case ol::olTask:
        return L"IPM.Task";
    case ol::olJournal:
        return L"IPM.Activity";
    case ol::olPost:
        return L"IPM.Post";
    case ol::olDistributionList:
        return L"IPM.DistList";
    case ol::olMeetingRequest:
        return L"IPM.Schedule.Meeting.Request";
    case ol::olReport:
        return L"REPORT.IPM.Note.NDR";
    default:
        return L"IPM";
    }
}

} // namespace hostsim
