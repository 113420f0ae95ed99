// The simulated Outlook as officesim drives it: an explorer on the Inbox at start-up, the Inbox's
// mails, inspectors on items, folder switches, sending.
#include <algorithm>

#include "classlib/Format.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"
#include "officesim/HostDriver.h"

using namespace hostsim;

namespace officesim {

namespace {

struct ItemKind {
    const wchar_t *name;
    ol::ObjectClass objectClass;
    ol::DefaultFolder folder;  // where a new one goes (mails and posts: Drafts)
    const wchar_t *readRibbon; // the ribbon of its inspector
    const wchar_t *composeRibbon;
};

const ItemKind kItemKinds[] = {
    {L"mail", ol::olMail, ol::olFolderDrafts, L"Microsoft.Outlook.Mail.Read",
     L"Microsoft.Outlook.Mail.Compose"},
    {L"post", ol::olPost, ol::olFolderDrafts, L"Microsoft.Outlook.Post.Read",
     L"Microsoft.Outlook.Post.Compose"},
    {L"appointment", ol::olAppointment, ol::olFolderCalendar, L"Microsoft.Outlook.Appointment",
     L"Microsoft.Outlook.Appointment"},
    {L"contact", ol::olContact, ol::olFolderContacts, L"Microsoft.Outlook.Contact",
     L"Microsoft.Outlook.Contact"},
    {L"task", ol::olTask, ol::olFolderTasks, L"Microsoft.Outlook.Task", L"Microsoft.Outlook.Task"},
    {L"journal", ol::olJournal, ol::olFolderJournal, L"Microsoft.Outlook.Journal",
     L"Microsoft.Outlook.Journal"},
};

// Every event interface of the simulated Outlook. Each object offers only its own; the events
// officesim reports are declared on all of an object's interfaces, so their sinks together are
// the event's hearers.
const IID *const kEventInterfaces[] = {
    &DIID_OutlookApplicationEvents, &DIID_OutlookApplicationEvents_10, &DIID_OutlookApplicationEvents_11,
    &DIID_OutlookExplorerEvents,    &DIID_OutlookExplorerEvents_10,    &DIID_OutlookInspectorsEvents,
    &DIID_OutlookInspectorEvents,   &DIID_OutlookInspectorEvents_10,
};

// The event connections advised on source now.
int Hearers(SimObject &source) {
    int count = 0;
    for (const IID *iid : kEventInterfaces)
        count += source.Events().SinkCount(*iid);
    return count;
}

const wchar_t kOnApplication[] = L"the Application";

const ItemKind *KindOf(ol::ObjectClass objectClass) {
    for (const ItemKind &kind : kItemKinds)
        if (kind.objectClass == objectClass)
            return &kind;
    return nullptr;
}

class OutlookDriver : public HostDriver {
public:
    OutlookDriver(int version, const std::wstring &versionText) : version_(version), host_(versionText) {
        bars_ = AttachCommandBars(host_);
        for (const wchar_t *subject : kInboxSubjects)
            host_.AddItem(host_.DefaultFolder(ol::olFolderInbox), ol::olMail, subject);
    }

    std::wstring Name() const override { return L"Outlook"; }
    SimWorld &World() override { return host_.World(); }
    IDispatch *Application() override { return host_.Application(); }

    void OpenStartupWindows(Transcript &transcript) override {
        SimOutlookExplorer *explorer = host_.OpenExplorer(host_.DefaultFolder(ol::olFolderInbox));
        transcript.Line(explorer->Name() + L" opened: " + Describe(explorer).what);
    }

    void RaiseStartup(Transcript &transcript) override {
        transcript.Line(L"Application Startup event");
        int hearers = Hearers(host_.App());
        host_.Startup();
        transcript.Heard(L"Startup", hearers, kOnApplication);
    }

    std::vector<HostWindow> Windows() override {
        std::vector<HostWindow> windows;
        for (SimOutlookWindows *list : {&host_.Explorers(), &host_.Inspectors()})
            for (SimOutlookWindow *window : list->Windows())
                windows.push_back(Describe(window));
        return windows;
    }

    std::optional<HostWindow> ActiveWindow() override {
        SimOutlookWindow *window = host_.ActiveWindow();
        return window ? std::optional<HostWindow>(Describe(window)) : std::nullopt;
    }

    bool Run(const Step &step, Transcript &transcript) override {
        if (step.command == L"switch-folder")
            SwitchFolder(step.args[0], transcript);
        else if (step.command == L"open-inspector")
            OpenInspector(step.args[0], step.args[1], transcript);
        else if (step.command == L"close-inspector")
            CloseInspector(transcript);
        else if (step.command == L"send")
            Send(transcript);
        else if (step.command == L"select")
            Select(step.args[0], transcript);
        else
            return false;
        return true;
    }

    int QuitListeners() override { return Hearers(host_.App()); }

    void Quit(Transcript &transcript) override {
        transcript.Line(L"Outlook closes every window and raises the Application's Quit event");
        host_.Quit();
    }

private:
    static bool IsCompose(const SimOutlookItem &item, OutlookHost &host) {
        SimOutlookFolder *folder = item.Folder();
        return folder == nullptr || folder == host.DefaultFolder(ol::olFolderDrafts) ||
               folder == host.DefaultFolder(ol::olFolderOutbox);
    }

    HostWindow Describe(SimOutlookWindow *window) {
        HostWindow described{window->Name(), L"", static_cast<IDispatch *>(window), L"",
                             window->CommandBars()};
        if (auto *explorer = dynamic_cast<SimOutlookExplorer *>(window)) {
            described.what = L"explorer on " + explorer->CurrentFolder()->FolderPath();
            if (version_ >= 14)
                described.ribbonId = L"Microsoft.Outlook.Explorer";
        } else if (auto *inspector = dynamic_cast<SimOutlookInspector *>(window)) {
            SimOutlookItem *item = inspector->CurrentItem();
            const ItemKind *kind = item ? KindOf(item->Class()) : nullptr;
            bool compose = item && IsCompose(*item, host_);
            described.what = L"inspector on " + std::wstring(kind ? kind->name : L"item") + L" " +
                             Quoted(item ? item->Subject() : L"") + (compose ? L" (compose)" : L" (read)");
            if (version_ >= 12 && kind)
                described.ribbonId = compose ? kind->composeRibbon : kind->readRibbon;
        }
        return described;
    }

    // A path from the store down ("\\Personal Folders\Sent Items"), or one folder's name searched
    // in the default store.
    SimOutlookFolder *FindFolder(const std::wstring &path) {
        std::vector<std::wstring> parts;
        for (size_t start = 0; start <= path.size();) {
            size_t end = path.find(L'\\', start);
            std::wstring part =
                path.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
            if (!part.empty())
                parts.push_back(part);
            start = end == std::wstring::npos ? path.size() + 1 : end + 1;
        }
        if (parts.empty())
            return nullptr;
        if (parts.size() == 1)
            return Search(host_.DefaultStore(), parts[0]);
        SimOutlookFolder *folder = nullptr;
        for (SimOutlookFolder *store : host_.NameSpace().Stores())
            if (classlib::SameText(store->FolderName(), parts[0]))
                folder = store;
        for (size_t i = 1; folder && i < parts.size(); ++i)
            folder = folder->Folder(parts[i]);
        return folder;
    }

    static SimOutlookFolder *Search(SimOutlookFolder *folder, const std::wstring &name) {
        if (SimOutlookFolder *direct = folder->Folder(name))
            return direct;
        for (SimOutlookFolder *child : folder->Folders())
            if (SimOutlookFolder *found = Search(child, name))
                return found;
        return nullptr;
    }

    static SimOutlookItem *FindItem(SimOutlookFolder *folder, ol::ObjectClass objectClass,
                                    const std::wstring &subject) {
        for (SimOutlookItem *item : folder->Items())
            if (item->Class() == objectClass && item->Subject() == subject)
                return item;
        for (SimOutlookFolder *child : folder->Folders())
            if (SimOutlookItem *found = FindItem(child, objectClass, subject))
                return found;
        return nullptr;
    }

    SimOutlookExplorer &ActiveExplorer() {
        SimOutlookExplorer *explorer = host_.ActiveExplorer();
        if (explorer == nullptr)
            throw EScriptError(L"no explorer is open");
        return *explorer;
    }

    SimOutlookInspector &ActiveInspector() {
        SimOutlookInspector *inspector = host_.ActiveInspector();
        if (inspector == nullptr)
            throw EScriptError(L"no inspector is open");
        return *inspector;
    }

    void SwitchFolder(const std::wstring &path, Transcript &transcript) {
        SimOutlookExplorer &explorer = ActiveExplorer();
        SimOutlookFolder *folder = FindFolder(path);
        if (folder == nullptr)
            throw EScriptError(L"no folder " + Quoted(path));
        host_.Activate(&explorer);
        int hearers = Hearers(explorer);
        if (host_.SwitchFolder(&explorer, folder)) {
            transcript.Line(explorer.Name() + L" shows " + folder->FolderPath() +
                            L" (BeforeFolderSwitch, FolderSwitch)");
            transcript.Heard(L"BeforeFolderSwitch", hearers, explorer.Name());
            transcript.Heard(L"FolderSwitch", hearers, explorer.Name());
        } else {
            transcript.Line(explorer.Name() + L": an event sink cancelled the switch in BeforeFolderSwitch");
            transcript.Heard(L"BeforeFolderSwitch", hearers, explorer.Name());
        }
    }

    // The user clicks the item of that subject in the active explorer's folder.
    void Select(const std::wstring &subject, Transcript &transcript) {
        SimOutlookExplorer &explorer = ActiveExplorer();
        SimOutlookFolder *folder = explorer.CurrentFolder();
        const auto &items = folder->Items();
        auto item = std::find_if(items.begin(), items.end(),
                                 [&](SimOutlookItem *candidate) { return candidate->Subject() == subject; });
        if (item == items.end())
            throw EScriptError(L"no item " + Quoted(subject) + L" in " + folder->FolderPath());
        host_.Activate(&explorer);
        int hearers = Hearers(explorer);
        host_.Select(&explorer, {*item});
        transcript.Line(explorer.Name() + L" selects " + Quoted(subject) + L" (SelectionChange)");
        transcript.Heard(L"SelectionChange", hearers, explorer.Name());
    }

    void OpenInspector(const std::wstring &kindName, const std::wstring &subject, Transcript &transcript) {
        const ItemKind *kind = nullptr;
        for (const ItemKind &candidate : kItemKinds)
            if (kindName == candidate.name)
                kind = &candidate;
        if (kind == nullptr)
            throw EScriptError(L"unknown item kind " + kindName);
        SimOutlookItem *item = nullptr;
        for (SimOutlookFolder *store : host_.NameSpace().Stores())
            if (!item)
                item = FindItem(store, kind->objectClass, subject);
        if (item == nullptr) {
            item = host_.AddItem(host_.DefaultFolder(kind->folder), kind->objectClass, subject);
            transcript.Line(L"a new " + std::wstring(kind->name) + L" " + Quoted(subject) + L" in " +
                            item->Folder()->FolderPath());
        }
        // Outlook shows an item in one inspector: opening it again brings that one forward.
        for (SimOutlookWindow *window : host_.Inspectors().Windows())
            if (static_cast<SimOutlookInspector *>(window)->CurrentItem() == item) {
                bool active = host_.ActiveWindow() == window;
                int hearers = Hearers(*window);
                host_.Activate(window);
                transcript.Line(window->Name() + L" shows it already: activated (Activate)");
                if (!active)
                    transcript.Heard(L"Activate", hearers, window->Name());
                return;
            }
        int hearers = Hearers(host_.Inspectors());
        SimOutlookInspector *inspector = host_.OpenInspector(item);
        if (inspector->Connected()) {
            transcript.Line(inspector->Name() + L" opened: " + Describe(inspector).what +
                            L" (NewInspector, Activate)");
            transcript.Heard(L"NewInspector", hearers, L"the Inspectors");
            // Add-ins connect to an inspector in NewInspector, before it raises Activate.
            transcript.Heard(L"Activate", Hearers(*inspector), inspector->Name());
        } else {
            transcript.Line(L"an event sink closed the new inspector at once");
            transcript.Heard(L"NewInspector", hearers, L"the Inspectors");
        }
    }

    void CloseInspector(Transcript &transcript) {
        SimOutlookInspector &inspector = ActiveInspector();
        std::wstring name = inspector.Name();
        int hearers = Hearers(inspector);
        host_.Close(&inspector);
        transcript.Line(name + L" closed (Close)");
        transcript.Heard(L"Close", hearers, name);
    }

    void Send(Transcript &transcript) {
        SimOutlookInspector &inspector = ActiveInspector();
        SimOutlookItem *item = inspector.CurrentItem();
        if (item == nullptr || !IsCompose(*item, host_))
            throw EScriptError(inspector.Name() + L" shows a received item: only a new one can be sent");
        std::wstring name = inspector.Name(), subject = item->Subject();
        int hearers = Hearers(host_.App());
        if (host_.Send(item))
            transcript.Line(Quoted(subject) + L" sent (ItemSend): now in " + item->Folder()->FolderPath() +
                            L"; " + name + L" closed");
        else
            transcript.Line(L"an event sink cancelled ItemSend: " + Quoted(subject) + L" is not sent");
        transcript.Heard(L"ItemSend", hearers, kOnApplication);
    }

    int version_;
    OutlookHost host_;
    std::shared_ptr<CommandBarHost> bars_;
};

} // namespace

bool IsItemKind(const std::wstring &kind) {
    return std::any_of(std::begin(kItemKinds), std::end(kItemKinds),
                       [&](const ItemKind &candidate) { return kind == candidate.name; });
}

std::unique_ptr<HostDriver> MakeOutlookDriver(int version, const std::wstring &versionText) {
    return std::make_unique<OutlookDriver>(version, versionText);
}

} // namespace officesim
