// TzidCustomEvents: the base of the components that receive one host object's events and fire them
// as published events of their own. The module finds the one that belongs to its host among its
// components, connects it when the host is detected and disconnects it when the host goes.
//
// The host calls a small dispatch object the component owns (TzidEventDispatch, advised on the host
// object's connection point); each call becomes DoInvoke with the arguments in declaration order, and
// whatever DoInvoke raises goes to the owning module's DoError, never to the host.
//
// Lifetime. Create components with classlib::Create<T>(owner) (forms do): the second phase checks the
// owner (a TzidCOMAddInModule or a TzidOutlookAppEvents, else EOleSysError 31113) and counts the
// instance. A component that must go while the host is calling it (an explorer's sink on its window's
// Close) goes through FreeSink, which frees it once that call has returned. The dispatcher is a COM
// object whose lifetime is its reference count alone; the component holds one reference. When the
// component goes it detaches the dispatcher (host calls that still arrive are answered and ignored),
// which is freed with the host's last reference.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/Component.h"
#include "classlib/ConnectionPoints.h"
#include "classlib/OleVariant.h"
#include "framework/core/HostEvents.h"
#include "framework/events/EventArgs.h"

namespace framework {

class TzidCOMAddInModule;
class TzidEventDispatch;

// One per sink class, shared by its instances. Only EventIID (the interface an instance advises on until
// it is connected with a host version that needs another) and InstanceCount are used.
struct TzidServerData {
    CLSID ClassID;
    IID IntfIID; // the host interface the source is cast to
    IID EventIID;
    void *Reserved;
    int Version;
    LONG InstanceCount;
};

class TzidCustomEvents : public TzidHostEvents {
    CLASSLIB_CLASS(TzidCustomEvents)
public:
    explicit TzidCustomEvents(classlib::TComponent *AOwner);
    ~TzidCustomEvents() override;
    // The owner check, the class's server data and its instance count.
    void AfterConstruction() override;
    // Disconnects while the whole object still exists.
    void BeforeDestruction() override;

    // Classes whose event interface does not depend on the host version ignore HostVersion.
    void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) override;
    // The base's body unadvises and lets go of the source.
    void Disconnect() override;
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

    // The sink's interfaces (IUnknown, IDispatch and the event interface), all answered by its
    // dispatcher; E_NOINTERFACE for any other.
    HRESULT QueryInterface(REFIID riid, void **ppv) noexcept;

    TzidServerData &ServerData();
    // The event interface this sink advises on: the class's, or the one its host version asked for.
    const IID &EventIID();
    // The references the host (or anyone but the component and a call in progress) holds on the
    // dispatcher.
    LONG RefCount() const noexcept;
    DWORD Cookie() const noexcept { return connection_.Cookie(); }
    // Whether the dispatcher is advised on the host's connection point.
    bool Connected() const noexcept { return connection_.Advised(); }
    // The connected host object as the class casts it; null when disconnected.
    IUnknown *Intf() const noexcept { return intf_.Get(); }
    // The module whose DoError hears of this sink's failures; null when there is none.
    TzidCOMAddInModule *Module() const noexcept;

    // Frees a sink now, or, while the host is calling it, disconnects it now and frees it when that
    // call returns.
    static void FreeSink(TzidCustomEvents *Sink);
    // Expires when this component is freed: code that runs after a handler (which may free anything)
    // checks it before it touches the component again.
    std::weak_ptr<void> Liveness() const noexcept { return alive_; }
    // Whether the host is calling this sink (its handlers are running).
    bool InCall() const noexcept { return callDepth_ > 0; }

protected:
    // Points ServerData at the class's descriptor; each class sets its own.
    virtual void InitServerData();
    void SetServerData(TzidServerData &Data) noexcept { serverData_ = &Data; }
    // The event interface of this sink's next connection (ConnectToVersion sets it before ConnectTo).
    void SetEventIID(REFIID Value) noexcept { eventIID_ = Value; }

    // ConnectTo's common part: Disconnect, the cast of Source to CastIID (none: Source as it is;
    // EOleSysError when Source lacks the interface), then the advise on the cast object. A null
    // Source leaves the sink disconnected; connection failures are silent.
    void ConnectCast(IUnknown *Source, const IID *CastIID);
    void SetIntf(classlib::ComPtr<IUnknown> Value) noexcept { intf_ = std::move(Value); }
    // Advises the dispatcher on Source's connection point of the server data's event interface.
    void ConnectEvents(IUnknown *Source) noexcept;
    // Unadvises from the connection point it advised on. An advice the host refuses to take back
    // keeps the dispatcher it calls, which goes inert (see TLingeringConnections); a fresh one serves
    // this component from then on.
    void DisconnectEvents() noexcept;
    // The connected host object's IDispatch, for its late-bound members.
    classlib::ComPtr<IDispatch> IntfDispatch() const;

private:
    friend class TzidEventDispatch;
    // A host call through the dispatcher: DoInvoke under the guard, then a free asked for meanwhile.
    HRESULT HostInvoke(DISPID DispID, TzidEventParams &Params) noexcept;
    // Whether the dispatcher answers riid as this sink's event interface.
    bool AnswersEventIID(REFIID riid);

    TzidServerData *serverData_ = nullptr;
    classlib::ComPtr<TzidEventDispatch> eventDispatch_; // the component's reference
    IID eventIID_ = IID_NULL;                           // none set: the class's
    classlib::TConnection connection_;
    IID advisedIID_ = IID_NULL;
    classlib::ComPtr<IUnknown> intf_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    int callDepth_ = 0;
    bool freeRequested_ = false;
    bool counted_ = false;
};

} // namespace framework
