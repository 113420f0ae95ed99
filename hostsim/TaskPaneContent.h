// What a simulated task pane shows: no ActiveX control is hosted here, so a pane's ContentControl
// is a placeholder object that only remembers the ProgID it stands for. It answers IDispatch with no
// members (names are unknown, calls find no member).
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>

#include "hostsim/SimObject.h"

namespace hostsim {

class TaskPaneContent : public SimUnknown<IDispatch> {
public:
    TaskPaneContent(SimWorld &world, std::wstring progId);

    const std::wstring &ProgId() const noexcept { return progId_; }

    STDMETHODIMP GetTypeInfoCount(UINT *count) override;
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo **info) override;
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid, DISPID *ids) override;
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params, VARIANT *result,
                        EXCEPINFO *excepInfo, UINT *argErr) override;

private:
    std::wstring progId_;
};

} // namespace hostsim
