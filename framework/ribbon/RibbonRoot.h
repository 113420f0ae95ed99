// TzidRibbonRoot: the module-owned top of a tree of ribbon controls (a ribbon tab or the Backstage
// view). It holds the image list that its controls' ImageIndex refers to, hands its ribbon kinds
// down to its children and keeps them in one typed collection. Every node property a root does
// not have answers a default here, and its setter changes nothing; a root overrides what it has.
#pragma once
#include <memory>
#include <vector>

#include "classlib/Component.h"
#include "classlib/ImageList.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

class TzidRibbonRoot : public classlib::TComponent, public IzidRibbonControlInternal {
    CLASSLIB_CLASS(TzidRibbonRoot)
public:
    ~TzidRibbonRoot() override;

    TzidCOMAddInModule *Module() const { return module_; }
    // The image list that ImageIndex of the root's controls refers to.
    classlib::TImageList *Images() const { return images_; }
    void SetImages(classlib::TImageList *Value);
    TzidRibbonControls *Controls() const { return controls_.get(); }
    void SetControls(TzidRibbonControls *Value);

    // ---- the node interface ----
    void DoAction(const TzidRibbonActionArguments &) override {}
    void DoPropertyChanging(TzidRibbonControlPropertyType, classlib::OleVariant &, IDispatch *,
                            int) override {}
    TzidRibbonControls *GetControls() const override { return controls_.get(); }
    TzidRibbonControls *GetItems() const override { return nullptr; }
    TzidRibbonRoot *AsRibbonRoot() override { return this; }
    // The root as a ribbon tab; null for the Backstage view.
    virtual TzidRibbonTab *AsRibbonTab() { return nullptr; }
    // Passed on to every control; keeps msrOutlookExplorer and msrOutlookExplorer2010 equal.
    TzidRibbons Ribbons() const override { return ribbons_; }
    void SetRibbons(TzidRibbons Value) override;
    TzidRibbons2010 Ribbons2010() const override { return ribbons2010_; }
    void SetRibbons2010(TzidRibbons2010 Value) override;

    // What a root does not have: defaults, and setters that change nothing.
    std::wstring Caption() const override { return {}; }
    void SetCaption(const std::wstring &) override {}
    std::wstring Description() const override { return {}; }
    void SetDescription(const std::wstring &) override {}
    bool Enabled() const override { return true; }
    void SetEnabled(bool) override {}
    std::wstring Id() const override { return {}; }
    void SetId(const std::wstring &) override {}
    std::wstring IdMso() const override { return {}; }
    void SetIdMso(const std::wstring &) override {}
    int ImageIndex() const override { return -1; }
    void SetImageIndex(int) override {}
    std::wstring ImageMso() const override { return {}; }
    void SetImageMso(const std::wstring &) override {}
    std::wstring InsertAfterIdMso() const override { return {}; }
    void SetInsertAfterIdMso(const std::wstring &) override {}
    std::wstring InsertAfterId() const override { return {}; }
    void SetInsertAfterId(const std::wstring &) override {}
    std::wstring InsertBeforeIdMso() const override { return {}; }
    void SetInsertBeforeIdMso(const std::wstring &) override {}
    std::wstring InsertBeforeId() const override { return {}; }
    void SetInsertBeforeId(const std::wstring &) override {}
    int ItemHeight() const override { return -1; }
    void SetItemHeight(int) override {}
    int ItemWidth() const override { return -1; }
    void SetItemWidth(int) override {}
    classlib::TBitmap *Glyph() const override { return nullptr; }
    TzidRibbonKeyTip KeyTip() const override { return {}; }
    void SetKeyTip(const TzidRibbonKeyTip &) override {}
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
    bool Visible() const override { return true; }
    void SetVisible(bool) override {}
    std::wstring GetDynamicContent() override { return {}; }

protected:
    // AOwner must be an add-in module (31112 otherwise, naming Class). The root starts with the
    // ribbon kinds of the hosts the module supports; the derived class makes the controls.
    TzidRibbonRoot(classlib::TComponent *AOwner, const classlib::TClassInfo &Class);

    // The image list going away leaves the controls without images.
    void Notification(classlib::TComponent *AComponent, classlib::TOperation Operation) override;

private:
    TzidRibbonNodeEntry nodeEntry_{this, this};

protected:
    TzidCOMAddInModule *module_;
    classlib::TImageList *images_ = nullptr;
    // Made by the derived class and let go in its destructor: the controls leave the id list through
    // the module, which they find through the root while it is still the derived class.
    std::unique_ptr<TzidRibbonControls> controls_;
    TzidRibbons ribbons_;
    TzidRibbons2010 ribbons2010_;
    std::vector<TzidRibbonControlType> streamedTypes_;
};

// Every collection of Node's children: controls, items, columns, a group's sections (null ones
// left out).
std::vector<TzidRibbonControls *> RibbonChildCollections(const IzidRibbonControlInternal &Node);

} // namespace framework
