#include "hostsim/CommandBarComboBoxObject.h"

#include "classlib/OleString.h"
#include "hostsim/CommandBarControlRules.h"
#include "hostsim/SimConnectionPoints.h"

namespace hostsim {

using namespace call;

namespace {

std::wstring KindName(long type) {
    return type == msoControl::Edit ? L"Edit" : type == msoControl::Dropdown ? L"DropDown" : L"ComboBox";
}

} // namespace

CommandBarComboBoxObject::CommandBarComboBoxObject(SimWorld &world, std::shared_ptr<CommandBarHost> host,
                                                   SetRef set, ControlRef control)
    : CommandBarControlImpl(world, KindName(control->type) + L"#" + std::to_wstring(control->instanceId),
                            std::move(host), set, control) {
    Events().Add(DIID__CommandBarComboBoxEvents);
}

HRESULT CommandBarComboBoxObject::AddItem(BSTR text, VARIANT index) {
    return core_.Run(L"AddItem", Join(Text(text), Arg(index)), [&](ControlModel &c) {
        rules::AddItem(c, classlib::BStrToString(text), OptLong(index));
    });
}

HRESULT CommandBarComboBoxObject::Clear() {
    return core_.Run(L"Clear", {}, [&](ControlModel &c) { rules::ClearItems(c); });
}

HRESULT CommandBarComboBoxObject::get_DropDownLines(long *out) {
    return core_.Get(L"DropDownLines", &ControlProps::dropDownLines, out);
}

HRESULT CommandBarComboBoxObject::put_DropDownLines(long value) {
    return core_.Run(L"DropDownLines", Number(value),
                     [&](ControlModel &c) { rules::SetDropDownLines(c, value); });
}

HRESULT CommandBarComboBoxObject::get_DropDownWidth(long *out) {
    return core_.Get(L"DropDownWidth", &ControlProps::dropDownWidth, out);
}

HRESULT CommandBarComboBoxObject::put_DropDownWidth(long value) {
    return core_.Run(L"DropDownWidth", Number(value),
                     [&](ControlModel &c) { rules::SetDropDownWidth(c, value); });
}

HRESULT CommandBarComboBoxObject::get_List(long index, BSTR *out) {
    return core_.Run(L"List", Number(index),
                     [&](ControlModel &c) { SetOut(out, rules::ListItem(c, index)); });
}

HRESULT CommandBarComboBoxObject::put_List(long index, BSTR value) {
    return core_.Run(L"List", Join(Number(index), Text(value)),
                     [&](ControlModel &c) { rules::SetListItem(c, index, classlib::BStrToString(value)); });
}

HRESULT CommandBarComboBoxObject::get_ListCount(long *out) {
    return core_.Run(L"ListCount", {},
                     [&](ControlModel &c) { *Out(out) = static_cast<long>(c.props.items.size()); });
}

HRESULT CommandBarComboBoxObject::get_ListHeaderCount(long *out) {
    return core_.Get(L"ListHeaderCount", &ControlProps::listHeaderCount, out);
}

HRESULT CommandBarComboBoxObject::put_ListHeaderCount(long value) {
    return core_.Run(L"ListHeaderCount", Number(value),
                     [&](ControlModel &c) { rules::SetListHeaderCount(c, value); });
}

HRESULT CommandBarComboBoxObject::get_ListIndex(long *out) {
    return core_.Get(L"ListIndex", &ControlProps::listIndex, out);
}

HRESULT CommandBarComboBoxObject::put_ListIndex(long value) {
    return core_.Run(L"ListIndex", Number(value), [&](ControlModel &c) { rules::SetListIndex(c, value); });
}

HRESULT CommandBarComboBoxObject::RemoveItem(long index) {
    return core_.Run(L"RemoveItem", Number(index), [&](ControlModel &c) { rules::RemoveItem(c, index); });
}

HRESULT CommandBarComboBoxObject::get_Style(MsoComboStyle *out) {
    return core_.Run(L"Style", {},
                     [&](ControlModel &c) { *Out(out) = static_cast<MsoComboStyle>(c.props.comboStyle); });
}

HRESULT CommandBarComboBoxObject::put_Style(MsoComboStyle value) {
    return core_.Run(L"Style", Number(value), [&](ControlModel &c) { rules::SetComboStyle(c, value); });
}

HRESULT CommandBarComboBoxObject::get_Text(BSTR *out) {
    return core_.Get(L"Text", &ControlProps::text, out);
}

HRESULT CommandBarComboBoxObject::put_Text(BSTR value) {
    return core_.Run(L"Text", Text(value),
                     [&](ControlModel &c) { rules::SetText(c, classlib::BStrToString(value)); });
}

HRESULT CommandBarComboBoxObject::get_InstanceIdPtr(VARIANT *out) {
    if (out)
        VariantInit(out);
    return core_.NotImplemented(L"InstanceIdPtr");
}

} // namespace hostsim
