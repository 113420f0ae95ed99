#include "hostsim/ComAddInObject.h"

#include "classlib/OleString.h"
#include "hostsim/CommandBarCall.h"

namespace hostsim {

using namespace call;

ComAddInObject::ComAddInObject(SimWorld &world, std::wstring progId, std::wstring guid,
                               std::wstring description, IDispatch *application, IDispatch *parent)
    : SimDualObject(world, L"COMAddIn(" + progId + L")"), progId_(std::move(progId)), guid_(std::move(guid)),
      description_(std::move(description)), application_(classlib::ComPtr<IDispatch>::Copy(application)),
      parent_(classlib::ComPtr<IDispatch>::Copy(parent)) {}

HRESULT ComAddInObject::QueryExtra(REFIID riid, void **ppv) noexcept {
    if (IsEqualIID(riid, IID__IMsoDispObj)) {
        *ppv = static_cast<COMAddIn *>(this);
        SimAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

void ComAddInObject::OnDisconnect() noexcept {
    application_ = nullptr;
    parent_ = nullptr;
    object_ = nullptr;
    onConnect_ = nullptr;
}

void ComAddInObject::SetConnected(bool connected) {
    if (connect_ && !connected)
        object_ = nullptr;
    connect_ = connected;
}

HRESULT ComAddInObject::get_Application(IDispatch **out) {
    Clear(out);
    return Call(L"Application", {}, [&] { SetOut(out, application_.Get()); });
}

HRESULT ComAddInObject::get_Creator(long *out) {
    return Call(L"Creator", {}, [&] { *Out(out) = 0; });
}

HRESULT ComAddInObject::get_Description(BSTR *out) {
    return Call(L"Description", {}, [&] { SetOut(out, description_); });
}

HRESULT ComAddInObject::put_Description(BSTR value) {
    return Call(L"Description", Text(value), [&] { description_ = classlib::BStrToString(value); });
}

HRESULT ComAddInObject::get_ProgId(BSTR *out) {
    return Call(L"ProgId", {}, [&] { SetOut(out, progId_); });
}

HRESULT ComAddInObject::get_Guid(BSTR *out) {
    return Call(L"Guid", {}, [&] { SetOut(out, guid_); });
}

HRESULT ComAddInObject::get_Connect(VARIANT_BOOL *out) {
    return Call(L"Connect", {}, [&] { SetOut(out, connect_); });
}

HRESULT ComAddInObject::put_Connect(VARIANT_BOOL value) {
    return Call(L"Connect", Flag(value), [&] {
        bool connect = value != VARIANT_FALSE;
        if (connect == connect_)
            return;
        if (onConnect_)
            onConnect_(connect);
        SetConnected(connect);
    });
}

HRESULT ComAddInObject::get_Object(IDispatch **out) {
    Clear(out);
    return Call(L"Object", {}, [&] { SetOut(out, object_.Get()); });
}

HRESULT ComAddInObject::put_Object(IDispatch *value) {
    return Call(L"Object", Object(value), [&] { object_.CopyFrom(value); });
}

HRESULT ComAddInObject::get_Parent(IDispatch **out) {
    Clear(out);
    return Call(L"Parent", {}, [&] { SetOut(out, parent_.Get()); });
}

} // namespace hostsim
