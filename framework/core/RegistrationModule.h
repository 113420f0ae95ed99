// The temporary add-in module that each step of registration works on: created from the factory's
// module class with no owner (its form is read and its OnCreate runs), never connected to a host,
// freed when the step ends.
#pragma once
#include <memory>

#include "framework/core/HostApps.h"

namespace framework {

class TzidCOMAddInModule;
class TzidFactory;

class TzidRegistrationModule {
public:
    // Raises EOleSysError when the factory's module class cannot be created as an add-in module.
    explicit TzidRegistrationModule(TzidFactory &Factory);
    ~TzidRegistrationModule();
    TzidRegistrationModule(const TzidRegistrationModule &) = delete;
    TzidRegistrationModule &operator=(const TzidRegistrationModule &) = delete;

    TzidCOMAddInModule &operator*() const noexcept { return *module_; }
    TzidCOMAddInModule *operator->() const noexcept { return module_.get(); }

    // Fire the module's registration events for one host: the module's host type and factory set, its
    // registry object open at the host's add-in key under HKEY_CURRENT_USER (created for the first,
    // only when it exists for the second). What the handler raises goes to the module's error
    // reporting; registration goes on either way.
    void FireAfterRegister(TzidOfficeHostApp Host);
    void FireBeforeUnregister(TzidOfficeHostApp Host);

private:
    template <class Event> void Fire(Event &event, TzidOfficeHostApp Host, bool CreateKey);

    TzidFactory &factory_;
    std::unique_ptr<TzidCOMAddInModule> module_;
};

} // namespace framework
