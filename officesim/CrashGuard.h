// A crash inside an add-in (an access violation or the like that nothing handles) ends the run with
// a clear report and exit code kExitCrash instead of a debugger. What officesim was doing at the
// time (the current Activity) names the culprit.
#pragma once
#include <string>

namespace officesim {

constexpr int kExitCrash = 3;

// Installs the handlers; once per process.
void InstallCrashGuard();

// Names what officesim is doing while it lives ("OnConnection of Some.AddIn"); restores the outer
// activity afterwards. Starting one forgets any serious exception seen before.
class Activity {
public:
    explicit Activity(std::wstring what);
    ~Activity();
    Activity(const Activity &) = delete;
    Activity &operator=(const Activity &) = delete;

private:
    std::wstring outer_;
};

// A serious exception (access violation, illegal instruction ...) raised since the current activity
// began and handled by someone on the way, as text, or empty. A call that then fails reports it,
// since the callee's own handler may have turned a crash into a failure code.
std::wstring SeriousExceptionNote();

} // namespace officesim
