// What every callback test runs in: COM initialised, message boxes answered by a hook that records
// them, an add-in object of the test class made by its factory and connected, the module it made
// from its form, and the host's side of a callback: GetIDsOfNames with the name, then Invoke with
// the arguments reversed and the simulated host's IRibbonControl objects.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "CallbackTestModule.h"
#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/MessageDialogs.h"
#include "classlib/OleString.h"
#include "classlib/OleVariant.h"
#include "framework/ribbon/RibbonModel.h"
#include "hostsim/RibbonControlObject.h"
#include "hostsim/SimObject.h"
#include "tests/framework/ribbon/ControlOfClass.h"

namespace callbacktest {

// A control of class T with Id, added to Controls.
using ribbontest::Add;

class CallbackTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The module of the add-in's current connection.
    TCallbackTestModule &Module() const;
    framework::TdivAzore &AddIn() const {
        return *static_cast<framework::TdivAzore *>(static_cast<framework::IzidAddIn *>(addIn_.Get()));
    }
    // The controls of the form's group "cbGroup".
    framework::TzidRibbonControls *Group() const;
    // An item of a list control.
    static framework::TzidRibbonCustomControl &AddItem(framework::TzidRibbonCustomControl &Control,
                                                       const std::wstring &Id, const std::wstring &Caption);

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
    std::vector<std::wstring> messages_;

private:
    std::unique_ptr<classlib::TMessageBoxHookScope> hook_;
    bool oleInitialized_ = false;
};

// A variant of type Vt with the text the test compares ("True", "'text'", "7", "Empty", "Nothing").
std::wstring Shown(const classlib::OleVariant &Value);

} // namespace callbacktest
