#include "framework/ribbon/backstage/BackstageTabs.h"

#include "classlib/Classes.h"
#include "framework/ribbon/RibbonPublish.h"
#include "framework/ribbon/backstage/BackstageAttributes.h"
#include "framework/ribbon/backstage/BackstageStreaming.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(
    TzidBackstageTab, TzidRibbonCustomControl, using Self = TzidBackstageTab; TzidRibbonPublisher<Self>(b)
                                                                                  .Caption()
                                                                                  .Enabled()
                                                                                  .Id()
                                                                                  .IdMso()
                                                                                  .Inserts()
                                                                                  .KeyTip()
                                                                                  .Ribbons()
                                                                                  .Title()
                                                                                  .Visible();
    b.ReadOnly(L"FirstColumn", &Self::FirstColumn).NotStored();
    b.ReadOnly(L"SecondColumn", &Self::SecondColumn).NotStored();
    b.Property(L"ColumnWidthPercent", &Self::ColumnWidthPercent, &Self::SetColumnWidthPercent).Default(0);
    b.Property(L"FirstColumnMinWidth", &Self::FirstColumnMinWidth, &Self::SetFirstColumnMinWidth).Default(0);
    b.Property(L"FirstColumnMaxWidth", &Self::FirstColumnMaxWidth, &Self::SetFirstColumnMaxWidth).Default(0);
    b.Property(L"SecondColumnMinWidth", &Self::SecondColumnMinWidth, &Self::SetSecondColumnMinWidth)
        .Default(0);
    b.Property(L"SecondColumnMaxWidth", &Self::SecondColumnMaxWidth, &Self::SetSecondColumnMaxWidth)
        .Default(0))

CLASSLIB_DEFINE_CLASS(TzidBackstageGroup, TzidRibbonCustomControl, using Self = TzidBackstageGroup;
                      TzidRibbonPublisher<Self>(b).Ribbons();
                      b.ReadOnly(L"PrimaryItem", &Self::PrimaryItem).NotStored();
                      b.ReadOnly(L"TopItems", &Self::TopItems).NotStored();
                      b.ReadOnly(L"BottomItems", &Self::BottomItems).NotStored();
                      TzidRibbonPublisher<Self>(b).Id().IdMso().Inserts().Caption().Visible();
                      b.Property(L"Style", &Self::Style, &Self::SetStyle).Default(gsNormal);
                      b.Property(L"HelperText", &Self::GetHelperText, &Self::SetHelperText).Default(L"");
                      TzidRibbonPublisher<Self>(b).ShowCaption())

namespace {

constexpr int MaxColumnWidth = 10000;

std::unique_ptr<TzidRibbonControls> AnyControls(TzidRibbonCustomControl *Owner, int MaxCount) {
    return std::make_unique<TzidRibbonControls>(Owner, MaxCount, TzidRibbonCustomControl::StaticClass());
}

// A value inside [0, Max] that differs is taken; anything else is ignored.
void StoreInRange(int &Field, int Value, int Max) {
    if (Value >= 0 && Value <= Max)
        Field = Value;
}

// The sections are no controls of the node, so the ribbon kinds' own descent does not reach them.
void PassKinds(TzidRibbonControls *Controls, TzidRibbons Ribbons, TzidRibbons2010 Ribbons2010) {
    for (int i = 0; i < Controls->Count(); ++i) {
        Controls->Items(i)->SetRibbons(Ribbons);
        Controls->Items(i)->SetRibbons2010(Ribbons2010);
    }
}

} // namespace

bool IsBackstagePrimaryItem(const TzidRibbonCustomControl &Control) {
    auto *group = dynamic_cast<const TzidBackstageGroup *>(Control.ParentControl());
    return group != nullptr && Control.Collection() == group->PrimaryItem();
}

// ---- tab ---------------------------------------------------------------------------------------

TzidBackstageTab::TzidBackstageTab(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection), firstColumn_(AnyControls(this, 1000)),
      secondColumn_(AnyControls(this, 1000)) {
    EnterInIdList();
}

TzidBackstageTab::~TzidBackstageTab() {
    // The children find the module through this control: they go while it is whole.
    secondColumn_.reset();
    firstColumn_.reset();
}

void TzidBackstageTab::DefineProperties(classlib::TFiler &Filer) {
    TzidRibbonCustomControl::DefineProperties(Filer);
    DefineTypedCollections(
        Filer, {{L"FirstColumnTypes", L"FirstColumnControls", firstColumn_.get(), &firstTypes_},
                {L"SecondColumnTypes", L"SecondColumnControls", secondColumn_.get(), &secondTypes_}});
}

void TzidBackstageTab::PassKindsDown() {
    PassKinds(firstColumn_.get(), ribbons_, ribbons2010_);
    PassKinds(secondColumn_.get(), ribbons_, ribbons2010_);
}

void TzidBackstageTab::SetRibbons(TzidRibbons Value) {
    if (Value == ribbons_)
        return;
    TzidRibbonCustomControl::SetRibbons(Value);
    PassKindsDown();
}

void TzidBackstageTab::SetRibbons2010(TzidRibbons2010 Value) {
    if (Value == ribbons2010_)
        return;
    TzidRibbonCustomControl::SetRibbons2010(Value);
    PassKindsDown();
}

void TzidBackstageTab::SetColumnWidthPercent(int Value) {
    StoreInRange(columnWidthPercent_, Value, 99);
}

void TzidBackstageTab::SetFirstColumnMinWidth(int Value) {
    StoreInRange(firstColumnMinWidth_, Value, MaxColumnWidth);
}

void TzidBackstageTab::SetFirstColumnMaxWidth(int Value) {
    StoreInRange(firstColumnMaxWidth_, Value, MaxColumnWidth);
}

void TzidBackstageTab::SetSecondColumnMinWidth(int Value) {
    StoreInRange(secondColumnMinWidth_, Value, MaxColumnWidth);
}

void TzidBackstageTab::SetSecondColumnMaxWidth(int Value) {
    StoreInRange(secondColumnMaxWidth_, Value, MaxColumnWidth);
}

std::unique_ptr<classlib::TStringList> TzidBackstageTab::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    if (!idMso_.empty()) {
        list.Add(L"idMso", idMso_);
        list.Add(L"label", caption_);
        list.Add(L"title", title_);
        list.AddBool(L"visible", visible_);
    } else {
        list.Id();
        for (const wchar_t *name : {L"getKeytip", L"getLabel", L"getEnabled", L"getTitle"})
            list.Callback(name);
        const std::pair<const wchar_t *, int> widths[] = {
            {L"columnWidthPercent", columnWidthPercent_},
            {L"firstColumnMinWidth", firstColumnMinWidth_},
            {L"firstColumnMaxWidth", firstColumnMaxWidth_},
            {L"secondColumnMinWidth", secondColumnMinWidth_},
            {L"secondColumnMaxWidth", secondColumnMaxWidth_},
        };
        for (const auto &[name, value] : widths)
            if (value != 0)
                list.Add(name, std::to_wstring(value));
        list.Callback(L"getVisible");
    }
    list.Insert();
    return list.Take();
}

// ---- group -------------------------------------------------------------------------------------

TzidBackstageGroup::TzidBackstageGroup(classlib::TCollection *Collection)
    : TzidRibbonCustomControl(Collection), primaryItem_(AnyControls(this, 1)),
      topItems_(AnyControls(this, 1000)), bottomItems_(AnyControls(this, 1000)) {
    EnterInIdList();
}

TzidBackstageGroup::~TzidBackstageGroup() {
    bottomItems_.reset();
    topItems_.reset();
    primaryItem_.reset();
}

void TzidBackstageGroup::DefineProperties(classlib::TFiler &Filer) {
    TzidRibbonCustomControl::DefineProperties(Filer);
    DefineTypedCollections(
        Filer, {{L"PrimaryItemTypes", L"PrimaryItemControls", primaryItem_.get(), &primaryTypes_},
                {L"TopItemsTypes", L"TopItemsControls", topItems_.get(), &topTypes_},
                {L"BottomItemsTypes", L"BottomItemsControls", bottomItems_.get(), &bottomTypes_}});
}

void TzidBackstageGroup::PassKindsDown() {
    for (TzidRibbonControls *section : {primaryItem_.get(), topItems_.get(), bottomItems_.get()})
        PassKinds(section, ribbons_, ribbons2010_);
}

void TzidBackstageGroup::SetRibbons(TzidRibbons Value) {
    if (Value == ribbons_)
        return;
    TzidRibbonCustomControl::SetRibbons(Value);
    PassKindsDown();
}

void TzidBackstageGroup::SetRibbons2010(TzidRibbons2010 Value) {
    if (Value == ribbons2010_)
        return;
    TzidRibbonCustomControl::SetRibbons2010(Value);
    PassKindsDown();
}

void TzidBackstageGroup::SetStyle(TzidBackstageGroupStyle Value) {
    if (Value == style_)
        return;
    style_ = Value;
    Invalidate();
}

std::unique_ptr<classlib::TStringList> TzidBackstageGroup::GetAttributes(int) const {
    TzidBackstageAttributes list(*this);
    if (!idMso_.empty()) {
        list.BuiltIn();
        list.Add(L"style", BackstageWord(style_));
        list.Add(L"helperText", helperText_);
        list.AddBool(L"showLabel", showCaption_);
    } else {
        list.Id();
        for (const wchar_t *name :
             {L"getLabel", L"getVisible", L"getStyle", L"getHelperText", L"getShowLabel"})
            list.Callback(name);
    }
    list.Insert();
    return list.Take();
}

} // namespace framework
