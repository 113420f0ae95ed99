// A live pane of a definition in one host window: its copies of the definition's settings, the
// writes that follow them to the host while the pane is alive, and the host's reports on it.
#include "classlib/Classes.h"
#include "classlib/Exceptions.h"
#include "classlib/Trace.h"
#include "framework/core/HandlerCall.h"
#include "framework/taskpanes/TaskPanes.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCustomTaskPaneInstance, classlib::TCollectionItem)
CLASSLIB_DEFINE_CLASS(TzidCustomTaskPaneInstances, classlib::TOwnedCollection)

namespace {

bool DocksSideways(MsoCTPDockPosition Position) {
    return Position == msoCTPDockPositionLeft || Position == msoCTPDockPositionRight;
}
bool DocksAcross(MsoCTPDockPosition Position) {
    return Position == msoCTPDockPositionTop || Position == msoCTPDockPositionBottom;
}

} // namespace

TzidCustomTaskPaneInstances::TzidCustomTaskPaneInstances(TzidCustomTaskPane *Owner)
    : TOwnedCollection(Owner, TzidCustomTaskPaneInstance::StaticClass()) {}

// The instances go while the collection still answers for its definition.
TzidCustomTaskPaneInstances::~TzidCustomTaskPaneInstances() {
    Clear();
}

TzidCustomTaskPaneInstance *TzidCustomTaskPaneInstances::Items(int Index) const {
    return static_cast<TzidCustomTaskPaneInstance *>(TOwnedCollection::Items(Index));
}

TzidCustomTaskPaneInstance::TzidCustomTaskPaneInstance(classlib::TCollection *Collection)
    : TCollectionItem(Collection) {
    const TzidCustomTaskPane *definition = Definition();
    dockPosition_ = definition ? definition->DockPosition() : zidCTPDockPositionRight;
    dockPositionRestrict_ = definition ? definition->DockPositionRestrict() : zidCTPDockPositionRestrictNone;
    height_ = definition ? definition->Height() : -1;
    title_ = definition ? definition->Title() : std::wstring();
    visible_ = definition ? definition->Visible() : true;
    width_ = definition ? definition->Width() : -1;
}

// The BeforeDestroy handler may clear the definitions or unload the add-in: after it only the
// instance's own members are used.
TzidCustomTaskPaneInstance::~TzidCustomTaskPaneInstance() {
    TzidHandlerCall::ObjectGone(this);
    destroying_ = true;
    TzidCustomTaskPane *definition = Definition();
    TzidCOMAddInModule *module = Module();
    TzidCustomTaskPanes *panes = definition ? definition->Panes() : nullptr;
    if (announced_ && module && panes && !panes->Destroying() && module->OnTaskPaneBeforeDestroy)
        RunHandler(module, nullptr, [&] { module->OnTaskPaneBeforeDestroy(definition, this); });
    if (pane_) {
        classlib::ComPtr<_CustomTaskPane> live = pane_->Pane();
        // The sink goes first: the host's reports on a pane being deleted find no instance.
        pane_->Detach();
        pane_.Reset();
        if (live) {
            HRESULT hr = live->Delete();
            if (FAILED(hr))
                classlib::TraceHResult(L"TaskPanes", L"Deleting a task pane in the host", hr);
        }
    }
    window_.Reset();
}

TzidCustomTaskPane *TzidCustomTaskPaneInstance::Definition() const {
    return Collection() ? dynamic_cast<TzidCustomTaskPane *>(Collection()->GetOwner()) : nullptr;
}

TzidCOMAddInModule *TzidCustomTaskPaneInstance::Module() const {
    TzidCustomTaskPane *definition = Definition();
    return definition ? definition->Module() : nullptr;
}

void TzidCustomTaskPaneInstance::Attach(classlib::ComPtr<_CustomTaskPane> LivePane, IDispatch *KeepWindow) {
    window_ = classlib::ComPtr<IDispatch>::Copy(KeepWindow);
    _CustomTaskPane *source = LivePane.Get();
    pane_ = classlib::Make<TzidInternalCustomTaskPane>(*this, std::move(LivePane));
    classlib::OleCheck(pane_->Connect(source));
}

bool TzidCustomTaskPaneInstance::Alive() const {
    _CustomTaskPane *pane = LivePane();
    MsoCTPDockPositionRestrict restrict = msoCTPDockPositionRestrictNone;
    return pane != nullptr && SUCCEEDED(pane->get_DockPositionRestrict(&restrict)) &&
           SUCCEEDED(pane->put_DockPositionRestrict(restrict));
}

classlib::ComPtr<IDispatch> TzidCustomTaskPaneInstance::PaneWindow(bool Kept) const {
    if (Kept)
        return window_;
    classlib::ComPtr<IDispatch> window;
    if (_CustomTaskPane *pane = LivePane()) {
        HRESULT hr = pane->get_Window(window.Put());
        if (FAILED(hr)) {
            classlib::TraceHResult(L"TaskPanes", L"A task pane's window", hr);
            window.Reset();
        }
    }
    return window;
}

template <class Write> void TzidCustomTaskPaneInstance::Apply(Write &&write) {
    TzidCOMAddInModule *module = Module();
    if (module == nullptr || !Alive())
        return;
    module->RunGuarded([&] { write(*LivePane()); });
}

void TzidCustomTaskPaneInstance::SetDockPosition(TzidCTPDockPosition Value) {
    dockPosition_ = Value;
    Apply([&](_CustomTaskPane &Pane) {
        classlib::OleCheck(Pane.put_DockPosition(static_cast<MsoCTPDockPosition>(Value)));
    });
}

void TzidCustomTaskPaneInstance::SetDockPositionRestrict(TzidCTPDockPositionRestrict Value) {
    dockPositionRestrict_ = Value;
    Apply([&](_CustomTaskPane &Pane) {
        classlib::OleCheck(Pane.put_DockPositionRestrict(static_cast<MsoCTPDockPositionRestrict>(Value)));
    });
}

// A height belongs to a pane across the window's top or bottom, or floating; docked left or right the
// window decides it.
void TzidCustomTaskPaneInstance::SetHeight(int Value) {
    height_ = Value;
    Apply([&](_CustomTaskPane &Pane) {
        MsoCTPDockPosition dock = msoCTPDockPositionRight;
        classlib::OleCheck(Pane.get_DockPosition(&dock));
        if (!DocksSideways(dock))
            classlib::OleCheck(Pane.put_Height(Value));
    });
}

void TzidCustomTaskPaneInstance::SetWidth(int Value) {
    width_ = Value;
    Apply([&](_CustomTaskPane &Pane) {
        MsoCTPDockPosition dock = msoCTPDockPositionRight;
        classlib::OleCheck(Pane.get_DockPosition(&dock));
        if (!DocksAcross(dock))
            classlib::OleCheck(Pane.put_Width(Value));
    });
}

void TzidCustomTaskPaneInstance::SetVisible(bool Value) {
    visible_ = Value;
    Apply([&](_CustomTaskPane &Pane) {
        classlib::OleCheck(Pane.put_Visible(Value ? VARIANT_TRUE : VARIANT_FALSE));
    });
}

// The host reports the change at once, and the handler of that report may free this instance.
void TzidCustomTaskPaneInstance::ShowUnderChange(bool Show) {
    _CustomTaskPane *pane = LivePane();
    if (pane == nullptr)
        return;
    TzidHandlerCall call(Module(), this);
    changing_ = true;
    HRESULT hr = pane->put_Visible(Show ? VARIANT_TRUE : VARIANT_FALSE);
    if (call.SenderAlive())
        changing_ = false;
    classlib::OleCheck(hr);
}

// What the framework shows or hides itself is not the user's choice: VisibleState keeps the user's.
// The definition's handler is the last thing here, as it may free this instance.
void TzidCustomTaskPaneInstance::VisibleStateChanged() {
    TzidCOMAddInModule *module = Module();
    TzidCustomTaskPane *definition = Definition();
    if (module == nullptr || definition == nullptr)
        return;
    if (!changing_)
        module->RunGuarded([&] {
            VARIANT_BOOL visible = VARIANT_FALSE;
            classlib::OleCheck(LivePane() ? LivePane()->get_Visible(&visible) : E_POINTER);
            visibleState_ = visible != VARIANT_FALSE;
        });
    if (definition->OnVisibleStateChange)
        RunHandler(module, nullptr, [&] { definition->OnVisibleStateChange(definition, this); });
}

void TzidCustomTaskPaneInstance::DockPositionStateChanged() {
    TzidCOMAddInModule *module = Module();
    TzidCustomTaskPane *definition = Definition();
    if (module == nullptr || definition == nullptr)
        return;
    if (definition->OnDockPositionStateChange)
        RunHandler(module, nullptr, [&] { definition->OnDockPositionStateChange(definition, this); });
}

} // namespace framework
