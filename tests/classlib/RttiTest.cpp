// Published properties and events: set through class information the way a form does, with
// setter rules applied, handlers bound by name and compared. Chained handlers, and by-reference
// parameters reaching the caller, are the host wrappers' tests
// (TOutlookApplication.ItemSendReachesChainedHandlersAndCancelReachesOutlook).
#include "classlib/Classes.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

enum TColour { clRed, clGreen, clBlue };
CLASSLIB_ENUM(TColour, L"clRed", L"clGreen", L"clBlue")
using TColours = TSet<TColour>;
using TNotifyEvent = TEvent<void(TObject *Sender)>;
using TCloseEvent = TEvent<void(TObject *Sender, bool &Cancel)>;

class TWidget : public TComponent {
    CLASSLIB_CLASS(TWidget)
public:
    using TComponent::TComponent;
    const std::wstring &Caption() const { return caption_; }
    void SetCaption(const std::wstring &v) {
        if (v.empty())
            throw EOleSysError(L"The Caption property cannot be empty.", 31101);
        caption_ = v;
    }
    TColour Colour() const { return colour_; }
    void SetColour(TColour c) { colour_ = c; }
    TColours Colours() const { return colours_; }
    void SetColours(TColours c) { colours_ = c; }
    TWidget *Buddy() const { return buddy_; }
    void SetBuddy(TWidget *w) { buddy_ = w; }
    int Width = 10;
    TNotifyEvent OnClick;
    TCloseEvent OnClose;

    // handlers a form can bind
    std::vector<std::wstring> calls;
    void WidgetClick(TObject *) { calls.push_back(L"click"); }
    void OtherClick(TObject *) { calls.push_back(L"other"); }
    void WidgetClose(TObject *, bool &cancel) { cancel = true; }

private:
    std::wstring caption_ = L"x";
    TColour colour_ = clRed;
    TColours colours_;
    TWidget *buddy_ = nullptr;
};
CLASSLIB_DEFINE_CLASS(TWidget, TComponent, b.Property(L"Caption", &TWidget::Caption, &TWidget::SetCaption);
                      b.Property(L"Colour", &TWidget::Colour, &TWidget::SetColour).Default(clRed);
                      b.Property(L"Colours", &TWidget::Colours, &TWidget::SetColours).Default(TColours{});
                      b.Property(L"Buddy", &TWidget::Buddy, &TWidget::SetBuddy);
                      b.Field(L"Width", &TWidget::Width).Default(10); b.Field(L"OnClick", &TWidget::OnClick);
                      b.Field(L"OnClose", &TWidget::OnClose); b.Method<&TWidget::WidgetClick>(L"WidgetClick");
                      b.Method<&TWidget::OtherClick>(L"OtherClick");
                      b.Method<&TWidget::WidgetClose>(L"WidgetClose"))

} // namespace

TEST(Rtti, PropertiesAreSetThroughTheirSetters) {
    TWidget w(nullptr);
    const TClassInfo &cls = w.ClassType();
    const TPropInfo *caption = cls.FindProperty(L"CAPTION");
    ASSERT_NE(caption, nullptr);
    caption->Set(&w, std::wstring(L"Senden"));
    EXPECT_EQ(w.Caption(), L"Senden");
    EXPECT_THROW(caption->Set(&w, std::wstring()), EOleSysError);
    EXPECT_THROW(caption->Set(&w, int64_t(5)), EConvertError);

    const TPropInfo *colours = cls.FindProperty(L"Colours");
    ASSERT_EQ(colours->Kind, TPropKind::Set);
    EXPECT_EQ(colours->Enum->ValueOf(L"clblue"), 2);
    colours->Set(&w, TSetBits{(1u << clGreen) | (1u << clBlue)});
    EXPECT_TRUE(w.Colours().Contains(clBlue));
    EXPECT_FALSE(w.Colours().Contains(clRed));

    TWidget other(nullptr);
    cls.FindProperty(L"Buddy")->Set(&w, static_cast<TObject *>(&other));
    EXPECT_EQ(w.Buddy(), &other);
    TComponent notAWidget(nullptr);
    EXPECT_THROW(cls.FindProperty(L"Buddy")->Set(&w, static_cast<TObject *>(&notAWidget)), EConvertError);

    // ancestors' properties first, in declaration order
    auto props = cls.Properties();
    ASSERT_GE(props.size(), 3u);
    EXPECT_EQ(props[0]->Name, L"Name");
    EXPECT_EQ(props[2]->Name, L"Caption");
}

TEST(Rtti, HandlersBindByNameOnlyWithTheirOwnSignature) {
    TWidget module(nullptr), button(nullptr);
    const TMethodEntry *click = module.ClassType().FindMethod(L"widgetclick");
    const TMethodEntry *close = module.ClassType().FindMethod(L"WidgetClose");
    ASSERT_TRUE(click && close);
    const TPropInfo *onClick = button.ClassType().FindProperty(L"OnClick");
    onClick->Set(&button, TMethodValue{&module, click->Code, click->Signature});
    button.OnClick(&button);
    EXPECT_EQ(module.calls, std::vector<std::wstring>{L"click"});
    // a handler of another signature is refused, and the event keeps its handler
    EXPECT_THROW(onClick->Set(&button, TMethodValue{&module, close->Code, close->Signature}), EConvertError);
    ASSERT_TRUE(button.OnClick.Assigned());
    // the writer finds the handler's name back from the bound code
    auto bound = std::get<TMethodValue>(onClick->Get(&button));
    EXPECT_EQ(module.ClassType().FindMethodByCode(bound.Code)->Name, L"WidgetClick");
    EXPECT_EQ(button.OnClick, MakeEvent<&TWidget::WidgetClick>(&module));
    EXPECT_FALSE(button.OnClick == MakeEvent<&TWidget::OtherClick>(&module));
}
