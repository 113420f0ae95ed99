// The cost of a ribbon callback as the host pays it: GetIDsOfNames, then Invoke, of
// GetLabel_Callback and OnActionCommon_Callback, for the product's module (Tessary.dll through COM)
// and for generated modules of 100, 1,000 and 10,000 controls. The host asks every control of
// every window, so the time per call has to stay flat however many controls the module holds.
// The yardstick beside them: the same calls of two methods of a minimal dual object that do nothing
// but answer, through the standard ITypeInfo::Invoke; the ratio is what the framework adds.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BareDual.h"
#include "BenchSupport.h"
#include "classlib/Classes.h"
#include "classlib/ComPtr.h"
#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/taskpanes/TaskPanesEngine.h"
#include "hostsim/RibbonControlObject.h"
#include "office/office.h"

using namespace framework;
using classlib::ComPtr;
using classlib::OleVariant;

namespace {

// A module built in code: no form to read.
class TBenchModule : public TzidCOMAddInModule {
    CLASSLIB_CLASS(TBenchModule)
public:
    using TzidCOMAddInModule::TzidCOMAddInModule;
    void AfterConstruction() override {}
    void Click(classlib::TObject *, IRibbonControl *) { ++Clicks; }
    int Clicks = 0;
};
CLASSLIB_DEFINE_CLASS(TBenchModule, TzidCOMAddInModule)

class TBenchAddIn : public TdivAzore {};

TzidFactory &BenchFactory() {
    // The add-in objects answer the ribbon's callbacks once its engine is installed.
    static const bool registered = (RegisterRibbonClasses(), InstallTaskPanes(), true);
    (void)registered;
    static TzidFactory factory(classlib::ComServer(), classlib::TComObjectFactory::ComClass<TBenchAddIn>(),
                               bench::CLSID_TSY, TBenchModule::StaticClass(), L"TSY", L"callback benchmark");
    return factory;
}

// The median of five runs of Body, each repeated until it took 50 ms, per call of Body, in
// microseconds. Reset runs before each run, outside the time.
template <class Body, class Reset> double MicrosecondsPerCall(Body &&body, Reset &&reset) {
    int repeats = 1;
    while (bench::TimeMs([&] {
               for (int i = 0; i < repeats; ++i)
                   body();
           }) < 50 &&
           repeats < (1 << 20)) {
        reset();
        repeats *= 2;
    }
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run) {
        reset();
        runs.push_back(bench::TimeMs([&] {
                           for (int i = 0; i < repeats; ++i)
                               body();
                       }) *
                       1000.0 / repeats);
    }
    return bench::Median(runs);
}

// The yardstick: a dual object whose IDispatch is its type library's (ITypeInfo::GetIDsOfNames and
// ITypeInfo::Invoke) and whose methods do nothing. It lives on the stack of the measurement: Release
// never frees it.
class TBareDual : public IBareDual {
public:
    explicit TBareDual(ITypeInfo *Info) : info_(Info) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
                       IsEqualIID(riid, IID_IBareDual)
                   ? static_cast<IBareDual *>(this)
                   : nullptr;
        return *ppv != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *Count) override {
        *Count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **Info) override {
        info_->AddRef();
        *Info = info_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *Names, UINT Count, LCID, DISPID *Ids) override {
        return info_->GetIDsOfNames(Names, Count, Ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID Id, REFIID, LCID, WORD Flags, DISPPARAMS *Params, VARIANT *Result,
                                     EXCEPINFO *ExcepInfo, UINT *ArgErr) override {
        return info_->Invoke(static_cast<IBareDual *>(this), Id, Flags, Params, Result, ExcepInfo, ArgErr);
    }
    HRESULT STDMETHODCALLTYPE Noop(IDispatch *) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE Label(IDispatch *, BSTR *Answer) override {
        *Answer = SysAllocString(L"Antworten");
        return *Answer != nullptr ? S_OK : E_OUTOFMEMORY;
    }

private:
    ITypeInfo *info_;
};

// The host's call of one callback with one control.
struct TCallback {
    IDispatch *AddIn;
    std::wstring Name;
    OleVariant Control;
    bool Ok = true;

    void operator()() {
        LPOLESTR names[] = {Name.data()};
        DISPID id = DISPID_UNKNOWN;
        DISPPARAMS params{reinterpret_cast<VARIANTARG *>(&Control), nullptr, 1, 0};
        OleVariant result;
        Ok = Ok && SUCCEEDED(AddIn->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)) &&
             SUCCEEDED(AddIn->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                     result.Put(), nullptr, nullptr));
    }
};

// The label question and the click, by the names Names, for the control Id; false when a call failed.
bool Measure(IDispatch *AddIn, hostsim::SimWorld &World, const std::wstring &Module, const std::wstring &Id,
             double Times[2], const wchar_t *const Names[2] = nullptr) {
    static const wchar_t *const callbacks[2] = {L"GetLabel_Callback", L"OnActionCommon_Callback"};
    const wchar_t *const *names = Names != nullptr ? Names : callbacks;
    OleVariant control(
        static_cast<IRibbonControl *>(World.Create<hostsim::RibbonControlObject>(Id, nullptr)));
    bool ok = true;
    for (int i = 0; i < 2; ++i) {
        TCallback call{AddIn, names[i], control};
        // The simulated host records every call it receives: the record is let go between runs.
        Times[i] = MicrosecondsPerCall(call, [&] { World.Log().Clear(); });
        ok = ok && call.Ok;
    }
    std::printf("%-34ls %9.2f us %-17ls %9.2f us %ls%s\n", Module.c_str(), Times[0], names[0], Times[1],
                names[1], ok ? "" : "  (a call failed!)");
    return ok;
}

// The yardstick's Label and Noop, with a control as the callbacks get it.
bool MeasureBare(hostsim::SimWorld &World, double Times[2]) {
    ComPtr<ITypeLib> library;
    ComPtr<ITypeInfo> info;
    if (FAILED(LoadTypeLibEx(bench::WinePath(BARE_DUAL_TLB).c_str(), REGKIND_NONE, library.Put())) ||
        FAILED(library->GetTypeInfoOfGuid(IID_IBareDual, info.Put()))) {
        std::printf("bare dual object: cannot read its type library %s\n", BARE_DUAL_TLB);
        return false;
    }
    TBareDual object(info.Get());
    static const wchar_t *const names[2] = {L"Label", L"Noop"};
    return Measure(&object, World, L"bare dual object (ITypeInfo)", L"tsyExplorerReply", Times, names);
}

// A module of Controls buttons, 100 to a group and 100 groups to a tab; the last button is asked.
bool MeasureGenerated(hostsim::SimWorld &World, int Controls, double Times[2]) {
    ComPtr<IDTExtensibility2> addIn;
    SAFEARRAY *custom = nullptr;
    if (FAILED(BenchFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn.PutVoid())) ||
        FAILED(addIn->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom)))
        return false;
    auto &object = *static_cast<TdivAzore *>(addIn.Get());
    auto &module = *dynamic_cast<TBenchModule *>(object.Module());
    TzidRibbonTab *tab = nullptr;
    TzidRibbonControls *group = nullptr;
    std::wstring last;
    for (int i = 0; i < Controls; ++i) {
        if (i % 10000 == 0) {
            tab = classlib::Create<TzidRibbonTab>(&module);
            tab->SetId(L"tab" + std::to_wstring(i / 10000));
        }
        if (i % 100 == 0)
            group = tab->Controls()->AddControl(rctGroup)->GetControls();
        auto *button = dynamic_cast<TzidRibbonButton *>(group->AddControl(rctButton));
        last = L"button" + std::to_wstring(i);
        button->SetId(last);
        button->SetCaption(L"Anh\x00E4nge " + std::to_wstring(i));
        button->OnClick = classlib::MakeEvent<&TBenchModule::Click>(&module);
    }
    bool ok = Measure(object.AddInDispatch(), World,
                      L"generated module, " + std::to_wstring(Controls) + L" controls", last, Times);
    ok = ok && module.Clicks > 0;
    addIn->OnDisconnection(ext_dm_HostShutdown, &custom);
    return ok;
}

// The product's module as Outlook 2010's explorer gets it: Tessary.dll's add-in object, connected,
// its document asked for, its reply button asked and clicked.
bool MeasureProduct(hostsim::SimWorld &World, double Times[2]) {
    HMODULE library = LoadLibraryW(bench::TessaryPath().c_str());
    if (library == nullptr) {
        std::printf("product module: cannot load %s\n", TESSARY_DLL);
        return false;
    }
    bool ok = false;
    {
        ComPtr<IDTExtensibility2> addIn = bench::NewAddIn(library);
        SAFEARRAY *custom = nullptr;
        classlib::TBStr explorer(L"Microsoft.Outlook.Explorer");
        classlib::TBStr xml;
        if (addIn && SUCCEEDED(addIn->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom)) &&
            SUCCEEDED(addIn.As<IRibbonExtensibility>()->GetCustomUI(explorer.Get(), xml.Put()))) {
            ok = Measure(addIn.As<IDispatch>().Get(), World, L"product module (tsyExplorerReply)",
                         L"tsyExplorerReply", Times);
            addIn->OnDisconnection(ext_dm_HostShutdown, &custom);
        }
        if (!ok)
            std::printf("product module: the add-in did not answer\n");
    }
    FreeLibrary(library);
    return ok;
}

} // namespace

int main() {
    OleInitialize(nullptr);
    bool ok = true;
    {
        hostsim::SimWorld world(L"Outlook");
        std::printf("ribbon callbacks through IDispatch (GetIDsOfNames + Invoke), median of five runs\n");
        double bare[2] = {}, product[2] = {};
        ok = MeasureBare(world, bare);
        ok = MeasureProduct(world, product) && ok;
        std::vector<std::pair<int, std::vector<double>>> results;
        for (int controls : {100, 1000, 10000}) {
            double times[2] = {};
            ok = MeasureGenerated(world, controls, times) && ok;
            results.push_back({controls, {times[0], times[1]}});
        }
        for (size_t i = 1; i < results.size(); ++i)
            std::printf("%d controls against %d: %.2fx the time for GetLabel_Callback, %.2fx for "
                        "OnActionCommon_Callback\n",
                        results[i].first, results[i - 1].first,
                        results[i].second[0] / results[i - 1].second[0],
                        results[i].second[1] / results[i - 1].second[1]);
        const auto ratio = [&](const wchar_t *Module, double Label, double Click) {
            std::printf("%ls against the bare dual object: %.2fx for GetLabel_Callback, %.2fx for "
                        "OnActionCommon_Callback (goal: at most 2x)\n",
                        Module, bare[0] > 0 ? Label / bare[0] : 0.0, bare[1] > 0 ? Click / bare[1] : 0.0);
        };
        ratio(L"product module", product[0], product[1]);
        ratio(L"10,000 controls", results.back().second[0], results.back().second[1]);
    }
    OleUninitialize();
    return ok ? 0 : 1;
}
