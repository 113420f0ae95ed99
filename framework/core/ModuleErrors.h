// The framework's own errors: the class library's COM error with an English message, one of the
// codes below and help context 0. The messages with "%s" or "%d" are Format patterns.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/ComGuard.h"
#include "classlib/Exceptions.h"

namespace framework {

// The codes are small positive numbers, which SUCCEEDED would take for success: they are no HRESULTs,
// so that none can be returned, tested or passed as one. An error carries its code as the exception's
// ErrorCode, where an OnError handler compares it with these; a COM boundary reports the failure
// HRESULT that ZidErrorHResult names.
enum class TzidErrorCode : LONG {
    zidErrEmptyProperty = 31101,
    zidErrIllegalBarName = 31102,
    zidErrCantUnregisterControls = 31103,
    zidErrRegistrationCanceled = 31105,
    zidErrMapPointControl = 31110,
    zidErrWrongContainer = 31112,
    zidErrWrongEventsOwner = 31113,
    zidErrAdvancedControlBarType = 31114,
    zidErrAdvancedControlProtection = 31115,
    zidErrAdvancedControlInPopup = 31116,
    zidErrAdvancedControlBuiltInBar = 31118,
    zidErrSingleInstance = 31119,
    zidErrTooManyItems = 31120,
};
using enum TzidErrorCode;

// Whether an error's ErrorCode is this framework code.
constexpr bool operator==(HRESULT ErrorCode, TzidErrorCode Code) {
    return ErrorCode == static_cast<HRESULT>(Code);
}

// The failure HRESULT a COM boundary reports for the code: the class library's guard makes it.
inline HRESULT ZidErrorHResult(TzidErrorCode Code) noexcept {
    return classlib::AsFailure(static_cast<HRESULT>(Code));
}

inline constexpr const wchar_t *SzidEmptyProperty = L"The %s property cannot be empty.";
inline constexpr const wchar_t *SzidIllegalBarName = L"Illegal character in the %s commandbar name.";
inline constexpr const wchar_t *SzidCantUnregisterControls = L"Can't unregister add-in controls.";
inline constexpr const wchar_t *SzidRegistrationCanceled = L"The registration process has been canceled.";
inline constexpr const wchar_t *SzidMapPointControl = L"Cannot add a control to MS MapPoint.";
// Used with zidErrWrongContainer and zidErrWrongEventsOwner alike.
inline constexpr const wchar_t *SzidWrongContainer = L"The %s class cannot be contained in the %s class.";
inline constexpr const wchar_t *SzidAdvancedControlBarType =
    L"The command bar containing a TzidCommandBarAdvancedControl cannot\r\nbe zidMsoBarPopup and "
    L"zidMsoBarMenuBar.";
inline constexpr const wchar_t *SzidAdvancedControlProtection =
    L"The command bar containing a TzidCommandBarAdvancedControl should\r\nhave the zidMsoBarNoChangeDock "
    L"protection type.";
inline constexpr const wchar_t *SzidAdvancedControlInPopup =
    L"The TzidCommandBarAdvancedControl cannot be placed into the TzidCommandBarPopup control.";
inline constexpr const wchar_t *SzidAdvancedControlBuiltInBar =
    L"The TzidCommandBarAdvancedControl cannot be placed into the built-in commandbar.";
inline constexpr const wchar_t *SzidSingleInstance = L"There can be only one instance of %s in the %s!";
inline constexpr const wchar_t *SzidTooManyItems = L"There cannot be more than %d items in this control!";

// Raises the framework error code with message (already formatted).
[[noreturn]] inline void RaiseZidError(TzidErrorCode Code, const std::wstring &Message) {
    throw classlib::EOleSysError(Message, static_cast<HRESULT>(Code), 0);
}

} // namespace framework
