// IRibbonControl: the control Office passes to an add-in's ribbon callbacks, made by tests and
// officesim for the control they stand for: its id (or idMso), the window it sits in, its tag.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/ComPtr.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class RibbonControlObject : public SimDualObject<IRibbonControl> {
public:
    // context: the window (an explorer, inspector, document window ...); may be null.
    RibbonControlObject(SimWorld &world, std::wstring id, IDispatch *context, std::wstring tag = {});

    STDMETHODIMP get_Id(BSTR *out) override;
    STDMETHODIMP get_Context(IDispatch **out) override;
    STDMETHODIMP get_Tag(BSTR *out) override;

protected:
    void OnDisconnect() noexcept override { context_ = nullptr; }

private:
    std::wstring id_, tag_;
    classlib::ComPtr<IDispatch> context_;
};

} // namespace hostsim
