#include "hostsim/CommandBarObject.h"

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarControlCore.h"
#include "hostsim/CommandBarControlsObject.h"

using classlib::EOleSysError;

namespace hostsim {

using namespace call;

namespace {

std::wstring ObjectName(const SetRef &set, const BarRef &bar) {
    if (ControlRef owner = bar->popupOwner.lock())
        return set->Label() + L"(popup #" + std::to_wstring(owner->instanceId) + L")";
    return set->Label() + L"(" + bar->name + L")";
}

} // namespace

CommandBarObject::CommandBarObject(SimWorld &world, std::shared_ptr<CommandBarHost> host, SetRef set,
                                   BarRef bar)
    : CommandBarAccessible(world, ObjectName(set, bar)), host_(std::move(host)), set_(std::move(set)),
      bar_(std::move(bar)), generation_(set_->Generation()) {}

HRESULT CommandBarObject::QueryExtra(REFIID riid, void **ppv) noexcept {
    if (IsEqualIID(riid, IID__IMsoOleAccDispObj) || IsEqualIID(riid, IID_IAccessible)) {
        *ppv = static_cast<CommandBar *>(this);
        SimAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

void CommandBarObject::OnDisconnect() noexcept {
    if (host_)
        host_->Forget(this);
    host_.reset();
}

BarModel &CommandBarObject::Live() const {
    if (!bar_->alive)
        throw EOleSysError(L"The command bar has been deleted", E_FAIL);
    return *bar_;
}

CommandBarHost &CommandBarObject::Host() const {
    if (!host_)
        throw EOleSysError(L"The host has ended", RPC_E_DISCONNECTED);
    return *host_;
}

HRESULT CommandBarObject::get_Application(IDispatch **out) {
    Clear(out);
    return Run(L"Application", {}, [&](BarModel &) { SetOut(out, Host().Application()); });
}

HRESULT CommandBarObject::get_Creator(long *out) {
    return Run(L"Creator", {}, [&](BarModel &) { *Out(out) = Host().Creator(); });
}

HRESULT CommandBarObject::get_BuiltIn(VARIANT_BOOL *out) {
    return Run(L"BuiltIn", {}, [&](BarModel &b) { SetOut(out, b.builtIn); });
}

HRESULT CommandBarObject::get_Context(BSTR *out) {
    return Run(L"Context", {}, [&](BarModel &b) { SetOut(out, b.context); });
}

HRESULT CommandBarObject::put_Context(BSTR value) {
    return Run(L"Context", Text(value), [&](BarModel &b) { b.context = classlib::BStrToString(value); });
}

HRESULT CommandBarObject::get_Controls(CommandBarControls **out) {
    Clear(out);
    return Run(L"Controls", {},
               [&](BarModel &) { SetOut<CommandBarControls>(out, &Host().ControlsObject(set_, bar_)); });
}

HRESULT CommandBarObject::Delete() {
    return Run(L"Delete", {}, [&](BarModel &) { set_->DeleteBar(bar_); });
}

HRESULT CommandBarObject::get_Enabled(VARIANT_BOOL *out) {
    return Run(L"Enabled", {}, [&](BarModel &b) { SetOut(out, b.enabled); });
}

HRESULT CommandBarObject::put_Enabled(VARIANT_BOOL value) {
    return Run(L"Enabled", Flag(value),
               [&](BarModel &) { set_->SetBarEnabled(bar_, value != VARIANT_FALSE); });
}

HRESULT CommandBarObject::FindControl(VARIANT type, VARIANT id, VARIANT tag, VARIANT visible,
                                      VARIANT recursive, CommandBarControl **out) {
    Clear(out);
    return Run(
        L"FindControl", Join(Arg(type), Arg(id), Arg(tag), Arg(visible), Arg(recursive)), [&](BarModel &b) {
            ControlQuery query{OptLong(type), OptLong(id), OptString(tag), OptBool(visible).value_or(false)};
            ControlRef found = set_->FindControl(b, query, OptBool(recursive).value_or(false));
            SetOut(out, found ? Host().ControlObject(set_, found).Interface() : nullptr);
        });
}

HRESULT CommandBarObject::get_Height(long *out) {
    return Run(L"Height", {}, [&](BarModel &b) { *Out(out) = b.height; });
}

HRESULT CommandBarObject::put_Height(long value) {
    return Run(L"Height", Number(value), [&](BarModel &b) {
        if (value < 0)
            throw EOleSysError(L"A height cannot be negative", E_INVALIDARG);
        b.height = value;
    });
}

HRESULT CommandBarObject::get_Index(long *out) {
    return Run(L"Index", {}, [&](BarModel &b) { *Out(out) = set_->IndexOf(b); });
}

HRESULT CommandBarObject::get_InstanceId(long *) {
    return Call(L"InstanceId", {}, [] { return E_NOTIMPL; });
}

HRESULT CommandBarObject::get_Left(long *out) {
    return Run(L"Left", {}, [&](BarModel &b) { *Out(out) = b.left; });
}

HRESULT CommandBarObject::put_Left(long value) {
    return Run(L"Left", Number(value), [&](BarModel &b) { b.left = value; });
}

HRESULT CommandBarObject::get_Name(BSTR *out) {
    return Run(L"Name", {}, [&](BarModel &b) { SetOut(out, b.name); });
}

HRESULT CommandBarObject::put_Name(BSTR value) {
    return Run(L"Name", Text(value),
               [&](BarModel &) { set_->SetBarName(bar_, classlib::BStrToString(value)); });
}

HRESULT CommandBarObject::get_NameLocal(BSTR *out) {
    return Run(L"NameLocal", {}, [&](BarModel &b) { SetOut(out, b.nameLocal); });
}

HRESULT CommandBarObject::put_NameLocal(BSTR value) {
    return Run(L"NameLocal", Text(value), [&](BarModel &b) {
        if (b.builtIn)
            throw EOleSysError(L"A built-in command bar keeps its local name", E_FAIL);
        b.nameLocal = classlib::BStrToString(value);
    });
}

HRESULT CommandBarObject::get_Parent(IDispatch **out) {
    // A popup's menu belongs to the popup; every other bar to the host's Application.
    Clear(out);
    return Run(L"Parent", {}, [&](BarModel &b) {
        if (ControlRef owner = b.popupOwner.lock())
            SetOut<IDispatch>(out, Host().ControlObject(set_, owner).Interface());
        else
            SetOut(out, Host().Application());
    });
}

HRESULT CommandBarObject::get_Position(MsoBarPosition *out) {
    return Run(L"Position", {}, [&](BarModel &b) { *Out(out) = static_cast<MsoBarPosition>(b.position); });
}

HRESULT CommandBarObject::put_Position(MsoBarPosition value) {
    return Run(L"Position", Number(value), [&](BarModel &) { set_->SetBarPosition(bar_, value); });
}

HRESULT CommandBarObject::get_RowIndex(long *out) {
    return Run(L"RowIndex", {}, [&](BarModel &b) { *Out(out) = b.rowIndex; });
}

HRESULT CommandBarObject::put_RowIndex(long value) {
    return Run(L"RowIndex", Number(value), [&](BarModel &) { set_->SetBarRowIndex(bar_, value); });
}

HRESULT CommandBarObject::get_Protection(MsoBarProtection *out) {
    return Run(L"Protection", {},
               [&](BarModel &b) { *Out(out) = static_cast<MsoBarProtection>(b.protection); });
}

HRESULT CommandBarObject::put_Protection(MsoBarProtection value) {
    return Run(L"Protection", Number(value), [&](BarModel &) { set_->SetBarProtection(bar_, value); });
}

HRESULT CommandBarObject::Reset() {
    return Run(L"Reset", {}, [&](BarModel &) { set_->ResetBar(bar_); });
}

HRESULT CommandBarObject::ShowPopup(VARIANT x, VARIANT y) {
    // Nothing is shown; the call is recorded, and refused for bars that are no popup as in Office.
    return Run(L"ShowPopup", Join(Arg(x), Arg(y)), [&](BarModel &b) {
        (void)OptLong(x);
        (void)OptLong(y);
        if (b.type != msoBarType::Popup)
            throw EOleSysError(L"Only a popup command bar can be shown as a popup", E_FAIL);
    });
}

HRESULT CommandBarObject::get_Top(long *out) {
    return Run(L"Top", {}, [&](BarModel &b) { *Out(out) = b.top; });
}

HRESULT CommandBarObject::put_Top(long value) {
    return Run(L"Top", Number(value), [&](BarModel &b) { b.top = value; });
}

HRESULT CommandBarObject::get_Type(MsoBarType *out) {
    return Run(L"Type", {}, [&](BarModel &b) { *Out(out) = static_cast<MsoBarType>(b.type); });
}

HRESULT CommandBarObject::get_Visible(VARIANT_BOOL *out) {
    return Run(L"Visible", {}, [&](BarModel &b) { SetOut(out, b.visible); });
}

HRESULT CommandBarObject::put_Visible(VARIANT_BOOL value) {
    return Run(L"Visible", Flag(value),
               [&](BarModel &) { set_->SetBarVisible(bar_, value != VARIANT_FALSE); });
}

HRESULT CommandBarObject::get_Width(long *out) {
    return Run(L"Width", {}, [&](BarModel &b) { *Out(out) = b.width; });
}

HRESULT CommandBarObject::put_Width(long value) {
    return Run(L"Width", Number(value), [&](BarModel &b) {
        if (value < 0)
            throw EOleSysError(L"A width cannot be negative", E_INVALIDARG);
        b.width = value;
    });
}

HRESULT CommandBarObject::get_AdaptiveMenu(VARIANT_BOOL *out) {
    return Run(L"AdaptiveMenu", {}, [&](BarModel &b) { SetOut(out, b.adaptiveMenu); });
}

HRESULT CommandBarObject::put_AdaptiveMenu(VARIANT_BOOL value) {
    return Run(L"AdaptiveMenu", Flag(value), [&](BarModel &b) { b.adaptiveMenu = value != VARIANT_FALSE; });
}

HRESULT CommandBarObject::get_Id(long *out) {
    return Run(L"Id", {}, [&](BarModel &b) { *Out(out) = b.id; });
}

HRESULT CommandBarObject::get_InstanceIdPtr(VARIANT *out) {
    if (out)
        VariantInit(out);
    return Call(L"InstanceIdPtr", {}, [] { return E_NOTIMPL; });
}

} // namespace hostsim
