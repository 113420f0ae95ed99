// The handlers the start-up sequence chains into the host wrappers' events. The module has no
// command-bar, task-pane or window-tracking classes yet, so each one does what is left without
// them: it calls the handler it replaced, and Outlook's property-page events reach the module.
#include "framework/core/AddInObject.h"

#include "classlib/Trace.h"

namespace framework {

namespace {

// Calls the handler a hook replaced, if any, with the module reporting its failure; nothing once the
// module is gone.
template <class Event, class... A>
void ChainGuarded(TzidCOMAddInModule *module, const Event &previous, A... args) {
    if (module != nullptr && previous)
        module->RunGuarded([&] { previous(args...); });
}

} // namespace

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
    ChainGuarded(module_.get(), PrevWordHandlers.DocumentOpen, Sender, Doc);
}

void TdivAzore::WordNewDocument(classlib::TObject *Sender, IDispatch *Doc) {
    ChainGuarded(module_.get(), PrevWordHandlers.NewDocument, Sender, Doc);
}

void TdivAzore::WordDocumentChange(classlib::TObject *Sender) {
    ChainGuarded(module_.get(), PrevWordHandlers.DocumentChange, Sender);
}

void TdivAzore::ExcelWorkbookActivate(classlib::TObject *Sender, IDispatch *Wb) {
    ChainGuarded(module_.get(), PrevExcelHandlers.WorkbookActivate, Sender, Wb);
}

void TdivAzore::ExcelSheetActivate(classlib::TObject *Sender, IDispatch *Sh) {
    ChainGuarded(module_.get(), PrevExcelHandlers.SheetActivate, Sender, Sh);
}

void TdivAzore::InfoPathWindowActivate(classlib::TObject *Sender, IDispatch *Document, IDispatch *Window) {
    ChainGuarded(module_.get(), PrevInfoPathHandlers.WindowActivate, Sender, Document, Window);
}

void TdivAzore::InfoPathNewXDocument(classlib::TObject *Sender, IDispatch *Document) {
    ChainGuarded(module_.get(), PrevInfoPathHandlers.NewXDocument, Sender, Document);
}

void TdivAzore::InfoPathXDocumentOpen(classlib::TObject *Sender, IDispatch *Document) {
    ChainGuarded(module_.get(), PrevInfoPathHandlers.XDocumentOpen, Sender, Document);
}

void TdivAzore::PowerPointWindowActivate(classlib::TObject *Sender, IDispatch *Pres, IDispatch *Wn) {
    ChainGuarded(module_.get(), PrevPowerPointHandler, Sender, Pres, Wn);
}

void TdivAzore::VisioWindowActivated(classlib::TObject *Sender, IDispatch *Window) {
    ChainGuarded(module_.get(), PrevVisioHandler, Sender, Window);
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
