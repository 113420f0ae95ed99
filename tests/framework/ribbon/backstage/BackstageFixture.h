// What every Backstage test runs in: COM initialised, message boxes answered by a hook that records
// them, a host of the test's version, an add-in object of the test class made by its factory and
// connected, the module it read from its form (with its Backstage view), the documents a test
// produces kept for the schema check, and the host's side of a callback: GetIDsOfNames with the
// name, then Invoke with the arguments reversed and the simulated host's IRibbonControl objects.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "BackstageTestModule.h"
#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/MessageDialogs.h"
#include "classlib/OleVariant.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"
#include "framework/ribbon/RibbonModel.h"
#include "framework/ribbon/backstage/BackstageModel.h"
#include "hostsim/RibbonControlObject.h"
#include "hostsim/RibbonUIObject.h"
#include "hostsim/SimObject.h"

namespace backstagetest {

class TBackstageTestAddIn : public framework::TdivAzore {};

// The factory of BackstageTestAddIn (ProgID "TessaryBackstageTest.BackstageTestAddIn").
framework::TzidFactory &BackstageFactory();

// The lines of a document (separated by CR LF).
std::vector<std::wstring> Lines(const std::wstring &Xml);
// The line of Lines that holds Text; -1 when none does.
int LineWith(const std::vector<std::wstring> &Lines, const std::wstring &Text);
// "ControlTypes" data as form text: a 32-bit count (the list's length unless Count says otherwise),
// then the codes.
std::wstring Codes(std::initializer_list<uint32_t> List, int Count = -1);
// The entries of a node's attribute list, "name=value" each, in order.
std::vector<std::wstring> Attributes(const framework::IzidRibbonControlInternal &Node);

class BackstageTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TBackstageTestModule &Module() const;
    framework::TdivAzore &AddIn() const {
        return *static_cast<framework::TdivAzore *>(static_cast<framework::IzidAddIn *>(addIn_.Get()));
    }
    framework::TzidBackstage &View() const;
    // The model object of the form with that id (or idMso); the test fails when there is none.
    template <class T = framework::TzidRibbonCustomControl> T &Node(const std::wstring &Id) const {
        auto *node = dynamic_cast<T *>(Module().FindRibbonObject(Id));
        if (node == nullptr)
            throw classlib::Exception(L"the module holds no node " + Id + L" of the class asked for");
        return *node;
    }
    // A control of class T with Id, added to Controls by its class code.
    template <class T> T &Add(framework::TzidRibbonControls *Controls, const std::wstring &Id) {
        auto *control = dynamic_cast<T *>(Controls->AddControl(CodeOf(T::StaticClass())));
        if (control == nullptr)
            throw classlib::Exception(L"the collection made no control of the class asked for");
        control->SetId(Id);
        return *control;
    }
    static framework::TzidRibbonControlType CodeOf(const classlib::TClassInfo &Class);

    // The document GetCustomUI builds for RibbonId in a host of Version, kept for the schema check.
    std::wstring Document(const std::wstring &RibbonId, int Version = 14);
    // The module's IRibbonUI, as the host hands it over in onLoad.
    hostsim::RibbonUIObject &ConnectRibbonUI();

    // The host's call of a callback: GetIDsOfNames(Name), then Invoke with Args given in the host's
    // order.
    HRESULT Call(const std::wstring &Name, std::vector<classlib::OleVariant> Args,
                 classlib::OleVariant *Result = nullptr);
    // The host's control for Id, as IDispatch in a variant.
    classlib::OleVariant Control(const std::wstring &Id);
    // The answer of a get callback that must succeed, for the control Id (and the item Index).
    classlib::OleVariant Ask(const std::wstring &Name, const std::wstring &Id, std::optional<int> Index = {});

    classlib::ComPtr<IDispatch> addIn_;
    hostsim::SimWorld world_{L"Office"};
    std::vector<std::wstring> messages_;

private:
    std::unique_ptr<classlib::TMessageBoxHookScope> hook_;
    bool oleInitialized_ = false;
};

// A variant as the tests compare it: "True", "'text'", "7", "Empty".
std::wstring Shown(const classlib::OleVariant &Value);

} // namespace backstagetest
