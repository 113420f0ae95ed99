// Registration of the library's COM classes per user when the ini file beside the library asks for
// it, and machine-wide through the COM server's own registration (which ends in
// TzidFactory::UpdateRegistry) otherwise. Per user, the class keys go under
// HKEY_CURRENT_USER\Software\Classes, the type library is not registered, and nothing is written under
// HKEY_LOCAL_MACHINE.
#pragma once
#include "classlib/ComObjectFactory.h"
#include "framework/core/Factory.h"

namespace framework {

// What the library's registration entry points answer (Register: DllRegisterServer, else
// DllUnregisterServer). Per user when IsPerUserRegistration says so; a per-user registration that
// fails goes machine-wide with PerUserRegistration reset, so that the class keys are written too.
// A Cancel in the close-hosts question and a failed per-user unregistration are answered as they
// are: the first is the user's choice, and the second would start the hosts again and remove the
// keys of a machine-wide registration that is not this one. Failures answer the error's HRESULT.
HRESULT UpdateServerRegistry(bool Register) noexcept;

// True when "<library>.ini" lies beside the library and its [CONFIG] key PRIVILEGES is "USER" in
// any letter case. The choice is traced with its reason.
bool IsPerUserRegistration();

// One factory's per-user registration (or its removal, in the reverse order): the class keys, the
// type library's Version and TypeLib under the class, and for a TzidFactory the add-in's own
// registration. A factory whose instancing is internal is passed over.
void UpdateFactoryRegistry(classlib::TComObjectFactory &Factory, bool Register);

// "Software\Classes\CLSID\{...}" with InprocServer32 (and its ThreadingModel) and the ProgID keys,
// under HKEY_CURRENT_USER.
void UpdateClassKeysPerUser(classlib::TComObjectFactory &Factory, bool Register);
// "Version" and "TypeLib" under the class's per-user key, from the server's type library.
void UpdateTypeLibKeysPerUser(classlib::TTypedComObjectFactory &Factory, bool Register);
// Removes the factory's per-user class keys (traced) when there are any.
void RemovePerUserClassKeys(classlib::TTypedComObjectFactory &Factory);

} // namespace framework
