// The connection-point sink through which a host wrapper hears its host object's events, and the
// decoding of the arguments the host passes with an event.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <initializer_list>
#include <vector>

#include "classlib/EventSink.h"
#include "classlib/InvokeArgs.h"

namespace office {

class THostWrapper;

// One event interface a wrapper can advise on, with the dispatch ids of it that the wrapper decodes.
// A host of an older version answers only its own interface, so a wrapper lists several, newest
// first; each keeps its own table because a later interface may add events the older one lacks.
struct THostEventInterface {
    IID Iid;
    std::vector<DISPID> Events;
    bool Declares(DISPID id) const;
};

// The same events on each of Interfaces (a host's successive versions of one event interface, which
// keep the older one's events).
std::vector<THostEventInterface> SameEvents(std::initializer_list<IID> Interfaces,
                                            const std::vector<DISPID> &Events);

// The arguments of one event call, addressed by their position in the event's declaration (see
// classlib/InvokeArgs.h): a malformed call fails with the HRESULT the host is answered instead of
// guessing.
using THostEventArgs = classlib::TInvokeArgs;

// Advised on one host object for one event interface; hands every declared event to its wrapper.
// The wrapper detaches itself before it goes, so a sink the host still holds (or one whose wrapper a
// handler freed during the call) only answers.
class THostEventSink final : public classlib::TEventSinkBase {
public:
    THostEventSink(const THostEventInterface &iface, THostWrapper *wrapper);
    // Forgets the wrapper first: an event the host sends while unadvising must not reach it.
    void Detach() noexcept override {
        wrapper_ = nullptr;
        TEventSinkBase::Detach();
    }

protected:
    HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                     VARIANT *result) override;

private:
    ~THostEventSink() override = default;

    THostEventInterface iface_;
    THostWrapper *wrapper_;
};

} // namespace office
