// What every benchmark shares: a clock, medians, the library under test and a scratch registry.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "office/office.h"

namespace bench {

// Milliseconds taken by body.
double TimeMs(const std::function<void()> &body);
double Median(std::vector<double> values);

// The median of five runs of Body, each repeated until it took 50 ms, per call of Body, in seconds.
template <class Body> double SecondsPerCall(Body &&body) {
    int repeats = 1;
    while (TimeMs([&] {
               for (int i = 0; i < repeats; ++i)
                   body();
           }) < 50 &&
           repeats < (1 << 16))
        repeats *= 2;
    std::vector<double> runs;
    for (int run = 0; run < 5; ++run)
        runs.push_back(TimeMs([&] {
                           for (int i = 0; i < repeats; ++i)
                               body();
                       }) /
                       1000.0 / repeats);
    return Median(runs);
}
// Prints "name: median ms (limit ms, fraction of it)"; limit 0 prints no limit.
void Report(const std::wstring &name, double medianMs, double limitMs = 0,
            const char *limitName = "Office's limit");

// The product's add-in class (Tessary.TSY).
extern const CLSID CLSID_TSY;
// A new add-in object of ClassId from Library's class factory, as a host makes one; null when the
// library does not give one.
classlib::ComPtr<IDTExtensibility2> NewAddIn(HMODULE Library, const CLSID &ClassId = CLSID_TSY);

// A file of the build, in the form Wine's programs take ("Z:\...").
std::wstring WinePath(const char *UnixPath);
// Tessary.dll as built, in that form.
std::wstring TessaryPath();

// Points HKEY_CURRENT_USER and HKEY_LOCAL_MACHINE at scratch keys for the program's lifetime, so a
// benchmark leaves the prefix as it found it.
class ScratchRegistry {
public:
    ScratchRegistry();
    ~ScratchRegistry();

private:
    HKEY user_ = nullptr, machine_ = nullptr;
    std::wstring path_;
};

// Prints the time ratio of each tenfold step of sizes (Seconds[i] for Sizes[i]) and answers whether the
// work grows linearly. A small document stays in the caches and needs no fresh pages, which flatters
// it: only the step between the two largest sizes is judged (at most 12x for 10x the size).
bool GrowsLinearly(const std::vector<int> &Sizes, const std::vector<double> &Seconds, const char *Unit);

} // namespace bench
