// The build of one generated bar of 10, 100 and 1,000 buttons in a simulated Outlook 2003 explorer,
// from scratch and reused after a restart; medians of five, and the growth per tenfold.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "classlib/Classes.h"
#include "classlib/Reader.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/OutlookHost.h"

namespace cbbench {

class TBenchModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TBenchModule)
public:
    explicit TBenchModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
        SetSupportedApps({framework::ohaOutlook});
    }
};
CLASSLIB_DEFINE_CLASS(TBenchModule, framework::TzidCOMAddInModule, (void)b;)

} // namespace cbbench

namespace {

using cbbench::TBenchModule;

std::wstring Form(int Controls) {
    std::wstring kinds = L"{";
    auto put = [&kinds](unsigned v) {
        wchar_t hex[9];
        swprintf(hex, 9, L"%02x%02x%02x%02x", v & 255, (v >> 8) & 255, (v >> 16) & 255, v >> 24);
        kinds += hex;
    };
    put(static_cast<unsigned>(Controls));
    for (int i = 0; i < Controls; ++i)
        put(0);
    kinds += L"}";
    std::wstring form = L"object Module: TBenchModule\nobject Bar1: TzidCommandBar CommandBarName = 'Bench' "
                        L"Temporary = False "
                        L"ButtonTypes = " +
                        kinds + L" Buttons = <\n";
    for (int i = 0; i < Controls; ++i)
        form += L"item Caption = 'B" + std::to_wstring(i) + L"' OfficeTag = 'tag" + std::to_wstring(i) +
                L"' end\n";
    return form + L"> end\nend\n";
}

// One start: a module reads the form and builds its bar; answers the build's time.
double BuildOnce(hostsim::OutlookHost &Outlook, hostsim::CommandBarsObject &Bars, const std::wstring &Text) {
    auto *module = new TBenchModule(nullptr);
    module->SetHostType(framework::ohaOutlook);
    module->SetHostApp(classlib::OleVariant(Outlook.Application()));
    classlib::ComPtr<_CommandBars> bars;
    Bars.Identity()->QueryInterface(IID__CommandBars, bars.PutVoid());
    module->SetCommandBars(std::move(bars));
    classlib::ReadComponentForm(Text, module);
    const double ms = bench::TimeMs([&] { module->CreateCommandBars(); });
    classlib::Free(module);
    return ms;
}

} // namespace

int main() {
    OleInitialize(nullptr);
    HKEY scratch = nullptr;
    RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\TessaryCommandBarBench", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &scratch, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, scratch);
    framework::SetControlEventSinkFactory(nullptr); // the build alone
    framework::RegisterCommandBarClasses();
    framework::InstallShortcuts();
    classlib::RegisterClass(TBenchModule::StaticClass());
    double previous[2] = {0, 0};
    for (int size : {10, 100, 1000}) {
        std::vector<double> fresh, reused;
        const std::wstring text = Form(size);
        for (int run = 0; run < 5; ++run) {
            hostsim::OutlookHost outlook(L"11.0");
            auto host = hostsim::AttachCommandBars(outlook);
            auto *bars = outlook.World().Create<hostsim::CommandBarsObject>(
                hostsim::catalogue::OutlookExplorer(), host);
            fresh.push_back(BuildOnce(outlook, *bars, text));
            bars->Restart();
            reused.push_back(BuildOnce(outlook, *bars, text));
            outlook.World().Shutdown();
        }
        const double medians[2] = {bench::Median(fresh), bench::Median(reused)};
        const wchar_t *kinds[2] = {L"from scratch", L"reused"};
        for (int k = 0; k < 2; ++k) {
            bench::Report(L"Outlook 2003 bar of " + std::to_wstring(size) + L" buttons, " + kinds[k],
                          medians[k]);
            if (previous[k] > 0)
                wprintf(L"    ratio per tenfold: %.1f\n", medians[k] / previous[k]);
            previous[k] = medians[k];
        }
    }
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(scratch);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\TessaryCommandBarBench");
    OleUninitialize();
    return 0;
}
