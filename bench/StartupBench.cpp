// Start-up and shutdown of Tessary.dll as Outlook 2010 times them: OnConnection + OnStartupComplete,
// and OnBeginShutdown + OnDisconnection, each the median of its sessions in a simulated Outlook with
// its command bars and its explorer open, as officesim plays it. Beside it the same sessions of a bare add-in
// (officesim's test add-in, which only connects to its entry and puts one button on a bar) in the same host:
// the ratio is the framework's own cost. The load (LoadLibrary, class factory, CreateInstance) is timed for
// both as well.
//
//     StartupBench [--sessions=N] [DLL ...]
//
// Each DLL named (a build of Tessary.dll, for example an older one) is measured in the same run, in
// turns with the others, and compared with the first; without one, the Tessary.dll of this build. Last,
// the steps of start-up as this build's framework takes them, in this process with the product's
// module, each the median over the sessions.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "BenchSupport.h"
#include "addin/AddInModule.h"
#include "addin/TSY.h"
#include "classlib/ComPtr.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/SafeArray.h"
#include "classlib/Trace.h"
#include "framework/Framework.h"
#include "framework/core/Factory.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace {

const CLSID CLSID_OfficesimTestConnect = {
    0x463016ce, 0x55eb, 0x4241, {0x91, 0x02, 0x36, 0xce, 0x4f, 0x25, 0xf6, 0xbc}};
const wchar_t *const TessaryGuid = L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}";

struct TAddInUnderTest {
    TAddInUnderTest(const std::wstring &AName, const std::wstring &APath, const CLSID &AClassId,
                    const wchar_t *AProgId, const wchar_t *AGuid)
        : Name(AName), Path(APath), ClassId(AClassId), ProgId(AProgId), Guid(AGuid) {}

    std::wstring Name;
    std::wstring Path;
    CLSID ClassId;
    const wchar_t *ProgId;
    const wchar_t *Guid;
    std::vector<double> Load, Startup, Shutdown;
    bool Failed = false;
};

// An Outlook 2010 with its command bars and its explorer open, as every session meets it.
struct TOutlook {
    TOutlook() { host.OpenExplorer(host.DefaultFolder(hostsim::ol::olFolderInbox)); }
    ~TOutlook() { host.World().Shutdown(); }
    hostsim::OutlookHost host{L"14.0.0.4760"};
    std::shared_ptr<hostsim::CommandBarHost> bars = hostsim::AttachCommandBars(host);
};

// Connects, starts, shuts down and disconnects AddIn in Outlook as the host does, timing start-up and
// shutdown; false when a call failed.
bool RunSession(IDTExtensibility2 &AddIn, TOutlook &Outlook, COMAddIn *Entry, std::vector<double> &Startup,
                std::vector<double> &Shutdown) {
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    HRESULT hr = S_OK;
    Startup.push_back(bench::TimeMs([&] {
        hr |= AddIn.OnConnection(Outlook.host.Application(), ext_cm_Startup, Entry, &array);
        hr |= AddIn.OnStartupComplete(&array);
    }));
    Shutdown.push_back(bench::TimeMs([&] {
        hr |= AddIn.OnBeginShutdown(&array);
        hr |= AddIn.OnDisconnection(ext_dm_HostShutdown, &array);
    }));
    return SUCCEEDED(hr);
}

// One session of AddIn in a fresh Outlook 2010: loaded, connected, shut down, let go, unloaded.
void Session(TAddInUnderTest &AddIn) {
    TOutlook outlook;
    auto *entry =
        outlook.host.World().Create<hostsim::ComAddInObject>(AddIn.ProgId, AddIn.Guid, AddIn.Name.c_str());
    HMODULE library = nullptr;
    classlib::ComPtr<IDTExtensibility2> addIn;
    AddIn.Load.push_back(bench::TimeMs([&] {
        library = LoadLibraryW(AddIn.Path.c_str());
        if (library != nullptr)
            addIn = bench::NewAddIn(library, AddIn.ClassId);
    }));
    if (!addIn) {
        std::printf("%ls: cannot load or create the add-in object\n", AddIn.Name.c_str());
        AddIn.Failed = true;
    } else {
        if (!RunSession(*addIn.Get(), outlook, static_cast<COMAddIn *>(entry), AddIn.Startup, AddIn.Shutdown))
            AddIn.Failed = true;
        addIn.Reset();
    }
    outlook.host.World().Shutdown();
    if (library != nullptr)
        FreeLibrary(library);
}

// ---- the start-up steps, in this process ----

// The product's module with a factory of its own, as the library makes it.
framework::TzidFactory &ProductFactory() {
    static const bool classesRegistered = (framework::InstallFramework(), true);
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<tessary::TTSY>(), bench::CLSID_TSY,
        tessary::TAddInModule::StaticClass(), L"TSY", L"Tessary attachment add-in");
    (void)classesRegistered;
    return factory;
}

// The framework names each start-up step on the trace as it ends: the time since the mark before it
// is the step's. The first mark is the host's OnConnection call.
struct TStepClock {
    std::vector<std::wstring> Order;
    std::map<std::wstring, std::vector<double>> Times;
    LARGE_INTEGER Last{};
    bool Running = false;

    void Mark(const wchar_t *Channel, const std::wstring &Message) {
        LARGE_INTEGER now, frequency;
        QueryPerformanceCounter(&now);
        QueryPerformanceFrequency(&frequency);
        bool step = std::wcscmp(Channel, L"Startup") == 0 ||
                    (std::wcscmp(Channel, L"AddIn") == 0 && Message == L"OnStartupComplete");
        if (std::wcscmp(Channel, L"AddIn") == 0 && Message == L"OnConnection") {
            Running = true;
        } else if (Running && step) {
            std::vector<double> &times = Times[Message];
            if (times.empty())
                Order.push_back(Message);
            times.push_back(1000.0 * static_cast<double>(now.QuadPart - Last.QuadPart) /
                            static_cast<double>(frequency.QuadPart));
        }
        if (Message == L"colour-scheme window")
            Running = false;
        QueryPerformanceCounter(&Last); // the mark's own cost goes to no step
    }
};

bool ProfileSteps(int Sessions) {
    TStepClock clock;
    bool failed = false;
    {
        classlib::TTraceSinkScope sink(
            [&clock](const wchar_t *Channel, const std::wstring &Message) { clock.Mark(Channel, Message); });
        for (int run = 0; run < Sessions; ++run) {
            TOutlook outlook;
            auto *entry =
                outlook.host.World().Create<hostsim::ComAddInObject>(L"Tessary.TSY", TessaryGuid, L"Tessary");
            classlib::ComPtr<IDTExtensibility2> addIn;
            std::vector<double> startup, shutdown;
            failed = failed ||
                     FAILED(ProductFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2),
                                                            addIn.PutVoid())) ||
                     !RunSession(*addIn.Get(), outlook, static_cast<COMAddIn *>(entry), startup, shutdown);
        }
    }
    std::printf(
        "Start-up steps of this build's framework, in this process (median of %d sessions; the first\n"
        "steps also pay for the trace that marks them)\n",
        Sessions);
    for (const std::wstring &step : clock.Order)
        bench::Report(L"  " +
                          (step == L"OnStartupComplete" ? std::wstring(L"until OnStartupComplete") : step),
                      bench::Median(clock.Times[step]));
    return !failed;
}

// The framework's own cost: how many times the bare add-in's time, and how much more.
void ReportRatio(const std::wstring &What, double Framework, double Bare) {
    std::printf("%-48ls %10.2fx  (%+.3f ms)\n", What.c_str(), Bare > 0 ? Framework / Bare : 0.0,
                Framework - Bare);
}

// A path as Wine's programs take it: "/x/y" becomes "Z:\x\y".
std::wstring DllPath(const char *Argument) {
    return Argument[0] == '/' ? bench::WinePath(Argument) : classlib::Utf8ToWide(Argument);
}

} // namespace

int main(int argc, char **argv) {
    CoInitialize(nullptr);
    bool failed = false;
    {
        bench::ScratchRegistry registry;
        int sessions = 5;
        std::vector<TAddInUnderTest> addIns;
        for (int i = 1; i < argc; ++i) {
            if (std::strncmp(argv[i], "--sessions=", 11) == 0) {
                sessions = std::max(1, std::atoi(argv[i] + 11));
                continue;
            }
            addIns.emplace_back(classlib::Utf8ToWide(argv[i]), DllPath(argv[i]), bench::CLSID_TSY,
                                L"Tessary.TSY", TessaryGuid);
        }
        if (addIns.empty())
            addIns.emplace_back(L"Tessary", bench::TessaryPath(), bench::CLSID_TSY, L"Tessary.TSY",
                                TessaryGuid);
        addIns.emplace_back(L"bare add-in", bench::WinePath(OFFICESIM_TEST_ADDIN_DLL),
                            CLSID_OfficesimTestConnect, L"OfficesimTest.Connect",
                            L"{463016CE-55EB-4241-9102-36CE4F25F6BC}");
        // Taken in turns, so that all meet the machine in the same state.
        for (int run = 0; run < sessions; ++run)
            for (TAddInUnderTest &addIn : addIns)
                Session(addIn);
        for (TAddInUnderTest &addIn : addIns) {
            std::printf("%ls in a simulated Outlook 2010, median of %u sessions%s\n", addIn.Name.c_str(),
                        static_cast<unsigned>(addIn.Startup.size()), addIn.Failed ? " (a call failed!)" : "");
            bench::Report(L"load (LoadLibrary + class factory + object)", bench::Median(addIn.Load));
            bench::Report(L"start-up (OnConnection + OnStartupComplete)", bench::Median(addIn.Startup), 1000);
            bench::Report(L"shutdown (OnBeginShutdown + OnDisconnection)", bench::Median(addIn.Shutdown),
                          500);
            failed = failed || addIn.Failed;
        }
        const TAddInUnderTest &bare = addIns.back();
        for (size_t i = 0; i + 1 < addIns.size(); ++i) {
            const TAddInUnderTest &addIn = addIns[i];
            for (const TAddInUnderTest *base :
                 {static_cast<const TAddInUnderTest *>(&addIns.front()), &bare}) {
                if (base == &addIn)
                    continue;
                std::printf("%ls against %ls\n", addIn.Name.c_str(), base->Name.c_str());
                ReportRatio(L"load", bench::Median(addIn.Load), bench::Median(base->Load));
                ReportRatio(L"start-up", bench::Median(addIn.Startup), bench::Median(base->Startup));
                ReportRatio(L"shutdown", bench::Median(addIn.Shutdown), bench::Median(base->Shutdown));
            }
        }
        failed = !ProfileSteps(sessions) || failed;
    }
    CoUninitialize();
    return failed ? 1 : 0;
}
