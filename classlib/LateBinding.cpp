#include "classlib/LateBinding.h"

#include "classlib/Format.h"
#include "classlib/OleString.h"

namespace classlib {

namespace {

// Frees the EXCEPINFO strings whatever happens to the call.
struct ExcepInfoHolder {
    EXCEPINFO info{};
    ~ExcepInfoHolder() {
        SysFreeString(info.bstrSource);
        SysFreeString(info.bstrDescription);
        SysFreeString(info.bstrHelpFile);
    }
};

[[noreturn]] void RaiseInvokeError(HRESULT hr, EXCEPINFO &info, const std::wstring &member) {
    if (hr == DISP_E_EXCEPTION) {
        if (info.pfnDeferredFillIn)
            info.pfnDeferredFillIn(&info);
        HRESULT code = info.scode != 0 ? info.scode : hr;
        std::wstring message = BStrToString(info.bstrDescription);
        if (message.empty())
            message = SysErrorMessage(code);
        throw EOleSysError(message, code, static_cast<int>(info.dwHelpContext));
    }
    throw EOleSysError(Format(L"%s (%s)", {SysErrorMessage(hr), member}), hr);
}

std::wstring MemberName(DISPID id) {
    return Format(L"dispatch id %d", {static_cast<int>(id)});
}

// One IDispatch::Invoke with args in the caller's order; value is the property-put value, if any.
OleVariant InvokeMember(IDispatch *disp, DISPID id, WORD flags, const OleArgs &args, const OleVariant *value,
                        const std::wstring &member) {
    if (disp == nullptr)
        throw EOleSysError(Format(L"%s (%s)", {SysErrorMessage(E_POINTER), member}), E_POINTER);
    // Shallow copies: the callee only reads in-arguments, and args own them until we return.
    std::vector<VARIANTARG> rgvarg;
    rgvarg.reserve(args.size() + 1);
    if (value)
        rgvarg.push_back(value->Var());
    for (auto it = args.rbegin(); it != args.rend(); ++it)
        rgvarg.push_back(it->Var());
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params{rgvarg.data(), value ? &putId : nullptr, static_cast<UINT>(rgvarg.size()),
                      value ? 1u : 0u};
    OleVariant result;
    ExcepInfoHolder excep;
    UINT argErr = 0;
    HRESULT hr = disp->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                              value ? nullptr : result.Put(), &excep.info, &argErr);
    if (FAILED(hr))
        RaiseInvokeError(hr, excep.info, member);
    return result;
}

} // namespace

DISPID DispIdOf(IDispatch *disp, const std::wstring &name) {
    if (disp == nullptr)
        throw EOleSysError(Format(L"%s (%s)", {SysErrorMessage(E_POINTER), name}), E_POINTER);
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    HRESULT hr = disp->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        throw EOleSysError(Format(L"%s (%s)", {SysErrorMessage(hr), name}), hr);
    return id;
}

OleVariant DispGet(IDispatch *disp, const std::wstring &name, const OleArgs &args) {
    return InvokeMember(disp, DispIdOf(disp, name), DISPATCH_PROPERTYGET, args, nullptr, name);
}

OleVariant DispGet(IDispatch *disp, DISPID id, const OleArgs &args) {
    return InvokeMember(disp, id, DISPATCH_PROPERTYGET, args, nullptr, MemberName(id));
}

void DispPut(IDispatch *disp, const std::wstring &name, const OleVariant &value, bool byRef) {
    InvokeMember(disp, DispIdOf(disp, name), byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, {},
                 &value, name);
}

void DispPut(IDispatch *disp, DISPID id, const OleVariant &value, bool byRef) {
    InvokeMember(disp, id, byRef ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT, {}, &value,
                 MemberName(id));
}

OleVariant DispCall(IDispatch *disp, const std::wstring &name, const OleArgs &args) {
    return InvokeMember(disp, DispIdOf(disp, name), DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, nullptr,
                        name);
}

OleVariant DispCall(IDispatch *disp, DISPID id, const OleArgs &args) {
    return InvokeMember(disp, id, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, nullptr, MemberName(id));
}

} // namespace classlib
