#include "ErrorOf.h"

#include "classlib/Exceptions.h"

namespace testsupport {

HRESULT ErrorOf(const std::function<void()> &call, std::wstring *message) {
    try {
        call();
    } catch (const classlib::EOleSysError &e) {
        if (message != nullptr)
            *message = e.Message();
        return e.ErrorCode();
    }
    return S_OK;
}

} // namespace testsupport
