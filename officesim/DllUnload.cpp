#include "officesim/DllUnload.h"

#include "officesim/CrashGuard.h"

namespace officesim {

namespace {

HMODULE LoadedModule(const std::wstring &path) {
    if (path.empty())
        return nullptr;
    if (HMODULE module = GetModuleHandleW(path.c_str()))
        return module;
    // The registered path may differ in form (short names, another drive letter) from the loaded one.
    std::wstring file = path.substr(path.find_last_of(L"\\/") + 1);
    return GetModuleHandleW(file.c_str());
}

} // namespace

UnloadAnswer AskDllCanUnloadNow(const std::wstring &path) {
    UnloadAnswer answer;
    HMODULE module = LoadedModule(path);
    answer.loaded = module != nullptr;
    if (!module)
        return answer;
    using CanUnloadNow = HRESULT(STDAPICALLTYPE *)();
    auto function =
        reinterpret_cast<CanUnloadNow>(reinterpret_cast<void *>(GetProcAddress(module, "DllCanUnloadNow")));
    answer.exported = function != nullptr;
    if (function) {
        Activity activity(L"DllCanUnloadNow of " + path);
        answer.hr = function();
    }
    return answer;
}

bool DllLoaded(const std::wstring &path) {
    return LoadedModule(path) != nullptr;
}

} // namespace officesim
