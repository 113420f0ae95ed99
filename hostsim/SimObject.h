// The base of every simulated host object, and the world (one simulated host process) that owns
// them.
//
// Lifetime. Every object belongs to its SimWorld, which holds one reference to it from creation
// until the object is discarded (a window closed, an item deleted) or the world shuts down. Links
// between objects of one world (an explorer's folder, a folder's parent, a collection's entries)
// are plain pointers: the world keeps both ends alive, and a host discards an object only after it
// has unlinked it. A client (the add-in under test) holds its own references as with any COM
// object; once the world has discarded an object, every call on it answers RPC_E_DISCONNECTED, the
// way a call into a host whose object has gone does, and the object is freed with the client's
// last Release.
//
// The reference count is the object's own: simulated objects are not server objects of the module
// under test, so they never keep DllCanUnloadNow from answering S_OK. ClientRefs() is the count
// without the world's reference, for leak assertions. IUnknown is written here rather than taken
// from the class library's object base on purpose: the simulated host stands in for Office, and a
// fault in the add-in's base must not be hidden by the same fault on the host's side of every test.
//
// Every member call goes through Enter/Call: recorded in the world's log and answered with an
// injected failure when one is set (FailNext, FailAlways). A call of a failing member has no effect.
#pragma once
#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "classlib/ComGuard.h"
#include "hostsim/SimLog.h"

namespace hostsim {

class SimObject;
class SimConnectionPoints;

class SimWorld {
public:
    explicit SimWorld(std::wstring hostName = L"Host");
    ~SimWorld();
    SimWorld(const SimWorld &) = delete;
    SimWorld &operator=(const SimWorld &) = delete;

    const std::wstring &HostName() const noexcept { return hostName_; }
    SimLog &Log() noexcept { return *log_; }
    const std::shared_ptr<SimLog> &SharedLog() const noexcept { return log_; }

    // A new object of this world: constructed as T(world, args...), held by the world. The pointer
    // stays valid while the world holds the object.
    template <class T, class... Args> T *Create(Args &&...args) {
        T *object = new T(*this, std::forward<Args>(args)...);
        Adopt(object);
        return object;
    }
    // Disconnects the object (calls then fail) and drops the world's reference. Nothing for an
    // object the world no longer holds.
    void Discard(SimObject *object) noexcept;
    // Disconnects and drops every object, newest first; the world is empty afterwards.
    void Shutdown() noexcept;
    // How many objects the world holds.
    size_t ObjectCount() const noexcept { return objects_.size(); }
    // The sinks advised on the world's objects, as "object: count" lines (a discarded object's
    // connections are broken).
    std::vector<std::wstring> AdvisedSinks() const;

private:
    void Adopt(SimObject *object);

    std::wstring hostName_;
    std::shared_ptr<SimLog> log_;
    std::vector<SimObject *> objects_;
};

class SimObject : public IConnectionPointContainer {
public:
    SimObject(const SimObject &) = delete;
    SimObject &operator=(const SimObject &) = delete;

    const std::wstring &Name() const noexcept { return name_; }
    void SetName(std::wstring name) { name_ = std::move(name); }
    SimLog &Log() const noexcept { return *log_; }
    // The world while the object belongs to it; null once discarded.
    SimWorld *World() const noexcept { return world_; }
    bool Connected() const noexcept { return world_ != nullptr; }

    void FailNext(const std::wstring &member, HRESULT hr) { faults_.FailNext(member, hr); }
    void FailAlways(const std::wstring &member, HRESULT hr) { faults_.FailAlways(member, hr); }
    void ClearFaults() noexcept { faults_.Clear(); }

    LONG RefCount() const noexcept { return refCount_; }
    // Simulated objects alive in this process, of every world: once a world is gone, the ones a
    // client still holds.
    static long LiveCount() noexcept;
    LONG ClientRefs() const noexcept { return refCount_ - (world_ ? 1 : 0); }
    ULONG SimAddRef() noexcept { return static_cast<ULONG>(++refCount_); }
    ULONG SimRelease() noexcept;

    // The object's COM identity (not AddRef'd).
    virtual IUnknown *Identity() noexcept = 0;
    // The simulated object behind a COM pointer, or null for a foreign object. Valid while the
    // caller holds the pointer.
    static SimObject *FromUnknown(IUnknown *unknown) noexcept;

    // The object's event sources (created on first use; see SimConnectionPoints.h). An object
    // answers IConnectionPointContainer once it has at least one event interface.
    SimConnectionPoints &Events();
    bool HasEvents() const noexcept { return events_ != nullptr; }

    // IConnectionPointContainer (the IUnknown part comes from the implementing template).
    HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints **points) override;
    HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint **point) override;

    // Records a call of member (also on a disconnected object) and says how it must end: the
    // injected failure, RPC_E_DISCONNECTED for a discarded object, else S_OK.
    HRESULT Enter(const std::wstring &member, const std::wstring &args = {});
    // Enter, then the body under the COM guard: the shape of every vtable method.
    template <class Body>
    HRESULT Call(const std::wstring &member, const std::wstring &args, Body &&body) noexcept {
        SimAddRef(); // the body may make the host let go of the object: it lives until the call returns
        struct Keep {
            SimObject *self;
            ~Keep() { self->SimRelease(); }
        } keep{this};
        HRESULT hr;
        try {
            hr = Enter(member, args);
        } catch (...) {
            return classlib::HResultFromCurrentException();
        }
        if (FAILED(hr))
            return hr;
        hr = classlib::ComGuard(std::forward<Body>(body));
        if (SUCCEEDED(hr))
            log_->Succeeded(*this, member, args);
        return hr;
    }

protected:
    SimObject(SimWorld &world, std::wstring name);
    virtual ~SimObject();

    // The interfaces every simulated object shares: IConnectionPointContainer (with events) and
    // the private identity query of FromUnknown. Called by the implementing templates.
    HRESULT QueryCommon(REFIID riid, void **ppv) noexcept;
    // Interfaces a concrete class answers beyond its templates' (E_NOINTERFACE by default).
    virtual HRESULT QueryExtra(REFIID riid, void **ppv) noexcept;
    // The world lets go: drop links to other objects. Connection points are cleared after it.
    virtual void OnDisconnect() noexcept {}

private:
    friend class SimWorld;
    void Disconnect() noexcept;

    std::wstring name_;
    std::shared_ptr<SimLog> log_;
    SimWorld *world_;
    SimFaults faults_;
    std::unique_ptr<SimConnectionPoints> events_;
    LONG refCount_ = 0;
};

// Implements IUnknown for a simulated object whose interfaces are Primary, Others...: the identity
// is Primary; IUnknown, each interface's own IID, Primary's base IIDs listed in BaseIIDs (IDispatch
// for dispatch interfaces), then QueryCommon and QueryExtra.
template <class Primary, class... Others>
class SimUnknown : public Primary, public Others..., public SimObject {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(Primary)) ||
            (std::is_base_of_v<IDispatch, Primary> && IsEqualIID(riid, IID_IDispatch)))
            *ppv = static_cast<Primary *>(this);
        else
            (void)((IsEqualIID(riid, __uuidof(Others)) && (*ppv = static_cast<Others *>(this))) || ...);
        if (*ppv == nullptr) {
            HRESULT hr = QueryCommon(riid, ppv);
            if (hr == E_NOINTERFACE)
                hr = QueryExtra(riid, ppv);
            return hr;
        }
        SimAddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return SimAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return SimRelease(); }
    IUnknown *Identity() noexcept override { return static_cast<Primary *>(this); }

protected:
    SimUnknown(SimWorld &world, std::wstring name) : SimObject(world, std::move(name)) {}
};

// The major version of a host's version text ("12.0.0.4518" is 12): the digits before the first
// "." or ",", 9 when there are none.
int MajorVersionOf(const std::wstring &version);

} // namespace hostsim
