// Outlook's folders and items. A store is a root folder of the NameSpace; a folder's Parent is its
// parent folder, or the NameSpace for a store, as in Outlook (so a walk up the Parent chain ends at
// an object that is no folder).
#pragma once
#include <string>
#include <vector>

#include "hostsim/OutlookTypes.h"
#include "hostsim/SimDispatch.h"

namespace hostsim {

class SimOutlookFolder : public SimDispObject<> {
public:
    SimOutlookFolder(SimWorld &world, OutlookHost &host, SimOutlookFolder *parent, const std::wstring &name,
                     ol::ItemType itemType);

    const std::wstring &FolderName() const noexcept { return folderName_; }
    void Rename(const std::wstring &name) { folderName_ = name; }
    SimOutlookFolder *ParentFolder() const noexcept { return parent_; }
    ol::ItemType DefaultItemType() const noexcept { return itemType_; }
    const std::wstring &EntryID() const noexcept { return entryId_; }
    // "\\Personal Folders\Inbox": two backslashes, the store, then each folder.
    std::wstring FolderPath() const;
    const std::vector<SimOutlookFolder *> &Folders() const noexcept { return folders_; }
    const std::vector<SimOutlookItem *> &Items() const noexcept { return items_; }
    // A direct subfolder by name (letter case ignored), or null.
    SimOutlookFolder *Folder(const std::wstring &name) const noexcept;

private:
    friend class OutlookHost;
    void OnDisconnect() noexcept override;

    OutlookHost *host_;
    SimOutlookFolder *parent_;
    std::wstring folderName_;
    ol::ItemType itemType_;
    std::wstring entryId_;
    std::vector<SimOutlookFolder *> folders_;
    std::vector<SimOutlookItem *> items_;
};

// An item of any class. Mail items answer as _MailItem and notes as _NoteItem (whose Subject has its
// own id and cannot be set); the other classes dispatch like a mail item (the same ids) without
// claiming to be one.
class SimOutlookItem : public SimDispObject<> {
public:
    SimOutlookItem(SimWorld &world, SimOutlookFolder *folder, ol::ObjectClass objectClass,
                   const std::wstring &subject, const std::wstring &messageClass);

    ol::ObjectClass Class() const noexcept { return class_; }
    const std::wstring &Subject() const noexcept { return subject_; }
    void SetSubject(const std::wstring &subject) { subject_ = subject; }
    const std::wstring &MessageClass() const noexcept { return messageClass_; }
    void SetMessageClass(const std::wstring &messageClass) { messageClass_ = messageClass; }
    const std::wstring &EntryID() const noexcept { return entryId_; }
    SimOutlookFolder *Folder() const noexcept { return folder_; }
    bool Sent() const noexcept { return sent_; }

    // The message class a new item of a class gets ("IPM.Note" for mail ...).
    static std::wstring DefaultMessageClass(ol::ObjectClass objectClass);

private:
    friend class OutlookHost;
    void OnDisconnect() noexcept override { folder_ = nullptr; }

    SimOutlookFolder *folder_;
    ol::ObjectClass class_;
    std::wstring subject_;
    std::wstring messageClass_;
    std::wstring entryId_;
    bool sent_ = false;
};

// A new entry id: 48 hexadecimal digits, unique in the process.
std::wstring NewEntryID();

} // namespace hostsim
