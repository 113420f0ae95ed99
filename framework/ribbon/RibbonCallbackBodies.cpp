// The ribbon callback bodies: each finds the model object the host's control stands for, reads the
// property asked for, lets the application change the answer through the object's property event,
// or hands the host's action to the object.
#include <algorithm>
#include <cwchar>
#include <utility>

#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "framework/core/HandlerCall.h"
#include "framework/ribbon/RibbonCallbacks.h"
#include "framework/ribbon/RibbonControls.h"
#include "framework/ribbon/RibbonEngine.h"
#include "framework/ribbon/RibbonTab.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace framework {

namespace {

const std::wstring ContextMenuMarker = L"_zid_context_menu_";
const std::wstring WrappedSuffix = L"wrapped";

// Where a context-menu copy's marker starts, when Id is such a copy: the marker followed by the
// copy's number and nothing else.
size_t ContextMenuCopyAt(const std::wstring &Id) {
    size_t at = Id.find(ContextMenuMarker);
    if (at == std::wstring::npos)
        return at;
    size_t number = at + ContextMenuMarker.size();
    if (number == Id.size() ||
        !std::all_of(Id.begin() + number, Id.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
        return std::wstring::npos;
    return at;
}

bool IsOutlook(TzidRibbonEngine &Ribbon) {
    return Ribbon.Module() != nullptr && Ribbon.Module()->HostType() == ohaOutlook;
}

// Outlook's class codes of its windows.
constexpr int olExplorer = 34;
constexpr int olInspector = 35;

// The Outlook class of a callback's window; -1 when the window cannot say what it is.
int WindowClassOf(IDispatch *Context) {
    try {
        return classlib::DispGet(Context, L"Class").ToInt();
    } catch (const classlib::Exception &) {
        return -1; // a window that cannot say what it is is none of Outlook's windows
    }
}

// ---- get callbacks ----------------------------------------------------------------------------------

bool ShowsImage(const IzidRibbonControlInternal &Node) {
    const classlib::TBitmap *glyph = Node.Glyph();
    return (glyph != nullptr && !glyph->Empty()) || Node.ImageIndex() >= 0 || !Node.ImageMso().empty();
}

// Office takes a style as the enumeration's number; a node without a style has the first one.
int StyleNumber(const IzidRibbonControlInternal &Node) {
    const std::wstring style = Node.GetStyleText();
    return style.empty() ? 0 : OleVariant(style).ToInt();
}

struct TGetter {
    TzidRibbonCallbackId Id;
    bool StripsWrapped;
    bool ItemProperty; // read from item [index] of the target
    TzidRibbonControlPropertyType Property;
    VARTYPE Result; // VT_EMPTY: the value as the property event left it
    OleVariant (*Default)();
    OleVariant (*Read)(IzidRibbonControlInternal &Node);
};

using N = IzidRibbonControlInternal;

// clang-format off
const TGetter Getters[] = {
    {rcbGetVisible, false, false, rcptVisible, VT_BOOL, [] { return OleVariant(true); }, [](N &n) { return OleVariant(n.Visible()); }},
    {rcbGetKeyTip, false, false, rcptKeyTip, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.KeyTip()); }},
    {rcbGetLabel, true, false, rcptCaption, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.Caption()); }},
    {rcbGetEnabled, false, false, rcptEnabled, VT_BOOL, [] { return OleVariant(true); }, [](N &n) { return OleVariant(n.Enabled()); }},
    {rcbGetPressed, true, false, rcptPressed, VT_BOOL, [] { return OleVariant(false); }, [](N &n) { return OleVariant(n.Pressed()); }},
    {rcbGetScreenTip, true, false, rcptScreenTip, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.ScreenTip()); }},
    {rcbGetSuperTip, true, false, rcptSuperTip, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.SuperTip()); }},
    {rcbGetShowLabel, true, false, rcptShowCaption, VT_BOOL, [] { return OleVariant(true); }, [](N &n) { return OleVariant(n.ShowCaption()); }},
    {rcbGetShowImage, true, false, rcptShowImage, VT_BOOL, [] { return OleVariant(false); }, [](N &n) { return OleVariant(ShowsImage(n)); }},
    {rcbGetSize, false, false, rcptSize, VT_I4, [] { return OleVariant(0); }, [](N &n) { return OleVariant(static_cast<int>(n.Size())); }},
    {rcbGetDescription, true, false, rcptDescription, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.Description()); }},
    {rcbGetText, false, false, rcptText, VT_EMPTY, [] { return OleVariant(); }, [](N &n) { return OleVariant(n.Text()); }},
    {rcbGetItemCount, false, false, rcptItemCount, VT_I4, [] { return OleVariant(0); }, [](N &n) { return OleVariant(n.GetItems() != nullptr ? n.GetItems()->Count() : 0); }},
    {rcbGetSelectedItemIndex, false, false, rcptSelectedItemIndex, VT_I4, [] { return OleVariant(0); }, [](N &n) { return OleVariant(n.SelectedItemIndex()); }},
    {rcbGetSelectedItemId, false, false, rcptSelectedItemID, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.SelectedItemId()); }},
    {rcbGetItemHeight, false, false, rcptItemHeight, VT_I4, [] { return OleVariant(-1); }, [](N &n) { return OleVariant(n.ItemHeight()); }},
    {rcbGetItemWidth, false, false, rcptItemWidth, VT_I4, [] { return OleVariant(-1); }, [](N &n) { return OleVariant(n.ItemWidth()); }},
    {rcbGetContent, false, false, rcptContent, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.GetDynamicContent()); }},
    {rcbGetTitle, false, false, rcptTitle, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.GetTitle()); }},
    {rcbGetTarget, false, false, rcptTarget, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.GetTarget()); }},
    {rcbGetAltText, false, false, rcptAltText, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.GetAltText()); }},
    {rcbGetHelperText, false, false, rcptHelperText, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.GetHelperText()); }},
    {rcbGetStyle, false, false, rcptGroupStyle, VT_I4, [] { return OleVariant(0); }, [](N &n) { return OleVariant(StyleNumber(n)); }},
    {rcbGetItemID, false, true, rcptItemID, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.Id()); }},
    {rcbGetItemLabel, false, true, rcptItemCaption, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.Caption()); }},
    {rcbGetItemScreenTip, false, true, rcptItemScreenTip, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.ScreenTip()); }},
    {rcbGetItemSuperTip, false, true, rcptItemSuperTip, VT_BSTR, [] { return OleVariant(L""); }, [](N &n) { return OleVariant(n.SuperTip()); }},
    {rcbGetShowItemImage, false, true, rcptShowItemImage, VT_BOOL, [] { return OleVariant(true); }, [](N &n) { return OleVariant(ShowsImage(n)); }},
};
// clang-format on

const TGetter *GetterOf(TzidRibbonCallbackId Id) {
    for (const TGetter &getter : Getters)
        if (getter.Id == Id)
            return &getter;
    return nullptr;
}

// The answer in the type the host expects; what the application's handler left is converted, and a
// value that cannot be raises. A value of that type already goes back as it is.
OleVariant Answer(OleVariant &&Value, VARTYPE Type) {
    if (Value.Type() == Type)
        return std::move(Value);
    switch (Type) {
    case VT_BOOL:
        return OleVariant(Value.ToBool());
    case VT_BSTR:
        return OleVariant(Value.ToString());
    case VT_I4:
        return OleVariant(Value.ToInt());
    default:
        return std::move(Value);
    }
}

OleVariant Get(TzidRibbonEngine &Ribbon, const TGetter &Getter, IRibbonControl *Control, int Index) {
    if (Control == nullptr)
        return Getter.Default();
    const std::wstring id = RibbonControlId(Control);
    IzidRibbonControlInternal *target =
        Getter.StripsWrapped ? FindWrappedRibbonControl(Ribbon, id) : Ribbon.FindRibbonControl(id);
    if (target == nullptr)
        return Getter.Default();
    ComPtr<IDispatch> context = RibbonControlContext(Control);
    if ((Getter.Id == rcbGetVisible || Getter.Id == rcbGetEnabled) && IsOutlook(Ribbon) &&
        target->IdMso() == id)
        Ribbon.IsControlForContext(id, context.Get(), target);
    OleVariant value = Getter.ItemProperty ? Getter.Read(RibbonItemOf(*target, Index)) : Getter.Read(*target);
    target->DoPropertyChanging(Getter.Property, value, context.Get(), Getter.ItemProperty ? Index : -1);
    return Answer(std::move(value), Getter.Result);
}

// ---- actions ---------------------------------------------------------------------------------------

// A record as the host's action starts it: nothing but the host's control.
TzidRibbonActionArguments ActionRecord(IRibbonControl *Control) {
    TzidRibbonActionArguments record;
    record.RibbonControl.CopyFrom(Control);
    record.SelectedIndex = 0;
    return record;
}

void Act(TzidRibbonEngine &Ribbon, TzidRibbonCallbackId Id, TzidRibbonCallbackArgs &Args) {
    IRibbonControl *control = Args.Control.Get();
    if (control == nullptr)
        return;
    const std::wstring id = RibbonControlId(control);
    const bool split = Id == rcbOnActionCommon || Id == rcbOnActionState;
    IzidRibbonControlInternal *target =
        split ? FindWrappedRibbonControl(Ribbon, id) : Ribbon.FindRibbonControl(id);
    if (target == nullptr)
        return;
    TzidRibbonActionArguments record = ActionRecord(control);
    switch (Id) {
    case rcbOnActionState:
        record.Pressed = Args.Pressed;
        break;
    case rcbOnActionSelected:
        record.SelectedId = Args.Text;
        record.SelectedIndex = Args.Index;
        break;
    case rcbOnChange:
        record.Text = Args.Text;
        break;
    default:
        break;
    }
    target->DoAction(record);
}

// A built-in command that model objects take over in an inspector: the one for the inspector's item
// answers, and tells the host whether its own action is to be left out.
void ActRepurposed(TzidRibbonEngine &Ribbon, TzidRibbonCallbackArgs &Args) {
    IRibbonControl *control = Args.Control.Get();
    if (control == nullptr || !IsOutlook(Ribbon))
        return;
    ComPtr<IDispatch> context = RibbonControlContext(control);
    if (!context || WindowClassOf(context.Get()) != olInspector)
        return;
    IzidRibbonControlInternal *target = nullptr;
    Ribbon.IsControlForContext(RibbonControlId(control), context.Get(), target);
    if (target == nullptr)
        return;
    TzidRibbonActionArguments record = ActionRecord(control);
    record.Pressed = true;
    record.CancelDefault = false;
    target->DoAction(record);
    Args.CancelDefault = record.CancelDefault;
}

// The host hands over its IRibbonUI once per document; the module keeps it for re-query requests.
void RibbonLoaded(TzidRibbonEngine &Ribbon, TzidRibbonCallbackArgs &Args) {
    TzidCOMAddInModule *module = Ribbon.Module();
    if (module == nullptr)
        return;
    module->SetRibbonUI(Args.Ribbon);
    if (module->CustomUINamespace().empty())
        module->SetCustomUINamespace(module->OfficeVersion() == 12 ? zidCustomUINamespace2006
                                                                   : zidCustomUINamespace2009);
    if (module->OnRibbonLoaded)
        RunHandler(module, nullptr, [&] { module->OnRibbonLoaded(module, Args.Ribbon.Get()); });
}

// ---- Outlook's item types ------------------------------------------------------------------------

struct TItemWindows {
    const wchar_t *MessageClass; // lower case; a message class starting with it matches
    TzidRibbons Ribbons;
    TzidRibbons2010 Ribbons2010;
};

// The first row whose text a message class starts with decides: the longer texts come first.
const TItemWindows ItemWindows[] = {
    {L"ipm.note.mobile.sms",
     {msrOutlookMailRead, msrOutlookMailCompose},
     {msrOutlookSMSRead2010, msrOutlookSMSCompose2010}},
    {L"ipm.note.mobile.mms",
     {msrOutlookMailRead, msrOutlookMailCompose},
     {msrOutlookMMSRead2010, msrOutlookMMSCompose2010}},
    {L"ipm.note", {msrOutlookMailRead, msrOutlookMailCompose}, {}},
    {L"ipm.schedule.meeting.resp",
     {msrOutlookResponseRead, msrOutlookResponseCompose, msrOutlookResponseCounterPropose},
     {}},
    {L"ipm.schedule.meeting", {msrOutlookMeetingRequestRead, msrOutlookMeetingRequestSend}, {}},
    {L"ipm.appointment", {msrOutlookAppointment}, {}},
    {L"ipm.ole.class", {msrOutlookAppointment}, {}},
    {L"ipm.contact", {msrOutlookContact}, {}},
    {L"ipm.activity", {msrOutlookJournal}, {}},
    {L"ipm.task", {msrOutlookTask}, {}},
    {L"ipm.distlist", {msrOutlookDistributionList}, {}},
    {L"ipm.report", {msrOutlookReport}, {}},
    {L"ipm.resend", {msrOutlookResend}, {}},
    {L"ipm.post.rss", {msrOutlookRSS}, {}},
    {L"ipm.post", {msrOutlookPostRead, msrOutlookPostCompose}, {}},
    {L"ipm.sharing", {msrOutlookSharingRead, msrOutlookSharingCompose}, {}},
};

const TItemWindows *ItemWindowsOf(const std::wstring &MessageClass) {
    const std::wstring lower = classlib::LowerCase(MessageClass);
    for (const TItemWindows &row : ItemWindows)
        if (lower.compare(0, std::wcslen(row.MessageClass), row.MessageClass) == 0)
            return &row;
    return nullptr;
}

// The message class of the item open in a window; "" when the window has none or cannot say.
std::wstring MessageClassIn(IDispatch *Context) {
    try {
        ComPtr<IDispatch> item = classlib::DispGet(Context, L"CurrentItem").ToDispatch();
        return item ? classlib::DispGet(item.Get(), L"MessageClass").ToString() : std::wstring();
    } catch (const classlib::Exception &) {
        return {};
    }
}

// An explorer shows no item: its own ribbon kind decides (the same window in both enumerations).
const TItemWindows ExplorerWindows = {L"", {msrOutlookExplorer}, {msrOutlookExplorer2010}};

// The ribbon kinds a callback's window may be: an explorer's, or those of the item open in it; null
// when the window is neither.
const TItemWindows *WindowKindsOf(IDispatch *Context) {
    if (WindowClassOf(Context) == olExplorer)
        return &ExplorerWindows;
    return ItemWindowsOf(MessageClassIn(Context));
}

} // namespace

// ---- finding the model object --------------------------------------------------------------------

std::wstring RibbonControlId(IRibbonControl *Control) {
    classlib::TBStr id;
    classlib::OleCheck(Control->get_Id(id.Put()));
    return id.ToString();
}

ComPtr<IDispatch> RibbonControlContext(IRibbonControl *Control) {
    ComPtr<IDispatch> context;
    classlib::OleCheck(Control->get_Context(context.Put()));
    return context;
}

IzidRibbonControlInternal &RibbonItemOf(IzidRibbonControlInternal &Node, int Index) {
    TzidRibbonControls *items = Node.GetItems();
    if (items == nullptr)
        classlib::ListIndexError(Index);
    return *items->Items(Index);
}

IzidRibbonControlInternal *TzidRibbonEngine::FindRibbonControl(const std::wstring &Id) {
    TzidCOMAddInModule *module = Module();
    if (module == nullptr)
        return nullptr;
    // A context-menu copy is its original; the original's id holds no marker.
    const size_t copy = ContextMenuCopyAt(Id);
    if (copy != std::wstring::npos)
        return FindRibbonControl(Id.substr(0, copy));
    classlib::TStringList &ids = module->RibbonIds();
    int index = idIndex_.IndexOf(ids, Id);
    return index >= 0 ? AsRibbonNode(ids.Objects(index)) : nullptr;
}

IzidRibbonControlInternal *FindWrappedRibbonControl(TzidRibbonEngine &Ribbon, const std::wstring &Id) {
    size_t end = ContextMenuCopyAt(Id);
    if (end == std::wstring::npos)
        end = Id.size();
    if (end > WrappedSuffix.size() &&
        Id.compare(end - WrappedSuffix.size(), WrappedSuffix.size(), WrappedSuffix) == 0) {
        std::wstring outer = Id;
        outer.erase(end - WrappedSuffix.size(), WrappedSuffix.size());
        IzidRibbonControlInternal *split = Ribbon.FindRibbonControl(outer);
        if (split != nullptr && split->AsSplitButton() != nullptr)
            return split;
    }
    return Ribbon.FindRibbonControl(Id);
}

void TzidRibbonEngine::IsControlForContext(const std::wstring &IdMso, IDispatch *Context,
                                           IzidRibbonControlInternal *&Control) {
    TzidCOMAddInModule *module = Module();
    if (Context == nullptr || module == nullptr)
        return;
    const classlib::TStringList &ids = module->RibbonIds();
    auto extends = [&](int Index) -> IzidRibbonControlInternal * {
        IzidRibbonControlInternal *node = AsRibbonNode(ids.Objects(Index));
        return node != nullptr && node->IdMso() == IdMso ? node : nullptr;
    };
    int extensions = 0;
    for (int i = 0; i < ids.Count() && extensions < 2; ++i)
        if (extends(i) != nullptr)
            ++extensions;
    if (extensions < 2)
        return; // one model object answers in every window
    const TItemWindows *windows = WindowKindsOf(Context);
    if (windows == nullptr)
        return;
    if (Control != nullptr && !(Control->Ribbons() * windows->Ribbons).Empty())
        return;
    for (int i = 0; i < ids.Count(); ++i)
        if (IzidRibbonControlInternal *node = extends(i))
            if (!(node->Ribbons() * windows->Ribbons).Empty() ||
                !(node->Ribbons2010() * windows->Ribbons2010).Empty()) {
                Control = node;
                return;
            }
}

// ---- the bodies -----------------------------------------------------------------------------------

OleVariant RunRibbonCallback(TzidRibbonEngine &Ribbon, TzidRibbonCallbackId Id,
                             TzidRibbonCallbackArgs &Args) {
    if (const TGetter *getter = GetterOf(Id))
        return Get(Ribbon, *getter, Args.Control.Get(), Args.Index);
    switch (Id) {
    case rcbRibbonLoaded:
        RibbonLoaded(Ribbon, Args);
        break;
    case rcbGetImages:
        return GetImagesCallback(Ribbon, Args.Text);
    case rcbGetImage:
        return GetImageCallback(Ribbon, Args.Control.Get());
    case rcbGetItemImage:
        return GetItemImageCallback(Ribbon, Args.Control.Get(), Args.Index);
    case rcbOnActionCommon:
    case rcbOnActionState:
    case rcbOnActionSelected:
    case rcbOnChange:
        Act(Ribbon, Id, Args);
        break;
    case rcbOnActionCommonRepurposed:
        ActRepurposed(Ribbon, Args);
        break;
    default:
        // The repurposed toggle and the Backstage's show and hide have no model object to reach.
        break;
    }
    return {};
}

} // namespace framework
