#include "hostsim/WordCustomization.h"

#include <set>

#include "classlib/Trace.h"
#include "hostsim/CommandBarControlCore.h"
#include "hostsim/CommandBarControlsObject.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/WordHost.h"

namespace hostsim {

namespace {

BarRef CopyBar(const BarModel &Bar, const ControlRef &PopupOwner);

ControlRef CopyControl(const ControlModel &Control, const BarRef &Parent) {
    auto copy = std::make_shared<ControlModel>(Control);
    copy->parent = Parent;
    if (Control.subBar)
        copy->subBar = CopyBar(*Control.subBar, copy);
    return copy;
}

BarRef CopyBar(const BarModel &Bar, const ControlRef &PopupOwner) {
    auto copy = std::make_shared<BarModel>(Bar);
    copy->popupOwner = PopupOwner;
    copy->controls.clear();
    for (const ControlRef &control : Bar.controls)
        copy->controls.push_back(CopyControl(*control, copy));
    copy->sessionDeleted.clear();
    for (const auto &[index, control] : Bar.sessionDeleted)
        copy->sessionDeleted.emplace_back(index, CopyControl(*control, copy));
    return copy;
}

// The last argument of an Add (its Temporary) says True.
bool AddsTemporary(const std::wstring &Args) {
    return Args.size() >= 4 && Args.compare(Args.size() - 4, 4, L"True") == 0;
}

bool ChangesSomething(const std::wstring &Member, const std::wstring &Args) {
    static const std::set<std::wstring> argumentless = {L"Delete", L"Reset", L"Clear", L"PasteFace"};
    static const std::set<std::wstring> lookUps = {L"FindControl",         L"FindControls", L"Item",
                                                   L"FindConnectionPoint", L"Advise",       L"Unadvise"};
    if (Args.empty())
        return argumentless.count(Member) != 0;
    if (lookUps.count(Member) != 0 || Member.rfind(L"acc", 0) == 0)
        return false;
    return Member != L"List" || Args.find(L',') != std::wstring::npos;
}

// The control, or a bar or popup it lies in, is temporary.
bool Temporary(const ControlRef &Control) {
    for (ControlRef control = Control; control;) {
        if (control->temporary)
            return true;
        BarRef bar = control->Parent();
        if (bar && bar->temporary)
            return true;
        control = bar ? bar->popupOwner.lock() : nullptr;
    }
    return false;
}

} // namespace

std::vector<BarRef> CopyBars(const std::vector<BarRef> &Bars) {
    std::vector<BarRef> copy;
    for (const BarRef &bar : Bars)
        copy.push_back(CopyBar(*bar, nullptr));
    return copy;
}

WordCustomization::WordCustomization(WordHost &word, CommandBarsObject &bars)
    : word_(word), bars_(bars), saved_(CopyBars(bars.Set().Bars())), fresh_(CopyBars(bars.Set().Bars())) {
    word_.Log().SetSuccessObserver(
        [this](SimObject &Object, const std::wstring &Member, const std::wstring &Args) {
            try {
                Observe(Object, Member, Args);
            } catch (...) {
                classlib::TraceException(L"WordCustomization", L"following a call");
            }
        });
}

WordCustomization::~WordCustomization() {
    word_.Log().SetSuccessObserver(nullptr);
}

void WordCustomization::Changed() {
    word_.CustomizationContext()->SetSaved(false);
}

void WordCustomization::Observe(SimObject &Object, const std::wstring &Member, const std::wstring &Args) {
    if (!ChangesSomething(Member, Args))
        return;
    if (&Object == &bars_) {
        if (Member != L"Add" && Member != L"AddEx")
            return;
        // The new bar belongs to the template that takes the changes now.
        for (const BarRef &bar : bars_.Set().Bars())
            if (!bar->builtIn && bar->context.empty())
                bar->context = word_.CustomizationContext()->FullName();
        if (!AddsTemporary(Args))
            Changed();
        return;
    }
    if (dynamic_cast<CommandBarControlsObject *>(&Object) != nullptr) {
        if (Member == L"Add" && !AddsTemporary(Args))
            Changed();
        return;
    }
    const std::shared_ptr<CommandBarHost> &host = bars_.Host();
    if (!host)
        return;
    if (BarRef bar = host->BarOf(Object.Identity())) {
        if (!bar->temporary)
            Changed();
    } else if (ControlRef control = host->ControlOf(Object.Identity())) {
        if (!Temporary(control))
            Changed();
    }
}

void WordCustomization::Restart(AtQuit What) {
    switch (What) {
    case AtQuit::Save:
        saved_ = CopyBars(bars_.Set().Bars());
        break;
    case AtQuit::DontSave:
        bars_.Set().ReplaceBars(CopyBars(saved_));
        break;
    case AtQuit::FreshNormal:
        saved_ = CopyBars(fresh_);
        bars_.Set().ReplaceBars(CopyBars(saved_));
        break;
    }
    for (SimObject *entry : word_.Templates().Entries())
        static_cast<SimWordTemplate *>(entry)->SetSaved(true);
    bars_.Restart();
}

void WordCustomization::UserDeleteBar(const std::wstring &Name) {
    word_.Log().Record(L"User", L"DeleteBar", L"'" + Name + L"'");
    bars_.Set().DeleteBar(bars_.Set().ItemByName(Name));
    Changed();
}

} // namespace hostsim
