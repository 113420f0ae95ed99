// The published properties the ribbon classes choose from, for their class definitions: each class
// publishes the subset it uses, under the names and defaults forms know. Caption is published but not
// stored: every control writes it as a defined property.
#pragma once
#include "classlib/TypInfo.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

// What a ribbon control publishes besides Ribbons and Id, for TzidRibbonPublisher::Control.
enum TzidRibbonPublished : unsigned {
    rpCaption = 1u << 0,
    rpDescription = 1u << 1,
    rpEnabled = 1u << 2,
    // Glyph, ImageIndex and ImageMso.
    rpImage = 1u << 3,
    rpIdMso = 1u << 4,
    rpInserts = 1u << 5,
    rpItemSizes = 1u << 6,
    rpKeyTip = 1u << 7,
    rpPressed = 1u << 8,
    // ScreenTip and SuperTip.
    rpTips = 1u << 9,
    rpSelection = 1u << 10,
    rpShowCaption = 1u << 11,
    rpSize = 1u << 12,
    rpText = 1u << 13,
    rpTitle = 1u << 14,
    rpVisible = 1u << 15,
    // What the ribbon's own controls (labels, buttons, boxes, lists, menus) all have.
    rpCommon = rpCaption | rpEnabled | rpIdMso | rpInserts | rpTips | rpVisible,
};

template <class T> class TzidRibbonPublisher {
public:
    explicit TzidRibbonPublisher(classlib::TClassBuilder<T> &Builder) : b(Builder) {}

    TzidRibbonPublisher &Caption() {
        b.Property(L"Caption", &T::Caption, &T::SetCaption).NotStored();
        return *this;
    }
    TzidRibbonPublisher &Description() {
        b.Property(L"Description", &T::Description, &T::SetDescription).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &Enabled() {
        b.Property(L"Enabled", &T::Enabled, &T::SetEnabled).Default(true);
        return *this;
    }
    TzidRibbonPublisher &Glyph() {
        b.ReadOnly(L"Glyph", &T::Glyph);
        return *this;
    }
    TzidRibbonPublisher &Id() {
        b.Property(L"Id", &T::Id, &T::SetId).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &IdMso() {
        b.Property(L"IdMso", &T::IdMso, &T::SetIdMso).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &ImageIndex() {
        b.Property(L"ImageIndex", &T::ImageIndex, &T::SetImageIndex).Default(-1);
        return *this;
    }
    TzidRibbonPublisher &ImageMso() {
        b.Property(L"ImageMso", &T::ImageMso, &T::SetImageMso).Default(L"");
        return *this;
    }
    // The four placement properties.
    TzidRibbonPublisher &Inserts() {
        b.Property(L"InsertAfterIdMso", &T::InsertAfterIdMso, &T::SetInsertAfterIdMso).Default(L"");
        b.Property(L"InsertAfterId", &T::InsertAfterId, &T::SetInsertAfterId).Default(L"");
        b.Property(L"InsertBeforeIdMso", &T::InsertBeforeIdMso, &T::SetInsertBeforeIdMso).Default(L"");
        b.Property(L"InsertBeforeId", &T::InsertBeforeId, &T::SetInsertBeforeId).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &ItemSizes() {
        b.Property(L"ItemHeight", &T::ItemHeight, &T::SetItemHeight).Default(-1);
        b.Property(L"ItemWidth", &T::ItemWidth, &T::SetItemWidth).Default(-1);
        return *this;
    }
    TzidRibbonPublisher &KeyTip() {
        b.Property(L"KeyTip", &T::KeyTip, &T::SetKeyTip).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &Pressed() {
        b.Property(L"Pressed", &T::Pressed, &T::SetPressed).Default(false);
        return *this;
    }
    // Ribbons and Ribbons2010, always written. Publish them before any collection of children: the
    // setters pass the kinds down, and read after the children they would overwrite the children's own.
    TzidRibbonPublisher &Ribbons() {
        b.Property(L"Ribbons", &T::Ribbons, &T::SetRibbons);
        b.Property(L"Ribbons2010", &T::Ribbons2010, &T::SetRibbons2010);
        return *this;
    }
    TzidRibbonPublisher &ScreenTip() {
        b.Property(L"ScreenTip", &T::ScreenTip, &T::SetScreenTip).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &Selection() {
        b.Property(L"SelectedItemId", &T::SelectedItemId, &T::SetSelectedItemId).Default(L"");
        b.Property(L"SelectedItemIndex", &T::SelectedItemIndex, &T::SetSelectedItemIndex).Default(-1);
        return *this;
    }
    TzidRibbonPublisher &ShowCaption() {
        b.Property(L"ShowCaption", &T::ShowCaption, &T::SetShowCaption).Default(true);
        return *this;
    }
    TzidRibbonPublisher &Size() {
        b.Property(L"Size", &T::Size, &T::SetSize).Default(csRegular);
        return *this;
    }
    TzidRibbonPublisher &SuperTip() {
        b.Property(L"SuperTip", &T::SuperTip, &T::SetSuperTip).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &Text() {
        b.Property(L"Text", &T::Text, &T::SetText).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &Title() {
        b.Property(L"Title", &T::Title, &T::SetTitle).Default(L"");
        return *this;
    }
    TzidRibbonPublisher &Visible() {
        b.Property(L"Visible", &T::Visible, &T::SetVisible).Default(true);
        return *this;
    }

    // The properties of a ribbon control: Ribbons, Id and those What names, in the one order every
    // control writes them in (its forms depend on it).
    TzidRibbonPublisher &Control(unsigned What) {
        Ribbons();
        if (What & rpCaption)
            Caption();
        if (What & rpDescription)
            Description();
        if (What & rpEnabled)
            Enabled();
        if (What & rpImage)
            Glyph();
        Id();
        if (What & rpIdMso)
            IdMso();
        if (What & rpImage)
            ImageIndex().ImageMso();
        if (What & rpInserts)
            Inserts();
        if (What & rpItemSizes)
            ItemSizes();
        if (What & rpKeyTip)
            KeyTip();
        if (What & rpPressed)
            Pressed();
        if (What & rpTips)
            ScreenTip();
        if (What & rpSelection)
            Selection();
        if (What & rpShowCaption)
            ShowCaption();
        if (What & rpSize)
            Size();
        if (What & rpTips)
            SuperTip();
        if (What & rpText)
            Text();
        if (What & rpTitle)
            Title();
        if (What & rpVisible)
            Visible();
        return *this;
    }

private:
    classlib::TClassBuilder<T> &b;
};

} // namespace framework
