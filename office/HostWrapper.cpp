#include "office/HostWrapper.h"

#include <olectl.h>

#include "classlib/Classes.h"
#include "classlib/Format.h"

using classlib::ComPtr;
using classlib::EOleSysError;
using classlib::OleArgs;
using classlib::OleVariant;

namespace office {

CLASSLIB_DEFINE_CLASS(THostWrapper, TComponent)

THostWrapper::THostWrapper(classlib::TComponent *owner, std::vector<THostEventInterface> events)
    : TComponent(owner), events_(std::move(events)) {}

THostWrapper::~THostWrapper() {
    Disconnect();
}

void THostWrapper::ConnectTo(IUnknown *source) {
    Disconnect();
    if (source == nullptr)
        return;
    ComPtr<IDispatch> dispatch;
    HRESULT hr = source->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    if (FAILED(hr))
        throw EOleSysError(
            classlib::Format(L"%s cannot connect to an object that is no automation object.", {ClassName()}),
            hr);
    dispatch_ = dispatch;
    if (events_.empty() || Advise(dispatch.Get()))
        return;
    if (ComPtr<IUnknown> alternate = AlternateEventSource())
        Advise(alternate.Get());
}

bool THostWrapper::Advise(IUnknown *source) {
    for (const THostEventInterface &iface : events_) {
        ComPtr<THostEventSink> sink = classlib::Make<THostEventSink>(iface, this);
        HRESULT hr = sink->Connect(source);
        if (SUCCEEDED(hr)) {
            sink_ = sink;
            return true;
        }
        sink->Detach();
        // Only "not this interface" makes an older one worth trying; an object without connection
        // points, or one that refused the sink, will not take another.
        if (hr != CONNECT_E_NOCONNECTION)
            return false;
    }
    return false;
}

void THostWrapper::Disconnect() noexcept {
    if (ComPtr<THostEventSink> sink = std::move(sink_))
        sink->Detach();
    dispatch_.Reset();
}

const IID *THostWrapper::EventInterface() const noexcept {
    return sink_ ? &sink_->EventIID() : nullptr;
}

void THostWrapper::HostEvent(DISPID, THostEventArgs &) {}

IDispatch *THostWrapper::Required() const {
    if (!dispatch_)
        throw EOleSysError(classlib::Format(L"%s is not connected to a host object.", {ClassName()}),
                           CO_E_OBJNOTCONNECTED);
    return dispatch_.Get();
}

// Each call holds its own reference: a call that makes the host fire an event may end in a handler
// that frees this wrapper while the host is still inside the call.
OleVariant THostWrapper::Get(DISPID id, const OleArgs &args) const {
    auto target = ComPtr<IDispatch>::Copy(Required());
    return classlib::DispGet(target.Get(), id, args);
}

OleVariant THostWrapper::Get(const std::wstring &name) const {
    auto target = ComPtr<IDispatch>::Copy(Required());
    return classlib::DispGet(target.Get(), name);
}

OleVariant THostWrapper::Call(DISPID id, const OleArgs &args) const {
    auto target = ComPtr<IDispatch>::Copy(Required());
    return classlib::DispCall(target.Get(), id, args);
}

OleVariant THostWrapper::Call(const std::wstring &name, const OleArgs &args) const {
    auto target = ComPtr<IDispatch>::Copy(Required());
    return classlib::DispCall(target.Get(), name, args);
}

} // namespace office
