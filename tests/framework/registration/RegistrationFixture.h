// Every registration test runs in scratch registry roots of its own: HKEY_CURRENT_USER,
// HKEY_LOCAL_MACHINE and HKEY_CLASSES_ROOT point at fresh keys for the process. What the system's COM
// look-ups read cannot be redirected (they read the prefix's classes directly), so a test that needs
// an installed or running host has the simulation register that host's ProgID in the prefix for the
// test's duration.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "RegTestModule.h"
#include "RegistryAccess.h"
#include "ScratchRegistry.h"
#include "framework/core/HostApps.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/SimRegistration.h"
#include "hostsim/WordHost.h"

namespace regtest {

// Direct reads and writes below the redirected roots, bypassing the code under test.
using testsupport::IsEmpty;
using testsupport::KeyExists;
using testsupport::ReadDword;
using testsupport::ReadString;
using testsupport::ValueNames;
using testsupport::WriteDword;
using testsupport::WriteString;

class RegistrationFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the host resolvable by its ProgID (when it is not yet).
    void InstallHost(framework::TzidOfficeHostApp host);
    // Makes sure the host's ProgID does not resolve during the test: keys an earlier run left in the
    // prefix are set aside until the tear-down.
    void UninstallHost(framework::TzidOfficeHostApp host);
    // Puts the simulated host's Application object into the running-object table (Word or Outlook).
    void RunHost(framework::TzidOfficeHostApp host);
    void StopHost(framework::TzidOfficeHostApp host);
    // True when the host's ProgID resolves (installed by this test or already in the prefix).
    bool HostResolves(framework::TzidOfficeHostApp host) const;

    framework::TzidFactory &factory() { return RegTestFactory(); }
    TRegTestSettings &settings() { return RegTestSettings(); }
    std::wstring addInKey(framework::TzidOfficeHostApp host) { return factory().GetAddInKey(host).substr(1); }
    // The simulated hosts RunHost puts into the running-object table.
    hostsim::OutlookHost &outlook() { return outlook_; }
    hostsim::WordHost &word() { return word_; }

    // The test add-in's keys of two hosts, relative to a root.
    const std::wstring outlookKey = L"Software\\Microsoft\\Office\\Outlook\\AddIns\\TessaryRegTest.TSY";
    const std::wstring wordKey = L"Software\\Microsoft\\Office\\Word\\AddIns\\TessaryRegTest.TSY";
    HKEY realClasses_ = nullptr; // the prefix's HKLM\Software\Classes, opened before the redirection

private:
    std::optional<testsupport::TScratchRegistry> registry_;
    std::vector<std::unique_ptr<hostsim::ProgIDRegistration>> installed_;
    std::vector<std::unique_ptr<testsupport::TKeyAside>> aside_;
    hostsim::OutlookHost outlook_;
    hostsim::WordHost word_;
    std::vector<std::pair<framework::TzidOfficeHostApp, std::unique_ptr<hostsim::ActiveObjectRegistration>>>
        running_;
    bool oleInitialized_ = false;
};

} // namespace regtest
