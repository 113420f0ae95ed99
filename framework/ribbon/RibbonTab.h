// TzidRibbonTab: one ribbon tab of the add-in, placed on the add-in module's form. It defines a tab of
// its own or, with IdMso, adds groups to a built-in tab; with a Context it is a contextual tab of
// that tab set. The module keeps its tabs in two lists, plain and contextual, and every tab and
// control in its id list.
#pragma once
#include <memory>
#include <vector>

#include "classlib/Component.h"
#include "classlib/ImageList.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

class TzidRibbonControls;

class TzidRibbonTab : public classlib::TComponent, public IzidRibbonControlInternal {
    CLASSLIB_CLASS(TzidRibbonTab)
public:
    // AOwner must be an add-in module (31112 otherwise). The tab starts with the ribbon kinds of the
    // hosts the module supports.
    explicit TzidRibbonTab(classlib::TComponent *AOwner);
    ~TzidRibbonTab() override;

    // The groups are written as the published Controls; "ControlTypes" and "Controls_", as
    // containers write their children, are read as well.
    void DefineProperties(classlib::TFiler &Filer) override;

    TzidCOMAddInModule *Module() const { return module_; }
    // The image list that ImageIndex of the tab's controls refers to.
    classlib::TImageList *Images() const { return images_; }
    void SetImages(classlib::TImageList *Value);
    // The idMso of the contextual tab set; moves the tab between the module's two tab lists.
    const std::wstring &Context() const { return context_; }
    void SetContext(const std::wstring &Value);
    // The groups (at most 100).
    TzidRibbonControls *Controls() const { return controls_.get(); }
    void SetControls(TzidRibbonControls *Value);
    bool Shared() const { return shared_; }
    void SetShared(bool Value) { shared_ = Value; }

    TzidRibbonPropertyChanging OnPropertyChanging;

    // ---- the node interface ----
    void DoAction(const TzidRibbonActionArguments &) override {}
    void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                            IDispatch *Context, int Index) override;
    std::wstring GetElementName() const override { return L"tab"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControls *GetControls() const override { return controls_.get(); }
    TzidRibbonControls *GetItems() const override { return nullptr; }
    TzidRibbonControlType GetControlType() const override { return rctTab; }

    // Caption, Visible, Images and the placement are read by the host when it next asks: no re-query.
    std::wstring Caption() const override { return caption_; }
    void SetCaption(const std::wstring &Value) override { caption_ = Value; }
    std::wstring Id() const override { return id_; }
    // An empty id is ignored.
    void SetId(const std::wstring &Value) override;
    std::wstring IdMso() const override { return idMso_; }
    void SetIdMso(const std::wstring &Value) override;
    std::wstring InsertAfterIdMso() const override { return insertAfterIdMso_; }
    void SetInsertAfterIdMso(const std::wstring &Value) override { insertAfterIdMso_ = Value; }
    std::wstring InsertAfterId() const override { return insertAfterId_; }
    void SetInsertAfterId(const std::wstring &Value) override { insertAfterId_ = Value; }
    std::wstring InsertBeforeIdMso() const override { return insertBeforeIdMso_; }
    void SetInsertBeforeIdMso(const std::wstring &Value) override { insertBeforeIdMso_ = Value; }
    std::wstring InsertBeforeId() const override { return insertBeforeId_; }
    void SetInsertBeforeId(const std::wstring &Value) override { insertBeforeId_ = Value; }
    TzidRibbonKeyTip KeyTip() const override { return keyTip_; }
    // Cut to three characters; a change makes the host re-query the tab.
    void SetKeyTip(const TzidRibbonKeyTip &Value) override;
    // Passed on to every group; keeps msrOutlookExplorer and msrOutlookExplorer2010 equal.
    TzidRibbons Ribbons() const override { return ribbons_; }
    void SetRibbons(TzidRibbons Value) override;
    TzidRibbons2010 Ribbons2010() const override { return ribbons2010_; }
    void SetRibbons2010(TzidRibbons2010 Value) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool Value) override { visible_ = Value; }

    // What a tab does not have: defaults, and setters that change nothing.
    std::wstring Description() const override { return {}; }
    void SetDescription(const std::wstring &) override {}
    bool Enabled() const override { return true; }
    void SetEnabled(bool) override {}
    int ImageIndex() const override { return -1; }
    void SetImageIndex(int) override {}
    std::wstring ImageMso() const override { return {}; }
    void SetImageMso(const std::wstring &) override {}
    int ItemHeight() const override { return -1; }
    void SetItemHeight(int) override {}
    int ItemWidth() const override { return -1; }
    void SetItemWidth(int) override {}
    classlib::TBitmap *Glyph() const override { return nullptr; }
    bool Pressed() const override { return false; }
    void SetPressed(bool) override {}
    std::wstring SelectedItemId() const override { return {}; }
    void SetSelectedItemId(const std::wstring &) override {}
    int SelectedItemIndex() const override { return -1; }
    void SetSelectedItemIndex(int) override {}
    std::wstring ScreenTip() const override { return {}; }
    void SetScreenTip(const std::wstring &) override {}
    bool ShowCaption() const override { return false; }
    void SetShowCaption(bool) override {}
    TzidRibbonXControlSize Size() const override { return csRegular; }
    void SetSize(TzidRibbonXControlSize) override {}
    std::wstring SuperTip() const override { return {}; }
    void SetSuperTip(const std::wstring &) override {}
    std::wstring Text() const override { return {}; }
    void SetText(const std::wstring &) override {}
    std::wstring GetTitle() const override { return {}; }
    std::wstring GetDynamicContent() override { return {}; }
    TzidRibbonControls *GetFirstColumn() const override { return nullptr; }
    TzidRibbonControls *GetSecondColumn() const override { return nullptr; }
    TzidRibbonControls *GetPrimaryItem() const override { return nullptr; }
    TzidRibbonControls *GetTopItems() const override { return nullptr; }
    TzidRibbonControls *GetBottomItems() const override { return nullptr; }
    std::wstring GetTarget() const override { return {}; }
    std::wstring GetAltText() const override { return {}; }
    std::wstring GetHelperText() const override { return {}; }
    std::wstring GetStyleText() const override { return {}; }

protected:
    // The image list going away leaves the controls without images.
    void Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) override;

private:
    void RenameInIdList(const std::wstring &Key);

    TzidCOMAddInModule *module_;
    classlib::TImageList *images_ = nullptr;
    std::wstring caption_;
    std::wstring context_;
    std::unique_ptr<TzidRibbonControls> controls_;
    std::wstring id_, idMso_;
    std::wstring insertAfterIdMso_, insertAfterId_, insertBeforeIdMso_, insertBeforeId_;
    TzidRibbonKeyTip keyTip_;
    TzidRibbons ribbons_;
    TzidRibbons2010 ribbons2010_;
    bool visible_ = true;
    bool shared_ = false;
    std::vector<TzidRibbonControlType> streamedTypes_;
};

} // namespace framework
