#include "hostsim/RibbonUIObject.h"

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarCall.h"

namespace hostsim {

RibbonUIObject::RibbonUIObject(SimWorld &world, std::wstring name) : SimDualObject(world, std::move(name)) {}

HRESULT RibbonUIObject::Request(const wchar_t *member, std::initializer_list<BSTR> ids) {
    std::wstring args;
    for (BSTR id : ids)
        args += (args.empty() ? L"" : L", ") + call::Text(id);
    return Call(member, args, [&] {
        for (BSTR id : ids)
            if (SysStringLen(id) == 0)
                throw classlib::EOleSysError(std::wstring(member) + L" needs an id", E_INVALIDARG);
        requests_.push_back(std::wstring(member) + L"(" + args + L")");
    });
}

HRESULT RibbonUIObject::Invalidate() {
    return Request(L"Invalidate", {});
}
HRESULT RibbonUIObject::InvalidateControl(BSTR controlId) {
    if (holds_ && SysStringLen(controlId) != 0 && !holds_(std::wstring(controlId, SysStringLen(controlId))))
        return Call(L"InvalidateControl", call::Text(controlId), [] {
            throw classlib::EOleSysError(L"InvalidateControl: no such control in this ribbon", E_INVALIDARG);
        });
    return Request(L"InvalidateControl", {controlId});
}
HRESULT RibbonUIObject::InvalidateControlMso(BSTR controlId) {
    return Request(L"InvalidateControlMso", {controlId});
}
HRESULT RibbonUIObject::ActivateTab(BSTR controlId) {
    return Request(L"ActivateTab", {controlId});
}
HRESULT RibbonUIObject::ActivateTabMso(BSTR controlId) {
    return Request(L"ActivateTabMso", {controlId});
}
HRESULT RibbonUIObject::ActivateTabQ(BSTR controlId, BSTR ns) {
    return Request(L"ActivateTabQ", {controlId, ns});
}

} // namespace hostsim
