#include "framework/support/WindowMessages.h"

namespace framework {

UINT WM_ZIDKEYDOWN = RegisterWindowMessageW(L"WM_ZIDKEYDOWN");

} // namespace framework
