// The module of the window tests (form WindowsModule.form): Outlook explorer and inspector bars, a bar
// for the other hosts, and handlers for every OnOL... event that record what reached them.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"

namespace wintest {

class TWindowsModule;

struct TWindowsLog {
    // In order: "NewExplorer", "ExplorerActivate", "FolderSwitch", "BeforeFolderSwitch",
    // "ViewSwitch", "BeforeViewSwitch", "ExplorerDeactivate", "SelectionChange", "ExplorerClose",
    // "NewInspector", "InspectorActivate", "InspectorDeactivate", "InspectorClose", "Build:<tag>",
    // "Error:<message>", "WrongSender".
    std::vector<std::wstring> Events;
    bool CancelFolderSwitch = false;
    bool CancelCard = false;
    // Runs inside every module event (after it is logged) and inside every control build.
    std::function<void(const std::wstring &Event, classlib::TObject *Sender)> Action;
    int ModulesAlive = 0;

    int Count(const std::wstring &Event) const;
};
TWindowsLog &Log();
void ResetLog();

class TWindowsModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TWindowsModule)
public:
    explicit TWindowsModule(classlib::TComponent *AOwner);
    ~TWindowsModule() override;

    void ModuleError(const classlib::Exception &E, bool &Handled);
    void NewExplorer(classlib::TObject *Sender, IDispatch *Explorer);
    void NewInspector(classlib::TObject *Sender, IDispatch *Inspector);
    void ExplorerActivate(classlib::TObject *Sender);
    void FolderSwitch(classlib::TObject *Sender);
    void BeforeFolderSwitch(classlib::TObject *Sender, IDispatch *NewFolder, bool &Cancel);
    void ViewSwitch(classlib::TObject *Sender);
    void BeforeViewSwitch(classlib::TObject *Sender, const classlib::OleVariant &NewView, bool &Cancel);
    void ExplorerDeactivate(classlib::TObject *Sender);
    void SelectionChange(classlib::TObject *Sender);
    void ExplorerClose(classlib::TObject *Sender);
    void InspectorActivate(classlib::TObject *Sender);
    void InspectorDeactivate(classlib::TObject *Sender);
    void InspectorClose(classlib::TObject *Sender);
    void CardBeforeAdd(framework::TzidOlInspectorCommandBar *CmdBar, IDispatch *Inspector, bool &Cancel);

    void CreateControl(framework::TzidCommandBarControl *Control, framework::TzidCustomCommandBar *Bar,
                       framework::TzidCommandBarPopup *Parent) override;

private:
    // Logs Event; an explorer event must come from an explorer's wrapper, an inspector event from
    // an inspector's.
    void Happened(const std::wstring &Event, classlib::TObject *Sender, bool Explorer);
};

class TWindowsTestAddIn : public framework::TdivAzore {};

framework::TzidFactory &WindowsFactory();

} // namespace wintest
