// Taking the module's bars and recorded controls out of a host: on a user unload (the host goes on)
// and on unregistration (the host is started for it when it does not run, and quit again; Outlook
// never is).
#include <windows.h>

#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
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

classlib::ComPtr<IDispatch> StartHost(TzidOfficeHostApp Host) {
    const std::wstring progId = Host == ohaVisio ? L"Visio.InvisibleApp" : HostAppProgID(Host);
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(progId.c_str(), &clsid)))
        return nullptr;
    classlib::ComPtr<IDispatch> app;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                app.PutVoid())))
        return nullptr;
    return app;
}

} // namespace

void TzidCOMAddInModule::RemoveCommandBarsFromHost(bool WindowBars) {
    for (int i = 0; i < ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(Components(i));
        if (bar == nullptr || !bar->SupportedApps().Contains(hostType_))
            continue;
        if (!WindowBars && dynamic_cast<TzidOlCustomCommandBar *>(bar) != nullptr)
            continue;
        bar->RemoveControls();
        if (hostType_ == ohaWord && officeVersion_ < 12) {
            // Word keeps a customised bar in its normal template: without this it came back.
            try {
                classlib::ComPtr<IDispatch> app = hostApp_.ToDispatch();
                classlib::OleVariant normal = classlib::DispGet(app.Get(), L"NormalTemplate");
                classlib::OleVariant source = classlib::DispGet(normal.ToDispatch().Get(), L"FullName");
                classlib::DispCall(
                    app.Get(), L"OrganizerDelete",
                    {source, classlib::OleVariant(bar->CommandBarName()), classlib::OleVariant(2)});
            } catch (const classlib::Exception &E) {
                TraceCommandBars(L"Word's normal template kept the bar " + bar->CommandBarName(), E);
            }
        }
    }
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
    Module.SetHostApp(classlib::OleVariant(app.Get()));
    Module.SetHostType(Host);
    Module.SetCommandBars(nullptr);
    Module.SetCommandBars(Module.GetHostCommandBars());
    if (classlib::ComPtr<_CommandBars> bars = Module.CommandBars()) {
        Module.RemoveCommandBarsFromHost(false);
        RemoveRecordedControls(Module, bars.Get(), ControlTags, BarNames);
    }
    if (Host == ohaWord) {
        try {
            classlib::ComPtr<IDispatch> templates = classlib::DispGet(app.Get(), L"Templates").ToDispatch();
            const int count = classlib::DispGet(templates.Get(), L"Count").ToInt();
            for (int i = 1; i <= count; ++i) {
                classlib::ComPtr<IDispatch> item =
                    classlib::DispCall(templates.Get(), L"Item", {classlib::OleVariant(i)}).ToDispatch();
                if (!classlib::DispGet(item.Get(), L"Saved").ToBool())
                    classlib::DispCall(item.Get(), L"Save");
            }
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"Word's templates were not saved", E);
        }
    }
}

} // namespace framework
