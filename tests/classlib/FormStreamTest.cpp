// Form reading and writing: what a form creates, sets and binds, and that the writer's text reads
// back to equal objects and is written again identically.
#include "FormTestClasses.h"

#include <gtest/gtest.h>

using namespace formtest;

namespace {

// Every kind of value the format has, in the writer's own layout.
const wchar_t *const FullForm = LR"(object Module: TTestModule
  Caption = 'Anh'#228'nge ''quoted'''
  Count = -42
  Align = alRight
  Enabled = False
  Ribbons = [msrOutlookMailRead, msrWordDocument]
  Partner = Tab2
  Glyph.Width = 32
  Glyph.Data = {
    00FF10}
  Items = <
    item
      Caption = 'first'
      Value = 7
    end
    item
      Caption = ''
    end>
  OnStartup = ModuleStartup
  Options = [soFast, soSafe]
  Tags = (
    'red'
    'green')
  object Tab1: TTab
    Tag = 5
    Caption = 'One'
    Ribbons = []
    Next = Tab2
    Target = Module
    OnClick = TabClick
  end
  object Tab2: TTab
    Caption = 'Two'
    Ribbons = [msrOutlookExplorer]
    Limit = 3
    Next = Tab1
  end
end
)";

} // namespace

TEST(FormStream, FullFormReadsIntoObjectsAndWritesBackIdentically) {
    TRoot root;
    ReadComponentForm(Crlf(FullForm), root.module);
    TTestModule &m = *root.module;
    EXPECT_EQ(m.Name(), L"Module");
    EXPECT_EQ(m.Caption(), L"Anh\u00e4nge 'quoted'");
    EXPECT_EQ(m.Count(), -42);
    EXPECT_EQ(m.Align(), TAlign::alRight);
    EXPECT_FALSE(m.Enabled());
    EXPECT_EQ(m.Ribbons(), (TRibbons{TRibbon::msrOutlookMailRead, TRibbon::msrWordDocument}));
    EXPECT_EQ(m.Glyph()->Width(), 32);
    EXPECT_EQ(m.Glyph()->Data, (std::vector<uint8_t>{0x00, 0xFF, 0x10}));
    ASSERT_EQ(m.Items()->Count(), 2);
    EXPECT_EQ(static_cast<TTestItem *>(m.Items()->Items(0))->Value(), 7);
    EXPECT_EQ(m.Options, (std::vector<std::wstring>{L"soFast", L"soSafe"}));
    EXPECT_EQ(m.Tags, (std::vector<std::wstring>{L"red", L"green"}));

    ASSERT_EQ(m.ComponentCount(), 2);
    TTab *tab1 = root.Tab(L"Tab1"), *tab2 = root.Tab(L"Tab2");
    ASSERT_TRUE(tab1 && tab2);
    EXPECT_EQ(tab1->Owner(), &m);
    EXPECT_EQ(tab1->Tag(), 5);
    EXPECT_EQ(tab1->Next(), tab2); // a reference to a component further down the form
    EXPECT_EQ(tab2->Next(), tab1);
    EXPECT_EQ(tab1->Target(), &m); // the root by its own name
    EXPECT_EQ(m.Partner(), tab2);
    EXPECT_EQ(tab2->Limit(), 3);

    // handlers are bound to the root's published methods
    m.OnStartup(&m);
    EXPECT_EQ(m.startups, 1);
    tab1->OnClick(tab1);
    EXPECT_EQ(m.lastClicked, tab1);

    std::wstring written = WriteComponentForm(&m);
    EXPECT_EQ(written, Crlf(FullForm));
    TRoot copy;
    ReadComponentForm(written, copy.module);
    EXPECT_EQ(WriteComponentForm(copy.module), written);
}

TEST(FormStream, ReaderAcceptsEveryNotationAndWriterNormalisesIt) {
    TRoot root;
    root.module->Items()->Add(); // reading a collection replaces what was there
    ReadComponentForm(L"object Module: TTestModule\n"
                      L"  Count = $FF\n"
                      L"  Caption = 'It''s ' +\n"
                      L"    'joined'#13#10 +\n"
                      L"    'Anh\u00e4nge'\n"
                      L"  Glyph.Data = {\n"
                      L"    0001\n"
                      L"    0203}\n"
                      L"  ITEMS = <\n"
                      L"    item [3]\n"
                      L"      Value = -5\n"
                      L"    end>\n"
                      L"  object Tab2: TTab\n"
                      L"    Next = tab3\n"
                      L"    object Tab3: TTab\n"
                      L"      Caption = ''\n"
                      L"    end\n"
                      L"  end\n"
                      L"end",
                      root.module);
    TTestModule &m = *root.module;
    EXPECT_EQ(m.Count(), 255);
    EXPECT_EQ(m.Caption(), L"It's joined\r\nAnh\u00e4nge");
    EXPECT_EQ(m.Glyph()->Data, (std::vector<uint8_t>{0, 1, 2, 3}));
    ASSERT_EQ(m.Items()->Count(), 1);
    EXPECT_EQ(static_cast<TTestItem *>(m.Items()->Items(0))->Value(), -5);
    // a nested object belongs to the root all the same
    TTab *tab3 = root.Tab(L"Tab3");
    ASSERT_NE(tab3, nullptr);
    EXPECT_EQ(tab3->Owner(), &m);
    EXPECT_EQ(root.Tab(L"Tab2")->Next(), tab3);

    std::wstring written = WriteComponentForm(&m);
    for (wchar_t c : written)
        ASSERT_LT(c, 128) << "the writer writes ASCII only";
    EXPECT_NE(written.find(L"Caption = 'It''s joined'#13#10'Anh'#228'nge'"), std::wstring::npos) << written;
    TRoot copy;
    ReadComponentForm(written, copy.module);
    EXPECT_EQ(copy.module->Caption(), m.Caption());
    EXPECT_EQ(WriteComponentForm(copy.module), written);
}

TEST(FormStream, LongAndOddStringsSurviveTheRoundTrip) {
    std::wstring odd;
    for (int i = 0; i < 150; ++i)
        odd += (i % 7 == 0) ? L'\'' : (i % 11 == 0) ? L'\u20ac' : static_cast<wchar_t>(L'a' + i % 26);
    for (const std::wstring &value :
         {odd, std::wstring(L"\t"), std::wstring(64, L'\''), std::wstring(300, L'x')}) {
        TRoot root;
        root.module->SetName(L"Module");
        root.module->SetCaption(value);
        std::wstring written = WriteComponentForm(root.module);
        if (value.size() > 64) {
            EXPECT_NE(written.find(L" +\r\n"), std::wstring::npos) << "long strings are split";
        }
        TRoot copy;
        ReadComponentForm(written, copy.module);
        EXPECT_EQ(copy.module->Caption(), value) << written;
        EXPECT_EQ(WriteComponentForm(copy.module), written);
    }
}

TEST(FormStream, WriterLeavesDefaultsOutButWritesPropertiesWithoutOne) {
    TRoot root;
    root.module->SetName(L"Module");
    TTab *tab = Create<TTab>(root.module);
    tab->SetName(L"Tab1");
    tab->OnClick = MakeEvent<&TTestModule::TabClick>(root.module);
    root.module->OnStartup =
        TEvent<void(TObject *)>(root.module, [](TObject *, TObject *) {}); // not published
    EXPECT_EQ(WriteComponentForm(root.module), Crlf(LR"(object Module: TTestModule
  Caption = ''
  Ribbons = []
  Items = <>
  object Tab1: TTab
    Caption = ''
    Ribbons = []
    OnClick = TabClick
  end
end
)"));
}

TEST(FormStream, ComponentsAreLoadedAfterReferencesAreFixedRootLast) {
    loadLog.clear();
    TRoot root;
    ReadComponentForm(L"object Module: TTestModule\n"
                      L"  object Tab1: TTab\n    Next = Tab2\n  end\n"
                      L"  object Tab2: TTab\n  end\n"
                      L"end",
                      root.module);
    EXPECT_EQ(loadLog, (std::vector<std::wstring>{L"Tab1 loading next=Tab2", L"Tab2 loading", L"Module"}));
    EXPECT_EQ(root.module->ComponentState() & (csLoading | csReading), 0u);
    EXPECT_EQ(root.Tab(L"Tab1")->ComponentState() & (csLoading | csReading), 0u);
}
