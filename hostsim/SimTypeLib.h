// The office type library as the simulated hosts see it: the source of their dispatch ids, their
// IDispatch type information and the names the log gives interfaces.
//
// Every program that links hostsim carries office.tlb as its TYPELIB resource 7301 (the CMake
// function hostsim_link adds it), so the program needs no file beside it and no registration, and
// its own type library can stay resource 1. The library is loaded once per process and kept.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>

#include "classlib/ComPtr.h"

namespace hostsim {

constexpr int kOfficeTypeLibResource = 7301;

// The loaded library; raises EOleSysError when the program lacks the resource.
ITypeLib *OfficeTypeLib();
// The type information of an interface or dispinterface of the library (TYPE_E_ELEMENTNOTFOUND as
// EOleSysError for an id the library does not hold). For a dual interface this is its dispatch
// description.
classlib::ComPtr<ITypeInfo> OfficeTypeInfo(REFIID iid);
// The vtable description of a dual interface, the one ITypeInfo::Invoke calls through.
classlib::ComPtr<ITypeInfo> OfficeVtableTypeInfo(REFIID iid);
// The library's name of an interface ("OutlookApplicationEvents_11"), or the id as text.
std::wstring OfficeTypeName(REFIID iid);

} // namespace hostsim
