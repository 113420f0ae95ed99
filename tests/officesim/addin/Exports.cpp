// The test add-in's exports, forwarded to the class library's server functions.
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
