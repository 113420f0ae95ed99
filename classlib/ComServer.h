// The in-process COM server this module is: its file, its type library, its class factories, and
// the object and lock counts that decide whether it may be unloaded.
#pragma once
#include <windows.h>

#include <oleauto.h>

#include <string>
#include <vector>

#include "classlib/ComPtr.h"

namespace classlib {

class TComObjectFactory;

class TComServer {
public:
    TComServer();
    ~TComServer();
    TComServer(const TComServer &) = delete;
    TComServer &operator=(const TComServer &) = delete;

    // The module (DLL, or the test program) this library is linked into, and its path.
    HMODULE HInstance() const noexcept { return module_; }
    const std::wstring &ServerFileName() const noexcept { return fileName_; }

    // The type library embedded in the module (TYPELIB resource 1), loaded on first use without
    // registering it. Raises EOleSysError when the module has none.
    ITypeLib *TypeLib();
    // The type library's name ("Tessary"), the first half of every ProgID.
    std::wstring ServerName();

    // Object and lock counts: DllCanUnloadNow answers S_OK only when both are zero.
    void CountObject(bool created) noexcept;
    void CountLock(bool locked) noexcept;
    LONG ObjectCount() const noexcept { return objectCount_; }
    LONG LockCount() const noexcept { return lockCount_; }
    // S_OK or S_FALSE; on S_OK the cached type information is let go, since the module may be
    // unloaded right after.
    HRESULT CanUnloadNow() noexcept;

    // The process-wide factory list; factories enter and leave it themselves.
    void AddFactory(TComObjectFactory *factory);
    void RemoveFactory(TComObjectFactory *factory) noexcept;
    TComObjectFactory *FindFactory(REFCLSID clsid) const noexcept;
    const std::vector<TComObjectFactory *> &Factories() const noexcept { return factories_; }

    // Registers (or removes) every factory's class keys, then the type library.
    void UpdateRegistry(bool Register);

private:
    void ReleaseTypeInfo() noexcept;

    HMODULE module_ = nullptr;
    std::wstring fileName_;
    ComPtr<ITypeLib> typeLib_;
    volatile LONG objectCount_ = 0;
    volatile LONG lockCount_ = 0;
    std::vector<TComObjectFactory *> factories_;
};

// The one server object of this module, created on first use (before any factory registers).
TComServer &ComServer();

// The bodies of the DLL's exports: each export forwards to one of these, e.g.
//   STDAPI DllGetClassObject(REFCLSID c, REFIID i, void **p) { return classlib::ComServerGetClassObject(c, i,
//   p); }
HRESULT ComServerGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) noexcept;
HRESULT ComServerCanUnloadNow() noexcept;
HRESULT ComServerRegister() noexcept;
HRESULT ComServerUnregister() noexcept;

} // namespace classlib
