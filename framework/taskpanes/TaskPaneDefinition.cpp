// A pane definition of the module: its published settings, which follow to every live pane, and the
// making, finding and dropping of its live panes per host window.
#include <algorithm>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/Exceptions.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "classlib/ScopeExit.h"
#include "classlib/Trace.h"
#include "framework/core/HandlerCall.h"
#include "framework/taskpanes/TaskPanes.h"

using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleCheck;
using classlib::OleVariant;

namespace framework {

using Self = TzidCustomTaskPane;

// SupportedApps has no default: a definition made in a module takes the module's hosts, so a value
// left out of a form would not read back as written.
CLASSLIB_DEFINE_CLASS(
    TzidCustomTaskPane, classlib::TCollectionItem,
    b.Property(L"ControlProgID", &Self::ControlProgID, &Self::SetControlProgID).Default(L"");
    b.Property(L"DockPosition", &Self::DockPosition, &Self::SetDockPosition).Default(zidCTPDockPositionRight);
    b.Property(L"DockPositionRestrict", &Self::DockPositionRestrict, &Self::SetDockPositionRestrict)
        .Default(zidCTPDockPositionRestrictNone);
    b.Property(L"Height", &Self::Height, &Self::SetHeight).Default(-1);
    b.Property(L"OutlookWindows", &Self::OutlookWindows, &Self::SetOutlookWindows)
        .Default(TzidCTPOutlookWindows{olExplorers, olInspectors});
    b.Property(L"SupportedApps", &Self::SupportedApps, &Self::SetSupportedApps);
    b.Property(L"Title", &Self::Title, &Self::SetTitle);
    b.Property(L"Visible", &Self::Visible, &Self::SetVisible).Default(true);
    b.Property(L"Width", &Self::Width, &Self::SetWidth).Default(-1);
    b.Field(L"OnDockPositionStateChange", &Self::OnDockPositionStateChange);
    b.Field(L"OnVisibleStateChange", &Self::OnVisibleStateChange))

namespace {

// The application Object of the module's host; null when it holds none.
IDispatch *HostApplication(const TzidCOMAddInModule &Module) {
    const VARIANT &app = Module.HostApp().Var();
    return app.vt == VT_DISPATCH ? app.pdispVal : nullptr;
}

// Whether the host's own answer to a pane's window cannot be compared: Word and PowerPoint 2010 and
// later keep the window the pane was made for.
bool KeepsWindow(const TzidCOMAddInModule &Module) {
    return Module.HostType() == ohaWord ||
           (Module.HostType() == ohaPowerPoint && Module.OfficeVersion() >= 14);
}

// Each item of a host's window collection, by index from First.
std::vector<ComPtr<IDispatch>> HostWindows(IDispatch *App, int First) {
    std::vector<ComPtr<IDispatch>> windows;
    ComPtr<IDispatch> collection = DispGet(App, L"Windows").ToDispatch();
    const int count = DispGet(collection.Get(), L"Count").ToInt();
    for (int i = First; i < First + count; ++i)
        windows.push_back(DispCall(collection.Get(), L"Item", {OleVariant(i)}).ToDispatch());
    return windows;
}

bool Among(IDispatch *Window, const std::vector<ComPtr<IDispatch>> &Windows) {
    for (const ComPtr<IDispatch> &w : Windows)
        if (SameComObject(w.Get(), Window))
            return true;
    return false;
}

// Does Step for each live pane, last first (Backward, for steps that delete) or first first. Step may
// fire a handler that drops other panes or frees the definition (Call's sender): the list is read
// again after each, and not at all once the definition has gone. False then.
template <class S>
bool ForEachInstance(TzidHandlerCall &Call, TzidCustomTaskPaneInstances &Instances, bool Backward, S &&Step) {
    const int count = Instances.Count();
    for (int i = Backward ? count - 1 : 0; i >= 0 && i < Instances.Count();
         i = Backward ? std::min(i, Instances.Count()) - 1 : i + 1) {
        Step(*Instances.Items(i));
        if (!Call.SenderAlive())
            return false;
    }
    return true;
}

} // namespace

TzidCustomTaskPane::TzidCustomTaskPane(classlib::TCollection *Collection)
    : TCollectionItem(Collection), instances_(this) {
    if (TzidCOMAddInModule *module = Module())
        supportedApps_ = module->SupportedApps();
    title_ = L"My Custom Pane " + std::to_wstring(Collection ? Collection->Count() : 1);
}

// The definition leaves its definitions first, so that a BeforeDestroy handler that clears them does
// not reach it again; its live panes then go while it is otherwise whole: their destruction reports it
// as their sender. An instance that is announcing its own destruction is going already: it only leaves
// the list (a BeforeDestroy handler that clears the definitions would free it twice).
TzidCustomTaskPane::~TzidCustomTaskPane() {
    destroying_ = true;
    TzidHandlerCall::ObjectGone(this);
    leftPanes_ = dynamic_cast<TzidCustomTaskPanes *>(Collection());
    SetCollection(nullptr);
    for (int i = instances_.Count() - 1; i >= 0; --i)
        if (instances_.Items(i)->Destroying())
            instances_.Items(i)->SetCollection(nullptr);
    instances_.Clear();
}

void TzidCustomTaskPane::operator delete(TzidCustomTaskPane *Pane, std::destroying_delete_t) noexcept {
    if (Pane->destroying_)
        return;
    Pane->~TzidCustomTaskPane();
    ::operator delete(Pane);
}

TzidCustomTaskPanes *TzidCustomTaskPane::Panes() const {
    return destroying_ ? leftPanes_ : dynamic_cast<TzidCustomTaskPanes *>(Collection());
}

TzidCOMAddInModule *TzidCustomTaskPane::Module() const {
    TzidCustomTaskPanes *panes = Panes();
    return panes ? &panes->Module() : nullptr;
}

namespace {

// A definition's setting goes on to each of its live panes.
template <class V>
void ApplyToInstances(TzidCustomTaskPaneInstances &Instances, void (TzidCustomTaskPaneInstance::*Set)(V),
                      V Value) {
    for (int i = 0; i < Instances.Count(); ++i)
        (Instances.Items(i)->*Set)(Value);
}

} // namespace

void TzidCustomTaskPane::SetDockPosition(TzidCTPDockPosition Value) {
    dockPosition_ = Value;
    ApplyToInstances(instances_, &TzidCustomTaskPaneInstance::SetDockPosition, Value);
}

void TzidCustomTaskPane::SetDockPositionRestrict(TzidCTPDockPositionRestrict Value) {
    dockPositionRestrict_ = Value;
    ApplyToInstances(instances_, &TzidCustomTaskPaneInstance::SetDockPositionRestrict, Value);
}

void TzidCustomTaskPane::SetHeight(int Value) {
    height_ = Value;
    ApplyToInstances(instances_, &TzidCustomTaskPaneInstance::SetHeight, Value);
}

void TzidCustomTaskPane::SetWidth(int Value) {
    width_ = Value;
    ApplyToInstances(instances_, &TzidCustomTaskPaneInstance::SetWidth, Value);
}

void TzidCustomTaskPane::SetVisible(bool Value) {
    visible_ = Value;
    ApplyToInstances(instances_, &TzidCustomTaskPaneInstance::SetVisible, Value);
}

// Hosts with one ribbon window per process (and PowerPoint before 2010) have one pane per definition.
TzidCustomTaskPaneInstance *TzidCustomTaskPane::FindInstance(IDispatch *Window) const {
    const TzidCOMAddInModule *module = Module();
    if (module == nullptr || instances_.Count() == 0)
        return nullptr;
    switch (module->HostType()) {
    case ohaExcel:
    case ohaAccess:
    case ohaProject:
        return instances_.Items(0);
    case ohaPowerPoint:
        if (module->OfficeVersion() < 14)
            return instances_.Items(0);
        break;
    default:
        break;
    }
    const bool kept = KeepsWindow(*module);
    for (int i = 0; i < instances_.Count(); ++i) {
        ComPtr<IDispatch> paneWindow = instances_.Items(i)->PaneWindow(kept);
        // A pane made for no window (PowerPoint showing none) is the one found for no window.
        if (Window == nullptr ? kept && !paneWindow : SameComObject(paneWindow.Get(), Window))
            return instances_.Items(i);
    }
    return nullptr;
}

// The pane is written to completely or not left in the host at all: a pane whose dock or size the
// host refuses would stay there, shown, with nothing to delete it later.
ComPtr<_CustomTaskPane> TzidCustomTaskPane::MakeLivePane(IDispatch *Window) {
    TzidCOMAddInModule &module = *Module();
    ComPtr<_CustomTaskPane> pane;
    OleVariant parent = Window != nullptr ? OleVariant(Window) : OleVariant();
    classlib::TBStr progId(controlProgID_), title(title_);
    OleCheck(module.CTPFactory()->CreateCTP(progId.Get(), title.Get(), parent.Var(), pane.Put()));
    if (!pane)
        OleCheck(E_POINTER);
    try {
        OleCheck(pane->put_DockPosition(static_cast<MsoCTPDockPosition>(dockPosition_)));
        OleCheck(
            pane->put_DockPositionRestrict(static_cast<MsoCTPDockPositionRestrict>(dockPositionRestrict_)));
        const bool sideways =
            dockPosition_ == zidCTPDockPositionLeft || dockPosition_ == zidCTPDockPositionRight;
        const bool across =
            dockPosition_ == zidCTPDockPositionTop || dockPosition_ == zidCTPDockPositionBottom;
        if (height_ != -1 && !sideways)
            OleCheck(pane->put_Height(height_));
        if (width_ != -1 && !across)
            OleCheck(pane->put_Width(width_));
    } catch (...) {
        HRESULT hr = pane->Delete();
        if (FAILED(hr))
            classlib::TraceHResult(L"TaskPanes", L"Deleting a task pane that could not be set up", hr);
        throw;
    }
    return pane;
}

// Each handler may free this definition (clearing the definitions or unloading the add-in) or drop
// the new pane: nothing goes on with what has gone.
void TzidCustomTaskPane::CreateInstance(IDispatch *Window) {
    TzidCOMAddInModule &module = *Module();
    TzidHandlerCall call(&module, this);
    bool cancel = false;
    call.Run([&] {
        if (module.OnTaskPaneBeforeCreate)
            module.OnTaskPaneBeforeCreate(this, Window, cancel);
    });
    if (cancel || !call.SenderAlive())
        return;
    TzidCustomTaskPaneInstance *instance = nullptr;
    call.Run([&] {
        ComPtr<_CustomTaskPane> live = MakeLivePane(Window);
        classlib::ScopeExit deleteLive([&] {
            HRESULT hr = live->Delete();
            if (FAILED(hr))
                classlib::TraceHResult(L"TaskPanes", L"Deleting a task pane that got no instance", hr);
        });
        auto *made = static_cast<TzidCustomTaskPaneInstance *>(instances_.Add());
        deleteLive.Dismiss();
        classlib::ScopeExit drop([&] { delete made; }); // with its pane, once attached
        made->Attach(std::move(live), KeepsWindow(module) ? Window : nullptr);
        drop.Dismiss();
        instance = made;
    });
    if (instance == nullptr)
        return;
    const int id = instance->ID();
    auto current = [&]() -> TzidCustomTaskPaneInstance * {
        return call.SenderAlive() ? static_cast<TzidCustomTaskPaneInstance *>(instances_.FindItemID(id))
                                  : nullptr;
    };
    instance->MarkAnnounced();
    call.Run([&] {
        if (module.OnTaskPaneAfterCreate)
            module.OnTaskPaneAfterCreate(this, instance);
    });
    if (current() == nullptr || !visible_)
        return;
    cancel = false;
    call.Run([&] {
        if (module.OnTaskPaneBeforeShow)
            module.OnTaskPaneBeforeShow(this, instance, cancel);
    });
    if (cancel || current() == nullptr)
        return;
    bool shown = call.Run([&] { OleCheck(instance->LivePane()->put_Visible(VARIANT_TRUE)); });
    if (!shown || current() == nullptr)
        return;
    call.Run([&] {
        if (module.OnTaskPaneAfterShow)
            module.OnTaskPaneAfterShow(this, instance);
    });
}

void TzidCustomTaskPane::DeleteInstance(IDispatch *Window) {
    delete FindInstance(Window);
}

void TzidCustomTaskPane::DropInstancesOfClosedWindows() {
    TzidHandlerCall call(Module(), this);
    std::vector<ComPtr<IDispatch>> windows = HostWindows(HostApplication(*Module()), 0);
    ForEachInstance(call, instances_, true, [&](TzidCustomTaskPaneInstance &Instance) {
        if (!Among(Instance.PaneWindow(false).Get(), windows))
            delete &Instance;
    });
}

// Word with one window for all documents (ShowWindowsInTaskbar False) shows a pane only with its own
// document, as the user left it; back to a window per document, every pane follows its definition.
// The panes' handlers (BeforeDestroy, VisibleStateChange) run inside: a call of their own on this
// definition is not started again, and nothing goes on once they have freed the definition.
void TzidCustomTaskPane::RecreateInstances() {
    TzidHandlerCall call(Module(), this, true);
    if (!call.Entered())
        return;
    TzidCOMAddInModule &module = *Module();
    IDispatch *app = HostApplication(module);
    std::vector<ComPtr<IDispatch>> windows = HostWindows(app, 1);
    if (!ForEachInstance(call, instances_, true, [&](TzidCustomTaskPaneInstance &Instance) {
            if (!Among(Instance.Window().Get(), windows))
                delete &Instance;
        }))
        return;

    const bool wasShown = module.ShowWindowsInTaskbar();
    const bool shown = DispGet(app, L"ShowWindowsInTaskbar").ToBool();
    module.SetShowWindowsInTaskbar(shown);
    if (!shown) {
        ComPtr<IDispatch> active = windows.empty() ? nullptr : DispGet(app, L"ActiveWindow").ToDispatch();
        ForEachInstance(call, instances_, false, [&](TzidCustomTaskPaneInstance &Instance) {
            Instance.ShowUnderChange(SameComObject(Instance.Window().Get(), active.Get()) &&
                                     Instance.VisibleState());
        });
    } else if (!wasShown) {
        if (!ForEachInstance(call, instances_, true, [&](TzidCustomTaskPaneInstance &Instance) {
                if (!SameComObject(Instance.Window().Get(), Instance.PaneWindow(false).Get()))
                    delete &Instance;
            }))
            return;
        const VARIANT_BOOL visible = visible_ ? VARIANT_TRUE : VARIANT_FALSE;
        ForEachInstance(call, instances_, false, [&](TzidCustomTaskPaneInstance &Instance) {
            if (_CustomTaskPane *pane = Instance.LivePane())
                OleCheck(pane->put_Visible(visible));
        });
    }
}

} // namespace framework
