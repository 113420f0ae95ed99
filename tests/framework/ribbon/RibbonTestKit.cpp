#include "RibbonTestKit.h"

#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/core/DeferredFree.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "tests/support/AddInTranscripts.h"

namespace ribbontest {

using classlib::OleVariant;

namespace {

int hostVersion = 14;

int TestHostVersion() {
    if (hostVersion < 0)
        throw classlib::EOleSysError(L"The version of the host application cannot be read.",
                                     HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND));
    return hostVersion;
}

} // namespace

void SetHostVersion(int Version) {
    hostVersion = Version;
}

std::wstring Codes(std::initializer_list<uint32_t> List, int Count) {
    std::wstring hex;
    auto put = [&hex](uint32_t value) {
        for (int i = 0; i < 4; ++i)
            hex += classlib::Format(L"%.2x", {(value >> (8 * i)) & 0xFF});
    };
    put(Count >= 0 ? uint32_t(Count) : uint32_t(List.size()));
    for (uint32_t code : List)
        put(code);
    return L"{" + hex + L"}";
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

// The count starts again with every test.
void KeepDocument(const std::wstring &Xml) {
    static const ::testing::TestInfo *keptFor = nullptr;
    static int keptCount = 0;
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (test != keptFor) {
        keptFor = test;
        keptCount = 0;
    }
    std::string name =
        std::string(test->test_suite_name()) + "." + test->name() + "." + std::to_string(++keptCount);
    for (char &c : name)
        if (c == '/')
            c = '_';
    testsupport::KeepForSchemaCheck(classlib::WideToUtf8(Xml), classlib::Utf8ToWide(name));
}

std::wstring KeptDocument(framework::TzidCOMAddInModule &Module, const std::wstring &RibbonId, int Version) {
    SetHostVersion(Version);
    std::wstring xml = framework::BuildCustomUI(Module, RibbonId);
    KeepDocument(xml);
    return xml;
}

std::vector<std::wstring> Lines(const std::wstring &Xml) {
    std::vector<std::wstring> lines;
    size_t from = 0;
    for (;;) {
        size_t brk = Xml.find(L"\r\n", from);
        lines.push_back(Xml.substr(from, brk == std::wstring::npos ? std::wstring::npos : brk - from));
        if (brk == std::wstring::npos)
            return lines;
        from = brk + 2;
    }
}

int LineWith(const std::vector<std::wstring> &Lines, const std::wstring &Text) {
    for (size_t i = 0; i < Lines.size(); ++i)
        if (Lines[i].find(Text) != std::wstring::npos)
            return static_cast<int>(i);
    return -1;
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

// ---- the fixtures ------------------------------------------------------------------------------

void MessageRecordingTest::SetUp() {
    hostVersion = 14;
    previousSource_ = framework::SetHostVersionSource(&TestHostVersion);
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &, UINT) {
            messages_.push_back(text);
            return IDOK;
        });
}

void MessageRecordingTest::TearDown() {
    hook_.reset();
    EXPECT_TRUE(messages_.empty()) << "a message box was shown: " << classlib::WideToUtf8(messages_.front());
    if (oleInitialized_)
        OleUninitialize();
    framework::SetHostVersionSource(previousSource_);
}

void ConnectedAddInTest::SetUp() {
    MessageRecordingTest::SetUp();
    ASSERT_EQ(factory_().CreateInstance(nullptr, IID_IDispatch, addIn_.PutVoid()), S_OK);
    SAFEARRAY *custom = nullptr;
    ASSERT_EQ(addIn_.As<IDTExtensibility2>()->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom), S_OK);
}

void ConnectedAddInTest::TearDown() {
    if (addIn_) {
        SAFEARRAY *custom = nullptr;
        EXPECT_EQ(addIn_.As<IDTExtensibility2>()->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
        addIn_ = nullptr;
    }
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object is still alive";
    world_.Shutdown();
    MessageRecordingTest::TearDown();
}

hostsim::RibbonControlObject &ConnectedAddInTest::ControlObject(const std::wstring &Id, IDispatch *Context) {
    return *world_.Create<hostsim::RibbonControlObject>(Id, Context);
}

OleVariant ConnectedAddInTest::Control(const std::wstring &Id, IDispatch *Context) {
    return OleVariant(static_cast<IRibbonControl *>(&ControlObject(Id, Context)));
}

HRESULT ConnectedAddInTest::InvokeId(DISPID Id, std::vector<OleVariant> Args, OleVariant *Result,
                                     EXCEPINFO *Info, UINT *ArgErr) {
    std::vector<OleVariant> reversed(Args.rbegin(), Args.rend());
    DISPPARAMS params{reinterpret_cast<VARIANTARG *>(reversed.data()), nullptr,
                      static_cast<UINT>(reversed.size()), 0};
    return addIn_->Invoke(Id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                          Result != nullptr ? Result->Put() : nullptr, Info, ArgErr);
}

HRESULT ConnectedAddInTest::Call(const std::wstring &Name, std::vector<OleVariant> Args, OleVariant *Result,
                                 EXCEPINFO *Info, UINT *ArgErr) {
    std::wstring name = Name;
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = addIn_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    return InvokeId(id, std::move(Args), Result, Info, ArgErr);
}

OleVariant ConnectedAddInTest::Ask(const std::wstring &Name, const std::wstring &Id, std::optional<int> Index,
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

} // namespace ribbontest
