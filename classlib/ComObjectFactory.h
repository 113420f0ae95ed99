// Class factories: TComObjectFactory (CLSID, names, registration, IClassFactory),
// TTypedComObjectFactory (adds the coclass's type information) and TAutoObjectFactory (adds the
// default dispatch interface an automation object answers IDispatch from).
//
// Declare a factory as a static object in the unit that defines the class: it enters the server's
// factory list in its constructor and lives until the module unloads, e.g.
//   static TAutoObjectFactory factory(ComServer(), TComObjectFactory::ComClass<TMyObject>(),
//                                     CLSID_MyObject, L"MyObject", L"My object", ciMultiInstance);
#pragma once
#include <windows.h>

#include <oleauto.h>

#include <functional>
#include <string>

#include "classlib/ComImplements.h"
#include "classlib/ComObject.h"
#include "classlib/ComPtr.h"
#include "classlib/ComRegistration.h"

namespace classlib {

class TComServer;

// ciInternal classes are created only from inside the server and never registered.
enum TClassInstancing { ciInternal, ciSingleInstance, ciMultiInstance };
enum TThreadingModel { tmSingle, tmApartment, tmFree, tmBoth, tmNeutral };

class TComObjectFactory : public TImplementsOn<TModuleObjectRoot, IClassFactory> {
public:
    // Makes a new object holding one reference for the caller.
    using TComClass = std::function<TComObject *()>;
    template <class T> static TComClass ComClass() {
        return []() -> TComObject * { return new T(); };
    }

    TComObjectFactory(TComServer &server, TComClass comClass, const CLSID &classID, std::wstring className,
                      std::wstring description, TClassInstancing instancing,
                      TThreadingModel threadingModel = tmApartment);
    ~TComObjectFactory() override;
    TComObjectFactory(const TComObjectFactory &) = delete;
    TComObjectFactory &operator=(const TComObjectFactory &) = delete;

    // IClassFactory (IUnknown comes from the base: the factory is owned by the module, not by its
    // clients' references): aggregation is refused with CLASS_E_NOAGGREGATION.
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown *outer, REFIID riid, void **ppv) override;
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

    // Creates the object; override to construct a class that needs more than the ComClass.
    virtual TComObject *CreateComObject();
    // CreateComObject, then links the object to this factory and calls its Initialize.
    ComPtr<IUnknown> CreateComInstance();

    // Machine-wide registration of the class keys (or their removal).
    virtual void UpdateRegistry(bool Register);
    // Lets go of cached type information (the module is about to be unloaded).
    virtual void ReleaseTypeInfo() noexcept {}

    TComServer &ComServer() const noexcept { return server_; }
    const CLSID &ClassID() const noexcept { return classID_; }
    const std::wstring &ClassName() const noexcept { return className_; }
    const std::wstring &Description() const noexcept { return description_; }
    TClassInstancing Instancing() const noexcept { return instancing_; }
    TThreadingModel ThreadingModel() const noexcept { return threadingModel_; }
    const wchar_t *ThreadingModelName() const noexcept;
    // Type library name + "." + class name; raises EOleSysError when there is no type library.
    const std::wstring &ProgID();
    // The ProgID for error reports, null when it cannot be had.
    const wchar_t *ErrorSource() noexcept;

protected:
    // The registration writes under one root, shared by machine-wide and per-user registration.
    virtual void RegisterClassKeys(const TClassesRoot &root, bool Register);

private:
    TComServer &server_;
    TComClass comClass_;
    CLSID classID_;
    std::wstring className_;
    std::wstring description_;
    TClassInstancing instancing_;
    TThreadingModel threadingModel_;
    std::wstring progID_;
};

class TTypedComObjectFactory : public TComObjectFactory {
public:
    using TComObjectFactory::TComObjectFactory;
    ~TTypedComObjectFactory() override;

    // The coclass's type information in the server's type library.
    ITypeInfo *ClassInfo();
    void ReleaseTypeInfo() noexcept override;

protected:
    // Adds Version and TypeLib to the class keys.
    void RegisterClassKeys(const TClassesRoot &root, bool Register) override;

private:
    ComPtr<ITypeInfo> classInfo_;
};

class TAutoObjectFactory : public TTypedComObjectFactory {
public:
    using TTypedComObjectFactory::TTypedComObjectFactory;
    ~TAutoObjectFactory() override;

    // The coclass's default interface as the coclass names it (for a dual interface, its
    // dispatch description): what IDispatch::GetTypeInfo hands out.
    ITypeInfo *DispTypeInfo();
    // The same interface's vtable description, which ITypeInfo::Invoke calls through.
    ITypeInfo *DispIntfTypeInfo();
    const IID &DispIntfIID();
    void ReleaseTypeInfo() noexcept override;

private:
    void LoadDispatchInfo();

    ComPtr<ITypeInfo> dispTypeInfo_;
    ComPtr<ITypeInfo> dispIntfTypeInfo_;
    IID dispIntfIID_{};
};

} // namespace classlib
