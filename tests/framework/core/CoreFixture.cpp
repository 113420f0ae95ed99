#include "CoreFixture.h"

#include "classlib/Application.h"
#include "classlib/OleString.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/core/ProcessState.h"

namespace coretest {

namespace {

HKEY OpenKey(HKEY root, const std::wstring &key, REGSAM access) {
    HKEY handle = nullptr;
    return RegOpenKeyExW(root, key.c_str(), 0, access, &handle) == ERROR_SUCCESS ? handle : nullptr;
}

} // namespace

void CoreFixture::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    ResetCoreLog();
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &caption, UINT flags) {
            messages_.push_back({text, caption, flags});
            return IDOK;
        });
    static int counter = 0;
    scratch_ = L"Software\\TessaryCoreTests\\" + std::to_wstring(GetCurrentProcessId()) + L"_" +
               std::to_wstring(++counter);
    const wchar_t *names[2] = {L"HKCU", L"HKLM"};
    HKEY predefined[2] = {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE};
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (scratch_ + L"\\" + names[i]).c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &roots_[i], nullptr),
                  ERROR_SUCCESS);
    for (int i = 0; i < 2; ++i)
        ASSERT_EQ(RegOverridePredefKey(predefined[i], roots_[i]), ERROR_SUCCESS);
    framework::HostMainWindow = nullptr;
    classlib::SetApplicationHandle(nullptr);
}

void CoreFixture::TearDown() {
    // Whatever a test did, nothing of the add-in may outlive it.
    EXPECT_EQ(CoreLog().ModulesAlive, 0) << "a module was not freed";
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object or event sink is still alive";
    EXPECT_EQ(framework::DeferredObjectCount(), 0u);
    for (HKEY predefined : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        RegOverridePredefKey(predefined, nullptr);
    for (HKEY &key : roots_)
        if (key)
            RegCloseKey(std::exchange(key, nullptr));
    RegDeleteTreeW(HKEY_CURRENT_USER, scratch_.c_str());
    hook_.reset();
    if (oleInitialized_)
        OleUninitialize();
}

classlib::ComPtr<IDTExtensibility2> CoreFixture::NewAddIn(framework::TzidFactory &factory) {
    classlib::ComPtr<IDTExtensibility2> addIn;
    EXPECT_EQ(factory.CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn.PutVoid()), S_OK);
    return addIn;
}

HRESULT CoreFixture::Connect(IDTExtensibility2 *addIn, IDispatch *application, int mode,
                             IDispatch *comAddIn) {
    return addIn->OnConnection(application, static_cast<ext_ConnectMode>(mode), comAddIn, &custom_);
}

void CoreFixture::Start(IDTExtensibility2 *addIn, IDispatch *application, IDispatch *comAddIn) {
    ASSERT_EQ(Connect(addIn, application, ext_cm_Startup, comAddIn), S_OK) << LastErrorDescription();
    ASSERT_EQ(StartupComplete(addIn), S_OK) << LastErrorDescription();
}

void CoreFixture::Stop(IDTExtensibility2 *addIn) {
    ASSERT_EQ(BeginShutdown(addIn), S_OK) << LastErrorDescription();
    ASSERT_EQ(Disconnect(addIn, ext_dm_HostShutdown), S_OK) << LastErrorDescription();
}

std::wstring CoreFixture::AddInKey(framework::TzidOfficeHostApp host) {
    return CoreFactory().GetAddInKey(host).substr(1);
}

bool CoreFixture::KeyExists(HKEY root, const std::wstring &key) {
    HKEY handle = OpenKey(root, key, KEY_READ);
    if (handle)
        RegCloseKey(handle);
    return handle != nullptr;
}

bool CoreFixture::ValueExists(HKEY root, const std::wstring &key, const std::wstring &name) {
    return RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_ANY, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

std::wstring CoreFixture::ReadString(HKEY root, const std::wstring &key, const std::wstring &name) {
    wchar_t buffer[512] = {};
    DWORD size = sizeof(buffer);
    if (RegGetValueW(root, key.c_str(), name.c_str(), RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return L"<missing>";
    return buffer;
}

void CoreFixture::WriteString(HKEY root, const std::wstring &key, const std::wstring &name,
                              const std::wstring &value) {
    ASSERT_EQ(RegSetKeyValueW(root, key.c_str(), name.c_str(), REG_SZ, value.c_str(),
                              static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
}

void CoreFixture::WriteDword(HKEY root, const std::wstring &key, const std::wstring &name, DWORD value) {
    ASSERT_EQ(RegSetKeyValueW(root, key.c_str(), name.c_str(), REG_DWORD, &value, sizeof(value)),
              ERROR_SUCCESS);
}

void CoreFixture::CreateKey(HKEY root, const std::wstring &key) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(handle);
}

std::wstring CoreFixture::LastErrorDescription() {
    classlib::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info)
        return {};
    classlib::TBStr description;
    info->GetDescription(description.Put());
    return description.ToString();
}

} // namespace coretest
