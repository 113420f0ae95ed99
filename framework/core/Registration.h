// Registration of the library's COM classes per user, as the library's registration entry points
// do it when the ini file beside the library asks for it:
//
//   if (IsPerUserRegistration()) {
//       PerUserRegistration = true;
//       for (auto *factory : classlib::ComServer().Factories())
//           UpdateFactoryRegistry(*factory, true);
//   } else
//       classlib::ComServer().UpdateRegistry(true); // ends in TzidFactory::UpdateRegistry
//
// Per user, the class keys go under HKEY_CURRENT_USER\Software\Classes, the type library is not
// registered, and nothing is written under HKEY_LOCAL_MACHINE.
#pragma once
#include "classlib/ComObjectFactory.h"
#include "framework/core/Factory.h"

namespace framework {

// True when "<library>.ini" lies beside the library and its [CONFIG] key PRIVILEGES is "USER" in
// any letter case.
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

} // namespace framework
