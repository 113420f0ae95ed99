// The Outlook command bars: TzidOlExplorerCommandBar for Outlook's main windows (explorers),
// TzidOlInspectorCommandBar for item windows (inspectors). Each is tied to folders (by path) and to
// item kinds; each of their controls may carry an item-type filter of its own that shows or enables
// it. The module's window handlers ask these bars whether and how they apply.
#pragma once
#include <oaidl.h>

#include <memory>
#include <string>

#include "classlib/Events.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarStrings.h"

namespace framework {

class TzidCommandBarControls;
class TzidOlInspectorCommandBar;

using TzidInspectorCommandBarBeforeAdd =
    classlib::TEvent<void(TzidOlInspectorCommandBar *CmdBar, IDispatch *Inspector, bool &Cancel)>;

// What the explorer and inspector bars share: the folder filters.
class TzidOlCustomCommandBar : public TzidCustomCommandBar {
    CLASSLIB_CLASS(TzidOlCustomCommandBar)
public:
    // Outlook only; temporary, as Outlook's windows come and go.
    explicit TzidOlCustomCommandBar(classlib::TComponent *AOwner);
    ~TzidOlCustomCommandBar() override;

    // The folder path (see GetFolderPath) the bar is tied to; "" = no folder filter.
    const std::wstring &FolderName() const { return folderName_; }
    void SetFolderName(const std::wstring &Value) { folderName_ = Value; }
    // Several folder paths (letter case ignored); empty = no list filter.
    TzidStrings *FolderNames() const { return folderNames_.get(); }
    void SetFolderNames(TzidStrings *Value) { folderNames_->Assign(Value); }
    // Always Outlook, whatever is given.
    void SetSupportedApps(TzidHostAppSet Value) override;

protected:
    std::wstring folderName_;
    std::unique_ptr<TzidStrings> folderNames_;
};

class TzidOlExplorerCustomCommandBar : public TzidOlCustomCommandBar {
    CLASSLIB_CLASS(TzidOlExplorerCustomCommandBar)
public:
    explicit TzidOlExplorerCustomCommandBar(classlib::TComponent *AOwner);

    TzidOLItemTypes ItemTypes() const { return itemTypes_; }
    void SetItemTypes(TzidOLItemTypes Value) { itemTypes_ = Value; }

    // The bar's Enabled for the folder an explorer shows (Folder: an Outlook MAPIFolder, may be null;
    // Path: its GetFolderPath): by FolderName, else FolderNames, else the folder's item type. Current
    // when no filter applies (no folder).
    bool FolderFilter(IDispatch *Folder, const std::wstring &Path, bool Current) const;
    // An explorer switched to Folder: a bar of the add-in's own is enabled and shown by its filters
    // (and moved to make Outlook repaint it when that changed), a built-in bar keeps the user's
    // Visible and Enabled; an enabled bar then shows or enables its controls for the folder's item
    // type.
    void FolderSwitched(IDispatch *Folder);

private:
    TzidOLItemTypes itemTypes_{zidOLMailItem};
};

class TzidOlInspectorCustomCommandBar : public TzidOlCustomCommandBar {
    CLASSLIB_CLASS(TzidOlInspectorCustomCommandBar)
public:
    explicit TzidOlInspectorCustomCommandBar(classlib::TComponent *AOwner);

    TzidOLItemClasses ItemTypes() const { return itemTypes_; }
    void SetItemTypes(TzidOLItemClasses Value) { itemTypes_ = Value; }
    TzidInspectorCommandBarBeforeAdd OnBeforeAdd;

    // Whether the bar belongs in an inspector that shows an item of Outlook class ItemClass, opened
    // from the folder Path.
    bool UsedFor(const std::wstring &Path, long ItemClass) const;

private:
    TzidOLItemClasses itemTypes_{zidOLMail};
};

// The forms' Outlook bars: they publish the design.
class TzidOlExplorerCommandBar : public TzidOlExplorerCustomCommandBar {
    CLASSLIB_CLASS(TzidOlExplorerCommandBar)
public:
    using TzidOlExplorerCustomCommandBar::TzidOlExplorerCustomCommandBar;
};

class TzidOlInspectorCommandBar : public TzidOlInspectorCustomCommandBar {
    CLASSLIB_CLASS(TzidOlInspectorCommandBar)
public:
    using TzidOlInspectorCustomCommandBar::TzidOlInspectorCustomCommandBar;
};

// ---- the item-type rules ----

// "Postfach - A\Posteingang": the names from the store down to Folder; a failing Outlook call ends
// the walk with what was found so far. "" for no folder.
std::wstring GetFolderPath(IDispatch *Folder);
// Whether Types holds the Outlook item type ItemType (a folder's DefaultItemType, 0 to 7).
bool IsExplorerItemType(long ItemType, TzidOLItemTypes Types);
// Whether Classes holds the Outlook item class ItemClass (an item's Class).
bool IsInspectorItemClass(long ItemClass, TzidOLItemClasses Classes);
// Shows or enables the controls whose own item types differ from their bar's, by ItemType (or
// ItemClass); into popups. Controls with the bar's own types are left alone.
void UpdateExplorerControls(long ItemType, TzidCommandBarControls &Controls);
void UpdateInspectorControls(long ItemClass, TzidCommandBarControls &Controls);

} // namespace framework
