// The start-up sequence: what happens once the host reports that it has started (or at once, for an
// add-in loaded later). It runs once per module.
#include "framework/core/AddInObject.h"

#include <vector>

#include "classlib/Application.h"
#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/Registry.h"
#include "classlib/Trace.h"
#include "framework/core/HandlerChain.h"
#include "framework/core/ProcessState.h"
#include "office/HostDispIds.h"
#include "office/OtherHostWrappers.h"

using classlib::ComPtr;

namespace framework {

// Each step is named on the trace as it ends, so that whoever listens can tell what start-up costs.
// A step that runs add-in code may unload the add-in: the sequence stops there.
void TdivAzore::StartupComplete() {
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    if (++module.connectCount_ > 1 || module.HostWrapper(ohaExcel) != nullptr)
        return;
    auto done = [&](const wchar_t *Step) {
        classlib::TraceEntry(L"Startup", Step);
        return Connected(module);
    };
    module.ConnectToHost();
    if (!done(L"host connected"))
        return;
    HostKind = module.HostType();
    if (HostWindowClasses(HostKind) != nullptr) {
        EnumThreadWindows(GetCurrentThreadId(), FindHostMainWindow, 0);
        classlib::SetApplicationHandle(HostMainWindow);
        done(L"host window found");
    }
    OpenAddInKey();
    ReadStartMode();
    done(L"add-in key opened, start mode read");
    ReadColorScheme();
    done(L"colour scheme read");
    module.SetCommandBars(module.GetHostCommandBars());
    done(L"host command bars found");
    module.RunGuarded([&] { module.OnAddInInitialize(&module); });
    if (!done(L"initialize event"))
        return;
    if (module.HostType() == ohaOutlook)
        module.RestoreExplorerBarPositions();
    BuildCommandBars();
    if (!done(L"bars built"))
        return;
    if (module.CTPFactory())
        CreateStartupTaskPanes();
    if (Connected(module))
        module.RefreshNamedObjects();
    if (!done(L"task panes and named objects"))
        return;
    module.RunGuarded([&] { module.OnAddInStartupComplete(&module); });
    if (!done(L"start-up complete event"))
        return;
    if (module.StartMode() == zsmFirstStart)
        WriteNormalStartMode();
    ChainHostHandlers();
    done(L"start mode written, host handlers chained");
    if (module.HostType() == ohaOutlook)
        HookOutlook();
    if (!done(L"Outlook's windows followed"))
        return;
    if (module.HandleShortcuts())
        InstallShortcuts();
    done(L"shortcut window and hook");
    CreateColorWindow();
    done(L"colour-scheme window");
}

// The add-in key stays open in the module's registry object for the command-bar engine.
void TdivAzore::OpenAddInKey() {
    std::wstring key = module_->AddInKey();
    if (key.empty())
        return;
    module_->Registry().SetRootKey(HKEY_CURRENT_USER);
    module_->Registry().OpenKey(key, true);
}

namespace {

// The add-in key as the module holds it open, or else opened (created when missing) in Fallback: each
// opening is a trip to the registry server.
classlib::TRegistry *AddInKeyOf(const TzidCOMAddInModule &Module, classlib::TRegistry &Fallback) {
    if (classlib::TRegistry *held = Module.HeldAddInKey())
        return held;
    std::wstring key = Module.AddInKey();
    Fallback.SetRootKey(HKEY_CURRENT_USER);
    return !key.empty() && Fallback.OpenKey(key, true) ? &Fallback : nullptr;
}

} // namespace

void TdivAzore::ReadStartMode() {
    classlib::TRegistry own;
    classlib::TRegistry *reg = AddInKeyOf(*module_, own);
    if (reg == nullptr)
        return;
    if (!reg->ValueExists(ZIDStartModeValue)) {
        module_->SetStartMode(zsmFirstStart);
        return;
    }
    try {
        module_->SetStartMode(ParseStartMode(reg->ReadString(ZIDStartModeValue)));
    } catch (const classlib::Exception &) {
        module_->SetStartMode(zsmUnknown); // a value that is no text names no mode either
    }
}

// Office's own colour scheme; without a "Theme" value each version has its default.
void TdivAzore::ReadColorScheme() {
    TzidCOMAddInModule &module = *module_;
    classlib::TRegistry reg(KEY_READ);
    reg.SetRootKey(HKEY_CURRENT_USER);
    if (!reg.OpenKeyReadOnly(
            classlib::Format(L"Software\\Microsoft\\Office\\%d.0\\Common", {module.OfficeVersion()})))
        return;
    if (reg.ValueExists(L"Theme")) {
        try {
            module.SetColorScheme(ColorSchemeOfTheme(reg.ReadInteger(L"Theme")));
        } catch (const classlib::ERegistryException &) {
            // A value that is no number leaves the scheme unknown.
            classlib::TraceException(L"Startup", L"Office's Theme value is no number");
        }
    } else if (module.OfficeVersion() == 12) {
        module.SetColorScheme(TzidOfficeColorScheme::Blue);
    } else if (module.OfficeVersion() >= 14) {
        module.SetColorScheme(TzidOfficeColorScheme::Silver);
    }
}

// Access gets its bars once a database is open (the module's timer watches for it); MapPoint has none.
void TdivAzore::BuildCommandBars() {
    TzidCOMAddInModule &module = *module_;
    switch (module.HostType()) {
    case ohaAccess:
        module.SetAccessBusy(false);
        module.AccessTimer().SetEnabled(true);
        break;
    case ohaMapPoint:
        break;
    default:
        module.CreateCommandBars();
        break;
    }
}

void TdivAzore::WriteNormalStartMode() {
    classlib::TRegistry own;
    if (classlib::TRegistry *reg = AddInKeyOf(*module_, own))
        reg->WriteString(ZIDStartModeValue, StartModeName(zsmNormal));
}

void TdivAzore::ChainHostHandlers() {
    using classlib::MakeEvent;
    TzidCOMAddInModule &module = *module_;
    switch (module.HostType()) {
    case ohaInfoPath:
        if (auto *app = dynamic_cast<office::TInfoPathApplication *>(module.HostWrapper(ohaInfoPath))) {
            Chain(app->OnNewXDocument, PrevInfoPathHandlers.NewXDocument,
                  MakeEvent<&TdivAzore::InfoPathNewXDocument>(this));
            Chain(app->OnXDocumentOpen, PrevInfoPathHandlers.XDocumentOpen,
                  MakeEvent<&TdivAzore::InfoPathXDocumentOpen>(this));
        }
        break;
    case ohaPowerPoint:
        if (auto *app = dynamic_cast<office::TPowerPointApplication *>(module.HostWrapper(ohaPowerPoint)))
            Chain(app->OnWindowActivate, PrevPowerPointHandler,
                  MakeEvent<&TdivAzore::PowerPointWindowActivate>(this));
        break;
    case ohaExcel:
        if (auto *app = dynamic_cast<office::TExcelApplication *>(module.HostWrapper(ohaExcel))) {
            Chain(app->OnWorkbookActivate, PrevExcelHandlers.WorkbookActivate,
                  MakeEvent<&TdivAzore::ExcelWorkbookActivate>(this));
            Chain(app->OnSheetActivate, PrevExcelHandlers.SheetActivate,
                  MakeEvent<&TdivAzore::ExcelSheetActivate>(this));
        }
        break;
    default:
        break;
    }
    // Word's, InfoPath's and Visio's window events bring the module's bars and panes along.
    if (windows_)
        windows_->ChainWindowHandlers();
}

// Outlook's windows are followed from now on: the open ones at once, new ones as Outlook reports them.
void TdivAzore::HookOutlook() {
    using classlib::MakeEvent;
    TzidCOMAddInModule &module = *module_;
    office::TOutlookApplication *app = module.OutlookApp();
    if (app == nullptr)
        return;
    // Each window followed runs the add-in's handlers, which may unload it.
    if (windows_)
        windows_->FollowOutlookWindows(*app);
    if (!Connected(module))
        return;

    Chain(app->OnOptionsPagesAdd, PrevOptionsPagesAdd, MakeEvent<&TdivAzore::OutlookOptionsPagesAdd>(this));
    NameSpace = std::make_unique<office::TOutlookNameSpace>(nullptr);
    NameSpace->ConnectTo(app->GetNamespace(L"MAPI").Get());
    NameSpace->OnOptionsPagesAdd = MakeEvent<&TdivAzore::NameSpaceOptionsPagesAdd>(this);

    if (module.FastShutdownEnabled())
        Chain(app->OnQuit, PrevOutlookQuit, MakeEvent<&TdivAzore::DoOutlookQuit>(this));
}

void TdivAzore::InstallShortcuts() {
    module_->MakeShortcutWindow();
}

void TdivAzore::CreateColorWindow() {
    module_->MakeColorWindow();
}

} // namespace framework
