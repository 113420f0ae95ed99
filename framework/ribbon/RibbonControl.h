// The ribbon model's nodes: the interface through which the customUI writer and the host's callbacks
// see every node (tabs and controls alike), and TzidRibbonCustomControl, the base of every control
// below a tab. A control is an item of its parent's TzidRibbonControls; the tab at the top of the
// chain belongs to the add-in module, which holds the host's IRibbonUI, the id list and the
// namespace that the nodes read.
#pragma once
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "classlib/Bitmap.h"
#include "classlib/Collection.h"
#include "classlib/ComPtr.h"
#include "classlib/Component.h"
#include "classlib/Events.h"
#include "classlib/OleVariant.h"
#include "classlib/StringList.h"
#include "framework/core/RibbonKinds.h"
#include "framework/core/RibbonObject.h"
#include "office/office.h"

namespace framework {

class TzidCOMAddInModule;
class TzidRibbonTab;
class TzidRibbonControls;
class TzidRibbonGroup;
class TzidRibbonButton;
class TzidRibbonMenu;
class TzidRibbonMenuSeparator;
class TzidRibbonCustomControl;
class TzidRibbonRoot;
class TzidRibbonSplitButton;

// What a get callback asks for (and what OnPropertyChanging is told).
enum TzidRibbonControlPropertyType : unsigned char {
    rcptVisible,
    rcptKeyTip,
    rcptCaption,
    rcptEnabled,
    rcptPressed,
    rcptGlyph,
    rcptScreenTip,
    rcptSuperTip,
    rcptShowCaption,
    rcptShowImage,
    rcptSize,
    rcptDescription,
    rcptText,
    rcptItemCount,
    rcptSelectedItemIndex,
    rcptSelectedItemID,
    rcptItemHeight,
    rcptItemWidth,
    rcptContent,
    rcptTitle,
    rcptItemID,
    rcptItemCaption,
    rcptItemScreenTip,
    rcptItemSuperTip,
    rcptItemGlyph,
    rcptShowItemImage,
    rcptTarget,
    rcptAltText,
    rcptHelperText,
    rcptGroupStyle
};
CLASSLIB_ENUM(TzidRibbonControlPropertyType, L"rcptVisible", L"rcptKeyTip", L"rcptCaption", L"rcptEnabled",
              L"rcptPressed", L"rcptGlyph", L"rcptScreenTip", L"rcptSuperTip", L"rcptShowCaption",
              L"rcptShowImage", L"rcptSize", L"rcptDescription", L"rcptText", L"rcptItemCount",
              L"rcptSelectedItemIndex", L"rcptSelectedItemID", L"rcptItemHeight", L"rcptItemWidth",
              L"rcptContent", L"rcptTitle", L"rcptItemID", L"rcptItemCaption", L"rcptItemScreenTip",
              L"rcptItemSuperTip", L"rcptItemGlyph", L"rcptShowItemImage", L"rcptTarget", L"rcptAltText",
              L"rcptHelperText", L"rcptGroupStyle")

enum TzidRibbonXControlSize : unsigned char { csRegular, csLarge };
CLASSLIB_ENUM(TzidRibbonXControlSize, L"csRegular", L"csLarge")

// A key tip holds at most three characters; the setters cut longer values.
using TzidRibbonKeyTip = std::wstring;
constexpr size_t zidMaxKeyTipLength = 3;

// The class code of a node: the index of its class in the class table (see RibbonControls.h).
// Forms store a container's children as a list of these codes followed by the children.
using TzidRibbonControlType = uint8_t;
constexpr TzidRibbonControlType rctCustomControl = 0;
constexpr TzidRibbonControlType rctTab = 1;
constexpr TzidRibbonControlType rctGroup = 4;
constexpr TzidRibbonControlType rctBox = 5;
constexpr TzidRibbonControlType rctButtonGroup = 6;
constexpr TzidRibbonControlType rctButton = 7;
constexpr TzidRibbonControlType rctSplitButton = 8;
constexpr TzidRibbonControlType rctLabel = 9;
constexpr TzidRibbonControlType rctCheckBox = 10;
constexpr TzidRibbonControlType rctEditBox = 11;
constexpr TzidRibbonControlType rctComboBox = 12;
constexpr TzidRibbonControlType rctDropDown = 13;
constexpr TzidRibbonControlType rctGallery = 14;
constexpr TzidRibbonControlType rctMenu = 15;
constexpr TzidRibbonControlType rctSeparator = 16;
constexpr TzidRibbonControlType rctMenuSeparator = 17;
constexpr TzidRibbonControlType rctDialogBoxLauncher = 18;
constexpr TzidRibbonControlType rctItem = 19;
constexpr TzidRibbonControlType rctBackstageTab = 22;
constexpr TzidRibbonControlType rctBackstageGroup = 27;
constexpr int zidRibbonClassCount = 50;

// What the action callbacks hand to DoAction.
struct TzidRibbonActionArguments {
    classlib::ComPtr<IRibbonControl> RibbonControl;
    bool Pressed = false;
    std::wstring SelectedId;
    int SelectedIndex = -1;
    bool CancelDefault = false;
    std::wstring Text;
};

// Value is what the get callback will answer; the handler may change it. Context is the host window
// the callback came from.
using TzidRibbonPropertyChanging =
    classlib::TEvent<void(classlib::TObject *Sender, TzidRibbonControlPropertyType PropertyType,
                          classlib::OleVariant &Value, IDispatch *Context)>;
// The same for a property of one of the control's items; Index is the item's position.
using TzidRibbonItemPropertyChanging =
    classlib::TEvent<void(classlib::TObject *Sender, TzidRibbonControlPropertyType PropertyType,
                          classlib::OleVariant &Value, IDispatch *Context, int Index)>;
using TzidRibbonOnClick = classlib::TEvent<void(classlib::TObject *Sender, IRibbonControl *RibbonControl)>;
using TzidRibbonOnChange = classlib::TEvent<void(classlib::TObject *Sender, IRibbonControl *RibbonControl)>;

// Every node of the model as the writer and the callbacks see it. Objects are owned by the model
// (no reference counting); find the interface of an object of the module's id list with AsRibbonNode.
class IzidRibbonControlInternal : public IzidRibbonObject {
public:
    virtual void DoAction(const TzidRibbonActionArguments &Args) = 0;
    // Index is -1 for the node's own property, else the position of the item asked about.
    virtual void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                                    IDispatch *Context, int Index) = 0;
    // The customUI element the node is written as ("" for a node that is never written).
    virtual std::wstring GetElementName() const = 0;
    // The attributes of that element in writing order, as name=value entries; the caller owns the list.
    // ContextMenuNumber > 0 gives ids a suffix of their own for the copies in context menus.
    virtual std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const = 0;
    // Child controls and items; null for a node that has none of that kind.
    virtual TzidRibbonControls *GetControls() const = 0;
    virtual TzidRibbonControls *GetItems() const = 0;
    virtual TzidRibbonControlType GetControlType() const = 0;

    virtual std::wstring Caption() const = 0;
    virtual void SetCaption(const std::wstring &Value) = 0;
    virtual std::wstring Description() const = 0;
    virtual void SetDescription(const std::wstring &Value) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool Value) = 0;
    virtual void SetId(const std::wstring &Value) = 0;
    virtual std::wstring IdMso() const = 0;
    virtual void SetIdMso(const std::wstring &Value) = 0;
    virtual int ImageIndex() const = 0;
    virtual void SetImageIndex(int Value) = 0;
    virtual std::wstring ImageMso() const = 0;
    virtual void SetImageMso(const std::wstring &Value) = 0;
    virtual std::wstring InsertAfterIdMso() const = 0;
    virtual void SetInsertAfterIdMso(const std::wstring &Value) = 0;
    virtual std::wstring InsertAfterId() const = 0;
    virtual void SetInsertAfterId(const std::wstring &Value) = 0;
    virtual std::wstring InsertBeforeIdMso() const = 0;
    virtual void SetInsertBeforeIdMso(const std::wstring &Value) = 0;
    virtual std::wstring InsertBeforeId() const = 0;
    virtual void SetInsertBeforeId(const std::wstring &Value) = 0;
    virtual int ItemHeight() const = 0;
    virtual void SetItemHeight(int Value) = 0;
    virtual int ItemWidth() const = 0;
    virtual void SetItemWidth(int Value) = 0;
    // The node's own image; null for a node that has none.
    virtual classlib::TBitmap *Glyph() const = 0;
    virtual TzidRibbonKeyTip KeyTip() const = 0;
    virtual void SetKeyTip(const TzidRibbonKeyTip &Value) = 0;
    virtual bool Pressed() const = 0;
    virtual void SetPressed(bool Value) = 0;
    virtual TzidRibbons Ribbons() const = 0;
    virtual void SetRibbons(TzidRibbons Value) = 0;
    virtual std::wstring SelectedItemId() const = 0;
    virtual void SetSelectedItemId(const std::wstring &Value) = 0;
    virtual int SelectedItemIndex() const = 0;
    virtual void SetSelectedItemIndex(int Value) = 0;
    virtual std::wstring ScreenTip() const = 0;
    virtual void SetScreenTip(const std::wstring &Value) = 0;
    virtual bool ShowCaption() const = 0;
    virtual void SetShowCaption(bool Value) = 0;
    virtual TzidRibbonXControlSize Size() const = 0;
    virtual void SetSize(TzidRibbonXControlSize Value) = 0;
    virtual std::wstring SuperTip() const = 0;
    virtual void SetSuperTip(const std::wstring &Value) = 0;
    virtual std::wstring Text() const = 0;
    virtual void SetText(const std::wstring &Value) = 0;
    virtual std::wstring GetTitle() const = 0;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool Value) = 0;
    // The content document of a dynamic menu ("" for everything else).
    virtual std::wstring GetDynamicContent() = 0;
    virtual TzidRibbons2010 Ribbons2010() const = 0;
    virtual void SetRibbons2010(TzidRibbons2010 Value) = 0;
    // The Backstage layout: null and "" unless a Backstage node has them.
    virtual TzidRibbonControls *GetFirstColumn() const { return nullptr; }
    virtual TzidRibbonControls *GetSecondColumn() const { return nullptr; }
    virtual TzidRibbonControls *GetPrimaryItem() const { return nullptr; }
    virtual TzidRibbonControls *GetTopItems() const { return nullptr; }
    virtual TzidRibbonControls *GetBottomItems() const { return nullptr; }
    virtual std::wstring GetTarget() const { return {}; }
    virtual std::wstring GetAltText() const { return {}; }
    virtual std::wstring GetHelperText() const { return {}; }
    virtual std::wstring GetStyleText() const { return {}; }
    // The node as the class the tree walk and the callbacks ask about: a control below a tab or the
    // Backstage view, the top of a tree, a split button; null when it is not one. A callback reaches
    // its node through the node table and goes on from here, without asking the object's type.
    virtual TzidRibbonCustomControl *AsRibbonControl() { return nullptr; }
    virtual TzidRibbonRoot *AsRibbonRoot() { return nullptr; }
    virtual TzidRibbonSplitButton *AsSplitButton() { return nullptr; }

protected:
    ~IzidRibbonControlInternal() = default;
};

// The node interface of a tab or control found in the module's id list; null for anything else.
IzidRibbonControlInternal *AsRibbonNode(classlib::TObject *Object);

// A node's entry in the table AsRibbonNode reads: the object the module's id list holds, with its
// node. Each node holds one, declared before the state of the node itself, so that it is found from
// its constructor's body to its destructor's, as long as it is a node; a host's callback then finds its
// node by a look-up, not by asking the object's type.
class TzidRibbonNodeEntry {
public:
    TzidRibbonNodeEntry(const classlib::TObject *Object, IzidRibbonControlInternal *Node);
    ~TzidRibbonNodeEntry();
    TzidRibbonNodeEntry(const TzidRibbonNodeEntry &) = delete;
    TzidRibbonNodeEntry &operator=(const TzidRibbonNodeEntry &) = delete;

private:
    const classlib::TObject *object_;
};

// The Outlook explorer is one window in both sets of ribbon kinds: Other with that one kind made to
// match Value.
TzidRibbons2010 MatchExplorer(TzidRibbons2010 Other, TzidRibbons Value);
TzidRibbons MatchExplorer(TzidRibbons Other, TzidRibbons2010 Value);

class TzidRibbonCustomControl : public classlib::TCollectionItem, public IzidRibbonControlInternal {
    CLASSLIB_CLASS(TzidRibbonCustomControl)
public:
    // Joins Collection, raising 31120 when it is full; starts with the ribbon kinds of the parent
    // (tab or control) that owns the collection.
    explicit TzidRibbonCustomControl(classlib::TCollection *Collection);
    ~TzidRibbonCustomControl() override;

    // Copies the shared properties of another control through the setters (not Id, IdMso, KeyTip,
    // ScreenTip, Glyph or Ribbons2010).
    void Assign(const classlib::TPersistent *Source) override;
    // "Caption", always written, and "Ribbons" and "Ribbons2010" for the classes that do not publish them.
    void DefineProperties(classlib::TFiler &Filer) override;
    std::wstring GetDisplayName() const override;

    // ---- the node interface: what the base answers ----
    void DoAction(const TzidRibbonActionArguments &Args) override;
    void DoPropertyChanging(TzidRibbonControlPropertyType PropertyType, classlib::OleVariant &Value,
                            IDispatch *Context, int Index) override;
    std::wstring GetElementName() const override { return {}; }
    std::unique_ptr<classlib::TStringList> GetAttributes(int ContextMenuNumber) const override;
    TzidRibbonControls *GetControls() const override { return nullptr; }
    TzidRibbonControls *GetItems() const override { return nullptr; }
    TzidRibbonControlType GetControlType() const override { return rctSeparator; }
    std::wstring GetTitle() const override { return title_; }
    std::wstring GetDynamicContent() override { return {}; }
    std::wstring GetTarget() const override { return target_; }
    std::wstring GetAltText() const override { return altText_; }
    std::wstring GetHelperText() const override { return helperText_; }
    TzidRibbonCustomControl *AsRibbonControl() override { return this; }

    // ---- properties; a setter that changes what the host shows asks it to re-query the control ----
    std::wstring Caption() const override { return caption_; }
    void SetCaption(const std::wstring &Value) override;
    std::wstring Description() const override { return description_; }
    void SetDescription(const std::wstring &Value) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool Value) override;
    std::wstring Id() const override { return id_; }
    // An empty id is ignored.
    void SetId(const std::wstring &Value) override;
    std::wstring IdMso() const override { return idMso_; }
    void SetIdMso(const std::wstring &Value) override;
    int ImageIndex() const override { return imageIndex_; }
    void SetImageIndex(int Value) override;
    std::wstring ImageMso() const override { return imageMso_; }
    void SetImageMso(const std::wstring &Value) override;
    std::wstring InsertAfterIdMso() const override { return insertAfterIdMso_; }
    void SetInsertAfterIdMso(const std::wstring &Value) override;
    std::wstring InsertAfterId() const override { return insertAfterId_; }
    void SetInsertAfterId(const std::wstring &Value) override;
    std::wstring InsertBeforeIdMso() const override { return insertBeforeIdMso_; }
    void SetInsertBeforeIdMso(const std::wstring &Value) override;
    std::wstring InsertBeforeId() const override { return insertBeforeId_; }
    void SetInsertBeforeId(const std::wstring &Value) override;
    int ItemHeight() const override { return itemHeight_; }
    void SetItemHeight(int Value) override;
    int ItemWidth() const override { return itemWidth_; }
    void SetItemWidth(int Value) override;
    classlib::TBitmap *Glyph() const override { return glyph_.get(); }
    // Copies Value into the control's own bitmap.
    void SetGlyph(const classlib::TBitmap *Value);
    TzidRibbonKeyTip KeyTip() const override { return keyTip_; }
    void SetKeyTip(const TzidRibbonKeyTip &Value) override;
    bool Pressed() const override { return pressed_; }
    void SetPressed(bool Value) override;
    // Passed down to items and child controls; keeps msrOutlookExplorer and msrOutlookExplorer2010 equal.
    TzidRibbons Ribbons() const override { return ribbons_; }
    void SetRibbons(TzidRibbons Value) override;
    TzidRibbons2010 Ribbons2010() const override { return ribbons2010_; }
    void SetRibbons2010(TzidRibbons2010 Value) override;
    std::wstring SelectedItemId() const override { return selectedItemId_; }
    void SetSelectedItemId(const std::wstring &Value) override;
    int SelectedItemIndex() const override { return selectedItemIndex_; }
    void SetSelectedItemIndex(int Value) override;
    std::wstring ScreenTip() const override { return screenTip_; }
    void SetScreenTip(const std::wstring &Value) override;
    bool ShowCaption() const override { return showCaption_; }
    void SetShowCaption(bool Value) override;
    TzidRibbonXControlSize Size() const override { return size_; }
    void SetSize(TzidRibbonXControlSize Value) override;
    std::wstring SuperTip() const override { return superTip_; }
    void SetSuperTip(const std::wstring &Value) override;
    std::wstring Text() const override { return text_; }
    void SetText(const std::wstring &Value) override;
    bool Visible() const override { return visible_; }
    void SetVisible(bool Value) override;
    std::wstring Title() const { return title_; }
    void SetTitle(const std::wstring &Value);
    int Tag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    std::wstring Target() const { return target_; }
    void SetTarget(const std::wstring &Value) { target_ = Value; }
    std::wstring AltText() const { return altText_; }
    void SetAltText(const std::wstring &Value) { altText_ = Value; }
    std::wstring HelperText() const { return helperText_; }
    void SetHelperText(const std::wstring &Value) { helperText_ = Value; }
    // True while DoAction runs the control's event.
    bool InAction() const;

    TzidRibbonPropertyChanging OnPropertyChanging;

    // ---- the tree ----
    // Asks the host to re-query this control: the whole ribbon for a built-in control, else the
    // control's id. Nothing before the host has handed over its IRibbonUI. A refused request raises
    // the COM error.
    virtual void Invalidate();
    TzidRibbonMenuSeparator *AsRibbonMenuSeparator();
    TzidRibbonGroup *AsRibbonGroup();
    TzidRibbonButton *AsRibbonButton();
    TzidRibbonMenu *AsRibbonMenu();
    // The root at the top of the chain of collections (a ribbon tab or the module's Backstage view);
    // null for a control outside any.
    TzidRibbonRoot *GetOwnerRoot() const;
    // The tab at the top of the chain of collections; null for a control outside any tab.
    TzidRibbonTab *GetOwnerTab() const;
    // The module of the owning tab or Backstage view; null without one.
    TzidCOMAddInModule *Module() const;
    // The control that owns the collection this control lies in; null at the top or outside a tree.
    TzidRibbonCustomControl *ParentControl() const;
    // The IdMso of the tab or control that owns this control's collection ("" when none).
    std::wstring GetParentIdMso() const;
    // Runs a handler of the application: what it raises goes to the module's error report (passed on
    // when the control belongs to no module, so that nothing is lost).
    void RunHandler(const std::function<void()> &Body);

protected:
    // Enters the control in the module's id list; the last step of every concrete constructor.
    void EnterInIdList();
    // Runs an event of DoAction: only when assigned and not already running, with InAction set while
    // it runs; what the handler raises goes to the module's error report.
    template <class Event, class... Args> void FireAction(const Event &Handler, Args... args) {
        if (Handler)
            RunAction([&] { Handler(args...); });
    }
    // Body as the control's action (framework/core/HandlerCall.h): the handler may free the control.
    void RunAction(const std::function<void()> &Body);
    // Caption, image or tips changed: an item tells the drop-down that shows it.
    virtual void AppearanceChanged() {}

private:
    TzidRibbonNodeEntry nodeEntry_{this, this};

protected:
    // The members, for DoAction, which stores the host's values without asking it to re-query.
    std::wstring caption_;
    std::wstring description_;
    bool enabled_ = true;
    std::wstring id_;
    std::wstring idMso_;
    int imageIndex_ = -1;
    std::wstring imageMso_;
    std::wstring insertAfterIdMso_, insertAfterId_, insertBeforeIdMso_, insertBeforeId_;
    int itemHeight_ = -1;
    int itemWidth_ = -1;
    TzidRibbonKeyTip keyTip_;
    bool pressed_ = false;
    TzidRibbons ribbons_ = zidDefaultRibbons;
    TzidRibbons2010 ribbons2010_ = zidDefaultRibbons2010;
    std::wstring selectedItemId_;
    int selectedItemIndex_ = -1;
    std::wstring screenTip_;
    bool showCaption_ = true;
    TzidRibbonXControlSize size_ = csRegular;
    std::wstring superTip_;
    std::wstring text_;
    bool visible_ = true;
    std::unique_ptr<classlib::TBitmap> glyph_;
    std::wstring title_;
    int tag_ = 0;
    std::wstring target_, altText_, helperText_;

private:
    // Stores Value into Field and invalidates when it differs.
    template <class T> void Store(T &Field, const T &Value) {
        if (Field == Value)
            return;
        Field = Value;
        Invalidate();
    }
    void GlyphChanged(classlib::TObject *Sender);
};

} // namespace framework
