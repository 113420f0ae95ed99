#include "framework/events/Outlook2007Application.h"

#include "classlib/Classes.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"
#include "framework/events/OutlookEvents.h"

using classlib::ComPtr;

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidOutlook2007Application, TzidCustomEvents)

namespace {

enum : DISPID {
    AttachmentContextMenuDisplay = 0xFB3E,
    ViewContextMenuDisplay = 0xFB40,
    ItemContextMenuDisplay = 0xFB41,
    FolderContextMenuDisplay = 0xFB42,
    StoreContextMenuDisplay = 0xFB43,
    ShortcutContextMenuDisplay = 0xFB44,
    ContextMenuClose = 0xFBA6,
};

// An object argument, or null when it holds none the event can use.
ComPtr<IDispatch> ObjectOrNull(const classlib::OleVariant &arg) {
    try {
        return events_detail::ToObject(arg.Var(), L"", 0);
    } catch (const classlib::EOleSysError &) {
        classlib::TraceException(L"Events", L"A context-menu argument that is no object");
        return nullptr;
    }
}

} // namespace

TzidOutlook2007Application::TzidOutlook2007Application(classlib::TComponent *AOwner)
    : TzidCustomEvents(AOwner) {}

TzidOutlook2007Application::~TzidOutlook2007Application() {
    module_ = nullptr;
    Disconnect();
}

void TzidOutlook2007Application::AfterConstruction() {
    TzidCustomEvents::AfterConstruction();
    module_ = dynamic_cast<TzidCOMAddInModule *>(Owner());
}

void TzidOutlook2007Application::InitServerData() {
    static TzidServerData data{
        GUID_NULL, DIID_OutlookApplication, DIID_OutlookApplicationEvents_11, nullptr, 500, 0};
    SetServerData(data);
}

void TzidOutlook2007Application::ConnectTo(IUnknown *Source) {
    auto source = ComPtr<IUnknown>::Copy(Source);
    Disconnect();
    ComPtr<IUnknown> application = source.TryAs<IUnknown>(DIID_OutlookApplication);
    if (!application)
        return;
    SetIntf(application);
    ConnectEvents(application.Get());
}

void TzidOutlook2007Application::ConnectTo(const classlib::OleVariant &Source) {
    ConnectTo(Source.ToUnknown().Get());
}

void TzidOutlook2007Application::Disconnect() {
    TzidCustomEvents::Disconnect();
}

void TzidOutlook2007Application::DoInvoke(DISPID DispID, TzidEventParams &Params) {
    auto *events = module_ != nullptr ? dynamic_cast<TzidOutlookAppEvents *>(module_->HostEvents()) : nullptr;
    if (events == nullptr)
        return;
    try {
        if (DispID == ContextMenuClose) {
            if (Params.size() == 1)
                events->DoContextMenuClose(Params[0].ToInt());
            return;
        }
        // Only the context-menu events carry a menu and its target; Outlook's other events pass here too.
        if (Params.size() != 2 || DispID < AttachmentContextMenuDisplay || DispID > ShortcutContextMenuDisplay)
            return;
        ComPtr<CommandBar> menu = ObjectOrNull(Params[0]).TryAs<CommandBar>();
        ComPtr<IDispatch> target = ObjectOrNull(Params[1]);
        switch (DispID) {
        case AttachmentContextMenuDisplay:
            events->DoAttachmentContextMenuDisplay(menu.Get(), target.Get());
            break;
        case ViewContextMenuDisplay:
            events->DoViewContextMenuDisplay(menu.Get(), target.Get());
            break;
        case ItemContextMenuDisplay:
            events->DoItemContextMenuDisplay(menu.Get(), target.Get());
            break;
        case FolderContextMenuDisplay:
            events->DoFolderContextMenuDisplay(menu.Get(), target.Get());
            break;
        case StoreContextMenuDisplay:
            events->DoStoreContextMenuDisplay(menu.Get(), target.Get());
            break;
        case ShortcutContextMenuDisplay:
            events->DoShortcutContextMenuDisplay(menu.Get(), target.Get());
            break;
        default:
            break;
        }
    } catch (...) {
        // Outlook goes on with its menu whatever happened here; handlers report through DoError.
        classlib::TraceException(L"Events", L"An Outlook context-menu event");
    }
}

} // namespace framework
