#include "framework/commandbars/WordCustomization.h"

#include "classlib/LateBinding.h"
#include "framework/commandbars/OfficeAccess.h"
#include "framework/core/AddInModule.h"
#include "office/HostDispIds.h"

namespace framework {

namespace app = office::dispid::word_application;

TzidNormalTemplateScope::TzidNormalTemplateScope(TzidCOMAddInModule &Module) {
    if (Module.HostType() != ohaWord)
        return;
    try {
        classlib::ComPtr<IDispatch> word = Module.HostApp().ToDispatch();
        if (!word)
            return;
        classlib::ComPtr<IDispatch> previous =
            classlib::DispGet(word.Get(), app::CustomizationContext).ToDispatch();
        classlib::ComPtr<IDispatch> normal = classlib::DispGet(word.Get(), app::NormalTemplate).ToDispatch();
        if (!normal || classlib::SameComObject(previous.Get(), normal.Get()))
            return;
        classlib::DispPut(word.Get(), app::CustomizationContext, classlib::OleVariant(normal.Get()));
        word_ = std::move(word);
        previous_ = std::move(previous);
    } catch (const classlib::Exception &E) {
        // The build goes on in the current context; an error box at every switch of windows would
        // tell the user nothing they could act on.
        TraceCommandBars(L"Word's customization context was not set to the normal template", E);
    }
}

TzidNormalTemplateScope::~TzidNormalTemplateScope() {
    if (!word_ || !previous_)
        return;
    try {
        classlib::DispPut(word_.Get(), app::CustomizationContext, classlib::OleVariant(previous_.Get()));
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"Word's customization context was not put back", E);
    }
}

} // namespace framework
