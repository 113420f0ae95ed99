// TComObject: the reference count, server object count and factory link every COM object of the
// server shares. It is no interface itself: the class that inherits the object's interfaces
// (TAutoObjectImpl) forwards IUnknown to it, so the count lives in one place.
#pragma once
#include <windows.h>

#include <unknwn.h>

namespace classlib {

class TComObjectFactory;

class TComObject {
public:
    TComObject(const TComObject &) = delete;
    TComObject &operator=(const TComObject &) = delete;

    ULONG ObjAddRef() noexcept;
    ULONG ObjRelease() noexcept; // deletes the object when the count reaches zero
    LONG RefCount() const noexcept { return refCount_; }

    // The object's own IUnknown (its identity).
    virtual IUnknown *GetUnknown() noexcept = 0;
    // Answers interfaces beyond those the implementing template knows; set *ppv AddRef'd or
    // return E_NOINTERFACE.
    virtual HRESULT QueryInterfaceExtra(REFIID riid, void **ppv) noexcept;
    // Called by the factory after construction, once Factory() is set; may throw (the object is
    // then released and the client gets the error).
    virtual void Initialize() {}

    TComObjectFactory *Factory() const noexcept { return factory_; }
    // Source name for error reports: the factory's ProgID, or null when there is no factory.
    const wchar_t *ErrorSource() const noexcept;

protected:
    // A new object holds one reference, owned by whoever created it.
    TComObject() noexcept;
    virtual ~TComObject();

private:
    friend class TComObjectFactory;
    volatile LONG refCount_ = 1;
    TComObjectFactory *factory_ = nullptr;
};

} // namespace classlib
