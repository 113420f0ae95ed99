// The class library's exception hierarchy: every failure inside the framework is one of these.
#pragma once
#include <windows.h>

#include <string>

namespace classlib {

// Base of every exception the library raises; carries a message (UTF-16).
class Exception {
public:
    explicit Exception(std::wstring message) : message_(std::move(message)) {}
    virtual ~Exception() = default;
    const std::wstring &Message() const { return message_; }
    void SetMessage(std::wstring message) { message_ = std::move(message); }
    // Class name of the most derived exception, for error reports.
    virtual const wchar_t *ClassName() const { return L"Exception"; }

private:
    std::wstring message_;
};

#define CLASSLIB_EXCEPTION(Name, Base)                                                                     \
    class Name : public Base {                                                                             \
    public:                                                                                                \
        using Base::Base;                                                                                  \
        const wchar_t *ClassName() const override { return L## #Name; }                                    \
    }

CLASSLIB_EXCEPTION(EListError, Exception);     // index out of range, duplicates
CLASSLIB_EXCEPTION(EConvertError, Exception);  // a value that cannot be converted
CLASSLIB_EXCEPTION(EAbstractError, Exception); // an abstract operation called
CLASSLIB_EXCEPTION(EReadError, Exception);     // a malformed or inconsistent form stream
CLASSLIB_EXCEPTION(EInvalidOperation, Exception);
CLASSLIB_EXCEPTION(EResNotFound, Exception);
CLASSLIB_EXCEPTION(ERegistryException, Exception);
CLASSLIB_EXCEPTION(EOleError, Exception);

// A COM failure: the HRESULT travels with the message to the COM boundary.
class EOleSysError : public EOleError {
public:
    EOleSysError(std::wstring message, HRESULT errorCode, int helpContext = 0)
        : EOleError(std::move(message)), errorCode_(errorCode), helpContext_(helpContext) {}
    HRESULT ErrorCode() const { return errorCode_; }
    int HelpContext() const { return helpContext_; }
    const wchar_t *ClassName() const override { return L"EOleSysError"; }

private:
    HRESULT errorCode_;
    int helpContext_;
};

// Raised for a failed HRESULT by OleCheck; the message is the system's text for the code.
class EOleException : public EOleSysError {
public:
    using EOleSysError::EOleSysError;
    const wchar_t *ClassName() const override { return L"EOleException"; }
};

// The system's message text for an HRESULT ("Unspecified error" ...), or its hex value.
std::wstring SysErrorMessage(HRESULT hr);

// Throws EOleSysError when hr is a failure; returns hr otherwise.
HRESULT OleCheck(HRESULT hr);

// Raises EListError "List index out of bounds (%d)".
[[noreturn]] void ListIndexError(int index);

} // namespace classlib
