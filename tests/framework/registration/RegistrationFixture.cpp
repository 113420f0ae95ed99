#include "RegistrationFixture.h"

using namespace framework;

namespace regtest {

void RegistrationFixture::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    settings() = TRegTestSettings{};
    PerUserRegistration = false;
    factory(); // joins the server's factory list
    ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"Software\\Classes", 0, KEY_ALL_ACCESS, &realClasses_),
              ERROR_SUCCESS);
    registry_.emplace();
    ASSERT_TRUE(registry_->Redirected());
}

void RegistrationFixture::TearDown() {
    running_.clear();
    installed_.clear();
    aside_.clear();
    registry_.reset();
    if (realClasses_)
        RegCloseKey(std::exchange(realClasses_, nullptr));
    PerUserRegistration = false;
    if (oleInitialized_)
        OleUninitialize();
}

bool RegistrationFixture::HostResolves(TzidOfficeHostApp host) const {
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(HostAppProgID(host).c_str(), &clsid));
}

void RegistrationFixture::InstallHost(TzidOfficeHostApp host) {
    installed_.push_back(std::make_unique<hostsim::ProgIDRegistration>(HostAppProgID(host)));
    ASSERT_TRUE(HostResolves(host));
}

void RegistrationFixture::UninstallHost(TzidOfficeHostApp host) {
    aside_.push_back(std::make_unique<testsupport::TKeyAside>(realClasses_, HostAppProgID(host)));
    ASSERT_FALSE(HostResolves(host));
}

void RegistrationFixture::RunHost(TzidOfficeHostApp host) {
    ASSERT_TRUE(host == ohaOutlook || host == ohaWord);
    IDispatch *app = host == ohaOutlook ? outlook_.Application() : word_.Application();
    running_.emplace_back(host,
                          std::make_unique<hostsim::ActiveObjectRegistration>(HostAppProgID(host), app));
}

void RegistrationFixture::StopHost(TzidOfficeHostApp host) {
    for (auto it = running_.begin(); it != running_.end(); ++it)
        if (it->first == host) {
            running_.erase(it);
            return;
        }
}

} // namespace regtest
