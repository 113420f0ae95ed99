// The members every kind of command-bar control object shares (CommandBarControl and its
// _IMsoOleAccDispObj and IAccessible bases), written once: ControlCore holds the bodies, and the
// template CommandBarControlImpl plugs them into the vtable of a button, combo box or popup.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "hostsim/CommandBarAccessible.h"
#include "hostsim/CommandBarHost.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class ControlCore {
public:
    ControlCore(SimObject &self, CommandBarControl *iface, std::shared_ptr<CommandBarHost> host, SetRef set,
                ControlRef control);

    SimObject &Self() const noexcept { return self_; }
    CommandBarControl *Interface() const noexcept { return iface_; }
    const ControlRef &Model() const noexcept { return control_; }
    const SetRef &Set() const noexcept { return set_; }
    unsigned Generation() const noexcept { return generation_; }
    // The object has left its world: let go of the host.
    void Disconnect() noexcept;

    // A member call: recorded, failing as injected, and refused with E_FAIL once the control is
    // deleted. The body gets the control's state.
    template <class Body> HRESULT Run(const wchar_t *member, const std::wstring &args, Body &&body) noexcept {
        return self_.Call(member, args, [&] { return body(Live()); });
    }
    ControlModel &Live() const;
    CommandBarHost &Host() const;

    // Simple properties of ControlProps.
    HRESULT Get(const wchar_t *member, std::wstring ControlProps::*field, BSTR *out);
    HRESULT Put(const wchar_t *member, std::wstring ControlProps::*field, BSTR value);
    HRESULT Get(const wchar_t *member, bool ControlProps::*field, VARIANT_BOOL *out);
    HRESULT Put(const wchar_t *member, bool ControlProps::*field, VARIANT_BOOL value);
    HRESULT Get(const wchar_t *member, long ControlProps::*field, long *out);

    HRESULT get_Application(IDispatch **out);
    HRESULT get_Creator(long *out);
    HRESULT get_BuiltIn(VARIANT_BOOL *out);
    HRESULT Copy(VARIANT bar, VARIANT before, CommandBarControl **out);
    HRESULT Delete(VARIANT temporary);
    HRESULT Execute();
    HRESULT put_Height(long value);
    HRESULT put_HelpContextId(long value);
    HRESULT get_Id(long *out);
    HRESULT get_Index(long *out);
    HRESULT Move(VARIANT bar, VARIANT before, CommandBarControl **out);
    HRESULT get_Left(long *out);
    HRESULT put_OLEUsage(long value);
    HRESULT get_Parent(CommandBar **out);
    HRESULT put_Priority(long value);
    HRESULT Reset();
    HRESULT SetFocus();
    HRESULT get_Top(long *out);
    HRESULT get_Type(MsoControlType *out);
    HRESULT put_Width(long value);
    HRESULT get_IsPriorityDropped(VARIANT_BOOL *out);
    HRESULT NotImplemented(const wchar_t *member);

private:
    HRESULT PlaceCopyOrMove(const wchar_t *member, VARIANT bar, VARIANT before, CommandBarControl **out,
                            bool copy);

    SimObject &self_;
    CommandBarControl *iface_;
    std::shared_ptr<CommandBarHost> host_;
    SetRef set_;
    ControlRef control_;
    unsigned generation_;
};

// A control object of interface IFace (_CommandBarButton, _CommandBarComboBox, CommandBarPopup).
template <class IFace> class CommandBarControlImpl : public CommandBarAccessible<SimDualObject<IFace>> {
    using Base = CommandBarAccessible<SimDualObject<IFace>>;

public:
    ControlCore &Core() noexcept { return core_; }

    // _IMsoOleAccDispObj
    STDMETHODIMP get_Application(IDispatch **out) override { return core_.get_Application(out); }
    STDMETHODIMP get_Creator(long *out) override { return core_.get_Creator(out); }

    // CommandBarControl
    STDMETHODIMP get_BeginGroup(VARIANT_BOOL *out) override {
        return core_.Get(L"BeginGroup", &ControlProps::beginGroup, out);
    }
    STDMETHODIMP put_BeginGroup(VARIANT_BOOL v) override {
        return core_.Put(L"BeginGroup", &ControlProps::beginGroup, v);
    }
    STDMETHODIMP get_BuiltIn(VARIANT_BOOL *out) override { return core_.get_BuiltIn(out); }
    STDMETHODIMP get_Caption(BSTR *out) override {
        return core_.Get(L"Caption", &ControlProps::caption, out);
    }
    STDMETHODIMP put_Caption(BSTR v) override { return core_.Put(L"Caption", &ControlProps::caption, v); }
    STDMETHODIMP get_Control(IDispatch **out) override {
        call::Clear(out);
        return core_.NotImplemented(L"Control");
    }
    STDMETHODIMP Copy(VARIANT bar, VARIANT before, CommandBarControl **out) override {
        return core_.Copy(bar, before, out);
    }
    STDMETHODIMP Delete(VARIANT temporary) override { return core_.Delete(temporary); }
    STDMETHODIMP get_DescriptionText(BSTR *out) override {
        return core_.Get(L"DescriptionText", &ControlProps::descriptionText, out);
    }
    STDMETHODIMP put_DescriptionText(BSTR v) override {
        return core_.Put(L"DescriptionText", &ControlProps::descriptionText, v);
    }
    STDMETHODIMP get_Enabled(VARIANT_BOOL *out) override {
        return core_.Get(L"Enabled", &ControlProps::enabled, out);
    }
    STDMETHODIMP put_Enabled(VARIANT_BOOL v) override {
        return core_.Put(L"Enabled", &ControlProps::enabled, v);
    }
    STDMETHODIMP Execute() override { return core_.Execute(); }
    STDMETHODIMP get_Height(long *out) override { return core_.Get(L"Height", &ControlProps::height, out); }
    STDMETHODIMP put_Height(long v) override { return core_.put_Height(v); }
    STDMETHODIMP get_HelpContextId(long *out) override {
        return core_.Get(L"HelpContextId", &ControlProps::helpContextId, out);
    }
    STDMETHODIMP put_HelpContextId(long v) override { return core_.put_HelpContextId(v); }
    STDMETHODIMP get_HelpFile(BSTR *out) override {
        return core_.Get(L"HelpFile", &ControlProps::helpFile, out);
    }
    STDMETHODIMP put_HelpFile(BSTR v) override { return core_.Put(L"HelpFile", &ControlProps::helpFile, v); }
    STDMETHODIMP get_Id(long *out) override { return core_.get_Id(out); }
    STDMETHODIMP get_Index(long *out) override { return core_.get_Index(out); }
    STDMETHODIMP get_InstanceId(long *) override { return core_.NotImplemented(L"InstanceId"); }
    STDMETHODIMP Move(VARIANT bar, VARIANT before, CommandBarControl **out) override {
        return core_.Move(bar, before, out);
    }
    STDMETHODIMP get_Left(long *out) override { return core_.get_Left(out); }
    STDMETHODIMP get_OLEUsage(long *out) override {
        return core_.Get(L"OLEUsage", &ControlProps::oleUsage, out);
    }
    STDMETHODIMP put_OLEUsage(long v) override { return core_.put_OLEUsage(v); }
    STDMETHODIMP get_OnAction(BSTR *out) override {
        return core_.Get(L"OnAction", &ControlProps::onAction, out);
    }
    STDMETHODIMP put_OnAction(BSTR v) override { return core_.Put(L"OnAction", &ControlProps::onAction, v); }
    STDMETHODIMP get_Parent(CommandBar **out) override { return core_.get_Parent(out); }
    STDMETHODIMP get_Parameter(BSTR *out) override {
        return core_.Get(L"Parameter", &ControlProps::parameter, out);
    }
    STDMETHODIMP put_Parameter(BSTR v) override {
        return core_.Put(L"Parameter", &ControlProps::parameter, v);
    }
    STDMETHODIMP get_Priority(long *out) override {
        return core_.Get(L"Priority", &ControlProps::priority, out);
    }
    STDMETHODIMP put_Priority(long v) override { return core_.put_Priority(v); }
    STDMETHODIMP Reset() override { return core_.Reset(); }
    STDMETHODIMP SetFocus() override { return core_.SetFocus(); }
    STDMETHODIMP get_Tag(BSTR *out) override { return core_.Get(L"Tag", &ControlProps::tag, out); }
    STDMETHODIMP put_Tag(BSTR v) override { return core_.Put(L"Tag", &ControlProps::tag, v); }
    STDMETHODIMP get_TooltipText(BSTR *out) override {
        return core_.Get(L"TooltipText", &ControlProps::tooltipText, out);
    }
    STDMETHODIMP put_TooltipText(BSTR v) override {
        return core_.Put(L"TooltipText", &ControlProps::tooltipText, v);
    }
    STDMETHODIMP get_Top(long *out) override { return core_.get_Top(out); }
    STDMETHODIMP get_Type(MsoControlType *out) override { return core_.get_Type(out); }
    STDMETHODIMP get_Visible(VARIANT_BOOL *out) override {
        return core_.Get(L"Visible", &ControlProps::visible, out);
    }
    STDMETHODIMP put_Visible(VARIANT_BOOL v) override {
        return core_.Put(L"Visible", &ControlProps::visible, v);
    }
    STDMETHODIMP get_Width(long *out) override { return core_.Get(L"Width", &ControlProps::width, out); }
    STDMETHODIMP put_Width(long v) override { return core_.put_Width(v); }
    STDMETHODIMP get_IsPriorityDropped(VARIANT_BOOL *out) override {
        return core_.get_IsPriorityDropped(out);
    }
    STDMETHODIMP Reserved1() override { return core_.NotImplemented(L"Reserved1"); }
    STDMETHODIMP Reserved2() override { return core_.NotImplemented(L"Reserved2"); }
    STDMETHODIMP Reserved3() override { return core_.NotImplemented(L"Reserved3"); }
    STDMETHODIMP Reserved4() override { return core_.NotImplemented(L"Reserved4"); }
    STDMETHODIMP Reserved5() override { return core_.NotImplemented(L"Reserved5"); }
    STDMETHODIMP Reserved6() override { return core_.NotImplemented(L"Reserved6"); }
    STDMETHODIMP Reserved7() override { return core_.NotImplemented(L"Reserved7"); }

protected:
    CommandBarControlImpl(SimWorld &world, std::wstring name, std::shared_ptr<CommandBarHost> host,
                          SetRef set, ControlRef control)
        : Base(world, std::move(name)),
          core_(*this, static_cast<IFace *>(this), std::move(host), std::move(set), std::move(control)) {}

    // The interfaces IFace derives from answer with the same object.
    HRESULT QueryExtra(REFIID riid, void **ppv) noexcept override {
        if (IsEqualIID(riid, IID_CommandBarControl) || IsEqualIID(riid, IID__IMsoOleAccDispObj) ||
            IsEqualIID(riid, IID_IAccessible)) {
            *ppv = static_cast<IFace *>(this);
            this->SimAddRef();
            return S_OK;
        }
        return E_NOINTERFACE;
    }
    void OnDisconnect() noexcept override { core_.Disconnect(); }

    ControlCore core_;
};

} // namespace hostsim
