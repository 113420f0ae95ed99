#include "framework/core/RegistrationModule.h"

#include "classlib/Format.h"
#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"

namespace framework {

TzidRegistrationModule::TzidRegistrationModule(TzidFactory &Factory) : factory_(Factory) {
    const classlib::TClassInfo &cls = Factory.ModuleClass();
    if (cls.CreateComponent == nullptr)
        throw classlib::EOleSysError(classlib::Format(L"The module class %s cannot be created", {cls.Name()}),
                                     E_UNEXPECTED);
    std::unique_ptr<classlib::TComponent> component(cls.CreateComponent(nullptr));
    auto *module = dynamic_cast<TzidCOMAddInModule *>(component.get());
    if (module == nullptr)
        throw classlib::EOleSysError(classlib::Format(L"The class %s is not an add-in module", {cls.Name()}),
                                     E_UNEXPECTED);
    component.release();
    module_.reset(module);
}

TzidRegistrationModule::~TzidRegistrationModule() = default;

template <class Event>
void TzidRegistrationModule::Fire(Event &event, TzidOfficeHostApp Host, bool CreateKey) {
    if (!event.Assigned())
        return;
    TzidCOMAddInModule &module = *module_;
    module.SetHostType(Host);
    module.SetFactory(&factory_);
    classlib::TRegistry &reg = module.Registry();
    reg.SetRootKey(HKEY_CURRENT_USER);
    reg.OpenKey(factory_.GetAddInKey(Host), CreateKey);
    module.RunGuarded([&] { event(&module); });
    reg.CloseKey();
}

void TzidRegistrationModule::FireAfterRegister(TzidOfficeHostApp Host) {
    Fire(module_->OnAfterAddinRegister, Host, true);
}

void TzidRegistrationModule::FireBeforeUnregister(TzidOfficeHostApp Host) {
    Fire(module_->OnBeforeAddinUnregister, Host, false);
}

} // namespace framework
