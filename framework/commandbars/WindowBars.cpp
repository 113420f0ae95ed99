// The command bars of a host window, and one of the module's bars placed into the window whose bars
// the module holds or taken out of it again.
#include "framework/commandbars/WindowBars.h"

#include "classlib/LateBinding.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"

using classlib::ComPtr;

namespace framework {

namespace {

void UnbindControls(TzidCommandBarControls &Controls) {
    for (int i = 0; i < Controls.Count(); ++i) {
        TzidCommandBarControl &control = *Controls.Items(i);
        if (TzidCommandBarPopup *popup = control.AsCommandBarPopup())
            UnbindControls(*popup->Controls());
        control.BindOfficeControl(nullptr);
    }
}

} // namespace

ComPtr<_CommandBars> AsCommandBars(const ComPtr<IDispatch> &Bars) {
    return Bars ? Bars.TryAs<_CommandBars>() : nullptr;
}

ComPtr<_CommandBars> CommandBarsOf(IDispatch *Object, const std::wstring &Name) {
    if (Object == nullptr)
        return nullptr;
    try {
        return AsCommandBars(classlib::DispGet(Object, Name).ToDispatch());
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"A window's command bars could not be read", E);
        return nullptr;
    }
}

void PlaceBar(TzidCOMAddInModule &Module, TzidCustomCommandBar &Bar) {
    // After an uninstall the bar may still be bound to the Office bar the clean-up deleted.
    if (Module.UninstalledMeanwhile())
        return;
    try {
        // The design's name: the Office bar the bar is bound to may have been deleted by the user
        // (Word's Customize dialog), and then it is built again as a missing one.
        if (Module.FindCommandBar(Bar.StoredCommandBarName()))
            Bar.Reconnect();
        else
            Module.CreateCommandBar(&Bar);
    } catch (const classlib::Exception &E) {
        Module.DoError(E);
    }
}

void UnbindBar(TzidCustomCommandBar &Bar) {
    UnbindControls(*Bar.Controls());
    Bar.SetCommandBarInterface(nullptr);
}

// The bars of the host's (not the Outlook windows') command bars lose their Office side; Access's next
// database gets them built again.
void TzidCOMAddInModule::ReleaseCommandBars() {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(Components(i));
        if (bar == nullptr || dynamic_cast<TzidOlInspectorCustomCommandBar *>(bar) != nullptr ||
            (hostType_ == ohaOutlook && dynamic_cast<TzidOlExplorerCustomCommandBar *>(bar) != nullptr) ||
            !bar->SupportedApps().Contains(hostType_))
            continue;
        UnbindBar(*bar);
    }
    commandBars_.Reset();
}

} // namespace framework
