// The module of the window tests (form WindowsModule.form: Outlook explorer and inspector bars and a
// bar for the other hosts). Every OnOL... event is logged by name with a check of its Sender, and the
// start-up's completion as "StartupComplete".
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInObject.h"
#include "framework/core/Factory.h"

namespace wintest {

struct TWindowsLog {
    // The events by name ("ExplorerActivate", "InspectorClose" ...), "Build:<tag>" for each control
    // built, "Error:<message>", and "WrongSender" after an event whose Sender is not its window's
    // wrapper.
    std::vector<std::wstring> Events;
    bool CancelFolderSwitch = false;
    bool CancelCard = false;
    // Runs inside every event after it is logged ("Build" inside every control build).
    std::function<void(const std::wstring &Event)> Action;
    // Runs inside the module's OptionsPagesAdd (Folder null) and NameSpaceOptionsPagesAdd, after
    // "OptionsPagesAdd" or "FolderPagesAdd" is logged.
    std::function<void(IDispatch *Pages, IDispatch *Folder)> PagesAction;
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

    void CreateControl(framework::TzidCommandBarControl *Control, framework::TzidCustomCommandBar *Bar,
                       framework::TzidCommandBarPopup *Parent) override;
    void OptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages) override;
    void NameSpaceOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages, IDispatch *Folder) override;

private:
    template <const wchar_t *Name> void Window(classlib::TObject *Sender);
    template <const wchar_t *Name> void Reported(classlib::TObject *Sender, IDispatch *Window);
    void BeforeFolderSwitch(classlib::TObject *Sender, IDispatch *NewFolder, bool &Cancel);
    void BeforeViewSwitch(classlib::TObject *Sender, const classlib::OleVariant &NewView, bool &Cancel);
    void CardBeforeAdd(framework::TzidOlInspectorCommandBar *CmdBar, IDispatch *Inspector, bool &Cancel);
    void ModuleError(const classlib::Exception &E, bool &Handled);
    void StartupComplete(classlib::TObject *Sender);
    void Happened(const std::wstring &Event);
    void FromWindow(classlib::TObject *Sender, const std::wstring &Event);
};

class TWindowsTestAddIn : public framework::TdivAzore {};

framework::TzidFactory &WindowsFactory();

} // namespace wintest
