// Documents of whole modules: their layout, which nodes each kind of host window gets, the namespace
// choice, the root and "ribbon" attributes and the contextual tab sets. Every document is kept for
// the schema check.
#include <gtest/gtest.h>

#include <algorithm>

#include "CustomUIFixture.h"
#include "classlib/Format.h"
#include "framework/core/RibbonKinds.h"
#include "framework/ribbon/CustomUIWriter.h"

namespace customuitest {
namespace {

using namespace framework;

const std::wstring Ns2006 = zidCustomUINamespace2006;
const std::wstring Ns2009 = zidCustomUINamespace2009;

std::wstring Root(const std::wstring &Namespace) {
    return L"<customUI xmlns=\"" + Namespace +
           L"\" onLoad=\"RibbonLoaded_Callback\" loadImage=\"GetImages_Callback\">";
}

std::wstring TabTag(const std::wstring &Id) {
    return L"<tab getVisible=\"GetVisible_Callback\" id=\"" + Id +
           L"\" getKeytip=\"GetKeyTip_Callback\" getLabel=\"GetLabel_Callback\"";
}

bool Contains(const std::wstring &Text, const std::wstring &Part) {
    return Text.find(Part) != std::wstring::npos;
}

class CustomUIDocument : public CustomUIFixture {};

TEST_F(CustomUIDocument, ModulesWithNothingForTheWindowGiveMinimalDocuments) {
    // No tabs at all: the root alone.
    std::wstring xml = Document(L"Microsoft.Outlook.Explorer");
    EXPECT_EQ(xml, Root(Ns2006) + L"\r\n</customUI>");

    // Tabs, but all for other windows: an empty "ribbon" and no "tabs".
    AddTab(L"tabWord", {msrWordDocument});
    xml = Document(L"Microsoft.Outlook.Explorer");
    EXPECT_EQ(xml, Root(Ns2006) + L"\r\n\t<ribbon>\r\n\t</ribbon>\r\n</customUI>");

    // A tab without groups is an empty-element tag.
    AddTab(L"tabEmpty", {msrOutlookExplorer});
    xml = Document(L"Microsoft.Outlook.Explorer");
    EXPECT_EQ(Lines(xml).at(3), L"\t\t\t" + TabTag(L"tabEmpty") + L" />");
}

// One tab per window kind of both sets: the document of each kind's ribbon id holds the tabs of
// exactly the kinds named by that id (the explorer is named in both sets).
TEST_F(CustomUIDocument, EveryWindowKindGetsItsOwnTabs) {
    Module().SetSupportedApps({ohaExcel, ohaWord, ohaOutlook, ohaPowerPoint, ohaAccess, ohaProject, ohaVisio,
                               ohaPublisher, ohaInfoPath});
    for (int kind = 0; kind < 24; ++kind) {
        TzidRibbonTab &tab = AddTab(L"tabA" + std::to_wstring(kind), {static_cast<TzidRibbon>(kind)});
        tab.SetRibbons2010({});
        tab.SetRibbons({static_cast<TzidRibbon>(kind)});
    }
    for (int kind = 0; kind < 11; ++kind) {
        TzidRibbonTab &tab = AddTab(L"tabB" + std::to_wstring(kind), {});
        tab.SetRibbons2010({static_cast<TzidRibbon2010>(kind)});
    }
    auto Written = [](const std::wstring &Xml) {
        std::vector<std::wstring> ids;
        for (size_t at = Xml.find(L" id=\"tab"); at != std::wstring::npos;
             at = Xml.find(L" id=\"tab", at + 1))
            ids.push_back(Xml.substr(at + 5, Xml.find(L'"', at + 5) - at - 5));
        return ids;
    };
    auto Check = [&](const std::wstring &RibbonId, std::vector<std::wstring> Expected) {
        EXPECT_EQ(Written(Document(RibbonId)), Expected) << classlib::WideToUtf8(RibbonId);
    };
    for (int kind = 0; kind < 24; ++kind) {
        std::wstring id = RibbonIdOf(static_cast<TzidRibbon>(kind));
        if (static_cast<TzidRibbon>(kind) == msrOutlookExplorer)
            Check(id, {L"tabA23", L"tabB0"});
        else
            Check(id, {L"tabA" + std::to_wstring(kind)});
    }
    for (int kind = 1; kind < 11; ++kind)
        Check(RibbonIdOf(static_cast<TzidRibbon2010>(kind)), {L"tabB" + std::to_wstring(kind)});
    EXPECT_EQ(RibbonIdOf(msrOutlookMailRead), L"Microsoft.Outlook.Mail.Read");
    EXPECT_EQ(RibbonIdOf(msrInforPathFiller2010), L"Microsoft.InfoPath.Editor");
    EXPECT_EQ(Module().HostType(), ohaVisio); // the last ribbon id asked for
}

TEST_F(CustomUIDocument, TextMessageWindowsMatchByKindAndByTheirCommonId) {
    TzidRibbonTab &sms = AddTab(L"tabSms", {});
    sms.SetRibbons2010({msrOutlookSMSCompose2010});
    TzidRibbonTab &mms = AddTab(L"tabMms", {});
    mms.SetRibbons2010({msrOutlookMMSRead2010});

    std::wstring common = Document(L"Microsoft.OMS.SMS");
    EXPECT_TRUE(Contains(common, L"id=\"tabSms\""));
    EXPECT_FALSE(Contains(common, L"id=\"tabMms\""));
    EXPECT_FALSE(Contains(Document(L"Microsoft.OMS.SMS.Read"), L"id=\"tabSms\""));
    EXPECT_TRUE(Contains(Document(L"Microsoft.OMS.SMS.Compose"), L"id=\"tabSms\""));
    EXPECT_TRUE(Contains(Document(L"Microsoft.OMS.MMS"), L"id=\"tabMms\""));
    EXPECT_EQ(Module().HostType(), ohaOutlook);
}

TEST_F(CustomUIDocument, IsForRibbonMatchesExactlyAndNeverForNodesOfNoWindow) {
    EXPECT_FALSE(IsForRibbon(L"DynamicMenu", {}, {}));
    EXPECT_FALSE(IsForRibbon(L"Microsoft.Mso.IMLayerUI", {}, {}));
    EXPECT_TRUE(IsForRibbon(L"DynamicMenu", {msrExcelWorkbook}, {}));
    EXPECT_TRUE(IsForRibbon(L"Microsoft.Mso.IMLayerUI", {}, {msrVisioDrawing2010}));
    EXPECT_TRUE(IsForRibbon(L"Microsoft.Word.Document", {msrWordDocument}, {}));
    EXPECT_FALSE(IsForRibbon(L"microsoft.word.document", {msrWordDocument}, {}));
    EXPECT_FALSE(IsForRibbon(L"Microsoft.Word.Document.", {msrWordDocument}, {}));
    EXPECT_TRUE(IsForRibbon(L"Microsoft.OMS.MMS", {}, {msrOutlookMMSCompose2010}));
    EXPECT_FALSE(IsForRibbon(L"Microsoft.OMS.MMS", {}, {msrOutlookSMSRead2010}));
    EXPECT_TRUE(IsForRibbon(L"Microsoft.InfoPath.Editor", {}, {msrInforPathFiller2010}));
}

TEST_F(CustomUIDocument, AControlForNoWindowIsNeverWrittenNotEvenIntoAMenuContent) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrOutlookExplorer});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    auto &orphan = Add<TzidRibbonButton>(group.Controls(), L"buttonOrphan");
    orphan.SetRibbons({});
    orphan.SetRibbons2010({});
    TzidXMLHelper writer;
    WriteRibbonControl(Module(), writer, orphan, L"DynamicMenu", 0);
    EXPECT_EQ(writer.Xml(), L"");
    EXPECT_FALSE(Contains(Document(L"Microsoft.Outlook.Explorer"), L"buttonOrphan"));
}

TEST_F(CustomUIDocument, TheNamespaceFollowsTheHostVersionAndWhatTheDocumentNeeds) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrOutlookExplorer, msrOutlookMailRead});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    Add<TzidRibbonButton>(group.Controls(), L"buttonA");

    // Nothing that needs the 2009 namespace: every ribbon host gets the 2006 one.
    for (int version : {12, 14, 15, 16}) {
        std::wstring xml = Document(L"Microsoft.Outlook.Explorer", version);
        EXPECT_EQ(Lines(xml).front(), Root(Ns2006)) << "version " << version;
        EXPECT_EQ(Module().OfficeVersion(), version);
    }

    // A group that scales its controls: the 2009 namespace from version 14 on, and its attribute.
    group.SetAutoScale(true);
    for (int version : {14, 15, 16}) {
        std::wstring xml = Document(L"Microsoft.Outlook.Explorer", version);
        EXPECT_EQ(Lines(xml).front(), Root(Ns2009)) << "version " << version;
        EXPECT_TRUE(Contains(xml, L"autoScale=\"true\"")) << "version " << version;
    }
    std::wstring xml2007 = Document(L"Microsoft.Outlook.Explorer", 12);
    EXPECT_EQ(Lines(xml2007).front(), Root(Ns2006));
    EXPECT_FALSE(Contains(xml2007, L"autoScale"));

    // Only what is meant for the window asking counts.
    group.SetAutoScale(false);
    TzidRibbonTab &other = AddTab(L"tabB", {msrOutlookMailCompose});
    Add<TzidRibbonGroup>(other.Controls(), L"groupB").SetCenterVertically(true);
    EXPECT_EQ(Lines(Document(L"Microsoft.Outlook.Explorer", 14)).front(), Root(Ns2006));
    EXPECT_EQ(Lines(Document(L"Microsoft.Outlook.Mail.Compose", 14)).front(), Root(Ns2009));
}

// Neither published schema allows a separator in a button group: the host would drop the add-in's
// whole ribbon. The namespace choice still counts it.
TEST_F(CustomUIDocument, ASeparatorInAButtonGroupIsNeverWritten) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrOutlookExplorer});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    auto &buttons = Add<TzidRibbonButtonGroup>(group.Controls(), L"buttonGroupA");
    Add<TzidRibbonButton>(buttons.Controls(), L"buttonA");
    Add<TzidRibbonSeparator>(buttons.Controls(), L"separatorInButtons");
    Add<TzidRibbonButton>(buttons.Controls(), L"buttonB");
    Add<TzidRibbonSeparator>(group.Controls(), L"separatorInGroup");

    std::wstring xml2010 = Document(L"Microsoft.Outlook.Explorer", 14);
    EXPECT_EQ(Lines(xml2010).front(), Root(Ns2009));
    std::wstring xml2007 = Document(L"Microsoft.Outlook.Explorer", 12);
    EXPECT_EQ(Lines(xml2007).front(), Root(Ns2006));
    for (const std::wstring &xml : {xml2010, xml2007}) {
        EXPECT_FALSE(Contains(xml, L"separatorInButtons"));
        EXPECT_TRUE(Contains(xml, L"<separator id=\"separatorInGroup\" />"));
        EXPECT_TRUE(Contains(xml, L"id=\"buttonB\""));
    }
}

TEST_F(CustomUIDocument, WithANamespaceTheRootDeclaresTheAddInAndTheSharedPrefix) {
    Module().SetNamespace(L"urn:tessary:shared");
    TzidRibbonTab &tab = AddTab(L"tabA", {msrWordDocument});
    Add<TzidRibbonButton>(Add<TzidRibbonGroup>(tab.Controls(), L"groupA").Controls(), L"buttonA");
    TzidRibbonTab &shared = AddTab(L"tabShared", {msrWordDocument});
    shared.SetShared(true);
    shared.SetCaption(L"Gemeinsam");

    std::wstring xml = Document(L"Microsoft.Word.Document");
    EXPECT_EQ(Lines(xml).front(), L"<customUI xmlns=\"" + Ns2006 + L"\" xmlns:default=\"" +
                                      std::wstring(CustomUITestProgID) +
                                      L"\" xmlns:shared=\"urn:tessary:shared\" "
                                      L"onLoad=\"RibbonLoaded_Callback\" loadImage=\"GetImages_Callback\">");
    EXPECT_TRUE(Contains(xml, L"idQ=\"default:buttonA\""));
    EXPECT_TRUE(Contains(xml, L"idQ=\"shared:tabShared\""));
    EXPECT_EQ(Module().HostType(), ohaWord);
}

TEST_F(CustomUIDocument, SplitButtonsCarryTheirInnerButtonOnlyWhenTheyAreTheirOwn) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrWordDocument});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    auto &toggle = Add<TzidRibbonSplitButton>(group.Controls(), L"splitToggle");
    toggle.SetToggleButton(true);
    auto &toggleMenu = Add<TzidRibbonMenu>(toggle.Controls(), L"splitToggleMenu");
    Add<TzidRibbonButton>(toggleMenu.Controls(), L"splitToggleEntry");
    auto &plain = Add<TzidRibbonSplitButton>(group.Controls(), L"splitPlain");
    Add<TzidRibbonButton>(Add<TzidRibbonMenu>(plain.Controls(), L"splitPlainMenu").Controls(), L"plainEntry");
    auto &builtIn = Add<TzidRibbonSplitButton>(group.Controls(), L"splitBuiltIn");
    builtIn.SetIdMso(L"PasteMenu");
    Add<TzidRibbonMenu>(builtIn.Controls(), L"splitBuiltInMenu").SetIdMso(L"PasteGalleryMini");

    std::vector<std::wstring> lines = Lines(Document(L"Microsoft.Word.Document"));
    auto lineAfter = [&](const std::wstring &id) {
        for (size_t i = 0; i + 1 < lines.size(); ++i)
            if (Contains(lines[i], L"<splitButton") && Contains(lines[i], L"\"" + id + L"\""))
                return lines[i + 1];
        return std::wstring(L"<not found>");
    };
    EXPECT_EQ(lineAfter(L"splitToggle").find(L"\t\t\t\t\t\t<toggleButton id=\"splitTogglewrapped\""), 0u);
    EXPECT_EQ(lineAfter(L"splitPlain").find(L"\t\t\t\t\t\t<button id=\"splitPlainwrapped\""), 0u);
    EXPECT_EQ(lineAfter(L"PasteMenu").find(L"\t\t\t\t\t\t<menu"), 0u);
}

TEST_F(CustomUIDocument, ContainersOfEveryKindNestAsTheHostExpects) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrExcelWorkbook});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    auto &box = Add<TzidRibbonBox>(group.Controls(), L"boxA");
    Add<TzidRibbonCheckBox>(box.Controls(), L"checkA");
    Add<TzidRibbonEditBox>(box.Controls(), L"editA");
    Add<TzidRibbonLabel>(box.Controls(), L"labelA");
    auto &combo = Add<TzidRibbonComboBox>(group.Controls(), L"comboA");
    combo.Items()->Add()->SetId(L"comboItem");
    auto &dropDown = Add<TzidRibbonDropDown>(group.Controls(), L"dropDownA");
    dropDown.Items()->Add()->SetId(L"dropItem");
    Add<TzidRibbonButton>(dropDown.Controls(), L"dropButton");
    auto &gallery = Add<TzidRibbonGallery>(group.Controls(), L"galleryA");
    gallery.SetColumns(3);
    Add<TzidRibbonButton>(gallery.Controls(), L"galleryButton");
    auto &menu = Add<TzidRibbonMenu>(group.Controls(), L"menuA");
    Add<TzidRibbonButton>(menu.Controls(), L"menuButton");
    Add<TzidRibbonMenuSeparator>(menu.Controls(), L"menuSeparatorA");
    Add<TzidRibbonMenu>(Add<TzidRibbonMenu>(menu.Controls(), L"subMenu").Controls(), L"subSubMenu");
    auto &launcher = Add<TzidRibbonDialogBoxLauncher>(group.Controls(), L"launcherA");
    Add<TzidRibbonButton>(group.Controls(), L"buttonAfterLauncher");
    (void)launcher;

    std::wstring xml = Document(L"Microsoft.Excel.Workbook");
    EXPECT_EQ(Module().HostType(), ohaExcel);
    std::vector<std::wstring> lines = Lines(xml);
    // The launcher's attributes sit on a button inside it, and the launcher closes the group.
    auto launcherLine = std::find_if(lines.begin(), lines.end(), [](const std::wstring &l) {
        return Contains(l, L"<dialogBoxLauncher>");
    });
    ASSERT_NE(launcherLine, lines.end());
    EXPECT_EQ(*launcherLine, L"\t\t\t\t\t<dialogBoxLauncher>");
    EXPECT_EQ(launcherLine[1].find(L"\t\t\t\t\t\t<button id=\"launcherA\""), 0u);
    EXPECT_EQ(launcherLine[2], L"\t\t\t\t\t</dialogBoxLauncher>");
    EXPECT_EQ(launcherLine[3], L"\t\t\t\t</group>");
    // Items reach the host through callbacks, the buttons of lists as elements.
    EXPECT_FALSE(Contains(xml, L"comboItem"));
    EXPECT_TRUE(Contains(xml, L"id=\"dropButton\""));
    EXPECT_TRUE(Contains(xml, L"id=\"galleryButton\""));
    EXPECT_TRUE(Contains(xml, L"<menuSeparator id=\"menuSeparatorA\""));
    EXPECT_TRUE(Contains(xml, L"<menu id=\"subSubMenu\"") && Contains(xml, L" />"));
}

// After the plain tabs, one tab set per context.
TEST_F(CustomUIDocument, ContextualTabsAreGroupedIntoOneTabSetPerContext) {
    AddTab(L"tabPlain", {msrWordDocument});
    TzidRibbonTab &first = AddTab(L"tabTable1", {msrWordDocument});
    first.SetContext(L"Word.TabSetTableTools");
    TzidRibbonTab &other = AddTab(L"tabPicture", {msrWordDocument});
    other.SetContext(L"Word.TabSetPictureTools");
    TzidRibbonTab &second = AddTab(L"tabTable2", {msrWordDocument});
    second.SetContext(L"Word.TabSetTableTools");
    TzidRibbonTab &excel = AddTab(L"tabExcel", {msrExcelWorkbook});
    excel.SetContext(L"Excel.TabSetChartTools");
    TzidRibbonTab &bare = AddTab(L"tabBare", {msrWordDocument});
    bare.SetContext(L"TabSetDrawingTools");

    std::vector<std::wstring> lines = Lines(Document(L"Microsoft.Word.Document"));
    std::vector<std::wstring> expected = {
        Root(Ns2006),
        L"\t<ribbon>",
        L"\t\t<tabs>",
        L"\t\t\t" + TabTag(L"tabPlain") + L" />",
        L"\t\t</tabs>",
        L"\t\t<contextualTabs>",
        L"\t\t\t<tabSet idMso=\"TabSetTableTools\">",
        L"\t\t\t\t" + TabTag(L"tabTable1") + L" />",
        L"\t\t\t\t" + TabTag(L"tabTable2") + L" />",
        L"\t\t\t</tabSet>",
        L"\t\t\t<tabSet idMso=\"TabSetPictureTools\">",
        L"\t\t\t\t" + TabTag(L"tabPicture") + L" />",
        L"\t\t\t</tabSet>",
        L"\t\t\t<tabSet idMso=\"TabSetDrawingTools\">",
        L"\t\t\t\t" + TabTag(L"tabBare") + L" />",
        L"\t\t\t</tabSet>",
        L"\t\t</contextualTabs>",
        L"\t</ribbon>",
        L"</customUI>",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(Module().ContextualTabs().Count(), 5);
}

TEST_F(CustomUIDocument, StartFromScratchIsWrittenForTheWindowsItNames) {
    AddTab(L"tabA", {msrWordDocument, msrOutlookExplorer});
    // Both sets empty: never.
    EXPECT_FALSE(Contains(Document(L"Microsoft.Word.Document"), L"startFromScratch"));

    // Only the 2007 set holds members: the windows it names.
    Module().SetStartFromScratch({msrWordDocument});
    EXPECT_TRUE(Module().StartFromScratch2010().Empty());
    EXPECT_EQ(Lines(Document(L"Microsoft.Word.Document")).at(1), L"\t<ribbon startFromScratch=\"true\">");
    EXPECT_FALSE(Contains(Document(L"Microsoft.Outlook.Explorer"), L"startFromScratch"));

    // Both sets hold members (the explorer is named in both).
    Module().SetStartFromScratch({msrOutlookExplorer});
    EXPECT_FALSE(Module().StartFromScratch2010().Empty());
    EXPECT_EQ(Lines(Document(L"Microsoft.Outlook.Explorer")).at(1), L"\t<ribbon startFromScratch=\"true\">");
    EXPECT_FALSE(Contains(Document(L"Microsoft.Word.Document"), L"startFromScratch"));

    // Only the 2010 set holds members.
    Module().SetStartFromScratch({});
    Module().SetStartFromScratch2010({msrOutlookSMSRead2010});
    EXPECT_TRUE(Module().StartFromScratch().Empty());
    EXPECT_TRUE(Contains(Document(L"Microsoft.OMS.SMS.Read"), L"<ribbon startFromScratch=\"true\">"));
}

// The host fetches a dynamic menu's entries when the menu opens: a "menu" document in the namespace
// the ribbon document was written in, every entry written for any window at all.
TEST_F(CustomUIDocument, ADynamicMenusContentIsAMenuDocumentInTheRibbonsNamespace) {
    TzidRibbonTab &tab = AddTab(L"tabA", {msrOutlookExplorer, msrOutlookMailCompose});
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupA");
    group.SetAutoScale(true);
    auto &menu = Add<TzidRibbonMenu>(group.Controls(), L"menuInsert");
    menu.SetDynamic(true);
    menu.SetItemSize(isLarge);
    struct TFiller : classlib::TObject {
        void Fill(classlib::TObject *Sender) {
            auto *m = dynamic_cast<TzidRibbonMenu *>(Sender);
            m->Controls()->Clear();
            m->Controls()->AddControl(rctButton)->SetId(L"entryOne");
            m->Controls()->AddControl(rctMenuSeparator)->SetId(L"entrySeparator");
            auto *sub = dynamic_cast<TzidRibbonMenu *>(m->Controls()->AddControl(rctMenu));
            sub->SetId(L"entrySub");
            sub->Controls()->AddControl(rctButton)->SetId(L"entrySubButton");
            auto *word = m->Controls()->AddControl(rctButton);
            word->SetId(L"entryForWordOnly");
            word->SetRibbons({msrWordDocument});
        }
    } filler;
    menu.OnCreate = classlib::MakeEvent<&TFiller::Fill>(&filler);

    for (const wchar_t *window : {L"Microsoft.Outlook.Explorer", L"Microsoft.Outlook.Mail.Compose"}) {
        std::wstring ribbon = Document(window, 14);
        EXPECT_FALSE(Contains(ribbon, L"entryOne")) << "the entries are no part of the ribbon";
        std::wstring content = menu.GetDynamicContent();
        KeepDocument(content);
        std::vector<std::wstring> lines = Lines(content);
        EXPECT_EQ(lines.front(),
                  L"<menu xmlns=\"" + Module().CustomUINamespace() + L"\" itemSize=\"large\">");
        EXPECT_EQ(lines.back(), L"</menu>");
        EXPECT_EQ(lines.at(1).find(L"\t<button id=\"entryOne\""), 0u);
        EXPECT_EQ(lines.at(2).find(L"\t<menuSeparator id=\"entrySeparator\""), 0u);
        EXPECT_TRUE(Contains(content, L"\t\t<button id=\"entrySubButton\""));
        EXPECT_TRUE(Contains(content, L"id=\"entryForWordOnly\""));
    }
    EXPECT_EQ(Module().CustomUINamespace(), Ns2009);
}

TEST_F(CustomUIDocument, CaptionsAndTipsWithMarkupCharactersStayCharacterData) {
    Module().SetNamespace(L"urn:tessary:shared");
    TzidRibbonTab &tab = AddTab(L"tabHostile", {msrOutlookMailRead});
    tab.SetShared(true);
    tab.SetCaption(L"Anh\x00E4nge \"<&>\" \x0412\x043B\x043E\x0436\x0435\x043D\x0438\x044F \x6DFB\x4ED8");
    tab.SetKeyTip(L"&<\"");
    auto &group = Add<TzidRibbonGroup>(tab.Controls(), L"groupHostile");
    auto &save = Add<TzidRibbonButton>(group.Controls(), L"buttonSave");
    save.SetIdMso(L"FileSave");
    save.SetCaption(L"Save \"now\" & <later>\r\n\tdone\x01");
    save.SetScreenTip(L"</button><script>");
    save.SetSuperTip(L"\xD83D\xDCCE \x05E7\x05D1\x05E6\x05D9\x05DD '&apos;'");

    std::wstring xml = Document(L"Microsoft.Outlook.Mail.Read");
    EXPECT_TRUE(Contains(xml, L"label=\"Anh\x00E4nge &quot;&lt;&amp;&gt;&quot; \x0412"));
    EXPECT_TRUE(Contains(xml, L"label=\"Save &quot;now&quot; &amp; &lt;later&gt;&#13;&#10;&#9;done\""));
    EXPECT_TRUE(Contains(xml, L"screentip=\"&lt;/button&gt;&lt;script&gt;\""));
    EXPECT_TRUE(Contains(xml, L"supertip=\"\xD83D\xDCCE \x05E7\x05D1\x05E6\x05D9\x05DD '&amp;apos;'\""));
}

} // namespace
} // namespace customuitest
