// TAddInModule: the add-in's module. Its form (AddInModule.form, resource TADDINMODULE) names the
// add-in, registers it for all users of Word and Outlook and binds the handlers below.
#pragma once
#include <string>

#include "framework/core/AddInModule.h"

namespace tessary {

class TAddInModule : public framework::TzidCOMAddInModule {
    CLASSLIB_CLASS(TAddInModule)
public:
    explicit TAddInModule(classlib::TComponent *AOwner);

    // The folder the library was installed in, known from start-up complete on.
    const std::wstring &InstallFolder() const { return installFolder_; }

    void zidCOMAddInModuleCreate(classlib::TObject *Sender);
    void zidCOMAddInModuleAddInInitialize(classlib::TObject *Sender);
    void zidCOMAddInModuleAddInStartupComplete(classlib::TObject *Sender);
    void zidCOMAddInModuleAddInBeginShutdown(classlib::TObject *Sender);
    void zidCOMAddInModuleAddInFinalize(classlib::TObject *Sender);
    void zidCOMAddInModuleBeforeAddinUnregister(classlib::TObject *Sender);
    void zidCOMAddInModuleOLInspectorActivate(classlib::TObject *Sender);
    void zidCOMAddInModuleRibbonBeforeLoad(classlib::TObject *Sender, const std::wstring &RibbonID,
                                           std::wstring &Xml);
    // OnClick of the ribbon's buttons: the feature of the clicked control's id.
    void RibbonMenuClick(classlib::TObject *Sender, IRibbonControl *RibbonControl);
    // OnClick of the command-bar buttons: the explorer's and Word's, the inspector's, and the two of
    // the Standard toolbar's reply popup.
    void CommandBarButtonClick(classlib::TObject *Sender);
    void InspectorCommandBarClick(classlib::TObject *Sender);
    void zidOlExplorerCommandbar1Controls0Controls0Click(classlib::TObject *Sender);
    // Word, as Outlook's mail editor, has started (fired once on connection) and activates a window.
    void zidWordAppEventsStartup(classlib::TObject *Sender);
    void zidWordAppEventsWindowActivate(classlib::TObject *ASender, IDispatch *Doc, IDispatch *Wn);
    // The selection changed in an Outlook explorer.
    void zidOutlookAppEvents1ExplorerSelectionChange(classlib::TObject *Sender);
    // Outlook sends an item: the send hook's checks run here.
    void OutlookItemSend(classlib::TObject *Sender, IDispatch *Item, bool &Cancel);

private:
    // The captions of the ribbon tabs, from the string table.
    void SetTabCaptions();

    std::wstring installFolder_;
};

} // namespace tessary
