// The module's building of its command bars in the host: each bar reuses an Office bar of its name
// when there is one, each control an Office control of its tag (or Id); only what is missing is
// created. A control the user removed stays removed while its "\Controls" record equals its design's
// PropertyChanged. Every failure of Office goes to DoError and the build goes on with the next control
// and the next bar.
#include <windows.h>

#include <limits>
#include <set>

#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "classlib/Registry.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/ModuleBarsEngine.h"
#include "framework/commandbars/WordCustomization.h"
#include "framework/core/AddInModule.h"
#include "framework/core/Factory.h"
#include "framework/core/ModuleErrors.h"
#include "office/HostDispIds.h"

namespace framework {

namespace {

void RaiseMapPoint() {
    RaiseZidError(TzidErrorCode::zidErrMapPointControl, L"Cannot add a control to MS MapPoint.");
}

// Office's Add of one control into Container.
classlib::ComPtr<CommandBarControl> AddOfficeControl(CommandBarControls *Container, VARIANT Type, long Id,
                                                     const std::wstring &Parameter, VARIANT Before,
                                                     bool Temporary) {
    classlib::ComPtr<CommandBarControl> added;
    TStringArg parameter(Parameter);
    classlib::OleCheck(
        Container->Add(Type, LongArg(Id), parameter.Var(), Before, BoolArg(Temporary), added.Put()));
    return added;
}

// Written only where Office's differs, as every other property: in Word each write marks the normal
// template changed, and the user would be asked to save it at every exit.
void TrySetOnAction(const classlib::ComPtr<_CommandBarButton> &Button, const std::wstring &Action) {
    if (!Button)
        return;
    classlib::TBStr current;
    HRESULT hr = Button->get_OnAction(current.Put());
    if (SUCCEEDED(hr) && current.ToString() == Action)
        return;
    if (FAILED(hr))
        TraceCommandBars(
            classlib::Format(L"OnAction could not be read (0x%.8x)", {static_cast<unsigned>(hr)}));
    hr = Button->put_OnAction(classlib::TBStr(Action).Get());
    if (FAILED(hr))
        TraceCommandBars(classlib::Format(L"OnAction was refused (0x%.8x)", {static_cast<unsigned>(hr)}));
}

// Takes a control the build has just added out of Office again, unbound: its set-up failed, and an
// Office control without the add-in's Tag would stay in the user's bar, where the next binding, not
// finding it by its tag, would add a second one.
void WithdrawAdded(TzidCommandBarControl &Control,
                   const classlib::ComPtr<CommandBarControl> &Added) noexcept {
    Control.BindOfficeControl(nullptr);
    const HRESULT hr = Added->Delete(BoolArg(false));
    if (FAILED(hr))
        TraceCommandBars(classlib::Format(L"The control %s, whose set-up failed, stays in Office (0x%.8x)",
                                          {Control.StoredOfficeTag(), static_cast<unsigned>(hr)}));
}

// Runs the set-up of a control (its binding and design); when Added (the Office control the build
// has just made for it) is given, a set-up that raises or reports a failure withdraws it. What failed
// has gone, or goes, to DoError.
template <class TSetUp>
void SetUpControl(TzidCommandBarControl &Control, const classlib::ComPtr<CommandBarControl> &Added,
                  TSetUp SetUp) {
    const int failures = Control.ReportedFailures();
    try {
        SetUp();
    } catch (const classlib::Exception &) {
        if (Added)
            WithdrawAdded(Control, Added);
        throw;
    }
    if (Added && Control.ReportedFailures() != failures)
        WithdrawAdded(Control, Added);
}

// The bar's mark as new in Office lasts while the build fills it.
class TNewInOfficeScope {
public:
    explicit TNewInOfficeScope(TzidCustomCommandBar &Bar) : bar_(Bar) {}
    ~TNewInOfficeScope() { bar_.SetNewInOffice(false); }
    TNewInOfficeScope(const TNewInOfficeScope &) = delete;
    TNewInOfficeScope &operator=(const TNewInOfficeScope &) = delete;

private:
    TzidCustomCommandBar &bar_;
};

} // namespace

void CollectControlTags(const TzidCommandBarControls &Controls, std::set<std::wstring> &Tags) {
    for (int i = 0; i < Controls.Count(); ++i) {
        TzidCommandBarControl *control = Controls.Items(i);
        Tags.insert(control->StoredOfficeTag());
        if (TzidCommandBarPopup *popup = control->AsCommandBarPopup())
            CollectControlTags(*popup->Controls(), Tags);
    }
}

void TzidModuleBarsEngine::CreateCommandBars() {
    TzidNormalTemplateScope normalTemplate(module_);
    for (int i = 0; i < module_.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(module_.Components(i));
        if (bar == nullptr || dynamic_cast<TzidOlInspectorCustomCommandBar *>(bar) != nullptr)
            continue;
        try {
            auto *explorerBar = dynamic_cast<TzidOlExplorerCustomCommandBar *>(bar);
            if (explorerBar != nullptr && module_.HostType() == ohaOutlook) {
                // Explorer bars belong to an explorer window: without one this bar cannot be built,
                // but the bars after it may not need one.
                office::TOutlookApplication *outlook = module_.OutlookApp();
                classlib::ComPtr<IDispatch> explorer =
                    outlook != nullptr ? outlook->ActiveExplorer() : nullptr;
                if (!explorer) {
                    TraceCommandBars(L"No active explorer for the bar " + bar->CommandBarName());
                    continue;
                }
                CreateCommandBar(bar);
                classlib::ComPtr<IDispatch> folder;
                try {
                    folder = classlib::DispGet(explorer.Get(), office::dispid::outlook_window::CurrentFolder)
                                 .ToDispatch();
                } catch (const classlib::Exception &E) {
                    TraceCommandBars(L"The explorer's folder could not be read", E);
                }
                if (bar->CommandBarInterface())
                    explorerBar->FolderSwitched(folder.Get());
            } else if (bar->SupportedApps().Contains(module_.HostType())) {
                CreateCommandBar(bar);
            }
        } catch (const classlib::Exception &E) {
            // One badly named bar must not hide the bars after it.
            module_.DoError(E);
        }
    }
}

void TzidModuleBarsEngine::CreateCommandBar(TzidCustomCommandBar *Bar) {
    if (module_.HostType() == ohaMapPoint)
        RaiseMapPoint();
    // The design's name: the Office bar the bar is still bound to may have been deleted.
    const std::wstring name = Bar->StoredCommandBarName();
    if (module_.HostType() == ohaOutlook && name.find(L'\'') != std::wstring::npos)
        RaiseZidError(TzidErrorCode::zidErrIllegalBarName,
                      classlib::Format(L"Illegal character in the %s commandbar name.", {name}));
    if (!Bar->SupportedApps().Contains(module_.HostType()) || module_.UninstalledMeanwhile())
        return;
    // Hosts that show a ribbon take only the bars meant for it; Visio, InfoPath, Project and Publisher
    // 2007 have no ribbon and still show every bar.
    if (module_.UsesRibbon() && !Bar->UseForRibbon())
        return;
    // A bar added without a name would be one that no record names and nothing removes.
    if (name.empty())
        RaiseZidError(zidErrEmptyProperty, classlib::Format(SzidEmptyProperty, {L"CommandBarName"}));
    TNewInOfficeScope newInOffice(*Bar);
    try {
        classlib::ComPtr<CommandBar> office = module_.FindCommandBar(name);
        if (!office)
            Bar->SetCommandBarInterface(nullptr); // Office no longer has the one it was bound to
        if (!office && module_.CommandBars()) {
            TStringArg barName(name);
            HRESULT hr = module_.CommandBars()->Add(barName.Var(),
                                                    ByteArg(static_cast<unsigned char>(Bar->Position())),
                                                    MissingArg(), BoolArg(Bar->Temporary()), office.Put());
            if (FAILED(hr)) {
                office.Reset();
                if (module_.HostType() != ohaOutlook)
                    classlib::OleCheck(hr);
                TraceCommandBars(classlib::Format(L"Outlook did not add the bar %s", {name}));
            }
            if (office) {
                Bar->SetCommandBarInterface(office);
                Bar->SetNewInOffice(true);
                Bar->SetNameLocal(name);
            }
        } else if (office) {
            Bar->SetCommandBarInterface(office);
        }
        if (Bar->CommandBarInterface() && !Bar->BuiltIn())
            Bar->UpdateBar();
    } catch (const classlib::Exception &E) {
        module_.DoError(E);
    }
    RemoveStaleControls(Bar);
    if (!Bar->CommandBarInterface())
        return;
    TzidCommandBarControls &controls = *Bar->Controls();
    for (int i = 0; i < controls.Count(); ++i)
        module_.CreateControl(controls.Items(i), Bar, nullptr);
    Bar->SetBuiltBefore(true);
}

void TzidModuleBarsEngine::RemoveStaleControls(TzidCustomCommandBar *Bar) {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(module_.AddInKey() + L"\\Controls", false))
        return;
    // The tags of every bar of the module (of any host), gathered once: a build stays linear.
    std::set<std::wstring> held;
    for (int i = 0; i < module_.ComponentCount(); ++i)
        if (auto *bar = dynamic_cast<TzidCustomCommandBar *>(module_.Components(i)))
            CollectControlTags(*bar->Controls(), held);
    for (const std::wstring &tag : registry.GetValueNames()) {
        if (held.count(tag) != 0)
            continue;
        try {
            classlib::ComPtr<CommandBarControl> found;
            TStringArg tagArg(tag);
            // A search Office fails is no "not found": it is reported, and the record stays.
            if (const auto &office = Bar->CommandBarInterface())
                classlib::OleCheck(office->FindControl(MissingArg(), MissingArg(), tagArg.Var(), MissingArg(),
                                                       BoolArg(true), found.Put()));
            if (!found && module_.CommandBars())
                classlib::OleCheck(module_.CommandBars()->FindControl(
                    MissingArg(), MissingArg(), tagArg.Var(), MissingArg(), found.Put()));
            if (!found)
                continue; // its control may come back into reach: the record stays
            classlib::OleCheck(found->Delete(BoolArg(false)));
            registry.DeleteValue(tag);
        } catch (const classlib::Exception &E) {
            module_.DoError(E);
        }
    }
}

int TzidModuleBarsEngine::ReadControlRecord(const std::wstring &Tag) const {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKey(module_.AddInKey() + L"\\Controls", false) || !registry.ValueExists(Tag))
        return -1;
    int value = -1;
    try {
        value = registry.ReadInteger(Tag);
    } catch (const classlib::ERegistryException &E) {
        TraceCommandBars(L"The record of " + Tag + L" is no number", E);
        return -1;
    }
    // A negative number was never written by a build: it counts as no record rather than as a
    // failure the user would see at every start.
    return value < 0 ? -1 : value;
}

VARIANT TzidModuleBarsEngine::GetBeforePosition(int Before, int BeforeID, int AfterID, CommandBar *Bar) {
    if (Before != 0)
        return LongArg(Before);
    const int id = BeforeID != 0 ? BeforeID : AfterID;
    if (id == 0 || Bar == nullptr)
        return MissingArg();
    // An anchor that is not there appends; one Office fails to look up is reported (the control is
    // not placed at a wrong place).
    classlib::ComPtr<CommandBarControl> found;
    classlib::OleCheck(
        Bar->FindControl(MissingArg(), LongArg(id), MissingArg(), MissingArg(), BoolArg(true), found.Put()));
    if (!found)
        return MissingArg();
    long index = 0;
    classlib::OleCheck(found->get_Index(&index));
    return LongArg(BeforeID != 0 ? index : index + 1);
}

void TzidModuleBarsEngine::CreateControl(TzidCommandBarControl *Control, TzidCustomCommandBar *Bar,
                                         TzidCommandBarPopup *Parent) {
    try {
        if (module_.HostType() == ohaMapPoint)
            RaiseMapPoint();
        if (Bar == nullptr || !Bar->CommandBarInterface() || module_.UninstalledMeanwhile())
            return;
        const classlib::ComPtr<CommandBar> &office = Bar->CommandBarInterface();
        classlib::ComPtr<CommandBarControls> container;
        classlib::ComPtr<CommandBar> placement;
        if (Parent != nullptr) {
            if (!Parent->PopupInterface())
                return;
            classlib::OleCheck(Parent->PopupInterface()->get_Controls(container.Put()));
            classlib::OleCheck(Parent->PopupInterface()->get_CommandBar(placement.Put()));
        } else {
            classlib::OleCheck(office->get_Controls(container.Put()));
            placement = office;
        }
        const TzidCommandBarControlType kind = Control->GetControlType();
        if (kind == cctAdvancedControl)
            return; // no host has a control class for it
        const int id = Control->StoredOfficeID();
        const std::wstring &tag = Control->StoredOfficeTag();
        // A permanent control the user removed stays removed until its design changes; on a bar the
        // build has just added again its record tells of the bar Office lost, not of the user.
        auto userRemoved = [&] {
            return !Control->Temporary() && !Bar->NewInOffice() &&
                   ReadControlRecord(tag) == Control->PropertyChanged();
        };
        auto add = [&](VARIANT Type) {
            // The design's Parameter: the Office control the control is still bound to may be gone.
            return AddOfficeControl(container.Get(), Type, id, Control->StoredParameter(),
                                    GetBeforePosition(Control->Before(), Control->BeforeID(),
                                                      Control->AfterID(), placement.Get()),
                                    Control->Temporary());
        };
        const long type = OfficeControlType(kind);
        classlib::ComPtr<CommandBarControl> found, added;
        if (kind == cctControl) {
            if (id == 1)
                return;
            TStringArg tagArg(tag);
            // Adding after a failed search could put a second copy of Office's control in the bar.
            classlib::OleCheck(office->FindControl(MissingArg(), LongArg(id), tagArg.Var(), MissingArg(),
                                                   BoolArg(true), found.Put()));
            if (!found) {
                if (userRemoved())
                    return;
                found = added = add(MissingArg());
            }
            SetUpControl(*Control, added, [&] {
                const int failures = Control->ReportedFailures();
                Control->SetControlInterface(found);
                // The record is what keeps a control the user removed from being placed again; it
                // is written only for a design Office took whole.
                if (Control->UpdateControl() && !Control->Temporary() &&
                    Control->ReportedFailures() == failures)
                    Control->SavePropertyChanged();
            });
        } else if (kind == cctPopup) {
            auto *popup = Control->AsCommandBarPopup();
            found = id != 1 ? module_.FindBarControlById(office.Get(), type, id)
                            : module_.FindControlByTag(type, tag);
            if (!found) {
                if (userRemoved())
                    return;
                found = added = add(LongArg(type));
            }
            SetUpControl(*popup, added, [&] {
                popup->SetControlInterface(found.As<CommandBarPopup>());
                if (id == 1)
                    popup->UpdateControl();
            });
            if (!popup->PopupInterface())
                return; // withdrawn again
            TzidCommandBarControls &children = *popup->Controls();
            for (int i = 0; i < children.Count(); ++i)
                module_.CreateControl(children.Items(i), Bar, popup);
        } else {
            found = id == 1 ? module_.FindControlByTag(type, tag)
                            : module_.FindBarControlByTag(office.Get(), type, tag);
            if (!found) {
                if (userRemoved() && module_.HostType() != ohaAccess)
                    return;
                found = added = add(LongArg(type));
            }
            SetUpControl(*Control, added, [&] {
                Control->BindOfficeControl(found);
                if (TzidCommandBarButton *button = Control->AsCommandBarButton()) {
                    const std::wstring ownAction =
                        L"!<" + (module_.Factory() != nullptr ? module_.Factory()->GetProgID() : L"") + L">";
                    if (id != 1)
                        TrySetOnAction(button->ButtonInterface(),
                                       button->DisableStandardAction() ? ownAction : L"");
                    // Demand loading: the host loads the add-in when the button is clicked.
                    if (module_.LoadBehavior() == 16 && id == 1 && !Control->Temporary())
                        TrySetOnAction(button->ButtonInterface(), ownAction);
                }
                Control->UpdateControl();
            });
        }
    } catch (const classlib::Exception &E) {
        module_.DoError(E);
    }
}

namespace {

// The explorer bars whose places are kept between sessions: Outlook rebuilds temporary bars at its
// default places, so the user's arrangement lives under the add-in key.
std::vector<TzidOlExplorerCustomCommandBar *> PositionedExplorerBars(const TzidCOMAddInModule &Module) {
    std::vector<TzidOlExplorerCustomCommandBar *> bars;
    for (int i = 0; i < Module.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidOlExplorerCustomCommandBar *>(Module.Components(i));
        if (bar != nullptr && !bar->BuiltIn() && bar->Temporary())
            bars.push_back(bar);
    }
    return bars;
}

std::wstring PositionKey(const TzidCOMAddInModule &Module, const TzidOlExplorerCustomCommandBar &Bar) {
    return Module.AddInKey() + L"\\CommandBars\\" + Bar.CommandBarName();
}

// A saved number that Office would refuse (outside Lowest..Highest) reads as none: restored, it
// would make Office refuse the bar itself, and the bar, never built, would save the number again.
bool ReadSavedPlace(const classlib::TRegistry &Registry, const wchar_t *Name, int Lowest, int Highest,
                    int &Value) {
    if (!Registry.ValueExists(Name))
        return false;
    const int saved = Registry.ReadInteger(Name);
    if (saved < Lowest || saved > Highest) {
        TraceCommandBars(classlib::Format(L"The saved %s %d is no place Office takes", {Name, saved}));
        return false;
    }
    Value = saved;
    return true;
}

} // namespace

void TzidModuleBarsEngine::SaveExplorerBarPositions() {
    // Each bar on its own: a bar whose key or live position fails must not cost the others theirs. A
    // bar Office never built has no place of its own to keep.
    for (TzidOlExplorerCustomCommandBar *bar : PositionedExplorerBars(module_)) {
        if (!bar->CommandBarInterface())
            continue;
        try {
            classlib::TRegistry registry;
            registry.SetRootKey(HKEY_CURRENT_USER);
            if (!registry.OpenKey(PositionKey(module_, *bar), true)) {
                TraceCommandBars(L"The position key of " + bar->CommandBarName() + L" could not be opened");
                continue;
            }
            registry.WriteInteger(L"Position", static_cast<int>(bar->Position()));
            registry.WriteInteger(L"Left", bar->CommandBarLeft());
            registry.WriteInteger(L"Top", bar->CommandBarTop());
            registry.WriteInteger(L"RowIndex", bar->RowIndex());
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"The position of " + bar->CommandBarName() + L" was not saved", E);
        }
    }
}

void TzidModuleBarsEngine::RestoreExplorerBarPositions() {
    try {
        for (TzidOlExplorerCustomCommandBar *bar : PositionedExplorerBars(module_)) {
            classlib::TRegistry registry;
            registry.SetRootKey(HKEY_CURRENT_USER);
            if (!registry.OpenKey(PositionKey(module_, *bar), false))
                continue;
            // A toolbar docks or floats (Left to Floating); its row is -1 (the last), 0 (the first)
            // or a later one.
            constexpr int anyNumber = std::numeric_limits<int>::max(),
                          noNumber = std::numeric_limits<int>::min();
            int saved = 0;
            if (ReadSavedPlace(registry, L"Position", zidMsoBarLeft, zidMsoBarFloating, saved) &&
                saved != static_cast<int>(bar->Position()))
                bar->SetPosition(static_cast<TzidMsoBarPosition>(saved));
            if (ReadSavedPlace(registry, L"Left", noNumber, anyNumber, saved) &&
                saved != bar->CommandBarLeft())
                bar->SetCommandBarLeft(saved);
            if (ReadSavedPlace(registry, L"Top", noNumber, anyNumber, saved) && saved != bar->CommandBarTop())
                bar->SetCommandBarTop(saved);
            if (ReadSavedPlace(registry, L"RowIndex", -1, anyNumber, saved) && saved != bar->RowIndex())
                bar->SetRowIndex(saved);
        }
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"The explorer bars' positions were not restored", E);
    }
}

} // namespace framework
