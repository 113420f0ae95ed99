// Connecting an event sink to a connection-point source, and the advices a source refused to take
// back.
//
// A TConnection is one advice: the connection point it was made on and its cookie, both kept until
// the source takes the advice back. A source that refuses Unadvise still holds the sink, and only
// the same point and cookie can ever undo that; a connection that forgot them would leave the sink
// advised for good and the library loaded. An advice whose owner is done with it but which the
// source refused goes to the library's list of lingering connections, which tries it again.
#pragma once
#include <windows.h>

#include <ocidl.h>

#include <vector>

#include "classlib/ComPtr.h"

namespace classlib {

class TConnection {
public:
    TConnection() noexcept = default;
    TConnection(TConnection &&Other) noexcept;
    TConnection &operator=(TConnection &&Other) noexcept;
    // An advice still held goes to the lingering list (see Drop).
    ~TConnection();

    // Finds the source's connection point for iid and advises sink on it. Returns the HRESULT of the
    // step that failed (E_POINTER for a null source or sink, E_NOINTERFACE when the source has no
    // connection points, CONNECT_E_NOCONNECTION when it has none for iid), with nothing advised;
    // E_UNEXPECTED when this connection still holds an advice.
    HRESULT Advise(IUnknown *source, REFIID iid, IUnknown *sink) noexcept;
    // Takes the advice back through the point it was made on: S_FALSE when there is none. When the
    // source refuses, point and cookie stay and a later call tries again; when the source is gone
    // (its object disconnected) or no longer knows the cookie, nothing is left to take back and the
    // connection is empty all the same. The caller keeps the owner of this connection alive for the
    // call: the source's Release of the sink may free it.
    HRESULT Unadvise() noexcept;
    // Unadvise; an advice the source refused goes to the lingering list under Key (see
    // TLingeringConnections::Retry). The connection is empty afterwards.
    HRESULT Drop(const void *Key = nullptr) noexcept;
    // Hands the advice, untried, to the lingering list under Key; the connection is empty afterwards.
    void Linger(const void *Key) noexcept;

    bool Advised() const noexcept { return cookie_ != 0; }
    DWORD Cookie() const noexcept { return cookie_; }

private:
    friend class TLingeringConnections;
    // Lets go of the point without taking the advice back: the source keeps the sink.
    void Abandon() noexcept {
        point_.Reset();
        cookie_ = 0;
    }

    ComPtr<IConnectionPoint> point_;
    DWORD cookie_ = 0;
};

// Advices whose owners are done with them but whose sources refused Unadvise. Their sinks stay
// inert (they answer and run nothing) until a retry gets the advice taken back. Host user-interface
// thread only, like every connection.
class TLingeringConnections {
public:
    // Keeps Connection's advice, to be taken back at the next Retry of Key or at Release.
    void Add(TConnection &&Connection, const void *Key) noexcept;
    // Tries once more the advices kept under Key (a null Key is retried only by Release).
    void Retry(const void *Key) noexcept;
    // The last chance, when the add-in disconnects: every advice is tried, and a refusal once again.
    // What is still refused is traced and let go of: its source keeps the sink, and with it the
    // library, which is then the truth.
    void Release() noexcept;
    size_t Count() const noexcept { return entries_.size(); }

private:
    struct TEntry {
        TConnection Connection;
        const void *Key;
    };
    // Unadvises the entries that match, Attempts times at most each; answers how many stayed.
    size_t TakeBack(bool (*Matches)(const TEntry &, const void *), const void *Key, int Attempts) noexcept;

    std::vector<TEntry> entries_;
};

// The library's one list.
TLingeringConnections &LingeringConnections();

} // namespace classlib
