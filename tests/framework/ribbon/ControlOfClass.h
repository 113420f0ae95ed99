// A control of a given class added to a collection the way a form adds it: through the code of the
// class.
#pragma once
#include <string>

#include "classlib/Exceptions.h"
#include "framework/ribbon/RibbonModel.h"

namespace ribbontest {

// The control type whose class is Class.
inline framework::TzidRibbonControlType CodeOf(const classlib::TClassInfo &Class) {
    for (int code = 0; code < framework::zidRibbonClassCount; ++code)
        if (framework::RibbonControlClass(static_cast<framework::TzidRibbonControlType>(code)) == &Class)
            return static_cast<framework::TzidRibbonControlType>(code);
    throw classlib::Exception(L"no class code for " + Class.Name());
}

// A control of class T with Id, added to Controls.
template <class T> T &Add(framework::TzidRibbonControls *Controls, const std::wstring &Id) {
    auto *control = dynamic_cast<T *>(Controls->AddControl(CodeOf(T::StaticClass())));
    if (control == nullptr)
        throw classlib::Exception(L"the collection made no control of the class asked for");
    control->SetId(Id);
    return *control;
}

} // namespace ribbontest
