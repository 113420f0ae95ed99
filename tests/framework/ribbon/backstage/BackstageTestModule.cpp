#include "BackstageTestModule.h"

#include "classlib/Classes.h"

namespace backstagetest {

using Self = TBackstageTestModule;

CLASSLIB_DEFINE_CLASS(TBackstageTestModule, ribbontest::TRecordingModule,
                      b.Method<&Self::BackstageClick>(L"BackstageClick");
                      b.Method<&Self::BackstageChange>(L"BackstageChange"))

void TBackstageTestModule::BackstageClick(classlib::TObject *Sender, IRibbonControl *RibbonControl) {
    auto *control = dynamic_cast<framework::TzidRibbonCustomControl *>(Sender);
    Log.push_back(L"Click:" + IdOf(Sender) + L":" +
                  (control != nullptr && control->InAction() ? L"1" : L"0"));
    Reentered(Sender, RibbonControl);
    if (FailHandlers)
        throw classlib::Exception(L"The click of " + IdOf(Sender) + L" failed.");
}

void TBackstageTestModule::BackstageChange(classlib::TObject *Sender, IRibbonControl *) {
    Log.push_back(L"Change:" + IdOf(Sender));
    if (FailHandlers)
        throw classlib::Exception(L"The change of " + IdOf(Sender) + L" failed.");
}

} // namespace backstagetest
