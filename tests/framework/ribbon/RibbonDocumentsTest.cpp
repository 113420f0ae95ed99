// The model written as the host reads it: the ribbon document of a tab holding every class, and a
// dynamic menu whose fill fails. The schema check of the customUI tests runs these too (their suite
// name starts with "CustomUI") and validates the documents they keep.
#include "RibbonTestModule.h"

#include <cstdio>

#include "classlib/Format.h"
#include "framework/ribbon/CustomUIWriter.h"
#include "framework/ribbon/XMLHelper.h"
#include "tests/support/AddInTranscripts.h"

using namespace framework;
using ribbontest::RibbonTest;

namespace {

void KeepForSchemaCheck(const std::wstring &Name, const std::wstring &Xml) {
    testsupport::KeepForSchemaCheck(classlib::WideToUtf8(Xml), L"RibbonModel." + Name);
}

// The customUI document of one tab, laid out as the add-in object lays it out.
std::wstring TabDocument(TzidCOMAddInModule &Module, TzidRibbonTab &Tab, const std::wstring &RibbonId) {
    TzidXMLHelper writer;
    writer.OpenElement(L"customUI");
    AddNamespaceAttributes(Module, writer);
    writer.AddAttribute(L"onLoad", L"RibbonLoaded_Callback");
    writer.OpenElement(L"ribbon");
    writer.OpenElement(L"tabs");
    WriteRibbonControl(Module, writer, Tab, RibbonId, 0);
    writer.CloseElement(L"tabs");
    writer.CloseElement(L"ribbon");
    writer.CloseElement(L"customUI");
    return writer.Xml();
}

class CustomUIModelTest : public RibbonTest {};

} // namespace

// The content document itself is the customUI document tests'; here, a fill that fails.
TEST_F(CustomUIModelTest, AFailingDynamicMenuFillIsReportedAndTheMenuWrittenAsItIs) {
    ReadForm(ribbontest::EveryClassForm());
    auto *menu = static_cast<TzidRibbonMenu *>(module_->FindRibbonObject(L"tsyInsert"));
    ASSERT_NE(menu, nullptr);
    menu->OnCreate = classlib::MakeEvent<&ribbontest::TRibbonTestModule::MenuCreate>(module_);
    module_->FailHandlers = true;
    const std::wstring content = menu->GetDynamicContent();
    EXPECT_EQ(content.rfind(L"<menu xmlns=", 0), 0u) << testing::PrintToString(content);
    EXPECT_TRUE(content.ends_with(L"</menu>"));
    EXPECT_EQ(module_->Log, (std::vector<std::wstring>{L"Create:tsyInsert", L"Error:Create failed"}));
}

TEST_F(CustomUIModelTest, EveryClassIsWrittenAsTheSchemaAllows) {
    ReadForm(ribbontest::EveryClassForm());
    auto *tab = static_cast<TzidRibbonTab *>(module_->FindComponent(L"Tab1"));
    ASSERT_NE(tab, nullptr);
    module_->SetOfficeVersion(12);
    module_->SetCustomUINamespace(zidCustomUINamespace2006);
    const std::wstring document2006 = TabDocument(*module_, *tab, L"Microsoft.Outlook.Mail.Read");
    KeepForSchemaCheck(L"EveryClass2006", document2006);
    EXPECT_EQ(document2006.find(L"autoScale"), std::wstring::npos);

    module_->SetOfficeVersion(14);
    module_->SetCustomUINamespace(zidCustomUINamespace2009);
    const std::wstring document2009 = TabDocument(*module_, *tab, L"Microsoft.Outlook.Mail.Read");
    KeepForSchemaCheck(L"EveryClass2009", document2009);
    EXPECT_NE(document2009.find(L" autoScale=\"true\""), std::wstring::npos);
    EXPECT_NE(document2009.find(L"<dialogBoxLauncher>"), std::wstring::npos);
    EXPECT_NE(document2009.find(L"<toggleButton id=\"tsySplitwrapped\""), std::wstring::npos);
    // The split button's menu is for mail read windows only: absent from the compose window's document.
    EXPECT_EQ(TabDocument(*module_, *tab, L"Microsoft.Outlook.Mail.Compose").find(L"tsySplitMenu"),
              std::wstring::npos);
}
