#include "framework/commandbars/CommandBarControls.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "framework/commandbars/CommandBar.h"
#include "framework/commandbars/CommandBarAdvancedControl.h"
#include "framework/commandbars/CommandBarButton.h"
#include "framework/commandbars/CommandBarComboBox.h"
#include "framework/commandbars/CommandBarPopup.h"
#include "framework/core/AddInModule.h"
#include "framework/core/ModuleErrors.h"

namespace framework {

CLASSLIB_DEFINE_CLASS(TzidCommandBarControls, classlib::TOwnedCollection, )

TzidCommandBarControls::TzidCommandBarControls(classlib::TPersistent *Owner)
    : TOwnedCollection(Owner, TzidCommandBarControl::StaticClass()) {}

TzidCommandBarControls::~TzidCommandBarControls() {
    Clear();
}

TzidCommandBarControl *TzidCommandBarControls::Items(int Index) const {
    return static_cast<TzidCommandBarControl *>(TOwnedCollection::Items(Index));
}

TzidCustomCommandBar *TzidCommandBarControls::OwnerCommandBar() const {
    return dynamic_cast<TzidCustomCommandBar *>(GetOwner());
}

TzidCommandBarPopup *TzidCommandBarControls::OwnerPopup() const {
    return dynamic_cast<TzidCommandBarPopup *>(GetOwner());
}

TzidCommandBarControl *TzidCommandBarControls::CreateItem(TzidCommandBarControlType Kind) {
    if (Kind == cctAdvancedControl) {
        if (OwnerPopup() != nullptr)
            RaiseZidError(zidErrAdvancedControlInPopup, SzidAdvancedControlInPopup);
        // The control's host window docks to the bar: the bar stays a docked toolbar.
        if (TzidCustomCommandBar *bar = OwnerCommandBar()) {
            if (bar->Position() == zidMsoBarPopup || bar->Position() == zidMsoBarMenuBar)
                bar->SetPosition(zidMsoBarTop);
            if (bar->Protection() != zidMsoBarNoChangeDock)
                bar->SetProtection(zidMsoBarNoChangeDock);
        }
    }
    TzidCommandBarControl *item = nullptr;
    switch (ControlKindOf(Kind)) {
    case cctButton:
        item = new TzidCommandBarButton(this);
        break;
    case cctEdit:
        item = new TzidCommandBarEdit(this);
        break;
    case cctDropdownList:
        item = new TzidCommandBarDropDownList(this);
        break;
    case cctComboBox:
        item = new TzidCommandBarComboBox(this);
        break;
    case cctPopup:
        item = new TzidCommandBarPopup(this);
        break;
    case cctControl:
        item = new TzidCommandBarControl(this);
        break;
    case cctAdvancedControl:
        item = new TzidCommandBarAdvancedControl(this);
        break;
    }
    return static_cast<TzidCommandBarControl *>(Added(item));
}

classlib::ComPtr<CommandBarControls> TzidCommandBarControls::OfficeContainer() {
    classlib::ComPtr<CommandBarControls> controls;
    if (TzidCustomCommandBar *bar = OwnerCommandBar()) {
        if (!bar->CommandBarInterface())
            bar->SetCommandBarInterface(bar->AddInModule()->FindCommandBar(bar->CommandBarName()));
        if (bar->CommandBarInterface())
            classlib::OleCheck(bar->CommandBarInterface()->get_Controls(controls.Put()));
    } else if (TzidCommandBarPopup *popup = OwnerPopup(); popup != nullptr && popup->PopupInterface()) {
        classlib::OleCheck(popup->PopupInterface()->get_Controls(controls.Put()));
    }
    return controls;
}

TzidCommandBarControl *TzidCommandBarControls::AddControl(TzidCommandBarControlType Kind,
                                                          const std::wstring &OfficeTag, int Before,
                                                          bool Temporary) {
    if (Before == -1)
        Before = 0;
    TzidCommandBarControl *item = CreateItem(Kind);
    classlib::ComPtr<CommandBarControl> added; // the Office control this call made
    try {
        item->officeTag_ = OfficeTag;
        item->SetBefore(Before);
        item->SetTemporary(Temporary);
        classlib::ComPtr<CommandBarControls> container = OfficeContainer();
        if (!container)
            return item;
        if (Kind > cctPopup) {
            item->SetOfficeTag(OfficeTag);
            return item;
        }
        const long type = OfficeControlType(Kind);
        // A control an earlier run left in the host is taken over rather than doubled.
        item->BindOfficeControl(item->Module()->FindControlByTag(type, OfficeTag));
        if (!item->ControlInterface()) {
            classlib::OleCheck(container->Add(ByteArg(static_cast<unsigned char>(type)), MissingArg(),
                                              MissingArg(), Before == 0 ? MissingArg() : LongArg(Before),
                                              BoolArg(Temporary), added.Put()));
            item->BindOfficeControl(added);
            item->SetOfficeTag(OfficeTag);
            item->UpdateControl();
        }
        return item;
    } catch (...) {
        // Nothing half made stays behind: neither the item nor the Office control it got here.
        if (added) {
            HRESULT hr = added->Delete(BoolArg(false));
            if (FAILED(hr))
                TraceCommandBars(L"AddControl: the Office control it added cannot be deleted again (" +
                                 classlib::SysErrorMessage(hr) + L")");
        }
        delete item;
        throw;
    }
}

void TzidCommandBarControls::Delete(int Index, bool Temporary) {
    TzidCommandBarControl *item = Items(Index);
    item->DeleteControl(Temporary);
    delete item;
}

void TzidCommandBarControls::Assign(const classlib::TPersistent *Source) {
    const auto *source = dynamic_cast<const TzidCommandBarControls *>(Source);
    if (source == nullptr) {
        TOwnedCollection::Assign(Source);
        return;
    }
    if (source == this)
        return;
    classlib::TUpdateScope update(this);
    Clear();
    for (int i = 0; i < source->Count(); ++i) {
        TzidCommandBarControl *item = source->Items(i);
        CreateItem(item->GetControlType())->Assign(item);
    }
}

std::wstring TzidCommandBarControls::GetAttr(int Index) const {
    switch (Index) {
    case 0:
        return L"Name";
    case 1:
        return L"Type";
    case 2:
        return L"Caption";
    default:
        return {};
    }
}

std::wstring TzidCommandBarControls::GetItemAttr(int Index, int ItemIndex) const {
    TzidCommandBarControl *item = Items(ItemIndex);
    switch (Index) {
    case 0:
        return classlib::Format(L"%d - ", {ItemIndex}) + item->GetDisplayName();
    case 1:
        return ControlKindText(item->GetControlType());
    case 2:
        return item->Caption();
    default:
        return {};
    }
}

} // namespace framework
