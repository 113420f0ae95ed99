// The test server driven by clients no one here wrote: Wine's regsvr32 registers it, cscript
// creates it by ProgID and calls it through IDispatch.
#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"

#include <gtest/gtest.h>

#include <string>

using namespace classlib;

namespace {

const wchar_t kProgID[] = L"TessaryTestServer.TestObject";
const wchar_t kClassID[] = L"{A9897487-DF6D-4DC3-8F91-FABEF0F1BD8A}";

// Inside Wine the Unix root is drive Z:.
std::wstring DosPath(const char *unixPath) {
    std::wstring path = L"Z:" + Utf8ToWide(unixPath);
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

struct RunResult {
    DWORD exitCode = 0xdeadbeef;
    std::string output;
};

// Runs a command line with its output in a temporary file; gives up after a minute.
RunResult RunProgram(std::wstring commandLine) {
    RunResult result;
    wchar_t dir[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, dir);
    GetTempFileNameW(dir, L"tsy", 0, file);
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE out = CreateFileW(file, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = out;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                       nullptr, &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, 60000) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 0xdead);
        GetExitCodeProcess(pi.hProcess, &result.exitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        SetFilePointer(out, 0, nullptr, FILE_BEGIN);
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(out, buffer, sizeof(buffer), &read, nullptr) && read > 0)
            result.output.append(buffer, read);
    }
    CloseHandle(out);
    DeleteFileW(file);
    return result;
}

std::wstring RegisteredClassID() {
    CLSID clsid{};
    return SUCCEEDED(CLSIDFromProgID(kProgID, &clsid)) ? GUIDToString(clsid) : L"";
}

} // namespace

TEST(ScriptClient, RegisterCallFromScriptUnregister) {
    CoInitialize(nullptr);
    const std::wstring dll = DosPath(TEST_COMSERVER_DLL);
    const std::wstring unregister = L"regsvr32.exe /u /s \"" + dll + L"\"";
    struct Cleanup {
        std::wstring command;
        ~Cleanup() { RunProgram(command); } // also when an assertion below ends the test early
    } cleanup{unregister};

    ASSERT_EQ(RunProgram(L"regsvr32.exe /s \"" + dll + L"\"").exitCode, 0u);
    EXPECT_EQ(RegisteredClassID(), kClassID);

    RunResult script = RunProgram(L"cscript.exe //nologo \"" + DosPath(TEST_SCRIPT) + L"\"");
    // cscript exits 0 even on an uncaught script error: the script's own OK line is the verdict.
    EXPECT_NE(script.output.find("OK script client"), std::string::npos) << script.output;
    EXPECT_EQ(script.exitCode, 0u) << script.output;

    EXPECT_EQ(RunProgram(unregister).exitCode, 0u);
    EXPECT_EQ(RegisteredClassID(), L"");
}
