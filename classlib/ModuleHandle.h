// The module (DLL or program) the class library is linked into: where its resources (form
// resources, the type library) live and whose window classes it registers.
#pragma once
#include <windows.h>

#include <string>

namespace classlib {

// The module holding this code (the DLL in an add-in, not the host's program).
HMODULE LibraryModule();
// Where resources are looked for: LibraryModule(), unless SetHInstance chose another (tests that keep forms in a
// resource-only module do).
HMODULE HInstance();
void SetHInstance(HMODULE module);
// Full path of a module's file.
std::wstring ModuleFileName(HMODULE module);


} // namespace classlib
