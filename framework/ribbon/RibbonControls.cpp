#include "framework/ribbon/RibbonControls.h"

#include <array>

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "framework/ribbon/RibbonCommands.h"
#include "framework/ribbon/RibbonContainers.h"
#include "framework/ribbon/RibbonLists.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidRibbonControls, classlib::TOwnedCollection)
CLASSLIB_DEFINE_CLASS(TzidRibbonItems, TzidRibbonControls)

// ---- the class table ---------------------------------------------------------------------------

namespace {

// The Backstage classes live elsewhere; they are found by name once registered.
const std::array<const wchar_t *, 28> BackstageClassNames{
    L"TzidBackstageTab",
    L"TzidBackstageFastCommandButton",
    L"TzidBackstageTaskFormGroup",
    L"TzidBackstageTaskFormGroupCategory",
    L"TzidBackstageTaskFormGroupTask",
    L"TzidBackstageGroup",
    L"TzidBackstageTaskGroup",
    L"TzidBackstageTaskGroupCategory",
    L"TzidBackstageTaskGroupTask",
    L"TzidBackstagePrimaryMenu",
    L"TzidBackstageSubMenu",
    L"TzidBackstageMenuGroup",
    L"TzidBackstageMenuButton",
    L"TzidBackstageMenuCheckBox",
    L"TzidBackstageMenuToggleButton",
    L"TzidBackstageRegularButton",
    L"TzidBackstageCheckBox",
    L"TzidBackstageGroupButton",
    L"TzidBackstageEditBox",
    L"TzidBackstageComboBox",
    L"TzidBackstageDropDown",
    L"TzidBackstageRadioGroup",
    L"TzidBackstageHyperlink",
    L"TzidBackstageLabelControl",
    L"TzidBackstageImageControl",
    L"TzidBackstageGroupBox",
    L"TzidBackstageLayoutContainer",
    L"TzidBackstageItem",
};

} // namespace

const classlib::TClassInfo *RibbonControlClass(TzidRibbonControlType Code) {
    switch (Code) {
    case rctGroup:
        return &TzidRibbonGroup::StaticClass();
    case rctBox:
        return &TzidRibbonBox::StaticClass();
    case rctButtonGroup:
        return &TzidRibbonButtonGroup::StaticClass();
    case rctButton:
        return &TzidRibbonButton::StaticClass();
    case rctSplitButton:
        return &TzidRibbonSplitButton::StaticClass();
    case rctLabel:
        return &TzidRibbonLabel::StaticClass();
    case rctCheckBox:
        return &TzidRibbonCheckBox::StaticClass();
    case rctEditBox:
        return &TzidRibbonEditBox::StaticClass();
    case rctComboBox:
        return &TzidRibbonComboBox::StaticClass();
    case rctDropDown:
        return &TzidRibbonDropDown::StaticClass();
    case rctGallery:
        return &TzidRibbonGallery::StaticClass();
    case rctMenu:
        return &TzidRibbonMenu::StaticClass();
    case rctSeparator:
        return &TzidRibbonSeparator::StaticClass();
    case rctMenuSeparator:
        return &TzidRibbonMenuSeparator::StaticClass();
    case rctDialogBoxLauncher:
        return &TzidRibbonDialogBoxLauncher::StaticClass();
    case rctItem:
        return &TzidRibbonItem::StaticClass();
    default:
        break;
    }
    if (Code < rctGroup || Code == 20 || Code == 21)
        return &TzidRibbonCustomControl::StaticClass();
    if (Code >= rctBackstageTab && Code < zidRibbonClassCount) {
        const classlib::TClassInfo *cls = classlib::FindClass(BackstageClassNames[Code - rctBackstageTab]);
        if (cls != nullptr && cls->CreateItem != nullptr &&
            cls->InheritsFrom(TzidRibbonCustomControl::StaticClass()))
            return cls;
    }
    return nullptr;
}

// ---- TzidRibbonControls ------------------------------------------------------------------------

TzidRibbonControls::TzidRibbonControls(classlib::TPersistent *Owner, int MaxCount,
                                       const classlib::TClassInfo &ItemClass)
    : TOwnedCollection(Owner, ItemClass), maxCount_(MaxCount) {}

TzidRibbonControls::~TzidRibbonControls() {
    BeginUpdate(); // never ended: a collection going away asks nobody to re-query anything
    while (Count() > 0)
        delete Items(Count() - 1);
}

TzidRibbonCustomControl *TzidRibbonControls::Add() {
    // The control's constructor refuses a full collection.
    return static_cast<TzidRibbonCustomControl *>(TOwnedCollection::Add());
}

TzidRibbonCustomControl *TzidRibbonControls::AddControl(TzidRibbonControlType Code) {
    const classlib::TClassInfo *cls = RibbonControlClass(Code);
    if (cls == nullptr)
        throw classlib::EInvalidOperation(
            classlib::Format(L"There is no ribbon control class with the type code %d", {int(Code)}));
    return static_cast<TzidRibbonCustomControl *>(Added(cls->CreateItem(this)));
}

TzidRibbonCustomControl *TzidRibbonControls::Items(int Index) const {
    return static_cast<TzidRibbonCustomControl *>(TOwnedCollection::Items(Index));
}

void TzidRibbonControls::Assign(const classlib::TPersistent *Source) {
    const auto *source = dynamic_cast<const TzidRibbonControls *>(Source);
    if (source == nullptr) {
        TOwnedCollection::Assign(Source);
        return;
    }
    if (source == this)
        return;
    classlib::TUpdateScope update(this);
    Clear();
    for (int i = 0; i < source->Count(); ++i) {
        TzidRibbonCustomControl *item = source->Items(i);
        // A collection that makes nothing by code (items) takes the copy as one of its own kind.
        TzidRibbonCustomControl *copy = AddControl(item->GetControlType());
        (copy != nullptr ? copy : Add())->Assign(item);
    }
}

void TzidRibbonControls::Update(classlib::TCollectionItem *Item) {
    TOwnedCollection::Update(Item);
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->GetControlType() == rctDialogBoxLauncher) {
            Items(i)->SetIndex(Count() - 1);
            break;
        }
}

// ---- TzidRibbonItems ---------------------------------------------------------------------------

TzidRibbonItems::TzidRibbonItems(classlib::TPersistent *Owner, int MaxCount,
                                 const classlib::TClassInfo &ItemClass)
    : TzidRibbonControls(Owner, MaxCount, ItemClass) {}

TzidRibbonCustomControl *TzidRibbonItems::AddControl(TzidRibbonControlType) {
    return nullptr;
}

void TzidRibbonItems::Assign(const classlib::TPersistent *Source) {
    const auto *source = dynamic_cast<const TzidRibbonItems *>(Source);
    if (source == nullptr) {
        TzidRibbonControls::Assign(Source);
        return;
    }
    if (source == this)
        return;
    classlib::TUpdateScope update(this);
    Clear();
    for (int i = 0; i < source->Count(); ++i)
        Add()->Assign(source->Items(i));
}

void TzidRibbonItems::Update(classlib::TCollectionItem *Item) {
    TzidRibbonControls::Update(Item);
    if (auto *dropDown = dynamic_cast<TzidRibbonDropDown *>(GetOwner()))
        dropDown->Invalidate();
}

} // namespace framework
