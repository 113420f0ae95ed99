#include "classlib/ComGuard.h"

#include "classlib/Exceptions.h"
#include "classlib/Trace.h"

#include <oleauto.h>

#include <exception>
#include <new>

namespace classlib {

HRESULT AsFailure(HRESULT code) noexcept {
    if (FAILED(code))
        return code;
    if (code == S_OK || code == S_FALSE)
        return E_FAIL;
    return MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, HRESULT_CODE(code));
}

namespace {

void PublishErrorInfo(const wchar_t *source, const std::wstring &message) noexcept {
    ICreateErrorInfo *create = nullptr;
    if (FAILED(CreateErrorInfo(&create)))
        return;
    create->SetSource(const_cast<LPOLESTR>(source));
    create->SetDescription(const_cast<LPOLESTR>(message.c_str()));
    IErrorInfo *info = nullptr;
    if (SUCCEEDED(create->QueryInterface(IID_IErrorInfo, reinterpret_cast<void **>(&info)))) {
        SetErrorInfo(0, info);
        info->Release();
    }
    create->Release();
}

} // namespace

std::wstring CurrentExceptionMessage() noexcept {
    try {
        throw;
    } catch (const Exception &e) {
        return e.Message();
    } catch (const std::exception &e) {
        std::wstring text;
        for (const char *p = e.what(); *p; ++p)
            text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
        return text;
    } catch (...) {
        return {};
    }
}

HRESULT HResultFromCurrentException(const wchar_t *source) noexcept {
    return HResultFromCurrentException(
        {L"COM", source != nullptr ? source : L"A COM entry point answers a failure"}, source);
}

HRESULT HResultFromCurrentException(const TComEntry &entry, const wchar_t *source) noexcept {
    // A host seldom shows what an add-in answers: the failure is traced on its way out.
    TraceException(entry.Channel, entry.Name);
    HRESULT hr = E_UNEXPECTED;
    try {
        throw;
    } catch (const EOleSysError &e) {
        hr = AsFailure(e.ErrorCode());
    } catch (const std::bad_alloc &) {
        hr = E_OUTOFMEMORY;
    } catch (...) {
        hr = E_UNEXPECTED;
    }
    if (source != nullptr)
        PublishErrorInfo(source, CurrentExceptionMessage());
    return hr;
}

} // namespace classlib
