// Taking the module's bars and recorded controls out of a host: on a user unload (the host goes on;
// each bar goes on its own, and one that stays keeps its records) and on unregistration (the host is
// started for it when it does not run, and quit again; Outlook never is).
#include <windows.h>

#include <set>

#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "classlib/Registry.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarModel.h"
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

// The controls and bars recorded by earlier builds that the design no longer names.
void RemoveRecordedControls(TzidCOMAddInModule &Module, _CommandBars *Bars,
                            const std::vector<TzidRecordedControl> &ControlTags,
                            const std::vector<std::wstring> &BarNames) {
    for (const TzidRecordedControl &record : ControlTags) {
        if (record.PropertyChanged == kRemoveAlways)
            continue;
        classlib::ComPtr<CommandBarControl> found = FindRecorded(Bars, record.Tag);
        if (!found)
            continue;
        MsoControlType type = msoControlCustom;
        classlib::OleCheck(found->get_Type(&type));
        if (type == msoControlPopup) {
            // A popup that still holds controls (of someone else) stays.
            classlib::ComPtr<CommandBarPopup> popup = found.As<CommandBarPopup>();
            classlib::ComPtr<CommandBarControls> children;
            classlib::OleCheck(popup->get_Controls(children.Put()));
            long count = 0;
            classlib::OleCheck(children->get_Count(&count));
            if (count > 0)
                continue;
        }
        classlib::OleCheck(found->Delete(BoolArg(false)));
    }
    for (const TzidRecordedControl &record : ControlTags)
        if (record.PropertyChanged == kRemoveAlways)
            if (classlib::ComPtr<CommandBarControl> found = FindRecorded(Bars, record.Tag))
                classlib::OleCheck(found->Delete(BoolArg(false)));
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
        if (builtIn == VARIANT_FALSE && count == 0)
            classlib::OleCheck(bar->Delete());
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

// Takes a bar's controls and the bar out of the host, and a Word bar out of Word's normal template;
// a failing removal raises.
void RemoveBarFromHost(TzidCOMAddInModule &Module, TzidCustomCommandBar &Bar) {
    Bar.RemoveControls();
    if (Module.HostType() != ohaWord || Module.OfficeVersion() >= 12)
        return;
    // Word keeps a customised bar in its normal template: without this it came back.
    try {
        classlib::ComPtr<IDispatch> app = Module.HostApp().ToDispatch();
        classlib::OleVariant normal = classlib::DispGet(app.Get(), L"NormalTemplate");
        classlib::OleVariant source = classlib::DispGet(normal.ToDispatch().Get(), L"FullName");
        classlib::DispCall(app.Get(), L"OrganizerDelete",
                           {source, classlib::OleVariant(Bar.CommandBarName()), classlib::OleVariant(2)});
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"Word's normal template kept the bar " + Bar.CommandBarName(), E);
    }
}

// Deletes the records below Key (values and keys, named by bar or tag) but those named in Kept; the
// key goes with them when nothing is kept.
void DeleteRecordsExcept(const std::wstring &Key, const std::set<std::wstring> &Kept) {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (Kept.empty()) {
        if (registry.KeyExists(Key))
            registry.DeleteKey(Key);
        return;
    }
    if (!registry.OpenKey(Key, false))
        return;
    for (const std::wstring &name : registry.GetValueNames())
        if (Kept.count(name) == 0)
            registry.DeleteValue(name);
    for (const std::wstring &name : registry.GetKeyNames())
        if (Kept.count(name) == 0)
            registry.DeleteKey(name);
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

void TzidCOMAddInModule::RemoveCommandBarsFromHost(bool WindowBars) {
    ForEachBarInHost(*this, WindowBars, [this](TzidCustomCommandBar &Bar) { RemoveBarFromHost(*this, Bar); });
}

void TzidCOMAddInModule::RemoveCommandBarsOnUnload() {
    std::set<std::wstring> keptBars, keptTags;
    ForEachBarInHost(*this, true, [&](TzidCustomCommandBar &Bar) {
        bool removed = false;
        RunGuarded([&] {
            RemoveBarFromHost(*this, Bar);
            removed = true;
        });
        if (!removed) {
            // What stayed in the host keeps its records: unregistration takes it out later.
            keptBars.insert(Bar.StoredCommandBarName());
            CollectControlTags(*Bar.Controls(), keptTags);
        }
    });
    const std::wstring key = AddInKey();
    DeleteRecordsExcept(key + L"\\CommandBars", keptBars);
    DeleteRecordsExcept(key + L"\\Controls", keptTags);
}

void TzidFactory::RemoveHostControls(TzidCOMAddInModule &Module, TzidOfficeHostApp Host,
                                     const std::vector<std::wstring> &BarNames,
                                     const std::vector<TzidRecordedControl> &ControlTags) {
    classlib::ComPtr<IDispatch> app = GetRunningHost(Host);
    bool started = false;
    if (!app) {
        app = StartHost(Host);
        started = static_cast<bool>(app);
    }
    if (!app)
        return;
    // Whatever happens, the module lets go of the host and a host started here is quit.
    struct TRelease {
        TzidCOMAddInModule &Module;
        classlib::ComPtr<IDispatch> &App;
        TzidOfficeHostApp Host;
        bool Started;
        ~TRelease() {
            Module.SetCommandBars(nullptr);
            Module.SetHostApp(classlib::OleVariant());
            if (Host == ohaExcel || Host == ohaPowerPoint)
                Sleep(500);
            if (Started) {
                try {
                    classlib::DispCall(App.Get(), L"Quit");
                } catch (const classlib::Exception &E) {
                    TraceCommandBars(L"A host started for the clean-up did not quit", E);
                }
            }
        }
    } release{Module, app, Host, started};
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
