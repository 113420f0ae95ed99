#include "hostsim/TaskPaneContent.h"

namespace hostsim {

TaskPaneContent::TaskPaneContent(SimWorld &world, std::wstring progId)
    : SimUnknown(world, L"TaskPaneContent(" + progId + L")"), progId_(std::move(progId)) {}

HRESULT TaskPaneContent::GetTypeInfoCount(UINT *count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT TaskPaneContent::GetTypeInfo(UINT, LCID, ITypeInfo **info) {
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT TaskPaneContent::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    if (names == nullptr || ids == nullptr)
        return E_POINTER;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    return DISP_E_UNKNOWNNAME;
}

HRESULT TaskPaneContent::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *, UINT *) {
    return Call(L"Invoke", std::to_wstring(id), [] { return DISP_E_MEMBERNOTFOUND; });
}

} // namespace hostsim
