#include "framework/ribbon/backstage/BackstageContent.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/backstage/BackstageAttributes.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidBackstageHyperlink, TzidRibbonCustomControl, using Self = TzidBackstageHyperlink;
                      TzidRibbonPublisher<Self>(b).Ribbons().Id();
                      b.Property(L"TextAlign", &Self::TextAlign, &Self::SetTextAlign).Default(caTopLeft);
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      TzidRibbonPublisher<Self>(b)
                          .Enabled()
                          .Caption()
                          .Visible()
                          .KeyTip()
                          .Glyph()
                          .ImageIndex()
                          .ImageMso()
                          .ScreenTip()
                          .SuperTip();
                      b.Field(L"OnClick", &Self::OnClick))

CLASSLIB_DEFINE_CLASS(TzidBackstageLabelControl, TzidRibbonCustomControl,
                      using Self = TzidBackstageLabelControl;
                      TzidRibbonPublisher<Self>(b).Ribbons().Id();
                      b.Property(L"TextAlign", &Self::TextAlign, &Self::SetTextAlign).Default(caTopLeft);
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      TzidRibbonPublisher<Self>(b).Enabled().Caption().Visible();
                      b.Property(L"WordWrap", &Self::WordWrap, &Self::SetWordWrap).Default(true))

CLASSLIB_DEFINE_CLASS(
    TzidBackstageImageControl, TzidRibbonCustomControl, using Self = TzidBackstageImageControl;
    TzidRibbonPublisher<Self>(b).Ribbons().Id().Enabled().Visible().Glyph().ImageIndex().ImageMso();
    b.Property(L"AltText", &Self::AltText, &Self::SetAltText).Default(L""))

CLASSLIB_DEFINE_CLASS(TzidBackstageGroupBox, TzidRibbonContainer, using Self = TzidBackstageGroupBox;
                      TzidRibbonPublisher<Self>(b).Ribbons();
                      b.ReadOnly(L"Controls", &Self::Controls).NotStored(); TzidRibbonPublisher<Self>(b).Id();
                      b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither);
                      TzidRibbonPublisher<Self>(b).Caption())

CLASSLIB_DEFINE_CLASS(
    TzidBackstageLayoutContainer, TzidRibbonContainer, using Self = TzidBackstageLayoutContainer;
    TzidRibbonPublisher<Self>(b).Ribbons(); b.ReadOnly(L"Controls", &Self::Controls).NotStored();
    TzidRibbonPublisher<Self>(b).Id();
    b.Property(L"ChildrenAlign", &Self::ChildrenAlign, &Self::SetChildrenAlign).Default(caTopLeft);
    b.Property(L"ChildrenLayout", &Self::ChildrenLayout, &Self::SetChildrenLayout).Default(bcVertical);
    b.Property(L"Expand", &Self::Expand, &Self::SetExpand).Default(ceNeither))

// ---- hyperlink, label, image -------------------------------------------------------------------

TzidBackstageHyperlink::TzidBackstageHyperlink(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageHyperlink::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Align(textAlign_);
    list.Expand(expand_);
    for (const wchar_t *name : {L"getEnabled", L"getLabel", L"getVisible", L"getKeytip"})
        list.Callback(name);
    list.Image();
    list.Callback(L"getSupertip");
    list.Callback(L"getScreentip");
    list.ActionPlain();
    return list.Take();
}

void TzidBackstageHyperlink::DoAction(const TzidRibbonActionArguments &Args) {
    pressed_ = Args.Pressed;
    FireAction(OnClick, this, Args.RibbonControl.Get());
}

TzidBackstageLabelControl::TzidBackstageLabelControl(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageLabelControl::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Align(textAlign_);
    list.Expand(expand_);
    for (const wchar_t *name : {L"getEnabled", L"getLabel", L"getVisible"})
        list.Callback(name);
    list.AddBool(L"noWrap", !wordWrap_);
    return list.Take();
}

TzidBackstageImageControl::TzidBackstageImageControl(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageImageControl::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Callback(L"getEnabled");
    list.Callback(L"getVisible");
    list.Image();
    list.Callback(L"getAltText");
    return list.Take();
}

// ---- containers --------------------------------------------------------------------------------

TzidBackstageGroupBox::TzidBackstageGroupBox(classlib::TCollection *Collection)
    : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageGroupBox::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Expand(expand_);
    list.Callback(L"getLabel");
    return list.Take();
}

TzidBackstageLayoutContainer::TzidBackstageLayoutContainer(classlib::TCollection *Collection)
    : TzidRibbonContainer(Collection, 1000) {
    EnterInIdList();
}

std::unique_ptr<classlib::TStringList> TzidBackstageLayoutContainer::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    list.Id();
    list.Add(L"align", BackstageWord(childrenAlign_));
    list.Expand(expand_);
    list.Add(L"layoutChildren", BackstageWord(childrenLayout_));
    return list.Take();
}

} // namespace framework
