#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

#include "classlib/Format.h"

namespace bench {

double TimeMs(const std::function<void()> &body) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    body();
    QueryPerformanceCounter(&end);
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const std::wstring &name, double medianMs, double limitMs, const char *limitName) {
    if (limitMs > 0)
        std::printf("%-48ls %10.3f ms   (%s %.0f ms: %.4f of it)\n", name.c_str(), medianMs, limitName,
                    limitMs, medianMs / limitMs);
    else
        std::printf("%-48ls %10.3f ms\n", name.c_str(), medianMs);
    std::fflush(stdout);
}

std::wstring WinePath(const char *UnixPath) {
    std::wstring path = L"Z:" + classlib::Utf8ToWide(UnixPath);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring TessaryPath() {
    return WinePath(TESSARY_DLL);
}

ScratchRegistry::ScratchRegistry()
    : path_(classlib::Format(L"Software\\TessaryBench\\%u", {static_cast<unsigned>(GetCurrentProcessId())})) {
    RegCreateKeyExW(HKEY_CURRENT_USER, (path_ + L"\\HKCU").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &user_, nullptr);
    RegCreateKeyExW(HKEY_CURRENT_USER, (path_ + L"\\HKLM").c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &machine_, nullptr);
    RegOverridePredefKey(HKEY_CURRENT_USER, user_);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, machine_);
}

ScratchRegistry::~ScratchRegistry() {
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    RegCloseKey(user_);
    RegCloseKey(machine_);
    RegDeleteTreeW(HKEY_CURRENT_USER, path_.c_str());
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\TessaryBench");
}

bool GrowsLinearly(const std::vector<int> &Sizes, const std::vector<double> &Seconds, const char *Unit) {
    bool linear = true;
    for (size_t i = 1; i < Sizes.size(); ++i) {
        double ratio = Seconds[i] / Seconds[i - 1];
        bool judged = i + 1 == Sizes.size();
        bool within = ratio <= 12.0 || !judged;
        linear = linear && within;
        std::printf("ratio %d/%d %s: %.2fx the time for 10x the %s (%s): %s\n", Sizes[i], Sizes[i - 1], Unit,
                    ratio, Unit, judged ? "limit 12x" : "not judged", within ? "ok" : "TOO SLOW");
    }
    return linear;
}

const CLSID CLSID_TSY = {0x61ec72b0, 0x88a2, 0x4e92, {0xa6, 0x45, 0xb5, 0xcc, 0x1d, 0x54, 0x75, 0xa8}};

classlib::ComPtr<IDTExtensibility2> NewAddIn(HMODULE Library, const CLSID &ClassId) {
    using GetClassObjectProc = HRESULT(STDAPICALLTYPE *)(REFCLSID, REFIID, void **);
    classlib::ComPtr<IDTExtensibility2> addIn;
    if (Library == nullptr)
        return addIn;
    auto getClassObject = reinterpret_cast<GetClassObjectProc>(
        reinterpret_cast<void *>(GetProcAddress(Library, "DllGetClassObject")));
    classlib::ComPtr<IClassFactory> factory;
    if (getClassObject && SUCCEEDED(getClassObject(ClassId, IID_IClassFactory, factory.PutVoid())))
        factory->CreateInstance(nullptr, IID_IDTExtensibility2, addIn.PutVoid());
    return addIn;
}

} // namespace bench
