// Form resources: a data module reads the form of its class from the module's RCDATA resources
// (FormResourceTest.rc), and the text of a resource is decoded whatever encoding it was saved in.
#include "classlib/FormResource.h"
#include "classlib/Classes.h"
#include "classlib/DataModule.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

int liveLabels = 0;
int creates = 0;
int destroys = 0;

class TResLabel : public TComponent {
    CLASSLIB_CLASS(TResLabel)
public:
    explicit TResLabel(TComponent *owner) : TComponent(owner) { ++liveLabels; }
    ~TResLabel() override { --liveLabels; }
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring &caption) { caption_ = caption; }

private:
    std::wstring caption_;
};
CLASSLIB_DEFINE_CLASS(TResLabel, TComponent,
                      b.Property(L"Caption", &TResLabel::Caption, &TResLabel::SetCaption))

class TTestDataModule : public TDataModule {
    CLASSLIB_CLASS(TTestDataModule)
public:
    using TDataModule::TDataModule;
    std::wstring Title() const { return title_; }
    void SetTitle(const std::wstring &title) { title_ = title; }
    // The form's handlers; OnCreate sees the form read completely.
    void DataModuleCreate(TObject *sender) {
        ++creates;
        sawLabelOnCreate = sender == this && FindComponent(L"Label1") != nullptr;
    }
    void DataModuleDestroy(TObject *) { ++destroys; }
    bool sawLabelOnCreate = false;

private:
    std::wstring title_;
};
CLASSLIB_DEFINE_CLASS(TTestDataModule, TDataModule,
                      b.Property(L"Title", &TTestDataModule::Title, &TTestDataModule::SetTitle);
                      b.Method<&TTestDataModule::DataModuleCreate>(L"DataModuleCreate");
                      b.Method<&TTestDataModule::DataModuleDestroy>(L"DataModuleDestroy"))

// Has no resource of its own: lives on its ancestor's form.
class TDerivedDataModule : public TTestDataModule {
    CLASSLIB_CLASS(TDerivedDataModule)
public:
    using TTestDataModule::TTestDataModule;
};
CLASSLIB_DEFINE_CLASS(TDerivedDataModule, TTestDataModule)

// Neither it nor any ancestor below TDataModule has a form.
class TNoFormModule : public TDataModule {
    CLASSLIB_CLASS(TNoFormModule)
public:
    using TDataModule::TDataModule;
};
CLASSLIB_DEFINE_CLASS(TNoFormModule, TDataModule)

class TBrokenModule : public TDataModule {
    CLASSLIB_CLASS(TBrokenModule)
public:
    using TDataModule::TDataModule;
};
CLASSLIB_DEFINE_CLASS(TBrokenModule, TDataModule)

const bool registered = [] {
    RegisterClass(TResLabel::StaticClass());
    return true;
}();

std::wstring Decode(const std::string &bytes) {
    return DecodeFormText(bytes.data(), bytes.size());
}

} // namespace

TEST(FormResource, DataModuleReadsItsFormThenFiresOnCreateAndLaterOnDestroy) {
    creates = destroys = 0;
    auto *module = Create<TTestDataModule>(nullptr);
    EXPECT_EQ(module->Name(), L"TestDataModule");
    EXPECT_EQ(module->Title(), L"Gr\u00fc\u00dfe"); // UTF-8 text behind a byte order mark
    ASSERT_EQ(module->ComponentCount(), 1);
    EXPECT_EQ(static_cast<TResLabel *>(module->Components(0))->Caption(), L"Hello");
    EXPECT_EQ(creates, 1);
    EXPECT_TRUE(module->sawLabelOnCreate);
    EXPECT_EQ(module->ComponentState() & csLoading, 0u);
    delete module;
    EXPECT_EQ(destroys, 1);
    EXPECT_EQ(liveLabels, 0);
}

TEST(FormResource, ClassWithoutFormUsesItsNearestAncestorsForm) {
    auto *module = Create<TDerivedDataModule>(nullptr);
    EXPECT_EQ(module->Title(), L"Gr\u00fc\u00dfe");
    EXPECT_EQ(module->ComponentCount(), 1);
    EXPECT_FALSE(ReadFormResource(HInstance(), module, TTestDataModule::StaticClass()))
        << "the search stops before the given base";
    delete module;
}

TEST(FormResource, MissingFormRaisesResNotFoundAndFreesTheModule) {
    creates = 0;
    try {
        Create<TNoFormModule>(nullptr);
        FAIL() << "no error";
    } catch (const EResNotFound &e) {
        EXPECT_EQ(e.Message(), L"Resource TNoFormModule not found");
    }
    // the plain base class needs no form
    auto *plain = Create<TDataModule>(nullptr);
    EXPECT_EQ(plain->ComponentCount(), 0);
    delete plain;
}

TEST(FormResource, FormsComeFromTheModuleSetAsHInstance) {
    HMODULE own = HInstance();
    SetHInstance(GetModuleHandleW(L"kernel32.dll"));
    EXPECT_THROW(Create<TTestDataModule>(nullptr), EResNotFound);
    SetHInstance(nullptr);
    EXPECT_EQ(HInstance(), own);
    delete Create<TTestDataModule>(nullptr);
}

TEST(FormResource, BrokenFormFailsCreationWithoutLeavingComponents) {
    TComponent *owner = Create<TComponent>(nullptr);
    try {
        Create<TBrokenModule>(owner);
        FAIL() << "no error";
    } catch (const EReadError &e) {
        EXPECT_NE(e.Message().find(L"Line 6:"), std::wstring::npos) << e.Message();
        EXPECT_NE(e.Message().find(L"Label2.Colour"), std::wstring::npos) << e.Message();
    }
    EXPECT_EQ(owner->ComponentCount(), 0);
    EXPECT_EQ(liveLabels, 0);
    delete owner;
}

TEST(FormResource, TextIsDecodedFromEveryEncodingAResourceMayHave) {
    const std::wstring expected = L"object A: T\n  C = '\u00e4'\nend";
    EXPECT_EQ(Decode("object A: T\n  C = '\xc3\xa4'\nend"), expected);
    EXPECT_EQ(Decode("\xef\xbb\xbfobject A: T\n  C = '\xc3\xa4'\nend"), expected);
    EXPECT_EQ(Decode("object A: T\n  C = '\xc3\xa4'\nend" + std::string(2, '\0')), expected)
        << "padding dropped";
    std::string utf16 = "\xff\xfe";
    for (wchar_t c : expected)
        utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    EXPECT_EQ(Decode(utf16), expected);
    EXPECT_EQ(Decode(""), L"");
    // a legacy 8-bit text would otherwise turn its umlauts into replacement characters unnoticed
    EXPECT_THROW(Decode("C = '\xe4'"), EReadError);
}
