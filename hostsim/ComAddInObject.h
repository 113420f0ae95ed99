// COMAddIn: the host's entry for one COM add-in, passed to the add-in as AddInInst of
// OnConnection. The add-in publishes itself to other programs by setting Object.
//
// Setting Connect is how a program (or the COM Add-ins dialog) connects or disconnects an add-in;
// the host simulation that loads the add-in does the work in the handler it sets. When the add-in
// goes from connected to not connected, Object is released, as Office does.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "classlib/ComPtr.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class ComAddInObject : public SimDualObject<COMAddIn> {
public:
    // guid: the add-in's CLSID in registry form ("{...}").
    ComAddInObject(SimWorld &world, std::wstring progId, std::wstring guid, std::wstring description,
                   IDispatch *application = nullptr, IDispatch *parent = nullptr);

    bool Connected() const noexcept { return connect_; }
    IDispatch *AddInObject() const noexcept { return object_.Get(); }
    // Called when a program sets Connect to a new value, before the flag changes; throwing refuses.
    void SetConnectHandler(std::function<void(bool connect)> handler) { onConnect_ = std::move(handler); }
    // The host connected or disconnected the add-in itself (no handler call).
    void SetConnected(bool connected);

    // _IMsoDispObj
    STDMETHODIMP get_Application(IDispatch **out) override;
    STDMETHODIMP get_Creator(long *out) override;

    // COMAddIn
    STDMETHODIMP get_Description(BSTR *out) override;
    STDMETHODIMP put_Description(BSTR value) override;
    STDMETHODIMP get_ProgId(BSTR *out) override;
    STDMETHODIMP get_Guid(BSTR *out) override;
    STDMETHODIMP get_Connect(VARIANT_BOOL *out) override;
    STDMETHODIMP put_Connect(VARIANT_BOOL value) override;
    STDMETHODIMP get_Object(IDispatch **out) override;
    STDMETHODIMP put_Object(IDispatch *value) override;
    STDMETHODIMP get_Parent(IDispatch **out) override;

protected:
    HRESULT QueryExtra(REFIID riid, void **ppv) noexcept override;
    void OnDisconnect() noexcept override;

private:
    std::wstring progId_, guid_, description_;
    classlib::ComPtr<IDispatch> application_, parent_, object_;
    bool connect_ = false;
    std::function<void(bool)> onConnect_;
};

} // namespace hostsim
