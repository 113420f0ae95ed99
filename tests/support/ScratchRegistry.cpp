#include "ScratchRegistry.h"

#include <gtest/gtest.h>

namespace testsupport {

namespace {

const wchar_t kParent[] = L"Software\\TessaryTests";
bool active = false;

const wchar_t *NameOf(HKEY predefined) {
    if (predefined == HKEY_CURRENT_USER)
        return L"HKCU";
    if (predefined == HKEY_LOCAL_MACHINE)
        return L"HKLM";
    if (predefined == HKEY_CLASSES_ROOT)
        return L"HKCR";
    return L"other";
}

} // namespace

TScratchRegistry::TScratchRegistry(TScratchRoots which) {
    if (active) {
        ADD_FAILURE() << "a scratch registry is active already: its roots cannot be redirected twice";
        return;
    }
    static unsigned counter = 0;
    path_ = std::wstring(kParent) + L"\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    active = true;
    redirected_ = true;
    std::vector<HKEY> roots = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
    if (which == TScratchRoots::All)
        roots.push_back(HKEY_CLASSES_ROOT);
    for (HKEY predefined : roots) {
        HKEY key = nullptr;
        // Another test process may be deleting the shared parent right now (older builds did): then
        // the key is made again under a fresh parent.
        LSTATUS status = ERROR_KEY_DELETED;
        for (int attempt = 0; attempt < 5 && status == ERROR_KEY_DELETED; ++attempt)
            status = RegCreateKeyExW(HKEY_CURRENT_USER, (path_ + L"\\" + NameOf(predefined)).c_str(), 0,
                                     nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        if (status == ERROR_SUCCESS)
            roots_.push_back({predefined, key});
        else
            ADD_FAILURE() << "the scratch key for a predefined root could not be made: " << status;
        redirected_ = redirected_ && status == ERROR_SUCCESS;
    }
    // Only once every key is made: a root redirected first would have the next key made inside it.
    for (const TRoot &root : roots_) {
        LSTATUS status = RegOverridePredefKey(root.Predefined, root.Key);
        if (status != ERROR_SUCCESS)
            ADD_FAILURE() << "a predefined root could not be redirected: " << status;
        redirected_ = redirected_ && status == ERROR_SUCCESS;
    }
}

TScratchRegistry::~TScratchRegistry() {
    if (path_.empty())
        return;
    for (const TRoot &root : roots_) {
        RegOverridePredefKey(root.Predefined, nullptr);
        RegCloseKey(root.Key);
    }
    // The shared parent stays: deleting it, even when it looks empty, races with another test process
    // making its own scratch key under it (that process then fails with ERROR_KEY_DELETED).
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    active = false;
}

HKEY TScratchRegistry::Root(HKEY predefined) const {
    for (const TRoot &root : roots_)
        if (root.Predefined == predefined)
            return root.Key;
    return nullptr;
}

} // namespace testsupport
