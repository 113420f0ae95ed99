#include "BackstageTestModule.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonControl.h"

namespace backstagetest {

using Self = TBackstageTestModule;

CLASSLIB_DEFINE_CLASS(TBackstageTestModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::BackstageClick>(L"BackstageClick");
                      b.Method<&Self::BackstageChange>(L"BackstageChange");
                      b.Method<&Self::PropertyChanging>(L"PropertyChanging");
                      b.Method<&Self::ItemPropertyChanging>(L"ItemPropertyChanging"))

namespace {

std::wstring IdOf(classlib::TObject *Sender) {
    framework::IzidRibbonControlInternal *node = framework::AsRibbonNode(Sender);
    return node != nullptr ? node->Id() : L"?";
}

} // namespace

void TBackstageTestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TBackstageTestModule::BackstageClick(classlib::TObject *Sender, IRibbonControl *RibbonControl) {
    auto *control = dynamic_cast<framework::TzidRibbonCustomControl *>(Sender);
    Log.push_back(L"Click:" + IdOf(Sender) + L":" +
                  (control != nullptr && control->InAction() ? L"1" : L"0"));
    if (Reenter && control != nullptr) {
        framework::TzidRibbonActionArguments args;
        args.RibbonControl.CopyFrom(RibbonControl);
        control->DoAction(args);
    }
    if (FailHandlers)
        throw classlib::Exception(L"The click of " + IdOf(Sender) + L" failed.");
}

void TBackstageTestModule::BackstageChange(classlib::TObject *Sender, IRibbonControl *) {
    Log.push_back(L"Change:" + IdOf(Sender));
    if (FailHandlers)
        throw classlib::Exception(L"The change of " + IdOf(Sender) + L" failed.");
}

void TBackstageTestModule::PropertyChanging(classlib::TObject *Sender,
                                            framework::TzidRibbonControlPropertyType PropertyType,
                                            classlib::OleVariant &Value, IDispatch *) {
    Log.push_back(L"Property:" + IdOf(Sender) + L":" +
                  classlib::EnumTypeInfo<framework::TzidRibbonControlPropertyType>().NameOf(PropertyType));
    if (Answer.Type() != VT_EMPTY)
        Value = Answer;
}

void TBackstageTestModule::ItemPropertyChanging(classlib::TObject *Sender,
                                                framework::TzidRibbonControlPropertyType PropertyType,
                                                classlib::OleVariant &Value, IDispatch *, int Index) {
    Log.push_back(L"ItemProperty:" + IdOf(Sender) + L":" +
                  classlib::EnumTypeInfo<framework::TzidRibbonControlPropertyType>().NameOf(PropertyType) +
                  L":" + std::to_wstring(Index));
    if (Answer.Type() != VT_EMPTY)
        Value = Answer;
}

} // namespace backstagetest
