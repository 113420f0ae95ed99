// The module's command-bar engine: builds the module's bars and controls in the connected host
// (ModuleBarBuild.cpp), takes them out of it on the user's unload and on unregistration
// (HostBarRemoval.cpp), and lets go of them when the host's bars go (ModuleBarsEngine.cpp). Everything
// it works on is the module's: its components, its host and the add-in key.
#pragma once
#include <oaidl.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/core/ModuleBarsEngine.h"
#include "office/office.h"

namespace framework {

class TzidModuleBarsEngine final : public IzidModuleBarsEngine {
public:
    explicit TzidModuleBarsEngine(TzidCOMAddInModule &Module) noexcept : module_(Module) {}
    TzidModuleBarsEngine(const TzidModuleBarsEngine &) = delete;
    TzidModuleBarsEngine &operator=(const TzidModuleBarsEngine &) = delete;

    // The maker the command-bar floor installs.
    static std::unique_ptr<IzidModuleBarsEngine> Make(TzidCOMAddInModule &Module);

    void CreateCommandBars() override;
    // MapPoint (31110) and an apostrophe in an Outlook bar's name (31102) raise; every other failure
    // goes to DoError.
    void CreateCommandBar(TzidCustomCommandBar *Bar) override;
    void CreateControl(TzidCommandBarControl *Control, TzidCustomCommandBar *Bar,
                       TzidCommandBarPopup *Parent) override;
    void ReleaseCommandBars() override;
    // Failures are traced.
    void SaveExplorerBarPositions() override;
    void RestoreExplorerBarPositions() override;
    void RemoveCommandBarsFromHost(bool WindowBars) override;
    void RemoveCommandBarsOnUnload() override;
    void RemoveHostControls(TzidOfficeHostApp Host, const std::vector<std::wstring> &BarNames,
                            const std::vector<TzidRecordedControl> &ControlTags) override;

private:
    // The "\Controls" record of Tag; -1 when there is none (a negative number counts as none).
    int ReadControlRecord(const std::wstring &Tag) const;
    // The Before argument of Office's Add: Before, else the index of BeforeID's control on Bar, else
    // the one after AfterID's; missing (Office appends) when none applies or is found. Raises when
    // Office fails the look-up.
    static VARIANT GetBeforePosition(int Before, int BeforeID, int AfterID, CommandBar *Bar);
    // Deletes the Office controls of "\Controls" records that no bar of the module holds any more,
    // with their records; a record whose control is not found stays.
    void RemoveStaleControls(TzidCustomCommandBar *Bar);

    TzidCOMAddInModule &module_;
};

} // namespace framework
