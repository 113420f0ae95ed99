// The interfaces the add-in object implements beyond IDTExtensibility2 and the host's ribbon ones.
#pragma once
#include <windows.h>

#include <oaidl.h>

namespace framework {

// The add-in object's dual interface as the framework sees it. The application's type library
// declares it for its own COM class (ITSY for the product) with no members of its own, so its
// vtable is IDispatch's; the object also answers the id the application's type library gives it.
struct IzidAddIn : public IDispatch {};

// A private channel to the add-in's module: the one method hands its arguments to the module's
// OnPrivateInterfaceCall. In-process only (no type library, no proxy).
struct IzidAddInPrivate : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE ModuleCall(LONG Code, VARIANT *Data) = 0;
};

} // namespace framework

__CRT_UUID_DECL(framework::IzidAddIn, 0x00e65029, 0x39ce, 0x4665, 0xba, 0xf7, 0x43, 0xc1, 0xde, 0xce, 0x70,
                0x68)
__CRT_UUID_DECL(framework::IzidAddInPrivate, 0x7175d144, 0x097e, 0x4cb1, 0xb3, 0xbd, 0x9c, 0xa7, 0x2b, 0xc0,
                0x5b, 0xd6)
