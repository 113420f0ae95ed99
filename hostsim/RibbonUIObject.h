// IRibbonUI: what Office hands an add-in's onLoad callback. The simulation keeps what the add-in
// asked of it (the call log records every call; Requests() lists this ribbon's accepted ones in
// order), so that a test or officesim can assert on them and query the callbacks again.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class RibbonUIObject : public SimDualObject<IRibbonUI> {
public:
    explicit RibbonUIObject(SimWorld &world, std::wstring name = L"RibbonUI");

    // The accepted calls, as "InvalidateControl('id')".
    const std::vector<std::wstring> &Requests() const noexcept { return requests_; }
    void ClearRequests() noexcept { requests_.clear(); }

    // Office hands each ribbon kind an IRibbonUI of its own, which knows the controls of that kind's
    // document only: once told which ids those are, InvalidateControl refuses any other with
    // E_INVALIDARG, as Office does. Without it every id is taken.
    void SetControls(std::function<bool(const std::wstring &id)> holds) { holds_ = std::move(holds); }

    // Control and tab ids must not be empty (E_INVALIDARG).
    STDMETHODIMP Invalidate() override;
    STDMETHODIMP InvalidateControl(BSTR controlId) override;
    STDMETHODIMP InvalidateControlMso(BSTR controlId) override;
    STDMETHODIMP ActivateTab(BSTR controlId) override;
    STDMETHODIMP ActivateTabMso(BSTR controlId) override;
    STDMETHODIMP ActivateTabQ(BSTR controlId, BSTR ns) override;

private:
    HRESULT Request(const wchar_t *member, std::initializer_list<BSTR> ids);

    std::vector<std::wstring> requests_;
    std::function<bool(const std::wstring &id)> holds_;
};

} // namespace hostsim
