// What every Backstage test runs in: a host of the test's version, an add-in object of the test class
// made by its factory and connected (see RibbonTestKit.h), the module it read from its form (with its
// Backstage view), and the documents a test produces kept for the schema check.
#pragma once
#include "BackstageTestModule.h"
#include "classlib/Format.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/ribbon/backstage/BackstageModel.h"
#include "hostsim/RibbonUIObject.h"
#include "tests/framework/ribbon/ControlOfClass.h"
#include "tests/framework/ribbon/RibbonTestKit.h"

namespace backstagetest {

class TBackstageTestAddIn : public framework::TdivAzore {};

// The factory of BackstageTestAddIn (ProgID "TessaryBackstageTest.BackstageTestAddIn").
framework::TzidFactory &BackstageFactory();

using ribbontest::Lines;
using ribbontest::LineWith;
// A variant as the tests compare it: "True", "'text'", "7", "Empty".
using ribbontest::Shown;
// A control of class T with Id, added to Controls by its class code.
using ribbontest::Add;
using ribbontest::Attributes;
using ribbontest::Codes;

class BackstageTest : public ribbontest::ModuleTest<TBackstageTestModule> {
protected:
    BackstageTest() : ModuleTest(&BackstageFactory) {}

    framework::TzidBackstage &View() const;
    // The model object of the form with that id (or idMso); the test fails when there is none.
    template <class T = framework::TzidRibbonCustomControl> T &Node(const std::wstring &Id) const {
        auto *node = dynamic_cast<T *>(Module().FindRibbonObject(Id));
        if (node == nullptr)
            throw classlib::Exception(L"the module holds no node " + Id + L" of the class asked for");
        return *node;
    }
    // The document GetCustomUI builds for RibbonId in a host of Version, kept for the schema check.
    std::wstring Document(const std::wstring &RibbonId, int Version = 14) {
        return ribbontest::KeptDocument(Module(), RibbonId, Version);
    }
    // The module's IRibbonUI, as the host hands it over in onLoad.
    hostsim::RibbonUIObject &ConnectRibbonUI();
};

} // namespace backstagetest
