// A design copied at run time into a ribbon group and into a Backstage column of a loaded add-in: the
// copies take the target's place in the documents the host asks for, the host's callbacks reach them
// once they have ids of their own, and a change to a copy asks the host to show it again.
#include "BackstageFixture.h"

#include <algorithm>

namespace backstagetest {
namespace {

using namespace framework;

class RunTimeCopyTest : public BackstageTest {
protected:
    // "<element> <id>" of every start and empty-element tag from the line holding From, Count long.
    std::vector<std::wstring> Outline(const std::wstring &Xml, const std::wstring &From, size_t Count) {
        std::vector<std::wstring> lines = Lines(Xml), outline;
        for (int i = std::max(LineWith(lines, From), 0); i < int(lines.size()) && outline.size() < Count;
             ++i) {
            const std::wstring &line = lines[i];
            size_t start = line.find(L'<');
            if (line.compare(start, 2, L"</") == 0)
                continue;
            size_t end = line.find_first_of(L" />", start + 1);
            std::wstring entry = line.substr(start + 1, end - start - 1);
            size_t id = line.find(L" id=\"");
            if (id != std::wstring::npos)
                entry += L" " + line.substr(id + 5, line.find(L'"', id + 5) - id - 5);
            outline.push_back(entry);
        }
        return outline;
    }
};

TEST_F(RunTimeCopyTest, ARibbonGroupTakesTheCopyWhereTheHostShowsIt) {
    auto *tab = classlib::Create<TzidRibbonTab>(&Module());
    tab->SetId(L"ribbonTab");
    tab->SetRibbons({msrWordDocument});
    auto *source = static_cast<TzidRibbonGroup *>(tab->Controls()->Add());
    source->SetId(L"source");
    Add<TzidRibbonButton>(source->Controls(), L"send").SetCaption(L"Senden");
    auto &menu = Add<TzidRibbonMenu>(source->Controls(), L"more");
    menu.SetCaption(L"Mehr");
    auto *target = static_cast<TzidRibbonGroup *>(tab->Controls()->Add());
    target->SetId(L"target");
    Add<TzidRibbonSeparator>(target->Controls(), L"old");
    hostsim::RibbonUIObject &ribbon = ConnectRibbonUI();

    target->SetControls(source->Controls());
    ASSERT_EQ(target->Controls()->Count(), 2);
    target->Controls()->Items(0)->SetId(L"copySend");
    target->Controls()->Items(1)->SetId(L"copyMore");
    EXPECT_EQ(Module().FindRibbonObject(L"old"), nullptr) << "the old control left the id list";
    EXPECT_EQ(Outline(Document(L"Microsoft.Word.Document"), L"id=\"target\"", 3),
              (std::vector<std::wstring>{L"group target", L"button copySend", L"menu copyMore"}));
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"copySend")), L"'Senden'");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"copyMore")), L"'Mehr'");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"send")), L"'Senden'") << "the source stays";

    ribbon.ClearRequests();
    target->Controls()->Items(0)->SetCaption(L"Jetzt senden");
    EXPECT_EQ(ribbon.Requests(), std::vector<std::wstring>{L"InvalidateControl('copySend')"});
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"copySend")), L"'Jetzt senden'");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"send")), L"'Senden'");
}

TEST_F(RunTimeCopyTest, ABackstageColumnTakesTheCopyWhereTheHostShowsIt) {
    auto &info = Node<TzidBackstageTab>(L"bsTabInfo");
    auto &forms = Node<TzidBackstageTab>(L"bsTabForms");
    forms.SetSecondColumn(info.FirstColumn());
    ASSERT_EQ(forms.SecondColumn()->Count(), 2);
    EXPECT_EQ(forms.SecondColumn()->Items(0)->GetControlType(), rctBackstageGroup);
    EXPECT_EQ(forms.SecondColumn()->Items(1)->GetControlType(), rctBackstageTaskGroup);
    forms.SecondColumn()->Items(0)->SetId(L"copyGroup");
    forms.SecondColumn()->Items(1)->SetId(L"copyTasks");

    const std::wstring xml = Document(L"Microsoft.Word.Document");
    const std::vector<std::wstring> outline = Outline(xml, L"id=\"bsTabForms\"", 40);
    const auto second = std::find(outline.begin(), outline.end(), L"secondColumn");
    ASSERT_NE(second, outline.end());
    EXPECT_EQ(std::vector<std::wstring>(second, std::min(second + 3, outline.end())),
              (std::vector<std::wstring>{L"secondColumn", L"group copyGroup", L"taskGroup copyTasks"}));
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"copyGroup")), L"'Anh\u00e4nge verwalten'");
    EXPECT_EQ(Shown(Ask(L"GetLabel_Callback", L"copyTasks")),
              Shown(Ask(L"GetLabel_Callback", L"bsTaskGroup")));
}

} // namespace
} // namespace backstagetest
