// Checks of office.tlb against the published identifiers, shared by the table-driven tests.
//
// Members are written as text, one token per member: "g:Name" (property get), "p:Name" (put),
// "r:Name" (putref) or "m:Name" (method; also the default), optionally followed by "=<hex id>".
#pragma once

#include <windows.h>

#include <ole2.h>

#include <string>

namespace office_test {

// The type library built from office.idl, loaded from beside the test program; null when it fails.
ITypeLib *OfficeTypeLib();

// The type information of that name in the library (held by the library's cache), or null.
ITypeInfo *TypeInfoNamed(const std::string &name);

// A dual interface: its own members lie in this order from FirstSlot on. A member without an id has
// Base plus its distance from the first slot; a put without an id shares the id of the get before it.
void ExpectVtable(const std::string &iface, int firstSlot, MEMBERID base, const char *members);

// A dispinterface: exactly these members, each with its id.
void ExpectDispatch(const std::string &iface, const char *members);

// An event interface of an earlier host version: Count events, each with the name and the id it has
// in the later interface.
void ExpectEarlierEvents(const std::string &earlier, const std::string &later, int count);

} // namespace office_test
