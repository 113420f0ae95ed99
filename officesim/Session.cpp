#include "officesim/Session.h"

#include <windows.h>

#include <algorithm>
#include <map>
#include <memory>

#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/TaskPaneFactory.h"
#include "officesim/AddIn.h"
#include "officesim/AddInRibbon.h"
#include "officesim/CommandBarView.h"
#include "officesim/CrashGuard.h"
#include "officesim/DllUnload.h"
#include "officesim/HostDriver.h"
#include "officesim/TaskPaneView.h"

namespace officesim {

namespace {

struct LoadedAddIn {
    std::unique_ptr<AddIn> addIn;
    hostsim::ComAddInObject *comAddIn = nullptr; // the host's entry, once created
    std::unique_ptr<AddInRibbon> ribbon;         // once connected
};

// Office's thread keeps its message queue moving; add-ins post to themselves and expect it.
void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Session {
public:
    Session(const SessionSettings &settings, Transcript &transcript)
        : settings_(settings), t_(transcript),
          host_(settings.host == HostKind::Outlook ? MakeOutlookDriver(settings.version, settings.versionText)
                                                   : MakeWordDriver(settings.version, settings.versionText)) {
    }

    int Run() {
        t_.Heading(L"officesim: " + host_->Name() + L" " + settings_.versionText + L" (" + settings_.program +
                   L")");
        std::vector<AddInEntry> toLoad = Discover();
        StartUp(toLoad);
        for (const Step &step : settings_.steps)
            if (!RunStep(step))
                break;
        if (!quit_) {
            t_.Heading(L"shutdown after the script error");
            Transcript::Indent indent(t_);
            Shutdown(false);
        }
        Unload();
        Summary();
        if (t_.Failures() > 0)
            return kExitAddInFailed;
        return t_.HadScriptError() ? kExitScriptError : 0;
    }

private:
    std::vector<AddInEntry> Discover() {
        t_.Heading(L"add-ins of " + host_->Name() + L" (Software\\Microsoft\\Office\\" + host_->Name() +
                   L"\\Addins in HKCU, then HKLM)");
        Transcript::Indent indent(t_);
        std::vector<AddInEntry> toLoad;
        std::vector<AddInEntry> entries = ReadAddIns(host_->Name());
        if (entries.empty())
            t_.Line(L"none registered");
        for (const AddInEntry &entry : entries) {
            std::wstring line = entry.hive + L" " + entry.progId;
            if (!entry.friendlyName.empty())
                line += L" " + Quoted(entry.friendlyName);
            if (!entry.description.empty())
                line += L" (" + entry.description + L")";
            if (entry.loadBehavior)
                line +=
                    classlib::Format(L", LoadBehavior %d (%s)", {static_cast<unsigned>(*entry.loadBehavior),
                                                                 LoadBehaviorMeaning(*entry.loadBehavior)});
            if (entry.duplicate)
                line += L": skipped, the same add-in is listed under HKCU";
            else if (!entry.problem.empty())
                line += L": skipped, " + entry.problem;
            else if (!entry.loadBehavior)
                line += L": skipped, no LoadBehavior value";
            else if (*entry.loadBehavior != 3)
                line += L": skipped, not loaded at start-up";
            else
                line += L": to be loaded";
            t_.Line(line);
            if (!entry.duplicate && entry.problem.empty() && entry.loadBehavior.value_or(0) == 3)
                toLoad.push_back(entry);
        }
        return toLoad;
    }

    std::vector<LoadedAddIn *> Connected() {
        std::vector<LoadedAddIn *> connected;
        for (LoadedAddIn &loaded : addIns_)
            if (loaded.addIn->Connected())
                connected.push_back(&loaded);
        return connected;
    }

    void StartUp(const std::vector<AddInEntry> &toLoad) {
        t_.Heading(L"start-up");
        Transcript::Indent indent(t_);
        Stopwatch watch;
        size_t slot = timings_.size(); // start-up comes first although ribbons load within it
        timings_.emplace_back(L"start-up", 0.0);
        host_->OpenStartupWindows(t_);
        for (const AddInEntry &entry : toLoad)
            Connect(entry);
        PumpMessages();
        LoadRibbons(host_->Windows());
        HandOverTaskPaneFactory();
        host_->RaiseStartup(t_);
        for (LoadedAddIn *loaded : Connected())
            loaded->addIn->StartupComplete();
        PumpMessages();
        WindowsChanged();
        RefreshRibbons();
        ReportPanes();
        timings_[slot].second = watch.Milliseconds();
        t_.Line(L"start-up took " + MsText(timings_[slot].second));
    }

    void Connect(const AddInEntry &entry) {
        LoadedAddIn &loaded = addIns_.emplace_back();
        loaded.addIn = std::make_unique<AddIn>(entry, t_);
        AddIn &addIn = *loaded.addIn;
        if (!addIn.Create())
            return;
        std::wstring description = entry.friendlyName.empty() ? entry.description : entry.friendlyName;
        loaded.comAddIn = host_->World().Create<hostsim::ComAddInObject>(
            entry.progId, classlib::GUIDToString(addIn.ClassId()), description, host_->Application());
        loaded.comAddIn->SetName(L"COMAddIn(" + entry.progId + L")");
        if (!addIn.Connect(host_->Application(), static_cast<COMAddIn *>(loaded.comAddIn))) {
            t_.Line(entry.progId +
                    L": Office would release it and mark it unloaded (LoadBehavior 2); officesim "
                    L"leaves the registry as it is");
            addIn.Release();
            return;
        }
        loaded.comAddIn->SetConnected(true);
        // The COM add-ins dialog (or a program) setting Connect to False: Office disconnects the
        // add-in and lets go of it; the host goes on.
        loaded.comAddIn->SetConnectHandler([this, &addIn](bool connect) {
            if (connect || !addIn.Connected())
                return;
            addIn.Disconnect(ext_dm_UserClosed);
            PumpMessages();
            addIn.Release();
        });
        loaded.ribbon = std::make_unique<AddInRibbon>(addIn, host_->World(), settings_.version, t_);
    }

    // Office 2007 and later hand their task-pane factory to every connected add-in that takes one,
    // once its ribbon is loaded and before start-up completes.
    void HandOverTaskPaneFactory() {
        if (settings_.version < 12)
            return;
        std::optional<HostWindow> active = host_->ActiveWindow();
        paneFactory_ = host_->World().Create<hostsim::TaskPaneFactory>(host_->Application(),
                                                                       active ? active->object : nullptr);
        panes_ = std::make_unique<TaskPaneView>(*paneFactory_);
        for (LoadedAddIn *loaded : Connected())
            loaded->addIn->TaskPaneFactoryAvailable(static_cast<ICTPFactory *>(paneFactory_));
    }

    void ReportPanes() {
        if (panes_)
            panes_->Report(host_->Windows(), t_);
    }

    // Office asks for a kind's document when the first window of that kind opens.
    void LoadRibbons(const std::vector<HostWindow> &windows) {
        for (const HostWindow &window : windows) {
            if (window.ribbonId.empty())
                continue;
            std::vector<LoadedAddIn *> waiting;
            for (LoadedAddIn *loaded : Connected())
                if (!loaded->ribbon->Loaded(window.ribbonId))
                    waiting.push_back(loaded);
            if (waiting.empty())
                continue;
            Stopwatch watch;
            for (LoadedAddIn *loaded : waiting)
                loaded->ribbon->Load(window.ribbonId);
            timings_.emplace_back(L"ribbon load " + window.ribbonId, watch.Milliseconds());
        }
    }

    // New windows get their ribbon callbacks or show their command bars; closed ones are forgotten.
    void WindowsChanged() {
        std::vector<HostWindow> windows = host_->Windows();
        std::vector<std::wstring> names;
        for (const HostWindow &window : windows)
            names.push_back(window.name);
        for (const std::wstring &name : known_)
            if (std::find(names.begin(), names.end(), name) == names.end())
                for (LoadedAddIn &loaded : addIns_)
                    if (loaded.ribbon)
                        loaded.ribbon->Forget(name);
        LoadRibbons(windows);
        for (const HostWindow &window : windows) {
            if (std::find(known_.begin(), known_.end(), window.name) != known_.end())
                continue;
            if (!window.ribbonId.empty()) {
                for (LoadedAddIn *loaded : Connected())
                    loaded->ribbon->Query(window);
            } else if (window.commandBars) {
                ShowBars(window);
            }
        }
        known_ = std::move(names);
    }

    // Again: the listing even when it is what was shown before.
    void ShowBars(const HostWindow &window, bool again = false) {
        std::vector<std::wstring> lines = DescribeAddInBars(window.commandBars);
        auto shown = shownBars_.find(window.commandBars);
        if (!again && shown != shownBars_.end() && shown->second == lines) {
            t_.Line(L"command bars of " + window.name + L": as shown before");
            return;
        }
        shownBars_[window.commandBars] = lines;
        t_.Line(lines.empty() ? L"no bars or controls of add-ins in the command bars of " + window.name
                              : L"command bars the add-ins built in " + window.name + L":");
        Transcript::Indent indent(t_);
        for (const std::wstring &line : lines)
            t_.Line(line);
    }

    void ShowActiveBars() {
        std::optional<HostWindow> window = host_->ActiveWindow();
        if (window && window->ribbonId.empty() && window->commandBars)
            ShowBars(*window, true);
    }

    void RefreshRibbons() {
        std::vector<HostWindow> windows = host_->Windows();
        for (LoadedAddIn &loaded : addIns_)
            if (loaded.ribbon)
                loaded.ribbon->Refresh(windows);
    }

    // false when the session is over: after quit, or a step that could not be done.
    bool RunStep(const Step &step) {
        t_.Heading(step.line > 0 ? classlib::Format(L"line %d: %s", {step.line, step.Text()}) : step.Text());
        Transcript::Indent indent(t_);
        Stopwatch watch;
        try {
            if (step.command == L"quit" || step.command == L"quit-fast") {
                Shutdown(step.command == L"quit-fast");
                return false;
            }
            if (step.command == L"click-ribbon")
                ClickRibbon(step.args[0]);
            else if (step.command == L"click-bar")
                ClickBar(step.args[0]);
            else if (step.command == L"unload")
                UnloadByUser(step.args[0]);
            else if (!host_->Run(step, t_))
                throw EScriptError(L"officesim cannot do " + step.command + L" in " + host_->Name());
            PumpMessages();
            WindowsChanged();
            if (step.command == L"switch-folder")
                ShowActiveBars(); // what the user sees of the add-ins' bars in the new folder
            RefreshRibbons();
            ReportPanes();
        } catch (const classlib::Exception &e) {
            t_.ScriptError(e.Message());
            return false;
        }
        double milliseconds = watch.Milliseconds();
        t_.Line(L"(" + MsText(milliseconds) + L")");
        if (step.command == L"switch-folder")
            timings_.emplace_back(L"folder switch", milliseconds);
        else if (step.command == L"open-inspector")
            timings_.emplace_back(L"inspector open", milliseconds);
        return true;
    }

    HostWindow ActiveWindow() {
        std::optional<HostWindow> window = host_->ActiveWindow();
        if (!window)
            throw EScriptError(L"no window is open");
        return *window;
    }

    void ClickRibbon(const std::wstring &id) {
        HostWindow window = ActiveWindow();
        if (window.ribbonId.empty())
            throw EScriptError(
                classlib::Format(L"%s has no ribbon in %s %d; click-bar clicks its command bars",
                                 {window.name, host_->Name(), settings_.version}));
        for (LoadedAddIn *loaded : Connected()) {
            if (!loaded->ribbon->Has(window.ribbonId, id))
                continue;
            t_.Line(L"click on " + id + L" in " + window.name + L" (" + loaded->addIn->ProgId() + L")");
            loaded->ribbon->Click(window, id);
            return;
        }
        throw EScriptError(L"no add-in's ribbon has a control " + id + L" in " + window.name + L" (" +
                           window.ribbonId + L")");
    }

    void ClickBar(const std::wstring &what) {
        HostWindow window = ActiveWindow();
        if (window.commandBars == nullptr)
            throw EScriptError(window.name + L" has no command bars");
        ClickBarButton(window.commandBars, what, window.name, t_);
    }

    void UnloadByUser(const std::wstring &progId) {
        for (LoadedAddIn *loaded : Connected()) {
            if (_wcsicmp(loaded->addIn->ProgId().c_str(), progId.c_str()) != 0 || loaded->comAddIn == nullptr)
                continue;
            t_.Line(L"the user unloads " + progId + L": COMAddIn.Connect = False");
            HRESULT hr = static_cast<COMAddIn *>(loaded->comAddIn)->put_Connect(VARIANT_FALSE);
            if (FAILED(hr))
                t_.Failure(L"setting Connect to False returned " + HResultText(hr));
            // What the user sees now in the windows that show command bars.
            for (const HostWindow &window : host_->Windows())
                if (window.ribbonId.empty() && window.commandBars)
                    ShowBars(window);
            return;
        }
        throw EScriptError(L"no connected add-in " + progId);
    }

    void Shutdown(bool fast) {
        quit_ = true;
        std::vector<LoadedAddIn *> usual, silent;
        bool policy = fast && FastShutdownTurnedOff(settings_.version);
        if (fast)
            t_.Line(
                policy
                    ? L"Outlook's fast shutdown, but AddinFastShutdownBehavior is 1: every add-in gets the "
                      L"usual calls"
                    : L"Outlook's fast shutdown: add-ins get no shutdown calls unless they ask for them");
        for (LoadedAddIn *loaded : Connected()) {
            bool asks = loaded->addIn->Entry().requireShutdownNotification;
            if (!fast || policy || asks) {
                usual.push_back(loaded);
                if (fast && asks)
                    t_.Line(loaded->addIn->ProgId() +
                            L": RequireShutdownNotification is 1, so it gets the usual calls");
            } else {
                silent.push_back(loaded);
            }
        }
        for (LoadedAddIn *loaded : usual)
            loaded->addIn->BeginShutdown();
        PumpMessages();
        for (LoadedAddIn *loaded : silent)
            t_.Line(loaded->addIn->ProgId() + L": no OnBeginShutdown, no OnDisconnection");
        t_.Line(classlib::Format(L"%d event connection(s) on the Application hear Quit",
                                 {host_->QuitListeners()}));
        {
            Activity activity(L"the host's shutdown (windows closing, the Quit event)");
            host_->Quit(t_);
        }
        PumpMessages();
        for (LoadedAddIn *loaded : usual)
            if (loaded->addIn->Connected())
                loaded->addIn->Disconnect(ext_dm_HostShutdown);
        for (LoadedAddIn *loaded : silent)
            loaded->addIn->Abandon();
        PumpMessages();
        ReportPanes();
    }

    void Unload() {
        t_.Heading(L"release and unload");
        Transcript::Indent indent(t_);
        for (LoadedAddIn &loaded : addIns_) {
            if (loaded.comAddIn && loaded.comAddIn->Connected())
                loaded.comAddIn->SetConnected(false);
            loaded.addIn->Release();
        }
        t_.Line(L"officesim let go of the add-ins and their COMAddIn objects let go of them");
        PumpMessages();
        std::vector<std::wstring> dlls, waiting;
        for (LoadedAddIn &loaded : addIns_) {
            const std::wstring &dll = loaded.addIn->DllPath();
            if (!dll.empty() && std::find(dlls.begin(), dlls.end(), dll) == dlls.end())
                dlls.push_back(dll);
        }
        for (const std::wstring &dll : dlls)
            if (AskUnload(dll, false) == S_FALSE)
                waiting.push_back(dll);
        if (!waiting.empty())
            t_.Line(
                L"the host lets go of what it still holds (event connections, objects the add-ins gave it)");
        {
            Activity activity(L"the host letting go of its objects");
            host_->World().Shutdown();
        }
        PumpMessages();
        for (const std::wstring &dll : waiting)
            AskUnload(dll, true);
        CoFreeUnusedLibraries();
        for (const std::wstring &dll : dlls)
            t_.Line(dll + (DllLoaded(dll) ? L": still loaded after CoFreeUnusedLibraries"
                                          : L": unloaded by CoFreeUnusedLibraries"));
    }

    HRESULT AskUnload(const std::wstring &dll, bool again) {
        UnloadAnswer answer = AskDllCanUnloadNow(dll);
        if (!answer.loaded) {
            t_.Line(dll + L": not loaded");
        } else if (!answer.exported) {
            t_.Failure(dll + L" exports no DllCanUnloadNow, so COM can never unload it");
        } else if (answer.hr == S_OK) {
            t_.Line(dll + L": DllCanUnloadNow -> S_OK" +
                    (again ? L" once the host let go: the add-in had left event connections or objects with "
                             L"the host"
                           : L""));
        } else if (answer.hr == S_FALSE) {
            t_.Line(dll + L": DllCanUnloadNow -> S_FALSE" +
                    (again ? L" still: the add-in keeps objects of its own alive"
                           : L": objects of it are still alive"));
        } else {
            t_.Failure(dll + L": DllCanUnloadNow returned " + HResultText(answer.hr));
        }
        return answer.hr;
    }

    void Summary() {
        t_.Heading(L"timings");
        {
            Transcript::Indent indent(t_);
            for (const auto &[label, milliseconds] : timings_)
                t_.Line(label + L": " + MsText(milliseconds));
        }
        if (t_.Failures() > 0)
            t_.Heading(classlib::Format(L"result: %d failure(s)", {t_.Failures()}));
        else if (t_.HadScriptError())
            t_.Heading(L"result: the script could not be played to its end");
        else
            t_.Heading(L"result: no failures");
    }

    const SessionSettings &settings_;
    Transcript &t_;
    std::unique_ptr<HostDriver> host_;
    std::vector<LoadedAddIn> addIns_;
    hostsim::TaskPaneFactory *paneFactory_ = nullptr; // held by the host's world
    std::unique_ptr<TaskPaneView> panes_;
    std::vector<std::wstring> known_;
    std::map<IUnknown *, std::vector<std::wstring>> shownBars_;
    std::vector<std::pair<std::wstring, double>> timings_;
    bool quit_ = false;
};

} // namespace

int RunSession(const SessionSettings &settings, Transcript &transcript) {
    return Session(settings, transcript).Run();
}

} // namespace officesim
