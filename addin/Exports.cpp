// The library's exports. Registration goes per user when the ini file beside the library asks for
// it, and through the COM server's own (machine-wide) registration otherwise or when that failed.
#include "classlib/ComServer.h"
#include "classlib/Trace.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/core/Registration.h"

namespace {

HRESULT UpdateServerRegistry(bool Register) noexcept {
    HRESULT result = E_FAIL;
    try {
        if (framework::IsPerUserRegistration()) {
            framework::PerUserRegistration = true;
            for (classlib::TComObjectFactory *factory : classlib::ComServer().Factories())
                framework::UpdateFactoryRegistry(*factory, Register);
            result = S_OK;
        }
    } catch (...) {
        // The machine-wide registration below is the answer then.
        classlib::TraceException(L"Registration", L"The per-user registration");
    }
    if (result == S_OK)
        return result;
    try {
        classlib::ComServer().UpdateRegistry(Register);
        return S_OK;
    } catch (...) {
        classlib::TraceException(L"Registration", L"The registration");
        return E_FAIL;
    }
}

} // namespace

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) {
    return classlib::ComServerGetClassObject(clsid, iid, ppv);
}

STDAPI DllCanUnloadNow() {
    return framework::AddInCanUnloadNow();
}

STDAPI DllRegisterServer() {
    return UpdateServerRegistry(true);
}

STDAPI DllUnregisterServer() {
    return UpdateServerRegistry(false);
}
