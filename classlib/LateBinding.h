// Late binding: get, put and call members of an IDispatch by name or by dispatch id.
//
// Arguments are given in the member's order (they are reversed into rgvarg as IDispatch wants);
// pass OleVariant::Missing() for an optional one left out. Every failure raises EOleSysError: for
// DISP_E_EXCEPTION it carries the callee's scode and EXCEPINFO description; for others the
// system's message with the member's name.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "classlib/OleVariant.h"

namespace classlib {

using OleArgs = std::vector<OleVariant>;

// The dispatch id of a member; raises EOleSysError (DISP_E_UNKNOWNNAME) for an unknown name.
DISPID DispIdOf(IDispatch *disp, const std::wstring &name);

// A property read (DISPATCH_PROPERTYGET); args index a parameterised property.
OleVariant DispGet(IDispatch *disp, const std::wstring &name, const OleArgs &args = {});
OleVariant DispGet(IDispatch *disp, DISPID id, const OleArgs &args = {});

// A property write, value passed as the named argument DISPID_PROPERTYPUT; byRef asks for
// DISPATCH_PROPERTYPUTREF (assigning an object reference).
void DispPut(IDispatch *disp, const std::wstring &name, const OleVariant &value, bool byRef = false);
void DispPut(IDispatch *disp, DISPID id, const OleVariant &value, bool byRef = false);

// A method call (DISPATCH_METHOD, also allowing a property get as script clients do).
OleVariant DispCall(IDispatch *disp, const std::wstring &name, const OleArgs &args = {});
OleVariant DispCall(IDispatch *disp, DISPID id, const OleArgs &args = {});

} // namespace classlib
