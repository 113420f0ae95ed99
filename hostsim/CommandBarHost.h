// What the command-bar objects of one simulated host process share: one COM object per bar, per
// bar's control collection and per control (the same object for as long as the bar or control
// lives in this run of the host), the host's Application, and the events that reach across objects.
//
// Office reports a click to the sinks of every button object whose Tag equals the clicked
// control's Tag, in any window of the process, with the clicked control as Ctrl; that is why
// add-ins compare Ctrl's Tag with their own. A control without a tag reports only to its own
// object's sinks. Change of an edit box, drop-down list or combo box goes the same way.
//
// Objects of a deleted bar or control stay, and every call on them fails with E_FAIL, as in Office.
// After a simulated restart the objects of the earlier run are discarded (calls answer
// RPC_E_DISCONNECTED, as into a host process that has ended), and new ones stand for what survived.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <map>
#include <memory>

#include "classlib/ComPtr.h"
#include "hostsim/CommandBarModel.h"
#include "hostsim/SimObject.h"

namespace hostsim {

class CommandBarObject;
class CommandBarControlsObject;
class ControlCore;
using SetRef = std::shared_ptr<CommandBarSet>;

class CommandBarHost : public std::enable_shared_from_this<CommandBarHost> {
public:
    explicit CommandBarHost(SimWorld &world) noexcept : world_(&world) {}
    CommandBarHost(const CommandBarHost &) = delete;
    CommandBarHost &operator=(const CommandBarHost &) = delete;

    SimWorld &World() const;

    // The host's Application object and Creator code, answered by every command-bar object.
    void SetApplication(IDispatch *application) { application_.CopyFrom(application); }
    IDispatch *Application() const noexcept { return application_.Get(); }
    void SetCreator(long creator) noexcept { creator_ = creator; }
    long Creator() const noexcept { return creator_; }

    // The object standing for a bar, its control collection or a control (made on first use).
    CommandBarObject &BarObject(const SetRef &set, const BarRef &bar);
    CommandBarControlsObject &ControlsObject(const SetRef &set, const BarRef &bar);
    ControlCore &ControlObject(const SetRef &set, const ControlRef &control);
    // The bar behind one of this host's bar objects (Move's and Copy's Bar argument); null for any
    // other object.
    BarRef BarOf(IUnknown *object) const;
    // The control behind one of this host's control objects; null for any other object.
    ControlRef ControlOf(IUnknown *object) const;

    // Discards the objects of a set's earlier runs (after its Restart).
    void Sweep(const CommandBarSet &set);
    // An object leaves its world: forget it.
    void Forget(const SimObject *object) noexcept;

    // The user clicks a button: Click goes to the sinks of every button object with the same tag,
    // each seeing the CancelDefault the earlier ones left; then, unless one cancelled, the control's
    // own action runs (recorded as "DefaultAction" with its OnAction). Returns whether it ran.
    // Raises E_FAIL for a deleted or disabled control, E_INVALIDARG for one that is no button.
    bool Click(const SetRef &set, const ControlRef &control);
    // How many event connections a click of the button would reach now.
    int ClickHearers(const SetRef &set, const ControlRef &control);
    // The user changed the text or selection of a list control: Change to every object with its tag.
    void Change(const SetRef &set, const ControlRef &control);
    // The control whose action is running (CommandBars.ActionControl), or null.
    ControlRef ActionControl() const { return actionControl_; }

private:
    template <class T> struct Entry {
        SetRef set;
        std::shared_ptr<void> model;
        T *object;
        unsigned generation;
    };
    template <class T> static void ForgetIn(std::map<const void *, Entry<T>> &map, const SimObject *object);
    std::vector<ControlCore *> SameTag(const ControlModel &control, bool (*kind)(long type)) const;

    SimWorld *world_;
    classlib::ComPtr<IDispatch> application_;
    long creator_ = 0;
    std::map<const void *, Entry<CommandBarObject>> bars_;
    std::map<const void *, Entry<CommandBarControlsObject>> controlLists_;
    std::map<const void *, Entry<ControlCore>> controls_;
    ControlRef actionControl_;
};

} // namespace hostsim
