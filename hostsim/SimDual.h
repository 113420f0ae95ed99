// Simulated objects with a dual interface (the command-bar family and the other small Office
// interfaces): the C++ class implements the widl vtable of IDual, and IDispatch comes from the
// interface's description in office.tlb through ITypeInfo::Invoke, as in a type-library server.
// Each vtable method should run its body through Call(member, args, body), so that it is recorded
// and can be made to fail; a failure code it returns reaches a dispatch caller as DISP_E_EXCEPTION
// with the code in EXCEPINFO.scode.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include "hostsim/SimConnectionPoints.h"
#include "hostsim/SimObject.h"
#include "hostsim/SimTypeLib.h"

namespace hostsim {

template <class IDual, class... IExtra> class SimDualObject : public SimUnknown<IDual, IExtra...> {
public:
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
        if (count == nullptr)
            return E_POINTER;
        *count = 1;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo **info) override {
        if (info == nullptr)
            return E_POINTER;
        *info = nullptr;
        if (index != 0)
            return DISP_E_BADINDEX;
        return classlib::ComGuard([&] { OfficeTypeInfo(__uuidof(IDual)).CopyTo(info); });
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override {
        if (!IsEqualIID(riid, IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        if (names == nullptr || ids == nullptr)
            return E_POINTER;
        return classlib::ComGuard(
            [&] { return OfficeTypeInfo(__uuidof(IDual))->GetIDsOfNames(names, count, ids); });
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) override {
        if (!IsEqualIID(riid, IID_NULL))
            return DISP_E_UNKNOWNINTERFACE;
        return classlib::ComGuard([&] {
            classlib::ComPtr<ITypeInfo> vtable = OfficeVtableTypeInfo(__uuidof(IDual));
            // ITypeInfo::Invoke copies the thread's error info into EXCEPINFO: none may be left over.
            SetErrorInfo(0, nullptr);
            return vtable->Invoke(static_cast<IDual *>(this), id, flags, params, result, excepInfo, argErr);
        });
    }

protected:
    SimDualObject(SimWorld &world, std::wstring name)
        : SimUnknown<IDual, IExtra...>(world, std::move(name)) {}
};

} // namespace hostsim
