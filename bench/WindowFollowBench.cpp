// How long Outlook waits for the add-in while its bars and task panes follow the windows: an
// inspector opened on a mail (its bar found or built, its controls bound, its panes made) and closed
// again (its panes deleted, its controls unbound, its wrapper dropped), and a folder switch in the
// explorer (the explorer bars filtered; the explorer open at start-up got its bars and panes then). First
// Outlook 2003 with Tessary.dll and the product's bars, loaded the way Office loads it, and with a test
// module whose inspector and explorer bars hold 100 buttons each; then Outlook 2010, a version that makes
// task panes, with a test module of the same bars and 10 task panes that every explorer and inspector gets.
// Each figure is the median of five sessions in a fresh Outlook, beside Office's 500 ms limit for an add-in's
// share of a window event.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "WindowFollowBench.h"
#include "classlib/AutoObject.h"
#include "classlib/Classes.h"
#include "classlib/ComObjectFactory.h"
#include "classlib/ComPtr.h"
#include "classlib/ComServer.h"
#include "classlib/Exceptions.h"
#include "classlib/LateBinding.h"
#include "classlib/Reader.h"
#include "classlib/SafeArray.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "framework/windows/HostWindowsEngine.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/TaskPaneObject.h"
#include "office/office.h"

namespace ol = hostsim::ol;

namespace winbench {

constexpr int kButtons = 100;
constexpr int kPanes = 10;

// The control the panes show, registered for the program's run so that the host finds its ProgID as
// Office would.
class TBenchPaneControl : public classlib::TAutoObjectImpl<IWindowBenchPane> {};

classlib::TAutoObjectFactory &PaneControlFactory() {
    static classlib::TAutoObjectFactory factory(classlib::ComServer(),
                                                classlib::TComObjectFactory::ComClass<TBenchPaneControl>(),
                                                CLSID_WindowBenchPane, L"WindowBenchPane",
                                                L"window benchmark pane control", classlib::ciMultiInstance);
    return factory;
}

// Inspector and explorer bars of 100 buttons each; the explorer bar serves mail and contacts, its
// buttons mail only, so a switch between them shows or hides every button. From Outlook 2007 on a bar
// is built only when it is meant for the ribbon's Outlook too: InspectorExtra marks the inspector's
// (the explorer's is by default).
std::wstring Bars(const std::wstring &InspectorExtra) {
    std::wstring kinds = L"{";
    auto put = [&kinds](unsigned v) {
        wchar_t hex[9];
        swprintf(hex, 9, L"%02x%02x%02x%02x", v & 255, (v >> 8) & 255, (v >> 16) & 255, v >> 24);
        kinds += hex;
    };
    put(kButtons);
    for (int i = 0; i < kButtons; ++i)
        put(0);
    kinds += L"}";
    auto buttons = [&](const std::wstring &prefix, const std::wstring &filter) {
        std::wstring text = L" ButtonTypes = " + kinds + L" Buttons = <\n";
        for (int i = 0; i < kButtons; ++i)
            text += L"item Caption = '" + prefix + std::to_wstring(i) + L"' OfficeTag = '" + prefix +
                    std::to_wstring(i) + L"' " + filter + L" end\n";
        return text + L">";
    };
    return L"object Inspector1: TzidOlInspectorCommandBar CommandBarName = 'Bench Item' " + InspectorExtra +
           buttons(L"i", L"") +
           L" end\n"
           L"object Explorer1: TzidOlExplorerCommandBar CommandBarName = 'Bench Folder' "
           L"ItemTypes = [zidOLMailItem, zidOLContactItem]" +
           buttons(L"e", L"olItemTypeAction = zidOLActionShow olExplorerItemTypes = [zidOLMailItem]") +
           L" end\n";
}

std::wstring Form() {
    return L"object Module: TWindowBenchModule AddInName = 'Window Bench' SupportedApps = [ohaOutlook]\n" +
           Bars(L"") + L"end\n";
}

// The same bars and 10 panes for every explorer and inspector.
std::wstring PaneForm() {
    std::wstring panes = L"TaskPanes = <\n";
    for (int i = 0; i < kPanes; ++i)
        panes += L"item ControlProgID = '" + PaneControlFactory().ProgID() + L"' Title = 'Bench Pane " +
                 std::to_wstring(i) + L"' end\n";
    return L"object Module: TPaneBenchModule AddInName = 'Pane Bench' SupportedApps = [ohaOutlook]\n" +
           panes + L">\n" + Bars(L"UseForRibbon = True") + L"end\n";
}

class TWindowBenchModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TWindowBenchModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;
    // The design comes from the text above instead of a form resource.
    void AfterConstruction() override { classlib::ReadComponentForm(Form(), this); }
};
CLASSLIB_DEFINE_CLASS(TWindowBenchModule, framework::TzidCOMAddInModule, (void)b;)

class TPaneBenchModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TPaneBenchModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;
    void AfterConstruction() override { classlib::ReadComponentForm(PaneForm(), this); }
};
CLASSLIB_DEFINE_CLASS(TPaneBenchModule, framework::TzidCOMAddInModule, (void)b;)

class TWindowBenchAddIn : public framework::TdivAzore {};
class TPaneBenchAddIn : public framework::TdivAzore {};

framework::TzidFactory &BenchFactory() {
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TWindowBenchAddIn>(),
                                          CLSID_WindowBenchAddIn, TWindowBenchModule::StaticClass(),
                                          L"WindowBenchAddIn", L"window benchmark add-in");
    return factory;
}

framework::TzidFactory &PaneBenchFactory() {
    static framework::TzidFactory factory(
        classlib::ComServer(), classlib::TComObjectFactory::ComClass<TPaneBenchAddIn>(), CLSID_PaneBenchAddIn,
        TPaneBenchModule::StaticClass(), L"PaneBenchAddIn", L"window benchmark add-in with task panes");
    return factory;
}

// The control's class keys, written for the program's run and removed again.
class TPaneControlRegistration {
public:
    TPaneControlRegistration() { Update(true); }
    ~TPaneControlRegistration() { Update(false); }
    TPaneControlRegistration(const TPaneControlRegistration &) = delete;
    TPaneControlRegistration &operator=(const TPaneControlRegistration &) = delete;

private:
    // A control the host cannot find shows as missing panes in the sessions' checks.
    static void Update(bool Register) noexcept {
        try {
            PaneControlFactory().UpdateRegistry(Register);
        } catch (const classlib::Exception &E) {
            std::printf("The pane control's class keys could not be %s: %ls\n",
                        Register ? "written" : "removed", E.Message().c_str());
        }
    }
};

} // namespace winbench

namespace {

constexpr int kRuns = 5;
constexpr double kOfficeLimitMs = 500;

classlib::ComPtr<IDTExtensibility2> AddInOf(framework::TzidFactory &Factory) {
    classlib::ComPtr<IDTExtensibility2> addIn;
    Factory.CreateInstance(nullptr, IID_IDTExtensibility2, addIn.PutVoid());
    return addIn;
}

// A session's host and add-in, and what it checks besides the time.
struct TSetup {
    const wchar_t *Version;
    std::function<classlib::ComPtr<IDTExtensibility2>()> NewAddIn;
    bool TestBars = false; // the test module's bars are checked
    bool Panes = false;    // the host's task-pane factory is handed over and the panes checked
};

struct TTimes {
    std::vector<double> Open, Close, Switch;
    std::vector<std::wstring> Faults;
};

// The controls of a bar in a window (only the visible ones if Visible), or -1.
long BenchButtons(IDispatch *Window, const wchar_t *Bar, bool Visible = false) {
    try {
        classlib::ComPtr<IDispatch> bars = classlib::DispGet(Window, L"CommandBars").ToDispatch();
        classlib::ComPtr<IDispatch> bar = classlib::DispGet(bars.Get(), L"Item", {Bar}).ToDispatch();
        classlib::ComPtr<IDispatch> controls = classlib::DispGet(bar.Get(), L"Controls").ToDispatch();
        long count = classlib::DispGet(controls.Get(), L"Count").ToInt(), shown = 0;
        for (long i = 1; Visible && i <= count; ++i)
            shown += classlib::DispGet(classlib::DispGet(controls.Get(), L"Item", {i}).ToDispatch().Get(),
                                       L"Visible")
                         .ToBool();
        return Visible ? shown : count;
    } catch (const classlib::Exception &) {
        return -1;
    }
}

// One session in a fresh Outlook with an explorer on the inbox: the add-in starts (handed the host's
// task-pane factory between connection and start-up complete, as Office does), then each step is
// timed once, then Outlook shuts the add-in down.
void Session(const TSetup &Setup, TTimes &Times) {
    bench::ScratchRegistry registry;
    hostsim::OutlookHost outlook(Setup.Version);
    hostsim::AttachCommandBars(outlook);
    hostsim::SimOutlookExplorer *explorer = outlook.OpenExplorer(outlook.DefaultFolder(ol::olFolderInbox));
    hostsim::SimOutlookItem *mail =
        outlook.AddItem(outlook.DefaultFolder(ol::olFolderInbox), ol::olMail, L"Bench");
    hostsim::TaskPaneFactory *panes = nullptr;
    if (Setup.Panes)
        panes = outlook.World().Create<hostsim::TaskPaneFactory>(outlook.Application(), nullptr);
    auto check = [&](bool Holds, const wchar_t *Fault) {
        if (!Holds)
            Times.Faults.push_back(Fault);
        return Holds;
    };
    // The live panes of a window, or of every window.
    auto livePanes = [&](IDispatch *Window) {
        size_t count = 0;
        for (hostsim::TaskPaneObject *pane :
             panes ? panes->Panes() : std::vector<hostsim::TaskPaneObject *>{})
            count += Window == nullptr || pane->Window() == Window;
        return count;
    };
    const size_t windowPanes = panes ? winbench::kPanes : 0;

    classlib::ComPtr<IDTExtensibility2> addIn = Setup.NewAddIn();
    classlib::TSafeArray custom(VT_VARIANT, 0);
    SAFEARRAY *array = custom.Get();
    if (!check(addIn &&
                   SUCCEEDED(addIn->OnConnection(outlook.Application(), ext_cm_Startup, nullptr, &array)),
               L"no connection"))
        return;
    if (panes) {
        classlib::ComPtr<ICustomTaskPaneConsumer> consumer;
        check(SUCCEEDED(addIn->QueryInterface(__uuidof(ICustomTaskPaneConsumer), consumer.PutVoid())) &&
                  SUCCEEDED(consumer->CTPFactoryAvailable(panes)),
              L"the pane factory refused");
    }
    if (check(SUCCEEDED(addIn->OnStartupComplete(&array)), L"no start-up complete")) {
        if (Setup.TestBars)
            check(BenchButtons(explorer, L"Bench Folder", true) == winbench::kButtons,
                  L"the explorer's bar is not complete");
        check(livePanes(explorer) == windowPanes, L"the explorer has not its panes");
        hostsim::SimOutlookInspector *inspector = nullptr;
        Times.Open.push_back(bench::TimeMs([&] { inspector = outlook.OpenInspector(mail); }));
        if (Setup.TestBars)
            check(BenchButtons(inspector, L"Bench Item") == winbench::kButtons,
                  L"the inspector's bar is not complete");
        check(livePanes(inspector) == windowPanes, L"the inspector has not its panes");
        Times.Close.push_back(bench::TimeMs([&] { outlook.Close(inspector); }));
        check(livePanes(nullptr) == windowPanes, L"the inspector's panes outlived it");
        Times.Switch.push_back(bench::TimeMs(
            [&] { outlook.SwitchFolder(explorer, outlook.DefaultFolder(ol::olFolderContacts)); }));
        if (Setup.TestBars)
            check(BenchButtons(explorer, L"Bench Folder", true) == 0, L"the switch left a mail button shown");
        check(SUCCEEDED(addIn->OnBeginShutdown(&array)), L"no begin shutdown");
    }
    check(SUCCEEDED(addIn->OnDisconnection(ext_dm_HostShutdown, &array)), L"no disconnection");
    check(livePanes(nullptr) == 0, L"a pane outlived the add-in");
    addIn.Reset();
    outlook.World().Shutdown();
}

void Print(const wchar_t *What, const TTimes &Times, const wchar_t *Open) {
    std::printf("%ls, medians of %d sessions\n", What, kRuns);
    for (const std::wstring &fault : Times.Faults)
        std::printf("  FAILED: %ls\n", fault.c_str());
    bench::Report(Open, bench::Median(Times.Open), kOfficeLimitMs);
    bench::Report(L"inspector close", bench::Median(Times.Close), kOfficeLimitMs);
    bench::Report(L"folder switch", bench::Median(Times.Switch), kOfficeLimitMs);
}

} // namespace

int main() {
    OleInitialize(nullptr);
    framework::RegisterCommandBarClasses();
    framework::InstallShortcuts();
    framework::RegisterRibbonClasses();
    framework::InstallTaskPanes();
    framework::InstallHostWindows();
    classlib::RegisterClass(winbench::TWindowBenchModule::StaticClass());
    classlib::RegisterClass(winbench::TPaneBenchModule::StaticClass());
    TTimes product, test, panes;
    {
        winbench::TPaneControlRegistration control;
        HMODULE library = LoadLibraryW(bench::TessaryPath().c_str());
        const TSetup productSetup{L"11.0", [library] { return bench::NewAddIn(library); }};
        const TSetup testSetup{L"11.0", [] { return AddInOf(winbench::BenchFactory()); }, true};
        const TSetup paneSetup{L"14.0", [] { return AddInOf(winbench::PaneBenchFactory()); }, true, true};
        for (int run = 0; run < kRuns; ++run) {
            if (library != nullptr)
                Session(productSetup, product);
            else
                product.Faults.push_back(L"Tessary.dll did not load");
            Session(testSetup, test);
            Session(paneSetup, panes);
        }
        if (library != nullptr)
            FreeLibrary(library);
    }
    Print(L"Tessary.dll with the product's bars in a simulated Outlook 2003", product,
          L"inspector open with its bar");
    Print(L"A test module with 100 buttons on its inspector and explorer bars, Outlook 2003", test,
          L"inspector open with its bar");
    Print(L"The same bars and 10 task panes per window, Outlook 2010", panes,
          L"inspector open with its bar and panes");
    OleUninitialize();
    return product.Faults.empty() && test.Faults.empty() && panes.Faults.empty() ? 0 : 1;
}
