#include "hostsim/SimTypeLib.h"

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"

namespace hostsim {

using classlib::ComPtr;

namespace {

std::wstring ThisModulePath() {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModulePath), &module);
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            throw classlib::EOleSysError(L"The program's own path cannot be read",
                                         HRESULT_FROM_WIN32(GetLastError()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

ITypeLib *LoadOfficeTypeLib() {
    std::wstring path = ThisModulePath() + L"\\" + std::to_wstring(kOfficeTypeLibResource);
    ITypeLib *lib = nullptr;
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &lib);
    if (FAILED(hr))
        throw classlib::EOleSysError(
            L"The office type library is not linked into this program (hostsim_link): " +
                classlib::SysErrorMessage(hr),
            hr);
    return lib;
}

} // namespace

ITypeLib *OfficeTypeLib() {
    // Kept for the life of the process: a release at exit would come after COM has shut down.
    static ITypeLib *lib = LoadOfficeTypeLib();
    return lib;
}

ComPtr<ITypeInfo> OfficeTypeInfo(REFIID iid) {
    ComPtr<ITypeInfo> info;
    classlib::OleCheck(OfficeTypeLib()->GetTypeInfoOfGuid(iid, info.Put()));
    return info;
}

ComPtr<ITypeInfo> OfficeVtableTypeInfo(REFIID iid) {
    ComPtr<ITypeInfo> info = OfficeTypeInfo(iid);
    TYPEATTR *attr = nullptr;
    classlib::OleCheck(info->GetTypeAttr(&attr));
    TYPEKIND kind = attr->typekind;
    WORD flags = attr->wTypeFlags;
    info->ReleaseTypeAttr(attr);
    if (kind == TKIND_INTERFACE)
        return info;
    HREFTYPE ref = 0;
    ComPtr<ITypeInfo> vtable;
    if (!(flags & TYPEFLAG_FDUAL) || FAILED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref)) ||
        FAILED(info->GetRefTypeInfo(ref, vtable.Put())))
        throw classlib::EOleSysError(L"Not a dual interface: " + OfficeTypeName(iid), TYPE_E_ELEMENTNOTFOUND);
    return vtable;
}

std::wstring OfficeTypeName(REFIID iid) {
    try {
        ComPtr<ITypeInfo> info;
        BSTR name = nullptr;
        if (SUCCEEDED(OfficeTypeLib()->GetTypeInfoOfGuid(iid, info.Put())) &&
            SUCCEEDED(info->GetDocumentation(MEMBERID_NIL, &name, nullptr, nullptr, nullptr))) {
            classlib::TBStr owned;
            owned.Attach(name);
            return owned.ToString();
        }
    } catch (...) {
        // No library: the id is name enough.
    }
    return classlib::GUIDToString(iid);
}

} // namespace hostsim
