#include "framework/core/Factory.h"

#include "classlib/Application.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/MessageDialogs.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"
#include "framework/core/ExcelAutomationAddIn.h"
#include "framework/core/ModuleErrors.h"
#include "framework/core/Registration.h"
#include "framework/core/RegistrationModule.h"
#include "framework/core/UninstallMarks.h"

namespace framework {

bool PerUserRegistration = false;

namespace {

// The folder part of a file name, with its trailing "\" (or ":" for a bare drive).
std::wstring FolderOf(const std::wstring &fileName) {
    size_t cut = fileName.find_last_of(L"\\:");
    return cut == std::wstring::npos ? std::wstring() : fileName.substr(0, cut + 1);
}

// The add-in keys go under HKEY_LOCAL_MACHINE only for an all-users registration that was not
// asked to stay per user.
HKEY AddInRoot(const TzidCOMAddInModule &module) {
    return module.RegisterForAllUsers() && !PerUserRegistration ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

// Hosts in table order that the module supports.
template <class Body> void ForEachSupportedHost(TzidHostAppSet supported, Body body) {
    for (int i = ohaFirst; i <= ohaLast; ++i) {
        auto host = static_cast<TzidOfficeHostApp>(i);
        if (supported.Contains(host))
            body(host);
    }
}

// Hosts in table order that the module supports and that are installed here.
template <class Body> void ForEachRegisteredHost(TzidHostAppSet supported, Body body) {
    ForEachSupportedHost(supported, [&](TzidOfficeHostApp host) {
        if (TzidFactory::IsHostInstalled(host))
            body(host);
    });
}

} // namespace

TzidFactory::TzidFactory(classlib::TComServer &ComServer, TComClass AutoClass, const CLSID &ClassID,
                         const classlib::TClassInfo &ModuleClass, std::wstring ClassName,
                         std::wstring Description)
    : classlib::TAutoObjectFactory(ComServer, std::move(AutoClass), ClassID, std::move(ClassName),
                                   std::move(Description), classlib::ciMultiInstance, classlib::tmApartment),
      moduleClass_(ModuleClass), libraryFolder_(FolderOf(ComServer.ServerFileName())) {}

TzidFactory::~TzidFactory() = default;

std::wstring TzidFactory::GetProgID() {
    return ProgID();
}

std::wstring TzidFactory::GetAddInKey(TzidOfficeHostApp Host) {
    const wchar_t *format = Host == ohaMapPoint || Host == ohaVisio
                                ? L"\\Software\\Microsoft\\%s\\AddIns\\%s"
                                : L"\\Software\\Microsoft\\Office\\%s\\AddIns\\%s";
    return classlib::Format(format, {HostAppName(Host), GetProgID()});
}

bool TzidFactory::IsHostInstalled(TzidOfficeHostApp Host) {
    CLSID clsid{};
    if (SUCCEEDED(CLSIDFromProgID(HostAppProgID(Host).c_str(), &clsid)) && !IsEqualCLSID(clsid, GUID_NULL))
        return true;
    // A virtualised Office 2010 registers its hosts inside its own bubble only.
    try {
        classlib::TRegistry reg(KEY_READ);
        reg.SetRootKey(HKEY_LOCAL_MACHINE);
        return reg.OpenKeyReadOnly(L"Software\\Microsoft\\Office\\14.0\\Common\\InstallRoot\\Virtual");
    } catch (const classlib::Exception &) {
        return false;
    }
}

void TzidFactory::UpdateRegistry(bool Register) {
    AskToCloseHosts();
    UpdateRegistryKeys(Register);
}

void TzidFactory::AskToCloseHosts() {
    std::wstring addInName;
    TzidHostAppSet supportedApps;
    bool displayAlerts = false;
    {
        TzidRegistrationModule module(*this);
        addInName = module->AddInName();
        supportedApps = module->SupportedApps();
        displayAlerts = module->DisplayAlerts();
    }
    if (!displayAlerts)
        return;
    for (;;) {
        std::wstring running;
        ForEachRegisteredHost(supportedApps, [&](TzidOfficeHostApp host) {
            if (GetRunningHost(host))
                running += HostAppName(host) + L" ";
        });
        if (running.empty())
            return;
        int answer = ShowCloseHostsDialog(addInName, running);
        if (answer == IDCANCEL)
            RaiseZidError(zidErrRegistrationCanceled, SzidRegistrationCanceled);
        if (answer == IDIGNORE)
            return;
    }
}

void TzidFactory::UpdateRegistryKeys(bool Register) {
    if (Register) {
        if (!PerUserRegistration) {
            classlib::TAutoObjectFactory::UpdateRegistry(true);
            // Windows prefers the user's class keys: left there, they would keep the hosts on them.
            RemovePerUserClassKeys(*this);
        }
        RegisterAddIn();
    } else {
        UnregisterControls();
        UnregisterAddIn();
        if (!PerUserRegistration)
            classlib::TAutoObjectFactory::UpdateRegistry(false);
    }
}

void TzidFactory::RegisterAddIn() {
    classlib::TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    TzidRegistrationModule module(*this);
    ForEachRegisteredHost(module->SupportedApps(), [&](TzidOfficeHostApp host) {
        reg.SetRootKey(AddInRoot(*module));
        if (reg.OpenKey(GetAddInKey(host), true)) {
            reg.WriteString(L"FriendlyName", module->AddInName());
            reg.WriteString(L"Description", module->Description());
            reg.WriteInteger(L"LoadBehavior", module->LoadBehavior());
            reg.WriteInteger(L"CommandLineSafe", 0);
            reg.CloseKey();
        }
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (host == ohaExcel && module->XLAutomationAddIn())
            RegisterExcelAutomationAddIn(reg);
        module.FireAfterRegister(host);
    });
}

void TzidFactory::UnregisterAddIn() {
    classlib::TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    TzidRegistrationModule module(*this);
    // A host removed before the add-in still holds the add-in's key, which would load the add-in
    // again were the host reinstalled: every supported host's key goes.
    ForEachSupportedHost(module->SupportedApps(), [&](TzidOfficeHostApp host) {
        if (IsHostInstalled(host))
            module.FireBeforeUnregister(host);
        const std::wstring key = GetAddInKey(host);
        if (AddInRoot(*module) == HKEY_LOCAL_MACHINE) {
            reg.SetRootKey(HKEY_LOCAL_MACHINE);
            if (reg.KeyExists(key))
                reg.DeleteKey(key);
        }
        reg.SetRootKey(HKEY_CURRENT_USER);
        if (reg.KeyExists(key))
            reg.DeleteKey(key);
        if (host == ohaExcel && module->XLAutomationAddIn())
            UnregisterExcelAutomationAddIn(reg);
    });
}

void TzidFactory::UnregisterControls() {
    std::vector<std::wstring> barNames;
    std::vector<TzidRecordedControl> controlTags;
    TzidRegistrationModule module(*this);
    // What the marks replaced, in every host marked so far: a failed clean-up puts it back, so the
    // add-in still loads and a second unregistration finds what the first one left.
    TzidUninstallMarks marks;
    ForEachRegisteredHost(module->SupportedApps() - TzidHostAppSet{ohaMapPoint}, [&](TzidOfficeHostApp host) {
        try {
            const std::wstring key = GetAddInKey(host);
            classlib::TRegistry reg;
            reg.SetRootKey(HKEY_CURRENT_USER);
            // Each host's clean-up works on that host's records only.
            barNames.clear();
            controlTags.clear();
            if (reg.OpenKey(key + L"\\CommandBars", false)) {
                barNames = reg.GetValueNames();
                reg.CloseKey();
            }
            if (reg.OpenKey(key + L"\\Controls", false)) {
                for (const std::wstring &tag : reg.GetValueNames()) {
                    try {
                        controlTags.push_back({tag, reg.ReadInteger(tag)});
                    } catch (const classlib::ERegistryException &) {
                        classlib::Trace(L"Registration",
                                        L"\\Controls value '" + tag + L"' is no control record");
                    }
                }
                reg.CloseKey();
            }
            marks.Write(key, AddInRoot(*module));
            // Outlook is never started for the clean-up.
            if (host != ohaOutlook)
                RemoveHostControls(*module, host, barNames, controlTags);
        } catch (...) {
            // The caller learns only that the controls stay; what failed goes to the trace.
            classlib::TraceException(L"Registration", L"Removing the add-in's controls");
            marks.Restore();
            RaiseZidError(zidErrCantUnregisterControls, SzidCantUnregisterControls);
        }
    });
}

void TzidFactory::RegisterExcelAutomationAddIn(classlib::TRegistry &Reg) {
    AddExcelOpenEntries(Reg, GetProgID());
}

void TzidFactory::UnregisterExcelAutomationAddIn(classlib::TRegistry &Reg) {
    RemoveExcelOpenEntries(Reg, GetProgID());
}

int ShowCloseHostsDialog(const std::wstring &AddInName, const std::wstring &HostList) {
    // Cancel / Try Again / Continue says what each choice does; they keep the meaning Cancel, Retry
    // and Ignore had. A box that could not be shown counts as Cancel, so nothing is registered
    // behind the user's back.
    int answer = classlib::MessageBoxHook(
        classlib::ApplicationHandle(), L"Please close all running host application instances:\r\n" + HostList,
        AddInName, MB_CANCELTRYCONTINUE | MB_ICONINFORMATION);
    switch (answer) {
    case IDTRYAGAIN:
        return IDRETRY;
    case IDCONTINUE:
        return IDIGNORE;
    default:
        return IDCANCEL;
    }
}

} // namespace framework
