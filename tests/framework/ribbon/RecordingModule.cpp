#include "RecordingModule.h"

#include "classlib/Classes.h"

namespace ribbontest {

using Self = TRecordingModule;

CLASSLIB_DEFINE_CLASS(TRecordingModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::PropertyChanging>(L"PropertyChanging");
                      b.Method<&Self::ItemPropertyChanging>(L"ItemPropertyChanging"))

void TRecordingModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log.push_back(L"Error:" + E.Message());
    Handled = true;
}

std::wstring TRecordingModule::IdOf(classlib::TObject *Sender) {
    framework::IzidRibbonControlInternal *node = framework::AsRibbonNode(Sender);
    return node != nullptr ? node->Id() : L"?";
}

void TRecordingModule::Reentered(classlib::TObject *Sender, IRibbonControl *RibbonControl) {
    auto *control = dynamic_cast<framework::TzidRibbonCustomControl *>(Sender);
    if (Reenter && control != nullptr) {
        framework::TzidRibbonActionArguments args;
        args.RibbonControl.CopyFrom(RibbonControl);
        control->DoAction(args);
    }
}

void TRecordingModule::Record(classlib::TObject *Sender,
                              framework::TzidRibbonControlPropertyType PropertyType,
                              classlib::OleVariant &Value, const std::wstring &Index) {
    Log.push_back(L"Property:" + IdOf(Sender) + L":" +
                  classlib::EnumTypeInfo<framework::TzidRibbonControlPropertyType>().NameOf(PropertyType) +
                  Index);
    if (FailHandlers)
        throw classlib::Exception(L"OnPropertyChanging failed");
    if (Answer.Type() != VT_EMPTY)
        Value = Answer;
}

void TRecordingModule::PropertyChanging(classlib::TObject *Sender,
                                        framework::TzidRibbonControlPropertyType PropertyType,
                                        classlib::OleVariant &Value, IDispatch *) {
    Record(Sender, PropertyType, Value, L"");
}

void TRecordingModule::ItemPropertyChanging(classlib::TObject *Sender,
                                            framework::TzidRibbonControlPropertyType PropertyType,
                                            classlib::OleVariant &Value, IDispatch *, int Index) {
    Record(Sender, PropertyType, Value, L":" + std::to_wstring(Index));
}

} // namespace ribbontest
