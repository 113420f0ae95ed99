// THostWrapper: the base of the host wrappers, components that stand for one object of a host's
// object model (an Application, an Explorer, an Inspector ...). A wrapper holds the object as
// IDispatch, calls its members late-bound by dispatch id, and turns the object's events, received
// through a connection point, into chainable classlib events.
//
// Lifetime: the framework creates wrappers with no owner and frees them; the destructor disconnects.
// A handler may free the wrapper that fired it: the sink lets go of the wrapper first.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "classlib/Component.h"
#include "classlib/Events.h"
#include "classlib/LateBinding.h"
#include "office/HostEventSink.h"

namespace office {

using TNotifyEvent = classlib::TEvent<void(classlib::TObject *Sender)>;
using TDispatchEvent = classlib::TEvent<void(classlib::TObject *Sender, IDispatch *Object)>;
using TDispatchPairEvent =
    classlib::TEvent<void(classlib::TObject *Sender, IDispatch *First, IDispatch *Second)>;
using TDispatchCancelEvent =
    classlib::TEvent<void(classlib::TObject *Sender, IDispatch *Object, bool &Cancel)>;

class THostWrapper : public classlib::TComponent {
    CLASSLIB_CLASS(THostWrapper)
public:
    ~THostWrapper() override;

    // Connects to a host object (any interface of it): keeps it as IDispatch and advises the event
    // sink on the first of the wrapper's event interfaces that the object offers, newest first. An
    // earlier connection is dropped first; a null source leaves the wrapper disconnected. Raises
    // EOleSysError when the object is no automation object. An object that offers none of the event
    // interfaces is connected all the same and delivers no events (see EventInterface).
    void ConnectTo(IUnknown *source);
    // Unadvises the sink and releases the object; safe to call when not connected, and twice.
    void Disconnect() noexcept;

    bool Connected() const noexcept { return static_cast<bool>(dispatch_); }
    classlib::ComPtr<IDispatch> DefaultInterface() const { return dispatch_; }
    IDispatch *Dispatch() const noexcept { return dispatch_.Get(); }
    // The event interface the host accepted, or null when this wrapper receives no events.
    const IID *EventInterface() const noexcept;

protected:
    // events: the interfaces to try, newest first.
    THostWrapper(classlib::TComponent *owner, std::vector<THostEventInterface> events);

    // One event the connected interface declares. Exceptions go back to the sink, which turns them
    // into the HRESULT the host receives.
    virtual void HostEvent(DISPID id, THostEventArgs &args);
    // Where the events come from when the object itself offers none of the interfaces.
    virtual classlib::ComPtr<IUnknown> AlternateEventSource() { return nullptr; }

    // Late-bound members of the connected object. Every failure raises EOleSysError, and so does a
    // call on a wrapper that is not connected (CO_E_OBJNOTCONNECTED).
    classlib::OleVariant Get(DISPID id, const classlib::OleArgs &args = {}) const;
    classlib::OleVariant Get(const std::wstring &name) const;
    classlib::OleVariant Call(DISPID id, const classlib::OleArgs &args = {}) const;
    classlib::OleVariant Call(const std::wstring &name, const classlib::OleArgs &args = {}) const;
    classlib::ComPtr<IDispatch> GetObject(DISPID id) const { return Get(id).ToDispatch(); }
    std::wstring GetString(DISPID id) const { return Get(id).ToString(); }

private:
    friend class THostEventSink;
    IDispatch *Required() const;
    bool Advise(IUnknown *source);

    std::vector<THostEventInterface> events_;
    classlib::ComPtr<IDispatch> dispatch_;
    classlib::ComPtr<THostEventSink> sink_;
};

} // namespace office
