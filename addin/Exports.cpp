// The library's exports. Registration goes per user when the ini file beside the library asks for
// it, and through the COM server's own (machine-wide) registration otherwise; the framework's
// registration decides between them and answers for both.
#include "classlib/ComServer.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Registration.h"

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) {
    return classlib::ComServerGetClassObject(clsid, iid, ppv);
}

STDAPI DllCanUnloadNow() {
    return framework::AddInCanUnloadNow();
}

STDAPI DllRegisterServer() {
    return framework::UpdateServerRegistry(true);
}

STDAPI DllUnregisterServer() {
    return framework::UpdateServerRegistry(false);
}
