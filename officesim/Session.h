// One run of a simulated host with its add-ins, in Office's order:
//  1. the add-ins registered for the host are read; those with LoadBehavior 3 are loaded, the
//     others reported;
//  2. start-up: the host's first window opens; each add-in is created by ProgID and connected
//     (OnConnection with ext_cm_Startup and its COMAddIn); the ribbons of the open windows are
//     loaded (GetCustomUI, onLoad); the Application's Startup event; OnStartupComplete; then the
//     open windows' ribbon callbacks, or their command bars for windows without a ribbon;
//  3. the steps (a script's, or the default session); every window a step opens gets its ribbon
//     callbacks or its command bars shown, and invalidated ribbon controls are asked again;
//  4. shutdown, the usual way or Outlook 2010's fast way;
//  5. the add-ins are released and their DLLs asked whether they can be unloaded.
#pragma once
#include <string>
#include <vector>

#include "officesim/Script.h"
#include "officesim/Transcript.h"

namespace officesim {

constexpr int kExitAddInFailed = 1;
constexpr int kExitScriptError = 2;

struct SessionSettings {
    HostKind host = HostKind::Outlook;
    int version = 14;
    std::wstring versionText; // what Application.Version answers
    std::wstring program;     // the running program's file name
    std::vector<Step> steps;
    bool script = false; // the steps come from a script (else the default session)
};

// Runs the session; answers 0, kExitAddInFailed when an add-in failed a call or was refused, or
// kExitScriptError when a step could not be done.
int RunSession(const SessionSettings &settings, Transcript &transcript);

} // namespace officesim
