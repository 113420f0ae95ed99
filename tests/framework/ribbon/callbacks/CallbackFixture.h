// What every callback test runs in: an add-in object of the test class made by its factory and
// connected (see RibbonTestKit.h), and the module it made from its form.
#pragma once
#include "CallbackTestModule.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/ribbon/RibbonModel.h"
#include "tests/framework/ribbon/ControlOfClass.h"
#include "tests/framework/ribbon/RibbonTestKit.h"

namespace callbacktest {

// A control of class T with Id, added to Controls.
using ribbontest::Add;
// A variant with the text the test compares ("True", "'text'", "7", "Empty", "Nothing").
using ribbontest::Shown;

class CallbackTest : public ribbontest::ModuleTest<TCallbackTestModule> {
protected:
    CallbackTest() : ModuleTest(&CallbackFactory) {}

    // The controls of the form's group "cbGroup".
    framework::TzidRibbonControls *Group() const;
    // An item of a list control.
    static framework::TzidRibbonCustomControl &AddItem(framework::TzidRibbonCustomControl &Control,
                                                       const std::wstring &Id, const std::wstring &Caption);
};

} // namespace callbacktest
