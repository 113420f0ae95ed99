#include "CallbackFixture.h"

#include "classlib/Format.h"
#include "framework/core/DeferredFree.h"

namespace callbacktest {

using classlib::OleVariant;

void CallbackTest::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &, UINT) {
            messages_.push_back(text);
            return IDOK;
        });
    ASSERT_EQ(CallbackFactory().CreateInstance(nullptr, IID_IDispatch, addIn_.PutVoid()), S_OK);
    SAFEARRAY *custom = nullptr;
    ASSERT_EQ(addIn_.As<IDTExtensibility2>()->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom), S_OK);
    ASSERT_NE(dynamic_cast<TCallbackTestModule *>(AddIn().Module()), nullptr);
}

TCallbackTestModule &CallbackTest::Module() const {
    return *dynamic_cast<TCallbackTestModule *>(AddIn().Module());
}

void CallbackTest::TearDown() {
    if (addIn_) {
        SAFEARRAY *custom = nullptr;
        EXPECT_EQ(addIn_.As<IDTExtensibility2>()->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
        addIn_ = nullptr;
    }
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object is still alive";
    hook_.reset();
    EXPECT_TRUE(messages_.empty()) << "a message box was shown: " << classlib::WideToUtf8(messages_.front());
    world_.Shutdown();
    if (oleInitialized_)
        OleUninitialize();
}

framework::TzidRibbonControls *CallbackTest::Group() const {
    auto *tab = dynamic_cast<framework::TzidRibbonTab *>(Module().FindComponent(L"cbTab"));
    return tab->Controls()->Items(0)->GetControls();
}

framework::TzidRibbonCustomControl &CallbackTest::AddItem(framework::TzidRibbonCustomControl &Control,
                                                          const std::wstring &Id,
                                                          const std::wstring &Caption) {
    framework::TzidRibbonCustomControl *item = Control.GetItems()->Add();
    item->SetId(Id);
    item->SetCaption(Caption);
    return *item;
}

hostsim::RibbonControlObject &CallbackTest::ControlObject(const std::wstring &Id, IDispatch *Context) {
    return *world_.Create<hostsim::RibbonControlObject>(Id, Context);
}

OleVariant CallbackTest::Control(const std::wstring &Id, IDispatch *Context) {
    return OleVariant(static_cast<IRibbonControl *>(&ControlObject(Id, Context)));
}

HRESULT CallbackTest::InvokeId(DISPID Id, std::vector<OleVariant> Args, OleVariant *Result, EXCEPINFO *Info,
                               UINT *ArgErr) {
    std::vector<OleVariant> reversed(Args.rbegin(), Args.rend());
    DISPPARAMS params{reinterpret_cast<VARIANTARG *>(reversed.data()), nullptr,
                      static_cast<UINT>(reversed.size()), 0};
    return addIn_->Invoke(Id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                          Result != nullptr ? Result->Put() : nullptr, Info, ArgErr);
}

HRESULT CallbackTest::Call(const std::wstring &Name, std::vector<OleVariant> Args, OleVariant *Result,
                           EXCEPINFO *Info, UINT *ArgErr) {
    std::wstring name = Name;
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = addIn_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    return InvokeId(id, std::move(Args), Result, Info, ArgErr);
}

OleVariant CallbackTest::Ask(const std::wstring &Name, const std::wstring &Id, std::optional<int> Index,
                             IDispatch *Context) {
    std::vector<OleVariant> args{Control(Id, Context)};
    if (Index)
        args.push_back(OleVariant(*Index));
    OleVariant result;
    EXCEPINFO info{};
    HRESULT hr = Call(Name, args, &result, &info);
    EXPECT_EQ(hr, S_OK) << classlib::WideToUtf8(Name + L" for " + Id + L": " +
                                                classlib::BStrToString(info.bstrDescription));
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    return result;
}

std::wstring Shown(const OleVariant &Value) {
    switch (Value.Type()) {
    case VT_EMPTY:
        return L"Empty";
    case VT_BOOL:
        return Value.Var().boolVal == VARIANT_TRUE ? L"True" : Value.Var().boolVal == 0 ? L"False" : L"Bool?";
    case VT_BSTR:
        return L"'" + Value.ToString() + L"'";
    case VT_I4:
        return Value.ToString();
    case VT_DISPATCH:
        return Value.Var().pdispVal == nullptr ? L"Nothing" : L"Object";
    default:
        return L"Type " + std::to_wstring(Value.Type());
    }
}

} // namespace callbacktest
