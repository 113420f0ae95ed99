#include "officesim/CommandBarView.h"

#include <functional>

#include "classlib/Format.h"
#include "hostsim/CommandBarsObject.h"
#include "officesim/CrashGuard.h"
#include "officesim/Script.h"

using hostsim::BarModel;
using hostsim::ControlModel;
using hostsim::ControlRef;

namespace officesim {

namespace {

hostsim::CommandBarsObject &SimBars(IUnknown *commandBars) {
    auto *bars = dynamic_cast<hostsim::CommandBarsObject *>(hostsim::SimObject::FromUnknown(commandBars));
    if (bars == nullptr)
        throw EScriptError(L"the window has no command bars");
    return *bars;
}

const wchar_t *PositionName(long position) {
    static const wchar_t *const names[] = {L"left",     L"top",   L"right",   L"bottom",
                                           L"floating", L"popup", L"menu bar"};
    return position >= 0 && position <= 6 ? names[position] : L"?";
}

const wchar_t *TypeName(long type) {
    switch (type) {
    case hostsim::msoControl::Button:
        return L"button";
    case hostsim::msoControl::Edit:
        return L"edit box";
    case hostsim::msoControl::Dropdown:
        return L"drop-down list";
    case hostsim::msoControl::ComboBox:
        return L"combo box";
    case hostsim::msoControl::Popup:
        return L"popup";
    default:
        return L"control";
    }
}

std::wstring DescribeControl(const ControlModel &control) {
    const hostsim::ControlProps &p = control.props;
    std::wstring text = std::wstring(TypeName(control.type)) + L" " + Quoted(p.caption);
    if (!p.tag.empty())
        text += L" tag " + Quoted(p.tag);
    if (control.builtIn)
        text += classlib::Format(L" (built-in Id %d)", {control.id});
    if (!p.onAction.empty())
        text += L" OnAction " + Quoted(p.onAction);
    if (p.faceId != 0)
        text += classlib::Format(L" FaceId %d", {p.faceId});
    if (p.picture)
        text += L" with a picture";
    if (hostsim::IsListType(control.type)) {
        std::wstring items;
        for (const std::wstring &item : p.items)
            items += (items.empty() ? L"" : L", ") + Quoted(item);
        text += L" items [" + items + L"] text " + Quoted(p.text);
    }
    if (!p.visible)
        text += L" hidden";
    if (!p.enabled)
        text += L" disabled";
    if (control.temporary)
        text += L" temporary";
    return text;
}

void DescribeControls(const BarModel &bar, bool addInsOnly, const std::wstring &indent,
                      std::vector<std::wstring> &lines) {
    for (const ControlRef &control : bar.controls) {
        if (!control->alive || (addInsOnly && control->builtIn))
            continue;
        lines.push_back(indent + DescribeControl(*control));
        if (control->subBar)
            DescribeControls(*control->subBar, false, indent + L"  ", lines);
    }
}

bool HasAddInControl(const BarModel &bar) {
    bool found = false;
    hostsim::ForEachControl(bar, [&](const ControlRef &control) {
        found = control->alive && !control->builtIn;
        return !found;
    });
    return found;
}

// The first alive button matching test, the add-ins' own before built-in ones.
ControlRef FindButton(hostsim::CommandBarSet &set, const std::function<bool(const ControlModel &)> &test) {
    for (bool builtIn : {false, true})
        for (const hostsim::BarRef &bar : set.Bars()) {
            ControlRef match;
            hostsim::ForEachControl(*bar, [&](const ControlRef &control) {
                if (control->alive && control->builtIn == builtIn &&
                    control->type == hostsim::msoControl::Button && test(*control))
                    match = control;
                return !match;
            });
            if (match)
                return match;
        }
    return nullptr;
}

} // namespace

std::vector<std::wstring> DescribeAddInBars(IUnknown *commandBars) {
    std::vector<std::wstring> lines;
    for (const hostsim::BarRef &bar : SimBars(commandBars).Set().Bars()) {
        if (!bar->alive || (bar->builtIn && !HasAddInControl(*bar)))
            continue;
        std::wstring head = L"bar " + Quoted(bar->name) + L" (" + (bar->builtIn ? L"built in, " : L"") +
                            PositionName(bar->position) + (bar->visible ? L", visible" : L", hidden") +
                            (bar->enabled ? L"" : L", disabled") + (bar->temporary ? L", temporary" : L"") +
                            L")";
        lines.push_back(head);
        DescribeControls(*bar, bar->builtIn, L"  ", lines);
    }
    return lines;
}

void ClickBarButton(IUnknown *commandBars, const std::wstring &what, const std::wstring &windowName,
                    Transcript &transcript) {
    hostsim::CommandBarsObject &bars = SimBars(commandBars);
    ControlRef button = FindButton(
        bars.Set(), [&](const ControlModel &c) { return hostsim::SameCaption(c.props.caption, what); });
    if (!button)
        button = FindButton(
            bars.Set(), [&](const ControlModel &c) { return !c.props.tag.empty() && c.props.tag == what; });
    if (!button && !what.empty() && what.find_first_not_of(L"0123456789") == std::wstring::npos)
        button = FindButton(bars.Set(), [&](const ControlModel &c) { return c.id == _wtol(what.c_str()); });
    if (!button)
        throw EScriptError(L"no button " + Quoted(what) + L" in the command bars of " + windowName);
    if (!button->props.visible)
        throw EScriptError(L"the button " + Quoted(what) + L" is hidden");
    transcript.Line(L"click on " + DescribeControl(*button));
    const int hearers = bars.ClickHearers(button);
    bool ran;
    try {
        Activity activity(L"the Click event of " + Quoted(button->props.caption) + L" in " + windowName);
        ran = bars.UserClick(button);
    } catch (const classlib::Exception &e) {
        throw EScriptError(L"the button cannot be clicked: " + e.Message());
    }
    transcript.Heard(L"Click", hearers, L"the button");
    transcript.Line(ran ? L"the button's own action ran"
                        : L"an event sink cancelled the button's own action");
    transcript.Line(L"now: " + DescribeControl(*button));
}

} // namespace officesim
