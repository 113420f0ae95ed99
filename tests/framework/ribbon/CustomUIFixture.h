// What the customUI tests run in: COM initialised, message boxes answered by a hook that records
// them, a host version of the test's choosing, a module of the test add-in to put tabs into, and
// every document a test produces kept for the schema check that runs after the tests
// (framework_ribbon_documents_schema, natively with xmllint).
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "RibbonTestModule.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/HostVersion.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonLists.h"
#include "framework/ribbon/RibbonTab.h"
#include "tests/framework/ribbon/ControlOfClass.h"
#include "tests/framework/ribbon/RibbonTestKit.h"

namespace customuitest {

// The tests' module (form CustomUITestModule.form) is the ribbon tests' module class, made by the
// factory of CustomUITestAddIn (ProgID "TessaryCustomUITest.CustomUITestAddIn"); errors land in its
// Log as "Error:<message>".
using TCustomUITestModule = ribbontest::TRibbonTestModule;
class TCustomUITestAddIn : public framework::TdivAzore {};
framework::TzidFactory &CustomUIFactory();
inline constexpr const wchar_t *CustomUITestProgID = L"TessaryCustomUITest.CustomUITestAddIn";

// A control of class T with Id, added to Controls.
using ribbontest::Add;

using ribbontest::KeepDocument;
using ribbontest::Lines;
using ribbontest::SetHostVersion;

class CustomUIFixture : public ribbontest::MessageRecordingTest {
protected:
    void TearDown() override;

    // The module of this test, created on first use from its form, with the test add-in's factory.
    TCustomUITestModule &Module();
    // A plain tab written for Ribbons (the module's setter rule adds the explorer's 2010 kind).
    framework::TzidRibbonTab &AddTab(const std::wstring &Id, framework::TzidRibbons Ribbons);
    // The document GetCustomUI builds for RibbonId in a host of Version, kept for the schema check.
    std::wstring Document(const std::wstring &RibbonId, int Version = 14) {
        return ribbontest::KeptDocument(Module(), RibbonId, Version);
    }

private:
    std::unique_ptr<TCustomUITestModule> module_;
};

} // namespace customuitest
