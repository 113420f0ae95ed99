// Start-up and shutdown of Tessary.dll as Outlook 2010 times them: OnConnection + OnStartupComplete,
// and OnBeginShutdown + OnDisconnection, each the median of five sessions in a simulated Outlook with
// its command bars and its explorer open, as officesim plays it. Beside it the same sessions of a bare add-in
// (officesim's test add-in, which only connects to its entry and puts one button on a bar) in the same host:
// the ratio is the framework's own cost. The load (LoadLibrary, class factory, CreateInstance) is timed for
// both as well.
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "classlib/ComPtr.h"
#include "classlib/SafeArray.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace {

const CLSID CLSID_OfficesimTestConnect = {
    0x463016ce, 0x55eb, 0x4241, {0x91, 0x02, 0x36, 0xce, 0x4f, 0x25, 0xf6, 0xbc}};

struct TAddInUnderTest {
    TAddInUnderTest(const wchar_t *AName, std::wstring APath, const CLSID &AClassId, const wchar_t *AProgId,
                    const wchar_t *AGuid)
        : Name(AName), Path(std::move(APath)), ClassId(AClassId), ProgId(AProgId), Guid(AGuid) {}

    const wchar_t *Name;
    std::wstring Path;
    CLSID ClassId;
    const wchar_t *ProgId;
    const wchar_t *Guid;
    std::vector<double> Load, Startup, Shutdown;
    bool Failed = false;
};

// One session of AddIn in a fresh Outlook 2010: loaded, connected, shut down, let go, unloaded.
void Session(TAddInUnderTest &AddIn) {
    hostsim::OutlookHost host(L"14.0.0.4760");
    std::shared_ptr<hostsim::CommandBarHost> bars = hostsim::AttachCommandBars(host);
    host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox));
    auto *entry = host.World().Create<hostsim::ComAddInObject>(AddIn.ProgId, AddIn.Guid, AddIn.Name);
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    HMODULE library = nullptr;
    classlib::ComPtr<IDTExtensibility2> addIn;
    AddIn.Load.push_back(bench::TimeMs([&] {
        library = LoadLibraryW(AddIn.Path.c_str());
        if (library != nullptr)
            addIn = bench::NewAddIn(library, AddIn.ClassId);
    }));
    if (!addIn) {
        std::printf("%ls: cannot load or create the add-in object\n", AddIn.Name);
        AddIn.Failed = true;
    } else {
        HRESULT hr = S_OK;
        AddIn.Startup.push_back(bench::TimeMs([&] {
            hr |= addIn->OnConnection(host.Application(), ext_cm_Startup, static_cast<COMAddIn *>(entry),
                                      &array);
            hr |= addIn->OnStartupComplete(&array);
        }));
        AddIn.Shutdown.push_back(bench::TimeMs([&] {
            hr |= addIn->OnBeginShutdown(&array);
            hr |= addIn->OnDisconnection(ext_dm_HostShutdown, &array);
        }));
        AddIn.Failed = AddIn.Failed || FAILED(hr);
        addIn.Reset();
    }
    host.World().Shutdown();
    if (library != nullptr)
        FreeLibrary(library);
}

// The framework's own cost: how many times the bare add-in's time, and how much more.
void ReportRatio(const wchar_t *What, double Framework, double Bare) {
    std::printf("%-48ls %10.2fx  (%+.3f ms)\n", What, Bare > 0 ? Framework / Bare : 0.0, Framework - Bare);
}

} // namespace

int main() {
    CoInitialize(nullptr);
    bool failed = false;
    {
        bench::ScratchRegistry registry;
        TAddInUnderTest tessary{L"Tessary", bench::TessaryPath(), bench::CLSID_TSY, L"Tessary.TSY",
                                L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}"};
        TAddInUnderTest bare{L"bare add-in", bench::WinePath(OFFICESIM_TEST_ADDIN_DLL),
                             CLSID_OfficesimTestConnect, L"OfficesimTest.Connect",
                             L"{463016CE-55EB-4241-9102-36CE4F25F6BC}"};
        // Taken in turns, so that both meet the machine in the same state.
        for (int run = 0; run < 5; ++run)
            for (TAddInUnderTest *addIn : {&tessary, &bare})
                Session(*addIn);
        for (TAddInUnderTest *addIn : {&tessary, &bare}) {
            std::printf("%ls in a simulated Outlook 2010, median of %u sessions%s\n", addIn->Name,
                        static_cast<unsigned>(addIn->Startup.size()),
                        addIn->Failed ? " (a call failed!)" : "");
            bench::Report(L"load (LoadLibrary + class factory + object)", bench::Median(addIn->Load));
            bench::Report(L"start-up (OnConnection + OnStartupComplete)", bench::Median(addIn->Startup),
                          1000);
            bench::Report(L"shutdown (OnBeginShutdown + OnDisconnection)", bench::Median(addIn->Shutdown),
                          500);
            failed = failed || addIn->Failed;
        }
        std::printf("Tessary against the bare add-in (the framework's own cost)\n");
        ReportRatio(L"load", bench::Median(tessary.Load), bench::Median(bare.Load));
        ReportRatio(L"start-up", bench::Median(tessary.Startup), bench::Median(bare.Startup));
        ReportRatio(L"shutdown", bench::Median(tessary.Shutdown), bench::Median(bare.Shutdown));
    }
    CoUninitialize();
    return failed ? 1 : 0;
}
