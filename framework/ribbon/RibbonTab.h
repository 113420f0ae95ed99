// TzidRibbonTab: one ribbon tab of the add-in, placed on the add-in module's form. It defines a tab of
// its own or, with IdMso, adds groups to a built-in tab; with a Context it is a contextual tab of
// that tab set. The module keeps its tabs in two lists, plain and contextual, and every tab and
// control in its id list.
#pragma once
#include <string>

#include "framework/ribbon/RibbonRoot.h"

namespace framework {

class TzidRibbonTab : public TzidRibbonRoot {
    CLASSLIB_CLASS(TzidRibbonTab)
public:
    // AOwner must be an add-in module (31112 otherwise). The tab starts with the ribbon kinds of the
    // hosts the module supports.
    explicit TzidRibbonTab(classlib::TComponent *AOwner);
    ~TzidRibbonTab() override;

    // The groups are written as the published Controls; "ControlTypes" and "Controls_", as
    // containers write their children, are read as well.
    void DefineProperties(classlib::TFiler &Filer) override;

    // The idMso of the contextual tab set; moves the tab between the module's two tab lists.
    const std::wstring &Context() const { return context_; }
    void SetContext(const std::wstring &Value);
    // The groups (at most 100) are the root's Controls.
    bool Shared() const { return shared_; }
    void SetShared(bool Value) { shared_ = Value; }

    TzidRibbonPropertyChanging OnPropertyChanging;

    // ---- the node interface ----
    void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                            IDispatch *Context, int Index) override;
    std::wstring GetElementName() const override { return L"tab"; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControlType GetControlType() const override { return rctTab; }
    TzidRibbonTab *AsRibbonTab() override { return this; }

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
    bool Visible() const override { return visible_; }
    void SetVisible(bool Value) override { visible_ = Value; }

private:
    void RenameInIdList(const std::wstring &Key);

    std::wstring caption_;
    std::wstring context_;
    std::wstring id_, idMso_;
    std::wstring insertAfterIdMso_, insertAfterId_, insertBeforeIdMso_, insertBeforeId_;
    TzidRibbonKeyTip keyTip_;
    bool visible_ = true;
    bool shared_ = false;
};

} // namespace framework
