// Outlook's explorers (main windows) as the add-in follows them: each one that opens, or is open at
// start-up, is tracked once; its activation puts the module's explorer and plain bars into it, a
// folder switch filters the explorer bars by the folder shown, its other events become the module's
// OnOLExplorer... events, and its close takes its bars' bindings and task panes with it. An explorer
// Outlook once refused to report or to connect is followed at the next window the add-in follows or
// activates, so that its own next activation binds the bars in it again.
#include <algorithm>
#include <utility>

#include "classlib/Classes.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/OfficeEventSinks.h"
#include "framework/commandbars/WindowBars.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ProcessState.h"
#include "framework/windows/HostWindowsEngine.h"
#include "framework/windows/OutlookExplorerWrapper.h"

using classlib::ComPtr;
using classlib::MakeEvent;

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidExplorer, office::TOutlookExplorer)

namespace {

// The window handle behind an Outlook window (its IOleWindow); null when it has none.
HWND WindowHandleOf(IDispatch *Window) {
    ComPtr<IOleWindow> ole;
    HWND handle = nullptr;
    if (Window != nullptr && Window->QueryInterface(IID_IOleWindow, ole.PutVoid()) == S_OK && ole &&
        SUCCEEDED(ole->GetWindow(&handle)))
        return handle;
    return nullptr;
}

bool SameWindow(IDispatch *A, IDispatch *B) {
    if (A == nullptr || B == nullptr)
        return false;
    HWND a = WindowHandleOf(A), b = WindowHandleOf(B);
    if (a != nullptr && b != nullptr)
        return a == b;
    ComPtr<IUnknown> ua, ub;
    return A->QueryInterface(IID_IUnknown, ua.PutVoid()) == S_OK &&
           B->QueryInterface(IID_IUnknown, ub.PutVoid()) == S_OK && ua.Get() == ub.Get();
}

// Calls Follow (which answers whether to go on) for each explorer of Outlook's collection; answers
// false when a refusal (the count, an item, Follow raising) left one out, which is traced.
template <class TFollow> bool ForEachOpenExplorer(office::TOutlookExplorers &Explorers, TFollow Follow) {
    int count = 0;
    try {
        count = Explorers.Count();
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"Outlook's open explorers could not be counted: they are followed later", E);
        return false;
    }
    bool all = true;
    for (int i = 1; i <= count; ++i) {
        try {
            if (ComPtr<IDispatch> explorer = Explorers.Item(i); explorer && !Follow(explorer.Get()))
                break;
        } catch (const classlib::Exception &E) {
            all = false;
            TraceCommandBars(L"An open explorer could not be followed now: it is followed later", E);
        }
    }
    return all;
}

} // namespace

TzidExplorer::TzidExplorer(TzidHostWindowsEngine &Engine) : TOutlookExplorer(nullptr), engine_(Engine) {}

// The add-in object stays while its handlers run; what they let go of goes after the call.
void TzidExplorer::HostEvent(DISPID id, office::THostEventArgs &args) {
    TzidHandlerCall call(engine_.Owner());
    TOutlookExplorer::HostEvent(id, args);
}

office::TOutlookExplorer *TzidHostWindowsEngine::FindExplorerWrapper(IDispatch *Explorer) const {
    for (const auto &wrapper : ExplorerWrappers)
        if (SameWindow(wrapper->Dispatch(), Explorer))
            return wrapper.get();
    return nullptr;
}

bool TzidHostWindowsEngine::Tracks(const office::TOutlookExplorer *Wrapper) const {
    return Module() && ListHolds(ExplorerWrappers, Wrapper);
}

void TzidHostWindowsEngine::DropExplorerWrapper(office::TOutlookExplorer *Wrapper) {
    DropFromList(ExplorerWrappers, Wrapper);
}

office::TOutlookExplorer *TzidHostWindowsEngine::TrackExplorer(IDispatch *Explorer) {
    if (office::TOutlookExplorer *wrapper = FindExplorerWrapper(Explorer))
        return wrapper;
    auto created = std::make_unique<TzidExplorer>(*this);
    try {
        created->ConnectTo(Explorer);
    } catch (const classlib::Exception &) {
        explorersMissed_ = true;
        throw;
    }
    if (created->EventInterface() == nullptr)
        explorersMissed_ = true; // Outlook refused its events: asked again later
    created->OnActivate = MakeEvent<&TzidHostWindowsEngine::ExplorerActivate>(this);
    created->OnFolderSwitch = MakeEvent<&TzidHostWindowsEngine::ExplorerFolderSwitch>(this);
    created->OnBeforeFolderSwitch = MakeEvent<&TzidHostWindowsEngine::ExplorerBeforeFolderSwitch>(this);
    created->OnViewSwitch = MakeEvent<&TzidHostWindowsEngine::ExplorerViewSwitch>(this);
    created->OnBeforeViewSwitch = MakeEvent<&TzidHostWindowsEngine::ExplorerBeforeViewSwitch>(this);
    created->OnDeactivate = MakeEvent<&TzidHostWindowsEngine::ExplorerDeactivate>(this);
    created->OnSelectionChange = MakeEvent<&TzidHostWindowsEngine::ExplorerSelectionChange>(this);
    created->OnClose = MakeEvent<&TzidHostWindowsEngine::ExplorerClose>(this);
    office::TOutlookExplorer *wrapper = created.get();
    ExplorerWrappers.push_back(std::move(created));
    return wrapper;
}

void TzidHostWindowsEngine::FollowOpenExplorers() {
    // Each is activated at once; a handler there may unload the add-in.
    if (!ForEachOpenExplorer(*Explorers, [this](IDispatch *Explorer) {
            NewExplorer(nullptr, Explorer);
            return Module() != nullptr;
        }))
        explorersMissed_ = true;
}

void TzidHostWindowsEngine::FollowMissedExplorers() {
    if (!explorersMissed_ || !Explorers || !Module())
        return;
    explorersMissed_ = false;
    // Explorers followed without their events are asked for them again.
    for (const auto &wrapper : ExplorerWrappers) {
        if (wrapper->EventInterface() != nullptr)
            continue;
        try {
            ComPtr<IDispatch> explorer = wrapper->DefaultInterface();
            wrapper->ConnectTo(explorer.Get());
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"An explorer's events were refused again", E);
        }
        if (wrapper->EventInterface() == nullptr)
            explorersMissed_ = true;
    }
    if (!ForEachOpenExplorer(*Explorers, [this](IDispatch *Explorer) {
            TrackExplorer(Explorer);
            return true;
        }))
        explorersMissed_ = true;
}

void TzidHostWindowsEngine::NewExplorer(classlib::TObject *Sender, IDispatch *Explorer) {
    TzidHandlerCall call(owner_);
    if (!Module() || Explorer == nullptr)
        return;
    if (Sender != nullptr)
        FollowMissedExplorers();
    office::TOutlookExplorer *wrapper = TrackExplorer(Explorer);
    // (An advanced control would be handed the new window here; no host can show one.)
    Module()->RunGuarded([&] { Module()->OnOLNewExplorer(Sender, Explorer); });
    if (!Tracks(wrapper))
        return;
    if (Sender == nullptr) {
        ExplorerActivate(wrapper);
        return;
    }
    // Outlook reports a new explorer before it can take bars; Outlook 2007 takes them at once, the
    // others at the explorer's first folder switch.
    Module()->SetExplorerActivationPending(true);
    if (Module()->OfficeVersion() != 12)
        return;
    ExplorerActivate(wrapper);
    if (!Tracks(wrapper))
        return;
    Module()->SetExplorerActivationPending(false);
    ExplorerFolderSwitch(wrapper);
}

void TzidHostWindowsEngine::ExplorerActivate(classlib::TObject *Sender) {
    auto *wrapper = dynamic_cast<TzidExplorer *>(Sender);
    if (!Module() || wrapper == nullptr || WindowActivationBusy)
        return;
    TzidActivationScope busy;
    FollowMissedExplorers();
    TzidCOMAddInModule &module = *Module();
    ComPtr<_CommandBars> bars;
    try {
        bars = AsCommandBars(wrapper->CommandBars());
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The explorer's command bars could not be read", E);
    }
    const int version = module.OfficeVersion();
    if (version != 9 && version != 12 && version != 14) {
        // The command-bars sink follows the newest explorer; nothing reacts to it, so a refusal is
        // only traced.
        if (CommandBarsSink)
            std::exchange(CommandBarsSink, nullptr)->Detach();
        if (bars) {
            try {
                CommandBarsSink = TzidCommandBarsEventSink::Create(module, bars);
            } catch (const classlib::Exception &E) {
                TraceCommandBars(L"The explorer's command bars refused the sink", E);
            }
        }
    }
    if (bars)
        module.SetCommandBars(bars);
    for (int i = 0; i < module.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(module.Components(i));
        if (bar == nullptr || dynamic_cast<TzidOlInspectorCustomCommandBar *>(bar) != nullptr ||
            !bar->SupportedApps().Contains(module.HostType()))
            continue;
        PlaceBar(module, *bar);
        wrapper->Bars().Record(*bar);
    }
    module.RunGuarded([&] { module.OnOLExplorerActivate(wrapper); });
    if (Tracks(wrapper) && Module()->CTPFactory())
        owner_.CreatePanesForWindow(wrapper->Dispatch(), 1);
}

void TzidHostWindowsEngine::ExplorerFolderSwitch(classlib::TObject *Sender) {
    auto *wrapper = dynamic_cast<TzidExplorer *>(Sender);
    if (!Module() || wrapper == nullptr)
        return;
    if (Module()->ExplorerActivationPending()) {
        ExplorerActivate(wrapper);
        if (!Tracks(wrapper))
            return;
        Module()->SetExplorerActivationPending(false);
    }
    TzidCOMAddInModule &module = *Module();
    ComPtr<IDispatch> folder;
    try {
        folder = wrapper->CurrentFolder();
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The explorer's folder could not be read", E);
    }
    for (int i = 0; i < module.ComponentCount(); ++i)
        if (auto *bar = dynamic_cast<TzidOlExplorerCustomCommandBar *>(module.Components(i)))
            module.RunGuarded([&] { bar->FolderSwitched(folder.Get()); });
    module.RunGuarded([&] { module.OnOLExplorerFolderSwitch(wrapper); });
}

void TzidHostWindowsEngine::ExplorerBeforeFolderSwitch(classlib::TObject *Sender, IDispatch *NewFolder,
                                                       bool &Cancel) {
    if (Module())
        Module()->RunGuarded([&] { Module()->OnOLExplorerBeforeFolderSwitch(Sender, NewFolder, Cancel); });
}

void TzidHostWindowsEngine::ExplorerViewSwitch(classlib::TObject *Sender) {
    if (Module())
        Module()->RunGuarded([&] { Module()->OnOLExplorerViewSwitch(Sender); });
}

void TzidHostWindowsEngine::ExplorerBeforeViewSwitch(classlib::TObject *Sender,
                                                     const classlib::OleVariant &NewView, bool &Cancel) {
    if (Module())
        Module()->RunGuarded([&] { Module()->OnOLExplorerBeforeViewSwitch(Sender, NewView, Cancel); });
}

void TzidHostWindowsEngine::ExplorerDeactivate(classlib::TObject *Sender) {
    if (Module())
        Module()->RunGuarded([&] { Module()->OnOLExplorerDeactivate(Sender); });
}

void TzidHostWindowsEngine::ExplorerSelectionChange(classlib::TObject *Sender) {
    if (Module())
        Module()->RunGuarded([&] { Module()->OnOLExplorerSelectionChange(Sender); });
}

// In order: the bars' positions are kept, the module hears of the close, the window's panes go, the
// bars bound in it are unbound, and the wrapper goes once this event has returned.
void TzidHostWindowsEngine::ExplorerClose(classlib::TObject *Sender) {
    auto *wrapper = dynamic_cast<TzidExplorer *>(Sender);
    if (!Module() || wrapper == nullptr)
        return;
    Module()->SaveExplorerBarPositions();
    Module()->RunGuarded([&] { Module()->OnOLExplorerClose(wrapper); });
    if (!Tracks(wrapper))
        return;
    if (Module()->CTPFactory())
        owner_.DeletePanesForWindow(wrapper->Dispatch());
    wrapper->Bars().UnbindFromWindow();
    DropExplorerWrapper(wrapper);
}

} // namespace framework
