// ICustomTaskPaneConsumer: the host hands over its task-pane factory once it can make panes, which
// may be before or after start-up complete.
#include <utility>
#include <vector>

#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/core/AddInObject.h"
#include "framework/taskpanes/TaskPanes.h"
#include "office/HostDispIds.h"

using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleVariant;

namespace framework {

HRESULT TdivAzore::CTPFactoryAvailable(ICTPFactory *CTPFactoryInst) {
    classlib::TraceEntry(L"AddIn", L"CTPFactoryAvailable");
    return EntryCall([&] {
        if (!module_)
            return;
        TzidCOMAddInModule &module = *module_;
        module.SetCTPFactory(classlib::ComPtr<ICTPFactory>::Copy(CTPFactoryInst));
        module.NotifyCTPFactoryAvailable();
        // Before start-up complete the start-up sequence makes the panes itself; a handler may have
        // unloaded the add-in.
        if (Connected(module) && module.ConnectCount() > 0)
            CreatePanesForOpenWindows();
    });
}

namespace {

// Each window of a host collection, by index from First to First + Count - 1.
template <class F> void ForEachWindow(IDispatch *Collection, int First, F &&Visit) {
    const int count = DispGet(Collection, L"Count").ToInt();
    for (int i = First; i < First + count; ++i)
        Visit(DispCall(Collection, L"Item", {OleVariant(i)}).ToDispatch());
}

} // namespace

void TdivAzore::CreatePanesForOpenWindows() {
    TzidCOMAddInModule &module = *module_;
    IDispatch *app = module.HostApp().Var().vt == VT_DISPATCH ? module.HostApp().Var().pdispVal : nullptr;
    if (app == nullptr)
        return;
    auto hostWindow = [this](const ComPtr<IDispatch> &Window) { CreatePanesForWindow(Window.Get(), 0); };
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
void TdivAzore::CreatePanesForFollowedWindows() {
    std::vector<std::pair<ComPtr<IDispatch>, int>> windows;
    for (const auto &explorer : ExplorerWrappers)
        windows.emplace_back(ComPtr<IDispatch>::Copy(explorer->Dispatch()), zidPaneWindowExplorer);
    for (const auto &inspector : InspectorWrappers)
        windows.emplace_back(ComPtr<IDispatch>::Copy(inspector->Dispatch()), zidPaneWindowInspector);
    for (const auto &[window, kind] : windows)
        if (module_)
            CreatePanesForWindow(window.Get(), kind);
}

void TdivAzore::CreatePanesForWindow(IDispatch *Window, int Kind) {
    if (TzidCustomTaskPanes *panes = module_ ? TaskPanesOf(*module_) : nullptr)
        panes->CreatePanesForWindow(Window, Kind);
}

void TdivAzore::DeletePanesForWindow(IDispatch *Window) {
    if (TzidCustomTaskPanes *panes = module_ ? TaskPanesOf(*module_) : nullptr)
        panes->DeleteInstancesForWindow(Window);
}

void TdivAzore::RecreatePaneInstances() {
    if (TzidCustomTaskPanes *panes = module_ ? TaskPanesOf(*module_) : nullptr)
        panes->RecreateInstances();
}

} // namespace framework
