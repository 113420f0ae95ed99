// TzidInspector: the wrapper of one tracked Outlook inspector (an item window). It keeps the
// inspector bars that apply to its item, whether the item it opened with is a mail, and the folder
// path of the explorer folder that was current when it opened; its Activate puts the bars meant for
// the item shown then into the window, its Close takes them out again. Like the explorer's, it is freed once
// its own Close has returned.
#pragma once
#include <string>

#include "framework/windows/WindowBarList.h"
#include "office/OutlookInspectors.h"

namespace framework {

class TzidHostWindowsEngine;
class TzidCOMAddInModule;
class TzidOlInspectorCustomCommandBar;

class TzidInspector : public office::TOutlookInspector {
    CLASSLIB_CLASS(TzidInspector)
public:
    // ItemClass: the Outlook class of the item it opened with; FolderPath: see GetFolderPath.
    TzidInspector(TzidHostWindowsEngine &Engine, long ItemClass, std::wstring FolderPath);

    bool IsMail() const noexcept { return itemClass_ == 43; }
    long ItemClass() const noexcept { return itemClass_; }
    const std::wstring &FolderPath() const noexcept { return folderPath_; }
    TzidWindowBars &Bars() noexcept { return bars_; }

    // The window's events (Sender: this wrapper).
    void InspectorActivate(classlib::TObject *Sender);
    void InspectorDeactivate(classlib::TObject *Sender);
    void InspectorClose(classlib::TObject *Sender);

protected:
    void HostEvent(DISPID id, office::THostEventArgs &args) override;

private:
    // The Outlook class of the item shown now (read at each activation).
    long CurrentItemClass() const;
    // Places one inspector bar that passed its filters for an item of ItemClass.
    void PlaceInspectorBar(TzidCOMAddInModule &Module, TzidOlInspectorCustomCommandBar &Bar, long ItemClass);

    TzidHostWindowsEngine &engine_;
    long itemClass_;
    std::wstring folderPath_;
    TzidWindowBars bars_;
};

} // namespace framework
