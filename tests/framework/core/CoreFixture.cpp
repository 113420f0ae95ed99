#include "CoreFixture.h"

#include "classlib/Application.h"
#include "classlib/OleString.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/core/ProcessState.h"

namespace coretest {

void CoreFixture::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    ResetCoreLog();
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &caption, UINT flags) {
            messages_.push_back({text, caption, flags});
            return IDOK;
        });
    registry_.emplace(testsupport::TScratchRoots::UserAndMachine);
    ASSERT_TRUE(registry_->Redirected());
    framework::HostMainWindow = nullptr;
    classlib::SetApplicationHandle(nullptr);
}

void CoreFixture::TearDown() {
    // Whatever a test did, nothing of the add-in may outlive it.
    EXPECT_EQ(CoreLog().ModulesAlive, 0) << "a module was not freed";
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object or event sink is still alive";
    EXPECT_EQ(framework::DeferredObjectCount(), 0u);
    registry_.reset();
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

std::wstring CoreFixture::LastErrorDescription() {
    classlib::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info)
        return {};
    classlib::TBStr description;
    info->GetDescription(description.Put());
    return description.ToString();
}

} // namespace coretest
