#include "CustomUIFixture.h"

#include "classlib/Format.h"
#include "framework/ribbon/CustomUIWriter.h"

namespace customuitest {

namespace {

int hostVersion = 14;

int TestHostVersion() {
    if (hostVersion < 0)
        throw classlib::EOleSysError(L"The version of the host application cannot be read.",
                                     HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND));
    return hostVersion;
}

int keptCount = 0;

} // namespace

void SetHostVersion(int Version) {
    hostVersion = Version;
}

// One file per document, named after the test, in the folder RIBBON_DOCUMENTS names (a Unix path
// or a Windows one); without it documents are not kept. The schema check sets it for its run.
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

void CustomUIFixture::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &, UINT) {
            messages_.push_back(text);
            return IDOK;
        });
    hostVersion = 14;
    keptCount = 0;
    previousSource_ = framework::SetHostVersionSource(&TestHostVersion);
}

void CustomUIFixture::TearDown() {
    module_.reset();
    framework::SetHostVersionSource(previousSource_);
    hook_.reset();
    EXPECT_TRUE(messages_.empty()) << "a message box was shown: " << classlib::WideToUtf8(messages_.front());
    if (oleInitialized_)
        OleUninitialize();
}

TCustomUITestModule &CustomUIFixture::Module() {
    if (!module_) {
        module_.reset(classlib::Create<TCustomUITestModule>(nullptr));
        module_->SetFactory(&CustomUIFactory());
    }
    return *module_;
}

framework::TzidRibbonTab &CustomUIFixture::AddTab(const std::wstring &Id, framework::TzidRibbons Ribbons) {
    auto *tab = classlib::Create<framework::TzidRibbonTab>(&Module());
    tab->SetId(Id);
    tab->SetRibbons(Ribbons);
    return *tab;
}

std::wstring CustomUIFixture::Document(const std::wstring &RibbonId, int Version) {
    SetHostVersion(Version);
    std::wstring xml = framework::BuildCustomUI(Module(), RibbonId);
    KeepDocument(xml);
    return xml;
}

} // namespace customuitest
