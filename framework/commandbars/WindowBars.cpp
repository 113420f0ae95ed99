// The command bars of a host window, and one of the module's bars placed into the window whose bars
// the module holds or taken out of it again.
#include "framework/commandbars/WindowBars.h"

#include "classlib/LateBinding.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/core/AddInModule.h"

using classlib::ComPtr;

namespace framework {

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

} // namespace framework
