// Connecting an event sink to a connection-point source.
#pragma once
#include <windows.h>

#include <ocidl.h>

namespace classlib {

// Finds the source's connection point for iid and advises sink on it. Returns the HRESULT of the
// step that failed (E_POINTER for a null source or sink, E_NOINTERFACE when the source has no
// connection points, CONNECT_E_NOCONNECTION when it has none for iid); cookie is 0 on failure.
// Never throws: event connections are made and broken in constructors, destructors and shutdown.
HRESULT InterfaceConnect(IUnknown *source, REFIID iid, IUnknown *sink, DWORD &cookie) noexcept;

// Unadvises cookie from the source's connection point for iid. cookie is set to 0 whatever the
// outcome, so a connection is never broken twice; a cookie of 0 is a no-op returning S_FALSE.
HRESULT InterfaceDisconnect(IUnknown *source, REFIID iid, DWORD &cookie) noexcept;

} // namespace classlib
