#include "hostsim/OtherHostsInfoPath.h"

#include "classlib/OleString.h"
#include "office/office.h"

namespace hostsim {

using classlib::OleVariant;

SimInfoPathEvents::SimInfoPathEvents(SimWorld &world) : SimDispObject(world, L"Events", IID_NULL) {
    Events().Add(DIID_InfoPathApplicationEvents);
}

SimInfoPathApplication::SimInfoPathApplication(SimWorld &world, OtherHost &host, SimInfoPathEvents *events)
    : SimUnknown(world, L"Application"), host_(&host), events_(events), table_(IID_NULL) {
    auto property = [this](DISPID id, const wchar_t *name, std::function<OleVariant()> get) {
        table_.AddExtra(id, name, DISPATCH_PROPERTYGET, {}, 0, [get](DispArgs &) { return get(); });
    };
    property(0x7F000001, L"Name", [] { return OleVariant(L"InfoPath"); });
    property(0x7F000002, L"Windows", [this] { return DispatchOf(host_->windowList_); });
    property(0x7F000003, L"ActiveWindow", [this] { return DispatchOf(host_->ActiveWindow()); });
    property(0x7F000004, L"Version", [this] { return OleVariant(host_->Version()); });
    property(0x7F000005, L"Events", [this] { return DispatchOf(events_); });
}

void SimInfoPathApplication::OnDisconnect() noexcept {
    host_ = nullptr;
    events_ = nullptr;
}

HRESULT SimInfoPathApplication::GetTypeInfoCount(UINT *count) {
    if (count == nullptr)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT SimInfoPathApplication::GetTypeInfo(UINT, LCID, ITypeInfo **info) {
    if (info == nullptr)
        return E_POINTER;
    *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT SimInfoPathApplication::GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    return table_.GetIDsOfNames(riid, names, count, ids);
}

HRESULT SimInfoPathApplication::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS *params,
                                       VARIANT *result, EXCEPINFO *excepInfo, UINT *argErr) {
    return table_.Invoke(*this, id, riid, flags, params, result, excepInfo, argErr);
}

HRESULT SimInfoPathApplication::Object(const wchar_t *member, SimObject *object, IDispatch **result) {
    if (result == nullptr)
        return E_POINTER;
    *result = nullptr;
    return Call(member, {}, [&] { *result = DispatchOf(object).ToDispatch().Detach(); });
}

HRESULT SimInfoPathApplication::get_Name(BSTR *name) {
    if (name == nullptr)
        return E_POINTER;
    *name = nullptr;
    return Call(L"Name", {}, [&] { *name = classlib::AllocBStr(L"InfoPath"); });
}

HRESULT SimInfoPathApplication::get_Windows(IDispatch **windows) {
    return Object(L"Windows", host_ ? host_->windowList_ : nullptr, windows);
}

HRESULT SimInfoPathApplication::get_ActiveWindow(IDispatch **window) {
    return Object(L"ActiveWindow", host_ ? host_->ActiveWindow() : nullptr, window);
}

HRESULT SimInfoPathApplication::get_Version(BSTR *version) {
    if (version == nullptr)
        return E_POINTER;
    *version = nullptr;
    return Call(L"Version", {}, [&] { *version = classlib::AllocBStr(host_->Version()); });
}

HRESULT SimInfoPathApplication::get_Events(IDispatch **events) {
    return Object(L"Events", events_, events);
}

// The rest of the method table: present so that the table has its published shape.
HRESULT SimInfoPathApplication::get_XDocuments(IDispatch **documents) {
    if (documents)
        *documents = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::get_LanguageSettings(IDispatch **settings) {
    if (settings)
        *settings = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::FormatString(VARIANT, BSTR, BSTR, BSTR *result) {
    if (result)
        *result = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::Quit(VARIANT_BOOL) {
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::NewADODBRecordset(IDispatch **recordset) {
    if (recordset)
        *recordset = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::NewADODBConnection(IDispatch **connection) {
    if (connection)
        *connection = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::get_User(IDispatch **user) {
    if (user)
        *user = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::RegisterSolution(BSTR, BSTR) {
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::UnregisterSolution(BSTR) {
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::CacheSolution(BSTR) {
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::get_MachineOnlineState(long *state) {
    if (state)
        *state = 0;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::IsDestinationReachable(BSTR, VARIANT_BOOL *reachable) {
    if (reachable)
        *reachable = VARIANT_FALSE;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::get_UsableWidth(long *width) {
    if (width)
        *width = 0;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::get_UsableHeight(long *height) {
    if (height)
        *height = 0;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::get_COMAddIns(IDispatch **addIns) {
    if (addIns)
        *addIns = nullptr;
    return E_NOTIMPL;
}
HRESULT SimInfoPathApplication::GetSolutionURI(BSTR, BSTR *uri) {
    if (uri)
        *uri = nullptr;
    return E_NOTIMPL;
}

} // namespace hostsim
