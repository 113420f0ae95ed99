// What the window tests run in: COM initialised, the registry redirected to scratch keys, message
// boxes answered by a hook, the test add-in object, and at the end the check that no module, wrapper,
// timer, object or sink is left behind. OutlookWindowsTest adds a simulated Outlook with command bars.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "TestEnvironment.h"
#include "WindowsTestModule.h"
#include "classlib/ComPtr.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/OtherHosts.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"
#include "office/office.h"

namespace wintest {

class WindowsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Stops the add-in if the test has not, lets the host go (DropHost), and checks that no error was
    // reported, every event came from its own window's wrapper, and nothing of the add-in is left.
    void TearDown() override;
    virtual void DropHost() {
        word_.reset();
        other_.reset();
    }
    // A Word 2003 with command bars and a document (returned), or another host with Word's command
    // bars; the add-in started in it.
    hostsim::SimWordDocument *StartWord();
    void StartOther(hostsim::OtherHostKind Kind, const std::wstring &Version);
    // Runs the thread's message loop until Done; false after ten seconds.
    template <class TDone> static bool PumpUntil(TDone Done) {
        const DWORD start = GetTickCount();
        for (MSG msg; !Done(); MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT)) {
            if (GetTickCount() - start > 10000)
                return false;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        return true;
    }
    static void PumpMessages() {
        for (MSG msg; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE);)
            DispatchMessageW(&msg);
    }

    // The host's calls to a new add-in object: connection at start-up and start-up complete.
    void Start(IDispatch *Application);
    // The host's shutdown (Mode 0) or the user's unload (Mode 1); the add-in object is let go.
    void Stop(int Mode = ext_dm_HostShutdown);

    framework::TdivAzore &AddIn() { return *static_cast<framework::TdivAzore *>(addIn_.Get()); }
    TWindowsModule *Module() { return static_cast<TWindowsModule *>(AddIn().Module()); }
    // Errors the module reported.
    int Errors() const;

    classlib::ComPtr<IDTExtensibility2> addIn_;
    SAFEARRAY *custom_ = nullptr;
    std::unique_ptr<hostsim::WordHost> word_;
    std::unique_ptr<hostsim::OtherHost> other_;
    hostsim::CommandBarsObject *appBars_ = nullptr; // the started host's

private:
    std::optional<testsupport::TTestEnvironment> environment_;
};

// A simulated Outlook of the version the test names, with command bars in every window.
class OutlookWindowsTest : public WindowsFixture {
protected:
    void DropHost() override { outlook_.reset(); }
    void StartOutlook(const std::wstring &Version);

    hostsim::CommandBarsObject &BarsOf(hostsim::SimOutlookWindow *Window);
    // The Office bar of Name in Window; null when there is none.
    hostsim::BarRef Bar(hostsim::SimOutlookWindow *Window, const std::wstring &Name);
    // Whether the bar is there and the user sees it.
    bool Shown(hostsim::SimOutlookWindow *Window, const std::wstring &Name);
    hostsim::SimOutlookFolder *Folder(hostsim::ol::DefaultFolder Which) {
        return outlook_->DefaultFolder(Which);
    }
    hostsim::SimOutlookInspector *OpenItem(hostsim::ol::ObjectClass Class, hostsim::ol::DefaultFolder Where);

    std::unique_ptr<hostsim::OutlookHost> outlook_;
    hostsim::SimOutlookExplorer *explorer_ = nullptr;
};

} // namespace wintest
