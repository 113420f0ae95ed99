// The Backstage in module forms: the test module's form, with every Backstage class in every kind of
// container, reads and writes back to the same text (with the kinds of every node, which the form
// leaves to the view); malformed code arrays and misplaced classes are form errors that leave nothing
// behind.
#include "BackstageFixture.h"

#include <set>
#include <sstream>

#include "classlib/Classes.h"
#include "classlib/FormResource.h"
#include "classlib/Format.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"

namespace backstagetest {
namespace {

using namespace framework;

std::wstring WithoutCR(std::wstring Text) {
    std::erase(Text, L'\r');
    return Text;
}

// Text without the kinds written for the nodes below the view (the view's, which each node starts with
// and the form leaves out); Nodes and Kinds count the nodes and the kinds taken out.
std::wstring WithoutNodeKinds(const std::wstring &Text, int &Nodes, int &Kinds) {
    std::wstring kept;
    std::wistringstream lines(WithoutCR(Text));
    for (std::wstring line; std::getline(lines, line);) {
        const size_t indent = line.find_first_not_of(L' ');
        const std::wstring rest = indent == std::wstring::npos ? L"" : line.substr(indent);
        Nodes += rest == L"item" ? 1 : 0;
        if (indent > 4 && (rest == L"Ribbons = [msrWordDocument, msrOutlookExplorer]" ||
                           rest == L"Ribbons2010 = [msrOutlookExplorer2010]"))
            ++Kinds;
        else
            kept += line + L"\n";
    }
    return kept;
}

std::wstring FormResourceText() {
    HRSRC found = FindResourceW(nullptr, L"TBACKSTAGETESTMODULE", reinterpret_cast<LPCWSTR>(RT_RCDATA));
    if (found == nullptr)
        throw classlib::Exception(L"the test program holds no module form");
    HGLOBAL loaded = LoadResource(nullptr, found);
    return classlib::DecodeFormText(LockResource(loaded), SizeofResource(nullptr, found));
}

void CollectClasses(const IzidRibbonControlInternal &Node, std::set<std::wstring> &Classes) {
    for (TzidRibbonControls *children : RibbonChildCollections(Node))
        for (int i = 0; i < children->Count(); ++i) {
            Classes.insert(children->Items(i)->ClassName());
            CollectClasses(*children->Items(i), Classes);
        }
}

// A module form holding a Backstage view whose first tab's first column holds what is given.
std::wstring ColumnForm(const std::wstring &Column) {
    return L"object Module: TBackstageTestModule\n"
           L"  object View: TzidBackstage\n"
           L"    ControlTypes = " +
           Codes({22}) + L"\n    Controls_ = < item Id = 'tab' " + Column +
           L" end >\n"
           L"  end\n"
           L"end\n";
}

std::wstring Items(int Count, const std::wstring &Prefix = L"c") {
    std::wstring items;
    for (int i = 0; i < Count; ++i)
        items += L"item Id = '" + Prefix + std::to_wstring(i) + L"' end ";
    return L"<" + items + L">";
}

TEST_F(BackstageTest, TheFormWithEveryClassInEveryContainerReadsAndWritesBackToTheSameText) {
    const std::wstring written = classlib::WriteComponentForm(&Module());
    int nodes = 0, kinds = 0, formNodes = 0, formKinds = 0;
    EXPECT_EQ(WithoutNodeKinds(written, nodes, kinds),
              WithoutNodeKinds(FormResourceText(), formNodes, formKinds));
    EXPECT_EQ(kinds, 2 * nodes) << "every node is written with its kinds";

    // Every class of the Backstage stands in the form.
    std::set<std::wstring> classes;
    CollectClasses(View(), classes);
    for (int code = rctBackstageTab; code <= rctBackstageItem; ++code)
        EXPECT_EQ(classes.count(RibbonControlClass(static_cast<TzidRibbonControlType>(code))->Name()), 1u)
            << "code " << code;

    // The column codes 27, 28 made a group and a task group.
    TzidRibbonControls *column = Node<TzidBackstageTab>(L"bsTabInfo").FirstColumn();
    ASSERT_EQ(column->Count(), 2);
    EXPECT_EQ(column->Items(0)->ClassName(), L"TzidBackstageGroup");
    EXPECT_EQ(column->Items(1)->ClassName(), L"TzidBackstageTaskGroup");
    EXPECT_EQ(Node<TzidBackstageGroup>(L"bsGroup").Style(), gsWarning);
    EXPECT_EQ(Node<TzidBackstageGroup>(L"bsGroup").GetHelperText(), L"Dateien, die jeder Mail beiliegen");
    EXPECT_TRUE(Node<TzidBackstageHyperlink>(L"bsLink").OnClick.Assigned());
    EXPECT_TRUE(Node<TzidBackstageDropDown>(L"bsDrop").OnItemPropertyChanging.Assigned());
    EXPECT_EQ(Node<TzidBackstageImageControl>(L"bsImage").GetAltText(), L"Logo des Werkzeugs");

    // A module read from the written text writes the same text, and holds the same ids.
    auto *again = new TBackstageTestModule(nullptr);
    try {
        classlib::ReadComponentForm(written, again);
        EXPECT_EQ(classlib::WriteComponentForm(again), written);
        EXPECT_EQ(again->RibbonIds().Count(), Module().RibbonIds().Count());
        EXPECT_NE(again->Backstage(), nullptr);
    } catch (const classlib::Exception &e) {
        ADD_FAILURE() << classlib::WideToUtf8(e.Message());
    }
    classlib::Free(again);
}

TEST_F(BackstageTest, MalformedCodeArraysAndMisplacedClassesAreFormErrors) {
    struct Case {
        std::wstring Form, Error;
    };
    const std::wstring group = L"FirstColumnTypes = " + Codes({27}) + L" FirstColumnControls = < item ";
    // The code arrays' own faults are the ribbon's reader's (RibbonTest.MalformedClassCodesAreFormErrors);
    // here, each kind of Backstage section once, the primary item's limit and the view's rules.
    const Case cases[] = {
        {ColumnForm(L"FirstColumnTypes = " + Codes({27}) + L" FirstColumnControls = " + Items(2)),
         L"FirstColumnControls holds more items than FirstColumnTypes has class codes (1)"},
        {ColumnForm(L"SecondColumnControls = " + Items(1) + L" SecondColumnTypes = " + Codes({27})),
         L"SecondColumnControls holds more items than SecondColumnTypes has class codes (0)"},
        {ColumnForm(L"FirstColumnTypes = " + Codes({27, 50}) + L" FirstColumnControls = " + Items(2)),
         L"FirstColumnTypes[1]: 50 is not a ribbon control class code"},
        {ColumnForm(group + L"PrimaryItemTypes = " + Codes({37, 37}) + L" PrimaryItemControls = " + Items(2) +
                    L" end >"),
         L"There cannot be more than 1 items in this control!"},
        {ColumnForm(group + L"BottomItemsTypes = " + Codes({0xFF}) + L" BottomItemsControls = " + Items(1) +
                    L" end >"),
         L"BottomItemsTypes[0]: 255 is not a ribbon control class code"},
        {L"object Module: TBackstageTestModule object View: TzidBackstage ControlTypes = " + Codes({27}) +
             L" Controls_ = " + Items(1) + L" end end",
         L"The TzidBackstageGroup class cannot be contained in the TzidBackstage class."},
        {L"object Module: TBackstageTestModule object View: TzidBackstage end object View2: TzidBackstage "
         L"end end",
         L"There can be only one instance of TzidBackstage in the TBackstageTestModule!"},
        {ColumnForm(L"FirstColumnTypes = " + Codes({28}) +
                    L" FirstColumnControls = < item Controls = < item "
                    L"Controls = < item Foo = 1 end > end > end >"),
         L"Foo"},
    };
    for (const Case &c : cases) {
        auto *module = new TBackstageTestModule(nullptr);
        try {
            classlib::ReadComponentForm(c.Form, module);
            ADD_FAILURE() << "no error for " << classlib::WideToUtf8(c.Form);
        } catch (const classlib::EReadError &e) {
            EXPECT_NE(e.Message().find(c.Error), std::wstring::npos) << classlib::WideToUtf8(e.Message());
        }
        // Nothing of the failed form stays in the module.
        EXPECT_EQ(module->ComponentCount(), 0);
        EXPECT_EQ(module->Backstage(), nullptr);
        EXPECT_EQ(module->RibbonIds().Count(), 0);
        classlib::Free(module);
    }
}

} // namespace
} // namespace backstagetest
