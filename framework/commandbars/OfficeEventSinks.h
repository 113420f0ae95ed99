// The sinks advised on Office's command-bar connection points.
//
// TzidEventSink carries one bound button's Click or one list control's Change into the control's
// DoAction. Office reports a click to every button object that shares the clicked control's Tag, so
// the sink first checks that the clicked control is its own (by Tag, or by COM identity when the Tag
// cannot be read); when its bound Office object no longer answers it rebinds the control to the
// clicked one. Whatever the handler raises goes to the module's DoError; Office always gets S_OK once
// the call itself is well formed.
//
// TzidCommandBarsEventSink answers the host CommandBars' OnUpdate; nothing of the framework reacts
// to it.
#pragma once
#include <memory>

#include "classlib/ComPtr.h"
#include "classlib/EventSink.h"
#include "framework/commandbars/ControlEvents.h"
#include "office/office.h"

namespace framework {

class TzidEventSink : public classlib::TEventSinkBase {
public:
    // Advises a new sink on Control's bound Office control (button events for an Office button,
    // list events otherwise); a failure is written to the debugger output and raised.
    static classlib::ComPtr<TzidEventSink> Create1(TzidCOMAddInModule &Module,
                                                   TzidCommandBarControl &Control);

    TzidEventSink(REFIID EventIID, TzidCOMAddInModule &Module, TzidCommandBarControl &Control) noexcept
        : TEventSinkBase(EventIID), module_(&Module), control_(&Control) {}

    // Forgets module and control, so that a call still under way or arriving late reaches neither,
    // and drops the advice (one Office refuses lingers under the control, see ControlEvents.h).
    void Detach() noexcept override;
    bool InEvent() const noexcept { return inEvent_; }

    // "Click" for a button, "Change" for an edit box or list; the exact name only.
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid,
                                            DISPID *ids) override;

protected:
    HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                     VARIANT *result) override;

private:
    bool IsOwnControl(TzidCommandBarControl &Control, const classlib::ComPtr<CommandBarControl> &Ctrl) const;
    static void EnsureBound(TzidCommandBarControl &Control, const classlib::ComPtr<CommandBarControl> &Ctrl);

    TzidCOMAddInModule *module_;
    TzidCommandBarControl *control_;
    bool inEvent_ = false;
};

class TzidCommandBarsEventSink : public classlib::TEventSinkBase {
public:
    // Advises a new sink on CommandBars; a failing advice raises.
    static classlib::ComPtr<TzidCommandBarsEventSink>
    Create(TzidCOMAddInModule &Module, const classlib::ComPtr<_CommandBars> &CommandBars);
    TzidCommandBarsEventSink(TzidCOMAddInModule &Module, const classlib::ComPtr<_CommandBars> &CommandBars);

    // Drops the advice and lets go of the host's CommandBars; never raises.
    void Detach() noexcept override;

    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID lcid,
                                            DISPID *ids) override;

protected:
    HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                     VARIANT *result) override;

private:
    TzidCOMAddInModule *module_;
    classlib::ComPtr<_CommandBars> commandBars_;
};

// The factory of control event sinks the framework runs with (see SetControlEventSinkFactory).
std::unique_ptr<IzidControlEventSink> MakeOfficeControlEventSink(TzidCOMAddInModule &Module,
                                                                 TzidCommandBarControl &Control);

} // namespace framework
