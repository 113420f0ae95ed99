// The handlers the start-up sequence chains into the host wrappers' events. The module has no
// command-bar, task-pane or window-tracking classes yet, so each one does what is left without
// them: it calls the handler it replaced, and Outlook's property-page events reach the module.
#include "framework/core/AddInObject.h"

#include "classlib/Trace.h"

namespace framework {

// Word's own handler must not disturb the activation of a window: its failures are dropped.
void TdivAzore::WordWindowActivate(classlib::TObject *Sender, IDispatch *Doc, IDispatch *Wn) {
    if (!module_ || !PrevWordHandlers.WindowActivate)
        return;
    try {
        PrevWordHandlers.WindowActivate(Sender, Doc, Wn);
    } catch (...) {
        classlib::TraceException(L"AddIn", L"Word's previous WindowActivate handler");
    }
}

void TdivAzore::WordDocumentOpen(classlib::TObject *Sender, IDispatch *Doc) {
    if (module_ && PrevWordHandlers.DocumentOpen)
        module_->RunGuarded([&] { PrevWordHandlers.DocumentOpen(Sender, Doc); });
}

void TdivAzore::WordNewDocument(classlib::TObject *Sender, IDispatch *Doc) {
    if (module_ && PrevWordHandlers.NewDocument)
        module_->RunGuarded([&] { PrevWordHandlers.NewDocument(Sender, Doc); });
}

void TdivAzore::WordDocumentChange(classlib::TObject *Sender) {
    if (module_ && PrevWordHandlers.DocumentChange)
        module_->RunGuarded([&] { PrevWordHandlers.DocumentChange(Sender); });
}

void TdivAzore::ExcelWorkbookActivate(classlib::TObject *Sender, IDispatch *Wb) {
    if (module_ && PrevExcelHandlers.WorkbookActivate)
        module_->RunGuarded([&] { PrevExcelHandlers.WorkbookActivate(Sender, Wb); });
}

void TdivAzore::ExcelSheetActivate(classlib::TObject *Sender, IDispatch *Sh) {
    if (module_ && PrevExcelHandlers.SheetActivate)
        module_->RunGuarded([&] { PrevExcelHandlers.SheetActivate(Sender, Sh); });
}

void TdivAzore::InfoPathWindowActivate(classlib::TObject *Sender, IDispatch *Document, IDispatch *Window) {
    if (module_ && PrevInfoPathHandlers.WindowActivate)
        module_->RunGuarded([&] { PrevInfoPathHandlers.WindowActivate(Sender, Document, Window); });
}

void TdivAzore::InfoPathNewXDocument(classlib::TObject *Sender, IDispatch *Document) {
    if (module_ && PrevInfoPathHandlers.NewXDocument)
        module_->RunGuarded([&] { PrevInfoPathHandlers.NewXDocument(Sender, Document); });
}

void TdivAzore::InfoPathXDocumentOpen(classlib::TObject *Sender, IDispatch *Document) {
    if (module_ && PrevInfoPathHandlers.XDocumentOpen)
        module_->RunGuarded([&] { PrevInfoPathHandlers.XDocumentOpen(Sender, Document); });
}

void TdivAzore::PowerPointWindowActivate(classlib::TObject *Sender, IDispatch *Pres, IDispatch *Wn) {
    if (module_ && PrevPowerPointHandler)
        module_->RunGuarded([&] { PrevPowerPointHandler(Sender, Pres, Wn); });
}

void TdivAzore::VisioWindowActivated(classlib::TObject *Sender, IDispatch *Window) {
    if (module_ && PrevVisioHandler)
        module_->RunGuarded([&] { PrevVisioHandler(Sender, Window); });
}

void TdivAzore::OutlookOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages) {
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    if (PrevOptionsPagesAdd)
        module.RunGuarded([&] { PrevOptionsPagesAdd(Sender, Pages); });
    module.RunGuarded([&] { module.OptionsPagesAdd(Sender, Pages); });
}

void TdivAzore::NameSpaceOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages, IDispatch *Folder) {
    if (module_)
        module_->RunGuarded([&] { module_->NameSpaceOptionsPagesAdd(Sender, Pages, Folder); });
}

// Explorer and inspector windows are not tracked yet: no wrapper, bars or module events for them.
void TdivAzore::NewExplorer(classlib::TObject * /*Sender*/, IDispatch * /*Explorer*/) {}

void TdivAzore::NewInspector(classlib::TObject * /*Sender*/, IDispatch * /*Inspector*/) {}

} // namespace framework
