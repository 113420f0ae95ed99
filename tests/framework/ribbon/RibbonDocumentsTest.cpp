// The model written as the host reads it: a dynamic menu's content document, and the ribbon document
// of a tab holding every class. The schema check of the customUI tests runs these too (their suite
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

std::vector<std::wstring> Lines(const std::wstring &Text) {
    std::vector<std::wstring> lines;
    size_t from = 0;
    for (size_t at; (at = Text.find(L"\r\n", from)) != std::wstring::npos; from = at + 2)
        lines.push_back(Text.substr(from, at - from));
    lines.push_back(Text.substr(from));
    return lines;
}

class TMenuFiller : public classlib::TObject {
public:
    int Calls = 0;
    void Fill(classlib::TObject *Sender) {
        ++Calls;
        auto *menu = static_cast<TzidRibbonMenu *>(Sender);
        menu->Controls()->Clear();
        for (const wchar_t *id : {L"tsyFileA", L"tsyFileB"}) {
            TzidRibbonCustomControl *button = menu->Controls()->AddControl(rctButton);
            button->SetId(id);
            button->SetRibbons({}); // no window kind of its own: still part of the menu's content
            button->SetRibbons2010({msrOutlookSMSRead2010});
        }
    }
};

class CustomUIModelTest : public RibbonTest {};

} // namespace

TEST_F(CustomUIModelTest, DynamicMenuContentIsWrittenWhenTheHostAsks) {
    ReadForm(ribbontest::EveryClassForm());
    module_->SetCustomUINamespace(zidCustomUINamespace2006);
    auto *menu = static_cast<TzidRibbonMenu *>(module_->FindRibbonObject(L"tsyInsert"));
    ASSERT_NE(menu, nullptr);
    TMenuFiller filler;
    menu->OnCreate = classlib::MakeEvent<&TMenuFiller::Fill>(&filler);

    const std::wstring content = menu->GetDynamicContent();
    EXPECT_EQ(filler.Calls, 1);
    const std::vector<std::wstring> lines = Lines(content);
    ASSERT_EQ(lines.size(), 4u) << testing::PrintToString(content);
    EXPECT_EQ(lines[0],
              L"<menu xmlns=\"http://schemas.microsoft.com/office/2006/01/customui\" itemSize=\"large\">");
    EXPECT_EQ(lines[1].rfind(L"\t<button id=\"tsyFileA\" ", 0), 0u) << testing::PrintToString(lines[1]);
    EXPECT_EQ(lines[2].rfind(L"\t<button id=\"tsyFileB\" ", 0), 0u);
    EXPECT_EQ(lines[3], L"</menu>");
    KeepForSchemaCheck(L"DynamicMenu", content);

    // A failing OnCreate is reported; the content is what the menu holds.
    menu->OnCreate = classlib::MakeEvent<&ribbontest::TRibbonTestModule::MenuCreate>(module_);
    module_->FailHandlers = true;
    EXPECT_EQ(Lines(menu->GetDynamicContent()).size(), 4u);
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
