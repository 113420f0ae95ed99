// What the Word bar tests run in: COM initialised, the registry redirected to scratch keys, message
// boxes answered by a hook (and counted as errors), a simulated Word 2003 with its command bars and
// the templates that keep them across restarts, and the test add-in started and stopped in it as
// Word does. At the end no module, sink or deferred object of the add-in may be left.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "TestEnvironment.h"
#include "WordBarsTestModule.h"
#include "classlib/ComPtr.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/WordCustomization.h"
#include "hostsim/WordHost.h"
#include "office/office.h"

namespace wordbars {

using AtQuit = hostsim::WordCustomization::AtQuit;

class WordBarsFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh Word with a fresh normal template and one document, and no records of the add-in.
    void NewWord();
    // Word loads the add-in at its start; false when a call of the start failed (an injected fault).
    bool Start();
    // Word quits: begin-shutdown and disconnection.
    void Stop();
    // Word quits (the add-in with it) and starts again with its templates as What leaves them; the add-in
    // is started again.
    void Restart(AtQuit What);
    // The user opens a second document: its window activates, and the module's bars follow it.
    void SwitchWindow() { word_->NewDocument(); }

    hostsim::CommandBarSet &Set() { return bars_->Set(); }
    hostsim::BarRef Bar(const std::wstring &Name) { return Set().FindBar(Name); }
    // Every control of the host with Tag (in any bar, popups included).
    std::vector<hostsim::ControlRef> Tagged(const std::wstring &Tag);
    // What the user has, one line each: each bar of Word's (name, whether shown, dock, template) with
    // its controls (kind, Id, tag, caption, face, flags, lists, in order), then the add-in's records.
    std::string Picture();
    // The lines of Expected that Actual lacks ("- ") and those it has beyond them ("+ "); "order" when
    // only the order differs; empty when both are the same.
    static std::string Difference(const std::string &Expected, const std::string &Actual);
    // The calls of Member with arguments since the log was cleared.
    std::vector<std::wstring> Writes(const std::wstring &Member) const;
    std::wstring AddInKey() const;

    classlib::ComPtr<IDTExtensibility2> addIn_;
    SAFEARRAY *custom_ = nullptr;
    std::unique_ptr<hostsim::WordHost> word_;
    hostsim::CommandBarsObject *bars_ = nullptr;
    std::unique_ptr<hostsim::WordCustomization> templates_;

private:
    std::optional<testsupport::TTestEnvironment> environment_;
};

} // namespace wordbars
