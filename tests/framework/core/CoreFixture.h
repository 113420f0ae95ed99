// What every core test runs in: COM initialised, HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE pointed at
// scratch keys of the test's own, message boxes answered by a hook that records them, and at the end
// the check that no module, object or sink is left behind.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CoreTestModule.h"
#include "RegistryAccess.h"
#include "ScratchRegistry.h"
#include "classlib/ComPtr.h"
#include "classlib/MessageDialogs.h"
#include "office/office.h"

namespace coretest {

// Direct registry access below the redirected roots.
using testsupport::CreateKey;
using testsupport::KeyExists;
using testsupport::ReadString;
using testsupport::ValueExists;
using testsupport::WriteDword;
using testsupport::WriteString;

struct TShownMessage {
    std::wstring Text;
    std::wstring Caption;
    UINT Flags;
};

class CoreFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    classlib::ComPtr<IDTExtensibility2> NewAddIn(framework::TzidFactory &factory = CoreFactory());
    // The C++ object behind an add-in object the factory made.
    static framework::TdivAzore &Object(const classlib::ComPtr<IDTExtensibility2> &addIn) {
        return *static_cast<framework::TdivAzore *>(addIn.Get());
    }
    static framework::TzidCOMAddInModule *ModuleOf(const classlib::ComPtr<IDTExtensibility2> &addIn) {
        return Object(addIn).Module();
    }

    // The host's calls, with the empty custom array hosts pass.
    HRESULT Connect(IDTExtensibility2 *addIn, IDispatch *application, int mode = ext_cm_Startup,
                    IDispatch *comAddIn = nullptr);
    HRESULT StartupComplete(IDTExtensibility2 *addIn) { return addIn->OnStartupComplete(&custom_); }
    HRESULT BeginShutdown(IDTExtensibility2 *addIn) { return addIn->OnBeginShutdown(&custom_); }
    HRESULT Disconnect(IDTExtensibility2 *addIn, int mode) {
        return addIn->OnDisconnection(static_cast<ext_DisconnectMode>(mode), &custom_);
    }
    // Connect at the host's start-up and report start-up complete; both must succeed.
    void Start(IDTExtensibility2 *addIn, IDispatch *application, IDispatch *comAddIn = nullptr);
    // A new add-in object of the core factory, started so.
    classlib::ComPtr<IDTExtensibility2> Started(IDispatch *application, IDispatch *comAddIn = nullptr) {
        classlib::ComPtr<IDTExtensibility2> addIn = NewAddIn();
        Start(addIn.Get(), application, comAddIn);
        return addIn;
    }
    // The host's normal shutdown: begin-shutdown, then disconnection for host shutdown.
    void Stop(IDTExtensibility2 *addIn);

    // The core test add-in's key of a host, relative to a root.
    static std::wstring AddInKey(framework::TzidOfficeHostApp host);
    // The description the thread's IErrorInfo carries (what a safe call published), or "".
    static std::wstring LastErrorDescription();

    std::vector<TShownMessage> messages_;
    SAFEARRAY *custom_ = nullptr;

private:
    std::unique_ptr<classlib::TMessageBoxHookScope> hook_;
    std::optional<testsupport::TScratchRegistry> registry_;
    bool oleInitialized_ = false;
};

} // namespace coretest
