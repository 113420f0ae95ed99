// The one guard idiom of every COM entry point: run the body, turn whatever it throws into an
// HRESULT, never let an exception reach the caller.
#pragma once
#include <windows.h>

#include <string>
#include <type_traits>

namespace classlib {

// Maps the exception being handled (call only inside a catch block) to an HRESULT:
// EOleSysError -> its code (made a failure code when it is not one), bad_alloc -> E_OUTOFMEMORY,
// anything else -> E_UNEXPECTED. When source is given, the message is also published as the
// thread's IErrorInfo so that automation clients can show it.
HRESULT HResultFromCurrentException(const wchar_t *source = nullptr) noexcept;

// The message of the exception being handled, for reports (empty for unknown exceptions).
std::wstring CurrentExceptionMessage() noexcept;

// Runs body; returns S_OK (or the body's HRESULT when it returns one), or the mapped failure.
template <class Body> HRESULT ComGuard(Body &&body, const wchar_t *source = nullptr) noexcept {
    try {
        if constexpr (std::is_same_v<decltype(body()), HRESULT>) {
            return body();
        } else {
            body();
            return S_OK;
        }
    } catch (...) {
        return HResultFromCurrentException(source);
    }
}

// Makes an error code usable as a failure HRESULT: a plain code such as 31101 becomes
// FACILITY_ITF/0x797D so that the caller never mistakes it for success.
HRESULT AsFailure(HRESULT code) noexcept;

} // namespace classlib
