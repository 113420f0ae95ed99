#include "RibbonTestModule.h"

#include "classlib/Classes.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"

namespace ribbontest {

using Self = TRibbonTestModule;

CLASSLIB_DEFINE_CLASS(TRibbonTestModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::RibbonClick>(L"RibbonClick");
                      b.Method<&Self::RibbonChange>(L"RibbonChange");
                      b.Method<&Self::MenuCreate>(L"MenuCreate");
                      b.Method<&Self::PropertyChanging>(L"PropertyChanging");
                      b.Method<&Self::ItemPropertyChanging>(L"ItemPropertyChanging"))

TRibbonTestModule::TRibbonTestModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    SetSupportedApps({framework::ohaWord, framework::ohaOutlook});
    OnError = classlib::MakeEvent<&Self::ModuleError>(this);
}

void TRibbonTestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TRibbonTestModule::Record(const std::wstring &What, classlib::TObject *Sender) {
    auto *node = framework::AsRibbonNode(Sender);
    Log.push_back(What + L":" + (node != nullptr ? node->Id() : L"?"));
    if (auto *control = dynamic_cast<framework::TzidRibbonCustomControl *>(Sender))
        SawInAction = control->InAction();
    if (FailHandlers)
        throw classlib::Exception(What + L" failed");
}

void TRibbonTestModule::RibbonClick(classlib::TObject *Sender, IRibbonControl *RibbonControl) {
    if (Reenter)
        if (auto *control = dynamic_cast<framework::TzidRibbonCustomControl *>(Sender)) {
            framework::TzidRibbonActionArguments args;
            args.RibbonControl = RibbonControl;
            control->DoAction(args);
        }
    Record(L"Click", Sender);
}

void TRibbonTestModule::PropertyChanging(classlib::TObject *Sender,
                                         framework::TzidRibbonControlPropertyType PropertyType,
                                         classlib::OleVariant &Value, IDispatch *) {
    Record(L"Property", Sender);
    Log.back() += L":" + std::to_wstring(PropertyType);
    Value = Answer;
}

void TRibbonTestModule::ItemPropertyChanging(classlib::TObject *Sender,
                                             framework::TzidRibbonControlPropertyType PropertyType,
                                             classlib::OleVariant &Value, IDispatch *, int Index) {
    Record(L"ItemProperty", Sender);
    Log.back() += L":" + std::to_wstring(PropertyType) + L":" + std::to_wstring(Index);
    Value = Answer;
}

void TRibbonTestModule::RibbonChange(classlib::TObject *Sender, IRibbonControl *) {
    Record(L"Change", Sender);
}

void TRibbonTestModule::MenuCreate(classlib::TObject *Sender) {
    Record(L"Create", Sender);
}

void RibbonTest::SetUp() {
    framework::RegisterRibbonClasses();
    classlib::RegisterClass(TRibbonTestModule::StaticClass());
    // The form is read by the tests themselves: only the first construction phase.
    module_ = new TRibbonTestModule(nullptr);
}

void RibbonTest::TearDown() {
    classlib::Free(module_);
    module_ = nullptr;
}

framework::TzidRibbonTab *RibbonTest::NewTab() {
    return new framework::TzidRibbonTab(module_);
}

hostsim::RibbonUIObject &RibbonTest::ConnectRibbonUI() {
    auto *ribbon = world_.Create<hostsim::RibbonUIObject>();
    module_->SetRibbonUI(classlib::ComPtr<IRibbonUI>(ribbon));
    return *ribbon;
}

void RibbonTest::ReadForm(const std::wstring &Text) {
    classlib::ReadComponentForm(Text, module_);
}

std::wstring RibbonTest::WriteForm() {
    return classlib::WriteComponentForm(module_);
}

std::vector<std::wstring> Entries(const classlib::TStringList &List) {
    std::vector<std::wstring> entries;
    for (int i = 0; i < List.Count(); ++i)
        entries.push_back(List.Strings(i));
    return entries;
}

std::vector<std::wstring> Attributes(const framework::IzidRibbonControlInternal &Node,
                                     int ContextMenuNumber) {
    return Entries(*Node.GetAttributes(ContextMenuNumber));
}

} // namespace ribbontest
