// Start-up of Tessary.dll in Outlook 2003 with the product's bars: OnConnection + OnStartupComplete
// with an explorer open, the median of five sessions each, first in an Outlook whose bars never saw
// the add-in (everything built from scratch) and then in the same Outlook after a restart (its
// permanent controls found and reused, the temporary ones built again). Office's limit for a
// start-up is 1000 ms. The library stays loaded across the restart (the host keeps what the add-in
// gave it until it shuts down), so the second start-up does not pay for loading it.
#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "classlib/ComPtr.h"
#include "classlib/SafeArray.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace {

struct TResult {
    std::vector<double> Startup;
    int Controls = 0;
    bool Failed = false;
};

int CountControls(hostsim::CommandBarSet &Set) {
    int n = 0;
    for (const hostsim::BarRef &bar : Set.Bars())
        for (const hostsim::ControlRef &control : bar->controls)
            n += control->alive && !control->props.tag.empty() ? 1 : 0;
    return n;
}

// One session of Tessary in Outlook: its object made, connected, shut down and let go. The library
// stays loaded until the host has let go of everything the add-in gave it.
void Session(HMODULE library, hostsim::OutlookHost &Host, hostsim::CommandBarsObject &Bars, TResult &Result) {
    auto *entry = Host.World().Create<hostsim::ComAddInObject>(
        L"Tessary.TSY", L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}", L"Tessary");
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    classlib::ComPtr<IDTExtensibility2> addIn = bench::NewAddIn(library);
    if (!addIn) {
        Result.Failed = true;
    } else {
        HRESULT hr = S_OK;
        Result.Startup.push_back(bench::TimeMs([&] {
            hr |= addIn->OnConnection(Host.Application(), ext_cm_Startup, static_cast<COMAddIn *>(entry),
                                      &array);
            hr |= addIn->OnStartupComplete(&array);
        }));
        Result.Controls = CountControls(Bars.Set());
        hr |= addIn->OnBeginShutdown(&array);
        hr |= addIn->OnDisconnection(ext_dm_HostShutdown, &array);
        Result.Failed = Result.Failed || FAILED(hr);
        addIn.Reset();
    }
}

void Print(const wchar_t *What, const TResult &Result) {
    std::printf("%ls, median of %u sessions, %d tagged controls in the explorer%s\n", What,
                static_cast<unsigned>(Result.Startup.size()), Result.Controls,
                Result.Failed ? " (a call failed!)" : "");
    bench::Report(L"start-up (OnConnection + OnStartupComplete)", bench::Median(Result.Startup), 1000);
}

} // namespace

int main() {
    CoInitialize(nullptr);
    TResult scratch, reused;
    for (int run = 0; run < 5; ++run) {
        // Each run starts with an Outlook that never saw the add-in and a registry without records.
        bench::ScratchRegistry registry;
        hostsim::OutlookHost host(L"11.0");
        hostsim::AttachCommandBars(host);
        hostsim::SimOutlookWindow *explorer =
            host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
        auto *bars = dynamic_cast<hostsim::CommandBarsObject *>(
            hostsim::SimObject::FromUnknown(explorer->CommandBars()));
        if (bars == nullptr) {
            std::printf("the explorer has no command bars\n");
            return 1;
        }
        HMODULE library = LoadLibraryW(bench::TessaryPath().c_str());
        Session(library, host, *bars, scratch);
        bars->Restart();
        Session(library, host, *bars, reused);
        host.World().Shutdown();
        if (library != nullptr)
            FreeLibrary(library);
    }
    Print(L"Tessary in a simulated Outlook 2003, bars built from scratch", scratch);
    Print(L"Tessary in a simulated Outlook 2003, bars reused after a restart", reused);
    CoUninitialize();
    return scratch.Failed || reused.Failed ? 1 : 0;
}
