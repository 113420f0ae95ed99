// The published properties the ribbon classes choose from, for their class definitions: each class
// publishes the subset it uses, under the names and defaults forms know. Caption is published but not
// stored: every control writes it as a defined property.
#pragma once
#include "classlib/TypInfo.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

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

private:
    classlib::TClassBuilder<T> &b;
};

} // namespace framework
