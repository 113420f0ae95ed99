// A CommandBar: a toolbar, menu bar or popup menu of a simulated host (also a popup control's own
// menu). Made and cached by CommandBarHost, one object per bar.
#pragma once
#include <windows.h>

#include <memory>

#include "hostsim/CommandBarAccessible.h"
#include "hostsim/CommandBarHost.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class CommandBarObject : public CommandBarAccessible<SimDualObject<CommandBar>> {
public:
    CommandBarObject(SimWorld &world, std::shared_ptr<CommandBarHost> host, SetRef set, BarRef bar);

    const BarRef &Model() const noexcept { return bar_; }
    const SetRef &Set() const noexcept { return set_; }
    unsigned Generation() const noexcept { return generation_; }

    // _IMsoOleAccDispObj
    STDMETHODIMP get_Application(IDispatch **out) override;
    STDMETHODIMP get_Creator(long *out) override;

    // CommandBar
    STDMETHODIMP get_BuiltIn(VARIANT_BOOL *out) override;
    STDMETHODIMP get_Context(BSTR *out) override;
    STDMETHODIMP put_Context(BSTR value) override;
    STDMETHODIMP get_Controls(CommandBarControls **out) override;
    STDMETHODIMP Delete() override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL *out) override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL value) override;
    STDMETHODIMP FindControl(VARIANT type, VARIANT id, VARIANT tag, VARIANT visible, VARIANT recursive,
                             CommandBarControl **out) override;
    STDMETHODIMP get_Height(long *out) override;
    STDMETHODIMP put_Height(long value) override;
    STDMETHODIMP get_Index(long *out) override;
    STDMETHODIMP get_InstanceId(long *out) override;
    STDMETHODIMP get_Left(long *out) override;
    STDMETHODIMP put_Left(long value) override;
    STDMETHODIMP get_Name(BSTR *out) override;
    STDMETHODIMP put_Name(BSTR value) override;
    STDMETHODIMP get_NameLocal(BSTR *out) override;
    STDMETHODIMP put_NameLocal(BSTR value) override;
    STDMETHODIMP get_Parent(IDispatch **out) override;
    STDMETHODIMP get_Position(MsoBarPosition *out) override;
    STDMETHODIMP put_Position(MsoBarPosition value) override;
    STDMETHODIMP get_RowIndex(long *out) override;
    STDMETHODIMP put_RowIndex(long value) override;
    STDMETHODIMP get_Protection(MsoBarProtection *out) override;
    STDMETHODIMP put_Protection(MsoBarProtection value) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP ShowPopup(VARIANT x, VARIANT y) override;
    STDMETHODIMP get_Top(long *out) override;
    STDMETHODIMP put_Top(long value) override;
    STDMETHODIMP get_Type(MsoBarType *out) override;
    STDMETHODIMP get_Visible(VARIANT_BOOL *out) override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) override;
    STDMETHODIMP get_Width(long *out) override;
    STDMETHODIMP put_Width(long value) override;
    STDMETHODIMP get_AdaptiveMenu(VARIANT_BOOL *out) override;
    STDMETHODIMP put_AdaptiveMenu(VARIANT_BOOL value) override;
    STDMETHODIMP get_Id(long *out) override;
    STDMETHODIMP get_InstanceIdPtr(VARIANT *out) override;

protected:
    HRESULT QueryExtra(REFIID riid, void **ppv) noexcept override;
    void OnDisconnect() noexcept override;

private:
    // A member call: recorded, failing as injected, refused with E_FAIL once the bar is deleted.
    template <class Body> HRESULT Run(const wchar_t *member, const std::wstring &args, Body &&body) noexcept {
        return Call(member, args, [&] { return body(Live()); });
    }
    BarModel &Live() const;
    CommandBarHost &Host() const;

    std::shared_ptr<CommandBarHost> host_;
    SetRef set_;
    BarRef bar_;
    unsigned generation_;
};

} // namespace hostsim
