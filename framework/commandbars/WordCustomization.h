// Word keeps permanent bars and controls in the template its CustomizationContext names, while the
// add-in's unload and unregistration take them out of the normal template only: a bar built while
// another add-in had left the context on a template of its own would stay there for good. A build in
// Word therefore runs with the normal template as the customization context, and the context that
// was current before is put back when the build is over.
#pragma once
#include "classlib/ComPtr.h"
#include "office/office.h"

namespace framework {

class TzidCOMAddInModule;

class TzidNormalTemplateScope {
public:
    // In Word, makes the normal template the customization context (a failure is traced and the build
    // goes on in the current context); in other hosts nothing.
    explicit TzidNormalTemplateScope(TzidCOMAddInModule &Module);
    // Puts the earlier context back; a failure is traced (the module may be gone by then).
    ~TzidNormalTemplateScope();
    TzidNormalTemplateScope(const TzidNormalTemplateScope &) = delete;
    TzidNormalTemplateScope &operator=(const TzidNormalTemplateScope &) = delete;

private:
    classlib::ComPtr<IDispatch> word_;     // set while a context is to be put back
    classlib::ComPtr<IDispatch> previous_; // the context before the build
};

} // namespace framework
