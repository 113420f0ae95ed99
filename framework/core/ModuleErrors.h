// The framework's own errors: the class library's COM error with an English message, one of the
// codes below and help context 0. The messages with "%s" or "%d" are Format patterns.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/Exceptions.h"

namespace framework {

constexpr HRESULT zidErrEmptyProperty = 31101;
constexpr HRESULT zidErrIllegalBarName = 31102;
constexpr HRESULT zidErrCantUnregisterControls = 31103;
constexpr HRESULT zidErrRegistrationCanceled = 31105;
constexpr HRESULT zidErrMapPointControl = 31110;
constexpr HRESULT zidErrWrongContainer = 31112;
constexpr HRESULT zidErrWrongEventsOwner = 31113;
constexpr HRESULT zidErrAdvancedControlBarType = 31114;
constexpr HRESULT zidErrAdvancedControlProtection = 31115;
constexpr HRESULT zidErrAdvancedControlInPopup = 31116;
constexpr HRESULT zidErrAdvancedControlBuiltInBar = 31118;
constexpr HRESULT zidErrSingleInstance = 31119;
constexpr HRESULT zidErrTooManyItems = 31120;

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
[[noreturn]] inline void RaiseZidError(HRESULT code, const std::wstring &message) {
    throw classlib::EOleSysError(message, code, 0);
}

} // namespace framework
