// The test server driven by clients no one here wrote: Wine's regsvr32 registers it, cscript
// creates it by ProgID and calls it through IDispatch.
#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "WineProcess.h"

#include <gtest/gtest.h>

#include <string>

using namespace classlib;
using testsupport::DosPath;
using testsupport::RunProgram;

namespace {

const wchar_t kProgID[] = L"TessaryTestServer.TestObject";
const wchar_t kClassID[] = L"{A9897487-DF6D-4DC3-8F91-FABEF0F1BD8A}";

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

    ASSERT_EQ(RunProgram(L"regsvr32.exe /s \"" + dll + L"\"").ExitCode, 0u);
    EXPECT_EQ(RegisteredClassID(), kClassID);

    testsupport::TRunResult script = RunProgram(L"cscript.exe //nologo \"" + DosPath(TEST_SCRIPT) + L"\"");
    // cscript exits 0 even on an uncaught script error: the script's own OK line is the verdict.
    EXPECT_NE(script.Output.find("OK script client"), std::string::npos) << script.Output;
    EXPECT_EQ(script.ExitCode, 0u) << script.Output;

    EXPECT_EQ(RunProgram(unregister).ExitCode, 0u);
    EXPECT_EQ(RegisteredClassID(), L"");
}
