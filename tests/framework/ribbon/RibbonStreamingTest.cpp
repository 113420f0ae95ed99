// The model in form resources: tabs and controls read with their class codes, ids, ribbon kinds and
// events; malformed forms refused with a clear error and nothing left behind; a form written back
// reads to the same form.
#include "RibbonTestModule.h"

#include "classlib/Format.h"
#include "classlib/ImageList.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "framework/ribbon/RibbonStreaming.h"

using namespace framework;
using ribbontest::Codes;
using ribbontest::RibbonTest;

namespace {

std::wstring Items(int Count) {
    std::wstring items;
    for (int i = 0; i < Count; ++i)
        items += L"item Id = 'c" + std::to_wstring(i) + L"' end ";
    return L"<" + items + L">";
}

// A module form with one tab holding one group whose children are given.
std::wstring GroupForm(const std::wstring &ControlTypes, const std::wstring &Controls) {
    return L"object Module: TRibbonTestModule\n"
           L"  object Tab1: TzidRibbonTab\n"
           L"    Controls = < item Id = 'g' ControlTypes = " +
           ControlTypes + L" Controls_ = " + Controls +
           L" end >\n"
           L"  end\n"
           L"end\n";
}

} // namespace

// Each child is made by the class code at its position, whatever order index its item carries (the
// class of every code is read in AFormWithEveryClassReadsBackToTheSameForm).
TEST_F(RibbonTest, ChildrenAreCreatedByTheCodeAtTheirPosition) {
    ReadForm(GroupForm(Codes({7, 16}), L"< item [3] Id = 'x' end item [0] Id = 'y' end >"));
    EXPECT_EQ(module_->FindRibbonObject(L"x")->ClassName(), L"TzidRibbonButton");
    EXPECT_EQ(module_->FindRibbonObject(L"y")->ClassName(), L"TzidRibbonSeparator");
}

TEST_F(RibbonTest, TheFormOfTheDevelopersGuideReads) {
    ReadForm(L"object Module: TRibbonTestModule\n"
             L"  object zidRibbonTab1: TzidRibbonTab\n"
             L"    Caption = 'Anh'#228'nge'\n"
             L"    Ribbons = [msrOutlookMailRead, msrOutlookExplorer]\n"
             L"    ControlTypes = {\n"
             L"      0100000004000000}\n"
             L"    Controls_ = <\n"
             L"      item\n"
             L"        Caption = 'Senden'\n"
             L"      end>\n"
             L"  end\n"
             L"end\n");
    auto *tab = static_cast<TzidRibbonTab *>(module_->FindComponent(L"zidRibbonTab1"));
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->Caption(), L"Anh\u00e4nge");
    EXPECT_EQ(tab->Ribbons(), (TzidRibbons{msrOutlookMailRead, msrOutlookExplorer}));
    ASSERT_EQ(tab->Controls()->Count(), 1);
    EXPECT_EQ(tab->Controls()->Items(0)->ClassName(), L"TzidRibbonGroup");
    EXPECT_EQ(tab->Controls()->Items(0)->Caption(), L"Senden");
    // The tab's kinds, read after its groups, reach them.
    EXPECT_EQ(tab->Controls()->Items(0)->Ribbons(), tab->Ribbons());
}

TEST_F(RibbonTest, MalformedClassCodesAreFormErrors) {
    struct Case {
        std::wstring ControlTypes, Controls, Error;
    };
    const Case cases[] = {
        {Codes({7, 7}, 3), Items(2), L"ControlTypes counts 3 class codes but holds 8 bytes of them"},
        {Codes({7, 7, 7}, 2), Items(2), L"ControlTypes counts 2 class codes but holds 12 bytes of them"},
        {L"{070000}", Items(0), L"too short for its count"},
        {Codes({7, 50}), Items(2), L"50 is not a ribbon control class code"},
        {Codes({0x107}), Items(1), L"263 is not a ribbon control class code"},
        {Codes({7}), Items(2), L"Controls_ holds more items than ControlTypes has class codes (1)"},
        {Codes({4}), Items(0) + L" Foo = 1", L"Foo"},
    };
    for (const Case &c : cases) {
        try {
            ReadForm(GroupForm(c.ControlTypes, c.Controls));
            ADD_FAILURE() << "no error for " << testing::PrintToString(c.ControlTypes);
        } catch (const classlib::EReadError &e) {
            EXPECT_NE(e.Message().find(c.Error), std::wstring::npos) << testing::PrintToString(e.Message());
        }
        // Nothing of the failed form stays in the module.
        EXPECT_EQ(module_->ComponentCount(), 0);
        EXPECT_EQ(module_->RibbonTabs().Count(), 0);
        EXPECT_EQ(module_->RibbonIds().Count(), 0);
    }

    // A tab holds groups only.
    EXPECT_THROW(ReadForm(L"object Module: TRibbonTestModule object T: TzidRibbonTab ControlTypes = " +
                          Codes({7}) + L" Controls_ = " + Items(1) + L" end end"),
                 classlib::EReadError);
}

TEST_F(RibbonTest, DefinedSetsAddToWhatIsHeldAndPublishedSetsReplaceIt) {
    ReadForm(L"object Module: TRibbonTestModule\n"
             L"  object Tab1: TzidRibbonTab\n"
             L"    Controls = < item\n"
             L"      Ribbons = [msrOutlookMailRead]\n"
             L"      ControlTypes = " +
             Codes({12, 16}) +
             L"\n      Controls_ = <\n"
             L"        item Id = 'combo' Ribbons = [msrWordDocument]\n"
             L"          Items = < item Caption = 'a' Ribbons = [msrOutlookTask] Ribbons2010 = "
             L"[msrInforPathFiller2010] end >\n"
             L"        end\n"
             L"        item Caption = 'ignored by separators' Ribbons = [msrOutlookTask] end > end >\n"
             L"  end\n"
             L"end\n");
    auto *tab = static_cast<TzidRibbonTab *>(module_->FindComponent(L"Tab1"));
    TzidRibbonControls *controls = tab->Controls()->Items(0)->GetControls();
    TzidRibbonCustomControl *combo = controls->Items(0);
    EXPECT_EQ(combo->Ribbons(), TzidRibbons{msrWordDocument});
    // An item publishes no ribbon kinds: the form's elements join those it took from the combo box.
    TzidRibbonCustomControl *item = combo->GetItems()->Items(0);
    EXPECT_EQ(item->Ribbons(), (TzidRibbons{msrWordDocument, msrOutlookTask}));
    EXPECT_EQ(item->Ribbons2010(), TzidRibbons2010{msrInforPathFiller2010});
    EXPECT_EQ(item->Caption(), L"a");
    EXPECT_EQ(controls->Items(1)->Caption(), L"ignored by separators");
    EXPECT_EQ(controls->Items(1)->Ribbons(), TzidRibbons{msrOutlookTask}); // published by separators

    EXPECT_THROW(ReadForm(GroupForm(Codes({16}), L"< item Ribbons = [msrNoSuchWindow] end >")),
                 classlib::EReadError);
}

TEST_F(RibbonTest, AFormWithEveryClassReadsBackToTheSameForm) {
    ReadForm(ribbontest::EveryClassForm());
    auto *tab = static_cast<TzidRibbonTab *>(module_->FindComponent(L"Tab1"));
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->Images(), module_->FindComponent(L"Images"));
    TzidRibbonControls *controls = tab->Controls()->Items(0)->GetControls();
    ASSERT_EQ(controls->Count(), 13);
    EXPECT_EQ(controls->Items(12)->ClassName(), L"TzidRibbonDialogBoxLauncher");
    auto *menu = static_cast<TzidRibbonMenu *>(controls->Items(8));
    EXPECT_TRUE(menu->Dynamic());
    EXPECT_TRUE(menu->OnCreate.Assigned());
    EXPECT_EQ(static_cast<TzidRibbonSplitButton *>(controls->Items(1))
                  ->Controls()
                  ->Items(0)
                  ->GetControls()
                  ->Count(),
              2);
    EXPECT_EQ(controls->Items(3)->Ribbons(), (TzidRibbons{msrOutlookMailRead, msrOutlookExplorer}));
    EXPECT_EQ(controls->Items(3)->Ribbons2010(), TzidRibbons2010{msrOutlookExplorer2010});
    // Every node is in the id list, under its id.
    for (const wchar_t *id : {L"tsyTab", L"tsyGroup", L"tsyReply", L"tsySplitMenu", L"tsyTitle", L"tsyC1",
                              L"tsyDropButton", L"tsyInBox", L"tsyB2", L"tsyLauncher"})
        EXPECT_NE(module_->FindRibbonObject(id), nullptr) << testing::PrintToString(std::wstring(id));
    classlib::TBitmap glyph;
    glyph.SetSize(2, 2);
    glyph.SetPixels(0, 0, RGB(255, 0, 0));
    controls->Items(0)->SetGlyph(&glyph);

    const std::wstring written = WriteForm();
    auto *again = new ribbontest::TRibbonTestModule(nullptr);
    try {
        classlib::ReadComponentForm(written, again);
        EXPECT_EQ(classlib::WriteComponentForm(again), written);
        auto *copy = static_cast<TzidRibbonTab *>(again->FindComponent(L"Tab1"));
        ASSERT_NE(copy, nullptr);
        TzidRibbonCustomControl *reply = copy->Controls()->Items(0)->GetControls()->Items(0);
        EXPECT_EQ(reply->Glyph()->Pixels(0, 0), RGB(255, 0, 0));
        EXPECT_EQ(reply->Caption(), L"Antworten");
        EXPECT_EQ(again->RibbonIds().Count(), module_->RibbonIds().Count());
        // Each node keeps the kinds it was written with, narrower than its parent's or not.
        EXPECT_EQ(copy->Ribbons(),
                  (TzidRibbons{msrOutlookMailRead, msrOutlookMailCompose, msrOutlookExplorer}));
        EXPECT_EQ(copy->Controls()->Items(0)->Ribbons(),
                  (TzidRibbons{msrOutlookMailRead, msrOutlookExplorer}));
        auto *split =
            static_cast<TzidRibbonSplitButton *>(copy->Controls()->Items(0)->GetControls()->Items(1));
        EXPECT_EQ(split->Controls()->Items(0)->Ribbons(), TzidRibbons{msrOutlookMailRead});
        EXPECT_TRUE(split->Controls()->Items(0)->Ribbons2010().Empty());
    } catch (const classlib::Exception &e) {
        ADD_FAILURE() << testing::PrintToString(e.Message()) << "\n" << testing::PrintToString(written);
    }
    classlib::Free(again);
}
