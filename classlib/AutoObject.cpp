#include "classlib/AutoObject.h"

#include "classlib/ComObjectFactory.h"

namespace classlib {

TAutoObjectFactory &TAutoObject::AutoFactory() const {
    auto *factory = dynamic_cast<TAutoObjectFactory *>(Factory());
    if (factory == nullptr)
        throw EOleSysError(L"The automation object was not created by an automation factory", E_UNEXPECTED);
    return *factory;
}

HRESULT TAutoObject::DoGetTypeInfoCount(UINT *count) noexcept {
    if (count == nullptr)
        return E_POINTER;
    *count = 1;
    return S_OK;
}

HRESULT TAutoObject::DoGetTypeInfo(UINT index, LCID, ITypeInfo **info) noexcept {
    if (info == nullptr)
        return E_POINTER;
    *info = nullptr;
    if (index != 0)
        return DISP_E_BADINDEX;
    return ComGuard({L"Automation", L"GetTypeInfo"}, [&] {
        *info = AutoFactory().DispTypeInfo();
        (*info)->AddRef();
    });
}

HRESULT TAutoObject::DoGetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID, DISPID *ids) noexcept {
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (names == nullptr || ids == nullptr)
        return E_POINTER;
    return ComGuard({L"Automation", L"GetIDsOfNames"},
                    [&] { return AutoFactory().DispIntfTypeInfo()->GetIDsOfNames(names, count, ids); });
}

HRESULT TAutoObject::DoInvoke(void *instance, DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS *params,
                              VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) noexcept {
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    return ComGuard({L"Automation", L"Invoke"}, [&] {
        ITypeInfo *info = AutoFactory().DispIntfTypeInfo();
        // ITypeInfo::Invoke copies the thread's error info into EXCEPINFO: none may be left over.
        SetErrorInfo(0, nullptr);
        return info->Invoke(instance, id, flags, params, result, excepInfo, argErr);
    });
}

} // namespace classlib
