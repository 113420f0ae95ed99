// Small OLE helpers the registration code uses to find and start host applications.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>

#include "classlib/ComPtr.h"
#include "classlib/OleVariant.h"

namespace framework {

// True for an empty variant and for one that holds (or refers to) a null dispatch or unknown
// reference; false for anything else, 0 and "" included.
bool VarIsNothing(const VARIANT &V) noexcept;
inline bool VarIsNothing(const classlib::OleVariant &V) noexcept {
    return VarIsNothing(V.Var());
}

// Creates the class of ProgID (in-process or local server) and asks it for IDispatch. Returns the
// HRESULT of the step that failed (that of CLSIDFromProgID for an unknown ProgID) without raising;
// Obj is null unless it succeeded.
HRESULT CreateObjectByProgID(const std::wstring &ProgID, classlib::ComPtr<IDispatch> &Obj) noexcept;

// The running object of ProgID's class (from the running-object table) as IDispatch; null when none
// runs or it is no automation object. Raises EOleSysError for a ProgID that names no class.
void GetActiveObjectByProgID(const std::wstring &ProgID, classlib::ComPtr<IDispatch> &Obj);

} // namespace framework
