// Malformed forms: every error names its line (and the component and property it concerns) and
// a failed read leaves no component behind.
#include "FormTestClasses.h"

#include <gtest/gtest.h>

using namespace formtest;

namespace {
struct TBadForm {
    const wchar_t *What;
    const wchar_t *Body; // goes after a correct first tab, so there is something to clean up
    int Line;
    std::vector<const wchar_t *> Mentions;
};
} // namespace

TEST(FormStream, MalformedFormsNameTheLineAndLeaveNoComponentBehind) {
    const std::vector<TBadForm> cases = {
        // clang-format off
        {L"unknown class", L"  object Tab2: TNoSuchTab\n  end\n", 5, {L"TNoSuchTab", L"Tab2"}},
        {L"unknown property", L"  object Tab2: TTab\n    Colour = 5\n  end\n", 6,
         {L"Tab2.Colour", L"Colour"}},
        {L"bad set element", L"  object Tab2: TTab\n    Ribbons = [msrOutlookExplorer, msrExcel]\n  end\n", 6,
         {L"Tab2.Ribbons", L"msrExcel"}},
        {L"bad enumeration element", L"  Align = alMiddle\n", 5, {L"Module.Align", L"alMiddle"}},
        {L"unterminated string", L"  object Tab2: TTab\n    Caption = 'open\n  end\n", 6,
         {L"Unterminated string"}},
        {L"wrong value kind", L"  object Tab2: TTab\n    Caption = 5\n  end\n", 6,
         {L"Tab2.Caption", L"string"}},
        {L"integer too large for its property", L"  object Tab2: TTab\n    Limit = 4294967296\n  end\n", 6,
         {L"Tab2.Limit", L"4294967296"}},
        {L"wrong kind for a defined list", L"  Tags = 'red'\n", 5, {L"Module.Tags", L"list"}},
        {L"unknown handler", L"  object Tab2: TTab\n    OnClick = NoSuchHandler\n  end\n", 6,
         {L"Tab2.OnClick", L"NoSuchHandler"}},
        {L"handler of another signature", L"  object Tab2: TTab\n    OnClick = Progress\n  end\n", 6,
         {L"Tab2.OnClick", L"Progress"}},
        {L"unresolvable reference", L"  object Tab2: TTab\n    Next = Tab9\n  end\n", 6,
         {L"Tab2.Next", L"Tab9"}},
        {L"reference of the wrong class", L"  object Tab2: TTab\n    Next = Module\n  end\n", 6,
         {L"Tab2.Next"}},
        {L"error inside a collection item",
         L"  Items = <\n    item\n      Value = 1\n    end\n    item\n      Text = 'a'\n    end>\n", 10,
         {L"Module.Items[1].Text"}},
        {L"duplicate name", L"  object Tab1: TTab\n  end\n", 5, {L"Tab1", L"already exists"}},
        {L"failing Loaded", L"  object Tab2: TTab\n    LoadFails = True\n  end\n", 0,
         {L"Tab2", L"tab cannot start"}},
        // clang-format on
    };
    for (const TBadForm &c : cases) {
        SCOPED_TRACE(c.What);
        std::wstring text = std::wstring(L"object Module: TTestModule\n"
                                         L"  object Tab1: TTab\n"
                                         L"    Next = Tab1\n"
                                         L"  end\n") +
                            c.Body + L"end\n";
        int before = liveComponents;
        TRoot root;
        try {
            ReadComponentForm(text, root.module);
            ADD_FAILURE() << "no error";
        } catch (const EReadError &e) {
            if (c.Line > 0) {
                EXPECT_NE(e.Message().find(L"Line " + std::to_wstring(c.Line) + L":"), std::wstring::npos)
                    << e.Message();
            }
            for (const wchar_t *mention : c.Mentions)
                EXPECT_NE(e.Message().find(mention), std::wstring::npos) << e.Message();
        }
        EXPECT_EQ(root.module->ComponentCount(), 0);
        EXPECT_EQ(liveComponents, before + 1) << "only the caller's root is left";
        EXPECT_EQ(root.module->ComponentState() & (csLoading | csReading), 0u);
    }
}

TEST(FormStream, SetterErrorNamesComponentPropertyLineAndKeepsItsMessage) {
    TRoot root;
    try {
        ReadComponentForm(L"object Module: TTestModule\n  object Tab1: TTab\n    Limit = -1\n  end\nend",
                          root.module);
        FAIL() << "no error";
    } catch (const EReadError &e) {
        EXPECT_NE(e.Message().find(L"Line 3:"), std::wstring::npos) << e.Message();
        EXPECT_NE(e.Message().find(L"Tab1.Limit"), std::wstring::npos) << e.Message();
        EXPECT_NE(e.Message().find(L"Limit must not be negative"), std::wstring::npos) << e.Message();
    }
    EXPECT_EQ(root.module->ComponentCount(), 0);
}

TEST(FormStream, RootMustBeOfTheFormsClassOrDerivedFromIt) {
    TRoot root;
    EXPECT_THROW(ReadComponentForm(L"object Tab1: TTab\nend", root.module), EReadError);
    EXPECT_NO_THROW(ReadComponentForm(L"object Base: TComponent\nend", root.module));
    EXPECT_EQ(root.module->Name(), L"Base");
}

TEST(FormParser, SyntaxErrorsNameTheirLine) {
    const std::vector<std::pair<std::wstring, int>> cases = {
        {L"object A: TTestModule\n  Caption = 'x\nend", 2},
        {L"object A: TTestModule\n  Caption 'x'\nend", 2},
        {L"object A: TTestModule\n  Data = {\n    0G}\nend", 3},
        {L"object A: TTestModule\n  Data = {\n    012}\nend", 3},
        {L"object A: TTestModule\n  Data = {\n    01", 2},
        {L"object A: TTestModule\n  S = [a, 1]\nend", 2},
        {L"object A: TTestModule\n  S = 'a' +\n  end", 3},
        {L"object A: TTestModule\n  I = <\n    item\n      X = 1\n  >\nend", 5},
        {L"object A: TTestModule\n  I = 99999999999999999999\nend", 2},
        {L"object A: TTestModule\n  C = #70000\nend", 2},
        {L"object A: TTestModule\n  object B: TTab\n  end\n", 4},
        {L"object A: TTestModule\nend\nobject B: TTab\nend", 3},
        {L"object A.B: TTestModule\nend", 1},
    };
    for (const auto &[text, line] : cases) {
        SCOPED_TRACE(text);
        try {
            ParseForm(text);
            ADD_FAILURE() << "no error";
        } catch (const EReadError &e) {
            EXPECT_EQ(e.Message().rfind(L"Line " + std::to_wstring(line) + L":", 0), 0u) << e.Message();
        }
    }
}

TEST(FormWriter, RefusesWhatCouldNotBeReadBack) {
    TRoot root;
    root.module->SetName(L"Module");
    TRoot other;
    other.module->SetName(L"Other");
    TTab *outside = Create<TTab>(other.module);
    outside->SetName(L"Outside");
    root.module->SetPartner(outside); // lives in another form
    EXPECT_THROW(WriteComponentForm(root.module), EInvalidOperation);
    root.module->SetPartner(nullptr);
    Create<TTab>(root.module); // a component without a name
    EXPECT_THROW(WriteComponentForm(root.module), EInvalidOperation);
    EXPECT_EQ(root.module->ComponentState() & csWriting, 0u);
}
