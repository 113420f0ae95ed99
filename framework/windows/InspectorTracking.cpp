// Outlook's inspectors (item windows) as the add-in follows them: each one that opens (and the one
// active at start-up) fires the module's OnOLNewInspector; one showing an item other than a note is
// tracked by a TzidInspector, whose activation puts the inspector bars meant for the item it shows
// then (Outlook's Next Item moves a window to another item) and for its folder into the window, and
// whose close takes them out again.
#include <algorithm>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/WindowBars.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ProcessState.h"
#include "framework/windows/HostWindowsEngine.h"
#include "framework/windows/OutlookInspectorWrapper.h"
#include "office/HostDispIds.h"

using classlib::ComPtr;
using classlib::MakeEvent;

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidInspector, office::TOutlookInspector)

namespace {

constexpr long kNoteClass = 44;

// The folder path of the folder the active explorer shows; "" when there is none or Outlook fails.
std::wstring ActiveExplorerFolderPath(TzidCOMAddInModule &Module) {
    try {
        office::TOutlookApplication *outlook = Module.OutlookApp();
        ComPtr<IDispatch> explorer = outlook != nullptr ? outlook->ActiveExplorer() : nullptr;
        if (!explorer)
            return {};
        return GetFolderPath(classlib::DispGet(explorer.Get(), office::dispid::outlook_window::CurrentFolder)
                                 .ToDispatch()
                                 .Get());
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The active explorer's folder could not be read", E);
        return {};
    }
}

} // namespace

TzidInspector::TzidInspector(TzidHostWindowsEngine &Engine, long ItemClass, std::wstring FolderPath)
    : TOutlookInspector(nullptr), engine_(Engine), itemClass_(ItemClass), folderPath_(std::move(FolderPath)) {
    OnActivate = MakeEvent<&TzidInspector::InspectorActivate>(this);
    OnDeactivate = MakeEvent<&TzidInspector::InspectorDeactivate>(this);
    OnClose = MakeEvent<&TzidInspector::InspectorClose>(this);
}

// The add-in object stays while the handlers run; what they let go of goes after the call.
void TzidInspector::HostEvent(DISPID id, office::THostEventArgs &args) {
    TzidHandlerCall call(engine_.Owner());
    TOutlookInspector::HostEvent(id, args);
}

// The class of the item the window shows now; the one it opened with when Outlook does not say.
long TzidInspector::CurrentItemClass() const {
    try {
        ComPtr<IDispatch> item =
            classlib::DispGet(Dispatch(), office::dispid::outlook_window::CurrentItem).ToDispatch();
        if (item)
            return classlib::DispGet(item.Get(), office::dispid::outlook_object::Class).ToInt();
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The inspector's current item could not be read", E);
    }
    return itemClass_;
}

void TzidInspector::InspectorActivate(classlib::TObject * /*Sender*/) {
    if (WindowActivationBusy || !engine_.Tracks(this))
        return;
    TzidActivationScope busy;
    TzidCOMAddInModule &module = *engine_.Module();
    const long itemClass = CurrentItemClass();
    try {
        if (ComPtr<_CommandBars> bars = AsCommandBars(CommandBars()))
            module.SetCommandBars(std::move(bars));
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The inspector's command bars could not be read", E);
    }
    // An OnBeforeAdd handler may free its own bar or another one: the bars are taken first, and each
    // is placed only while the module still owns it.
    std::vector<TzidOlInspectorCustomCommandBar *> bars;
    for (int i = 0; i < module.ComponentCount(); ++i)
        if (auto *bar = dynamic_cast<TzidOlInspectorCustomCommandBar *>(module.Components(i)))
            bars.push_back(bar);
    auto owned = [&module](const classlib::TComponent *Bar) {
        for (int i = 0; i < module.ComponentCount(); ++i)
            if (module.Components(i) == Bar)
                return true;
        return false;
    };
    for (TzidOlInspectorCustomCommandBar *bar : bars) {
        if (!owned(bar) || (module.UsesRibbon() && !bar->UseForRibbon()))
            continue;
        bool cancel = false;
        if (bar->OnBeforeAdd) {
            TzidHandlerCall call(&module, static_cast<TzidCustomCommandBar *>(bar));
            call.Run([&] {
                bar->OnBeforeAdd(dynamic_cast<TzidOlInspectorCommandBar *>(bar), Dispatch(), cancel);
            });
            if (!engine_.Tracks(this))
                return;
            if (!call.SenderAlive())
                continue;
        }
        if (!cancel && bar->UsedFor(folderPath_, itemClass))
            PlaceInspectorBar(module, *bar, itemClass);
    }
    module.RunGuarded([&] { module.OnOLInspectorActivate(this); });
    if (engine_.Tracks(this) && engine_.Module()->CTPFactory())
        engine_.Owner().CreatePanesForWindow(Dispatch(), 2);
}

void TzidInspector::PlaceInspectorBar(TzidCOMAddInModule &Module, TzidOlInspectorCustomCommandBar &Bar,
                                      long ItemClass) {
    PlaceBar(Module, Bar);
    bars_.Record(Bar);
    Module.RunGuarded([&] { UpdateInspectorControls(ItemClass, *Bar.Controls()); });
}

void TzidInspector::InspectorDeactivate(classlib::TObject * /*Sender*/) {
    if (engine_.Tracks(this))
        engine_.Module()->RunGuarded([&] { engine_.Module()->OnOLInspectorDeactivate(this); });
}

// In order: the module hears of the close, the window's panes go, the bars bound in it are unbound,
// and the wrapper goes once this event has returned.
void TzidInspector::InspectorClose(classlib::TObject * /*Sender*/) {
    if (!engine_.Tracks(this))
        return;
    engine_.Module()->RunGuarded([&] { engine_.Module()->OnOLInspectorClose(this); });
    if (!engine_.Tracks(this))
        return;
    if (engine_.Module()->CTPFactory())
        engine_.Owner().DeletePanesForWindow(Dispatch());
    bars_.UnbindFromWindow();
    engine_.DropInspectorWrapper(this);
}

bool TzidHostWindowsEngine::Tracks(const office::TOutlookInspector *Wrapper) const {
    return Module() && ListHolds(InspectorWrappers, Wrapper);
}

void TzidHostWindowsEngine::DropInspectorWrapper(office::TOutlookInspector *Wrapper) {
    DropFromList(InspectorWrappers, Wrapper);
}

void TzidHostWindowsEngine::NewInspector(classlib::TObject *Sender, IDispatch *Inspector) {
    TzidHandlerCall call(owner_);
    if (!Module())
        return;
    Module()->RunGuarded([&] { Module()->OnOLNewInspector(Sender, Inspector); });
    if (!Module() || Inspector == nullptr)
        return;
    TzidCOMAddInModule &module = *Module();
    // Only an item window with bars and an item other than a note is followed.
    long itemClass = -1;
    try {
        namespace win = office::dispid::outlook_window;
        ComPtr<IDispatch> item = classlib::DispGet(Inspector, win::CurrentItem).ToDispatch();
        if (!classlib::DispGet(Inspector, win::CommandBars).ToDispatch() || !item)
            return;
        itemClass = classlib::DispGet(item.Get(), office::dispid::outlook_object::Class).ToInt();
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The new inspector's item could not be read", E);
        return;
    }
    if (itemClass == kNoteClass)
        return;
    auto created = std::make_unique<TzidInspector>(*this, itemClass, ActiveExplorerFolderPath(module));
    created->ConnectTo(Inspector);
    TzidInspector *wrapper = created.get();
    InspectorWrappers.push_back(std::move(created));
    for (int i = 0; i < module.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidOlInspectorCustomCommandBar *>(module.Components(i));
        if (bar != nullptr && !bar->CommandBarName().empty() &&
            IsInspectorItemClass(itemClass, bar->ItemTypes()))
            wrapper->Bars().Add(*bar);
    }
    // (An advanced control would be prepared for the window here; no host can show one.)
    wrapper->InspectorActivate(wrapper);
}

} // namespace framework
