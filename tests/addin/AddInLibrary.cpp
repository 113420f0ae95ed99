#include "AddInLibrary.h"

#include <gtest/gtest.h>

#include "classlib/Format.h"

namespace addintest {

const CLSID CLSID_TSY = {0x61ec72b0, 0x88a2, 0x4e92, {0xa6, 0x45, 0xb5, 0xcc, 0x1d, 0x54, 0x75, 0xa8}};
const IID IID_ITSY = {0xb96d71c7, 0xdee4, 0x4a87, {0xbb, 0x0b, 0xab, 0xd3, 0x12, 0x58, 0xd1, 0x32}};
const GUID LIBID_Tessary = {0x337f5f56, 0xeb20, 0x436e, {0x89, 0x6d, 0xdd, 0xca, 0xf3, 0x95, 0xfb, 0xe9}};

std::wstring LibraryPath() {
    // Inside Wine the Unix root is drive Z:.
    std::wstring path = L"Z:" + classlib::Utf8ToWide(TESSARY_DLL);
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

TAddInLibrary::TAddInLibrary(const std::wstring &path) : module_(LoadLibraryW(path.c_str())) {}

TAddInLibrary::~TAddInLibrary() {
    if (module_)
        FreeLibrary(module_);
}

template <class F> F TAddInLibrary::Export(const char *name) const {
    FARPROC proc = module_ ? GetProcAddress(module_, name) : nullptr;
    EXPECT_NE(proc, nullptr) << name << " is not exported";
    return reinterpret_cast<F>(reinterpret_cast<void *>(proc));
}

HRESULT TAddInLibrary::GetClassObject(REFCLSID clsid, REFIID iid, void **ppv) const {
    auto f = Export<HRESULT(STDAPICALLTYPE *)(REFCLSID, REFIID, void **)>("DllGetClassObject");
    return f ? f(clsid, iid, ppv) : E_NOTIMPL;
}

HRESULT TAddInLibrary::CanUnloadNow() const {
    auto f = Export<HRESULT(STDAPICALLTYPE *)()>("DllCanUnloadNow");
    return f ? f() : E_NOTIMPL;
}

classlib::ComPtr<IUnknown> TAddInLibrary::CreateAddIn() const {
    classlib::ComPtr<IClassFactory> factory;
    EXPECT_EQ(GetClassObject(CLSID_TSY, IID_IClassFactory, factory.PutVoid()), S_OK);
    classlib::ComPtr<IUnknown> addIn;
    if (factory) {
        EXPECT_EQ(factory->CreateInstance(nullptr, IID_IUnknown, addIn.PutVoid()), S_OK);
    }
    return addIn;
}

} // namespace addintest
