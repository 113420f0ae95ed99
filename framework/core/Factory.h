// TzidFactory: the add-in's class factory. It makes the host's add-in object, knows the module class
// every add-in object creates on connection, and carries the add-in's whole self-registration: the
// COM class keys, the Office add-in keys of every supported and installed host, and Excel's
// automation add-in entries.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "classlib/ComObjectFactory.h"
#include "classlib/Registry.h"
#include "classlib/TypInfo.h"
#include "framework/core/HostApps.h"

namespace framework {

class TzidCOMAddInModule;

// A control recorded under the add-in key's "\Controls": its tag and its recorded design stamp.
struct TzidRecordedControl {
    std::wstring Tag;
    int PropertyChanged = 0;
};

class TzidFactory : public classlib::TAutoObjectFactory {
public:
    // Multi-instance, apartment-threaded; the factory joins the server's factory list and lives until
    // the library unloads. ClassName and Description are the coclass's name and help string in the
    // server's type library (the ProgID is the library's name + "." + ClassName). ModuleClass must
    // describe a class derived from TzidCOMAddInModule that can be created by class information.
    TzidFactory(classlib::TComServer &ComServer, TComClass AutoClass, const CLSID &ClassID,
                const classlib::TClassInfo &ModuleClass, std::wstring ClassName, std::wstring Description);
    ~TzidFactory() override;

    // The add-in module's class: create a module with ModuleClass().CreateComponent(nullptr).
    const classlib::TClassInfo &ModuleClass() const noexcept { return moduleClass_; }
    // The folder of the library file, ending with its separator ("C:\Program Files\Tessary\").
    const std::wstring &LibraryFolder() const noexcept { return libraryFolder_; }
    // "Tessary.TSY": type library name + "." + class name. Raises when there is no type library.
    std::wstring GetProgID();

    // The add-in key of one host, absolute below a registry root:
    // "\Software\Microsoft\Office\Outlook\AddIns\Tessary.TSY" (MapPoint and Visio without "Office").
    std::wstring GetAddInKey(TzidOfficeHostApp Host);
    // True when the host's ProgID resolves to a class, or when a virtualised Office 2010 is installed
    // (then every host counts as installed).
    static bool IsHostInstalled(TzidOfficeHostApp Host);

    // The whole registration (Register) or unregistration of the add-in: the close-hosts question
    // when the module asks for it, then UpdateRegistryKeys. Raises EOleSysError 31105 when the user
    // cancels (nothing written) and 31103 when the hosts' controls cannot be removed (nothing deleted).
    void UpdateRegistry(bool Register) override;

    // The steps of UpdateRegistry.
    // Asks to close the supported hosts that run, when the module says so; raises 31105 on Cancel.
    void AskToCloseHosts();
    // Everything but the question: the COM class keys (machine-wide unless PerUserRegistration; a
    // machine-wide registration also takes out the add-in's own per-user class keys, which would
    // hide it), the add-in keys and Excel's entries.
    void UpdateRegistryKeys(bool Register);
    void RegisterAddIn();
    void UnregisterAddIn();
    void UnregisterControls();
    // Excel's "OPEN" entries of Office 10 to 14 under Reg's root (HKEY_CURRENT_USER).
    void RegisterExcelAutomationAddIn(classlib::TRegistry &Reg);
    void UnregisterExcelAutomationAddIn(classlib::TRegistry &Reg);

protected:
    // The clean-up of one host's bars and recorded controls (BarNames: the bars recorded under the
    // add-in key's "\CommandBars"; ControlTags: the controls recorded under "\Controls"): gets the
    // host (starting it when none runs), removes the module's bars and the recorded controls, and
    // quits a host it started. A host that neither runs nor can be started is passed over.
    virtual void RemoveHostControls(TzidCOMAddInModule &Module, TzidOfficeHostApp Host,
                                    const std::vector<std::wstring> &BarNames,
                                    const std::vector<TzidRecordedControl> &ControlTags);

private:
    const classlib::TClassInfo &moduleClass_;
    std::wstring libraryFolder_;
};

// Set once by the library's registration entry points when IsPerUserRegistration answers true: the
// COM class keys then go under HKEY_CURRENT_USER and no add-in key goes under HKEY_LOCAL_MACHINE.
extern bool PerUserRegistration;

// The "close all running hosts" question, a Cancel / Try Again / Continue box shown through the class
// library's message-box hook; answers IDRETRY (Try Again), IDIGNORE (Continue) or IDCANCEL.
int ShowCloseHostsDialog(const std::wstring &AddInName, const std::wstring &HostList);

} // namespace framework
