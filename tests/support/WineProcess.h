// What tests that drive other programs share: paths as Wine's programs take them, a program run
// with its output captured, and a temporary file.
#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// A Unix path as a Windows path inside Wine, where the Unix root is drive Z:.
std::wstring DosPath(const char *unixPath);

struct TRunResult {
    DWORD ExitCode = 0xdeadbeef; // left so when the program could not be started
    std::string Output;          // standard output and error, in the order written
};

// Runs a command line with its output in a temporary file (Wine's helper processes keep inherited
// pipes open); a program still running after timeoutMs is ended.
TRunResult RunProgram(std::wstring commandLine, DWORD timeoutMs = 120000);

// A temporary file holding text, removed with the object.
class TTempFile {
public:
    explicit TTempFile(const std::string &text);
    ~TTempFile();
    TTempFile(const TTempFile &) = delete;
    TTempFile &operator=(const TTempFile &) = delete;
    const std::wstring &Path() const { return path_; }

private:
    std::wstring path_;
};

} // namespace testsupport
