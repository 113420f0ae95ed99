#include "framework/ribbon/RibbonAttributes.h"

#include <map>

#include "framework/core/AddInModule.h"

namespace framework {

const std::wstring &RibbonCallbackName(const std::wstring &Attribute) {
    // The host resolves these names through the add-in object's dispatch interface, so their spelling
    // is fixed, irregular capitals included.
    static const std::map<std::wstring, std::wstring> callbacks{
        {L"getVisible", L"GetVisible_Callback"},
        {L"getKeytip", L"GetKeyTip_Callback"},
        {L"getLabel", L"GetLabel_Callback"},
        {L"getSupertip", L"GetSuperTip_Callback"},
        {L"getScreentip", L"GetScreenTip_Callback"},
        {L"getShowLabel", L"GetShowLabel_Callback"},
        {L"getShowImage", L"GetShowImage_Callback"},
        {L"getEnabled", L"GetEnabled_Callback"},
        {L"getDescription", L"GetDescription_Callback"},
        {L"getPressed", L"GetPressed_Callback"},
        {L"getSize", L"GetSize_Callback"},
        {L"getText", L"GetText_Callback"},
        {L"getTitle", L"GetTitle_Callback"},
        {L"getContent", L"GetContent_Callback"},
        {L"getItemCount", L"GetItemCount_Callback"},
        {L"getItemID", L"GetItemID_Callback"},
        {L"getItemImage", L"GetItemImage_Callback"},
        {L"getItemLabel", L"GetItemLabel_Callback"},
        {L"getItemScreentip", L"GetItemScreenTip_Callback"},
        {L"getItemSupertip", L"GetItemSuperTip_Callback"},
        {L"getSelectedItemIndex", L"GetSelectedItemIndex_Callback"},
        {L"getSelectedItemID", L"GetSelectedItemId_Callback"},
        {L"getItemHeight", L"GetItemHeight_Callback"},
        {L"getItemWidth", L"GetItemWidth_Callback"},
        {L"getImage", L"GetImage_Callback"},
    };
    static const std::wstring none;
    auto it = callbacks.find(Attribute);
    return it != callbacks.end() ? it->second : none;
}

TzidAttributeList::TzidAttributeList(const IzidRibbonControlInternal &Node, const TzidCOMAddInModule *Module,
                                     int ContextMenuNumber)
    : node_(Node), namespace_(Module != nullptr ? Module->Namespace() : std::wstring()),
      contextMenuNumber_(ContextMenuNumber), list_(std::make_unique<classlib::TStringList>()) {}

void TzidAttributeList::Add(const std::wstring &Name, const std::wstring &Value) {
    list_->SetValues(Name, Value);
}

void TzidAttributeList::Callback(const std::wstring &Name) {
    Add(Name, RibbonCallbackName(Name));
}

void TzidAttributeList::Id(bool Suffix) {
    Id(node_.Id(), Suffix);
}

void TzidAttributeList::Id(const std::wstring &Value, bool Suffix) {
    if (HasNamespace()) {
        Add(L"idQ", L"default:" + Value);
        return;
    }
    if (Suffix && contextMenuNumber_ > 0 && !Value.empty())
        Add(L"id", Value + L"_zid_context_menu_" + std::to_wstring(contextMenuNumber_));
    else
        Add(L"id", Value);
}

void TzidAttributeList::SharedId() {
    Add(L"idQ", L"shared:" + node_.Id());
}

void TzidAttributeList::Insert() {
    const std::pair<const wchar_t *, std::wstring> places[] = {
        {L"insertAfterMso", node_.InsertAfterIdMso()},
        {L"insertBeforeMso", node_.InsertBeforeIdMso()},
        {L"insertAfterQ", node_.InsertAfterId()},
        {L"insertBeforeQ", node_.InsertBeforeId()},
    };
    for (const auto &[name, value] : places)
        if (!value.empty()) {
            Add(name, value);
            return;
        }
}

void TzidAttributeList::Image() {
    const classlib::TBitmap *glyph = node_.Glyph();
    if ((glyph != nullptr && !glyph->Empty()) || node_.ImageIndex() >= 0)
        Callback(L"getImage");
}

bool TzidAttributeList::MsoHead(const std::wstring &ParentIdMso) {
    Add(L"idMso", node_.IdMso());
    return !ParentIdMso.empty();
}

void TzidAttributeList::Selected() {
    if (node_.SelectedItemIndex() >= 0)
        Callback(L"getSelectedItemIndex");
    else if (!node_.SelectedItemId().empty())
        Callback(L"getSelectedItemID");
}

} // namespace framework
