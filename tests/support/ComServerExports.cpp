// The exports of a test DLL that is a COM server of the class library (the test server, officesim's
// test add-in), forwarded to the class library's server functions.
#include "classlib/ComServer.h"

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) {
    return classlib::ComServerGetClassObject(clsid, iid, ppv);
}
STDAPI DllCanUnloadNow() {
    return classlib::ComServerCanUnloadNow();
}
STDAPI DllRegisterServer() {
    return classlib::ComServerRegister();
}
STDAPI DllUnregisterServer() {
    return classlib::ComServerUnregister();
}
