#include "hostsim/CommandBarModel.h"

#include <algorithm>
#include <cwctype>

#include "classlib/Exceptions.h"

using classlib::EOleSysError;

namespace hostsim {

namespace {

[[noreturn]] void Refuse(const std::wstring &message, HRESULT hr) {
    throw EOleSysError(message, hr);
}

std::wstring WithoutAmpersands(const std::wstring &caption) {
    std::wstring text;
    for (wchar_t c : caption)
        if (c != L'&')
            text += c;
    return text;
}

std::wstring CaptionKey(const std::wstring &caption) {
    std::wstring key;
    for (wchar_t c : caption)
        if (c != L'&')
            key += static_cast<wchar_t>(std::towupper(c));
    return key;
}

bool SameName(const std::wstring &a, const std::wstring &b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towupper(x) == std::towupper(y);
           });
}

bool Matches(const ControlModel &control, const ControlQuery &query) {
    if (query.type && control.type != *query.type)
        return false;
    if (query.id && control.id != *query.id)
        return false;
    if (query.tag && control.props.tag != *query.tag)
        return false;
    return !query.visibleOnly || control.props.visible;
}

long DefaultWidth(long type) {
    return type == msoControl::Button ? 23 : type == msoControl::Popup ? 40 : 100;
}

} // namespace

bool IsListType(long type) {
    return type == msoControl::Edit || type == msoControl::Dropdown || type == msoControl::ComboBox;
}

bool SameCaption(const std::wstring &a, const std::wstring &b) {
    return CaptionKey(a) == CaptionKey(b);
}

long ControlModel::Index() const {
    BarRef bar = parent.lock();
    if (!bar || !alive)
        return 0;
    for (size_t i = 0; i < bar->controls.size(); ++i)
        if (bar->controls[i].get() == this)
            return static_cast<long>(i + 1);
    return 0;
}

bool ForEachControl(const BarModel &bar, const std::function<bool(const ControlRef &)> &visit) {
    for (const ControlRef &control : bar.controls) {
        if (!visit(control))
            return false;
        if (control->subBar && !ForEachControl(*control->subBar, visit))
            return false;
    }
    return true;
}

// ---- Construction ----

CommandBarSet::CommandBarSet(const std::vector<BuiltInBar> &catalogue) {
    for (const BuiltInBar &entry : catalogue) {
        auto bar = std::make_shared<BarModel>();
        bar->name = bar->nameLocal = entry.name;
        bar->position = entry.position;
        bar->type = entry.type;
        bar->visible = entry.visible;
        bar->id = entry.id;
        bar->builtIn = true;
        bar->catalogue = entry.controls;
        bar->rowIndex =
            static_cast<long>(std::count_if(bars_.begin(), bars_.end(),
                                            [&](const BarRef &b) { return b->position == entry.position; })) +
            1;
        FillFromCatalogue(bar, entry.controls, false);
        bars_.push_back(bar);
    }
}

ControlRef CommandBarSet::MakeControl(long type, long id, const BarRef &parent, bool temporary) {
    auto control = std::make_shared<ControlModel>();
    control->type = type;
    control->id = id;
    control->temporary = temporary;
    control->parent = parent;
    control->instanceId = nextInstanceId_++;
    control->props.width = DefaultWidth(type);
    if (type == msoControl::Popup)
        control->subBar = MakeSubBar(control);
    control->defaults = control->props;
    return control;
}

BarRef CommandBarSet::MakeSubBar(const ControlRef &popup) {
    auto bar = std::make_shared<BarModel>();
    bar->type = msoBarType::Popup;
    bar->position = msoBarPos::Popup;
    bar->popupOwner = popup;
    bar->builtIn = popup->builtIn;
    bar->temporary = popup->temporary;
    return bar;
}

ControlRef CommandBarSet::MakeBuiltInControl(const BuiltInControl &entry, const BarRef &parent,
                                             bool temporary) {
    ControlRef control = MakeControl(entry.type, entry.id, parent, temporary);
    control->builtIn = true;
    control->props.caption = entry.caption;
    control->props.faceId = entry.type == msoControl::Button ? entry.id : 0;
    control->props.priority = 1;
    control->defaults = control->props;
    if (control->subBar) {
        control->subBar->builtIn = true;
        control->subBar->name = control->subBar->nameLocal = WithoutAmpersands(entry.caption);
        control->subBar->catalogue = entry.children;
        FillFromCatalogue(control->subBar, entry.children, temporary);
    }
    return control;
}

void CommandBarSet::FillFromCatalogue(const BarRef &bar, const std::vector<BuiltInControl> &entries,
                                      bool temporary) {
    for (const BuiltInControl &entry : entries)
        bar->controls.push_back(MakeBuiltInControl(entry, bar, temporary));
}

// ---- Bars ----

BarRef CommandBarSet::ItemByIndex(long index) const {
    if (index < 1 || index > static_cast<long>(bars_.size()))
        Refuse(L"There is no command bar with the index " + std::to_wstring(index), E_INVALIDARG);
    return bars_[index - 1];
}

BarRef CommandBarSet::FindBar(const std::wstring &name) const {
    for (const BarRef &bar : bars_)
        if (SameName(bar->name, name) || SameName(bar->nameLocal, name))
            return bar;
    return nullptr;
}

BarRef CommandBarSet::ItemByName(const std::wstring &name) const {
    BarRef bar = FindBar(name);
    if (!bar)
        Refuse(L"There is no command bar named \"" + name + L"\"", E_INVALIDARG);
    return bar;
}

long CommandBarSet::IndexOf(const BarModel &bar) const {
    for (size_t i = 0; i < bars_.size(); ++i)
        if (bars_[i].get() == &bar)
            return static_cast<long>(i + 1);
    return 0;
}

BarRef CommandBarSet::ActiveMenuBar() const {
    // The newest menu bar replaces the host's own, as a program's menu bar does in Office.
    for (auto it = bars_.rbegin(); it != bars_.rend(); ++it)
        if ((*it)->type == msoBarType::MenuBar && (*it)->enabled)
            return *it;
    return nullptr;
}

bool CommandBarSet::NameInUse(const std::wstring &name, const BarModel *except) const {
    return std::any_of(bars_.begin(), bars_.end(), [&](const BarRef &bar) {
        return bar.get() != except && (SameName(bar->name, name) || SameName(bar->nameLocal, name));
    });
}

BarRef CommandBarSet::AddBar(const std::optional<std::wstring> &name, std::optional<long> position,
                             bool menuBar, bool temporary) {
    long pos = position.value_or(msoBarPos::Floating);
    if (pos < msoBarPos::Left || pos > msoBarPos::Popup)
        Refuse(L"The command bar position " + std::to_wstring(pos) + L" is not available", E_INVALIDARG);
    std::wstring barName;
    if (name && !name->empty()) {
        barName = *name;
    } else {
        for (int n = 1; barName.empty() || NameInUse(barName, nullptr); ++n)
            barName = L"Custom " + std::to_wstring(n);
    }
    if (NameInUse(barName, nullptr))
        Refuse(L"A command bar named \"" + barName + L"\" already exists", E_INVALIDARG);

    auto bar = std::make_shared<BarModel>();
    bar->name = bar->nameLocal = barName;
    bar->temporary = temporary;
    bar->position = pos;
    if (pos == msoBarPos::Popup) {
        bar->type = msoBarType::Popup;
    } else if (menuBar) {
        bar->type = msoBarType::MenuBar;
        bar->position = msoBarPos::Top;
    }
    bar->rowIndex =
        static_cast<long>(std::count_if(bars_.begin(), bars_.end(),
                                        [&](const BarRef &b) { return b->position == bar->position; })) +
        1;
    if (pos == msoBarPos::Floating) {
        bar->left = 100;
        bar->top = 100;
    }
    bars_.push_back(bar);
    return bar;
}

void CommandBarSet::CheckBar(const BarRef &bar) const {
    if (!bar || !bar->alive)
        Refuse(L"The command bar has been deleted", E_FAIL);
}

void CommandBarSet::DeleteBar(BarRef bar) {
    CheckBar(bar);
    if (bar->builtIn)
        Refuse(L"The built-in command bar \"" + bar->name + L"\" cannot be deleted", E_FAIL);
    if (!bar->popupOwner.expired())
        Refuse(L"A popup's command bar is deleted with its popup", E_FAIL);
    bars_.erase(std::remove(bars_.begin(), bars_.end(), bar), bars_.end());
    KillBar(bar);
}

void CommandBarSet::ResetBar(const BarRef &bar) {
    CheckBar(bar);
    if (!bar->builtIn)
        return; // a program's own bar has no original state to go back to
    for (const ControlRef &control : bar->controls)
        Kill(control);
    bar->controls.clear();
    bar->sessionDeleted.clear();
    FillFromCatalogue(bar, bar->catalogue, bar->temporary);
}

void CommandBarSet::SetBarName(const BarRef &bar, const std::wstring &name) {
    CheckBar(bar);
    if (bar->builtIn)
        Refuse(L"A built-in command bar cannot be renamed", E_FAIL);
    if (name.empty())
        Refuse(L"A command bar needs a name", E_INVALIDARG);
    if (NameInUse(name, bar.get()))
        Refuse(L"A command bar named \"" + name + L"\" already exists", E_INVALIDARG);
    bar->name = name;
}

void CommandBarSet::SetBarEnabled(const BarRef &bar, bool enabled) {
    CheckBar(bar);
    bar->enabled = enabled;
    if (!enabled)
        bar->visible = false;
}

void CommandBarSet::SetBarVisible(const BarRef &bar, bool visible) {
    CheckBar(bar);
    if (visible && bar->type == msoBarType::Popup)
        Refuse(L"A popup command bar is shown with ShowPopup", E_FAIL);
    if (visible && !bar->enabled)
        Refuse(L"A disabled command bar cannot be made visible", E_FAIL);
    bar->visible = visible;
}

void CommandBarSet::SetBarPosition(const BarRef &bar, long position) {
    CheckBar(bar);
    if (position < msoBarPos::Left || position > msoBarPos::Popup)
        Refuse(L"The command bar position " + std::to_wstring(position) + L" is not available", E_INVALIDARG);
    if ((bar->type == msoBarType::Popup) != (position == msoBarPos::Popup))
        Refuse(L"A command bar cannot change between popup and toolbar", E_FAIL);
    if (bar->type == msoBarType::MenuBar && position == msoBarPos::Floating)
        bar->left = bar->top = 100;
    bar->position = position;
}

void CommandBarSet::SetBarProtection(const BarRef &bar, long protection) {
    CheckBar(bar);
    if (protection < 0 || protection > 127)
        Refuse(L"The protection " + std::to_wstring(protection) + L" is not a combination of bar protections",
               E_INVALIDARG);
    bar->protection = protection;
}

void CommandBarSet::SetBarRowIndex(const BarRef &bar, long rowIndex) {
    CheckBar(bar);
    if (rowIndex < -1)
        Refuse(L"The row index " + std::to_wstring(rowIndex) + L" is not valid", E_INVALIDARG);
    if (rowIndex == 0) {
        rowIndex = 1;
    } else if (rowIndex == -1) {
        rowIndex = 1;
        for (const BarRef &other : bars_)
            if (other != bar && other->position == bar->position)
                rowIndex = std::max(rowIndex, other->rowIndex + 1);
    }
    bar->rowIndex = rowIndex;
}

// ---- Finding ----

ControlRef CommandBarSet::FindControl(const ControlQuery &query) const {
    for (const BarRef &bar : bars_) {
        if (query.visibleOnly && !bar->Shown())
            continue;
        if (ControlRef found = FindControl(*bar, query, true))
            return found;
    }
    return nullptr;
}

ControlRef CommandBarSet::FindControl(const BarModel &bar, const ControlQuery &query, bool recursive) const {
    if (query.visibleOnly && !bar.Shown())
        return nullptr;
    for (const ControlRef &control : bar.controls) {
        if (Matches(*control, query))
            return control;
        // Controls inside a popup count as visible only while its menu is open, which it never is here.
        if (recursive && control->subBar && !query.visibleOnly)
            if (ControlRef found = FindControl(*control->subBar, query, true))
                return found;
    }
    return nullptr;
}

// ---- Controls ----

void CommandBarSet::CheckControl(const ControlRef &control) {
    if (!control || !control->alive)
        Refuse(L"The command bar control has been deleted", E_FAIL);
}

void CommandBarSet::Insert(const BarRef &bar, const ControlRef &control, std::optional<long> before) {
    long count = static_cast<long>(bar->controls.size());
    long at = before.value_or(count + 1);
    if (at < 1 || at > count + 1)
        Refuse(L"The position " + std::to_wstring(at) + L" is outside the bar's " + std::to_wstring(count) +
                   L" controls",
               E_INVALIDARG);
    bar->controls.insert(bar->controls.begin() + (at - 1), control);
    control->parent = bar;
}

void CommandBarSet::Remove(const ControlRef &control) {
    if (BarRef bar = control->Parent())
        bar->controls.erase(std::remove(bar->controls.begin(), bar->controls.end(), control),
                            bar->controls.end());
}

void CommandBarSet::Kill(const ControlRef &control) {
    control->alive = false;
    if (control->subBar)
        KillBar(control->subBar);
}

void CommandBarSet::SetAlive(const ControlRef &control, bool alive) {
    control->alive = alive;
    if (control->subBar) {
        control->subBar->alive = alive;
        for (const ControlRef &child : control->subBar->controls)
            SetAlive(child, alive);
    }
}

void CommandBarSet::KillBar(const BarRef &bar) {
    bar->alive = false;
    for (const ControlRef &control : bar->controls)
        Kill(control);
    for (auto &[index, control] : bar->sessionDeleted)
        Kill(control);
    bar->sessionDeleted.clear();
}

ControlRef CommandBarSet::AddControl(const BarRef &bar, std::optional<long> type, std::optional<long> id,
                                     const std::optional<std::wstring> &parameter, std::optional<long> before,
                                     bool temporary) {
    CheckBar(bar);
    long controlId = id.value_or(CustomControlId);
    ControlRef control;
    if (controlId == CustomControlId) {
        long controlType = type.value_or(msoControl::Button);
        if (controlType != msoControl::Button && !IsListType(controlType) && controlType != msoControl::Popup)
            Refuse(L"Controls of type " + std::to_wstring(controlType) + L" cannot be added", E_INVALIDARG);
        control = MakeControl(controlType, CustomControlId, bar, temporary || bar->temporary);
    } else {
        // A built-in control keeps its own type whatever Type says, as in Office.
        const BuiltInControl *entry = nullptr;
        std::function<void(const std::vector<BuiltInControl> &)> look = [&](const auto &list) {
            for (const BuiltInControl &e : list) {
                if (entry)
                    return;
                if (e.id == controlId)
                    entry = &e;
                else
                    look(e.children);
            }
        };
        for (const BarRef &b : bars_)
            look(b->catalogue);
        if (!entry)
            Refuse(L"There is no built-in control with the Id " + std::to_wstring(controlId), E_INVALIDARG);
        control = MakeBuiltInControl(*entry, bar, temporary || bar->temporary);
    }
    if (parameter)
        control->props.parameter = control->defaults.parameter = *parameter;
    Insert(bar, control, before);
    return control;
}

void CommandBarSet::DeleteControl(ControlRef control, bool temporary) {
    CheckControl(control);
    BarRef bar = control->Parent();
    long index = control->Index();
    Remove(control);
    if (temporary && !control->temporary && bar) {
        // Gone for this session only: the host shows it again after its next start.
        bar->sessionDeleted.emplace_back(index, control);
        SetAlive(control, false);
        return;
    }
    Kill(control);
}

void CommandBarSet::UserDeleteControl(ControlRef control) {
    CheckControl(control);
    if (BarRef bar = control->Parent(); bar && (bar->protection & 1) != 0)
        Refuse(L"The command bar \"" + bar->name + L"\" is protected against customisation", E_FAIL);
    Remove(control);
    Kill(control);
}

ControlRef CommandBarSet::MoveControl(ControlRef control, const BarRef &toBar, std::optional<long> before) {
    CheckControl(control);
    BarRef target = toBar ? toBar : control->Parent();
    CheckBar(target);
    for (BarRef b = target; b;) { // a popup cannot go into its own menu
        ControlRef owner = b->popupOwner.lock();
        if (owner == control)
            Refuse(L"A popup cannot be moved into itself", E_INVALIDARG);
        b = owner ? owner->Parent() : nullptr;
    }
    BarRef from = control->Parent();
    long count = static_cast<long>(target->controls.size()) - (from == target ? 1 : 0);
    long at = before.value_or(count + 1);
    // Before counts positions as they are before the move: moving a control further down its own bar
    // lands it just before the control that was at Before.
    if (from == target && before && *before > control->Index())
        --at;
    if (at < 1 || at > count + 1)
        Refuse(L"The position " + std::to_wstring(before.value_or(at)) + L" is outside the bar",
               E_INVALIDARG);
    Remove(control);
    target->controls.insert(target->controls.begin() + (at - 1), control);
    control->parent = target;
    return control;
}

ControlRef CommandBarSet::CloneInto(const ControlRef &source, const BarRef &toBar,
                                    std::optional<long> before) {
    ControlRef copy = MakeControl(source->type, source->id, toBar, toBar->temporary);
    copy->builtIn = source->builtIn;
    copy->props = source->props;
    copy->defaults = source->defaults;
    if (source->subBar) {
        copy->subBar->builtIn = source->subBar->builtIn;
        copy->subBar->catalogue = source->subBar->catalogue;
        for (const ControlRef &child : source->subBar->controls)
            CloneInto(child, copy->subBar, std::nullopt);
    }
    Insert(toBar, copy, before);
    return copy;
}

ControlRef CommandBarSet::CopyControl(ControlRef control, const BarRef &toBar, std::optional<long> before) {
    CheckControl(control);
    BarRef target = toBar ? toBar : control->Parent();
    CheckBar(target);
    return CloneInto(control, target, before);
}

void CommandBarSet::ResetControl(ControlRef control) {
    CheckControl(control);
    if (!control->builtIn)
        return; // a program's control has no original state
    ControlProps keep = control->props;
    control->props = control->defaults;
    control->props.tag = keep.tag; // Reset restores function and face, not the program's tag
}

// ---- Restart ----

void CommandBarSet::PurgeTemporary(const BarRef &bar) {
    for (const ControlRef &control : bar->controls) {
        if (control->temporary)
            Kill(control);
        else if (control->subBar)
            PurgeTemporary(control->subBar);
    }
    std::erase_if(bar->controls, [](const ControlRef &control) { return !control->alive; });
}

void CommandBarSet::RestoreSessionDeleted(const BarRef &bar) {
    // Back in the order they were deleted, each at its old place as far as the bar still reaches.
    for (auto &[index, control] : bar->sessionDeleted) {
        long at = std::min<long>(index, static_cast<long>(bar->controls.size()) + 1);
        SetAlive(control, true);
        bar->controls.insert(bar->controls.begin() + (std::max(at, 1L) - 1), control);
        control->parent = bar;
    }
    bar->sessionDeleted.clear();
    for (const ControlRef &control : bar->controls)
        if (control->subBar)
            RestoreSessionDeleted(control->subBar);
}

void CommandBarSet::Restart() {
    for (const BarRef &bar : bars_)
        if (bar->temporary)
            KillBar(bar);
    std::erase_if(bars_, [](const BarRef &bar) { return !bar->alive; });
    for (const BarRef &bar : bars_) {
        PurgeTemporary(bar);
        RestoreSessionDeleted(bar);
    }
    ++generation_;
}

} // namespace hostsim
