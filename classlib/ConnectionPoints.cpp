#include "classlib/ConnectionPoints.h"

#include <iterator>
#include <utility>

#include <olectl.h>

#include "classlib/Trace.h"

namespace classlib {

namespace {

HRESULT FindConnectionPoint(IUnknown *source, REFIID iid, ComPtr<IConnectionPoint> &point) noexcept {
    if (source == nullptr)
        return E_POINTER;
    ComPtr<IConnectionPointContainer> container;
    HRESULT hr = source->QueryInterface(IID_IConnectionPointContainer, container.PutVoid());
    if (FAILED(hr))
        return hr;
    hr = container->FindConnectionPoint(iid, point.Put());
    if (SUCCEEDED(hr) && !point)
        hr = E_POINTER; // a source that says yes and hands back nothing
    return hr;
}

// Answers of an Unadvise after which the source holds no advice of ours: its object has left its
// process, or it does not know the cookie (any more).
bool NothingLeftToTakeBack(HRESULT hr) noexcept {
    return hr == RPC_E_DISCONNECTED || hr == CO_E_OBJNOTCONNECTED || hr == RPC_E_SERVER_DIED ||
           hr == RPC_E_SERVER_DIED_DNE || hr == CONNECT_E_NOCONNECTION;
}

} // namespace

TConnection::TConnection(TConnection &&Other) noexcept
    : point_(std::move(Other.point_)), cookie_(std::exchange(Other.cookie_, 0)) {}

TConnection &TConnection::operator=(TConnection &&Other) noexcept {
    if (this != &Other) {
        Drop();
        point_ = std::move(Other.point_);
        cookie_ = std::exchange(Other.cookie_, 0);
    }
    return *this;
}

TConnection::~TConnection() {
    Drop();
}

HRESULT TConnection::Advise(IUnknown *source, REFIID iid, IUnknown *sink) noexcept {
    if (Advised())
        return E_UNEXPECTED;
    if (sink == nullptr)
        return E_POINTER;
    ComPtr<IConnectionPoint> point;
    HRESULT hr = FindConnectionPoint(source, iid, point);
    if (FAILED(hr))
        return hr;
    DWORD cookie = 0;
    hr = point->Advise(sink, &cookie);
    if (FAILED(hr))
        return hr;
    if (cookie == 0)
        return E_UNEXPECTED; // advised, but with nothing to take it back by: a source that broke the rules
    point_ = std::move(point);
    cookie_ = cookie;
    return hr;
}

HRESULT TConnection::Unadvise() noexcept {
    if (!Advised())
        return S_FALSE;
    // Taken out for the call: a source may call us back, and a second Unadvise then finds nothing.
    ComPtr<IConnectionPoint> point = std::move(point_);
    DWORD cookie = std::exchange(cookie_, 0);
    HRESULT hr = point->Unadvise(cookie);
    if (FAILED(hr) && !NothingLeftToTakeBack(hr) && !Advised()) {
        point_ = std::move(point);
        cookie_ = cookie;
    }
    return hr;
}

HRESULT TConnection::Drop(const void *Key) noexcept {
    HRESULT hr = Unadvise();
    Linger(Key);
    return hr;
}

void TConnection::Linger(const void *Key) noexcept {
    if (Advised())
        LingeringConnections().Add(std::move(*this), Key);
}

void TLingeringConnections::Add(TConnection &&Connection, const void *Key) noexcept {
    try {
        entries_.push_back({std::move(Connection), Key});
        Trace(L"Events", L"An event connection the host refused to take back waits for another try");
    } catch (...) {
        // Out of memory: the advice stays with its source, and so does the library.
        TraceException(L"Events", L"Keeping a connection the host refused to take back");
    }
}

size_t TLingeringConnections::TakeBack(bool (*Matches)(const TEntry &, const void *), const void *Key,
                                       int Attempts) noexcept {
    // Taken out of the list for the calls: an Unadvise may release a sink whose owner adds to the list.
    std::vector<TEntry> entries;
    entries.swap(entries_);
    for (TEntry &entry : entries)
        for (int attempt = 0; attempt < Attempts && entry.Connection.Advised() && Matches(entry, Key);
             ++attempt)
            entry.Connection.Unadvise();
    std::erase_if(entries, [](const TEntry &Entry) { return !Entry.Connection.Advised(); });
    try {
        entries.insert(entries.end(), std::make_move_iterator(entries_.begin()),
                       std::make_move_iterator(entries_.end()));
    } catch (...) {
        TraceException(L"Events", L"Keeping connections the host refused to take back");
    }
    entries_.swap(entries);
    return entries_.size();
}

void TLingeringConnections::Retry(const void *Key) noexcept {
    if (Key == nullptr || entries_.empty())
        return;
    TakeBack([](const TEntry &Entry, const void *K) { return Entry.Key == K; }, Key, 1);
}

void TLingeringConnections::Release() noexcept {
    if (entries_.empty())
        return;
    TakeBack([](const TEntry &, const void *) { return true; }, nullptr, 2);
    if (entries_.empty())
        return;
    Trace(L"Events", L"%1:d event connections stay with a host that refused to take them back",
          {static_cast<int>(entries_.size())});
    std::vector<TEntry> refused;
    refused.swap(entries_);
    for (TEntry &entry : refused)
        entry.Connection.Abandon();
}

TLingeringConnections &LingeringConnections() {
    // Never destroyed: at the library's unload nothing may call into a host any more.
    static TLingeringConnections *list = new TLingeringConnections;
    return *list;
}

} // namespace classlib
