#include "hostsim/SimConnectionPoints.h"

#include <algorithm>

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "hostsim/SimObject.h"
#include "hostsim/SimTypeLib.h"

namespace hostsim {

using classlib::ComPtr;

namespace {

// The events office.tlb declares for an event interface (none for one it does not hold).
std::vector<DISPID> DeclaredEvents(REFIID iid) {
    std::vector<DISPID> ids;
    try {
        ComPtr<ITypeInfo> info = OfficeTypeInfo(iid);
        TYPEATTR *attr = nullptr;
        if (FAILED(info->GetTypeAttr(&attr)))
            return ids;
        for (UINT i = 0; i < attr->cFuncs; ++i) {
            FUNCDESC *desc = nullptr;
            if (SUCCEEDED(info->GetFuncDesc(i, &desc))) {
                ids.push_back(desc->memid);
                info->ReleaseFuncDesc(desc);
            }
        }
        info->ReleaseTypeAttr(attr);
    } catch (const classlib::Exception &) {
        // Not an interface of the library: it is fired by id only.
    }
    return ids;
}

} // namespace

// One event interface of an object. Part of its object: AddRef and Release go to the owner.
class SimConnectionPoint : public IConnectionPoint {
public:
    struct Sink {
        DWORD cookie;
        ComPtr<IDispatch> dispatch; // the sink's event interface (a dispinterface: an IDispatch)
    };

    SimConnectionPoint(SimConnectionPoints &points, SimObject &owner, REFIID iid)
        : points_(points), owner_(owner), iid_(iid), declared_(DeclaredEvents(iid)) {}

    bool Declares(DISPID id) const noexcept {
        return std::find(declared_.begin(), declared_.end(), id) != declared_.end();
    }

    const IID &Iid() const noexcept { return iid_; }
    const std::vector<Sink> &Sinks() const noexcept { return sinks_; }
    bool Advised(DWORD cookie) const noexcept {
        return std::any_of(sinks_.begin(), sinks_.end(), [&](const Sink &s) { return s.cookie == cookie; });
    }
    // Released outside the list: a sink's Release may call back into us.
    void Clear() noexcept {
        std::vector<Sink> old;
        old.swap(sinks_);
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = nullptr;
        if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IConnectionPoint))
            return E_NOINTERFACE;
        *ppv = static_cast<IConnectionPoint *>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return owner_.SimAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return owner_.SimRelease(); }

    HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID *iid) override {
        if (iid == nullptr)
            return E_POINTER;
        *iid = iid_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer **container) override {
        if (container == nullptr)
            return E_POINTER;
        return owner_.Identity()->QueryInterface(IID_IConnectionPointContainer,
                                                 reinterpret_cast<void **>(container));
    }
    HRESULT STDMETHODCALLTYPE Advise(IUnknown *sink, DWORD *cookie) override {
        if (cookie == nullptr)
            return E_POINTER;
        *cookie = 0;
        return owner_.Call(L"Advise", points_.InterfaceName(iid_), [&]() -> HRESULT {
            if (sink == nullptr)
                return E_POINTER;
            ComPtr<IDispatch> dispatch;
            if (FAILED(sink->QueryInterface(iid_, dispatch.PutVoid())) || !dispatch)
                return CONNECT_E_CANNOTCONNECT;
            sinks_.push_back({nextCookie_, std::move(dispatch)});
            *cookie = nextCookie_++;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override {
        return owner_.Call(L"Unadvise", points_.InterfaceName(iid_), [&]() -> HRESULT {
            auto found =
                std::find_if(sinks_.begin(), sinks_.end(), [&](const Sink &s) { return s.cookie == cookie; });
            if (found == sinks_.end())
                return CONNECT_E_NOCONNECTION;
            ComPtr<IDispatch> released = std::move(found->dispatch); // released after the list is right
            sinks_.erase(found);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections **connections) override {
        if (connections)
            *connections = nullptr;
        return E_NOTIMPL;
    }

private:
    SimConnectionPoints &points_;
    SimObject &owner_;
    IID iid_;
    std::vector<Sink> sinks_;
    DWORD nextCookie_ = 1;
    std::vector<DISPID> declared_;
};

EventArg::EventArg(SimObject *object, int) : value_(static_cast<IDispatch *>(nullptr)) {
    ComPtr<IDispatch> dispatch;
    if (object && SUCCEEDED(object->Identity()->QueryInterface(IID_IDispatch, dispatch.PutVoid())))
        value_ = classlib::OleVariant(dispatch.Get());
}

namespace {

template <class T> EventArg MakeRef(VARTYPE vt, T *storage, classlib::OleVariant &value) {
    VARIANT *v = value.Put();
    v->vt = static_cast<VARTYPE>(VT_BYREF | vt);
    v->byref = storage;
    return EventArg(std::move(value));
}

} // namespace

EventArg EventArg::Ref(VARIANT_BOOL *flag) {
    classlib::OleVariant v;
    return MakeRef(VT_BOOL, flag, v);
}

EventArg EventArg::Ref(long *value) {
    classlib::OleVariant v;
    return MakeRef(VT_I4, value, v);
}

EventArg EventArg::Ref(VARIANT *value) {
    classlib::OleVariant v;
    return MakeRef(VT_VARIANT, value, v);
}

EventArg EventArg::Ref(std::wstring *text) {
    EventArg arg;
    arg.text_ = text; // Fire lends the sinks a BSTR of its own and copies it back
    return arg;
}

SimConnectionPoints::SimConnectionPoints(SimObject &owner) noexcept : owner_(owner) {}

SimConnectionPoints::~SimConnectionPoints() {
    UnadviseAll();
}

void SimConnectionPoints::Add(REFIID iid) {
    if (!Offers(iid))
        points_.push_back(std::make_unique<SimConnectionPoint>(*this, owner_, iid));
}

SimConnectionPoint *SimConnectionPoints::Point(REFIID iid) const noexcept {
    for (const auto &point : points_)
        if (IsEqualIID(point->Iid(), iid))
            return point.get();
    return nullptr;
}

int SimConnectionPoints::SinkCount(REFIID iid) const noexcept {
    SimConnectionPoint *point = Point(iid);
    return point ? static_cast<int>(point->Sinks().size()) : 0;
}

int SimConnectionPoints::SinkCount() const noexcept {
    int count = 0;
    for (const auto &point : points_)
        count += static_cast<int>(point->Sinks().size());
    return count;
}

int SimConnectionPoints::Fire(REFIID iid, DISPID id, std::vector<EventArg> args) {
    SimConnectionPoint *point = Point(iid);
    if (point == nullptr || point->Sinks().empty())
        return 0;
    // The object stays alive while its sinks run, whatever they release.
    auto keepOwner = ComPtr<IUnknown>::Copy(owner_.Identity());

    // By-reference strings: one BSTR per argument, shared by the sinks, copied back at the end.
    std::vector<classlib::TBStr> texts(args.size());
    std::vector<VARIANTARG> rgvarg(args.size());
    for (size_t i = 0; i < args.size(); ++i) {
        VARIANTARG &slot = rgvarg[args.size() - 1 - i]; // Office passes the last argument first
        if (args[i].text_) {
            BSTR *storage = texts[i].Put();
            *storage = classlib::AllocBStr(*args[i].text_);
            slot.vt = VT_BYREF | VT_BSTR;
            slot.pbstrVal = storage;
        } else {
            slot = args[i].value_.Var(); // a shallow view: the EventArg keeps ownership
        }
    }

    std::vector<SimConnectionPoint::Sink> sinks = point->Sinks(); // strong references for the call
    int called = 0;
    for (auto &sink : sinks) {
        if (!point->Advised(sink.cookie))
            continue;
        DISPPARAMS params = {rgvarg.empty() ? nullptr : rgvarg.data(), nullptr,
                             static_cast<UINT>(rgvarg.size()), 0};
        classlib::OleVariant result;
        EXCEPINFO excep = {};
        UINT argErr = 0;
        sink.dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.Put(),
                              &excep, &argErr);
        SysFreeString(excep.bstrSource);
        SysFreeString(excep.bstrDescription);
        SysFreeString(excep.bstrHelpFile);
        ++called;
    }

    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i].text_)
            *args[i].text_ = texts[i].ToString(); // what the last sink left there
    }
    return called;
}

int SimConnectionPoints::FireAll(DISPID id, std::vector<EventArg> args) {
    std::vector<IID> targets;
    for (const auto &point : points_)
        if (point->Declares(id))
            targets.push_back(point->Iid());
    int called = 0;
    for (const auto &iid : targets)
        called += Fire(iid, id, args);
    return called;
}

void SimConnectionPoints::UnadviseAll() noexcept {
    for (auto &point : points_)
        point->Clear();
}

HRESULT SimConnectionPoints::Find(REFIID iid, IConnectionPoint **point) noexcept {
    SimConnectionPoint *found = Point(iid);
    if (found == nullptr)
        return CONNECT_E_NOCONNECTION;
    *point = found;
    found->AddRef();
    return S_OK;
}

std::wstring SimConnectionPoints::InterfaceName(REFIID iid) const {
    return OfficeTypeName(iid);
}

} // namespace hostsim
