#include "hostsim/CommandBarControlCore.h"

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarControlRules.h"
#include "hostsim/CommandBarObject.h"

using classlib::EOleSysError;

namespace hostsim {

using namespace call;

ControlCore::ControlCore(SimObject &self, CommandBarControl *iface, std::shared_ptr<CommandBarHost> host,
                         SetRef set, ControlRef control)
    : self_(self), iface_(iface), host_(std::move(host)), set_(std::move(set)), control_(std::move(control)),
      generation_(set_->Generation()) {}

void ControlCore::Disconnect() noexcept {
    if (host_)
        host_->Forget(&self_);
    host_.reset();
}

CommandBarHost &ControlCore::Host() const {
    if (!host_)
        throw EOleSysError(L"The host has ended", RPC_E_DISCONNECTED);
    return *host_;
}

ControlModel &ControlCore::Live() const {
    if (!control_->alive)
        throw EOleSysError(L"The command bar control has been deleted", E_FAIL);
    return *control_;
}

HRESULT ControlCore::Get(const wchar_t *member, std::wstring ControlProps::*field, BSTR *out) {
    return Run(member, {}, [&](ControlModel &c) { SetOut(out, c.props.*field); });
}

HRESULT ControlCore::Put(const wchar_t *member, std::wstring ControlProps::*field, BSTR value) {
    return Run(member, Text(value), [&](ControlModel &c) { c.props.*field = classlib::BStrToString(value); });
}

HRESULT ControlCore::Get(const wchar_t *member, bool ControlProps::*field, VARIANT_BOOL *out) {
    return Run(member, {}, [&](ControlModel &c) { SetOut(out, c.props.*field); });
}

HRESULT ControlCore::Put(const wchar_t *member, bool ControlProps::*field, VARIANT_BOOL value) {
    return Run(member, Flag(value), [&](ControlModel &c) { c.props.*field = value != VARIANT_FALSE; });
}

HRESULT ControlCore::Get(const wchar_t *member, long ControlProps::*field, long *out) {
    return Run(member, {}, [&](ControlModel &c) { *Out(out) = c.props.*field; });
}

HRESULT ControlCore::get_Application(IDispatch **out) {
    Clear(out);
    return Run(L"Application", {}, [&](ControlModel &) { SetOut(out, Host().Application()); });
}

HRESULT ControlCore::get_Creator(long *out) {
    return Run(L"Creator", {}, [&](ControlModel &) { *Out(out) = Host().Creator(); });
}

HRESULT ControlCore::get_BuiltIn(VARIANT_BOOL *out) {
    return Run(L"BuiltIn", {}, [&](ControlModel &c) { SetOut(out, c.BuiltIn()); });
}

HRESULT ControlCore::PlaceCopyOrMove(const wchar_t *member, VARIANT bar, VARIANT before,
                                     CommandBarControl **out, bool copy) {
    Clear(out);
    return Run(member, Join(Arg(bar), Arg(before)), [&](ControlModel &) {
        BarRef target;
        if (IUnknown *object = OptObject(bar)) {
            target = Host().BarOf(object);
            if (!target)
                throw EOleSysError(L"Bar must be a command bar of this host", E_INVALIDARG);
        }
        ControlRef placed = copy ? set_->CopyControl(control_, target, OptLong(before))
                                 : set_->MoveControl(control_, target, OptLong(before));
        SetOut(out, Host().ControlObject(set_, placed).Interface());
    });
}

HRESULT ControlCore::Copy(VARIANT bar, VARIANT before, CommandBarControl **out) {
    return PlaceCopyOrMove(L"Copy", bar, before, out, true);
}

HRESULT ControlCore::Move(VARIANT bar, VARIANT before, CommandBarControl **out) {
    return PlaceCopyOrMove(L"Move", bar, before, out, false);
}

HRESULT ControlCore::Delete(VARIANT temporary) {
    return Run(L"Delete", Arg(temporary),
               [&](ControlModel &) { set_->DeleteControl(control_, OptBool(temporary).value_or(false)); });
}

HRESULT ControlCore::Execute() {
    return Run(L"Execute", {}, [&](ControlModel &c) {
        if (!c.props.enabled)
            throw EOleSysError(L"A disabled control cannot be executed", E_FAIL);
        if (c.type == msoControl::Button)
            Host().Click(set_, control_);
        else if (IsListType(c.type))
            Host().Change(set_, control_);
        // A popup's action is opening its menu, which shows nothing here.
    });
}

HRESULT ControlCore::put_Height(long value) {
    return Run(L"Height", Number(value), [&](ControlModel &c) { rules::SetSize(c.props.height, value); });
}

HRESULT ControlCore::put_HelpContextId(long value) {
    return Run(L"HelpContextId", Number(value), [&](ControlModel &c) { c.props.helpContextId = value; });
}

HRESULT ControlCore::get_Id(long *out) {
    return Run(L"Id", {}, [&](ControlModel &c) { *Out(out) = c.id; });
}

HRESULT ControlCore::get_Index(long *out) {
    return Run(L"Index", {}, [&](ControlModel &c) { *Out(out) = c.Index(); });
}

HRESULT ControlCore::get_Left(long *out) {
    // Controls sit side by side from the bar's left edge; hidden ones take no room.
    return Run(L"Left", {}, [&](ControlModel &c) {
        BarRef bar = c.Parent();
        long left = bar ? bar->left : 0;
        for (const ControlRef &other : bar ? bar->controls : std::vector<ControlRef>()) {
            if (other.get() == &c)
                break;
            if (other->props.visible)
                left += other->props.width;
        }
        *Out(out) = left;
    });
}

HRESULT ControlCore::get_Top(long *out) {
    return Run(L"Top", {}, [&](ControlModel &c) {
        BarRef bar = c.Parent();
        *Out(out) = bar ? bar->top : 0;
    });
}

HRESULT ControlCore::put_OLEUsage(long value) {
    return Run(L"OLEUsage", Number(value), [&](ControlModel &c) { rules::SetOleUsage(c, value); });
}

HRESULT ControlCore::get_Parent(CommandBar **out) {
    Clear(out);
    return Run(L"Parent", {}, [&](ControlModel &c) {
        BarRef bar = c.Parent();
        SetOut(out, bar ? static_cast<CommandBar *>(&Host().BarObject(set_, bar)) : nullptr);
    });
}

HRESULT ControlCore::put_Priority(long value) {
    return Run(L"Priority", Number(value), [&](ControlModel &c) { rules::SetPriority(c, value); });
}

HRESULT ControlCore::Reset() {
    return Run(L"Reset", {}, [&](ControlModel &) { set_->ResetControl(control_); });
}

HRESULT ControlCore::SetFocus() {
    return Run(L"SetFocus", {}, [&](ControlModel &c) {
        BarRef bar = c.Parent();
        if (!c.props.visible || !c.props.enabled || !bar || !bar->Shown())
            throw EOleSysError(L"Only a visible, enabled control on a visible bar can take the focus",
                               E_FAIL);
    });
}

HRESULT ControlCore::get_Type(MsoControlType *out) {
    return Run(L"Type", {}, [&](ControlModel &c) { *Out(out) = static_cast<MsoControlType>(c.type); });
}

HRESULT ControlCore::put_Width(long value) {
    return Run(L"Width", Number(value), [&](ControlModel &c) { rules::SetSize(c.props.width, value); });
}

HRESULT ControlCore::get_IsPriorityDropped(VARIANT_BOOL *out) {
    // Nothing is ever too wide for its bar here.
    return Run(L"IsPriorityDropped", {}, [&](ControlModel &) { SetOut(out, false); });
}

HRESULT ControlCore::NotImplemented(const wchar_t *member) {
    return self_.Call(member, {}, [] { return E_NOTIMPL; });
}

} // namespace hostsim
