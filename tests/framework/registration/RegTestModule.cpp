#include "RegTestModule.h"

#include "RegTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInObject.h"
#include "framework/shortcuts/ShortcutsEngine.h"

#include <gtest/gtest.h>

using namespace framework;

namespace regtest {

CLASSLIB_DEFINE_CLASS(TRegTestModule, TzidCOMAddInModule,
                      b.Method<&TRegTestModule::ModuleCreate>(L"ModuleCreate"))

TRegTestSettings &RegTestSettings() {
    static TRegTestSettings settings;
    return settings;
}

TRegTestModule::TRegTestModule(classlib::TComponent *owner) : TzidCOMAddInModule(owner) {}

void TRegTestModule::ModuleCreate(classlib::TObject * /*Sender*/) {
    TRegTestSettings &s = RegTestSettings();
    ++s.ModulesCreated;
    if (s.AddInName)
        SetAddInName(*s.AddInName);
    if (s.Description)
        SetDescription(*s.Description);
    if (s.SupportedApps)
        SetSupportedApps(*s.SupportedApps);
    if (s.LoadBehavior)
        SetLoadBehavior(*s.LoadBehavior);
    if (s.DisplayAlerts)
        SetDisplayAlerts(*s.DisplayAlerts);
    if (s.XLAutomationAddIn)
        SetXLAutomationAddIn(*s.XLAutomationAddIn);
    if (s.RegisterForAllUsers)
        SetRegisterForAllUsers(*s.RegisterForAllUsers);
    if (s.AfterRegister)
        OnAfterAddinRegister = classlib::MakeEvent<&TRegTestModule::AfterRegister>(this);
    if (s.BeforeUnregister)
        OnBeforeAddinUnregister = classlib::MakeEvent<&TRegTestModule::BeforeUnregister>(this);
    OnError = classlib::MakeEvent<&TRegTestModule::ModuleError>(this);
    if (s.Created)
        s.Created(*this);
}

void TRegTestModule::AfterRegister(classlib::TObject *Sender) {
    EXPECT_EQ(Sender, this);
    RegTestSettings().AfterRegister(*this);
}

void TRegTestModule::BeforeUnregister(classlib::TObject *Sender) {
    EXPECT_EQ(Sender, this);
    RegTestSettings().BeforeUnregister(*this);
}

void TRegTestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    RegTestSettings().Errors.push_back(E.Message());
    Handled = true;
}

namespace {

// The add-in object a host loads (a test that plays a host running the add-in while it is
// unregistered).
class TRegTestAddIn : public TdivAzore {};

} // namespace

TzidFactory &RegTestFactory() {
    static const bool registered = (RegisterCommandBarClasses(), InstallShortcuts(), true);
    (void)registered;
    static TzidFactory factory(classlib::ComServer(), classlib::TComObjectFactory::ComClass<TRegTestAddIn>(),
                               CLSID_TSY, TRegTestModule::StaticClass(), L"TSY",
                               L"Tessary registration test add-in");
    return factory;
}

} // namespace regtest
