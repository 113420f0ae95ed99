// GetCustomUI's cost: for the product's module (Tessary.dll, through COM as the host calls it) and for
// generated modules of 100, 1,000 and 10,000 controls. The time per control has to stay flat: ten
// times the controls within twelve times the time. The program plays a version-14 host (its version
// resource, CustomUIBench.rc), so documents are written as Outlook 2010 asks for them.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "classlib/ComPtr.h"
#include "classlib/Component.h"
#include "classlib/OleString.h"
#include "framework/core/AddInModule.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonLists.h"
#include "framework/ribbon/RibbonTab.h"
#include "office/office.h"

using namespace framework;

namespace {

const wchar_t *const ExplorerId = L"Microsoft.Outlook.Explorer";

template <class T> T &Add(TzidRibbonControls *Controls, TzidRibbonControlType Code, const std::wstring &Id) {
    auto &control = dynamic_cast<T &>(*Controls->AddControl(Code));
    control.SetId(Id);
    return control;
}

// Twenty controls of the kinds a real ribbon mixes: buttons, a menu, a separator, a split button
// with its menu, a gallery with a button.
void AddUnit(TzidRibbonControls *Group, int Unit) {
    std::wstring p = L"u" + std::to_wstring(Unit) + L"_";
    for (int i = 0; i < 6; ++i)
        Add<TzidRibbonButton>(Group, rctButton, p + L"b" + std::to_wstring(i))
            .SetCaption(L"Anh\x00E4nge & mehr");
    auto &menu = Add<TzidRibbonMenu>(Group, rctMenu, p + L"m");
    for (int i = 0; i < 5; ++i)
        Add<TzidRibbonButton>(menu.Controls(), rctButton, p + L"mb" + std::to_wstring(i));
    Add<TzidRibbonSeparator>(Group, rctSeparator, p + L"s");
    auto &split = Add<TzidRibbonSplitButton>(Group, rctSplitButton, p + L"sp");
    auto &splitMenu = Add<TzidRibbonMenu>(split.Controls(), rctMenu, p + L"spm");
    for (int i = 0; i < 3; ++i)
        Add<TzidRibbonButton>(splitMenu.Controls(), rctButton, p + L"spb" + std::to_wstring(i));
    auto &gallery = Add<TzidRibbonGallery>(Group, rctGallery, p + L"g");
    Add<TzidRibbonButton>(gallery.Controls(), rctButton, p + L"gb");
}
constexpr int ControlsPerUnit = 20;
constexpr int UnitsPerGroup = 10;
constexpr int GroupsPerTab = 100;

// A module whose explorer tabs hold Controls controls (groups not counted).
std::unique_ptr<TzidCOMAddInModule> GeneratedModule(int Controls) {
    auto module = std::make_unique<TzidCOMAddInModule>(nullptr);
    module->SetSupportedApps({ohaOutlook});
    int units = Controls / ControlsPerUnit;
    TzidRibbonTab *tab = nullptr;
    TzidRibbonGroup *group = nullptr;
    for (int unit = 0; unit < units; ++unit) {
        int groupIndex = unit / UnitsPerGroup;
        if (unit % UnitsPerGroup == 0) {
            if (groupIndex % GroupsPerTab == 0) {
                tab = classlib::Create<TzidRibbonTab>(module.get());
                tab->SetId(L"tab" + std::to_wstring(groupIndex / GroupsPerTab));
                tab->SetRibbons({msrOutlookExplorer});
            }
            group = &Add<TzidRibbonGroup>(tab->Controls(), rctGroup, L"group" + std::to_wstring(groupIndex));
        }
        AddUnit(group->Controls(), unit);
    }
    return module;
}

struct TResult {
    int Controls;
    double Seconds;
    size_t Length;
};

TResult MeasureGenerated(int Controls) {
    std::unique_ptr<TzidCOMAddInModule> module = GeneratedModule(Controls);
    size_t length = BuildCustomUI(*module, ExplorerId).size(); // the first call also prunes the id list
    double seconds = bench::SecondsPerCall([&] { BuildCustomUI(*module, ExplorerId); });
    return {Controls, seconds, length};
}

// The product's module as Outlook gets it: Tessary.dll's add-in object, connected, asked through
// IRibbonExtensibility for each of its three windows.
bool MeasureProduct() {
    HMODULE library = LoadLibraryW(bench::TessaryPath().c_str());
    if (library == nullptr) {
        std::printf("product module: cannot load %s\n", TESSARY_DLL);
        return false;
    }
    bool ok = false;
    {
        classlib::ComPtr<IDTExtensibility2> addIn = bench::NewAddIn(library);
        SAFEARRAY *custom = nullptr;
        if (addIn && SUCCEEDED(addIn->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom))) {
            auto ribbon = addIn.TryAs<IRibbonExtensibility>();
            ok = static_cast<bool>(ribbon);
            for (const wchar_t *id :
                 {ExplorerId, L"Microsoft.Outlook.Mail.Read", L"Microsoft.Outlook.Mail.Compose"}) {
                if (!ok)
                    break;
                classlib::TBStr ribbonId(id);
                size_t length = 0;
                double seconds = bench::SecondsPerCall([&] {
                    BSTR xml = nullptr;
                    ok = ok && SUCCEEDED(ribbon->GetCustomUI(ribbonId.Get(), &xml));
                    length = xml ? SysStringLen(xml) : 0;
                    SysFreeString(xml);
                });
                std::printf("product module, %-31ls %9.3f ms per document (%zu characters)\n", id,
                            seconds * 1e3, length);
            }
            addIn->OnDisconnection(ext_dm_HostShutdown, &custom);
        }
        if (!ok)
            std::printf("product module: the add-in did not answer GetCustomUI\n");
    }
    FreeLibrary(library);
    return ok;
}

} // namespace

int main() {
    OleInitialize(nullptr);
    std::printf("GetCustomUI, host version 14, Outlook explorer window\n");
    bool productOk = MeasureProduct();

    std::vector<TResult> results;
    for (int controls : {100, 1000, 10000}) {
        TResult r = MeasureGenerated(controls);
        std::printf(
            "generated module, %6d controls %9.3f ms per document, %7.3f us per control (%zu characters)\n",
            r.Controls, r.Seconds * 1e3, r.Seconds * 1e6 / r.Controls, r.Length);
        results.push_back(r);
    }
    std::vector<int> sizes;
    std::vector<double> seconds;
    for (const TResult &r : results) {
        sizes.push_back(r.Controls);
        seconds.push_back(r.Seconds);
    }
    bool flat = bench::GrowsLinearly(sizes, seconds, "controls");
    std::printf("time per control %s\n", flat ? "stays flat" : "grows: GetCustomUI does not scale");
    OleUninitialize();
    return flat && productOk ? 0 : 1;
}
