#include "hostsim/CommandBarControlsObject.h"

#include "classlib/Exceptions.h"
#include "hostsim/CommandBarCall.h"
#include "hostsim/CommandBarControlCore.h"
#include "hostsim/CommandBarObject.h"

using classlib::EOleSysError;

namespace hostsim {

using namespace call;

CommandBarControlsObject::CommandBarControlsObject(SimWorld &world, std::shared_ptr<CommandBarHost> host,
                                                   SetRef set, BarRef bar)
    : SimDualObject(world, L""), host_(std::move(host)), set_(std::move(set)), bar_(std::move(bar)),
      generation_(set_->Generation()) {}

HRESULT CommandBarControlsObject::QueryExtra(REFIID riid, void **ppv) noexcept {
    if (IsEqualIID(riid, IID__IMsoDispObj)) {
        *ppv = static_cast<CommandBarControls *>(this);
        SimAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

void CommandBarControlsObject::OnDisconnect() noexcept {
    if (host_)
        host_->Forget(this);
    host_.reset();
}

BarModel &CommandBarControlsObject::Live() const {
    if (!bar_->alive)
        throw EOleSysError(L"The command bar has been deleted", E_FAIL);
    return *bar_;
}

CommandBarHost &CommandBarControlsObject::Host() const {
    if (!host_)
        throw EOleSysError(L"The host has ended", RPC_E_DISCONNECTED);
    return *host_;
}

HRESULT CommandBarControlsObject::get_Application(IDispatch **out) {
    Clear(out);
    return Run(L"Application", {}, [&](BarModel &) { SetOut(out, Host().Application()); });
}

HRESULT CommandBarControlsObject::get_Creator(long *out) {
    return Run(L"Creator", {}, [&](BarModel &) { *Out(out) = Host().Creator(); });
}

HRESULT CommandBarControlsObject::Add(VARIANT type, VARIANT id, VARIANT parameter, VARIANT before,
                                      VARIANT temporary, CommandBarControl **out) {
    Clear(out);
    return Run(L"Add", Join(Arg(type), Arg(id), Arg(parameter), Arg(before), Arg(temporary)),
               [&](BarModel &) {
                   ControlRef added = set_->AddControl(bar_, OptLong(type), OptLong(id), OptString(parameter),
                                                       OptLong(before), OptBool(temporary).value_or(false));
                   SetOut(out, Host().ControlObject(set_, added).Interface());
               });
}

HRESULT CommandBarControlsObject::get_Count(long *out) {
    return Run(L"Count", {}, [&](BarModel &b) { *Out(out) = static_cast<long>(b.controls.size()); });
}

HRESULT CommandBarControlsObject::get_Item(VARIANT index, CommandBarControl **out) {
    Clear(out);
    return Run(L"Item", Arg(index), [&](BarModel &b) {
        ControlRef found;
        if (IsText(index)) {
            std::wstring caption = OptString(index).value_or(L"");
            for (const ControlRef &control : b.controls)
                if (!found && SameCaption(control->props.caption, caption))
                    found = control;
            if (!found)
                throw EOleSysError(L"There is no control \"" + caption + L"\" on the bar", E_INVALIDARG);
        } else {
            long i = OptLong(index).value_or(0);
            if (i < 1 || i > static_cast<long>(b.controls.size()))
                throw EOleSysError(L"There is no control with the index " + std::to_wstring(i), E_INVALIDARG);
            found = b.controls[i - 1];
        }
        SetOut(out, Host().ControlObject(set_, found).Interface());
    });
}

HRESULT CommandBarControlsObject::get__NewEnum(IUnknown **out) {
    Clear(out);
    return Call(L"_NewEnum", {}, [] { return E_NOTIMPL; });
}

HRESULT CommandBarControlsObject::get_Parent(CommandBar **out) {
    Clear(out);
    return Run(L"Parent", {}, [&](BarModel &) { SetOut<CommandBar>(out, &Host().BarObject(set_, bar_)); });
}

} // namespace hostsim
