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
#include "framework/commandbars/OutlookExplorerWrapper.h"
#include "framework/commandbars/WindowBars.h"
#include "framework/core/AddInObject.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ProcessState.h"

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

TzidExplorer::TzidExplorer(TdivAzore &AddIn) : TOutlookExplorer(nullptr), addIn_(AddIn) {}

// The add-in object stays while its handlers run; what they let go of goes after the call.
void TzidExplorer::HostEvent(DISPID id, office::THostEventArgs &args) {
    TzidHandlerCall call(addIn_);
    TOutlookExplorer::HostEvent(id, args);
}

office::TOutlookExplorer *TdivAzore::FindExplorerWrapper(IDispatch *Explorer) const {
    for (const auto &wrapper : ExplorerWrappers)
        if (SameWindow(wrapper->Dispatch(), Explorer))
            return wrapper.get();
    return nullptr;
}

bool TdivAzore::Tracks(const office::TOutlookExplorer *Wrapper) const {
    return module_ && ListHolds(ExplorerWrappers, Wrapper);
}

void TdivAzore::DropExplorerWrapper(office::TOutlookExplorer *Wrapper) {
    DropFromList(ExplorerWrappers, Wrapper);
}

office::TOutlookExplorer *TdivAzore::TrackExplorer(IDispatch *Explorer) {
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
    created->OnActivate = MakeEvent<&TdivAzore::ExplorerActivate>(this);
    created->OnFolderSwitch = MakeEvent<&TdivAzore::ExplorerFolderSwitch>(this);
    created->OnBeforeFolderSwitch = MakeEvent<&TdivAzore::ExplorerBeforeFolderSwitch>(this);
    created->OnViewSwitch = MakeEvent<&TdivAzore::ExplorerViewSwitch>(this);
    created->OnBeforeViewSwitch = MakeEvent<&TdivAzore::ExplorerBeforeViewSwitch>(this);
    created->OnDeactivate = MakeEvent<&TdivAzore::ExplorerDeactivate>(this);
    created->OnSelectionChange = MakeEvent<&TdivAzore::ExplorerSelectionChange>(this);
    created->OnClose = MakeEvent<&TdivAzore::ExplorerClose>(this);
    office::TOutlookExplorer *wrapper = created.get();
    ExplorerWrappers.push_back(std::move(created));
    return wrapper;
}

void TdivAzore::FollowOpenExplorers() {
    // Each is activated at once; a handler there may unload the add-in.
    if (!ForEachOpenExplorer(*Explorers, [this](IDispatch *Explorer) {
            NewExplorer(nullptr, Explorer);
            return static_cast<bool>(module_);
        }))
        explorersMissed_ = true;
}

void TdivAzore::FollowMissedExplorers() {
    if (!explorersMissed_ || !Explorers || !module_)
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

void TdivAzore::NewExplorer(classlib::TObject *Sender, IDispatch *Explorer) {
    TzidHandlerCall call(*this);
    if (!module_ || Explorer == nullptr)
        return;
    if (Sender != nullptr)
        FollowMissedExplorers();
    office::TOutlookExplorer *wrapper = TrackExplorer(Explorer);
    // (An advanced control would be handed the new window here; no host can show one.)
    module_->RunGuarded([&] { module_->OnOLNewExplorer(Sender, Explorer); });
    if (!Tracks(wrapper))
        return;
    if (Sender == nullptr) {
        ExplorerActivate(wrapper);
        return;
    }
    // Outlook reports a new explorer before it can take bars; Outlook 2007 takes them at once, the
    // others at the explorer's first folder switch.
    module_->SetExplorerActivationPending(true);
    if (module_->OfficeVersion() != 12)
        return;
    ExplorerActivate(wrapper);
    if (!Tracks(wrapper))
        return;
    module_->SetExplorerActivationPending(false);
    ExplorerFolderSwitch(wrapper);
}

void TdivAzore::ExplorerActivate(classlib::TObject *Sender) {
    auto *wrapper = dynamic_cast<TzidExplorer *>(Sender);
    if (!module_ || wrapper == nullptr || WindowActivationBusy)
        return;
    TzidActivationScope busy;
    FollowMissedExplorers();
    TzidCOMAddInModule &module = *module_;
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
    if (Tracks(wrapper) && module_->CTPFactory())
        CreatePanesForWindow(wrapper->Dispatch(), 1);
}

void TdivAzore::ExplorerFolderSwitch(classlib::TObject *Sender) {
    auto *wrapper = dynamic_cast<TzidExplorer *>(Sender);
    if (!module_ || wrapper == nullptr)
        return;
    if (module_->ExplorerActivationPending()) {
        ExplorerActivate(wrapper);
        if (!Tracks(wrapper))
            return;
        module_->SetExplorerActivationPending(false);
    }
    TzidCOMAddInModule &module = *module_;
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

void TdivAzore::ExplorerBeforeFolderSwitch(classlib::TObject *Sender, IDispatch *NewFolder, bool &Cancel) {
    if (module_)
        module_->RunGuarded([&] { module_->OnOLExplorerBeforeFolderSwitch(Sender, NewFolder, Cancel); });
}

void TdivAzore::ExplorerViewSwitch(classlib::TObject *Sender) {
    if (module_)
        module_->RunGuarded([&] { module_->OnOLExplorerViewSwitch(Sender); });
}

void TdivAzore::ExplorerBeforeViewSwitch(classlib::TObject *Sender, const classlib::OleVariant &NewView,
                                         bool &Cancel) {
    if (module_)
        module_->RunGuarded([&] { module_->OnOLExplorerBeforeViewSwitch(Sender, NewView, Cancel); });
}

void TdivAzore::ExplorerDeactivate(classlib::TObject *Sender) {
    if (module_)
        module_->RunGuarded([&] { module_->OnOLExplorerDeactivate(Sender); });
}

void TdivAzore::ExplorerSelectionChange(classlib::TObject *Sender) {
    if (module_)
        module_->RunGuarded([&] { module_->OnOLExplorerSelectionChange(Sender); });
}

// In order: the bars' positions are kept, the module hears of the close, the window's panes go, the
// bars bound in it are unbound, and the wrapper goes once this event has returned.
void TdivAzore::ExplorerClose(classlib::TObject *Sender) {
    auto *wrapper = dynamic_cast<TzidExplorer *>(Sender);
    if (!module_ || wrapper == nullptr)
        return;
    module_->SaveExplorerBarPositions();
    module_->RunGuarded([&] { module_->OnOLExplorerClose(wrapper); });
    if (!Tracks(wrapper))
        return;
    if (module_->CTPFactory())
        DeletePanesForWindow(wrapper->Dispatch());
    wrapper->Bars().UnbindFromWindow();
    DropExplorerWrapper(wrapper);
}

} // namespace framework
