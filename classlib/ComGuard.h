// The one guard idiom of every COM entry point: run the body, turn whatever it throws into an
// HRESULT, never let an exception reach the caller.
#pragma once
#include <windows.h>

#include <string>
#include <type_traits>
#include <utility>

#include "classlib/Trace.h"

namespace classlib {

// A COM entry point as the trace names it: the channel of the part it belongs to ("AddIn", "Ribbon",
// "Events"...) and the entry itself ("OnConnection").
struct TComEntry {
    const wchar_t *Channel;
    const wchar_t *Name;
};

// Maps the exception being handled (call only inside a catch block) to an HRESULT:
// EOleSysError -> its code (made a failure code when it is not one), bad_alloc -> E_OUTOFMEMORY,
// anything else -> E_UNEXPECTED. The failure is traced under the entry's channel and name. When
// source is given, the message is also published as the thread's IErrorInfo so that automation
// clients can show it.
HRESULT HResultFromCurrentException(const TComEntry &entry, const wchar_t *source = nullptr) noexcept;
// The same for a call that names no entry: traced on the "COM" channel under the source.
HRESULT HResultFromCurrentException(const wchar_t *source = nullptr) noexcept;

// The message of the exception being handled, for reports (empty for unknown exceptions).
std::wstring CurrentExceptionMessage() noexcept;

namespace detail {

template <class Body>
HRESULT GuardedCall(const TComEntry &entry, Body &&body, const wchar_t *source) noexcept {
    try {
        if constexpr (std::is_same_v<decltype(body()), HRESULT>) {
            return body();
        } else {
            body();
            return S_OK;
        }
    } catch (...) {
        return HResultFromCurrentException(entry, source);
    }
}

} // namespace detail

// The guard of a COM entry point: writes the entry to the trace while someone listens, runs body and
// returns S_OK (or the body's HRESULT when it returns one), or the mapped failure, traced with the
// entry's name (and published as IErrorInfo under source when one is given).
template <class Body>
HRESULT ComGuard(const TComEntry &entry, Body &&body, const wchar_t *source = nullptr) noexcept {
    TraceEntry(entry.Channel, entry.Name);
    return detail::GuardedCall(entry, std::forward<Body>(body), source);
}

// The same for a call that names no entry (the failure is traced on the "COM" channel).
template <class Body> HRESULT ComGuard(Body &&body, const wchar_t *source = nullptr) noexcept {
    return detail::GuardedCall({L"COM", source != nullptr ? source : L"A COM entry point answers a failure"},
                               std::forward<Body>(body), source);
}

// Makes an error code usable as a failure HRESULT: a plain code such as 31101 becomes
// FACILITY_ITF/0x797D so that the caller never mistakes it for success.
HRESULT AsFailure(HRESULT code) noexcept;

} // namespace classlib
