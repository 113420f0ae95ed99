// The HRESULT a call raised as an EOleSysError (and its message, when asked), or S_OK when it raised
// nothing: for checking the failures of calls that report them as exceptions (late-bound calls, the
// simulated hosts' models, the ribbon model's setters).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace testsupport {

HRESULT ErrorOf(const std::function<void()> &call, std::wstring *message = nullptr);

} // namespace testsupport
