// GetCustomUI as the host calls it: through IRibbonExtensibility of an add-in object its factory made,
// the version of the program it runs in, the module's id list afterwards, the module's two events and
// a static menu's OnCreate, and what reaches the host when something fails.
#include <gtest/gtest.h>

#include "CustomUIFixture.h"
#include "classlib/ComPtr.h"
#include "classlib/Format.h"
#include "classlib/ModuleHandle.h"
#include "classlib/OleString.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/Factory.h"
#include "framework/core/ProcessState.h"
#include "framework/ribbon/CustomUIWriter.h"

namespace customuitest {
namespace {

using namespace framework;
using classlib::ComPtr;

bool Contains(const std::wstring &Text, const std::wstring &Part) {
    return Text.find(Part) != std::wstring::npos;
}

std::wstring ErrorDescription() {
    ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info)
        return {};
    classlib::TBStr description;
    info->GetDescription(description.Put());
    return description.ToString();
}

class CustomUIThroughCOM : public CustomUIFixture {
protected:
    void TearDown() override {
        ribbon_ = nullptr;
        if (addIn_) {
            SAFEARRAY *custom = nullptr;
            EXPECT_EQ(addIn_->OnDisconnection(ext_dm_HostShutdown, &custom), S_OK);
            addIn_ = nullptr;
        }
        EXPECT_EQ(AddInCanUnloadNow(), S_OK) << "an add-in object is still alive";
        CustomUIFixture::TearDown();
    }

    // An add-in object as the host gets it, connected (no host object: the document needs none).
    IRibbonExtensibility &Connected() {
        EXPECT_EQ(CustomUIFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()),
                  S_OK);
        SAFEARRAY *custom = nullptr;
        EXPECT_EQ(addIn_->OnConnection(nullptr, ext_cm_Startup, nullptr, &custom), S_OK);
        ribbon_ = addIn_.As<IRibbonExtensibility>();
        return *ribbon_.Get();
    }
    TCustomUITestModule &ConnectedModule() {
        return *dynamic_cast<TCustomUITestModule *>(static_cast<TdivAzore *>(addIn_.Get())->Module());
    }
    HRESULT Ask(const std::wstring &RibbonId, std::wstring &Xml) {
        classlib::TBStr id(RibbonId);
        BSTR xml = reinterpret_cast<BSTR>(0xdeadbeef);
        HRESULT hr = ribbon_->GetCustomUI(id.Get(), &xml);
        Xml = xml == reinterpret_cast<BSTR>(0xdeadbeef) ? L"<untouched>" : classlib::BStrToString(xml);
        if (xml != reinterpret_cast<BSTR>(0xdeadbeef))
            SysFreeString(xml);
        return hr;
    }

    ComPtr<IDTExtensibility2> addIn_;
    ComPtr<IRibbonExtensibility> ribbon_;
};

TEST_F(CustomUIThroughCOM, TheHostGetsTheModulesDocumentThroughItsRibbonInterface) {
    Connected();
    TCustomUITestModule &module = ConnectedModule();
    auto *tab = classlib::Create<TzidRibbonTab>(&module);
    tab->SetId(L"tabA");
    tab->SetRibbons({msrOutlookMailRead});
    std::wstring xml;
    ASSERT_EQ(Ask(L"Microsoft.Outlook.Mail.Read", xml), S_OK) << classlib::WideToUtf8(ErrorDescription());
    KeepDocument(xml);
    EXPECT_TRUE(Contains(xml, L"id=\"tabA\""));
    EXPECT_EQ(module.HostType(), ohaOutlook);
    // The same text as the writer gives.
    EXPECT_EQ(xml, BuildCustomUI(module, L"Microsoft.Outlook.Mail.Read"));
    // The host's dispatch interface of the object answers the ribbon interface too.
    ComPtr<IDispatch> dispatch = addIn_.As<IDispatch>();
    EXPECT_TRUE(dispatch.TryAs<IRibbonExtensibility>());
}

TEST_F(CustomUIThroughCOM, CallsTheAddInCannotAnswerFailWithoutADocument) {
    ASSERT_EQ(CustomUIFactory().CreateInstance(nullptr, __uuidof(IRibbonExtensibility), ribbon_.PutVoid()),
              S_OK);
    std::wstring xml;
    EXPECT_EQ(Ask(L"Microsoft.Word.Document", xml), E_UNEXPECTED);
    EXPECT_EQ(xml, L"") << "the out-parameter is set to null on failure";
    EXPECT_TRUE(Contains(ErrorDescription(), L"not connected"));
    classlib::TBStr id(L"Microsoft.Word.Document");
    EXPECT_EQ(ribbon_->GetCustomUI(id.Get(), nullptr), E_POINTER);
    ribbon_ = nullptr;

    // The host program's version cannot be read: the host gets the failure and no document.
    Connected();
    SetHostVersion(-1);
    EXPECT_EQ(Ask(L"Microsoft.Word.Document", xml), HRESULT_FROM_WIN32(ERROR_RESOURCE_TYPE_NOT_FOUND));
    EXPECT_EQ(xml, L"");
    EXPECT_TRUE(Contains(ErrorDescription(), L"cannot be read"));
}

TEST_F(CustomUIThroughCOM, TheVersionIsThatOfTheHostProgram) {
    // The test program carries version 14.0.4760.1000.
    SetHostVersionSource(nullptr);
    EXPECT_EQ(HostMajorVersion(), 14);
    EXPECT_EQ(ExecutableMajorVersion(classlib::ModuleFileName(nullptr)), 14);
    BuildCustomUI(Module(), L"Microsoft.Outlook.Explorer");
    EXPECT_EQ(Module().OfficeVersion(), 14);
    EXPECT_EQ(Module().CustomUINamespace(), zidCustomUINamespace2006);

    // A file without a version resource.
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"rib", 0, file);
    try {
        ExecutableMajorVersion(file);
        ADD_FAILURE() << "no error for a file without a version";
    } catch (const classlib::EOleSysError &e) {
        EXPECT_TRUE(FAILED(e.ErrorCode()));
        EXPECT_TRUE(Contains(e.Message(), file));
    }
    DeleteFileW(file);
}

class CustomUIIdList : public CustomUIThroughCOM {
protected:
    // A tab for Word, Excel and Outlook's mail window with controls for one kind of window each, and
    // an id list entry that is no ribbon node.
    void SetUp() override {
        CustomUIThroughCOM::SetUp();
        TzidRibbonTab &tab = AddTab(L"tabAll", {msrWordDocument, msrExcelWorkbook, msrOutlookMailRead});
        auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupAll");
        Add<TzidRibbonButton>(group.Controls(), L"buttonExcel").SetRibbons({msrExcelWorkbook});
        Add<TzidRibbonButton>(group.Controls(), L"buttonWord").SetRibbons({msrWordDocument});
        Add<TzidRibbonButton>(group.Controls(), L"buttonCompose").SetRibbons({msrOutlookMailCompose});
        auto &sms = Add<TzidRibbonButton>(group.Controls(), L"buttonSms");
        sms.SetRibbons({});
        sms.SetRibbons2010({msrOutlookSMSRead2010});
        Module().RibbonIds().AddObject(L"notANode", &Module());
    }
    std::vector<std::wstring> Ids() {
        std::vector<std::wstring> ids;
        for (int i = 0; i < Module().RibbonIds().Count(); ++i)
            ids.push_back(Module().RibbonIds().Strings(i));
        return ids;
    }
};

// Outlook shows all its windows in one process: whatever any of them shows stays, whichever asked.
TEST_F(CustomUIIdList, OutlookKeepsWhatAnyOfItsWindowsShows) {
    Document(L"Microsoft.Outlook.Explorer");
    EXPECT_EQ(Ids(), (std::vector<std::wstring>{L"tabAll", L"groupAll", L"buttonCompose", L"buttonSms"}));
}

TEST_F(CustomUIIdList, OtherHostsKeepWhatTheWindowAskingShows) {
    Document(L"Microsoft.Word.Document");
    EXPECT_EQ(Ids(), (std::vector<std::wstring>{L"tabAll", L"groupAll", L"buttonWord"}));
    EXPECT_EQ(Module().FindRibbonObject(L"buttonExcel"), nullptr);
}

TEST_F(CustomUIThroughCOM, TheModulesEventsSeeTheDocumentAndTheirFailuresAreReported) {
    TCustomUITestModule &module = Module();
    AddTab(L"tabA", {msrWordDocument});
    struct TLog : classlib::TObject {
        std::vector<std::wstring> Events;
        bool Fail = false;
        void BeforeCreate(classlib::TObject *Sender, const std::wstring &RibbonID) {
            Events.push_back(L"BeforeCreate " + RibbonID + (Sender ? L"" : L" without sender"));
            if (Fail)
                throw classlib::Exception(L"before create failed");
        }
        void BeforeLoad(classlib::TObject *, const std::wstring &RibbonID, std::wstring &Xml) {
            Events.push_back(L"BeforeLoad " + RibbonID + L" " + Xml.substr(0, 9));
            Xml = L"<customUI xmlns=\"" + std::wstring(zidCustomUINamespace2006) + L"\" />";
            if (Fail)
                throw classlib::Exception(L"before load failed");
        }
    } log;
    module.OnRibbonBeforeCreate = classlib::MakeEvent<&TLog::BeforeCreate>(&log);
    module.OnRibbonBeforeLoad = classlib::MakeEvent<&TLog::BeforeLoad>(&log);

    std::wstring xml = Document(L"Microsoft.Word.Document");
    EXPECT_EQ(log.Events, (std::vector<std::wstring>{L"BeforeCreate Microsoft.Word.Document",
                                                     L"BeforeLoad Microsoft.Word.Document <customUI"}));
    EXPECT_EQ(xml, L"<customUI xmlns=\"" + std::wstring(zidCustomUINamespace2006) + L"\" />");

    // A handler that raises is reported; the call goes on with what the handler left.
    log.Fail = true;
    log.Events.clear();
    xml = Document(L"Microsoft.Word.Document");
    EXPECT_EQ(log.Events.size(), 2u);
    EXPECT_EQ(module.Log,
              (std::vector<std::wstring>{L"Error:before create failed", L"Error:before load failed"}));
    EXPECT_EQ(xml, L"<customUI xmlns=\"" + std::wstring(zidCustomUINamespace2006) + L"\" />");
}

TEST_F(CustomUIThroughCOM, AStaticMenuIsFilledByItsOnCreateBeforeItIsWritten) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrOutlookExplorer});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    auto &menu = Add<TzidRibbonMenu>(group.Controls(), L"menuFilled");
    auto &failing = Add<TzidRibbonMenu>(group.Controls(), L"menuFailing");
    Add<TzidRibbonButton>(failing.Controls(), L"failingEntry");
    auto &dynamic = Add<TzidRibbonMenu>(group.Controls(), L"menuDynamic");
    dynamic.SetDynamic(true);
    struct TFiller : classlib::TObject {
        int Calls = 0;
        void Fill(classlib::TObject *Sender) {
            ++Calls;
            auto *m = dynamic_cast<TzidRibbonMenu *>(Sender);
            if (m->Id() == L"menuFailing")
                throw classlib::Exception(L"no entries today");
            if (m->Controls()->Count() == 0)
                m->Controls()->AddControl(rctButton)->SetId(L"filledEntry");
        }
    } filler;
    menu.OnCreate = classlib::MakeEvent<&TFiller::Fill>(&filler);
    failing.OnCreate = menu.OnCreate;
    dynamic.OnCreate = menu.OnCreate;

    std::wstring xml = Document(L"Microsoft.Outlook.Explorer");
    EXPECT_TRUE(Contains(xml, L"<menu id=\"menuFilled\"")) << classlib::WideToUtf8(xml);
    EXPECT_TRUE(Contains(xml, L"<button id=\"filledEntry\""));
    EXPECT_TRUE(Contains(xml, L"<button id=\"failingEntry\""));
    EXPECT_EQ(Module().Log, std::vector<std::wstring>{L"Error:no entries today"});
    // A dynamic menu is filled when the host opens it, not when the ribbon is written.
    EXPECT_EQ(filler.Calls, 2);
}

} // namespace
} // namespace customuitest
