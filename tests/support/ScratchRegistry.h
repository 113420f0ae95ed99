// A registry of the test's own: while a TScratchRegistry lives, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE
// and (unless told otherwise) HKEY_CLASSES_ROOT point at fresh keys of this process (below the real
// HKEY_CURRENT_USER\Software\TessaryTests), and it deletes them when it goes. Only this process's own
// registry calls are redirected: what the system's COM look-ups read is not. One at a time: the redirection
// of a root cannot be nested.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// Which roots are redirected: the classes root too, or only the user's and the machine's (the classes
// root is then left alone).
enum class TScratchRoots { All, UserAndMachine };

class TScratchRegistry {
public:
    explicit TScratchRegistry(TScratchRoots which = TScratchRoots::All);
    ~TScratchRegistry();
    TScratchRegistry(const TScratchRegistry &) = delete;
    TScratchRegistry &operator=(const TScratchRegistry &) = delete;

    // False when a root could not be redirected (the test has failed already); a fixture asserts it
    // so that no test body writes to the real registry.
    bool Redirected() const { return redirected_; }
    // The scratch key a redirected root stands for (nullptr for a root not redirected).
    HKEY Root(HKEY predefined) const;

private:
    struct TRoot {
        HKEY Predefined;
        HKEY Key;
    };
    std::wstring path_;
    std::vector<TRoot> roots_;
    bool redirected_ = false;
};

} // namespace testsupport
