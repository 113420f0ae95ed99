#include "hostsim/CommandBarPopupObject.h"

#include "classlib/Exceptions.h"
#include "hostsim/CommandBarControlsObject.h"
#include "hostsim/CommandBarObject.h"

namespace hostsim {

using namespace call;

CommandBarPopupObject::CommandBarPopupObject(SimWorld &world, std::shared_ptr<CommandBarHost> host,
                                             SetRef set, ControlRef control)
    : CommandBarControlImpl(world, L"Popup#" + std::to_wstring(control->instanceId), std::move(host), set,
                            control) {}

HRESULT CommandBarPopupObject::get_CommandBar(::CommandBar **out) {
    Clear(out);
    return core_.Run(L"CommandBar", {}, [&](ControlModel &c) {
        SetOut<::CommandBar>(out, &core_.Host().BarObject(core_.Set(), c.subBar));
    });
}

HRESULT CommandBarPopupObject::get_Controls(CommandBarControls **out) {
    Clear(out);
    return core_.Run(L"Controls", {}, [&](ControlModel &c) {
        SetOut<CommandBarControls>(out, &core_.Host().ControlsObject(core_.Set(), c.subBar));
    });
}

HRESULT CommandBarPopupObject::get_OLEMenuGroup(long *out) {
    return core_.Get(L"OLEMenuGroup", &ControlProps::oleMenuGroup, out);
}

HRESULT CommandBarPopupObject::put_OLEMenuGroup(long value) {
    // -1 (none) or one of the six OLE menu groups.
    return core_.Run(L"OLEMenuGroup", Number(value), [&](ControlModel &c) {
        if (value < -1 || value > 5)
            throw classlib::EOleSysError(L"The OLE menu group " + std::to_wstring(value) + L" is not valid",
                                         E_INVALIDARG);
        c.props.oleMenuGroup = value;
    });
}

HRESULT CommandBarPopupObject::get_InstanceIdPtr(VARIANT *out) {
    if (out)
        VariantInit(out);
    return core_.NotImplemented(L"InstanceIdPtr");
}

} // namespace hostsim
