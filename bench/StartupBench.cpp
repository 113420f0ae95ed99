// Start-up and shutdown of Tessary.dll as Outlook 2010 times them: OnConnection + OnStartupComplete,
// and OnBeginShutdown + OnDisconnection, each the median of five sessions in a simulated Outlook.
#include <cstdio>

#include "BenchSupport.h"
#include "classlib/ComPtr.h"
#include "classlib/SafeArray.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/OutlookHost.h"
#include "office/office.h"

namespace {

const CLSID CLSID_TSY = {0x61ec72b0, 0x88a2, 0x4e92, {0xa6, 0x45, 0xb5, 0xcc, 0x1d, 0x54, 0x75, 0xa8}};

using GetClassObjectProc = HRESULT(STDAPICALLTYPE *)(REFCLSID, REFIID, void **);

classlib::ComPtr<IDTExtensibility2> NewAddIn(HMODULE library) {
    auto getClassObject =
        reinterpret_cast<GetClassObjectProc>(reinterpret_cast<void *>(GetProcAddress(library, "DllGetClassObject")));
    classlib::ComPtr<IClassFactory> factory;
    classlib::ComPtr<IDTExtensibility2> addIn;
    if (getClassObject && SUCCEEDED(getClassObject(CLSID_TSY, IID_IClassFactory, factory.PutVoid())))
        factory->CreateInstance(nullptr, IID_IDTExtensibility2, addIn.PutVoid());
    return addIn;
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
        std::vector<double> startup, shutdown;
        for (int run = 0; run < 5; ++run) {
            hostsim::OutlookHost host(L"14.0.0.4760");
            auto *entry = host.World().Create<hostsim::ComAddInObject>(
                L"Tessary.TSY", L"{61EC72B0-88A2-4E92-A645-B5CC1D5475A8}", L"Tessary");
            classlib::TSafeArray custom(VT_VARIANT, 0);
            SAFEARRAY *array = custom.Get();
            classlib::ComPtr<IDTExtensibility2> addIn = NewAddIn(library);
            if (!addIn) {
                std::printf("cannot create the add-in object\n");
                return 1;
            }
            HRESULT hr = S_OK;
            startup.push_back(bench::TimeMs([&] {
                hr |= addIn->OnConnection(host.Application(), ext_cm_Startup, static_cast<COMAddIn *>(entry),
                                          &array);
                hr |= addIn->OnStartupComplete(&array);
            }));
            shutdown.push_back(bench::TimeMs([&] {
                hr |= addIn->OnBeginShutdown(&array);
                hr |= addIn->OnDisconnection(ext_dm_HostShutdown, &array);
            }));
            if (FAILED(hr))
                status = 1;
            addIn.Reset();
            host.World().Shutdown();
        }
        std::printf("Tessary.dll in a simulated Outlook 2010, median of %u sessions%s\n",
                    static_cast<unsigned>(startup.size()), status ? " (a call failed!)" : "");
        bench::Report(L"start-up (OnConnection + OnStartupComplete)", bench::Median(startup), 1000);
        bench::Report(L"shutdown (OnBeginShutdown + OnDisconnection)", bench::Median(shutdown), 500);
        FreeLibrary(library);
    }
    CoUninitialize();
    return status;
}
