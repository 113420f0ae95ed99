// What every task-pane test runs in: COM initialised, the test control's ProgID registered for the
// suite, the user's and machine's registry pointed at scratch keys, message boxes recorded, and a
// module whose form defines three panes ("Everywhere", "Explorers" and one without a control),
// recording its pane events. At the end nothing of the add-in may be left, and no pane in the host.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "classlib/ComPtr.h"
#include "framework/core/AddInModule.h"
#include "framework/taskpanes/TaskPanes.h"
#include "office/office.h"

namespace panetest {

// The module's pane events, in order: "BeforeCreate:<title>", "AfterCreate:<title>",
// "BeforeShow:<title>", "AfterShow:<title>", "BeforeDestroy:<title>", "Visible:<0|1>:<title>" (the
// instance's VisibleState), "Dock:<title>", "Finalize", "Error:<message>".
struct TPaneLog {
    std::vector<std::wstring> Events;
    std::set<std::wstring> CancelCreate, CancelShow; // by title
    int ModulesAlive = 0;
    int Count(const std::wstring &event) const;
    int Errors() const;
};
TPaneLog &PaneLog();

class TPaneTestModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TPaneTestModule)
public:
    explicit TPaneTestModule(classlib::TComponent *AOwner);
    ~TPaneTestModule() override;

    void ModuleError(const classlib::Exception &E, bool &Handled);
    void ModuleFinalize(classlib::TObject *Sender);
    void PaneBeforeCreate(framework::TzidCustomTaskPane *Sender, IDispatch *Window, bool &Cancel);
    void PaneAfterCreate(framework::TzidCustomTaskPane *Sender,
                         framework::TzidCustomTaskPaneInstance *Instance);
    void PaneBeforeShow(framework::TzidCustomTaskPane *Sender,
                        framework::TzidCustomTaskPaneInstance *Instance, bool &Cancel);
    void PaneAfterShow(framework::TzidCustomTaskPane *Sender,
                       framework::TzidCustomTaskPaneInstance *Instance);
    void PaneBeforeDestroy(framework::TzidCustomTaskPane *Sender,
                           framework::TzidCustomTaskPaneInstance *Instance);
    void PaneVisibleStateChange(framework::TzidCustomTaskPane *Sender,
                                framework::TzidCustomTaskPaneInstance *Instance);
    void PaneDockPositionStateChange(framework::TzidCustomTaskPane *Sender,
                                     framework::TzidCustomTaskPaneInstance *Instance);
};

class PaneFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A new add-in object connected to Application at the host's start-up (or, by Mode, enabled
    // later, which runs start-up complete at once); StartAddIn also runs start-up complete.
    classlib::ComPtr<IDTExtensibility2> ConnectAddIn(IDispatch *Application, int Mode = ext_cm_Startup);
    HRESULT CompleteStartup(IDTExtensibility2 *AddIn) { return AddIn->OnStartupComplete(&custom_); }
    classlib::ComPtr<IDTExtensibility2> StartAddIn(IDispatch *Application);
    HRESULT Disconnect(IDTExtensibility2 *AddIn, int Mode);
    HRESULT HandOver(IDTExtensibility2 *AddIn, ICTPFactory *Factory);
    static framework::TzidCOMAddInModule &ModuleOf(const classlib::ComPtr<IDTExtensibility2> &AddIn);
    static framework::TzidCustomTaskPanes &PanesOf(const classlib::ComPtr<IDTExtensibility2> &AddIn) {
        return *framework::TaskPanesOf(ModuleOf(AddIn));
    }
    static const std::wstring &ControlProgID();

    std::vector<std::wstring> messages_;
    // The test's add-in object, shut down by TearDown when it is still there.
    classlib::ComPtr<IDTExtensibility2> addIn_;

private:
    SAFEARRAY *custom_ = nullptr;
    std::optional<testsupport::TTestEnvironment> environment_;
};

} // namespace panetest
