// Whether an add-in's DLL may leave the process: its exported DllCanUnloadNow, called directly on
// the loaded module the way CoFreeUnusedLibraries asks it.
#pragma once
#include <windows.h>

#include <string>

namespace officesim {

struct UnloadAnswer {
    bool loaded = false;   // the module is in the process
    bool exported = false; // it exports DllCanUnloadNow
    HRESULT hr = E_FAIL;   // its answer, when loaded and exported
};

UnloadAnswer AskDllCanUnloadNow(const std::wstring &path);
// The module of path (or of its file name) is loaded in the process.
bool DllLoaded(const std::wstring &path);

} // namespace officesim
