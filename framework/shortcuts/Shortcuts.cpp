// The shortcut texts, the module's list of them, and the click of a matched one.
#include "framework/shortcuts/Shortcuts.h"

#include "classlib/LateBinding.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/OutlookCommandBars.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"
#include "framework/shortcuts/ShortcutsEngine.h"
#include "office/HostDispIds.h"
#include "office/office.h"

namespace framework {

namespace {

// The class library's German names of the editing and moving keys.
const wchar_t *GermanKeyName(WORD Key) {
    switch (Key) {
    case VK_BACK:
        return L"R\u00fcck";
    case VK_TAB:
        return L"Tab";
    case VK_RETURN:
        return L"Eingabe";
    case VK_ESCAPE:
        return L"Esc";
    case VK_SPACE:
        return L"Leertaste";
    case VK_PRIOR:
        return L"BildAuf";
    case VK_NEXT:
        return L"BildAb";
    case VK_END:
        return L"Ende";
    case VK_HOME:
        return L"Pos1";
    case VK_LEFT:
        return L"Links";
    case VK_UP:
        return L"Auf";
    case VK_RIGHT:
        return L"Rechts";
    case VK_DOWN:
        return L"Ab";
    case VK_INSERT:
        return L"Einfg";
    case VK_DELETE:
        return L"Entf";
    default:
        return nullptr;
    }
}

std::wstring KeyName(WORD Key) {
    if ((Key >= '0' && Key <= '9') || (Key >= 'A' && Key <= 'Z'))
        return std::wstring(1, static_cast<wchar_t>(Key));
    if (Key >= VK_NUMPAD0 && Key <= VK_NUMPAD9)
        return std::wstring(1, static_cast<wchar_t>(L'0' + (Key - VK_NUMPAD0)));
    if (Key >= VK_F1 && Key <= VK_F24)
        return L"F" + std::to_wstring(Key - VK_F1 + 1);
    if (const wchar_t *name = GermanKeyName(Key))
        return name;
    wchar_t text[64] = {};
    LONG scan = static_cast<LONG>(MapVirtualKeyW(Key, MAPVK_VK_TO_VSC)) << 16;
    return GetKeyNameTextW(scan, text, 64) > 0 ? std::wstring(text) : std::wstring();
}

void AddControlShortcuts(classlib::TStringList &List, const TzidCommandBarControls &Controls) {
    for (int i = 0; i < Controls.Count(); ++i) {
        TzidCommandBarControl *control = Controls.Items(i);
        if (TzidCommandBarButton *button = control->AsCommandBarButton()) {
            if (!button->StoredShortcutText().empty())
                List.AddObject(UpperCaseAZ(button->StoredShortcutText()), button);
            const std::wstring &caption = button->StoredCaption();
            size_t amp = caption.find(L'&');
            if (amp != std::wstring::npos && amp + 1 < caption.size())
                List.AddObject(L"ALT+" + UpperCaseAZ(caption.substr(amp + 1, 1)), button);
        } else if (TzidCommandBarPopup *popup = control->AsCommandBarPopup()) {
            AddControlShortcuts(List, *popup->Controls());
        }
    }
}

// Whether an explorer bar applies to the explorer Window's folder; a failing Outlook call skips it.
bool ExplorerBarUsable(TzidOlExplorerCustomCommandBar &Bar, IDispatch *Window) {
    try {
        classlib::ComPtr<IDispatch> folder =
            classlib::DispGet(Window, office::dispid::outlook_window::CurrentFolder).ToDispatch();
        long type = classlib::DispGet(folder.Get(), office::dispid::outlook_folder::DefaultItemType).ToInt();
        return IsExplorerItemType(type, Bar.ItemTypes()) && Bar.Enabled();
    } catch (const classlib::Exception &) {
        classlib::TraceException(L"Shortcuts", L"The explorer's folder");
        return false;
    }
}

bool InspectorBarUsable(TzidOlInspectorCustomCommandBar &Bar, IDispatch *Window) {
    try {
        classlib::ComPtr<IDispatch> item =
            classlib::DispGet(Window, office::dispid::outlook_window::CurrentItem).ToDispatch();
        long itemClass = classlib::DispGet(item.Get(), L"Class").ToInt();
        return IsInspectorItemClass(itemClass, Bar.ItemTypes()) && Bar.Enabled();
    } catch (const classlib::Exception &) {
        classlib::TraceException(L"Shortcuts", L"The inspector's item");
        return false;
    }
}

bool Is(IDispatch *Object, REFIID Iid) {
    classlib::ComPtr<IUnknown> found;
    return Object != nullptr && SUCCEEDED(Object->QueryInterface(Iid, found.PutVoid())) && found;
}

// The bars whose shortcuts count in Outlook's active window.
std::vector<TzidCustomCommandBar *> OutlookBars(TzidCOMAddInModule &Module) {
    std::vector<TzidCustomCommandBar *> used;
    classlib::ComPtr<IDispatch> window;
    try {
        // A method of Outlook's Application, not a property.
        window = classlib::DispCall(Module.HostApp().ToDispatch().Get(),
                                    office::dispid::outlook_application::ActiveWindow)
                     .ToDispatch();
    } catch (const classlib::Exception &) {
        classlib::TraceException(L"Shortcuts", L"Outlook's active window");
        return used;
    }
    if (!window)
        return used;
    bool explorer = Is(window.Get(), DIID_OutlookExplorer);
    bool inspector = !explorer && Is(window.Get(), DIID_OutlookInspector);
    for (TzidCustomCommandBar *bar : Module.CommandBarList()) {
        if (!bar->SupportedApps().Contains(ohaOutlook))
            continue;
        auto *inspectorBar = dynamic_cast<TzidOlInspectorCustomCommandBar *>(bar);
        if (explorer && inspectorBar == nullptr) {
            auto *explorerBar = dynamic_cast<TzidOlExplorerCustomCommandBar *>(bar);
            if (explorerBar != nullptr ? ExplorerBarUsable(*explorerBar, window.Get()) : bar->Enabled())
                used.push_back(bar);
        } else if (inspector && inspectorBar != nullptr && InspectorBarUsable(*inspectorBar, window.Get())) {
            used.push_back(bar);
        }
    }
    return used;
}

bool BarFlag(CommandBar *Bar, HRESULT (STDMETHODCALLTYPE CommandBar::*Get)(VARIANT_BOOL *)) {
    VARIANT_BOOL value = VARIANT_FALSE;
    classlib::OleCheck((Bar->*Get)(&value));
    return value != VARIANT_FALSE;
}

} // namespace

std::wstring UpperCaseAZ(std::wstring Text) {
    for (wchar_t &c : Text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return Text;
}

std::wstring FormatShortcut(bool Ctrl, bool Shift, bool Alt, WORD VirtualKey) {
    std::wstring text;
    if (Ctrl)
        text += L"Ctrl+";
    if (Shift)
        text += L"Shift+";
    if (Alt)
        text += L"Alt+";
    return text + KeyName(VirtualKey);
}

classlib::TStringList &TzidShortcutsEngine::BuildShortcutList() {
    classlib::TStringList &list = *ShortcutList();
    list.Clear();
    std::vector<TzidCustomCommandBar *> used;
    if (module_.HostType() == ohaOutlook) {
        used = OutlookBars(module_);
    } else {
        for (TzidCustomCommandBar *bar : module_.CommandBarList())
            if (bar->SupportedApps().Contains(module_.HostType()))
                used.push_back(bar);
    }
    for (TzidCustomCommandBar *bar : used)
        AddControlShortcuts(list, *bar->Controls());
    return list;
}

void ClickShortcut(TzidCOMAddInModule &Module, const std::wstring &Text, TzidCommandBarButton &Button) {
    // Reading and writing Office's Enabled brings Office's own state up to date; a refusal drops the click.
    const classlib::ComPtr<_CommandBarButton> &office = Button.ButtonInterface();
    if (!office)
        return;
    VARIANT_BOOL enabled = VARIANT_FALSE;
    if (FAILED(office->get_Enabled(&enabled)) || FAILED(office->put_Enabled(enabled))) {
        classlib::Trace(L"Shortcuts", L"Office refused the button's Enabled: the shortcut is dropped");
        return;
    }
    if (enabled == VARIANT_FALSE)
        return;
    RunHandler(&Module, nullptr, [&] {
        bool go = true;
        if (UpperCaseAZ(Button.StoredShortcutText()) != Text) {
            // A caption accelerator: only on a usable bar, and never inside a popup.
            go = false;
            classlib::ComPtr<CommandBar> bar = Button.OfficeParent();
            MsoBarType type = static_cast<MsoBarType>(0); // a normal bar
            if (bar)
                classlib::OleCheck(bar->get_Type(&type));
            if (bar && type != msoBarTypePopup)
                go = BarFlag(bar.Get(), &CommandBar::get_Enabled) &&
                     BarFlag(bar.Get(), &CommandBar::get_Visible) && Button.Visible();
        }
        if (go)
            Button.DoAction();
    });
}

} // namespace framework
