// Automation objects: IDispatch answered from the server's type library through the object's
// dual interface.
//
// A class plugs its dual interface (the widl-generated C++ interface) in by deriving from
// TAutoObjectImpl, naming the dual interface first and any further interfaces after it:
//   class TMyObject : public TAutoObjectImpl<IMyObject, IOtherInterface> {
//       STDMETHODIMP get_Name(BSTR *value) override {
//           return Guard({L"MyObject", L"get_Name"}, [&] { *value = AllocBStr(name_); });
//       }
//   };
// QueryInterface (from TImplementsOn) then answers IUnknown, IDispatch, the dual interface,
// ISupportErrorInfo and every further interface; ExtraInterface answers anything else. Every method
// body runs inside Guard, which turns any exception into an HRESULT with IErrorInfo (the ProgID as
// source); a client calling through IDispatch sees it as DISP_E_EXCEPTION with the message in EXCEPINFO.
// GetIDsOfNames and Invoke can be overridden to answer names of the class's own; call
// Inherited::GetIDsOfNames / Inherited::Invoke for the type library's members. IDispatch calls
// through a further interface that derives from IDispatch answer from the same (default) interface.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <type_traits>
#include <utility>

#include "classlib/ComGuard.h"
#include "classlib/ComObject.h"

namespace classlib {

class TAutoObjectFactory;

class TAutoObject : public TComObject {
public:
    // The factory as an automation factory; raises EOleSysError when the object has none.
    TAutoObjectFactory &AutoFactory() const;

    // The guard idiom for every COM method of a derived class: Entry names the method on the trace,
    // and a failure is published as IErrorInfo under the class's ProgID.
    template <class Body> HRESULT Guard(const TComEntry &Entry, Body &&body) noexcept {
        return ComGuard(Entry, std::forward<Body>(body), ErrorSource());
    }
    // The same for a method that names no entry (its failure is traced under the ProgID).
    template <class Body> HRESULT Guard(Body &&body) noexcept {
        return ComGuard(std::forward<Body>(body), ErrorSource());
    }

protected:
    TAutoObject() noexcept = default;

    // The IDispatch bodies; instance is the dual-interface pointer ITypeInfo::Invoke calls through.
    HRESULT DoGetTypeInfoCount(UINT *count) noexcept;
    HRESULT DoGetTypeInfo(UINT index, LCID lcid, ITypeInfo **info) noexcept;
    HRESULT DoGetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) noexcept;
    HRESULT DoInvoke(void *instance, DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) noexcept;
};

template <class IDual, class... IExtra>
class TAutoObjectImpl : public TImplementsOn<TAutoObject, IDual, ISupportErrorInfo, IExtra...> {
    static_assert(std::is_base_of_v<IDispatch, IDual>, "an automation object's first interface is dual");

public:
    using Inherited = TAutoObjectImpl;

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
        return this->DoGetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo **info) override {
        return this->DoGetTypeInfo(index, lcid, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid,
                                            DISPID *ids) override {
        return this->DoGetIDsOfNames(riid, names, count, lcid, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) override {
        return this->DoInvoke(static_cast<IDual *>(this), id, riid, lcid, flags, params, result, excepInfo,
                              argErr);
    }

    // ISupportErrorInfo: every interface of the object reports errors through Guard.
    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override {
        bool ours = IsEqualIID(riid, __uuidof(IDual)) || (IsEqualIID(riid, __uuidof(IExtra)) || ...);
        return ours ? S_OK : S_FALSE;
    }
};

} // namespace classlib
