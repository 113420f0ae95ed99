#include "office/HostEventSink.h"

#include <algorithm>

#include "classlib/ScopeExit.h"
#include "office/HostWrapper.h"

namespace office {

bool THostEventInterface::Declares(DISPID id) const {
    return std::find(Events.begin(), Events.end(), id) != Events.end();
}

std::vector<THostEventInterface> SameEvents(std::initializer_list<IID> Interfaces,
                                            const std::vector<DISPID> &Events) {
    std::vector<THostEventInterface> result;
    for (const IID &iid : Interfaces)
        result.push_back({iid, Events});
    return result;
}

THostEventSink::THostEventSink(const THostEventInterface &iface, THostWrapper *wrapper)
    : TEventSinkBase(iface.Iid), iface_(iface), wrapper_(wrapper) {}

HRESULT THostEventSink::DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *) {
    if (!iface_.Declares(id))
        return DISP_E_MEMBERNOTFOUND;
    if (wrapper_ == nullptr) // the wrapper is gone; the host is about to drop us
        return S_OK;
    THostEventArgs args(params);
    // The handler may free the wrapper (a window's Close handler does); nothing of it is touched
    // afterwards. A flag the handler set before it failed still reaches the host.
    classlib::ScopeExit writeBack([&args] { args.WriteBack(); });
    wrapper_->HostEvent(id, args);
    return S_OK;
}

} // namespace office
