// The HRESULT a call raised as an EOleSysError, or S_OK when it raised nothing: for checking the
// failures of calls that report them as exceptions (late-bound calls, the simulated hosts' models).
#pragma once
#include <windows.h>

#include <functional>

namespace testsupport {

HRESULT ErrorOf(const std::function<void()> &call);

} // namespace testsupport
