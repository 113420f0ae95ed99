// The module the Backstage tests read from its form (BackstageTestModule.form: a Backstage view with
// every Backstage class in every kind of container), with handlers the form binds and a record of
// what they saw. The officesim test add-in holds the same module.
#pragma once
#include "tests/framework/ribbon/RecordingModule.h"

namespace backstagetest {

// The click and change handlers record "Click:<id>:<InAction>" and "Change:<id>", and raise when
// FailHandlers is set.
class TBackstageTestModule : public ribbontest::TRecordingModule {
    CLASSLIB_CLASS(TBackstageTestModule)
public:
    using TRecordingModule::TRecordingModule;

    void BackstageClick(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    void BackstageChange(classlib::TObject *Sender, IRibbonControl *RibbonControl);
};

} // namespace backstagetest
