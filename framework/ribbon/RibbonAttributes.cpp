#include "framework/ribbon/RibbonAttributes.h"

#include <utility>

#include "classlib/Format.h"
#include "framework/core/AddInModule.h"

namespace framework {

std::wstring_view RibbonCallbackName(std::wstring_view Attribute) {
    // The host resolves these names through the add-in object's dispatch interface, so their spelling
    // is fixed, irregular capitals included.
    static constexpr std::pair<std::wstring_view, std::wstring_view> callbacks[]{
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
    for (const auto &[attribute, callback] : callbacks)
        if (attribute == Attribute)
            return callback;
    return {};
}

namespace {

// ASCII letters and digits: what every attribute name of the ribbon classes consists of.
bool IsPlainName(std::wstring_view Name) {
    for (wchar_t c : Name)
        if (!((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9')))
            return false;
    return true;
}

// Whether the name of Entry (the text before its first "=") is Name, both of ASCII letters and digits:
// then the system's case-insensitive comparison answers the same as folding ASCII letter case.
bool HasPlainName(std::wstring_view Entry, std::wstring_view Name) {
    if (Entry.size() <= Name.size() || Entry[Name.size()] != L'=')
        return false;
    for (size_t i = 0; i < Name.size(); ++i)
        if ((Entry[i] | 0x20) != (Name[i] | 0x20)) // digits have that bit set already
            return false;
    return true;
}

// The same for any names, as TStringList::IndexOfName compares them.
bool HasName(std::wstring_view Entry, std::wstring_view Name) {
    size_t eq = Entry.find(L'=');
    return eq != std::wstring_view::npos &&
           classlib::CompareText(std::wstring(Entry.substr(0, eq)), std::wstring(Name)) == 0;
}

} // namespace

TzidAttributeList::TzidAttributeList(const IzidRibbonControlInternal &Node, const TzidCOMAddInModule *Module,
                                     int ContextMenuNumber)
    : node_(Node), namespace_(Module != nullptr ? Module->Namespace() : std::wstring()),
      contextMenuNumber_(ContextMenuNumber), list_(std::make_unique<classlib::TStringList>()) {
    // Room for what a control's element carries (a gallery's, the longest, has some twenty entries) and
    // for a long entry, so that neither grows step by step: a document has thousands of lists.
    list_->SetCapacity(24);
    entry_.reserve(64);
}

// The entry TStringList::SetValues would find, without building every entry's name anew and asking the
// system to compare it: with a dozen attributes per control, that was most of a document's cost.
int TzidAttributeList::IndexOfName(std::wstring_view Name, bool Plain) const {
    const bool plain = Plain && namesPlain_;
    for (int i = 0; i < list_->Count(); ++i) {
        std::wstring_view entry = list_->Strings(i);
        if (plain ? HasPlainName(entry, Name) : HasName(entry, Name))
            return i;
    }
    return -1;
}

void TzidAttributeList::Add(std::wstring_view Name, std::wstring_view Value) {
    const bool plain = IsPlainName(Name);
    int index = IndexOfName(Name, plain);
    namesPlain_ = namesPlain_ && plain;
    if (Value.empty()) {
        if (index >= 0)
            list_->Delete(index);
        return;
    }
    entry_.assign(Name).append(1, L'=').append(Value);
    if (index < 0)
        list_->Add(entry_);
    else
        list_->SetStrings(index, entry_);
}

void TzidAttributeList::Callback(std::wstring_view Name) {
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

bool TzidAttributeList::SharedHead(bool Shared) {
    if (!Shared || !HasNamespace())
        return false;
    SharedId();
    AddBool(L"visible", node_.Visible());
    Insert();
    return true;
}

void TzidAttributeList::Insert() {
    using TGetter = std::wstring (IzidRibbonControlInternal::*)() const;
    static const std::pair<const wchar_t *, TGetter> places[] = {
        {L"insertAfterMso", &IzidRibbonControlInternal::InsertAfterIdMso},
        {L"insertBeforeMso", &IzidRibbonControlInternal::InsertBeforeIdMso},
        {L"insertAfterQ", &IzidRibbonControlInternal::InsertAfterId},
        {L"insertBeforeQ", &IzidRibbonControlInternal::InsertBeforeId},
    };
    for (const auto &[name, getter] : places)
        if (std::wstring value = (node_.*getter)(); !value.empty()) {
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
