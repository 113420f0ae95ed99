#include "classlib/ComServer.h"

#include "classlib/ComGuard.h"
#include "classlib/ComObjectFactory.h"
#include "classlib/ModuleHandle.h"
#include "classlib/OleString.h"
#include "classlib/TypeAttrs.h"

#include <algorithm>

namespace classlib {

TComServer::TComServer() : module_(LibraryModule()), fileName_(ModuleFileName(module_)) {}

TComServer::~TComServer() {
    // At process exit oleaut32 may already be detached: leave the cached type library to the system.
    (void)typeLib_.Detach();
}

ITypeLib *TComServer::TypeLib() {
    if (!typeLib_) {
        HRESULT hr = LoadTypeLibEx(fileName_.c_str(), REGKIND_NONE, typeLib_.Put());
        if (FAILED(hr))
            throw EOleSysError(SysErrorMessage(hr) + L" (type library of " + fileName_ + L")", hr);
    }
    return typeLib_.Get();
}

std::wstring TComServer::ServerName() {
    TBStr name;
    OleCheck(TypeLib()->GetDocumentation(-1, name.Put(), nullptr, nullptr, nullptr));
    return name.ToString();
}

void TComServer::CountObject(bool created) noexcept {
    if (created)
        InterlockedIncrement(&objectCount_);
    else
        InterlockedDecrement(&objectCount_);
}

void TComServer::CountLock(bool locked) noexcept {
    if (locked)
        InterlockedIncrement(&lockCount_);
    else
        InterlockedDecrement(&lockCount_);
}

HRESULT TComServer::CanUnloadNow() noexcept {
    if (objectCount_ > 0 || lockCount_ > 0)
        return S_FALSE;
    ReleaseTypeInfo();
    return S_OK;
}

void TComServer::ReleaseTypeInfo() noexcept {
    for (TComObjectFactory *factory : factories_)
        factory->ReleaseTypeInfo();
    typeLib_.Reset();
}

void TComServer::AddFactory(TComObjectFactory *factory) {
    factories_.push_back(factory);
}

void TComServer::RemoveFactory(TComObjectFactory *factory) noexcept {
    factories_.erase(std::remove(factories_.begin(), factories_.end(), factory), factories_.end());
}

TComObjectFactory *TComServer::FindFactory(REFCLSID clsid) const noexcept {
    for (TComObjectFactory *factory : factories_)
        if (IsEqualCLSID(factory->ClassID(), clsid))
            return factory;
    return nullptr;
}

void TComServer::UpdateRegistry(bool Register) {
    ITypeLib *typeLib = TypeLib();
    const TLIBATTR lib = *TLibAttrHolder(typeLib);
    if (Register) {
        for (TComObjectFactory *factory : factories_)
            factory->UpdateRegistry(true);
        OleCheck(RegisterTypeLib(typeLib, const_cast<LPOLESTR>(fileName_.c_str()), nullptr));
    } else {
        for (TComObjectFactory *factory : factories_)
            factory->UpdateRegistry(false);
        // Not registered (any more) is what we want: the result does not matter.
        UnRegisterTypeLib(lib.guid, lib.wMajorVerNum, lib.wMinorVerNum, lib.lcid, lib.syskind);
    }
}

TComServer &ComServer() {
    static TComServer server;
    return server;
}

HRESULT ComServerGetClassObject(REFCLSID clsid, REFIID iid, void **ppv) noexcept {
    if (ppv == nullptr)
        return E_POINTER;
    *ppv = nullptr;
    return ComGuard({L"ComServer", L"DllGetClassObject"}, [&]() -> HRESULT {
        TComObjectFactory *factory = ComServer().FindFactory(clsid);
        if (factory == nullptr)
            return CLASS_E_CLASSNOTAVAILABLE;
        return factory->QueryInterface(iid, ppv);
    });
}

HRESULT ComServerCanUnloadNow() noexcept {
    return ComServer().CanUnloadNow();
}

HRESULT ComServerRegister() noexcept {
    return ComGuard({L"ComServer", L"DllRegisterServer"}, [] { ComServer().UpdateRegistry(true); });
}

HRESULT ComServerUnregister() noexcept {
    return ComGuard({L"ComServer", L"DllUnregisterServer"}, [] { ComServer().UpdateRegistry(false); });
}

} // namespace classlib
