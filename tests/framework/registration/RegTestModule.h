// The add-in module the registration tests' factory creates. Each test says through RegTestSettings
// what the next modules carry (on top of their form) and which registration handlers they bind, and
// reads back what the handlers saw.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"

namespace regtest {

class TRegTestModule;

struct TRegTestSettings {
    std::optional<std::wstring> AddInName;
    std::optional<std::wstring> Description;
    std::optional<framework::TzidHostAppSet> SupportedApps;
    std::optional<int> LoadBehavior;
    std::optional<bool> DisplayAlerts;
    std::optional<bool> XLAutomationAddIn;
    std::optional<bool> RegisterForAllUsers;
    // Bound to OnAfterAddinRegister / OnBeforeAddinUnregister when set.
    std::function<void(TRegTestModule &)> AfterRegister;
    std::function<void(TRegTestModule &)> BeforeUnregister;
    // Runs when a module has been created, after the settings above were applied.
    std::function<void(TRegTestModule &)> Created;
    // What the modules' OnError received (it always handles them, so no message box shows).
    std::vector<std::wstring> Errors;
    int ModulesCreated = 0;
};

// Reset by every test.
TRegTestSettings &RegTestSettings();

class TRegTestModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TRegTestModule)
public:
    explicit TRegTestModule(classlib::TComponent *owner);

    void ModuleCreate(classlib::TObject *Sender);

private:
    void AfterRegister(classlib::TObject *Sender);
    void BeforeUnregister(classlib::TObject *Sender);
    void ModuleError(const classlib::Exception &E, bool &Handled);
};

// The test program's add-in factory (ProgID "TessaryRegTest.TSY"), joined to the server's list.
framework::TzidFactory &RegTestFactory();

} // namespace regtest
