// The simulated host officesim drives (Outlook or Word): its Application and windows, and the
// steps only it can do. The session (Session.h) does the rest: add-ins, ribbons, command bars.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hostsim/SimObject.h"
#include "officesim/Script.h"
#include "officesim/Transcript.h"

namespace officesim {

struct HostWindow {
    std::wstring name;           // the simulated object's name: "Explorer1", "Inspector2", "Window1"
    std::wstring what;           // for the transcript: "explorer on \\Personal Folders\Inbox"
    IDispatch *object = nullptr; // the window, a ribbon control's Context; valid while it is open
    std::wstring ribbonId;       // its ribbon's kind, "" when this host version shows command bars
    IUnknown *commandBars = nullptr;
};

class HostDriver {
public:
    virtual ~HostDriver() = default;

    // The host's name as its add-ins' registry key has it ("Outlook", "Word").
    virtual std::wstring Name() const = 0;
    virtual hostsim::SimWorld &World() = 0;
    virtual IDispatch *Application() = 0;

    // The windows the host shows when it starts, before any add-in is connected.
    virtual void OpenStartupWindows(Transcript &transcript) = 0;
    // The Application's Startup event.
    virtual void RaiseStartup(Transcript &transcript) = 0;
    // The open windows in the order they opened, and the active one.
    virtual std::vector<HostWindow> Windows() = 0;
    virtual std::optional<HostWindow> ActiveWindow() = 0;

    // Runs one of the host's own steps and answers true, or answers false for a step that is not
    // the host's. Raises EScriptError when the simulated host cannot do it (no such item ...).
    virtual bool Run(const Step &step, Transcript &transcript) = 0;

    // How many event connections will hear the Application's Quit.
    virtual int QuitListeners() = 0;
    // Closes every window and raises Quit.
    virtual void Quit(Transcript &transcript) = 0;
};

std::unique_ptr<HostDriver> MakeOutlookDriver(int version, const std::wstring &versionText);
std::unique_ptr<HostDriver> MakeWordDriver(int version, const std::wstring &versionText);

// The item kinds open-inspector knows.
bool IsItemKind(const std::wstring &kind);

} // namespace officesim
