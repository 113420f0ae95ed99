// The sink of one live pane's events. The host's connection point holds the sink and the sink holds
// the pane, so the pair stays until the instance detaches it.
#include "framework/taskpanes/TaskPanes.h"

namespace framework {

namespace {
constexpr DISPID VisibleStateChangeId = 1;
constexpr DISPID DockPositionStateChangeId = 2;
} // namespace

TzidInternalCustomTaskPane::TzidInternalCustomTaskPane(TzidCustomTaskPaneInstance &Instance,
                                                       classlib::ComPtr<_CustomTaskPane> Pane)
    : TEventSinkBase(DIID__CustomTaskPaneEvents), instance_(&Instance), pane_(std::move(Pane)) {}

void TzidInternalCustomTaskPane::Detach() noexcept {
    instance_ = nullptr;
    TEventSinkBase::Detach();
    pane_.Reset();
}

HRESULT TzidInternalCustomTaskPane::DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *) {
    if (id != VisibleStateChangeId && id != DockPositionStateChangeId)
        return DISP_E_MEMBERNOTFOUND;
    // A pane whose instance is gone reports to no one.
    if (instance_ == nullptr)
        return S_OK;
    if (id == VisibleStateChangeId)
        instance_->VisibleStateChanged();
    else
        instance_->DockPositionStateChanged();
    return S_OK;
}

} // namespace framework
