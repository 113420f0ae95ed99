// How long Outlook 2003 waits for the add-in while its bars follow the windows: an inspector opened
// on a mail (its bar found or built, its controls bound) and closed again (its controls unbound, its
// wrapper dropped), and a folder switch in the explorer (the explorer bars filtered). First with
// Tessary.dll and the product's bars, loaded the way Office loads it; then with a test module whose
// inspector and explorer bars hold 100 buttons each. Each figure is the median of five sessions in a
// fresh Outlook, beside Office's 500 ms limit for an add-in's share of a window event.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "WindowFollowBench.h"
#include "classlib/Classes.h"
#include "classlib/ComPtr.h"
#include "classlib/ComServer.h"
#include "classlib/Reader.h"
#include "classlib/SafeArray.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace ol = hostsim::ol;

namespace winbench {

// Inspector and explorer bars of 100 buttons each; the explorer bar serves mail and contacts, its
// buttons mail only, so a switch between them shows or hides every button.
std::wstring Form() {
    std::wstring kinds = L"{";
    auto put = [&kinds](unsigned v) {
        wchar_t hex[9];
        swprintf(hex, 9, L"%02x%02x%02x%02x", v & 255, (v >> 8) & 255, (v >> 16) & 255, v >> 24);
        kinds += hex;
    };
    put(100);
    for (int i = 0; i < 100; ++i)
        put(0);
    kinds += L"}";
    // The explorer's buttons are for mails only: a switch to contacts hides each of them.
    auto buttons = [&](const std::wstring &prefix, const std::wstring &filter) {
        std::wstring text = L" ButtonTypes = " + kinds + L" Buttons = <\n";
        for (int i = 0; i < 100; ++i)
            text += L"item Caption = '" + prefix + std::to_wstring(i) + L"' OfficeTag = '" + prefix +
                    std::to_wstring(i) + L"' " + filter + L" end\n";
        return text + L">";
    };
    return L"object Module: TWindowBenchModule AddInName = 'Window Bench' SupportedApps = [ohaOutlook]\n"
           L"object Inspector1: TzidOlInspectorCommandBar CommandBarName = 'Bench Item'" +
           buttons(L"i", L"") +
           L" end\n"
           L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Bench Folder' "
           L"ItemTypes = [zidOLMailItem, zidOLContactItem]" +
           buttons(L"e", L"olItemTypeAction = zidOLActionShow olExplorerItemTypes = [zidOLMailItem]") +
           L" end\nend\n";
}

class TWindowBenchModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TWindowBenchModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;
    // The design comes from the text above instead of a form resource.
    void AfterConstruction() override { classlib::ReadComponentForm(Form(), this); }
};
CLASSLIB_DEFINE_CLASS(TWindowBenchModule, framework::TzidCOMAddInModule, (void)b;)

class TWindowBenchAddIn : public framework::TdivAzore {};

framework::TzidFactory &BenchFactory() {
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TWindowBenchAddIn>(),
                                          CLSID_WindowBenchAddIn, TWindowBenchModule::StaticClass(),
                                          L"WindowBenchAddIn", L"window benchmark add-in");
    return factory;
}

} // namespace winbench

namespace {

constexpr int kRuns = 5;
constexpr double kOfficeLimitMs = 500;
const CLSID CLSID_TSY = {0x61ec72b0, 0x88a2, 0x4e92, {0xa6, 0x45, 0xb5, 0xcc, 0x1d, 0x54, 0x75, 0xa8}};
using GetClassObjectProc = HRESULT(STDAPICALLTYPE *)(REFCLSID, REFIID, void **);

classlib::ComPtr<IDTExtensibility2> ProductAddIn(HMODULE library) {
    auto getClassObject = reinterpret_cast<GetClassObjectProc>(
        reinterpret_cast<void *>(GetProcAddress(library, "DllGetClassObject")));
    classlib::ComPtr<IClassFactory> factory;
    classlib::ComPtr<IDTExtensibility2> addIn;
    if (getClassObject && SUCCEEDED(getClassObject(CLSID_TSY, IID_IClassFactory, factory.PutVoid())))
        factory->CreateInstance(nullptr, IID_IDTExtensibility2, addIn.PutVoid());
    return addIn;
}

classlib::ComPtr<IDTExtensibility2> TestModuleAddIn() {
    classlib::ComPtr<IDTExtensibility2> addIn;
    winbench::BenchFactory().CreateInstance(nullptr, IID_IDTExtensibility2, addIn.PutVoid());
    return addIn;
}

struct TTimes {
    std::vector<double> Open, Close, Switch;
    bool Failed = false;
};

// One session in a fresh Outlook 2003 with an explorer on the inbox: the add-in starts, then the
// three steps are timed once each, then Outlook shuts the add-in down.
void Session(const std::function<classlib::ComPtr<IDTExtensibility2>()> &NewAddIn, TTimes &Times) {
    bench::ScratchRegistry registry;
    hostsim::OutlookHost outlook(L"11.0");
    hostsim::AttachCommandBars(outlook);
    hostsim::SimOutlookExplorer *explorer = outlook.OpenExplorer(outlook.DefaultFolder(ol::olFolderInbox));
    hostsim::SimOutlookItem *mail =
        outlook.AddItem(outlook.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Bench");
    classlib::ComPtr<IDTExtensibility2> addIn = NewAddIn();
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    if (!addIn || FAILED(addIn->OnConnection(outlook.Application(), ext_cm_Startup, nullptr, &array)) ||
        FAILED(addIn->OnStartupComplete(&array))) {
        Times.Failed = true;
        return;
    }
    hostsim::SimOutlookInspector *inspector = nullptr;
    Times.Open.push_back(bench::TimeMs([&] { inspector = outlook.OpenInspector(mail); }));
    Times.Close.push_back(bench::TimeMs([&] { outlook.Close(inspector); }));
    Times.Switch.push_back(
        bench::TimeMs([&] { outlook.SwitchFolder(explorer, outlook.DefaultFolder(ol::olFolderContacts)); }));
    Times.Failed |=
        FAILED(addIn->OnBeginShutdown(&array)) || FAILED(addIn->OnDisconnection(ext_dm_HostShutdown, &array));
    addIn.Reset();
    outlook.World().Shutdown();
}

void Print(const wchar_t *What, const TTimes &Times) {
    std::printf("%ls, medians of %d sessions%s\n", What, kRuns, Times.Failed ? " (a call failed!)" : "");
    bench::Report(L"inspector open with its bar", bench::Median(Times.Open), kOfficeLimitMs);
    bench::Report(L"inspector close", bench::Median(Times.Close), kOfficeLimitMs);
    bench::Report(L"folder switch", bench::Median(Times.Switch), kOfficeLimitMs);
}

} // namespace

int main() {
    OleInitialize(nullptr);
    framework::RegisterCommandBarClasses();
    classlib::RegisterClass(winbench::TWindowBenchModule::StaticClass());
    HMODULE library = LoadLibraryW(bench::TessaryPath().c_str());
    TTimes product, test;
    for (int run = 0; run < kRuns; ++run) {
        if (library != nullptr)
            Session([library] { return ProductAddIn(library); }, product);
        else
            product.Failed = true;
        Session(TestModuleAddIn, test);
    }
    Print(L"Tessary.dll with the product's bars in a simulated Outlook 2003", product);
    Print(L"A test module with 100 buttons on its inspector and explorer bars", test);
    if (library != nullptr)
        FreeLibrary(library);
    OleUninitialize();
    return product.Failed || test.Failed ? 1 : 0;
}
