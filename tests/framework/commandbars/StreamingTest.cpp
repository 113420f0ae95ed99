// The bars in the module's form: controls of mixed kinds by "ButtonTypes" and "Buttons", nested
// popups, the Outlook bars' published defaults, and the errors a design can run into.
#include "CommandBarFixture.h"

#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/core/ModuleErrors.h"

using namespace framework;

namespace cbtest {
namespace {

std::wstring MixedBar() {
    return L"  object Bar1: TzidCommandBar\n"
           L"    CommandBarName = 'Tessary'\n"
           L"    Position = zidMsoBarFloating\n"
           L"    SupportedApps = [ohaOutlook]\n"
           L"    ButtonTypes = " +
           Kinds({4, 0, 2, 3, 1, 5}) +
           L"\n"
           L"    Buttons = <\n"
           L"      item Caption = 'Antworten' OfficeTag = 'tsyReply' BeginGroup = True\n"
           L"        ButtonTypes = " +
           Kinds({0, 4}) +
           L"\n"
           L"        Buttons = < item Caption = 'Mit Anh'#228'ngen' OfficeTag = 'tsyReplyAll' OnClick = "
           L"ButtonClick end\n"
           L"          item Caption = 'Mehr' OfficeTag = 'tsyMore' ButtonTypes = " +
           Kinds({0}) +
           L" Buttons = < item Caption = 'Tief' OfficeTag = 'tsyDeep' end > end >\n"
           L"        PropertyChanged = 4\n"
           L"      end\n"
           L"      item Caption = 'Zippen' OfficeTag = 'tsyZip' FaceID = 59 State = zidMsoButtonDown\n"
           L"        Style = zidMsoButtonIconAndCaption ShortcutText = 'Ctrl+Shift+Z' OnClick = ButtonClick\n"
           L"        olItemTypeAction = zidOLActionShow PropertyChanged = 2 end\n"
           L"      item Caption = 'Liste' OfficeTag = 'tsyList' Items.Strings = ('eins' 'zwei' 'zwei')\n"
           L"        ListIndex = 2 OnChange = ListChange end\n"
           L"      item OfficeTag = 'tsyCombo' Text = 'frei' ListHeaderCount = 1 end\n"
           L"      item OfficeTag = 'tsyEdit' Style = zidMsoComboLabel end\n"
           L"      item OfficeTag = 'tsyPrint' OfficeID = 4 BeforeID = 19 end\n"
           L"    >\n"
           L"    PropertyChanged = 7\n"
           L"  end\n";
}

using StreamingTest = CommandBarTest;

TEST_F(StreamingTest, MixedKindsAndNestedPopupsReadAndWriteBack) {
    ReadForm(MixedBar());
    auto *bar = dynamic_cast<TzidCommandBar *>(module_->FindComponent(L"Bar1"));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(module_->CommandBarList().IndexOf(bar), 0);
    EXPECT_EQ(bar->PropertyChanged(), 7);
    EXPECT_EQ(bar->Position(), zidMsoBarFloating);
    EXPECT_EQ(bar->NameLocal(), L"Tessary") << "the name also names the local name";
    TzidCommandBarControls &controls = *bar->Controls();
    ASSERT_EQ(controls.Count(), 6);
    const TzidCommandBarControlType kinds[] = {cctPopup,    cctButton, cctDropdownList,
                                               cctComboBox, cctEdit,   cctControl};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(controls.Items(i)->GetControlType(), kinds[i]) << i;

    TzidCommandBarPopup *popup = controls.Items(0)->AsCommandBarPopup();
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup->PropertyChanged(), 4);
    ASSERT_EQ(popup->Controls()->Count(), 2);
    EXPECT_EQ(popup->Controls()->Items(0)->Caption(), L"Mit Anh\u00e4ngen");
    EXPECT_EQ(popup->Controls()->Items(0)->OwnerBar(), bar) << "nested controls know their bar";
    TzidCommandBarPopup *deeper = popup->Controls()->Items(1)->AsCommandBarPopup();
    ASSERT_NE(deeper, nullptr);
    EXPECT_EQ(deeper->Controls()->Items(0)->OfficeTag(), L"tsyDeep");

    auto *zip = controls.Items(1)->AsCommandBarButton();
    EXPECT_EQ(zip->FaceID(), 59);
    EXPECT_EQ(zip->State(), zidMsoButtonDown);
    EXPECT_EQ(zip->Style(), zidMsoButtonIconAndCaption);
    EXPECT_EQ(zip->olItemTypeAction, zidOLActionShow);
    zip->DoAction();
    EXPECT_EQ(module_->Log, std::vector<std::wstring>{L"Click:Zippen"});
    auto *list = dynamic_cast<TzidCommandBarDropDownList *>(controls.Items(2));
    EXPECT_EQ(list->Items()->ToVector(), (std::vector<std::wstring>{L"eins", L"zwei", L"zwei"}));
    EXPECT_EQ(list->ListIndex(), 2);
    EXPECT_EQ(controls.Items(5)->OfficeID(), 4);
    EXPECT_EQ(controls.Items(5)->BeforeID(), 19);

    // Written back and read into a fresh module, the form says the same.
    const std::wstring written = WriteForm();
    EXPECT_NE(written.find(L"ButtonTypes = {\r\n      06000000040000000000000002000000"), std::wstring::npos)
        << "six kinds, the popup first";
    auto *other = new TCommandBarTestModule(nullptr);
    classlib::ReadComponentForm(written, other);
    EXPECT_EQ(classlib::WriteComponentForm(other), written);
    classlib::Free(other);
}

TEST_F(StreamingTest, BrokenKindListsAreFormErrors) {
    const std::wstring cases[] = {
        Kinds({0}) + L" Buttons = < item end item end >",    // fewer kinds than items
        Kinds({0, 9}) + L" Buttons = < item end item end >", // no such kind
        Kinds({0, 0}, 3) + L" Buttons = < item end >",       // the count does not match the data
    };
    for (const std::wstring &kinds : cases) {
        auto *module = new TCommandBarTestModule(nullptr);
        EXPECT_THROW(classlib::ReadComponentForm(
                         ModuleForm(L"object B: TzidCommandBar CommandBarName = 'B' ButtonTypes = " + kinds +
                                    L" end\n"),
                         module),
                     classlib::EReadError)
            << kinds;
        classlib::Free(module);
    }
}

TEST_F(StreamingTest, OutlookBarsKeepOutlookAndTheirItemKinds) {
    ReadForm(L"  object Explorer1: TzidOlExplorerCommandBar\n"
             L"    FolderNames.Strings = ('Postfach - A\\Posteingang')\n"
             L"    ItemTypes = [zidOLMailItem, zidOLContactItem]\n"
             L"    SupportedApps = [ohaWord]\n"
             L"    CommandBarName = 'Tessary'\n"
             L"    ButtonTypes = " +
             Kinds({0}) +
             L" Buttons = < item OfficeTag = 'x' end >\n"
             L"  end\n"
             L"  object Inspector1: TzidOlInspectorCommandBar\n"
             L"    CommandBarName = 'Tessary Mail'\n"
             L"    OnBeforeAdd = BeforeAdd\n"
             L"  end\n");
    auto *explorer = static_cast<TzidOlExplorerCommandBar *>(module_->FindComponent(L"Explorer1"));
    auto *inspector = static_cast<TzidOlInspectorCommandBar *>(module_->FindComponent(L"Inspector1"));
    EXPECT_EQ(explorer->SupportedApps(), TzidHostAppSet{ohaOutlook}) << "an Outlook bar stays Outlook's";
    EXPECT_TRUE(explorer->Temporary());
    EXPECT_TRUE(explorer->UseForRibbon());
    EXPECT_FALSE(inspector->UseForRibbon());
    EXPECT_EQ(inspector->ItemTypes(), TzidOLItemClasses{zidOLMail});
    TzidCommandBarControl *control = explorer->Controls()->Items(0);
    EXPECT_EQ(control->olExplorerItemTypes, (TzidOLItemTypes{zidOLMailItem, zidOLContactItem}))
        << "a control starts with its bar's item kinds";
    EXPECT_TRUE(control->Temporary()) << "and its temporariness";
    bool cancel = false;
    inspector->OnBeforeAdd(inspector, nullptr, cancel);
    EXPECT_TRUE(cancel);

    const std::wstring written = WriteForm();
    EXPECT_NE(written.find(L"FolderNames.Strings = (\r\n      'Postfach - A\\Posteingang')"),
              std::wstring::npos)
        << written;
    EXPECT_EQ(written.find(L"SupportedApps", written.find(L"object Explorer1")), std::wstring::npos)
        << "the default is not written";
    EXPECT_NE(written.find(L"OnBeforeAdd = BeforeAdd"), std::wstring::npos);
}

TEST_F(StreamingTest, DesignErrorsRaiseTheirCodesAndChangeNothing) {
    auto code = [](const auto &Body) {
        try {
            Body();
        } catch (const classlib::EOleSysError &E) {
            return static_cast<long>(E.ErrorCode());
        }
        return 0L;
    };
    EXPECT_EQ(code([] { TzidCommandBar bar(nullptr); }), zidErrWrongContainer);
    EXPECT_EQ(code([this] {
                  TzidCommandBar bar(module_);
                  bar.SetCommandBarName(L"");
              }),
              zidErrEmptyProperty);

    auto *bar = new TzidCommandBar(module_);
    bar->SetPosition(zidMsoBarMenuBar);
    TzidCommandBarPopup *popup = bar->Controls()->CreateItem(cctPopup)->AsCommandBarPopup();
    EXPECT_EQ(code([popup] { popup->Controls()->CreateItem(cctAdvancedControl); }),
              zidErrAdvancedControlInPopup);
    EXPECT_EQ(popup->Controls()->Count(), 0);

    auto *advanced =
        static_cast<TzidCommandBarAdvancedControl *>(bar->Controls()->CreateItem(cctAdvancedControl));
    EXPECT_EQ(bar->Position(), zidMsoBarTop) << "an advanced control needs a docked bar";
    EXPECT_EQ(bar->Protection(), zidMsoBarNoChangeDock);
    EXPECT_EQ(code([bar] { bar->SetPosition(zidMsoBarPopup); }), zidErrAdvancedControlBarType);
    EXPECT_EQ(code([bar] { bar->SetProtection(zidMsoBarNoMove); }), zidErrAdvancedControlProtection);
    EXPECT_EQ(bar->Position(), zidMsoBarTop);
    advanced->SetCaption(L"shown?");
    advanced->SetOfficeID(7);
    EXPECT_EQ(advanced->Caption(), L"");
    EXPECT_EQ(advanced->OfficeID(), 1);

    // The visual control going away leaves the advanced control without it.
    auto *visual = new TzidCommandBar(module_);
    advanced->SetControl(visual);
    classlib::Free(visual);
    EXPECT_EQ(advanced->Control(), nullptr);
}

} // namespace
} // namespace cbtest
