#include "hostsim/CommandBarHost.h"

#include <algorithm>

#include "classlib/Exceptions.h"
#include "hostsim/CommandBarButtonObject.h"
#include "hostsim/CommandBarComboBoxObject.h"
#include "hostsim/CommandBarControlsObject.h"
#include "hostsim/CommandBarObject.h"
#include "hostsim/CommandBarPopupObject.h"
#include "hostsim/SimConnectionPoints.h"

using classlib::ComPtr;
using classlib::EOleSysError;

namespace hostsim {

namespace {

bool IsButton(long type) {
    return type == msoControl::Button;
}

// A sink earlier in the same event may have deleted a control or ended its object.
bool Reachable(const ControlCore &target) {
    return target.Self().Connected() && target.Model()->alive;
}

// Keeps ActionControl pointing at the control whose action runs, also when a sink throws.
class ActionScope {
public:
    ActionScope(ControlRef &slot, ControlRef control)
        : slot_(slot), previous_(std::exchange(slot, control)) {}
    ~ActionScope() { slot_ = std::move(previous_); }
    ActionScope(const ActionScope &) = delete;
    ActionScope &operator=(const ActionScope &) = delete;

private:
    ControlRef &slot_;
    ControlRef previous_;
};

} // namespace

SimWorld &CommandBarHost::World() const {
    if (world_ == nullptr)
        throw EOleSysError(L"The host has ended", RPC_E_DISCONNECTED);
    return *world_;
}

CommandBarObject &CommandBarHost::BarObject(const SetRef &set, const BarRef &bar) {
    auto found = bars_.find(bar.get());
    if (found != bars_.end())
        return *found->second.object;
    auto *object = World().Create<CommandBarObject>(shared_from_this(), set, bar);
    bars_[bar.get()] = {set, bar, object, set->Generation()};
    return *object;
}

CommandBarControlsObject &CommandBarHost::ControlsObject(const SetRef &set, const BarRef &bar) {
    auto found = controlLists_.find(bar.get());
    if (found != controlLists_.end())
        return *found->second.object;
    std::wstring name = BarObject(set, bar).Name() + L".Controls";
    auto *object = World().Create<CommandBarControlsObject>(shared_from_this(), set, bar);
    object->SetName(std::move(name));
    controlLists_[bar.get()] = {set, bar, object, set->Generation()};
    return *object;
}

ControlCore &CommandBarHost::ControlObject(const SetRef &set, const ControlRef &control) {
    auto found = controls_.find(control.get());
    if (found != controls_.end())
        return *found->second.object;
    ControlCore *core;
    if (control->type == msoControl::Button)
        core = &World().Create<CommandBarButtonObject>(shared_from_this(), set, control)->Core();
    else if (IsListType(control->type))
        core = &World().Create<CommandBarComboBoxObject>(shared_from_this(), set, control)->Core();
    else
        core = &World().Create<CommandBarPopupObject>(shared_from_this(), set, control)->Core();
    controls_[control.get()] = {set, control, core, set->Generation()};
    return *core;
}

BarRef CommandBarHost::BarOf(IUnknown *object) const {
    SimObject *sim = SimObject::FromUnknown(object);
    for (const auto &[model, entry] : bars_)
        if (entry.object == sim)
            return entry.object->Model();
    return nullptr;
}

ControlRef CommandBarHost::ControlOf(IUnknown *object) const {
    SimObject *sim = SimObject::FromUnknown(object);
    for (const auto &[model, entry] : controls_)
        if (&entry.object->Self() == sim)
            return entry.object->Model();
    return nullptr;
}

template <class T>
void CommandBarHost::ForgetIn(std::map<const void *, Entry<T>> &map, const SimObject *object) {
    for (auto it = map.begin(); it != map.end(); ++it) {
        const SimObject *held;
        if constexpr (std::is_same_v<T, ControlCore>)
            held = &it->second.object->Self();
        else
            held = it->second.object;
        if (held == object) {
            map.erase(it);
            return;
        }
    }
}

void CommandBarHost::Forget(const SimObject *object) noexcept {
    ForgetIn(bars_, object);
    ForgetIn(controlLists_, object);
    ForgetIn(controls_, object);
}

void CommandBarHost::Sweep(const CommandBarSet &set) {
    // Discarding makes the objects forget themselves here: collect them first.
    std::vector<SimObject *> stale;
    auto collect = [&](auto &map, auto self) {
        for (auto &[model, entry] : map)
            if (entry.set.get() == &set && entry.generation != set.Generation())
                stale.push_back(self(entry.object));
    };
    collect(bars_, [](CommandBarObject *o) -> SimObject * { return o; });
    collect(controlLists_, [](CommandBarControlsObject *o) -> SimObject * { return o; });
    collect(controls_, [](ControlCore *o) -> SimObject * { return &o->Self(); });
    for (SimObject *object : stale)
        World().Discard(object);
}

std::vector<ControlCore *> CommandBarHost::SameTag(const ControlModel &control,
                                                   bool (*kind)(long type)) const {
    std::vector<ControlCore *> targets;
    for (const auto &[model, entry] : controls_) {
        const ControlModel &other = *entry.object->Model();
        bool same =
            &other == &control || (!control.props.tag.empty() && other.props.tag == control.props.tag);
        if (same && &other != &control && other.alive && kind(other.type) &&
            entry.generation == entry.set->Generation())
            targets.push_back(entry.object);
    }
    // The objects in the order they were made, so that events arrive in a stable order.
    std::sort(targets.begin(), targets.end(),
              [](ControlCore *a, ControlCore *b) { return a->Model()->instanceId < b->Model()->instanceId; });
    return targets;
}

bool CommandBarHost::Click(const SetRef &set, const ControlRef &control) {
    if (!control->alive)
        throw EOleSysError(L"The command bar control has been deleted", E_FAIL);
    if (control->type != msoControl::Button)
        throw EOleSysError(L"Only a button can be clicked", E_INVALIDARG);
    if (!control->props.enabled)
        throw EOleSysError(L"A disabled button cannot be clicked", E_FAIL);
    ControlCore &clicked = ControlObject(set, control);
    // The clicked control's own object first, then the other objects with its tag.
    std::vector<ControlCore *> targets = SameTag(*control, IsButton);
    targets.insert(targets.begin(), &clicked);
    std::vector<ComPtr<IUnknown>> keep; // a sink may delete controls or release objects meanwhile
    for (ControlCore *target : targets)
        keep.push_back(ComPtr<IUnknown>::Copy(target->Self().Identity()));

    ActionScope action(actionControl_, control);
    VARIANT_BOOL cancel = VARIANT_FALSE;
    for (ControlCore *target : targets)
        if (Reachable(*target))
            target->Self().Events().Fire(DIID__CommandBarButtonEvents, 1,
                                         {EventArg(&clicked.Self()), EventArg::Ref(&cancel)});
    if (cancel != VARIANT_FALSE)
        return false;
    clicked.Self().Log().Record(clicked.Self().Name(), L"DefaultAction",
                                L"'" + control->props.onAction + L"'");
    return true;
}

int CommandBarHost::ClickHearers(const SetRef &set, const ControlRef &control) {
    if (!control->alive || control->type != msoControl::Button)
        return 0;
    ControlCore &clicked = ControlObject(set, control);
    std::vector<ControlCore *> targets = SameTag(*control, IsButton);
    targets.insert(targets.begin(), &clicked);
    int hearers = 0;
    for (ControlCore *target : targets)
        if (Reachable(*target) && target->Self().HasEvents())
            hearers += target->Self().Events().SinkCount(DIID__CommandBarButtonEvents);
    return hearers;
}

void CommandBarHost::Change(const SetRef &set, const ControlRef &control) {
    if (!control->alive)
        throw EOleSysError(L"The command bar control has been deleted", E_FAIL);
    if (!IsListType(control->type))
        throw EOleSysError(L"Only an edit box, drop-down list or combo box changes", E_INVALIDARG);
    ControlCore &changed = ControlObject(set, control);
    std::vector<ControlCore *> targets = SameTag(*control, IsListType);
    targets.insert(targets.begin(), &changed);
    std::vector<ComPtr<IUnknown>> keep;
    for (ControlCore *target : targets)
        keep.push_back(ComPtr<IUnknown>::Copy(target->Self().Identity()));

    ActionScope action(actionControl_, control);
    for (ControlCore *target : targets)
        if (Reachable(*target))
            target->Self().Events().Fire(DIID__CommandBarComboBoxEvents, 1, {EventArg(&changed.Self())});
}

} // namespace hostsim
