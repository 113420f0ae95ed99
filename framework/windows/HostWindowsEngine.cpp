// The engine's part in the connection: its handlers are chained at start-up, Outlook's windows are
// followed from then on, and the disconnection lets go of all of it.
#include "framework/windows/HostWindowsEngine.h"

#include <utility>

#include "classlib/Classes.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/HandlerChain.h"
#include "framework/windows/OutlookExplorerWrapper.h"
#include "framework/windows/OutlookInspectorWrapper.h"

using classlib::ComPtr;
using classlib::MakeEvent;

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidHostWindowsEngine, classlib::TObject)

namespace {

std::unique_ptr<IzidHostWindowsEngine> MakeHostWindowsEngine(TdivAzore &Owner) {
    return std::make_unique<TzidHostWindowsEngine>(Owner);
}

} // namespace

void InstallHostWindows() {
    TzidHostWindowsEngineMaker::Install(&MakeHostWindowsEngine);
}

void TzidHostWindowsEngine::ChainWindowHandlers() {
    TzidCOMAddInModule &module = *Module();
    switch (module.HostType()) {
    case ohaInfoPath:
        if (auto *app = dynamic_cast<office::TInfoPathApplication *>(module.HostWrapper(ohaInfoPath)))
            Chain(app->OnWindowActivate, PrevInfoPathWindowActivate,
                  MakeEvent<&TzidHostWindowsEngine::InfoPathWindowActivate>(this));
        break;
    case ohaWord:
        if (office::TWordApplication *app = module.WordApp()) {
            Chain(app->OnWindowActivate, PrevWordHandlers.WindowActivate,
                  MakeEvent<&TzidHostWindowsEngine::WordWindowActivate>(this));
            Chain(app->OnDocumentOpen, PrevWordHandlers.DocumentOpen,
                  MakeEvent<&TzidHostWindowsEngine::WordDocumentOpen>(this));
            Chain(app->OnNewDocument, PrevWordHandlers.NewDocument,
                  MakeEvent<&TzidHostWindowsEngine::WordNewDocument>(this));
            Chain(app->OnDocumentChange, PrevWordHandlers.DocumentChange,
                  MakeEvent<&TzidHostWindowsEngine::WordDocumentChange>(this));
        }
        break;
    case ohaVisio:
        if (auto *app = dynamic_cast<office::TVisioApplication *>(module.HostWrapper(ohaVisio)))
            Chain(app->OnWindowActivated, PrevVisioHandler,
                  MakeEvent<&TzidHostWindowsEngine::VisioWindowActivated>(this));
        break;
    default:
        break;
    }
}

void TzidHostWindowsEngine::FollowOutlookWindows(office::TOutlookApplication &App) {
    TzidCOMAddInModule &module = *Module();
    auto connected = [&] { return Module() == &module; };
    ExplorerWrappers.clear();
    InspectorWrappers.clear();

    Explorers = std::make_unique<office::TOutlookExplorers>(nullptr);
    Explorers->ConnectTo(App.Explorers().Get());
    Explorers->OnNewExplorer = MakeEvent<&TzidHostWindowsEngine::NewExplorer>(this);
    // Each report runs the add-in's handlers, which may unload it.
    FollowOpenExplorers();
    if (!connected())
        return;

    Inspectors = std::make_unique<office::TOutlookInspectors>(nullptr);
    Inspectors->ConnectTo(App.Inspectors().Get());
    Inspectors->OnNewInspector = MakeEvent<&TzidHostWindowsEngine::NewInspector>(this);
    // An add-in enabled later finds several inspectors open: each is followed (the new-inspector
    // handler passes notes over), the active one last, so that its bars end as the module's.
    ComPtr<IDispatch> active = App.ActiveInspector();
    std::vector<ComPtr<IDispatch>> open;
    for (int i = 1, count = Inspectors->Count(); i <= count; ++i) {
        ComPtr<IDispatch> inspector = Inspectors->Item(i);
        if (!classlib::SameComObject(inspector.Get(), active.Get()))
            open.push_back(std::move(inspector));
    }
    if (active)
        open.push_back(std::move(active));
    for (const ComPtr<IDispatch> &inspector : open)
        if (connected())
            NewInspector(nullptr, inspector.Get());
}

std::vector<TzidFollowedWindow> TzidHostWindowsEngine::FollowedOutlookWindows() const {
    std::vector<TzidFollowedWindow> windows;
    for (const auto &explorer : ExplorerWrappers)
        windows.emplace_back(ComPtr<IDispatch>::Copy(explorer->Dispatch()), 1);
    for (const auto &inspector : InspectorWrappers)
        windows.emplace_back(ComPtr<IDispatch>::Copy(inspector->Dispatch()), 2);
    return windows;
}

void TzidHostWindowsEngine::DetachCommandBarsSink() noexcept {
    if (CommandBarsSink)
        std::exchange(CommandBarsSink, nullptr)->Detach();
}

// A disconnection may run inside an event of one of these (a handler that unloads the add-in): each
// stops its events now and goes once the event calls on the stack have returned.
void TzidHostWindowsEngine::Release() noexcept {
    auto release = [](auto &wrapper) {
        if (wrapper) {
            wrapper->Disconnect();
            FreeAfterCall(std::move(wrapper));
        }
    };
    for (auto &wrapper : std::exchange(ExplorerWrappers, {}))
        release(wrapper);
    for (auto &wrapper : std::exchange(InspectorWrappers, {}))
        release(wrapper);
    for (auto &timer : std::exchange(VisioTimers, {}))
        FreeAfterCall(std::move(timer));
    release(Explorers);
    release(Inspectors);
    // The handlers chained from the host wrappers went with them: a later connection must not call
    // them.
    PrevWordHandlers = {};
    PrevInfoPathWindowActivate = {};
    PrevVisioHandler = {};
}

} // namespace framework
