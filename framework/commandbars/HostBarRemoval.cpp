// Taking the module's bars and recorded controls out of a host: on a user unload (the host goes on;
// each bar goes on its own, and one that stays keeps its records) and on unregistration (the host is
// started for it when it does not run, and quit again; Outlook never is).
#include <windows.h>

#include <set>

#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "classlib/Registry.h"
#include "classlib/ScopeExit.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/ModuleBarsEngine.h"
#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"
#include "framework/core/HostApps.h"

namespace framework {

namespace {

// The number a recorded control carries when it is to go whatever it holds.
constexpr int kRemoveAlways = 255;

classlib::ComPtr<CommandBarControl> FindRecorded(_CommandBars *Bars, const std::wstring &Tag) {
    classlib::ComPtr<CommandBarControl> found;
    TStringArg tag(Tag);
    classlib::OleCheck(Bars->FindControl(MissingArg(), MissingArg(), tag.Var(), MissingArg(), found.Put()));
    return found;
}

// Word keeps a customised bar in its normal template too: a bar the clean-up deleted came back
// from there without this.
void DeleteFromNormalTemplate(TzidCOMAddInModule &Module, const std::wstring &Name) {
    if (Module.HostType() != ohaWord || Module.OfficeVersion() >= 12)
        return;
    try {
        classlib::ComPtr<IDispatch> app = Module.HostApp().ToDispatch();
        classlib::OleVariant normal = classlib::DispGet(app.Get(), L"NormalTemplate");
        classlib::OleVariant source = classlib::DispGet(normal.ToDispatch().Get(), L"FullName");
        classlib::DispCall(app.Get(), L"OrganizerDelete",
                           {source, classlib::OleVariant(Name), classlib::OleVariant(2)});
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"Word's normal template kept the bar " + Name, E);
    }
}

bool IsPopup(CommandBarControl *Control) {
    MsoControlType type = msoControlCustom;
    classlib::OleCheck(Control->get_Type(&type));
    return type == msoControlPopup;
}

// Whether a popup still holds controls (someone else's, once ours are gone).
bool HoldsControls(const classlib::ComPtr<CommandBarControl> &Popup) {
    classlib::ComPtr<CommandBarPopup> popup = Popup.As<CommandBarPopup>();
    classlib::ComPtr<CommandBarControls> children;
    classlib::OleCheck(popup->get_Controls(children.Put()));
    long count = 0;
    classlib::OleCheck(children->get_Count(&count));
    return count > 0;
}

// The controls and bars recorded by earlier builds that the design no longer names. A recorded popup
// is judged only once every other recorded control is gone (its recorded children among them), and
// a popup that an emptied popup held is judged again after it: one of ours that is left empty goes.
void RemoveRecordedControls(TzidCOMAddInModule &Module, _CommandBars *Bars,
                            const std::vector<TzidRecordedControl> &ControlTags,
                            const std::vector<std::wstring> &BarNames) {
    std::vector<std::wstring> popups;
    for (const TzidRecordedControl &record : ControlTags) {
        classlib::ComPtr<CommandBarControl> found = FindRecorded(Bars, record.Tag);
        if (!found)
            continue;
        if (record.PropertyChanged != kRemoveAlways && IsPopup(found.Get()))
            popups.push_back(record.Tag);
        else
            classlib::OleCheck(found->Delete(BoolArg(false)));
    }
    for (bool deleted = true; deleted;) {
        deleted = false;
        for (auto it = popups.begin(); it != popups.end();) {
            classlib::ComPtr<CommandBarControl> found = FindRecorded(Bars, *it);
            if (found && HoldsControls(found)) {
                ++it;
                continue;
            }
            if (found) {
                classlib::OleCheck(found->Delete(BoolArg(false)));
                deleted = true;
            }
            it = popups.erase(it);
        }
    }
    for (const std::wstring &name : BarNames) {
        classlib::ComPtr<CommandBar> bar = Module.FindCommandBar(name);
        if (!bar)
            continue;
        VARIANT_BOOL builtIn = VARIANT_FALSE;
        classlib::OleCheck(bar->get_BuiltIn(&builtIn));
        classlib::ComPtr<CommandBarControls> controls;
        classlib::OleCheck(bar->get_Controls(controls.Put()));
        long count = 0;
        classlib::OleCheck(controls->get_Count(&count));
        if (builtIn == VARIANT_FALSE && count == 0) {
            classlib::OleCheck(bar->Delete());
            DeleteFromNormalTemplate(Module, name);
        }
    }
}

// Calls Body for every bar of the module in the connected host (WindowBars: Outlook's explorer and
// inspector bars too).
template <class TBody> void ForEachBarInHost(TzidCOMAddInModule &Module, bool WindowBars, TBody Body) {
    for (int i = 0; i < Module.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(Module.Components(i));
        if (bar == nullptr || !bar->SupportedApps().Contains(Module.HostType()))
            continue;
        if (!WindowBars && dynamic_cast<TzidOlCustomCommandBar *>(bar) != nullptr)
            continue;
        Body(*bar);
    }
}

// Takes a bar's controls and the bar out of the host; answers whether the bar stays there (a built-in
// bar, or one still holding controls: the user's own, or ones an earlier design left). A failing
// removal raises.
bool RemoveBarFromHost(TzidCOMAddInModule &Module, TzidCustomCommandBar &Bar) {
    const std::wstring &name = Bar.StoredCommandBarName();
    const bool there = static_cast<bool>(Module.FindCommandBar(name));
    Bar.RemoveControls();
    if (!there)
        return false;
    if (Module.FindCommandBar(name))
        return true; // the normal template keeps it too, with those controls
    DeleteFromNormalTemplate(Module, name);
    return false;
}

// Deletes the records below Key (values and keys, named by bar or tag) for which Goes answers true;
// the key goes with them once it holds nothing more.
template <class TGoes> void DeleteRecords(const std::wstring &Key, TGoes Goes) {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(Key, false))
        return;
    for (const std::wstring &name : registry.GetValueNames())
        if (Goes(name))
            registry.DeleteValue(name);
    for (const std::wstring &name : registry.GetKeyNames())
        if (Goes(name))
            registry.DeleteKey(name);
    const bool empty = registry.GetValueNames().empty() && registry.GetKeyNames().empty();
    registry.CloseKey();
    if (empty)
        registry.DeleteKey(Key);
}

// What the user's unload does with a record: that of a bar or control that left the host goes, that
// of one that stayed (or whose removal failed) stays, and that of one the design no longer names
// stays while the host still has it (InHost), for unregistration to find.
template <class TInHost>
auto RecordGoes(const std::set<std::wstring> &Gone, const std::set<std::wstring> &Kept, TInHost InHost) {
    return [&Gone, &Kept, InHost](const std::wstring &Name) {
        if (Kept.count(Name) != 0)
            return false;
        if (Gone.count(Name) != 0)
            return true;
        try {
            return !static_cast<bool>(InHost(Name));
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"Whether the host still has " + Name + L" is unknown: its record stays", E);
            return false;
        }
    };
}

// A host started for the clean-up; null (and traced, so that whoever runs the uninstaller learns
// why the bars stay) when it cannot be had.
classlib::ComPtr<IDispatch> StartHost(TzidOfficeHostApp Host) {
    const std::wstring progId = Host == ohaVisio ? L"Visio.InvisibleApp" : HostAppProgID(Host);
    CLSID clsid{};
    HRESULT hr = CLSIDFromProgID(progId.c_str(), &clsid);
    classlib::ComPtr<IDispatch> app;
    if (SUCCEEDED(hr))
        hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                              app.PutVoid());
    if (FAILED(hr)) {
        classlib::Trace(L"Registration",
                        classlib::Format(L"%s cannot be started (0x%.8x, %s): the add-in's bars and controls "
                                         L"stay in it",
                                         {progId, static_cast<unsigned>(hr), classlib::SysErrorMessage(hr)}));
        return nullptr;
    }
    return app;
}

// Calls Body(template) for every template of Word's Templates collection.
template <class TBody> void ForEachTemplate(IDispatch *Word, TBody Body) {
    classlib::ComPtr<IDispatch> templates = classlib::DispGet(Word, L"Templates").ToDispatch();
    const int count = classlib::DispGet(templates.Get(), L"Count").ToInt();
    for (int i = 1; i <= count; ++i)
        Body(classlib::DispCall(templates.Get(), L"Item", {classlib::OleVariant(i)}).ToDispatch().Get());
}

// The full names of the templates that hold no unsaved edit of the user's before the clean-up.
std::set<std::wstring> SavedTemplates(IDispatch *Word) {
    std::set<std::wstring> saved;
    try {
        ForEachTemplate(Word, [&](IDispatch *Template) {
            if (classlib::DispGet(Template, L"Saved").ToBool())
                saved.insert(classlib::DispGet(Template, L"FullName").ToString());
        });
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"Word's templates could not be read: none is saved after the clean-up", E);
        saved.clear();
    }
    return saved;
}

// Saves what the clean-up changed: in a Word the user runs only the templates that were saved before
// (SavedBefore), so that no edit of the user's is committed; in a Word started here (null) every one.
void SaveChangedTemplates(IDispatch *Word, const std::set<std::wstring> *SavedBefore) {
    try {
        ForEachTemplate(Word, [&](IDispatch *Template) {
            if (classlib::DispGet(Template, L"Saved").ToBool())
                return;
            if (SavedBefore == nullptr ||
                SavedBefore->count(classlib::DispGet(Template, L"FullName").ToString()) != 0)
                classlib::DispCall(Template, L"Save");
        });
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"Word's templates were not saved", E);
    }
}

} // namespace

void TzidModuleBarsEngine::RemoveCommandBarsFromHost(bool WindowBars) {
    ForEachBarInHost(module_, WindowBars,
                     [this](TzidCustomCommandBar &Bar) { RemoveBarFromHost(module_, Bar); });
}

// Only the records of what left the host go: a bar that stays (or whose removal failed) and the
// controls of a failed removal keep theirs, and so does what an earlier design built and this one no
// longer names, which only unregistration can find again.
void TzidModuleBarsEngine::RemoveCommandBarsOnUnload() {
    std::set<std::wstring> goneBars, goneTags, keptBars, keptTags;
    ForEachBarInHost(module_, true, [&](TzidCustomCommandBar &Bar) {
        bool removed = false, stays = true;
        module_.RunGuarded([&] {
            stays = RemoveBarFromHost(module_, Bar);
            removed = true;
        });
        (removed && !stays ? goneBars : keptBars).insert(Bar.StoredCommandBarName());
        CollectControlTags(*Bar.Controls(), removed ? goneTags : keptTags);
    });
    auto barInHost = [this](const std::wstring &Name) { return module_.FindCommandBar(Name); };
    auto controlInHost = [this](const std::wstring &Tag) {
        return module_.CommandBars() ? FindRecorded(module_.CommandBars().Get(), Tag) : nullptr;
    };
    const std::wstring key = module_.AddInKey();
    DeleteRecords(key + L"\\CommandBars", RecordGoes(goneBars, keptBars, barInHost));
    DeleteRecords(key + L"\\Controls", RecordGoes(goneTags, keptTags, controlInHost));
}

void TzidModuleBarsEngine::RemoveHostControls(TzidOfficeHostApp Host,
                                              const std::vector<std::wstring> &BarNames,
                                              const std::vector<TzidRecordedControl> &ControlTags) {
    TzidCOMAddInModule &Module = module_;
    classlib::ComPtr<IDispatch> app = GetRunningHost(Host);
    bool started = false;
    if (!app) {
        app = StartHost(Host);
        started = static_cast<bool>(app);
    }
    if (!app)
        return;
    // Whatever happens, the module lets go of the host and a host started here is quit.
    classlib::ScopeExit release([&Module, &app, Host, started] {
        Module.SetCommandBars(nullptr);
        Module.SetHostApp(classlib::OleVariant());
        if (Host == ohaExcel || Host == ohaPowerPoint)
            Sleep(500);
        if (started) {
            try {
                classlib::DispCall(app.Get(), L"Quit");
            } catch (const classlib::Exception &E) {
                TraceCommandBars(L"A host started for the clean-up did not quit", E);
            }
        }
    });
    std::set<std::wstring> savedBefore;
    if (Host == ohaWord && !started)
        savedBefore = SavedTemplates(app.Get());
    Module.SetHostApp(classlib::OleVariant(app.Get()));
    Module.SetHostType(Host);
    Module.SetCommandBars(nullptr);
    Module.SetCommandBars(Module.GetHostCommandBars());
    if (classlib::ComPtr<_CommandBars> bars = Module.CommandBars()) {
        Module.RemoveCommandBarsFromHost(false);
        RemoveRecordedControls(Module, bars.Get(), ControlTags, BarNames);
    }
    if (Host == ohaWord)
        SaveChangedTemplates(app.Get(), started ? nullptr : &savedBefore);
}

} // namespace framework
