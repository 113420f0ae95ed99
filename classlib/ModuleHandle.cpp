#include "classlib/ModuleHandle.h"

namespace classlib {

namespace {
HMODULE chosenModule = nullptr;
} // namespace

// Any address inside this module names the module that linked the library in.
HMODULE LibraryModule() {
    static HMODULE module = [] {
        HMODULE m = nullptr;
        GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<LPCWSTR>(&LibraryModule), &m);
        return m;
    }();
    return module;
}

HMODULE HInstance() { return chosenModule != nullptr ? chosenModule : LibraryModule(); }

void SetHInstance(HMODULE module) { chosenModule = module; }

std::wstring ModuleFileName(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size() || path.size() >= 32768) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace classlib
