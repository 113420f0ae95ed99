// Word started again: what Normal.dot kept decides what the user sees, whatever the add-in's records
// say; a start that finds everything in place writes nothing, so that Word does not ask to save
// Normal.dot at every exit; the bars go into the normal template also when another add-in left Word's
// customization context elsewhere, and that context is put back.
#include "WordBarsFixture.h"

#include "classlib/LateBinding.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarControls.h"
#include "hostsim/SimDispatch.h"

namespace wordbars {
namespace {

class RestartTest : public WordBarsFixture {};

TEST_F(RestartTest, AStartThatFindsEverythingInPlaceWritesNothing) {
    ASSERT_TRUE(Start());
    const std::string built = Picture();
    ASSERT_NE(Bar(L"Tessary"), nullptr);
    EXPECT_TRUE(Bar(L"Tessary")->visible);
    EXPECT_EQ(Bar(L"Tessary")->controls.size(), 7u);
    Stop();
    templates_->Restart(AtQuit::Save);
    word_->Log().Clear();

    ASSERT_TRUE(Start());
    SwitchWindow();
    EXPECT_EQ(Picture(), built);
    EXPECT_EQ(Writes(L"OnAction"), std::vector<std::wstring>{});
    EXPECT_TRUE(word_->NormalTemplate()->Saved()) << "Word would ask to save Normal.dot at every exit";
    EXPECT_EQ(Errors(), std::vector<std::wstring>{});
}

// A second document's window binds the bar again: Office's own Print and Save, placed by their Id,
// are found by Id and Tag together, so that they stay bound (and Save's click reaches the add-in).
TEST_F(RestartTest, AWindowSwitchKeepsOfficesControlsPlacedByIdBound) {
    ASSERT_TRUE(Start());
    SwitchWindow();
    auto *addIn = dynamic_cast<framework::TdivAzore *>(addIn_.Get());
    ASSERT_NE(addIn, nullptr);
    auto *bar = dynamic_cast<framework::TzidCustomCommandBar *>(addIn->Module()->FindComponent(L"MainBar"));
    ASSERT_NE(bar, nullptr);
    for (const wchar_t *tag : {L"print", L"save"}) {
        framework::TzidCommandBarControl *control = nullptr;
        for (int i = 0; i < bar->Controls()->Count(); ++i)
            if (bar->Controls()->Items(i)->StoredOfficeTag() == tag)
                control = bar->Controls()->Items(i);
        ASSERT_NE(control, nullptr) << tag;
        ASSERT_EQ(Tagged(tag).size(), 1u) << tag;
        EXPECT_TRUE(control->ControlInterface()) << tag << " is left unbound by the window's binding";
    }
    EXPECT_EQ(Errors(), std::vector<std::wstring>{});
}

// The user declined to save Normal.dot, or reset it: the records tell of bars Word no longer has.
class LostNormalTemplateTest : public WordBarsFixture, public testing::WithParamInterface<AtQuit> {};

TEST_P(LostNormalTemplateTest, TheBarsComeBackWholeAndVisible) {
    ASSERT_TRUE(Start());
    const std::string built = Picture();
    Restart(GetParam());
    EXPECT_EQ(Picture(), built);
    // And so at every later start.
    Restart(AtQuit::Save);
    EXPECT_EQ(Picture(), built);
    EXPECT_EQ(Errors(), std::vector<std::wstring>{});
}

INSTANTIATE_TEST_SUITE_P(NotSavedOrReset, LostNormalTemplateTest,
                         testing::Values(AtQuit::DontSave, AtQuit::FreshNormal),
                         [](const testing::TestParamInfo<AtQuit> &Info) {
                             return Info.param == AtQuit::DontSave ? "NotSaved" : "Reset";
                         });

TEST_F(RestartTest, AControlTheUserRemovedFromABarStillThereStaysRemoved) {
    ASSERT_TRUE(Start());
    bars_->UserDelete(Tagged(L"zip").at(0));
    bars_->UserDelete(Tagged(L"replyAll").at(0));
    Restart(AtQuit::Save);
    SwitchWindow();
    EXPECT_EQ(Tagged(L"zip").size(), 0u);
    EXPECT_EQ(Tagged(L"replyAll").size(), 0u);
    EXPECT_EQ(Tagged(L"forward").size(), 1u);
    EXPECT_EQ(Bar(L"Tessary")->controls.size(), 6u);
}

// Another add-in left Word's customization context on a template of its own.
TEST_F(RestartTest, TheBarsGoIntoTheNormalTemplateAndTheContextIsPutBack) {
    hostsim::SimWordTemplate *other = word_->AddTemplate(L"Other.dot", L"C:\\Startup\\Other.dot");
    classlib::DispPut(word_->Application(), L"CustomizationContext", hostsim::DispatchOf(other));
    ASSERT_TRUE(Start());
    SwitchWindow();
    const std::wstring normal = word_->NormalTemplate()->FullName();
    EXPECT_EQ(Bar(L"Tessary")->context, normal);
    EXPECT_EQ(Bar(L"Tessary Extra")->context, normal);
    EXPECT_FALSE(word_->NormalTemplate()->Saved());
    EXPECT_TRUE(other->Saved()) << "the build changed the other add-in's template";
    EXPECT_EQ(word_->CustomizationContext(), other);
    EXPECT_EQ(Errors(), std::vector<std::wstring>{});
}

} // namespace
} // namespace wordbars
