// What the unload tests run in: COM initialised, the registry redirected to scratch keys, message
// boxes recorded, a module whose every handler is logged and may act (unload the add-in, free its own
// object), and Office's entry for the add-in, whose Connect = False disconnects it as the user's
// unload does. The module and its task-pane collection live on guarded pages (GuardedHeap.h): a
// framework step that reads either after its free faults. At the end nothing of the add-in may be
// left, and every heap must be valid.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "classlib/ComPtr.h"
#include "framework/core/AddInObject.h"
#include "framework/ribbon/RibbonControl.h"
#include "framework/taskpanes/TaskPanes.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/OtherHosts.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/TaskPaneFactory.h"
#include "hostsim/WordHost.h"

namespace unloadtest {

// The module's events by name ("Initialize", "StartupComplete", "NewExplorer", "Build",
// "PaneAfterCreate", "PaneBeforeDestroy", "RibbonBeforeCreate", "TabChanging", "DocumentChange",
// "PrivateCall" ...) and "Error:<message>".
struct TUnloadLog {
    std::vector<std::wstring> Events;
    // Runs inside every handler after it is logged; Sender is the handler's own object.
    std::function<void(const std::wstring &Event, classlib::TObject *Sender)> Action;
    // What each handler read of its module after its action: a module freed under its handler reads
    // as nothing here, or faults.
    std::wstring LastRead;
    int ModulesAlive = 0;
    int Count(const std::wstring &Event) const;
};
TUnloadLog &Log();

class TUnloadModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TUnloadModule)
public:
    explicit TUnloadModule(classlib::TComponent *AOwner);
    ~TUnloadModule() override;
    void AfterConstruction() override;
    static void *operator new(std::size_t Size);
    static void operator delete(void *Block) noexcept;

    void CreateControl(framework::TzidCommandBarControl *Control, framework::TzidCustomCommandBar *Bar,
                       framework::TzidCommandBarPopup *Parent) override;

private:
    void Happened(const std::wstring &Event, classlib::TObject *Sender);
    // The handler of any event whose sender is S: logs Name and runs the log's action.
    template <const wchar_t *Name, class S, class... A> void Logged(S *Sender, A...);
    void PrivateCall(LONG Code, VARIANT *Data);
    void ModuleError(const classlib::Exception &E, bool &Handled);
};

class UnloadFixture : public ::testing::Test {
protected:
    void SetUp() override;
    // Shuts the add-in down if the test has not, lets the hosts go, and checks that nothing of the
    // add-in is left and no freed block was written to.
    void TearDown() override;

    // A new add-in object connected to Application in Mode, with Office's entry for it in World; the
    // host's task-pane factory, when given, is handed over next, and start-up complete follows at the
    // host's start-up.
    void Start(hostsim::SimWorld &World, IDispatch *Application, ext_ConnectMode Mode = ext_cm_Startup,
               ICTPFactory *Factory = nullptr);
    // The host's shutdown (Mode 0) or the user's unload (Mode 1); the add-in object is let go.
    void Stop(int Mode = ext_dm_HostShutdown);
    // The user's unload through Office's entry, from inside a handler.
    void Unload();
    // A Word 2010 with command bars and Documents documents, the add-in started in it.
    void StartWord(int Documents = 1, ext_ConnectMode Mode = ext_cm_Startup);
    // Unloads at the first Event (and logs the event's order among the others).
    void UnloadAt(const std::wstring &Event);

    framework::TdivAzore &AddIn() { return *static_cast<framework::TdivAzore *>(addIn_.Get()); }
    TUnloadModule *Module() { return static_cast<TUnloadModule *>(AddIn().Module()); }
    framework::TzidCustomTaskPanes &Panes() { return *framework::TaskPanesOf(*Module()); }
    // Errors the module reported and messages the user saw.
    int Errors() const;
    // Checks that the add-in was let go and its module freed after an unload inside a handler, and
    // that the handler still read its module afterwards.
    void ExpectUnloaded();

    classlib::ComPtr<IDTExtensibility2> addIn_;
    SAFEARRAY *custom_ = nullptr;
    hostsim::ComAddInObject *entry_ = nullptr;
    std::unique_ptr<hostsim::WordHost> word_;
    std::unique_ptr<hostsim::OutlookHost> outlook_;
    std::unique_ptr<hostsim::OtherHost> other_;
    std::vector<std::wstring> messages_;

private:
    std::optional<testsupport::TTestEnvironment> environment_;
};

} // namespace unloadtest
