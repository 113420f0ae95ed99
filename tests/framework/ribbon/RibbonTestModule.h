// A module for the ribbon tests: made without a form resource (tests read form text into it), with
// handlers a form can bind and a record of what they saw, and a simulated IRibbonUI that keeps the
// re-query requests.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/core/AddInModule.h"
#include "framework/ribbon/RibbonModel.h"
#include "hostsim/RibbonUIObject.h"
#include "hostsim/SimObject.h"
#include "tests/framework/ribbon/RecordingModule.h"
#include "tests/framework/ribbon/RibbonTestKit.h"

namespace ribbontest {

class TRibbonTestModule : public TRecordingModule {
    CLASSLIB_CLASS(TRibbonTestModule)
public:
    explicit TRibbonTestModule(classlib::TComponent *AOwner);

    // Set by a handler to the sender's InAction. The handlers record "Click:<id>", "Change:<id>" and
    // "Create:<id>", and raise "<what> failed" when FailHandlers is set.
    bool SawInAction = false;

    void RibbonClick(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void RibbonChange(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void MenuCreate(classlib::TObject *Sender);

private:
    void Record(const std::wstring &What, classlib::TObject *Sender);
};

// A fresh module supporting Word and Outlook (the product's hosts), errors recorded in its Log.
class RibbonTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    framework::TzidRibbonTab *NewTab();
    // The module's IRibbonUI, as the host hands it over in onLoad.
    hostsim::RibbonUIObject &ConnectRibbonUI();
    // Reads form text (the module's own object, "object Module: TRibbonTestModule ... end") into the
    // module; the module's earlier components stay.
    void ReadForm(const std::wstring &Text);
    std::wstring WriteForm();

    TRibbonTestModule *module_ = nullptr;
    hostsim::SimWorld world_{L"Outlook"};
};

// A tab "Tab" holding a group "Group" to put controls into.
class RibbonGroupTest : public RibbonTest {
protected:
    void SetUp() override;
    // A control of type Code with Id, added to In (the group when none).
    template <class T>
    T *Add(framework::TzidRibbonControlType Code, const std::wstring &Id,
           framework::TzidRibbonControls *In = nullptr) {
        auto *control = static_cast<T *>((In != nullptr ? In : group_->Controls())->AddControl(Code));
        control->SetId(Id);
        return control;
    }

    framework::TzidRibbonTab *tab_ = nullptr;
    framework::TzidRibbonGroup *group_ = nullptr;
};

// A module form with a tab holding one group with a control of every class, events bound to the
// module's handlers; its tab's ribbon kinds differ from its group's, its split button's menu from
// the split button's.
std::wstring EveryClassForm();

} // namespace ribbontest
