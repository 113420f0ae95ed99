// The hooked host handlers that put neither bars nor task panes into a window: Excel's events that
// bring the module's named objects up to date, the events that only call the handler they replaced,
// and Outlook's property-page events. Those that put the module's bars or panes into a window are the
// window engine's. Each is a handler call of the add-in object (HandlerCall.h): an add-in unloaded
// inside one leaves the object, the module and the host's wrapper until it returns.
#include "framework/core/AddInObject.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/HandlerChain.h"

namespace framework {

void TdivAzore::ExcelWorkbookActivate(classlib::TObject *Sender, IDispatch *Wb) {
    TzidHandlerCall call(*this);
    if (module_)
        module_->RefreshNamedObjects();
    ChainGuarded(module_.get(), PrevExcelHandlers.WorkbookActivate, Sender, Wb);
}

void TdivAzore::ExcelSheetActivate(classlib::TObject *Sender, IDispatch *Sh) {
    TzidHandlerCall call(*this);
    if (module_)
        module_->RefreshNamedObjects();
    ChainGuarded(module_.get(), PrevExcelHandlers.SheetActivate, Sender, Sh);
}

void TdivAzore::InfoPathNewXDocument(classlib::TObject *Sender, IDispatch *Document) {
    TzidHandlerCall call(*this);
    ChainGuarded(module_.get(), PrevInfoPathHandlers.NewXDocument, Sender, Document);
}

void TdivAzore::InfoPathXDocumentOpen(classlib::TObject *Sender, IDispatch *Document) {
    TzidHandlerCall call(*this);
    ChainGuarded(module_.get(), PrevInfoPathHandlers.XDocumentOpen, Sender, Document);
}

void TdivAzore::PowerPointWindowActivate(classlib::TObject *Sender, IDispatch *Pres, IDispatch *Wn) {
    TzidHandlerCall call(*this);
    ChainGuarded(module_.get(), PrevPowerPointHandler, Sender, Pres, Wn);
}

void TdivAzore::OutlookOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages) {
    TzidHandlerCall call(*this);
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    if (PrevOptionsPagesAdd)
        module.RunGuarded([&] { PrevOptionsPagesAdd(Sender, Pages); });
    module.RunGuarded([&] { module.OptionsPagesAdd(Sender, Pages); });
}

void TdivAzore::NameSpaceOptionsPagesAdd(classlib::TObject *Sender, IDispatch *Pages, IDispatch *Folder) {
    TzidHandlerCall call(*this);
    if (module_)
        module_->RunGuarded([&] { module_->NameSpaceOptionsPagesAdd(Sender, Pages, Folder); });
}

} // namespace framework
