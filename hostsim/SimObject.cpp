#include "hostsim/SimObject.h"

#include <algorithm>

#include "hostsim/SimConnectionPoints.h"

namespace hostsim {

namespace {

// Asked of a COM pointer to find the simulated object behind it. The answer is the SimObject
// itself, not an interface: only FromUnknown asks for it.
const IID IID_SimObjectIdentity = {
    0xe55d0421, 0xd4e3, 0x4de6, {0xbe, 0xf3, 0x2f, 0x1a, 0xc0, 0x62, 0x11, 0x0f}};

long liveObjects = 0;

} // namespace

SimWorld::SimWorld(std::wstring hostName)
    : hostName_(std::move(hostName)), log_(std::make_shared<SimLog>()) {}

SimWorld::~SimWorld() {
    Shutdown();
}

void SimWorld::Adopt(SimObject *object) {
    object->SimAddRef();
    try {
        objects_.push_back(object);
    } catch (...) {
        object->world_ = nullptr;
        object->SimRelease();
        throw;
    }
}

void SimWorld::Discard(SimObject *object) noexcept {
    auto found = std::find(objects_.begin(), objects_.end(), object);
    if (found == objects_.end())
        return;
    objects_.erase(found);
    object->Disconnect();
    object->SimRelease();
}

void SimWorld::Shutdown() noexcept {
    // Every object is unlinked before any is released: a release may free an object that
    // another one still points at.
    std::vector<SimObject *> objects;
    objects.swap(objects_);
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        (*it)->Disconnect();
    for (auto it = objects.rbegin(); it != objects.rend(); ++it)
        (*it)->SimRelease();
}

std::vector<std::wstring> SimWorld::AdvisedSinks() const {
    std::vector<std::wstring> advised;
    for (SimObject *object : objects_)
        if (object->HasEvents() && object->Events().SinkCount() > 0)
            advised.push_back(object->Name() + L": " + std::to_wstring(object->Events().SinkCount()));
    return advised;
}

SimObject::SimObject(SimWorld &world, std::wstring name)
    : name_(std::move(name)), log_(world.SharedLog()), world_(&world) {
    ++liveObjects;
}

SimObject::~SimObject() {
    --liveObjects;
}

long SimObject::LiveCount() noexcept {
    return liveObjects;
}

ULONG SimObject::SimRelease() noexcept {
    LONG count = --refCount_;
    if (count == 0)
        delete this;
    return static_cast<ULONG>(count);
}

void SimObject::Disconnect() noexcept {
    if (world_ == nullptr)
        return;
    OnDisconnect();
    world_ = nullptr;
    if (events_)
        events_->UnadviseAll();
}

SimObject *SimObject::FromUnknown(IUnknown *unknown) noexcept {
    if (unknown == nullptr)
        return nullptr;
    void *found = nullptr;
    if (FAILED(unknown->QueryInterface(IID_SimObjectIdentity, &found)) || found == nullptr)
        return nullptr;
    auto *object = static_cast<SimObject *>(found);
    object->SimRelease(); // the caller's pointer keeps it alive
    return object;
}

SimConnectionPoints &SimObject::Events() {
    if (!events_)
        events_ = std::make_unique<SimConnectionPoints>(*this);
    return *events_;
}

HRESULT SimObject::EnumConnectionPoints(IEnumConnectionPoints **points) {
    if (points)
        *points = nullptr;
    return E_NOTIMPL;
}

HRESULT SimObject::FindConnectionPoint(REFIID riid, IConnectionPoint **point) {
    if (point == nullptr)
        return E_POINTER;
    *point = nullptr;
    if (!events_)
        return CONNECT_E_NOCONNECTION;
    return Call(L"FindConnectionPoint", events_->InterfaceName(riid),
                [&] { return events_->Find(riid, point); });
}

HRESULT SimObject::Enter(const std::wstring &member, const std::wstring &args) {
    log_->Record(name_, member, args);
    HRESULT hr = log_->FaultOfLastCall();
    if (FAILED(hr))
        return hr;
    hr = faults_.Take(member);
    if (FAILED(hr))
        return hr;
    return world_ ? S_OK : RPC_E_DISCONNECTED;
}

HRESULT SimObject::QueryCommon(REFIID riid, void **ppv) noexcept {
    if (IsEqualIID(riid, IID_IConnectionPointContainer) && events_) {
        *ppv = static_cast<IConnectionPointContainer *>(this);
    } else if (IsEqualIID(riid, IID_SimObjectIdentity)) {
        *ppv = this;
    } else {
        return E_NOINTERFACE;
    }
    SimAddRef();
    return S_OK;
}

HRESULT SimObject::QueryExtra(REFIID, void **) noexcept {
    return E_NOINTERFACE;
}

int MajorVersionOf(const std::wstring &version) {
    std::wstring digits = version.substr(0, version.find_first_of(L".,"));
    if (digits.empty() || digits.size() > 4 ||
        !std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return 9;
    return std::stoi(digits);
}

} // namespace hostsim
