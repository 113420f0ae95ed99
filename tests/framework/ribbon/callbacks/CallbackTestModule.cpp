#include "CallbackTestModule.h"

#include "CallbackTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "framework/ribbon/RibbonModel.h"

namespace callbacktest {

using Self = TCallbackTestModule;

CLASSLIB_DEFINE_CLASS(TCallbackTestModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::RibbonMenuClick>(L"RibbonMenuClick");
                      b.Method<&Self::RibbonLoaded>(L"RibbonLoaded"))

void TCallbackTestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TCallbackTestModule::RibbonMenuClick(classlib::TObject *, IRibbonControl *RibbonControl) {
    classlib::TBStr id;
    classlib::OleCheck(RibbonControl->get_Id(id.Put()));
    if (id.ToString() == L"cbReply")
        Log.push_back(L"Click:reply with attachments");
    else if (id.ToString() == L"cbBroken")
        throw classlib::Exception(L"The attachments cannot be zipped.");
    else
        Log.push_back(L"Click:" + id.ToString());
}

void TCallbackTestModule::RibbonLoaded(classlib::TObject *Sender, IRibbonUI *RibbonUI) {
    LoadedRibbon = RibbonUI;
    Log.push_back(Sender == this ? L"Loaded" : L"Loaded by another sender");
    if (FailHandlers)
        throw classlib::Exception(L"OnRibbonLoaded failed");
}

void TCallbackTestModule::Record(classlib::TObject *Sender,
                                 framework::TzidRibbonControlPropertyType PropertyType,
                                 classlib::OleVariant &Value, const std::wstring &Index) {
    framework::IzidRibbonControlInternal *node = framework::AsRibbonNode(Sender);
    Log.push_back(L"Property:" + (node != nullptr ? node->Id() : L"?") + L":" +
                  classlib::EnumTypeInfo<framework::TzidRibbonControlPropertyType>().NameOf(PropertyType) +
                  Index);
    if (FailHandlers)
        throw classlib::Exception(L"OnPropertyChanging failed");
    if (Answer.Type() != VT_EMPTY)
        Value = Answer;
}

void TCallbackTestModule::PropertyChanging(classlib::TObject *Sender,
                                           framework::TzidRibbonControlPropertyType PropertyType,
                                           classlib::OleVariant &Value, IDispatch *) {
    Record(Sender, PropertyType, Value, L"");
}

void TCallbackTestModule::ItemPropertyChanging(classlib::TObject *Sender,
                                               framework::TzidRibbonControlPropertyType PropertyType,
                                               classlib::OleVariant &Value, IDispatch *, int Index) {
    Record(Sender, PropertyType, Value, L":" + std::to_wstring(Index));
}

framework::TzidFactory &CallbackFactory() {
    // The form names the ribbon classes: they are known before the factory can make a module.
    static const bool registered = (framework::RegisterRibbonClasses(), true);
    (void)registered;
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TCallbackTestAddIn>(),
                                          CLSID_CallbackTestAddIn, TCallbackTestModule::StaticClass(),
                                          L"CallbackTestAddIn", L"callback test add-in");
    return factory;
}

} // namespace callbacktest
