#include "BackstageFixture.h"

#include "BackstageTestServer.h"
#include "classlib/Classes.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "framework/core/DeferredFree.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/HostVersion.h"
#include "framework/ribbon/RibbonControls.h"

namespace backstagetest {

using classlib::OleVariant;

namespace {

int hostVersion = 14;
int keptCount = 0;

int TestHostVersion() {
    return hostVersion;
}

// One file per document, named after the test, in the folder RIBBON_DOCUMENTS names (a Unix path or
// a Windows one); without it documents are not kept. The schema check sets it for its run.
void KeepDocument(const std::wstring &Xml) {
    wchar_t buffer[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"RIBBON_DOCUMENTS", buffer, MAX_PATH) == 0 || buffer[0] == 0)
        return;
    std::wstring folder = buffer[0] == L'/' ? L"Z:" + std::wstring(buffer) : std::wstring(buffer);
    CreateDirectoryW(folder.c_str(), nullptr);
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name() + "." +
                       std::to_string(++keptCount) + ".xml";
    for (char &c : name)
        if (c == '/')
            c = '_';
    std::wstring path = folder + L"\\" + classlib::Utf8ToWide(name);
    std::string bytes = classlib::WideToUtf8(Xml);
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot keep the document for the schema check";
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size());
}

} // namespace

framework::TzidFactory &BackstageFactory() {
    // The form names the ribbon and Backstage classes: they are known before a module is made.
    static const bool registered = (framework::RegisterRibbonClasses(),
                                    classlib::RegisterClass(classlib::TImageList::StaticClass()), true);
    (void)registered;
    static framework::TzidFactory factory(classlib::ComServer(),
                                          classlib::TComObjectFactory::ComClass<TBackstageTestAddIn>(),
                                          CLSID_BackstageTestAddIn, TBackstageTestModule::StaticClass(),
                                          L"BackstageTestAddIn", L"Backstage test add-in");
    return factory;
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

std::wstring Codes(std::initializer_list<uint32_t> List, int Count) {
    std::wstring hex;
    auto put = [&hex](uint32_t value) {
        for (int i = 0; i < 4; ++i)
            hex += classlib::Format(L"%.2X", {(value >> (8 * i)) & 0xFF});
    };
    put(Count >= 0 ? uint32_t(Count) : uint32_t(List.size()));
    for (uint32_t code : List)
        put(code);
    return L"{" + hex + L"}";
}

std::vector<std::wstring> Attributes(const framework::IzidRibbonControlInternal &Node) {
    std::unique_ptr<classlib::TStringList> list = Node.GetAttributes(0);
    std::vector<std::wstring> entries;
    for (int i = 0; i < list->Count(); ++i)
        entries.push_back(list->Strings(i));
    return entries;
}

void BackstageTest::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &, UINT) {
            messages_.push_back(text);
            return IDOK;
        });
    hostVersion = 14;
    keptCount = 0;
    framework::SetHostVersionSource(&TestHostVersion);
    ASSERT_EQ(BackstageFactory().CreateInstance(nullptr, IID_IDispatch, addIn_.PutVoid()), S_OK);
    SAFEARRAY *custom = nullptr;
    ASSERT_EQ(addIn_.As<IDTExtensibility2>()->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom), S_OK);
    ASSERT_NE(dynamic_cast<TBackstageTestModule *>(AddIn().Module()), nullptr);
}

void BackstageTest::TearDown() {
    if (addIn_) {
        SAFEARRAY *custom = nullptr;
        EXPECT_EQ(addIn_.As<IDTExtensibility2>()->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
        addIn_ = nullptr;
    }
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object is still alive";
    framework::SetHostVersionSource(nullptr);
    hook_.reset();
    EXPECT_TRUE(messages_.empty()) << "a message box was shown: " << classlib::WideToUtf8(messages_.front());
    world_.Shutdown();
    if (oleInitialized_)
        OleUninitialize();
}

TBackstageTestModule &BackstageTest::Module() const {
    return *dynamic_cast<TBackstageTestModule *>(AddIn().Module());
}

framework::TzidBackstage &BackstageTest::View() const {
    framework::TzidBackstage *view = Module().Backstage();
    if (view == nullptr)
        throw classlib::Exception(L"the module has no Backstage view");
    return *view;
}

framework::TzidRibbonControlType BackstageTest::CodeOf(const classlib::TClassInfo &Class) {
    for (int code = 0; code < framework::zidRibbonClassCount; ++code)
        if (framework::RibbonControlClass(static_cast<framework::TzidRibbonControlType>(code)) == &Class)
            return static_cast<framework::TzidRibbonControlType>(code);
    throw classlib::Exception(L"no class code for " + Class.Name());
}

std::wstring BackstageTest::Document(const std::wstring &RibbonId, int Version) {
    hostVersion = Version;
    std::wstring xml = framework::BuildCustomUI(Module(), RibbonId);
    KeepDocument(xml);
    return xml;
}

hostsim::RibbonUIObject &BackstageTest::ConnectRibbonUI() {
    auto *ribbon = world_.Create<hostsim::RibbonUIObject>();
    EXPECT_EQ(Call(L"RibbonLoaded_Callback", {OleVariant(static_cast<IDispatch *>(ribbon))}), S_OK);
    return *ribbon;
}

HRESULT BackstageTest::Call(const std::wstring &Name, std::vector<OleVariant> Args, OleVariant *Result) {
    std::wstring name = Name;
    LPOLESTR names[] = {name.data()};
    DISPID id = DISPID_UNKNOWN;
    HRESULT hr = addIn_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        return hr;
    std::vector<OleVariant> reversed(Args.rbegin(), Args.rend());
    DISPPARAMS params{reinterpret_cast<VARIANTARG *>(reversed.data()), nullptr,
                      static_cast<UINT>(reversed.size()), 0};
    return addIn_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                          Result != nullptr ? Result->Put() : nullptr, nullptr, nullptr);
}

OleVariant BackstageTest::Control(const std::wstring &Id) {
    return OleVariant(
        static_cast<IRibbonControl *>(world_.Create<hostsim::RibbonControlObject>(Id, nullptr)));
}

OleVariant BackstageTest::Ask(const std::wstring &Name, const std::wstring &Id, std::optional<int> Index) {
    std::vector<OleVariant> args{Control(Id)};
    if (Index)
        args.push_back(OleVariant(*Index));
    OleVariant result;
    EXPECT_EQ(Call(Name, args, &result), S_OK) << classlib::WideToUtf8(Name + L" for " + Id);
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
    default:
        return L"Type " + std::to_wstring(Value.Type());
    }
}

} // namespace backstagetest
