// _CommandBars: the command bars of a simulated host window (an Outlook explorer or inspector) or
// host (Word), source of _CommandBarsEvents (OnUpdate). Beside the vtable it offers the user's and
// the host's side to tests and to the host simulations: clicks, list changes, the customisation
// dialog's deletion, and a restart of the host.
//
// Make one with SimWorld::Create<CommandBarsObject>(catalogue::Word(), host), where host is shared
// by all CommandBars objects of one host process (see CommandBarHost); null makes a host of its own.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "hostsim/CommandBarHost.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class CommandBarsObject : public SimDualObject<_CommandBars> {
public:
    CommandBarsObject(SimWorld &world, const std::vector<BuiltInBar> &catalogue,
                      std::shared_ptr<CommandBarHost> host = nullptr);

    CommandBarSet &Set() noexcept { return *set_; }
    const SetRef &SharedSet() const noexcept { return set_; }
    const std::shared_ptr<CommandBarHost> &Host() const noexcept { return host_; }
    // Names this object and, after it, its bars in the log ("Explorer1.CommandBars(Standard)").
    void Rename(std::wstring name);
    // Parent: the window (or Application) the bars belong to; not held beyond the world's life.
    void SetParent(IDispatch *parent) { parent_.CopyFrom(parent); }

    // The object of a bar or control, as FindControl and Item give them (null for null).
    classlib::ComPtr<IDispatch> ObjectOf(const BarRef &bar);
    classlib::ComPtr<IDispatch> ObjectOf(const ControlRef &control);
    // A control of this set, for the user actions below (null when there is none).
    ControlRef Find(const ControlQuery &query) const { return set_->FindControl(query); }
    // The control behind a control object of this host (null for any other object).
    ControlRef ControlOf(IUnknown *object) const { return host_ ? host_->ControlOf(object) : nullptr; }

    // The user's actions, recorded in the log as calls of the object "User".
    // Click: see CommandBarHost::Click; returns whether the control's own action ran.
    bool UserClick(const ControlRef &button);
    // How many event connections a click of the button would reach now.
    int ClickHearers(const ControlRef &button) { return LiveHost().ClickHearers(set_, button); }
    // Types text into an edit box or combo box, or picks item index (1-based) of a list; Change follows.
    void UserType(const ControlRef &control, const std::wstring &text);
    void UserSelect(const ControlRef &control, long index);
    // Removes a control in the customisation dialog.
    void UserDelete(const ControlRef &control);

    // The host closes and starts again (see CommandBarSet::Restart). The objects of bars and
    // controls made before are gone afterwards; this object stays, with its sinks.
    void Restart();
    // OnUpdate to every sink; returns how many were called.
    int FireOnUpdate();

    // _IMsoDispObj
    STDMETHODIMP get_Application(IDispatch **out) override;
    STDMETHODIMP get_Creator(long *out) override;

    // _CommandBars
    STDMETHODIMP get_ActionControl(CommandBarControl **out) override;
    STDMETHODIMP get_ActiveMenuBar(CommandBar **out) override;
    STDMETHODIMP Add(VARIANT name, VARIANT position, VARIANT menuBar, VARIANT temporary,
                     CommandBar **out) override;
    STDMETHODIMP get_Count(long *out) override;
    STDMETHODIMP get_DisplayTooltips(VARIANT_BOOL *out) override;
    STDMETHODIMP put_DisplayTooltips(VARIANT_BOOL value) override;
    STDMETHODIMP get_DisplayKeysInTooltips(VARIANT_BOOL *out) override;
    STDMETHODIMP put_DisplayKeysInTooltips(VARIANT_BOOL value) override;
    STDMETHODIMP FindControl(VARIANT type, VARIANT id, VARIANT tag, VARIANT visible,
                             CommandBarControl **out) override;
    // By 1-based index, or by Name or NameLocal in any case.
    STDMETHODIMP get_Item(VARIANT index, CommandBar **out) override;
    STDMETHODIMP get_LargeButtons(VARIANT_BOOL *out) override;
    STDMETHODIMP put_LargeButtons(VARIANT_BOOL value) override;
    STDMETHODIMP get_MenuAnimationStyle(long *out) override;
    STDMETHODIMP put_MenuAnimationStyle(long value) override;
    STDMETHODIMP get__NewEnum(IUnknown **out) override;
    STDMETHODIMP get_Parent(IDispatch **out) override;
    STDMETHODIMP ReleaseFocus() override;
    STDMETHODIMP get_IdsString(long ids, BSTR *name, long *length) override;
    STDMETHODIMP get_TmcGetName(long tmc, BSTR *name, long *length) override;
    STDMETHODIMP get_AdaptiveMenus(VARIANT_BOOL *out) override;
    STDMETHODIMP put_AdaptiveMenus(VARIANT_BOOL value) override;
    STDMETHODIMP FindControls(VARIANT type, VARIANT id, VARIANT tag, VARIANT visible,
                              CommandBarControls **out) override;
    STDMETHODIMP AddEx(VARIANT tbidOrName, VARIANT position, VARIANT menuBar, VARIANT temporary,
                       VARIANT tbtrProtection, CommandBar **out) override;
    STDMETHODIMP get_DisplayFonts(VARIANT_BOOL *out) override;
    STDMETHODIMP put_DisplayFonts(VARIANT_BOOL value) override;
    STDMETHODIMP get_DisableCustomize(VARIANT_BOOL *out) override;
    STDMETHODIMP put_DisableCustomize(VARIANT_BOOL value) override;
    STDMETHODIMP get_DisableAskAQuestionDropdown(VARIANT_BOOL *out) override;
    STDMETHODIMP put_DisableAskAQuestionDropdown(VARIANT_BOOL value) override;
    STDMETHODIMP ExecuteMso(BSTR idMso) override;
    STDMETHODIMP GetEnabledMso(BSTR idMso, VARIANT_BOOL *out) override;
    STDMETHODIMP GetVisibleMso(BSTR idMso, VARIANT_BOOL *out) override;
    STDMETHODIMP GetPressedMso(BSTR idMso, VARIANT_BOOL *out) override;
    STDMETHODIMP GetLabelMso(BSTR idMso, BSTR *out) override;
    STDMETHODIMP GetScreentipMso(BSTR idMso, BSTR *out) override;
    STDMETHODIMP GetSupertipMso(BSTR idMso, BSTR *out) override;
    STDMETHODIMP GetImageMso(BSTR idMso, long width, long height, IPictureDisp **out) override;
    STDMETHODIMP CommitRenderingTransaction(long hwnd) override;

protected:
    HRESULT QueryExtra(REFIID riid, void **ppv) noexcept override;
    void OnDisconnect() noexcept override;

private:
    HRESULT GetFlag(const wchar_t *member, bool &field, VARIANT_BOOL *out);
    HRESULT PutFlag(const wchar_t *member, bool &field, VARIANT_BOOL value);
    HRESULT NotImplemented(const wchar_t *member, const std::wstring &args = {});
    CommandBarHost &LiveHost() const;

    std::shared_ptr<CommandBarHost> host_;
    SetRef set_;
    classlib::ComPtr<IDispatch> parent_;
    bool displayTooltips_ = true, displayKeysInTooltips_ = false, largeButtons_ = false,
         adaptiveMenus_ = false;
    bool displayFonts_ = true, disableCustomize_ = false, disableAskAQuestionDropdown_ = false;
    long menuAnimationStyle_ = 0;
};

} // namespace hostsim
