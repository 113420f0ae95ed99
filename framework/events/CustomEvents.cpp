#include "framework/events/CustomEvents.h"

#include "classlib/Classes.h"
#include "classlib/ConnectionPoints.h"
#include "classlib/Format.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/ModuleErrors.h"
#include "framework/events/EventDispatch.h"
#include "framework/events/OutlookEvents.h"

using classlib::ComPtr;

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCustomEvents, classlib::TComponent)

namespace {

TzidServerData &BaseServerData() {
    static TzidServerData data{GUID_NULL, GUID_NULL, GUID_NULL, nullptr, 500, 0};
    return data;
}

} // namespace

TzidCustomEvents::TzidCustomEvents(classlib::TComponent *AOwner)
    : TzidHostEvents(AOwner), eventDispatch_(classlib::Make<TzidEventDispatch>(this)) {}

TzidCustomEvents::~TzidCustomEvents() {
    alive_.reset();
    DisconnectEvents();
    intf_.Reset();
    // Host calls that still arrive find no owner; the host's last Release frees the dispatcher.
    eventDispatch_->Detach();
    eventDispatch_.Reset();
    if (counted_)
        --ServerData().InstanceCount;
}

void TzidCustomEvents::AfterConstruction() {
    TComponent::AfterConstruction();
    classlib::TComponent *owner = Owner();
    if (owner == nullptr)
        RaiseZidError(zidErrWrongEventsOwner, classlib::Format(SzidWrongContainer, {ClassName(), L"nil"}));
    if (dynamic_cast<TzidOutlookAppEvents *>(owner) == nullptr &&
        dynamic_cast<TzidCOMAddInModule *>(owner) == nullptr)
        RaiseZidError(zidErrWrongEventsOwner,
                      classlib::Format(SzidWrongContainer, {ClassName(), owner->ClassName()}));
    InitServerData();
    ++ServerData().InstanceCount;
    counted_ = true;
}

void TzidCustomEvents::BeforeDestruction() {
    TComponent::BeforeDestruction();
    try {
        Disconnect();
    } catch (...) {
        // The host may be gone already; the sink goes either way.
        classlib::TraceException(L"Events", L"Disconnecting a sink that goes");
    }
}

void TzidCustomEvents::InitServerData() {
    SetServerData(BaseServerData());
}

TzidServerData &TzidCustomEvents::ServerData() {
    if (serverData_ == nullptr)
        InitServerData();
    return *serverData_;
}

const IID &TzidCustomEvents::EventIID() {
    return IsEqualIID(eventIID_, IID_NULL) ? ServerData().EventIID : eventIID_;
}

LONG TzidCustomEvents::RefCount() const noexcept {
    return eventDispatch_->RefCount() - 1 - callDepth_;
}

bool TzidCustomEvents::AnswersEventIID(REFIID riid) {
    if (IsEqualIID(riid, IID_NULL))
        return false;
    return IsEqualIID(riid, EventIID()) || (connection_.Advised() && IsEqualIID(riid, advisedIID_));
}

void TzidCustomEvents::ConnectToVersion(IUnknown *Source, const std::wstring & /*HostVersion*/) {
    ConnectTo(Source);
}

void TzidCustomEvents::Disconnect() {
    DisconnectEvents();
    intf_.Reset();
}

void TzidCustomEvents::DoInvoke(DISPID /*DispID*/, TzidEventParams & /*Params*/) {}

HRESULT TzidCustomEvents::QueryInterface(REFIID riid, void **ppv) noexcept {
    return eventDispatch_->QueryInterface(riid, ppv);
}

TzidCOMAddInModule *TzidCustomEvents::Module() const noexcept {
    for (classlib::TComponent *owner = Owner(); owner != nullptr; owner = owner->Owner())
        if (auto *module = dynamic_cast<TzidCOMAddInModule *>(owner))
            return module;
    return nullptr;
}

void TzidCustomEvents::FreeSink(TzidCustomEvents *Sink) {
    if (Sink == nullptr)
        return;
    if (!Sink->InCall()) {
        classlib::Free(Sink);
        return;
    }
    Sink->freeRequested_ = true;
    try {
        Sink->Disconnect();
    } catch (...) {
        // Freed all the same when its call returns.
        classlib::TraceException(L"Events", L"Disconnecting a sink freed in its own call");
    }
}

void TzidCustomEvents::ConnectCast(IUnknown *Source, const IID *CastIID) {
    auto source = ComPtr<IUnknown>::Copy(Source); // Disconnect may let go of the last other reference
    Disconnect();
    if (!source)
        return;
    ComPtr<IUnknown> cast = CastIID != nullptr ? source.As<IUnknown>(*CastIID) : source;
    intf_ = cast;
    ConnectEvents(cast.Get());
}

void TzidCustomEvents::ConnectEvents(IUnknown *Source) noexcept {
    if (Source == nullptr || connection_.Advised())
        return;
    advisedIID_ = EventIID();
    connection_.Advise(Source, advisedIID_, static_cast<IDispatch *>(eventDispatch_.Get()));
}

// The connection point is the one advised on, whatever the class's event interface is by now.
void TzidCustomEvents::DisconnectEvents() noexcept {
    connection_.Unadvise();
    if (!connection_.Advised())
        return;
    eventDispatch_->Detach();
    connection_.Linger(nullptr);
    if (alive_ == nullptr)
        return; // the component goes: nothing will connect it again
    try {
        eventDispatch_ = classlib::Make<TzidEventDispatch>(this);
    } catch (...) {
        classlib::TraceException(L"Events", L"A fresh dispatcher after a refused unadvise");
    }
}

ComPtr<IDispatch> TzidCustomEvents::IntfDispatch() const {
    if (!intf_)
        throw classlib::EOleSysError(L"The event sink is not connected.", CO_E_OBJNOTCONNECTED);
    return intf_.As<IDispatch>();
}

// The host's event is a handler call of the module: a handler that unloads the add-in leaves the
// module until the event has returned.
HRESULT TzidCustomEvents::HostInvoke(DISPID DispID, TzidEventParams &Params) noexcept {
    std::weak_ptr<void> alive = alive_;
    TzidHandlerCall call(Module(), nullptr);
    ++callDepth_;
    HRESULT hr = S_OK;
    try {
        DoInvoke(DispID, Params);
    } catch (const EzidEventArgCount &) {
        hr = DISP_E_BADPARAMCOUNT;
    } catch (...) {
        // A sink freed by the handler still has its module while the call is open; one without a
        // module has nobody to tell.
        TzidCOMAddInModule *module = alive.expired() ? call.Module() : Module();
        if (module != nullptr)
            module->RunGuarded([] { throw; });
        else
            classlib::TraceException(L"Events", L"A host event's handler");
    }
    if (alive.expired())
        return hr;
    if (--callDepth_ == 0 && freeRequested_)
        classlib::Free(this);
    return hr;
}

} // namespace framework
