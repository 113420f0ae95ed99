#include "classlib/ComObjectFactory.h"

#include "classlib/ComGuard.h"
#include "classlib/ComServer.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "classlib/Trace.h"
#include "classlib/TypeAttrs.h"

namespace classlib {

// ---- TComObjectFactory

TComObjectFactory::TComObjectFactory(TComServer &server, TComClass comClass, const CLSID &classID,
                                     std::wstring className, std::wstring description,
                                     TClassInstancing instancing, TThreadingModel threadingModel)
    : server_(server), comClass_(std::move(comClass)), classID_(classID), className_(std::move(className)),
      description_(std::move(description)), instancing_(instancing), threadingModel_(threadingModel) {
    server_.AddFactory(this);
}

TComObjectFactory::~TComObjectFactory() {
    server_.RemoveFactory(this);
}

HRESULT TComObjectFactory::CreateInstance(IUnknown *outer, REFIID riid, void **ppv) {
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    if (outer != nullptr)
        return CLASS_E_NOAGGREGATION;
    return ComGuard(
        {L"ComServer", L"CreateInstance"}, [&] { return CreateComInstance()->QueryInterface(riid, ppv); },
        ErrorSource());
}

HRESULT TComObjectFactory::LockServer(BOOL lock) {
    server_.CountLock(lock != FALSE);
    return S_OK;
}

TComObject *TComObjectFactory::CreateComObject() {
    if (!comClass_)
        throw EOleSysError(Format(L"Class %s cannot be created", {className_}), E_NOTIMPL);
    return comClass_();
}

ComPtr<IUnknown> TComObjectFactory::CreateComInstance() {
    TComObject *object = CreateComObject();
    if (object == nullptr) // an overridden CreateComObject that made nothing
        throw EOleSysError(Format(L"Class %s created no object", {className_}), E_UNEXPECTED);
    object->factory_ = this;
    ComPtr<IUnknown> result;
    result.Attach(object->GetUnknown()); // adopts the creator's reference: a throwing Initialize frees it
    object->Initialize();
    return result;
}

const wchar_t *TComObjectFactory::ThreadingModelName() const noexcept {
    switch (threadingModel_) {
    case tmSingle:
        return L"";
    case tmApartment:
        return L"Apartment";
    case tmFree:
        return L"Free";
    case tmBoth:
        return L"Both";
    case tmNeutral:
        return L"Neutral";
    }
    return L"";
}

const std::wstring &TComObjectFactory::ProgID() {
    if (progID_.empty())
        progID_ = server_.ServerName() + L"." + className_;
    return progID_;
}

const wchar_t *TComObjectFactory::ErrorSource() noexcept {
    try {
        return ProgID().c_str();
    } catch (...) {
        // Without a type library there is no server name: errors then go out without a source.
        TraceException(L"ComServer", L"ProgID of the error source");
        return nullptr;
    }
}

void TComObjectFactory::UpdateRegistry(bool Register) {
    RegisterClassKeys(TClassesRoot(), Register);
}

void TComObjectFactory::RegisterClassKeys(const TClassesRoot &root, bool Register) {
    if (instancing_ == ciInternal)
        return;
    const std::wstring clsidKey = L"CLSID\\" + GUIDToString(classID_);
    const std::wstring &progID = ProgID();
    if (!Register) {
        root.DeleteKey(clsidKey);
        root.DeleteKey(progID);
        return;
    }
    root.WriteString(clsidKey, L"", description_);
    root.WriteString(clsidKey + L"\\InprocServer32", L"", server_.ServerFileName());
    if (threadingModel_ != tmSingle) // the single-threaded model is the absence of the value
        root.WriteString(clsidKey + L"\\InprocServer32", L"ThreadingModel", ThreadingModelName());
    root.WriteString(clsidKey + L"\\ProgID", L"", progID);
    root.WriteString(progID, L"", description_);
    root.WriteString(progID + L"\\CLSID", L"", GUIDToString(classID_));
}

// ---- TTypedComObjectFactory

// At process exit oleaut32 may already be gone: the system reclaims what is still cached.
TTypedComObjectFactory::~TTypedComObjectFactory() {
    (void)classInfo_.Detach();
}

ITypeInfo *TTypedComObjectFactory::ClassInfo() {
    if (!classInfo_) {
        HRESULT hr = ComServer().TypeLib()->GetTypeInfoOfGuid(ClassID(), classInfo_.Put());
        if (FAILED(hr))
            throw EOleSysError(
                Format(L"%s: class %s is not in the type library", {SysErrorMessage(hr), ClassName()}), hr);
    }
    return classInfo_.Get();
}

void TTypedComObjectFactory::ReleaseTypeInfo() noexcept {
    classInfo_.Reset();
}

void TTypedComObjectFactory::RegisterClassKeys(const TClassesRoot &root, bool Register) {
    TComObjectFactory::RegisterClassKeys(root, Register);
    if (!Register || Instancing() == ciInternal)
        return;
    const std::wstring clsidKey = L"CLSID\\" + GUIDToString(ClassID());
    const TLIBATTR lib = *TLibAttrHolder(ComServer().TypeLib());
    root.WriteString(
        clsidKey + L"\\Version", L"",
        Format(L"%d.%d", {static_cast<int>(lib.wMajorVerNum), static_cast<int>(lib.wMinorVerNum)}));
    root.WriteString(clsidKey + L"\\TypeLib", L"", GUIDToString(lib.guid));
}

// ---- TAutoObjectFactory

TAutoObjectFactory::~TAutoObjectFactory() {
    (void)dispTypeInfo_.Detach();
    (void)dispIntfTypeInfo_.Detach();
}

void TAutoObjectFactory::LoadDispatchInfo() {
    ITypeInfo *classInfo = ClassInfo();
    const TYPEATTR classAttr = *TTypeAttrHolder(classInfo);
    ComPtr<ITypeInfo> found;
    for (UINT i = 0; i < classAttr.cImplTypes && !found; ++i) {
        INT flags = 0;
        OleCheck(classInfo->GetImplTypeFlags(i, &flags));
        if ((flags & IMPLTYPEFLAG_FDEFAULT) && !(flags & IMPLTYPEFLAG_FSOURCE)) {
            HREFTYPE ref = 0;
            OleCheck(classInfo->GetRefTypeOfImplType(i, &ref));
            OleCheck(classInfo->GetRefTypeInfo(ref, found.Put()));
        }
    }
    if (!found)
        throw EOleSysError(Format(L"Class %s has no default interface", {ClassName()}),
                           TYPE_E_ELEMENTNOTFOUND);
    const TYPEATTR attr = *TTypeAttrHolder(found.Get());
    ComPtr<ITypeInfo> vtable = found;
    if (attr.typekind == TKIND_DISPATCH) {
        // A dual interface's vtable half sits behind the dispatch description as impl type -1.
        HREFTYPE ref = 0;
        if (!(attr.wTypeFlags & TYPEFLAG_FDUAL) ||
            FAILED(found->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
            FAILED(found->GetRefTypeInfo(ref, vtable.Put())))
            throw EOleSysError(Format(L"The default interface of class %s is not dual", {ClassName()}),
                               TYPE_E_ELEMENTNOTFOUND);
    }
    dispIntfIID_ = attr.guid;
    dispTypeInfo_ = std::move(found);
    dispIntfTypeInfo_ = std::move(vtable);
}

ITypeInfo *TAutoObjectFactory::DispTypeInfo() {
    if (!dispTypeInfo_)
        LoadDispatchInfo();
    return dispTypeInfo_.Get();
}

ITypeInfo *TAutoObjectFactory::DispIntfTypeInfo() {
    if (!dispIntfTypeInfo_)
        LoadDispatchInfo();
    return dispIntfTypeInfo_.Get();
}

const IID &TAutoObjectFactory::DispIntfIID() {
    DispIntfTypeInfo();
    return dispIntfIID_;
}

void TAutoObjectFactory::ReleaseTypeInfo() noexcept {
    dispTypeInfo_.Reset();
    dispIntfTypeInfo_.Reset();
    TTypedComObjectFactory::ReleaseTypeInfo();
}

} // namespace classlib
