// Simulated objects of the hosts' object models: IDispatch over a dispinterface of office.tlb.
//
// Names resolve through the dispinterface's type information (GetIDsOfNames), so the dispatch ids
// are the library's; Invoke finds the member by id and invocation kind in a table the object fills
// in its constructor: OnGet / OnPut / OnPutRef / OnMethod name a member of the dispinterface, whose
// declared parameters (count, optional ones, types) then govern the call the way a type-library
// server's do:
//  - an unknown id, or a kind the member does not have, answers DISP_E_MEMBERNOTFOUND;
//  - more arguments than declared, or fewer than the required ones, DISP_E_BADPARAMCOUNT;
//  - named arguments other than a put's value, DISP_E_NONAMEDARGS;
//  - an argument that cannot be coerced to its declared type, DISP_E_TYPEMISMATCH with puArgErr
//    its index in rgvarg;
//  - an injected failure of a DISP_E_ code is answered as it is; any other injected failure, and
//    any error a handler raises, as DISP_E_EXCEPTION with the code in EXCEPINFO.scode (what a
//    host's object model does when a member fails);
//  - a discarded object answers RPC_E_DISCONNECTED.
// Members the library does not declare (hosts whose ids are unpublished) are added with OnExtra
// under an id of the object's own; GetIDsOfNames finds them after the library's names. An object
// the library does not describe at all is made with IID_NULL: it has only such members and offers
// no type information.
// The result is coerced to the member's declared type when that is a simple one (BSTR, long, ...).
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/OleVariant.h"
#include "hostsim/SimConnectionPoints.h"
#include "hostsim/SimObject.h"

namespace hostsim {

// The arguments of one call, in declaration order, already checked against the declared types.
class DispArgs {
public:
    size_t Count() const noexcept { return values_.size(); }
    // Given by the caller and not Missing.
    bool Has(size_t i) const noexcept { return i < given_.size() && given_[i]; }
    // The value coerced to the declared type (a by-reference VARIANT argument: the referenced
    // value); Empty when not given.
    const classlib::OleVariant &Value(size_t i) const;
    int Int(size_t i) const { return Value(i).ToInt(); }
    bool Bool(size_t i) const { return Value(i).ToBool(); }
    std::wstring String(size_t i) const { return Value(i).ToString(); }
    classlib::ComPtr<IDispatch> Dispatch(size_t i) const { return Value(i).ToDispatch(); }
    // A by-reference argument: for a VARIANT* the caller's VARIANT, for others (VT_BYREF|VT_BOOL ...)
    // the argument itself, whose pointer leads to the caller's storage. Null for one passed by value.
    VARIANT *Ref(size_t i) const noexcept { return i < refs_.size() ? refs_[i] : nullptr; }

private:
    friend class SimDispatchTable;
    std::vector<classlib::OleVariant> values_;
    std::vector<bool> given_;
    std::vector<VARIANT *> refs_;
};

using DispHandler = std::function<classlib::OleVariant(DispArgs &)>;

// The member table and the IDispatch bodies of one object.
class SimDispatchTable {
public:
    explicit SimDispatchTable(REFIID diid); // IID_NULL: no description in the library

    const IID &Iid() const noexcept { return iid_; }
    ITypeInfo *TypeInfo() const noexcept { return info_.Get(); } // null without a description

    // kind: DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF or DISPATCH_METHOD.
    // Raises EOleSysError (TYPE_E_ELEMENTNOTFOUND) when the dispinterface has no such member.
    void Add(const std::wstring &name, WORD kind, DispHandler handler);
    // A member unknown to the library: params are the declared types (VT_VARIANT takes anything),
    // the first `required` of them must be given.
    void AddExtra(DISPID id, const std::wstring &name, WORD kind, std::vector<VARTYPE> params,
                  size_t required, DispHandler handler);

    HRESULT GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, DISPID *ids) noexcept;
    HRESULT Invoke(SimObject &self, DISPID id, REFIID riid, WORD flags, DISPPARAMS *params, VARIANT *result,
                   EXCEPINFO *excepInfo, UINT *argErr) noexcept;

private:
    struct Member {
        DISPID id;
        WORD kind;
        std::wstring name;
        std::vector<VARTYPE> params; // for puts the value is the last one
        size_t required;
        VARTYPE result;
        DispHandler handler;
    };
    const Member *Find(DISPID id, WORD flags, bool *idKnown) const noexcept;
    HRESULT CheckArgs(const Member &member, WORD flags, DISPPARAMS *params, DispArgs &args,
                      UINT *argErr) const;

    IID iid_;
    classlib::ComPtr<ITypeInfo> info_;
    std::vector<Member> members_;
};

// A simulated object answering one dispinterface (and the further interfaces IExtra...). Its
// QueryInterface also answers the dispinterface's id with its IDispatch, as the hosts' objects do,
// unless it only borrows the description (an Outlook contact dispatches like a mail item but is
// none).
template <class... IExtra> class SimDispObject : public SimUnknown<IDispatch, IExtra...> {
public:
    const IID &DispIID() const noexcept { return table_.Iid(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (ppv != nullptr && claimsIid_ && !IsEqualIID(riid, IID_NULL) && IsEqualIID(riid, table_.Iid())) {
            *ppv = static_cast<IDispatch *>(this);
            this->SimAddRef();
            return S_OK;
        }
        return SimUnknown<IDispatch, IExtra...>::QueryInterface(riid, ppv);
    }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
        if (count == nullptr)
            return E_POINTER;
        *count = table_.TypeInfo() ? 1 : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo **info) override {
        if (info == nullptr)
            return E_POINTER;
        *info = nullptr;
        if (index != 0 || table_.TypeInfo() == nullptr)
            return DISP_E_BADINDEX;
        *info = table_.TypeInfo();
        (*info)->AddRef();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override {
        return table_.GetIDsOfNames(riid, names, count, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) override {
        return table_.Invoke(*this, id, riid, flags, params, result, excepInfo, argErr);
    }

protected:
    SimDispObject(SimWorld &world, std::wstring name, REFIID diid, bool claimsIid = true)
        : SimUnknown<IDispatch, IExtra...>(world, std::move(name)), table_(diid), claimsIid_(claimsIid) {}

    void OnGet(const std::wstring &name, std::function<classlib::OleVariant()> get) {
        table_.Add(name, DISPATCH_PROPERTYGET, [get = std::move(get)](DispArgs &) { return get(); });
    }
    void OnPut(const std::wstring &name, std::function<void(const classlib::OleVariant &)> put) {
        table_.Add(name, DISPATCH_PROPERTYPUT, [put = std::move(put)](DispArgs &args) {
            put(args.Value(args.Count() - 1));
            return classlib::OleVariant();
        });
    }
    void OnPutRef(const std::wstring &name, std::function<void(const classlib::OleVariant &)> put) {
        table_.Add(name, DISPATCH_PROPERTYPUTREF, [put = std::move(put)](DispArgs &args) {
            put(args.Value(args.Count() - 1));
            return classlib::OleVariant();
        });
    }
    void OnMethod(const std::wstring &name, DispHandler method) {
        table_.Add(name, DISPATCH_METHOD, std::move(method));
    }
    void OnExtra(DISPID id, const std::wstring &name, WORD kind, std::vector<VARTYPE> params, size_t required,
                 DispHandler handler) {
        table_.AddExtra(id, name, kind, std::move(params), required, std::move(handler));
    }

private:
    SimDispatchTable table_;
    bool claimsIid_;
};

// The position of an Item(Index) argument in a collection of count entries: Index is 1-based;
// raises E_INVALIDARG ("Array index out of bounds.") when it is outside 1..count.
size_t CollectionIndex(const classlib::OleVariant &index, size_t count);
// An object as the VARIANT a dispatch member returns: its IDispatch, or Nothing for null.
classlib::OleVariant DispatchOf(SimObject *object);

} // namespace hostsim
