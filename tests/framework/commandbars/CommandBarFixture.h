// What the command-bar tests run in: COM initialised, the registry pointed at scratch keys of the
// test's own, a module of the tests' own (no form resource: tests read form text into it) bound
// to a simulated Outlook's command bars, errors and handler calls recorded, and a fake factory of
// Office event sinks that records what it advised. At the end the module is freed and no reference
// to the simulated bars may be left.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/OutlookHost.h"

namespace cbtest {

class TCommandBarTestModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TCommandBarTestModule)
public:
    explicit TCommandBarTestModule(classlib::TComponent *AOwner);

    // "Click:<caption>", "Change:<caption>", "Error:<message>", "Created:<tag>", in order.
    std::vector<std::wstring> Log;
    bool FailHandlers = false;
    bool Reenter = false;              // a click handler runs the sender's action again
    std::function<void()> DuringClick; // runs inside a click handler

    void ModuleError(const classlib::Exception &E, bool &Handled);
    void ButtonClick(classlib::TObject *Sender);
    void ListChange(classlib::TObject *Sender);
    void BeforeAdd(framework::TzidOlInspectorCommandBar *CmdBar, IDispatch *Inspector, bool &Cancel);

    // The engine's creation step, played by the test (unset: nothing is built).
    void CreateControl(framework::TzidCommandBarControl *Control, framework::TzidCustomCommandBar *Bar,
                       framework::TzidCommandBarPopup *Parent) override;
    std::function<void(framework::TzidCommandBarControl *, framework::TzidCustomCommandBar *,
                       framework::TzidCommandBarPopup *)>
        OnCreateControl;
};

// One advice the fake sink factory made.
struct TSinkRecord {
    framework::TzidCommandBarControl *Control;
    bool Disconnected = false;
};

class CommandBarTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // The host's version ("11.0" unless a test class says otherwise) and kind.
    virtual std::wstring HostVersion() const { return L"11.0"; }

    // A fresh simulated Outlook with its command bars and a fresh module bound to them; DropHost frees
    // both, checking that nothing of the host is still held.
    void NewHost();
    void DropHost();
    // A fresh module bound to the host's command bars (the one before must be freed).
    void NewModule();
    // The host and the add-in start again: the module is freed and a fresh one bound to the host's
    // command bars as they are after a restart.
    void RestartModule();
    // Control creation is left to the module's own engine.
    void UseEngine();
    // The module's log lines that start with Kind ("Error:" ...).
    std::vector<std::wstring> Lines(const std::wstring &Kind) const;
    std::vector<std::wstring> Errors() const { return Lines(L"Error:"); }
    // Reads the objects of Body (form text) into the module.
    void ReadForm(const std::wstring &Body);
    std::wstring WriteForm();

    // The Office side.
    hostsim::CommandBarSet &Set() { return sim_->Set(); }
    hostsim::BarRef OfficeBar(const std::wstring &Name) { return Set().FindBar(Name); }
    // A bar of the add-in's own in the host (temporary unless said otherwise).
    hostsim::BarRef AddOfficeBar(const std::wstring &Name, bool Temporary = true);
    hostsim::ControlRef AddOfficeControl(const hostsim::BarRef &Bar, long Type, const std::wstring &Tag);
    classlib::ComPtr<CommandBar> BarObject(const hostsim::BarRef &Bar);
    classlib::ComPtr<CommandBarControl> ControlObject(const hostsim::ControlRef &Control);
    // The Office control a framework control is bound to (null when unbound or foreign).
    hostsim::ControlRef ModelOf(const framework::TzidCommandBarControl &Control);
    hostsim::SimObject &Sim(const hostsim::ControlRef &Control);
    // The calls of Member with arguments (property writes and methods) since the log was cleared.
    std::vector<std::wstring> Writes(const std::wstring &Member) const;
    void ClearLog() { outlook_->Log().Clear(); }
    // A "\Controls" or "\CommandBars" number; -1 when missing.
    static int Record(const std::wstring &Key, const std::wstring &Name);
    static void WriteRecord(const std::wstring &Key, const std::wstring &Name, DWORD Value);

    std::unique_ptr<hostsim::OutlookHost> outlook_;
    hostsim::CommandBarsObject *sim_ = nullptr;
    TCommandBarTestModule *module_ = nullptr;
    std::vector<TSinkRecord> sinks_;
    std::vector<std::wstring> shownMessages_;

private:
    std::optional<testsupport::TTestEnvironment> environment_;
    framework::TzidControlEventSinkFactory previousFactory_;
};

// Form text of a module holding Body.
std::wstring ModuleForm(const std::wstring &Body);
// "ButtonTypes" data as form text: a 32-bit count (the list's length unless Count says otherwise),
// then the kinds.
std::wstring Kinds(std::initializer_list<uint32_t> List, int Count = -1);

} // namespace cbtest
