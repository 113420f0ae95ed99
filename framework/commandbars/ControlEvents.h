// Where Office's events of a bound control come in. Office reports a button's Click and a list
// control's Change through connection points of the live Office control; a sink advised there calls
// the control's DoAction. A button or list control holds one TzidControlEvents: while it is bound,
// the connection holds exactly one advised sink, listed in the module's EventSinks; binding to
// another Office control, unbinding and freeing the control drop that sink and take it out of the
// list, so that no later event can reach a control that is gone. A binding to the same Office
// control again keeps the sink. An advice Office refuses to take back lingers, inert, under the
// control (classlib/ConnectionPoints.h) and is tried again at the control's next unbind.
//
// The sink object itself is made by the factory installed with SetControlEventSinkFactory: Office's
// connection points (OfficeEventSinks.h) unless another is installed; with an empty one a bound
// control carries no events.
#pragma once
#include <windows.h>

#include <unknwn.h>

#include <functional>
#include <memory>

namespace framework {

class TzidCOMAddInModule;
class TzidCommandBarControl;

// One advice on one Office control.
class IzidControlEventSink {
public:
    virtual ~IzidControlEventSink() = default;
    // Drops the advice (one Office refuses lingers under the control); never raises (the Office
    // control may be gone already).
    virtual void Disconnect() noexcept = 0;
};

// Advises a new sink on Control's bound Office control (a button's ButtonInterface, a list
// control's ComboBoxInterface) that calls Control.DoAction with errors going to Module.DoError;
// raises when the advice fails.
using TzidControlEventSinkFactory = std::function<std::unique_ptr<IzidControlEventSink>(
    TzidCOMAddInModule &Module, TzidCommandBarControl &Control)>;

// Installs the factory for every control bound from now on (an empty one: no sinks); answers the
// one installed before.
TzidControlEventSinkFactory SetControlEventSinkFactory(TzidControlEventSinkFactory Factory);

class TzidControlEvents {
public:
    TzidControlEvents() = default;
    ~TzidControlEvents() { Disconnect(); }
    TzidControlEvents(const TzidControlEvents &) = delete;
    TzidControlEvents &operator=(const TzidControlEvents &) = delete;

    // Drops any earlier sink, then advises a new one for Control and lists it in Module's EventSinks.
    // A failing advice raises with nothing connected.
    void Connect(TzidCOMAddInModule &Module, TzidCommandBarControl &Control);
    // Tries again the advices of this control that Office refused earlier, then drops the sink and
    // takes it out of the module's list.
    void Disconnect() noexcept;
    // Follows Control's binding from the Office control Old to New (either may be null): a sink on
    // the same Office control (same COM identity) stays; otherwise the sink is dropped and, when New
    // is set and there is a Module, a new one advised (see Connect).
    void Follow(TzidCOMAddInModule *Module, TzidCommandBarControl &Control, IUnknown *Old, IUnknown *New);
    IzidControlEventSink *Sink() const noexcept { return sink_.get(); }

private:
    // Drops the sink and takes it out of the module's list.
    void DropSink() noexcept;

    TzidCOMAddInModule *module_ = nullptr;
    const void *control_ = nullptr; // the key of the control's lingering advices
    std::unique_ptr<IzidControlEventSink> sink_;
};

} // namespace framework
