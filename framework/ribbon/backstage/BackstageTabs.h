// The Backstage nodes whose children sit in named sections: the tab (two columns of groups) and the
// group (a primary item, top items and bottom items). Their sections take controls of any class,
// made by class code; the customUI writer reaches them through the column and item getters, never
// through GetControls.
#pragma once
#include <memory>
#include <vector>

#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

class TzidBackstageTab : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageTab)
public:
    explicit TzidBackstageTab(classlib::TCollection *Collection);
    ~TzidBackstageTab() override;

    std::wstring GetElementName() const override { return L"tab"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageTab; }
    TzidRibbonControls *GetFirstColumn() const override { return firstColumn_.get(); }
    TzidRibbonControls *GetSecondColumn() const override { return secondColumn_.get(); }
    // "FirstColumnTypes", "SecondColumnTypes", "FirstColumnControls", "SecondColumnControls".
    void DefineProperties(classlib::TFiler &Filer) override;
    // Also passed down into both columns.
    void SetRibbons(TzidRibbons Value) override;
    void SetRibbons2010(TzidRibbons2010 Value) override;

    TzidRibbonControls *FirstColumn() const { return firstColumn_.get(); }
    void SetFirstColumn(TzidRibbonControls *Value) { firstColumn_->Assign(Value); }
    TzidRibbonControls *SecondColumn() const { return secondColumn_.get(); }
    void SetSecondColumn(TzidRibbonControls *Value) { secondColumn_->Assign(Value); }
    // 0 (not written) to 99; other values leave the old one.
    int ColumnWidthPercent() const { return columnWidthPercent_; }
    void SetColumnWidthPercent(int Value);
    // Pixels, 0 (not written) to 10000; other values leave the old one.
    int FirstColumnMinWidth() const { return firstColumnMinWidth_; }
    void SetFirstColumnMinWidth(int Value);
    int FirstColumnMaxWidth() const { return firstColumnMaxWidth_; }
    void SetFirstColumnMaxWidth(int Value);
    int SecondColumnMinWidth() const { return secondColumnMinWidth_; }
    void SetSecondColumnMinWidth(int Value);
    int SecondColumnMaxWidth() const { return secondColumnMaxWidth_; }
    void SetSecondColumnMaxWidth(int Value);

private:
    void PassKindsDown();

    std::unique_ptr<TzidRibbonControls> firstColumn_, secondColumn_;
    std::vector<TzidRibbonControlType> firstTypes_, secondTypes_;
    int columnWidthPercent_ = 0;
    int firstColumnMinWidth_ = 0, firstColumnMaxWidth_ = 0;
    int secondColumnMinWidth_ = 0, secondColumnMaxWidth_ = 0;
};

class TzidBackstageGroup : public TzidRibbonCustomControl {
    CLASSLIB_CLASS(TzidBackstageGroup)
public:
    explicit TzidBackstageGroup(classlib::TCollection *Collection);
    ~TzidBackstageGroup() override;

    std::wstring GetElementName() const override { return L"group"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctBackstageGroup; }
    TzidRibbonControls *GetPrimaryItem() const override { return primaryItem_.get(); }
    TzidRibbonControls *GetTopItems() const override { return topItems_.get(); }
    TzidRibbonControls *GetBottomItems() const override { return bottomItems_.get(); }
    // The ordinal of Style ("0", "1", "2"), for the style callback.
    std::wstring GetStyleText() const override { return std::to_wstring(static_cast<int>(style_)); }
    // "PrimaryItemTypes", "TopItemsTypes", "BottomItemsTypes", then the three "...Controls".
    void DefineProperties(classlib::TFiler &Filer) override;
    // Also passed down into the three sections.
    void SetRibbons(TzidRibbons Value) override;
    void SetRibbons2010(TzidRibbons2010 Value) override;

    // One control at most.
    TzidRibbonControls *PrimaryItem() const { return primaryItem_.get(); }
    void SetPrimaryItem(TzidRibbonControls *Value) { primaryItem_->Assign(Value); }
    TzidRibbonControls *TopItems() const { return topItems_.get(); }
    void SetTopItems(TzidRibbonControls *Value) { topItems_->Assign(Value); }
    TzidRibbonControls *BottomItems() const { return bottomItems_.get(); }
    void SetBottomItems(TzidRibbonControls *Value) { bottomItems_->Assign(Value); }
    TzidBackstageGroupStyle Style() const { return style_; }
    // A change makes the host re-query the group.
    void SetStyle(TzidBackstageGroupStyle Value);

private:
    void PassKindsDown();

    std::unique_ptr<TzidRibbonControls> primaryItem_, topItems_, bottomItems_;
    std::vector<TzidRibbonControlType> primaryTypes_, topTypes_, bottomTypes_;
    TzidBackstageGroupStyle style_ = gsNormal;
};

// Whether Control is the primary item of a Backstage group.
bool IsBackstagePrimaryItem(const TzidRibbonCustomControl &Control);

} // namespace framework
