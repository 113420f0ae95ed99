#include "hostsim/OutlookHost.h"

#include <algorithm>
#include <type_traits>

#include "classlib/Exceptions.h"
#include "hostsim/SimConnectionPoints.h"
#include "office/office.h"

namespace hostsim {

namespace {

// Event ids, the same in every version's interface.
constexpr DISPID kItemSend = 0xF002, kNewMail = 0xF003, kStartup = 0xF006, kQuit = 0xF007;
constexpr DISPID kNewWindow = 0xF001; // NewExplorer, NewInspector
constexpr DISPID kActivate = 0xF001, kFolderSwitch = 0xF002, kBeforeFolderSwitch = 0xF003,
                 kViewSwitch = 0xF004, kBeforeViewSwitch = 0xF005, kDeactivate = 0xF006,
                 kSelectionChange = 0xF007, kClose = 0xF008;

struct DefaultFolderInfo {
    ol::DefaultFolder which;
    const wchar_t *name;
    ol::ItemType type;
};
const DefaultFolderInfo kDefaultFolders[] = {
    {ol::olFolderDeletedItems, L"Deleted Items", ol::olMailItem},
    {ol::olFolderOutbox, L"Outbox", ol::olMailItem},
    {ol::olFolderSentMail, L"Sent Items", ol::olMailItem},
    {ol::olFolderInbox, L"Inbox", ol::olMailItem},
    {ol::olFolderCalendar, L"Calendar", ol::olAppointmentItem},
    {ol::olFolderContacts, L"Contacts", ol::olContactItem},
    {ol::olFolderJournal, L"Journal", ol::olJournalItem},
    {ol::olFolderNotes, L"Notes", ol::olNoteItem},
    {ol::olFolderTasks, L"Tasks", ol::olTaskItem},
    {ol::olFolderDrafts, L"Drafts", ol::olMailItem},
};

// entry converts to the list's pointer type first: a base's address may differ from the object's.
template <class T> void Remove(std::vector<T *> &list, std::type_identity_t<T> *entry) {
    list.erase(std::remove(list.begin(), list.end(), entry), list.end());
}

void Require(bool condition, const wchar_t *message) {
    if (!condition)
        throw classlib::EOleSysError(message, E_INVALIDARG);
}

} // namespace

OutlookHost::OutlookHost(std::wstring version)
    : version_(std::move(version)), major_(MajorVersionOf(version_)), world_(L"Outlook") {
    app_ = world_.Create<SimOutlookApplication>(*this);
    nameSpace_ = world_.Create<SimOutlookNameSpace>(*this);
    explorers_ =
        world_.Create<SimOutlookWindows>(L"Explorers", DIID_OutlookExplorers, DIID_OutlookExplorersEvents);
    inspectors_ =
        world_.Create<SimOutlookWindows>(L"Inspectors", DIID_OutlookInspectors, DIID_OutlookInspectorsEvents);
    if (major_ >= 10)
        reminders_ = world_.Create<SimOutlookReminders>();
    SimOutlookFolder *store = AddStore(L"Personal Folders");
    for (const auto &info : kDefaultFolders)
        AddFolder(store, info.name, info.type);
}

OutlookHost::~OutlookHost() {
    world_.Shutdown();
}

SimOutlookFolder *OutlookHost::DefaultFolder(ol::DefaultFolder which) noexcept {
    for (const auto &info : kDefaultFolders)
        if (info.which == which)
            return DefaultStore()->Folder(info.name);
    return nullptr;
}

SimOutlookFolder *OutlookHost::AddStore(const std::wstring &name) {
    SimOutlookFolder *store = world_.Create<SimOutlookFolder>(*this, nullptr, name, ol::olMailItem);
    nameSpace_->stores_.push_back(store);
    return store;
}

SimOutlookFolder *OutlookHost::AddFolder(SimOutlookFolder *parent, const std::wstring &name,
                                         ol::ItemType itemType) {
    Require(parent != nullptr, L"A folder needs a parent folder");
    SimOutlookFolder *folder = world_.Create<SimOutlookFolder>(*this, parent, name, itemType);
    parent->folders_.push_back(folder);
    return folder;
}

SimOutlookItem *OutlookHost::AddItem(SimOutlookFolder *folder, ol::ObjectClass objectClass,
                                     const std::wstring &subject, const std::wstring &messageClass) {
    SimOutlookItem *item = world_.Create<SimOutlookItem>(folder, objectClass, subject, messageClass);
    item->SetName(L"Item" + std::to_wstring(++itemNumber_));
    if (folder)
        folder->items_.push_back(item);
    return item;
}

void OutlookHost::Opened(SimOutlookWindows &list, SimOutlookWindow *window) {
    if (commandBarsFactory_)
        window->SetCommandBars(commandBarsFactory_(*window).Get());
    list.windows_.push_back(window);
    list.Events().FireAll(kNewWindow, {EventArg(window)});
    if (window->Connected() &&
        std::find(list.windows_.begin(), list.windows_.end(), window) != list.windows_.end())
        Activate(window);
}

SimOutlookExplorer *OutlookHost::OpenExplorer(SimOutlookFolder *folder) {
    Require(folder != nullptr, L"An explorer shows a folder");
    auto *explorer =
        world_.Create<SimOutlookExplorer>(*this, L"Explorer" + std::to_wstring(++windowNumber_), folder);
    Opened(*explorers_, explorer);
    return explorer;
}

SimOutlookInspector *OutlookHost::OpenInspector(SimOutlookItem *item) {
    Require(item != nullptr, L"An inspector shows an item");
    auto *inspector =
        world_.Create<SimOutlookInspector>(*this, L"Inspector" + std::to_wstring(++windowNumber_), item);
    Opened(*inspectors_, inspector);
    return inspector;
}

void OutlookHost::Activate(SimOutlookWindow *window) {
    Require(window && window->Connected(), L"Only an open window can be activated");
    SimOutlookWindow *previous = ActiveWindow();
    if (previous == window)
        return;
    Remove(zOrder_, window);
    zOrder_.push_back(window);
    if (previous)
        previous->Events().FireAll(kDeactivate);
    window->Events().FireAll(kActivate);
}

bool OutlookHost::SwitchFolder(SimOutlookExplorer *explorer, SimOutlookFolder *folder) {
    Require(explorer && folder, L"A folder switch needs an explorer and a folder");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    explorer->Events().FireAll(kBeforeFolderSwitch, {EventArg(folder), EventArg::Ref(&cancel)});
    if (cancel != VARIANT_FALSE || !explorer->Connected())
        return false;
    explorer->folder_ = folder;
    explorer->SetCaption(folder->FolderName() + L" - Outlook");
    explorer->Events().FireAll(kFolderSwitch);
    return true;
}

bool OutlookHost::SwitchView(SimOutlookExplorer *explorer, const std::wstring &view) {
    Require(explorer != nullptr, L"A view switch needs an explorer");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    explorer->Events().FireAll(kBeforeViewSwitch, {EventArg(view), EventArg::Ref(&cancel)});
    if (cancel != VARIANT_FALSE || !explorer->Connected())
        return false;
    explorer->view_ = view;
    explorer->Events().FireAll(kViewSwitch);
    return true;
}

void OutlookHost::Select(SimOutlookExplorer *explorer, std::vector<SimOutlookItem *> items) {
    Require(explorer != nullptr, L"A selection needs an explorer");
    explorer->selection_ = std::move(items);
    explorer->Events().FireAll(kSelectionChange);
}

void OutlookHost::Close(SimOutlookWindow *window) {
    auto open = std::find(zOrder_.begin(), zOrder_.end(), window);
    if (open == zOrder_.end())
        return; // already closed (a sink may close its window again inside Close)
    bool wasActive = window == ActiveWindow();
    zOrder_.erase(open);
    window->Events().FireAll(kClose);
    Remove(explorers_->windows_, window);
    Remove(inspectors_->windows_, window);
    if (wasActive && !zOrder_.empty())
        zOrder_.back()->Events().FireAll(kActivate);
    world_.Discard(window);
}

SimOutlookWindow *OutlookHost::ActiveWindow() const noexcept {
    return zOrder_.empty() ? nullptr : zOrder_.back();
}

SimOutlookExplorer *OutlookHost::ActiveExplorer() const noexcept {
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
        if (auto *explorer = dynamic_cast<SimOutlookExplorer *>(*it))
            return explorer;
    return nullptr;
}

SimOutlookInspector *OutlookHost::ActiveInspector() const noexcept {
    for (auto it = zOrder_.rbegin(); it != zOrder_.rend(); ++it)
        if (auto *inspector = dynamic_cast<SimOutlookInspector *>(*it))
            return inspector;
    return nullptr;
}

bool OutlookHost::Send(SimOutlookItem *item) {
    Require(item != nullptr, L"Only an item can be sent");
    VARIANT_BOOL cancel = VARIANT_FALSE;
    app_->Events().FireAll(kItemSend, {EventArg(item), EventArg::Ref(&cancel)});
    if (cancel != VARIANT_FALSE)
        return false;
    item->sent_ = true;
    if (item->folder_)
        Remove(item->folder_->items_, item);
    item->folder_ = DefaultFolder(ol::olFolderSentMail);
    item->folder_->items_.push_back(item);
    std::vector<SimOutlookWindow *> inspectors = inspectors_->windows_;
    for (SimOutlookWindow *window : inspectors)
        if (static_cast<SimOutlookInspector *>(window)->CurrentItem() == item)
            Close(window);
    return true;
}

void OutlookHost::Startup() {
    app_->Events().FireAll(kStartup);
}

void OutlookHost::NewMail() {
    app_->Events().FireAll(kNewMail);
}

void OutlookHost::Quit() {
    if (quit_)
        return;
    quit_ = true;
    for (SimOutlookWindows *list : {inspectors_, explorers_}) {
        std::vector<SimOutlookWindow *> windows = list->windows_;
        for (auto it = windows.rbegin(); it != windows.rend(); ++it)
            Close(*it);
    }
    app_->Events().FireAll(kQuit);
}

} // namespace hostsim
