#include "ErrorOf.h"

#include "classlib/Exceptions.h"

namespace testsupport {

HRESULT ErrorOf(const std::function<void()> &call) {
    try {
        call();
    } catch (const classlib::EOleSysError &e) {
        return e.ErrorCode();
    }
    return S_OK;
}

} // namespace testsupport
