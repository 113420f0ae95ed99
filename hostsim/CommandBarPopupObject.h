// A popup control (CommandBarPopup): a menu on a bar, with its own CommandBar and controls.
#pragma once
#include "hostsim/CommandBarControlCore.h"

namespace hostsim {

class CommandBarPopupObject : public CommandBarControlImpl<CommandBarPopup> {
public:
    CommandBarPopupObject(SimWorld &world, std::shared_ptr<CommandBarHost> host, SetRef set,
                          ControlRef control);

    STDMETHODIMP get_CommandBar(::CommandBar **out) override;
    STDMETHODIMP get_Controls(CommandBarControls **out) override;
    STDMETHODIMP get_OLEMenuGroup(long *out) override;
    STDMETHODIMP put_OLEMenuGroup(long value) override;
    STDMETHODIMP get_InstanceIdPtr(VARIANT *out) override;
};

} // namespace hostsim
