#include "framework/commandbars/OutlookCommandBars.h"

#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "office/HostDispIds.h"
#include "office/office.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidOlCustomCommandBar, TzidCustomCommandBar, )
CLASSLIB_DEFINE_CLASS(TzidOlExplorerCustomCommandBar, TzidOlCustomCommandBar, )
CLASSLIB_DEFINE_CLASS(TzidOlInspectorCustomCommandBar, TzidOlCustomCommandBar, )

// Both publish the same design in the same order; only the item kinds and the ribbon default differ.
#define TZID_OUTLOOK_BAR_PROPERTIES(Self, ItemTypesDefault, UseForRibbonDefault)                             \
    b.Property(L"FolderName", &Self::FolderName, &Self::SetFolderName).Default(L"");                         \
    b.ReadOnly(L"FolderNames", &Self::FolderNames);                                                          \
    b.Property(L"ItemTypes", &Self::ItemTypes, &Self::SetItemTypes).Default(ItemTypesDefault);               \
    b.ReadOnly(L"Controls", &Self::Controls).NotStored();                                                    \
    b.Property(L"Enabled", &Self::Enabled, &Self::SetEnabled).Default(true);                                 \
    b.Property(L"CommandBarLeft", &Self::CommandBarLeft, &Self::SetCommandBarLeft).Default(-1);              \
    b.Property(L"CommandBarName", &Self::CommandBarName, &Self::SetCommandBarName);                          \
    b.Property(L"Position", &Self::Position, &Self::SetPosition).Default(zidMsoBarTop);                      \
    b.Property(L"RowIndex", &Self::RowIndex, &Self::SetRowIndex).Default(-1);                                \
    b.Property(L"Protection", &Self::Protection, &Self::SetProtection).Default(zidMsoBarNoProtection);       \
    b.Property(L"SupportedApps", &Self::SupportedApps, &Self::SetSupportedApps)                              \
        .Default(TzidHostAppSet{ohaOutlook});                                                                \
    b.Property(L"CommandBarTop", &Self::CommandBarTop, &Self::SetCommandBarTop).Default(-1);                 \
    b.Property(L"Visible", &Self::Visible, &Self::SetVisible).Default(true);                                 \
    b.Property(L"Temporary", &Self::Temporary, &Self::SetTemporary).Default(true);                           \
    b.Property(L"UseForRibbon", &Self::UseForRibbon, &Self::SetUseForRibbon).Default(UseForRibbonDefault)

using Explorer = TzidOlExplorerCommandBar;
CLASSLIB_DEFINE_CLASS(TzidOlExplorerCommandBar, TzidOlExplorerCustomCommandBar,
                      TZID_OUTLOOK_BAR_PROPERTIES(Explorer, TzidOLItemTypes{zidOLMailItem}, true))

using Inspector = TzidOlInspectorCommandBar;
CLASSLIB_DEFINE_CLASS(TzidOlInspectorCommandBar, TzidOlInspectorCustomCommandBar,
                      TZID_OUTLOOK_BAR_PROPERTIES(Inspector, TzidOLItemClasses{zidOLMail}, false);
                      b.Field<TzidInspectorCommandBarBeforeAdd>(L"OnBeforeAdd", &Inspector::OnBeforeAdd))

#undef TZID_OUTLOOK_BAR_PROPERTIES

namespace {

long DefaultItemType(IDispatch *Folder) {
    return classlib::DispGet(Folder, office::dispid::outlook_folder::DefaultItemType).ToInt();
}

TzidOLItemTypes ExplorerTypesOf(const TzidCommandBarControl &Control) {
    auto *bar = dynamic_cast<TzidOlExplorerCustomCommandBar *>(Control.OwnerBar());
    return bar != nullptr ? bar->ItemTypes() : TzidOLItemTypes{zidOLMailItem};
}

TzidOLItemClasses InspectorTypesOf(const TzidCommandBarControl &Control) {
    auto *bar = dynamic_cast<TzidOlInspectorCustomCommandBar *>(Control.OwnerBar());
    return bar != nullptr ? bar->ItemTypes() : TzidOLItemClasses{zidOLMail};
}

// Applies a control's own filter (Show or Enable by Matches) to a custom control; goes into popups.
template <class Differs, class Matches>
void UpdateControls(TzidCommandBarControls &Controls, const Differs &OwnTypesDiffer, const Matches &Match) {
    for (int i = 0; i < Controls.Count(); ++i) {
        TzidCommandBarControl &control = *Controls.Items(i);
        if (!OwnTypesDiffer(control))
            continue;
        if (control.StoredOfficeID() == 1) {
            if (control.olItemTypeAction == zidOLActionShow)
                control.SetVisible(Match(control));
            else if (control.olItemTypeAction == zidOLActionEnable)
                control.SetEnabled(Match(control));
        }
        if (TzidCommandBarPopup *popup = control.AsCommandBarPopup())
            UpdateControls(*popup->Controls(), OwnTypesDiffer, Match);
    }
}

} // namespace

// ---- the bars ----

TzidOlCustomCommandBar::TzidOlCustomCommandBar(classlib::TComponent *AOwner)
    : TzidCustomCommandBar(AOwner), folderNames_(std::make_unique<TzidStrings>()) {
    TzidCustomCommandBar::SetSupportedApps({ohaOutlook});
    SetTemporary(true);
}

TzidOlCustomCommandBar::~TzidOlCustomCommandBar() = default;

void TzidOlCustomCommandBar::SetSupportedApps(TzidHostAppSet) {
    TzidCustomCommandBar::SetSupportedApps({ohaOutlook});
}

TzidOlExplorerCustomCommandBar::TzidOlExplorerCustomCommandBar(classlib::TComponent *AOwner)
    : TzidOlCustomCommandBar(AOwner) {
    SetUseForRibbon(true);
}

bool TzidOlExplorerCustomCommandBar::FolderFilter(IDispatch *Folder, const std::wstring &Path,
                                                  bool Current) const {
    if (!folderName_.empty())
        return folderName_ == Path;
    if (folderNames_->Count() > 0)
        return folderNames_->IndexOf(Path) >= 0;
    if (Folder != nullptr)
        return IsExplorerItemType(DefaultItemType(Folder), itemTypes_);
    return Current;
}

void TzidOlExplorerCustomCommandBar::FolderSwitched(IDispatch *Folder) {
    const bool before = Enabled();
    bool enabled = before;
    // Office's own bar (the add-in's controls placed on "Standard") stays shown or hidden, enabled or
    // not, as the user left it: only the add-in's controls follow the folder there.
    if (!BuiltIn()) {
        SetEnabled(FolderFilter(Folder, GetFolderPath(Folder), before));
        enabled = Enabled();
        SetVisible(enabled);
        if (enabled != before) {
            // Outlook lays its bars out again only when one moves.
            SetCommandBarLeft(CommandBarLeft() - 1);
            SetCommandBarLeft(CommandBarLeft() + 1);
        }
    }
    if (Folder != nullptr && enabled)
        UpdateExplorerControls(DefaultItemType(Folder), *Controls());
}

TzidOlInspectorCustomCommandBar::TzidOlInspectorCustomCommandBar(classlib::TComponent *AOwner)
    : TzidOlCustomCommandBar(AOwner) {}

bool TzidOlInspectorCustomCommandBar::UsedFor(const std::wstring &Path, long ItemClass) const {
    return (folderName_.empty() || folderName_ == Path) &&
           (folderNames_->Count() == 0 || folderNames_->IndexOf(Path) >= 0) &&
           IsInspectorItemClass(ItemClass, itemTypes_);
}

// ---- the item-type rules ----

std::wstring GetFolderPath(IDispatch *Folder) {
    std::wstring path;
    if (Folder == nullptr)
        return path;
    classlib::ComPtr<IDispatch> folder;
    if (FAILED(Folder->QueryInterface(IID_IDispatch, folder.PutVoid())))
        return path;
    try {
        while (folder) {
            path = L"\\" + classlib::DispGet(folder.Get(), office::dispid::outlook_folder::Name).ToString() +
                   path;
            classlib::ComPtr<IDispatch> parent =
                classlib::DispGet(folder.Get(), office::dispid::outlook_object::Parent).ToDispatch();
            // A store's root folder has the namespace as its parent: the walk ends there.
            folder = parent.TryAs<IDispatch>(DIID_OutlookMAPIFolder);
        }
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The folder path stops at " + path, E);
        return path;
    }
    if (!path.empty())
        path.erase(0, 1);
    return path;
}

bool IsExplorerItemType(long ItemType, TzidOLItemTypes Types) {
    return ItemType >= 0 && ItemType <= zidOLDistributionListItem &&
           Types.Contains(static_cast<TzidOLItemType>(ItemType));
}

bool IsInspectorItemClass(long ItemClass, TzidOLItemClasses Classes) {
    for (int i = 0; i < OLItemClassCount; ++i)
        if (InspectorItemClassValues[i] == ItemClass && Classes.Contains(static_cast<TzidOLItemClass>(i)))
            return true;
    return false;
}

void UpdateExplorerControls(long ItemType, TzidCommandBarControls &Controls) {
    UpdateControls(
        Controls,
        [](const TzidCommandBarControl &C) { return !(C.olExplorerItemTypes == ExplorerTypesOf(C)); },
        [ItemType](const TzidCommandBarControl &C) {
            return IsExplorerItemType(ItemType, C.olExplorerItemTypes);
        });
}

void UpdateInspectorControls(long ItemClass, TzidCommandBarControls &Controls) {
    UpdateControls(
        Controls,
        [](const TzidCommandBarControl &C) { return !(C.olInspectorItemTypes == InspectorTypesOf(C)); },
        [ItemClass](const TzidCommandBarControl &C) {
            return IsInspectorItemClass(ItemClass, C.olInspectorItemTypes);
        });
}

} // namespace framework
