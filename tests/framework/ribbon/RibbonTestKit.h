// What the ribbon, callback and Backstage tests share: a host version of the test's choosing, the
// documents a test produces kept for the schema check, a document's lines, and the fixtures: COM
// initialised with message boxes answered by a hook that records them (a test that shows one
// fails), and an add-in object made by its factory and connected, with the host's side of a
// callback (GetIDsOfNames with the name, then Invoke with the arguments reversed and the simulated
// host's IRibbonControl objects).
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/MessageDialogs.h"
#include "classlib/OleVariant.h"
#include "classlib/StringList.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/HostVersion.h"
#include "framework/ribbon/RibbonControl.h"
#include "hostsim/RibbonControlObject.h"
#include "hostsim/SimObject.h"

namespace ribbontest {

// The host version of the test (14 until set otherwise; a negative version cannot be read), which the
// fixtures install for each test.
void SetHostVersion(int Version);

// Keeps a document for the schema check (see KeepForSchemaCheck): one file per document, named after
// the test.
void KeepDocument(const std::wstring &Xml);
// The document GetCustomUI builds for RibbonId in a host of Version, kept for the schema check.
std::wstring KeptDocument(framework::TzidCOMAddInModule &Module, const std::wstring &RibbonId, int Version);

// The lines of a document (separated by CR LF).
std::vector<std::wstring> Lines(const std::wstring &Xml);
// The line of Lines that holds Text; -1 when none does.
int LineWith(const std::vector<std::wstring> &Lines, const std::wstring &Text);

// "ControlTypes" data as form text: a 32-bit count (the list's length unless Count says otherwise),
// then the codes.
std::wstring Codes(std::initializer_list<uint32_t> List, int Count = -1);
// The entries of an attribute list, "name=value" each, in order.
std::vector<std::wstring> Entries(const classlib::TStringList &List);
std::vector<std::wstring> Attributes(const framework::IzidRibbonControlInternal &Node,
                                     int ContextMenuNumber = 0);

// A variant as the tests compare it: "True", "'text'", "7", "Empty", "Nothing", "Object".
std::wstring Shown(const classlib::OleVariant &Value);

class MessageRecordingTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::vector<std::wstring> messages_;

private:
    std::unique_ptr<classlib::TMessageBoxHookScope> hook_;
    bool oleInitialized_ = false;
    framework::THostVersionSource previousSource_ = nullptr;
};

class ConnectedAddInTest : public MessageRecordingTest {
protected:
    explicit ConnectedAddInTest(framework::TzidFactory &(*Factory)()) : factory_(Factory) {}
    void SetUp() override;
    void TearDown() override;

    framework::TdivAzore &AddIn() const {
        return *static_cast<framework::TdivAzore *>(static_cast<framework::IzidAddIn *>(addIn_.Get()));
    }

    // The host's control for Id in the window Context, as IDispatch in a variant.
    classlib::OleVariant Control(const std::wstring &Id, IDispatch *Context = nullptr);
    hostsim::RibbonControlObject &ControlObject(const std::wstring &Id, IDispatch *Context = nullptr);

    // The host's call of a callback: GetIDsOfNames(Name), then Invoke with Args given in the host's
    // order. Result, Info and ArgErr are passed on as given.
    HRESULT Call(const std::wstring &Name, std::vector<classlib::OleVariant> Args,
                 classlib::OleVariant *Result = nullptr, EXCEPINFO *Info = nullptr, UINT *ArgErr = nullptr);
    // The answer of a callback that must succeed, for the control Id (and the item Index).
    classlib::OleVariant Ask(const std::wstring &Name, const std::wstring &Id, std::optional<int> Index = {},
                             IDispatch *Context = nullptr);
    // Invoke by dispatch id alone.
    HRESULT InvokeId(DISPID Id, std::vector<classlib::OleVariant> Args,
                     classlib::OleVariant *Result = nullptr, EXCEPINFO *Info = nullptr,
                     UINT *ArgErr = nullptr);

    classlib::ComPtr<IDispatch> addIn_;
    hostsim::SimWorld world_{L"Office"};

private:
    framework::TzidFactory &(*factory_)();
};

// A ConnectedAddInTest whose add-in object made a module of class M.
template <class M> class ModuleTest : public ConnectedAddInTest {
protected:
    using ConnectedAddInTest::ConnectedAddInTest;
    void SetUp() override {
        ConnectedAddInTest::SetUp();
        if (!HasFatalFailure()) {
            ASSERT_NE(dynamic_cast<M *>(AddIn().Module()), nullptr);
        }
    }
    // The module of the add-in's current connection.
    M &Module() const { return *dynamic_cast<M *>(AddIn().Module()); }
};

} // namespace ribbontest
