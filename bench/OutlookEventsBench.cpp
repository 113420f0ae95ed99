// How long Outlook waits for the add-in when the user switches folders and changes the selection:
// Tessary.dll, loaded into a simulated Outlook the way Office loads it, receives BeforeFolderSwitch
// and FolderSwitch, and SelectionChange, through its module's sinks and handlers. Office times a
// folder switch from its first event to the return of its last and holds an add-in to 500 ms; each
// figure is the median of five, printed beside the same steps in an Outlook without the add-in.
#include <cstdio>

#include "BenchSupport.h"
#include "classlib/ComPtr.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace ol = hostsim::ol;

namespace {

constexpr int kRuns = 5;
constexpr double kOfficeLimitMs = 500;

struct TTimings {
    std::vector<double> FolderSwitch, SelectionChange;
};

// One Outlook session of five folder switches and selection changes, with the add-in when library is
// given; false when the add-in does not start.
bool Measure(HMODULE library, const wchar_t *version, TTimings &timings) {
    hostsim::OutlookHost host(version);
    auto *inbox = host.DefaultFolder(ol::olFolderInbox);
    auto *sent = host.DefaultFolder(ol::olFolderSentMail);
    std::vector<hostsim::SimOutlookItem *> mails;
    for (int i = 0; i <= kRuns; ++i)
        mails.push_back(host.AddItem(inbox, ol::olMail, L"Mail " + std::to_wstring(i)));
    auto *explorer = host.OpenExplorer(inbox);
    classlib::ComPtr<IDTExtensibility2> addIn;
    SAFEARRAY *custom = nullptr;
    if (library != nullptr) {
        addIn = bench::NewAddIn(library);
        if (!addIn || FAILED(addIn->OnConnection(host.Application(), ext_cm_Startup, nullptr, &custom)) ||
            FAILED(addIn->OnStartupComplete(&custom)))
            return false;
    }
    for (int run = 0; run < kRuns; ++run) {
        timings.FolderSwitch.push_back(
            bench::TimeMs([&] { host.SwitchFolder(explorer, run % 2 == 0 ? sent : inbox); }));
        timings.SelectionChange.push_back(bench::TimeMs([&] {
            host.Select(explorer, {mails[run], mails[run + 1]});
        }));
    }
    if (addIn) {
        addIn->OnBeginShutdown(&custom);
        addIn->OnDisconnection(ext_dm_HostShutdown, &custom);
    }
    return true;
}

} // namespace

int main() {
    CoInitialize(nullptr);
    int status = 0;
    {
        bench::ScratchRegistry registry;
        HMODULE library = LoadLibraryW(bench::TessaryPath().c_str());
        if (library == nullptr) {
            std::printf("cannot load Tessary.dll\n");
            return 1;
        }
        for (const wchar_t *version : {L"11.0", L"14.0.0.4760"}) {
            TTimings withAddIn, without;
            if (!Measure(library, version, withAddIn) || !Measure(nullptr, version, without)) {
                std::printf("Outlook %ls: the add-in did not start\n", version);
                status = 1;
                continue;
            }
            std::wstring outlook = std::wstring(L"Outlook ") + version + L": ";
            bench::Report(outlook + L"folder switch", bench::Median(withAddIn.FolderSwitch), kOfficeLimitMs);
            bench::Report(outlook + L"folder switch without the add-in", bench::Median(without.FolderSwitch));
            bench::Report(outlook + L"selection change", bench::Median(withAddIn.SelectionChange),
                          kOfficeLimitMs);
            bench::Report(outlook + L"selection change without the add-in",
                          bench::Median(without.SelectionChange));
            if (bench::Median(withAddIn.FolderSwitch) >= kOfficeLimitMs)
                status = 1;
        }
        FreeLibrary(library);
    }
    CoUninitialize();
    return status;
}
