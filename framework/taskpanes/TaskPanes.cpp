// The module's pane definitions as a whole: which definitions a window gets.
#include "framework/taskpanes/TaskPanes.h"

#include "classlib/Classes.h"
#include "framework/core/HandlerCall.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCustomTaskPanes, classlib::TOwnedCollection)

bool SameComObject(IUnknown *A, IUnknown *B) {
    if (A == nullptr || B == nullptr)
        return false;
    classlib::ComPtr<IUnknown> a, b;
    return SUCCEEDED(A->QueryInterface(IID_IUnknown, a.PutVoid())) &&
           SUCCEEDED(B->QueryInterface(IID_IUnknown, b.PutVoid())) && a == b;
}

TzidCustomTaskPanes::TzidCustomTaskPanes(TzidCOMAddInModule &Module)
    : TOwnedCollection(&Module, TzidCustomTaskPane::StaticClass()), module_(&Module) {}

TzidCustomTaskPanes::~TzidCustomTaskPanes() {
    destroying_ = true;
    Clear();
}

TzidCustomTaskPane *TzidCustomTaskPanes::Items(int Index) const {
    return static_cast<TzidCustomTaskPane *>(TOwnedCollection::Items(Index));
}

// A handler may add or drop definitions on the way: the count is read again at each step. One that
// unloads the add-in clears the definitions, which ends the loop; the handler call that every way
// into the add-in opens keeps the collection until then.
void TzidCustomTaskPanes::CreatePanesForWindow(IDispatch *Window, int Kind) {
    TzidCOMAddInModule &module = *module_;
    if (!module.CTPFactory())
        return;
    for (int i = 0; i < Count(); ++i) {
        TzidCustomTaskPane *definition = Items(i);
        if ((Kind == zidPaneWindowExplorer && !definition->OutlookWindows().Contains(olExplorers)) ||
            (Kind == zidPaneWindowInspector && !definition->OutlookWindows().Contains(olInspectors)) ||
            !definition->SupportedApps().Contains(module.HostType()) || definition->ControlProgID().empty())
            continue;
        // The handlers of the panes dropped here may free the definition.
        TzidHandlerCall call(&module, definition);
        if (module.HostType() == ohaInfoPath)
            module.RunGuarded([&] { definition->DropInstancesOfClosedWindows(); });
        else if (module.HostType() == ohaWord)
            module.RunGuarded([&] { definition->RecreateInstances(); });
        if (call.SenderAlive() && definition->FindInstance(Window) == nullptr)
            definition->CreateInstance(Window);
    }
}

void TzidCustomTaskPanes::DeleteInstancesForWindow(IDispatch *Window) {
    if (!module_->CTPFactory())
        return;
    for (int i = 0; i < Count(); ++i)
        Items(i)->DeleteInstance(Window);
}

void TzidCustomTaskPanes::RecreateInstances() {
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Instances().Count() > 0)
            module_->RunGuarded([&] { Items(i)->RecreateInstances(); });
}

TzidCustomTaskPanes *TaskPanesOf(const TzidCOMAddInModule &Module) {
    return dynamic_cast<TzidCustomTaskPanes *>(Module.TaskPanes());
}

} // namespace framework
