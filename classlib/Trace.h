// The trace: one line per event, "<module> [<channel>] <message>", written with OutputDebugStringW so
// that a debugger, a debug viewer or Wine's debug log shows what the add-in did inside a user's Office.
// A channel is a short name of the part that writes ("AddIn", "Ribbon", "Events"...).
//
// Failures are always written: they are rare, and whatever drops one on purpose traces it first.
// Entries of COM entry points are written only while someone listens (TraceListening), because some
// entry points are called for every control on every refresh and a debug string costs a trip through
// the system each time.
#pragma once
#include "classlib/Format.h"
#include "classlib/HookScope.h"

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace classlib {

// Writes one line on channel.
void Trace(const wchar_t *channel, const std::wstring &message) noexcept;
// The same with a Format pattern; a pattern that does not fit its arguments is written as it is.
void Trace(const wchar_t *channel, const wchar_t *pattern, std::initializer_list<FormatArg> args) noexcept;

// Call inside a catch block: writes "<what>: <class> <code>: <message>" for the exception being
// handled (the code only for EOleSysError).
void TraceException(const wchar_t *channel, const wchar_t *what) noexcept;
// Writes "<what>: 0x80004005 <system message>" for a failed HRESULT; nothing for a success code.
void TraceHResult(const wchar_t *channel, const wchar_t *what, HRESULT hr) noexcept;

// The exception being handled as "<class> <code>: <message>" (call inside a catch block).
std::wstring CurrentExceptionDescription();

// True while a sink is installed, a debugger is attached, a debug viewer runs, or Wine logs debug
// strings (its WINEDEBUG names the seh or debugstr channel). A viewer started later is noticed within a
// second.
bool TraceListening() noexcept;
// Writes "<what>" on channel when TraceListening: the entry of a COM entry point.
void TraceEntry(const wchar_t *channel, const wchar_t *what) noexcept;

// Where the lines go instead of OutputDebugStringW: channel and message, without the module's prefix.
// A sink must not throw.
using TTraceSink = std::function<void(const wchar_t *channel, const std::wstring &message)>;
// Installs sink (empty: the default, OutputDebugStringW) and returns the previous one.
TTraceSink SetTraceSink(TTraceSink sink);

// Installs a sink for the lifetime of the object, then puts the previous one back.
using TTraceSinkScope = THookScope<TTraceSink, SetTraceSink>;

} // namespace classlib
