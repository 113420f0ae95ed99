// The panes of the windows the host has open: at start-up complete, and when the host hands over its
// task-pane factory (ICustomTaskPaneConsumer) after that.
#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/core/AddInObject.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "office/HostDispIds.h"

using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleVariant;

namespace framework {

namespace {

// Visits the window of each open Word document. Word without documents answers ActiveDocument and
// ActiveWindow with errors: then there is none to visit. A document whose window cannot be read is
// passed over (and traced); the others are still visited.
template <class Visit> void ForEachWordDocumentWindow(IDispatch *App, Visit &&visit) {
    ComPtr<IDispatch> documents;
    int count = 0;
    try {
        if (!DispGet(App, L"ActiveDocument").ToDispatch() || !DispGet(App, L"ActiveWindow").ToDispatch())
            return;
        documents = DispGet(App, L"Documents").ToDispatch();
        count = DispGet(documents.Get(), L"Count").ToInt();
    } catch (const classlib::Exception &) {
        classlib::TraceException(L"Startup", L"Word's open documents");
        return;
    }
    for (int i = 1; i <= count; ++i) {
        ComPtr<IDispatch> window;
        try {
            ComPtr<IDispatch> document = DispCall(documents.Get(), L"Item", {OleVariant(i)}).ToDispatch();
            window = DispGet(document.Get(), L"ActiveWindow").ToDispatch();
        } catch (const classlib::Exception &) {
            classlib::TraceException(L"Startup",
                                     classlib::Format(L"The window of Word's document %d", {i}).c_str());
            continue;
        }
        visit(window.Get());
    }
}

// Each window of a host collection, by index from First to First + Count - 1.
template <class F> void ForEachWindow(IDispatch *Collection, int First, F &&Visit) {
    const int count = DispGet(Collection, L"Count").ToInt();
    for (int i = First; i < First + count; ++i)
        Visit(DispCall(Collection, L"Item", {OleVariant(i)}).ToDispatch());
}

} // namespace

// The task panes of the windows the host has open now; later windows get theirs from the window
// events.
void TzidTaskPanesEngine::CreateStartupTaskPanes() {
    TzidCOMAddInModule &module = module_;
    IDispatch *app = module.HostApp().Var().vt == VT_DISPATCH ? module.HostApp().Var().pdispVal : nullptr;
    if (app == nullptr)
        return;
    switch (module.HostType()) {
    case ohaExcel:
        PanesForWindow(DispGet(app, L"ActiveWindow").ToDispatch().Get());
        break;
    case ohaAccess:
        PanesForWindow(nullptr);
        break;
    case ohaWord:
        try {
            module.SetShowWindowsInTaskbar(DispGet(app, L"ShowWindowsInTaskbar").ToBool());
        } catch (const classlib::Exception &) {
            classlib::TraceException(L"Startup", L"Word's ShowWindowsInTaskbar");
            break;
        }
        ForEachWordDocumentWindow(app, [this](IDispatch *Window) { PanesForWindow(Window); });
        break;
    case ohaPowerPoint:
        if (DispGet(DispGet(app, L"Windows").ToDispatch().Get(), L"Count").ToInt() > 0)
            PanesForWindow(DispGet(app, L"ActiveWindow").ToDispatch().Get());
        else if (module.OfficeVersion() < 14)
            PanesForWindow(nullptr);
        break;
    case ohaInfoPath: {
        ComPtr<IDispatch> windows = DispGet(app, L"Windows").ToDispatch();
        if (DispGet(windows.Get(), L"Count").ToInt() > 0)
            PanesForWindow(DispCall(windows.Get(), L"Item", {OleVariant(0)}).ToDispatch().Get());
        break;
    }
    case ohaProject:
        if (module.OfficeVersion() >= 14)
            PanesForWindow(
                DispGet(app, office::dispid::project_application::ActiveWindow).ToDispatch().Get());
        break;
    default:
        break; // Outlook's panes come with its explorer and inspector windows
    }
}

void TzidTaskPanesEngine::CreatePanesForOpenWindows() {
    TzidCOMAddInModule &module = module_;
    IDispatch *app = module.HostApp().Var().vt == VT_DISPATCH ? module.HostApp().Var().pdispVal : nullptr;
    if (app == nullptr)
        return;
    auto hostWindow = [this](const ComPtr<IDispatch> &Window) { PanesForWindow(Window.Get(), 0); };
    switch (module.HostType()) {
    case ohaExcel:
        hostWindow(DispGet(app, L"ActiveWindow").ToDispatch());
        break;
    case ohaWord: {
        // Whether Word shows one window for all documents decides how its panes are shown.
        module.SetShowWindowsInTaskbar(DispGet(app, L"ShowWindowsInTaskbar").ToBool());
        ComPtr<IDispatch> documents = DispGet(app, L"Documents").ToDispatch();
        ForEachWindow(documents.Get(), 1, [&](const ComPtr<IDispatch> &Document) {
            hostWindow(DispGet(Document.Get(), L"ActiveWindow").ToDispatch());
        });
        break;
    }
    case ohaPowerPoint:
        if (DispGet(DispGet(app, L"Windows").ToDispatch().Get(), L"Count").ToInt() > 0)
            hostWindow(DispGet(app, L"ActiveWindow").ToDispatch());
        else
            hostWindow(nullptr);
        break;
    case ohaAccess:
        hostWindow(nullptr);
        break;
    case ohaInfoPath:
        ForEachWindow(DispGet(app, L"Windows").ToDispatch().Get(), 0, hostWindow);
        break;
    case ohaOutlook:
        CreatePanesForFollowedWindows();
        break;
    case ohaProject:
        if (module.OfficeVersion() >= 14)
            hostWindow(DispGet(app, office::dispid::project_application::ActiveWindow).ToDispatch());
        break;
    default:
        break;
    }
}

// Outlook's panes go only into the explorers and inspectors the add-in follows: only their close
// takes the panes away again (a note's inspector, for one, is not followed). The windows are taken
// first, as a pane's handlers may close one or unload the add-in.
void TzidTaskPanesEngine::CreatePanesForFollowedWindows() {
    const TdivAzore *addIn = module_.AddIn();
    if (addIn == nullptr)
        return;
    for (const auto &[window, kind] : addIn->FollowedOutlookWindows())
        PanesForWindow(window.Get(), kind);
}

} // namespace framework
