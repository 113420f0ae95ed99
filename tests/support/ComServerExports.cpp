// The exports of a test DLL that is a COM server of the class library (the test server, officesim's
// test add-in), forwarded to the class library's server functions. A test add-in of the framework
// (compiled with TESSARY_FRAMEWORK_ADDIN) also lets go of the objects it deferred freeing when it
// may be unloaded.
#include "classlib/ComServer.h"
#ifdef TESSARY_FRAMEWORK_ADDIN
#include "framework/core/DeferredFree.h"
#endif

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) {
    return classlib::ComServerGetClassObject(clsid, iid, ppv);
}
STDAPI DllCanUnloadNow() {
#ifdef TESSARY_FRAMEWORK_ADDIN
    return framework::AddInCanUnloadNow();
#else
    return classlib::ComServerCanUnloadNow();
#endif
}
STDAPI DllRegisterServer() {
    return classlib::ComServerRegister();
}
STDAPI DllUnregisterServer() {
    return classlib::ComServerUnregister();
}
