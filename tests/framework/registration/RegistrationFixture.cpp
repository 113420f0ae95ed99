#include "RegistrationFixture.h"

#include <cstring>

using namespace framework;

namespace regtest {

namespace {

HKEY CreateKey(HKEY parent, const std::wstring &name) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(parent, name.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS)
        << "creating " << std::string(name.begin(), name.end());
    return key;
}

} // namespace

void RegistrationFixture::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    settings() = TRegTestSettings{};
    PerUserRegistration = false;
    factory(); // joins the server's factory list
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, KEY_ALL_ACCESS, &realClasses_),
              ERROR_SUCCESS);
    const char *name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    scratch_ = L"Software\\TessaryRegistrationTests\\" + std::to_wstring(GetCurrentProcessId()) + L"-" +
               std::wstring(name, name + strlen(name));
    scratchKey_ = CreateKey(HKEY_CURRENT_USER, scratch_);
    const HKEY predefined[3] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT};
    const wchar_t *names[3] = {L"HKCU", L"HKLM", L"HKCR"};
    for (int i = 0; i < 3; ++i) {
        roots_[i] = CreateKey(scratchKey_, names[i]);
        ASSERT_EQ(RegOverridePredefKey(predefined[i], roots_[i]), ERROR_SUCCESS);
    }
}

void RegistrationFixture::TearDown() {
    running_.clear();
    installed_.clear();
    for (HKEY predefined : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_CLASSES_ROOT})
        RegOverridePredefKey(predefined, nullptr);
    for (HKEY &key : roots_)
        if (key)
            RegCloseKey(std::exchange(key, nullptr));
    if (scratchKey_)
        RegCloseKey(std::exchange(scratchKey_, nullptr));
    RegDeleteTreeW(HKEY_CURRENT_USER, scratch_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TessaryRegistrationTests");
    if (realClasses_)
        RegCloseKey(std::exchange(realClasses_, nullptr));
    PerUserRegistration = false;
    if (oleInitialized_)
        OleUninitialize();
}

bool RegistrationFixture::HostResolves(TzidOfficeHostApp host) const {
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(HostAppProgID(host).c_str(), &clsid));
}

void RegistrationFixture::InstallHost(TzidOfficeHostApp host) {
    installed_.push_back(std::make_unique<hostsim::ProgIDRegistration>(HostAppProgID(host)));
    ASSERT_TRUE(HostResolves(host));
}

void RegistrationFixture::RunHost(TzidOfficeHostApp host) {
    ASSERT_TRUE(host == ohaOutlook || host == ohaWord);
    IDispatch *app = host == ohaOutlook ? outlook_.Application() : word_.Application();
    running_.emplace_back(host,
                          std::make_unique<hostsim::ActiveObjectRegistration>(HostAppProgID(host), app));
}

void RegistrationFixture::StopHost(TzidOfficeHostApp host) {
    for (auto it = running_.begin(); it != running_.end(); ++it)
        if (it->first == host) {
            running_.erase(it);
            return;
        }
}

bool RegistrationFixture::KeyExists(HKEY root, const std::wstring &key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

std::wstring RegistrationFixture::ReadString(HKEY root, const std::wstring &key, const std::wstring &name) {
    wchar_t buffer[1024];
    DWORD size = sizeof(buffer);
    if (RegGetValueW(root, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ, nullptr, buffer,
                     &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

DWORD RegistrationFixture::ReadDword(HKEY root, const std::wstring &key, const std::wstring &name) {
    DWORD value = 0xdeadbeef, size = sizeof(value);
    RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size);
    return value;
}

std::vector<std::wstring> RegistrationFixture::ValueNames(HKEY root, const std::wstring &key) {
    std::vector<std::wstring> names;
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return names;
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (RegEnumValueW(handle, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    RegCloseKey(handle);
    return names;
}

void RegistrationFixture::WriteString(HKEY root, const std::wstring &key, const std::wstring &name,
                                      const std::wstring &value) {
    HKEY handle = CreateKey(root, key);
    RegSetValueExW(handle, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE *>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

void RegistrationFixture::WriteDword(HKEY root, const std::wstring &key, const std::wstring &name,
                                     DWORD value) {
    HKEY handle = CreateKey(root, key);
    RegSetValueExW(handle, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value), sizeof(value));
    RegCloseKey(handle);
}

bool RegistrationFixture::IsEmpty(HKEY root) {
    DWORD subKeys = 0, values = 0;
    if (RegQueryInfoKeyW(root, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr,
                         nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    return subKeys == 0 && values == 0;
}

} // namespace regtest
