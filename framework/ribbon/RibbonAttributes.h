// Builds the attribute list of a ribbon node's customUI element: name=value entries in writing order,
// where a name set again keeps its place and an empty value is left out. The pieces below are the
// ones the node classes share.
#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "classlib/StringList.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

class TzidAttributeList {
public:
    // Module may be null (a node outside any module has no namespace).
    TzidAttributeList(const IzidRibbonControlInternal &Node, const TzidCOMAddInModule *Module,
                      int ContextMenuNumber);

    void Add(std::wstring_view Name, std::wstring_view Value);
    void AddBool(std::wstring_view Name, bool Value) { Add(Name, Value ? L"true" : L"false"); }
    // The attribute with the fixed name of its callback ("getLabel" -> "GetLabel_Callback").
    void Callback(std::wstring_view Name);
    // "onAction" with the callback of a plain click, a toggle or a selection.
    void ActionPlain() { Add(L"onAction", L"OnActionCommon_Callback"); }
    void ActionToggle() { Add(L"onAction", L"OnActionState_Callback"); }
    void ActionSelected() { Add(L"onAction", L"OnActionSelected_Callback"); }

    // "idQ" in the add-in's namespace when the module has one, else "id"; with Suffix the id of a
    // copy in a context menu carries the menu's number.
    void Id(bool Suffix);
    void Id(const std::wstring &Value, bool Suffix);
    // "idQ" in the shared namespace.
    void SharedId();
    // A node shared between add-ins is written with fixed values, as no callbacks of ours answer for
    // it: its shared id, "visible" and its placement. False, writing nothing, when Shared is not set
    // or the document has no namespace.
    bool SharedHead(bool Shared);
    // The first placement attribute that is set.
    void Insert();
    // "getImage" when the node has an image of its own.
    void Image();
    // "idMso"; true when the node's parent is built in as well, which ends the list.
    bool MsoHead(const std::wstring &ParentIdMso);
    // The callback of the selected item, by index before id.
    void Selected();

    bool HasNamespace() const { return !namespace_.empty(); }
    std::unique_ptr<classlib::TStringList> Take() { return std::move(list_); }

private:
    // The entry of Name, matched as the string list matches names; -1 when there is none. Plain: Name
    // holds only ASCII letters and digits.
    int IndexOfName(std::wstring_view Name, bool Plain) const;

    const IzidRibbonControlInternal &node_;
    std::wstring namespace_;
    int contextMenuNumber_;
    std::unique_ptr<classlib::TStringList> list_;
    // Every name in the list holds only ASCII letters and digits (so far they all do).
    bool namesPlain_ = true;
    // Where each entry is put together before the list copies it: one allocation per entry.
    std::wstring entry_;
};

// Whether Control (may be null) is of one of the classes T...
template <class... T> bool RibbonControlIs(const TzidRibbonCustomControl *Control) {
    return Control != nullptr && ((dynamic_cast<const T *>(Control) != nullptr) || ...);
}

// Whether Control lies directly in a control of one of the classes T...: several attributes are
// left out where the host places the control itself. A class that asks this several times takes its
// ParentControl once and asks RibbonControlIs: each class test is a walk of the class hierarchy.
template <class... T> bool RibbonParentIs(const TzidRibbonCustomControl &Control) {
    return RibbonControlIs<T...>(Control.ParentControl());
}

// The callback value of a get attribute ("getKeytip" -> "GetKeyTip_Callback"); "" for an unknown name.
std::wstring_view RibbonCallbackName(std::wstring_view Attribute);

} // namespace framework
