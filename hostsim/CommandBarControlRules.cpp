#include "hostsim/CommandBarControlRules.h"

#include <algorithm>

#include "classlib/Exceptions.h"

using classlib::EOleSysError;

namespace hostsim::rules {

namespace {

void BadValue(const wchar_t *property, long value) {
    throw EOleSysError(std::wstring(L"The value ") + std::to_wstring(value) + L" is not valid for " +
                           property,
                       E_INVALIDARG);
}

long ItemCount(const ControlModel &control) {
    return static_cast<long>(control.props.items.size());
}

void CheckIndex(const ControlModel &control, long index) {
    if (index < 1 || index > ItemCount(control))
        throw EOleSysError(L"The list has no item " + std::to_wstring(index) + L" (it has " +
                               std::to_wstring(ItemCount(control)) + L")",
                           E_INVALIDARG);
}

void CheckOwnList(const ControlModel &control, const wchar_t *operation) {
    if (control.type == msoControl::Edit)
        throw EOleSysError(std::wstring(operation) + L" needs a list: an edit box has none", E_FAIL);
    if (control.builtIn)
        throw EOleSysError(std::wstring(operation) + L" cannot change the list of a built-in control",
                           E_FAIL);
}

} // namespace

void SetPriority(ControlModel &control, long priority) {
    if (priority < 0 || priority > 7)
        BadValue(L"Priority", priority);
    control.props.priority = priority;
}

void SetSize(long &field, long value) {
    if (value < 0)
        BadValue(L"a size", value);
    field = value;
}

void SetOleUsage(ControlModel &control, long usage) {
    if (usage < 0 || usage > 3)
        BadValue(L"OLEUsage", usage);
    control.props.oleUsage = usage;
}

void SetState(ControlModel &control, long state) {
    if (state != 0 && state != -1 && state != 2)
        BadValue(L"State", state);
    control.props.state = state;
}

void SetButtonStyle(ControlModel &control, long style) {
    static const long valid[] = {0, 1, 2, 3, 7, 11, 14, 15};
    if (std::find(std::begin(valid), std::end(valid), style) == std::end(valid))
        BadValue(L"Style", style);
    control.props.style = style;
}

void SetHyperlinkType(ControlModel &control, long type) {
    if (type < 0 || type > 2)
        BadValue(L"HyperlinkType", type);
    control.props.hyperlinkType = type;
}

void SetFaceId(ControlModel &control, long faceId) {
    if (faceId < 0)
        BadValue(L"FaceId", faceId);
    control.props.faceId = faceId;
    control.props.picture = nullptr;
    control.props.mask = nullptr;
}

void SetBuiltInFace(ControlModel &control, bool builtInFace) {
    if (!builtInFace)
        throw EOleSysError(L"BuiltInFace can only be set to True", E_INVALIDARG);
    control.props.faceId = control.defaults.faceId;
    control.props.picture = nullptr;
    control.props.mask = nullptr;
}

void SetPicture(ControlModel &control, IPictureDisp *picture) {
    control.props.picture.CopyFrom(picture);
    control.props.faceId = 0;
}

void SetMask(ControlModel &control, IPictureDisp *mask) {
    control.props.mask.CopyFrom(mask);
}

void AddItem(ControlModel &control, const std::wstring &text, std::optional<long> index) {
    CheckOwnList(control, L"AddItem");
    long at = index.value_or(ItemCount(control) + 1);
    if (at < 1 || at > ItemCount(control) + 1)
        throw EOleSysError(L"An item cannot be added at " + std::to_wstring(at), E_INVALIDARG);
    auto &props = control.props;
    props.items.insert(props.items.begin() + (at - 1), text);
    if (props.listIndex >= at)
        ++props.listIndex; // the same item stays selected
}

void RemoveItem(ControlModel &control, long index) {
    CheckOwnList(control, L"RemoveItem");
    CheckIndex(control, index);
    auto &props = control.props;
    props.items.erase(props.items.begin() + (index - 1));
    if (props.listIndex == index)
        props.listIndex = 0;
    else if (props.listIndex > index)
        --props.listIndex; // the same item stays selected
    if (props.listHeaderCount > ItemCount(control))
        props.listHeaderCount = ItemCount(control);
}

void ClearItems(ControlModel &control) {
    if (control.builtIn)
        throw EOleSysError(L"Clear cannot change the list of a built-in control", E_FAIL);
    control.props.items.clear();
    control.props.listIndex = 0;
    control.props.listHeaderCount = -1;
}

const std::wstring &ListItem(const ControlModel &control, long index) {
    CheckIndex(control, index);
    return control.props.items[index - 1];
}

void SetListItem(ControlModel &control, long index, const std::wstring &text) {
    CheckOwnList(control, L"List");
    CheckIndex(control, index);
    control.props.items[index - 1] = text;
    if (control.props.listIndex == index)
        control.props.text = text;
}

void SetListIndex(ControlModel &control, long index) {
    if (index < 0 || index > ItemCount(control))
        BadValue(L"ListIndex", index);
    control.props.listIndex = index;
    if (index > 0)
        control.props.text = control.props.items[index - 1];
}

void SetText(ControlModel &control, const std::wstring &text) {
    auto &props = control.props;
    props.text = text;
    auto it = std::find(props.items.begin(), props.items.end(), text);
    props.listIndex = it == props.items.end() ? 0 : static_cast<long>(it - props.items.begin()) + 1;
}

void SetComboStyle(ControlModel &control, long style) {
    if (style != 0 && style != 1)
        BadValue(L"Style", style);
    control.props.comboStyle = style;
}

void SetDropDownLines(ControlModel &control, long lines) {
    if (lines < 0)
        BadValue(L"DropDownLines", lines);
    control.props.dropDownLines = lines;
}

void SetDropDownWidth(ControlModel &control, long width) {
    if (width < -1)
        BadValue(L"DropDownWidth", width);
    control.props.dropDownWidth = width;
}

void SetListHeaderCount(ControlModel &control, long count) {
    if (count < -1 || count > ItemCount(control))
        BadValue(L"ListHeaderCount", count);
    control.props.listHeaderCount = count;
}

} // namespace hostsim::rules
