#include "hostsim/CommandBarsObject.h"

#include "classlib/Exceptions.h"
#include "hostsim/CommandBarCall.h"
#include "hostsim/CommandBarControlCore.h"
#include "hostsim/CommandBarControlRules.h"
#include "hostsim/CommandBarObject.h"
#include "hostsim/SimConnectionPoints.h"

using classlib::ComPtr;
using classlib::EOleSysError;

namespace hostsim {

using namespace call;

CommandBarsObject::CommandBarsObject(SimWorld &world, const std::vector<BuiltInBar> &catalogue,
                                     std::shared_ptr<CommandBarHost> host)
    : SimDualObject(world, L"CommandBars"),
      host_(host ? std::move(host) : std::make_shared<CommandBarHost>(world)),
      set_(std::make_shared<CommandBarSet>(catalogue)) {
    Events().Add(DIID__CommandBarsEvents);
}

void CommandBarsObject::Rename(std::wstring name) {
    set_->SetLabel(name);
    SetName(std::move(name));
}

HRESULT CommandBarsObject::QueryExtra(REFIID riid, void **ppv) noexcept {
    if (IsEqualIID(riid, IID__IMsoDispObj)) {
        *ppv = static_cast<_CommandBars *>(this);
        SimAddRef();
        return S_OK;
    }
    return E_NOINTERFACE;
}

void CommandBarsObject::OnDisconnect() noexcept {
    parent_ = nullptr;
    host_.reset();
}

CommandBarHost &CommandBarsObject::LiveHost() const {
    if (!host_)
        throw EOleSysError(L"The host has ended", RPC_E_DISCONNECTED);
    return *host_;
}

// ---- The host's and the user's side ----

ComPtr<IDispatch> CommandBarsObject::ObjectOf(const BarRef &bar) {
    return bar ? ComPtr<IDispatch>::Copy(&LiveHost().BarObject(set_, bar)) : nullptr;
}

ComPtr<IDispatch> CommandBarsObject::ObjectOf(const ControlRef &control) {
    return control ? ComPtr<IDispatch>::Copy(LiveHost().ControlObject(set_, control).Interface()) : nullptr;
}

bool CommandBarsObject::UserClick(const ControlRef &button) {
    Log().Record(L"User", L"Click", L"#" + std::to_wstring(button->instanceId));
    return LiveHost().Click(set_, button);
}

void CommandBarsObject::UserType(const ControlRef &control, const std::wstring &text) {
    Log().Record(L"User", L"Type", L"#" + std::to_wstring(control->instanceId) + L", '" + text + L"'");
    if (!IsListType(control->type) || control->type == msoControl::Dropdown)
        throw EOleSysError(L"Text is typed into an edit box or combo box only", E_INVALIDARG);
    rules::SetText(*control, text);
    LiveHost().Change(set_, control);
}

void CommandBarsObject::UserSelect(const ControlRef &control, long index) {
    Log().Record(L"User", L"Select",
                 L"#" + std::to_wstring(control->instanceId) + L", " + std::to_wstring(index));
    if (control->type != msoControl::Dropdown && control->type != msoControl::ComboBox)
        throw EOleSysError(L"Items are picked from a drop-down list or combo box only", E_INVALIDARG);
    if (index < 1)
        throw EOleSysError(L"The user picks an item, not none", E_INVALIDARG);
    rules::SetListIndex(*control, index);
    LiveHost().Change(set_, control);
}

void CommandBarsObject::UserDelete(const ControlRef &control) {
    Log().Record(L"User", L"Delete", L"#" + std::to_wstring(control->instanceId));
    set_->UserDeleteControl(control);
}

void CommandBarsObject::Restart() {
    Log().Record(Name(), L"Restart");
    set_->Restart();
    LiveHost().Sweep(*set_);
}

int CommandBarsObject::FireOnUpdate() {
    return Events().Fire(DIID__CommandBarsEvents, 1);
}

// ---- _CommandBars ----

HRESULT CommandBarsObject::get_Application(IDispatch **out) {
    Clear(out);
    return Call(L"Application", {}, [&] { SetOut(out, LiveHost().Application()); });
}

HRESULT CommandBarsObject::get_Creator(long *out) {
    return Call(L"Creator", {}, [&] { *Out(out) = LiveHost().Creator(); });
}

HRESULT CommandBarsObject::get_ActionControl(CommandBarControl **out) {
    Clear(out);
    return Call(L"ActionControl", {}, [&] {
        ControlRef running = LiveHost().ActionControl();
        SetOut(out, running ? LiveHost().ControlObject(set_, running).Interface() : nullptr);
    });
}

HRESULT CommandBarsObject::get_ActiveMenuBar(CommandBar **out) {
    Clear(out);
    return Call(L"ActiveMenuBar", {}, [&] {
        BarRef bar = set_->ActiveMenuBar();
        SetOut<CommandBar>(out, bar ? &LiveHost().BarObject(set_, bar) : nullptr);
    });
}

HRESULT CommandBarsObject::Add(VARIANT name, VARIANT position, VARIANT menuBar, VARIANT temporary,
                               CommandBar **out) {
    Clear(out);
    return Call(L"Add", Join(Arg(name), Arg(position), Arg(menuBar), Arg(temporary)), [&] {
        BarRef bar = set_->AddBar(OptString(name), OptLong(position), OptBool(menuBar).value_or(false),
                                  OptBool(temporary).value_or(false));
        SetOut<CommandBar>(out, &LiveHost().BarObject(set_, bar));
    });
}

HRESULT CommandBarsObject::get_Count(long *out) {
    return Call(L"Count", {}, [&] { *Out(out) = static_cast<long>(set_->Bars().size()); });
}

HRESULT CommandBarsObject::FindControl(VARIANT type, VARIANT id, VARIANT tag, VARIANT visible,
                                       CommandBarControl **out) {
    Clear(out);
    return Call(L"FindControl", Join(Arg(type), Arg(id), Arg(tag), Arg(visible)), [&] {
        ControlQuery query{OptLong(type), OptLong(id), OptString(tag), OptBool(visible).value_or(false)};
        ControlRef found = set_->FindControl(query);
        SetOut(out, found ? LiveHost().ControlObject(set_, found).Interface() : nullptr);
    });
}

HRESULT CommandBarsObject::get_Item(VARIANT index, CommandBar **out) {
    Clear(out);
    return Call(L"Item", Arg(index), [&] {
        BarRef bar = IsText(index) ? set_->ItemByName(OptString(index).value_or(L""))
                                   : set_->ItemByIndex(OptLong(index).value_or(0));
        SetOut<CommandBar>(out, &LiveHost().BarObject(set_, bar));
    });
}

HRESULT CommandBarsObject::GetFlag(const wchar_t *member, bool &field, VARIANT_BOOL *out) {
    return Call(member, {}, [&] { SetOut(out, field); });
}

HRESULT CommandBarsObject::PutFlag(const wchar_t *member, bool &field, VARIANT_BOOL value) {
    return Call(member, Flag(value), [&] { field = value != VARIANT_FALSE; });
}

// The Boolean options: a field each, read and written as they are.
#define SIM_FLAG_PROPERTY(Name, field)                                                                       \
    HRESULT CommandBarsObject::get_##Name(VARIANT_BOOL *out) {                                               \
        return GetFlag(L"" #Name, field, out);                                                               \
    }                                                                                                        \
    HRESULT CommandBarsObject::put_##Name(VARIANT_BOOL value) {                                              \
        return PutFlag(L"" #Name, field, value);                                                             \
    }

SIM_FLAG_PROPERTY(DisplayTooltips, displayTooltips_)
SIM_FLAG_PROPERTY(DisplayKeysInTooltips, displayKeysInTooltips_)
SIM_FLAG_PROPERTY(LargeButtons, largeButtons_)
SIM_FLAG_PROPERTY(AdaptiveMenus, adaptiveMenus_)
SIM_FLAG_PROPERTY(DisplayFonts, displayFonts_)
SIM_FLAG_PROPERTY(DisableCustomize, disableCustomize_)
SIM_FLAG_PROPERTY(DisableAskAQuestionDropdown, disableAskAQuestionDropdown_)

#undef SIM_FLAG_PROPERTY

HRESULT CommandBarsObject::get_MenuAnimationStyle(long *out) {
    return Call(L"MenuAnimationStyle", {}, [&] { *Out(out) = menuAnimationStyle_; });
}

HRESULT CommandBarsObject::put_MenuAnimationStyle(long value) {
    // None, random, unfold, slide.
    return Call(L"MenuAnimationStyle", Number(value), [&] {
        if (value < -1 || value > 2)
            throw EOleSysError(L"The menu animation style " + std::to_wstring(value) + L" is not valid",
                               E_INVALIDARG);
        menuAnimationStyle_ = value;
    });
}

HRESULT CommandBarsObject::get_Parent(IDispatch **out) {
    Clear(out);
    return Call(L"Parent", {}, [&] { SetOut(out, parent_ ? parent_.Get() : LiveHost().Application()); });
}

HRESULT CommandBarsObject::ReleaseFocus() {
    return Call(L"ReleaseFocus", {}, [] {});
}

HRESULT CommandBarsObject::NotImplemented(const wchar_t *member, const std::wstring &args) {
    return Call(member, args, [] { return E_NOTIMPL; });
}

HRESULT CommandBarsObject::get__NewEnum(IUnknown **out) {
    Clear(out);
    return NotImplemented(L"_NewEnum");
}

HRESULT CommandBarsObject::get_IdsString(long ids, BSTR *name, long *) {
    Clear(name);
    return NotImplemented(L"IdsString", Number(ids));
}

HRESULT CommandBarsObject::get_TmcGetName(long tmc, BSTR *name, long *) {
    Clear(name);
    return NotImplemented(L"TmcGetName", Number(tmc));
}

HRESULT CommandBarsObject::FindControls(VARIANT type, VARIANT id, VARIANT tag, VARIANT visible,
                                        CommandBarControls **out) {
    Clear(out);
    return NotImplemented(L"FindControls", Join(Arg(type), Arg(id), Arg(tag), Arg(visible)));
}

HRESULT CommandBarsObject::AddEx(VARIANT tbidOrName, VARIANT position, VARIANT menuBar, VARIANT temporary,
                                 VARIANT tbtrProtection, CommandBar **out) {
    Clear(out);
    return NotImplemented(
        L"AddEx", Join(Arg(tbidOrName), Arg(position), Arg(menuBar), Arg(temporary), Arg(tbtrProtection)));
}

// The ribbon's built-in controls (the Mso members) belong to the ribbon, which is not simulated.
HRESULT CommandBarsObject::ExecuteMso(BSTR idMso) {
    return NotImplemented(L"ExecuteMso", Text(idMso));
}
HRESULT CommandBarsObject::GetEnabledMso(BSTR idMso, VARIANT_BOOL *) {
    return NotImplemented(L"GetEnabledMso", Text(idMso));
}
HRESULT CommandBarsObject::GetVisibleMso(BSTR idMso, VARIANT_BOOL *) {
    return NotImplemented(L"GetVisibleMso", Text(idMso));
}
HRESULT CommandBarsObject::GetPressedMso(BSTR idMso, VARIANT_BOOL *) {
    return NotImplemented(L"GetPressedMso", Text(idMso));
}
HRESULT CommandBarsObject::GetLabelMso(BSTR idMso, BSTR *out) {
    Clear(out);
    return NotImplemented(L"GetLabelMso", Text(idMso));
}
HRESULT CommandBarsObject::GetScreentipMso(BSTR idMso, BSTR *out) {
    Clear(out);
    return NotImplemented(L"GetScreentipMso", Text(idMso));
}
HRESULT CommandBarsObject::GetSupertipMso(BSTR idMso, BSTR *out) {
    Clear(out);
    return NotImplemented(L"GetSupertipMso", Text(idMso));
}
HRESULT CommandBarsObject::GetImageMso(BSTR idMso, long width, long height, IPictureDisp **out) {
    Clear(out);
    return NotImplemented(L"GetImageMso", Join(Text(idMso), Number(width), Number(height)));
}
HRESULT CommandBarsObject::CommitRenderingTransaction(long hwnd) {
    return NotImplemented(L"CommitRenderingTransaction", Number(hwnd));
}

} // namespace hostsim
