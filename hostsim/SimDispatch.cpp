#include "hostsim/SimDispatch.h"

#include "classlib/ComGuard.h"
#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "hostsim/SimTypeLib.h"

namespace hostsim {

using classlib::ComPtr;
using classlib::OleVariant;

namespace {

// The type a dispatch caller has to pass for a declared parameter or result: VT_VARIANT takes
// anything (VARIANT, VARIANT* and by-reference parameters), interfaces are VT_DISPATCH or
// VT_UNKNOWN, enumerations VT_I4.
VARTYPE DeclaredType(ITypeInfo *info, const TYPEDESC &desc) {
    switch (desc.vt) {
    case VT_PTR: {
        const TYPEDESC &target = *desc.lptdesc;
        if (target.vt == VT_USERDEFINED || target.vt == VT_DISPATCH || target.vt == VT_UNKNOWN)
            return DeclaredType(info, target);
        return VT_VARIANT;
    }
    case VT_USERDEFINED: {
        ComPtr<ITypeInfo> ref;
        TYPEATTR *attr = nullptr;
        if (FAILED(info->GetRefTypeInfo(desc.hreftype, ref.Put())) || FAILED(ref->GetTypeAttr(&attr)))
            return VT_VARIANT;
        VARTYPE vt = VT_VARIANT;
        if (attr->typekind == TKIND_ENUM)
            vt = VT_I4;
        else if (attr->typekind == TKIND_DISPATCH || (attr->wTypeFlags & TYPEFLAG_FDUAL))
            vt = VT_DISPATCH;
        else if (attr->typekind == TKIND_INTERFACE)
            vt = VT_UNKNOWN;
        else if (attr->typekind == TKIND_ALIAS)
            vt = DeclaredType(ref.Get(), attr->tdescAlias);
        ref->ReleaseTypeAttr(attr);
        return vt;
    }
    case VT_INT:
        return VT_I4;
    case VT_UINT:
        return VT_UI4;
    default:
        return desc.vt;
    }
}

bool IsMissing(const VARIANT &v) {
    return v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND;
}

bool IsSimple(VARTYPE vt) {
    switch (vt) {
    case VT_I2:
    case VT_I4:
    case VT_UI4:
    case VT_R8:
    case VT_BSTR:
    case VT_BOOL:
    case VT_DATE:
    case VT_CY:
        return true;
    default:
        return false;
    }
}

void FillException(EXCEPINFO *excepInfo, HRESULT scode, const std::wstring &source,
                   const std::wstring &message) {
    if (excepInfo == nullptr)
        return;
    *excepInfo = {};
    excepInfo->scode = scode;
    excepInfo->bstrSource = SysAllocString(source.c_str());
    excepInfo->bstrDescription =
        SysAllocString((message.empty() ? classlib::SysErrorMessage(scode) : message).c_str());
}

bool IsDispatchCode(HRESULT hr) {
    return HRESULT_FACILITY(hr) == FACILITY_DISPATCH;
}

} // namespace

const OleVariant &DispArgs::Value(size_t i) const {
    if (i >= values_.size())
        throw classlib::EOleSysError(L"Argument " + std::to_wstring(i) + L" is not declared",
                                     DISP_E_BADPARAMCOUNT);
    return values_[i];
}

SimDispatchTable::SimDispatchTable(REFIID diid)
    : iid_(diid), info_(IsEqualIID(diid, IID_NULL) ? ComPtr<ITypeInfo>() : OfficeTypeInfo(diid)) {}

void SimDispatchTable::Add(const std::wstring &name, WORD kind, DispHandler handler) {
    if (!info_)
        throw classlib::EOleSysError(L"An object without a description has no member " + name,
                                     TYPE_E_ELEMENTNOTFOUND);
    TYPEATTR *attr = nullptr;
    classlib::OleCheck(info_->GetTypeAttr(&attr));
    UINT count = attr->cFuncs;
    info_->ReleaseTypeAttr(attr);
    for (UINT i = 0; i < count; ++i) {
        FUNCDESC *desc = nullptr;
        classlib::OleCheck(info_->GetFuncDesc(i, &desc));
        BSTR found = nullptr;
        UINT names = 0;
        info_->GetNames(desc->memid, &found, 1, &names);
        classlib::TBStr owned;
        owned.Attach(found);
        if (desc->invkind == kind && _wcsicmp(owned.ToString().c_str(), name.c_str()) == 0) {
            Member member{desc->memid, kind, owned.ToString(), {}, 0, VT_VARIANT, std::move(handler)};
            bool optionalSeen = false;
            for (SHORT p = 0; p < desc->cParams; ++p) {
                const ELEMDESC &param = desc->lprgelemdescParam[p];
                member.params.push_back(DeclaredType(info_.Get(), param.tdesc));
                if (param.paramdesc.wParamFlags & PARAMFLAG_FOPT)
                    optionalSeen = true;
                if (!optionalSeen)
                    member.required = member.params.size();
            }
            member.result = DeclaredType(info_.Get(), desc->elemdescFunc.tdesc);
            info_->ReleaseFuncDesc(desc);
            members_.push_back(std::move(member));
            return;
        }
        info_->ReleaseFuncDesc(desc);
    }
    throw classlib::EOleSysError(OfficeTypeName(iid_) + L" has no member " + name + L" of kind " +
                                     std::to_wstring(kind),
                                 TYPE_E_ELEMENTNOTFOUND);
}

void SimDispatchTable::AddExtra(DISPID id, const std::wstring &name, WORD kind, std::vector<VARTYPE> params,
                                size_t required, DispHandler handler) {
    members_.push_back({id, kind, name, std::move(params), required, VT_VARIANT, std::move(handler)});
}

HRESULT SimDispatchTable::GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, DISPID *ids) noexcept {
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (names == nullptr || ids == nullptr)
        return E_POINTER;
    if (count == 0)
        return S_OK;
    if (info_) {
        HRESULT hr = info_->GetIDsOfNames(names, count, ids);
        if (hr != DISP_E_UNKNOWNNAME && hr != TYPE_E_ELEMENTNOTFOUND)
            return hr;
    }
    // Members of the object's own come after the library's names.
    for (const auto &member : members_) {
        if (names[0] == nullptr || _wcsicmp(member.name.c_str(), names[0]) != 0)
            continue;
        for (UINT i = 0; i < count; ++i)
            ids[i] = DISPID_UNKNOWN;
        ids[0] = member.id;
        return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

const SimDispatchTable::Member *SimDispatchTable::Find(DISPID id, WORD flags, bool *idKnown) const noexcept {
    *idKnown = false;
    const Member *match = nullptr;
    for (const auto &member : members_) {
        if (member.id != id)
            continue;
        *idKnown = true;
        if ((member.kind & flags) != 0 && (match == nullptr || member.kind == flags))
            match = &member;
    }
    return match;
}

HRESULT SimDispatchTable::CheckArgs(const Member &member, WORD flags, DISPPARAMS *params, DispArgs &args,
                                    UINT *argErr) const {
    bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    UINT total = params ? params->cArgs : 0;
    UINT named = params ? params->cNamedArgs : 0;
    if (put) {
        if (named != 1 || params->rgdispidNamedArgs == nullptr ||
            params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            return DISP_E_PARAMNOTOPTIONAL;
    } else if (named != 0) {
        return DISP_E_NONAMEDARGS;
    }
    size_t positional = total - named;
    size_t declared = member.params.size() - (put ? 1 : 0);
    if (positional > declared || positional < std::min(member.required, declared))
        return DISP_E_BADPARAMCOUNT;

    size_t count = member.params.size();
    args.values_.resize(count);
    args.given_.assign(count, false);
    args.refs_.assign(count, nullptr);
    for (size_t i = 0; i < count; ++i) {
        // Positional argument i sits at rgvarg[total - 1 - i]; a put's value is rgvarg[0].
        UINT slot;
        if (put && i == count - 1)
            slot = 0;
        else if (i < positional)
            slot = static_cast<UINT>(total - 1 - i);
        else
            continue;
        VARIANT *arg = &params->rgvarg[slot];
        if (arg->vt == (VT_BYREF | VT_VARIANT) && arg->pvarVal)
            arg = args.refs_[i] = arg->pvarVal;
        else if (arg->vt & VT_BYREF)
            args.refs_[i] = arg;
        if (IsMissing(*arg)) {
            if (i < member.required) {
                if (argErr)
                    *argErr = slot;
                return DISP_E_PARAMNOTOPTIONAL;
            }
            continue;
        }
        VARTYPE want = member.params[i];
        if (want == VT_VARIANT || (arg->vt & ~VT_BYREF) == want) {
            HRESULT hr = VariantCopyInd(args.values_[i].Put(), arg);
            if (FAILED(hr))
                return hr;
        } else if ((want == VT_DISPATCH || want == VT_UNKNOWN) &&
                   (arg->vt == VT_EMPTY || arg->vt == VT_NULL)) {
            args.values_[i] = OleVariant(static_cast<IDispatch *>(nullptr));
        } else {
            OleVariant source;
            HRESULT hr = VariantCopyInd(source.Put(), arg);
            if (SUCCEEDED(hr))
                hr = VariantChangeType(args.values_[i].Put(), source.Ptr(), 0, want);
            if (FAILED(hr)) {
                if (argErr)
                    *argErr = slot;
                return DISP_E_TYPEMISMATCH;
            }
        }
        args.given_[i] = true;
    }
    return S_OK;
}

HRESULT SimDispatchTable::Invoke(SimObject &self, DISPID id, REFIID riid, WORD flags, DISPPARAMS *params,
                                 VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) noexcept {
    if (!IsEqualIID(riid, IID_NULL))
        return DISP_E_UNKNOWNINTERFACE;
    if (result)
        VariantInit(result);
    bool idKnown = false;
    const Member *member = Find(id, flags, &idKnown);
    if (member == nullptr)
        return DISP_E_MEMBERNOTFOUND;

    // A member may make the host let go of the object (Close): it lives until the call returns.
    auto keepAlive = ComPtr<IUnknown>::Copy(self.Identity());
    try {
        DispArgs args;
        HRESULT hr = CheckArgs(*member, member->kind, params, args, argErr);
        if (FAILED(hr))
            return hr;
        hr = self.Enter(member->name, RenderArgs(params));
        if (hr == RPC_E_DISCONNECTED && !self.Connected())
            return hr;
        if (FAILED(hr)) {
            if (IsDispatchCode(hr))
                return hr;
            FillException(excepInfo, hr, self.Name(), {});
            return DISP_E_EXCEPTION;
        }
        OleVariant value = member->handler(args);
        if (result == nullptr || member->result == VT_VOID || member->result == VT_HRESULT)
            return S_OK;
        if (IsSimple(member->result) && value.Type() != member->result && value.Type() != VT_EMPTY) {
            OleVariant coerced;
            classlib::OleCheck(VariantChangeType(coerced.Put(), value.Ptr(), 0, member->result));
            value = std::move(coerced);
        }
        *result = value.Detach();
        return S_OK;
    } catch (...) {
        HRESULT code = classlib::HResultFromCurrentException();
        FillException(excepInfo, code, self.Name(), classlib::CurrentExceptionMessage());
        return DISP_E_EXCEPTION;
    }
}

size_t CollectionIndex(const OleVariant &index, size_t count) {
    int i = index.ToInt();
    if (i < 1 || static_cast<size_t>(i) > count)
        throw classlib::EOleSysError(L"Array index out of bounds.", E_INVALIDARG);
    return static_cast<size_t>(i - 1);
}

OleVariant DispatchOf(SimObject *object) {
    ComPtr<IDispatch> dispatch;
    if (object)
        object->Identity()->QueryInterface(IID_IDispatch, dispatch.PutVoid());
    return OleVariant(dispatch.Get());
}

} // namespace hostsim
