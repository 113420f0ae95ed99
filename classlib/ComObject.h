// TComObject: the root of the objects a class factory makes (see ComImplements.h for the reference
// count and QueryInterface, AutoObject.h for automation objects): the link to the factory that made
// the object, and the second phase of its construction.
#pragma once
#include <windows.h>

#include "classlib/ComImplements.h"

namespace classlib {

class TComObjectFactory;

class TComObject : public TComObjectRoot {
public:
    // Called by the factory after construction, once Factory() is set; may throw (the object is
    // then released and the client gets the error).
    virtual void Initialize() {}

    TComObjectFactory *Factory() const noexcept { return factory_; }
    // Source name for error reports: the factory's ProgID, or null when there is no factory.
    const wchar_t *ErrorSource() const noexcept;

protected:
    TComObject() noexcept = default;

private:
    friend class TComObjectFactory;
    TComObjectFactory *factory_ = nullptr;
};

} // namespace classlib
