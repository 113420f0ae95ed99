// Word's Application. It answers its identity _Application {00020970-...} and offers the
// application event interfaces of its version: ApplicationEvents2 (2000) always,
// ApplicationEvents3 from version 10, ApplicationEvents4 from version 11; an event is raised on
// each of them that declares it. ShowWindowsInTaskbar exists from version 10.
#pragma once
#include "classlib/ComPtr.h"
#include "hostsim/SimDispatch.h"

namespace hostsim {

class WordHost;

class SimWordApplication : public SimDispObject<> {
public:
    SimWordApplication(SimWorld &world, WordHost &host);
    // The template that takes command-bar changes, as a program set it; null: the normal template.
    IDispatch *CustomizationContext() const noexcept { return customizationContext_.Get(); }

private:
    void OnDisconnect() noexcept override;

    WordHost *host_;
    classlib::ComPtr<IDispatch> customizationContext_;
};

} // namespace hostsim
