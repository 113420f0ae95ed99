#include "RegisteredServer.h"

#include "WineProcess.h"

namespace testsupport {

bool RegisterServer(const char *dll) {
    return RunProgram(L"regsvr32.exe /s \"" + DosPath(dll) + L"\"").ExitCode == 0;
}

void UnregisterServer(const char *dll) {
    RunProgram(L"regsvr32.exe /u /s \"" + DosPath(dll) + L"\"");
}

} // namespace testsupport
