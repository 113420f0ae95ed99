// Outlook 2003 with Word as its mail editor: a mail's inspector shows Word's command bars, and the
// add-in loaded into that Word builds its Word bar there. A click reaches the handler through Office's
// connection points; a user unload takes the bar out of the inspector again (and out of Word's normal
// template).
#include "CommandBarFixture.h"

#include "classlib/LateBinding.h"
#include "framework/commandbars/OfficeEventSinks.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookWindows.h"
#include "hostsim/WordHost.h"

using namespace framework;

namespace cbtest {
namespace {

class WordMailEditorTest : public CommandBarTest {
protected:
    void SetUp() override {
        CommandBarTest::SetUp();
        SetControlEventSinkFactory(MakeOfficeControlEventSink); // the fixture restores its own at the end
        wordBars_ = &hostsim::AttachCommandBars(word_);
        // The mail editor is Word: an inspector's command bars are Word's.
        outlook_->SetCommandBarsFactory([this](hostsim::SimOutlookWindow &) {
            return classlib::ComPtr<IUnknown>::Copy(wordBars_->Identity());
        });
        ReadForm(L"object Word1: TzidCommandBar CommandBarName = 'Tessary' SupportedApps = [ohaWord]\n"
                 L"  ButtonTypes = " +
                 Kinds({0}) +
                 L" Buttons = < item Caption = 'Anhang zippen' OfficeTag = 'tsyWordZip'\n"
                 L"    Style = zidMsoButtonCaption OnClick = ButtonClick end > end\n"
                 L"object Inspector1: TzidOlInspectorCommandBar CommandBarName = 'Tessary Inspektor'\n"
                 L"  ButtonTypes = " +
                 Kinds({0}) + L" Buttons = < item Caption = 'Zippen' OfficeTag = 'zip' end > end\n");
        UseEngine();
        // Outlook starts Word for the mail: the add-in is loaded into Word.
        word_.NewDocument();
        module_->SetHostType(ohaWord);
        module_->SetOfficeVersion(11);
        module_->SetHostApp(classlib::OleVariant(word_.Application()));
        classlib::ComPtr<_CommandBars> bars;
        ASSERT_EQ(wordBars_->Identity()->QueryInterface(IID__CommandBars, bars.PutVoid()), S_OK);
        module_->SetCommandBars(std::move(bars));
    }
    void TearDown() override {
        module_->ReleaseCommandBars();
        module_->SetHostApp(classlib::OleVariant());
        CommandBarTest::TearDown();
    }
    // The command bars the inspector of a new mail shows.
    hostsim::CommandBarsObject &InspectorBars() {
        hostsim::SimOutlookItem *mail = outlook_->AddItem(
            outlook_->DefaultFolder(hostsim::ol::olFolderDrafts), hostsim::ol::olMail, L"Angebot");
        hostsim::SimOutlookInspector *inspector = outlook_->OpenInspector(mail);
        classlib::ComPtr<IDispatch> window;
        inspector->Identity()->QueryInterface(IID_IDispatch, window.PutVoid());
        classlib::ComPtr<IDispatch> bars = classlib::DispGet(window.Get(), L"CommandBars").ToDispatch();
        auto *object =
            dynamic_cast<hostsim::CommandBarsObject *>(hostsim::SimObject::FromUnknown(bars.Get()));
        EXPECT_EQ(object, wordBars_) << "the inspector does not show Word's bars";
        return *object;
    }

    hostsim::WordHost word_{L"11.0"};
    hostsim::CommandBarsObject *wordBars_ = nullptr;
};

TEST_F(WordMailEditorTest, TheWordBarIsBuiltInTheMailInspectorClickedAndRemovedOnAUserUnload) {
    module_->CreateCommandBars();
    hostsim::CommandBarsObject &bars = InspectorBars();
    ASSERT_TRUE(bars.Set().FindBar(L"Tessary"));
    EXPECT_FALSE(bars.Set().FindBar(L"Tessary Inspektor")) << "Outlook's inspector bars are not Word's";
    hostsim::ControlRef zip = bars.Set().FindControl({std::nullopt, std::nullopt, L"tsyWordZip"});
    ASSERT_TRUE(zip);
    EXPECT_EQ(zip->props.caption, L"Anhang zippen");

    EXPECT_TRUE(bars.UserClick(zip));
    EXPECT_EQ(Lines(L"Click:"), (std::vector<std::wstring>{L"Click:Anhang zippen"}));

    // A second mail finds the bar built: nothing is added twice.
    module_->CreateCommandBars();
    int count = 0;
    for (const hostsim::ControlRef &control : bars.Set().FindBar(L"Tessary")->controls)
        count += control->alive ? 1 : 0;
    EXPECT_EQ(count, 1);

    module_->RemoveCommandBarsFromHost(true);
    EXPECT_FALSE(bars.Set().FindBar(L"Tessary"));
    ASSERT_EQ(word_.OrganizerDeletes().size(), 1u);
    EXPECT_NE(word_.OrganizerDeletes()[0].find(L"|Tessary|2"), std::wstring::npos);
    EXPECT_TRUE(Errors().empty()) << testing::PrintToString(Errors());
}

} // namespace
} // namespace cbtest
