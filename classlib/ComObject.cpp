#include "classlib/ComObject.h"

#include "classlib/ComObjectFactory.h"

namespace classlib {

const wchar_t *TComObject::ErrorSource() const noexcept {
    return factory_ ? factory_->ErrorSource() : nullptr;
}

} // namespace classlib
