// The module's bars follow the window that becomes active in Word, InfoPath and Visio: the module
// takes that window's command bars and each of its bars for the host is re-bound there, or built.
// Visio reports an activation before its window's bars exist, so they come 200 ms later, from a
// one-shot timer per activation.
#include "framework/commandbars/WindowBars.h"

#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "classlib/Timer.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarControls.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/OutlookExplorerWrapper.h"
#include "framework/commandbars/OutlookInspectorWrapper.h"
#include "framework/commandbars/WordCustomization.h"
#include "framework/core/AddInObject.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/HandlerChain.h"
#include "framework/core/ProcessState.h"
#include "office/OtherHostWrappers.h"

using classlib::ComPtr;

namespace framework {

namespace {

// A timer that may let go of itself in its own handler: it is freed once its tick has returned.
class TzidOneShotTimer : public classlib::TTimer {
public:
    using TTimer::TTimer;

protected:
    void Timer() override {
        TEventCallScope call;
        TTimer::Timer();
    }
};

// COM identity: the IUnknown each answers.
bool SameObject(IUnknown *A, IUnknown *B) {
    ComPtr<IUnknown> a, b;
    return A->QueryInterface(IID_IUnknown, a.PutVoid()) == S_OK &&
           B->QueryInterface(IID_IUnknown, b.PutVoid()) == S_OK && a.Get() == b.Get();
}

} // namespace

ComPtr<_CommandBars> AsCommandBars(const ComPtr<IDispatch> &Bars) {
    return Bars ? Bars.TryAs<_CommandBars>() : nullptr;
}

ComPtr<_CommandBars> CommandBarsOf(IDispatch *Object, const std::wstring &Name) {
    if (Object == nullptr)
        return nullptr;
    try {
        return AsCommandBars(classlib::DispGet(Object, Name).ToDispatch());
    } catch (const classlib::Exception &E) {
        TraceCommandBars(L"A window's command bars could not be read", E);
        return nullptr;
    }
}

void PlaceBar(TzidCOMAddInModule &Module, TzidCustomCommandBar &Bar) {
    // After an uninstall the bar may still be bound to the Office bar the clean-up deleted.
    if (Module.UninstalledMeanwhile())
        return;
    try {
        // The design's name: the Office bar the bar is bound to may have been deleted by the user
        // (Word's Customize dialog), and then it is built again as a missing one.
        if (Module.FindCommandBar(Bar.StoredCommandBarName()))
            Bar.Reconnect();
        else
            Module.CreateCommandBar(&Bar);
    } catch (const classlib::Exception &E) {
        Module.DoError(E);
    }
}

void TzidWindowBars::Record(TzidCustomCommandBar &Bar) {
    for (auto &[bar, office] : bars_)
        if (bar == &Bar) {
            office = Bar.CommandBarInterface();
            return;
        }
    bars_.emplace_back(&Bar, Bar.CommandBarInterface());
}

TzidActivationScope::TzidActivationScope() noexcept {
    WindowActivationBusy = true;
}

TzidActivationScope::~TzidActivationScope() {
    WindowActivationBusy = false;
}

void TzidWindowBars::Add(TzidCustomCommandBar &Bar) {
    if (!Holds(&Bar))
        bars_.emplace_back(&Bar, nullptr);
}

bool TzidWindowBars::Holds(const TzidCustomCommandBar *Bar) const {
    for (const auto &entry : bars_)
        if (entry.first == Bar)
            return true;
    return false;
}

void TzidWindowBars::Remove(const TzidCustomCommandBar *Bar) {
    bars_.erase(
        std::remove_if(bars_.begin(), bars_.end(), [&](const auto &entry) { return entry.first == Bar; }),
        bars_.end());
}

void TdivAzore::ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept {
    for (const auto &wrapper : ExplorerWrappers)
        if (auto *explorer = dynamic_cast<TzidExplorer *>(wrapper.get()))
            explorer->Bars().Remove(Bar);
    for (const auto &wrapper : InspectorWrappers)
        if (auto *inspector = dynamic_cast<TzidInspector *>(wrapper.get()))
            inspector->Bars().Remove(Bar);
}

void TzidWindowBars::UnbindFromWindow() {
    for (auto &[bar, office] : bars_) {
        if (office && bar->CommandBarInterface() &&
            SameObject(office.Get(), bar->CommandBarInterface().Get()))
            UnbindBar(*bar);
        office.Reset();
    }
}

void TdivAzore::BarsForWindow(ComPtr<_CommandBars> WindowBars) {
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    if (WindowBars)
        module.SetCommandBars(std::move(WindowBars));
    TzidNormalTemplateScope normalTemplate(module);
    for (int i = 0; i < module.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(module.Components(i));
        if (bar != nullptr && dynamic_cast<TzidOlCustomCommandBar *>(bar) == nullptr &&
            bar->SupportedApps().Contains(module.HostType()))
            PlaceBar(module, *bar);
        if (module_.get() != &module)
            return; // the add-in was unloaded by a handler of the building
    }
}

// A bar's removal looks for it among the module's CommandBars, which are those of one window only:
// each tracked explorer and inspector lends its own in turn, so that no open window keeps a bar whose
// buttons nobody answers once the add-in is gone.
void TdivAzore::RemoveOutlookWindowBars() {
    TzidCOMAddInModule &module = *module_;
    ComPtr<_CommandBars> current = module.CommandBars();
    auto removeFrom = [&module](const office::TOutlookWindow &Window, TzidWindowBars &Bars) {
        if (Bars.Count() == 0)
            return;
        module.RunGuarded([&] {
            ComPtr<_CommandBars> windowBars = AsCommandBars(Window.CommandBars());
            if (!windowBars)
                return;
            module.SetCommandBars(std::move(windowBars));
            for (size_t i = 0; i < Bars.Count(); ++i)
                module.RunGuarded([&] { Bars.Bar(i)->RemoveControls(); });
        });
    };
    for (const auto &wrapper : ExplorerWrappers)
        if (auto *explorer = dynamic_cast<TzidExplorer *>(wrapper.get()))
            removeFrom(*explorer, explorer->Bars());
    for (const auto &wrapper : InspectorWrappers)
        if (auto *inspector = dynamic_cast<TzidInspector *>(wrapper.get()))
            removeFrom(*inspector, inspector->Bars());
    module.SetCommandBars(std::move(current));
}

// Word's own handler must not disturb the activation of a window: its failures are dropped.
void TdivAzore::WordWindowActivate(classlib::TObject *Sender, IDispatch *Doc, IDispatch *Wn) {
    TzidHandlerCall call(*this);
    if (!module_)
        return;
    if (Doc != nullptr)
        BarsForWindow(CommandBarsOf(Doc));
    else if (office::TWordApplication *word = module_->WordApp())
        BarsForWindow(AsCommandBars(word->CommandBars()));
    if (module_ && module_->CTPFactory())
        CreatePanesForWindow(Wn);
    if (module_)
        module_->RefreshNamedObjects();
    if (!module_ || !PrevWordHandlers.WindowActivate)
        return;
    try {
        PrevWordHandlers.WindowActivate(Sender, Doc, Wn);
    } catch (...) {
        classlib::TraceException(L"AddIn", L"Word's previous WindowActivate handler");
    }
}

void TdivAzore::WordDocumentChange(classlib::TObject *Sender) {
    TzidHandlerCall call(*this);
    if (!module_)
        return;
    ComPtr<_CommandBars> bars;
    if (office::TWordApplication *word = module_->WordApp()) {
        try {
            if (classlib::DispGet(word->Documents().Get(), L"Count").ToInt() > 0)
                bars = CommandBarsOf(word->ActiveDocument().Get());
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"Word's active document could not be read", E);
        }
    }
    BarsForWindow(std::move(bars));
    if (module_ && module_->CTPFactory())
        RecreatePaneInstances();
    if (module_)
        module_->RefreshNamedObjects();
    ChainGuarded(module_.get(), PrevWordHandlers.DocumentChange, Sender);
}

void TdivAzore::InfoPathWindowActivate(classlib::TObject *Sender, IDispatch *Document, IDispatch *Window) {
    TzidHandlerCall call(*this);
    BarsForWindow(CommandBarsOf(Window));
    ChainGuarded(module_.get(), PrevInfoPathHandlers.WindowActivate, Sender, Document, Window);
    if (module_ && module_->CTPFactory())
        CreatePanesForWindow(Window);
}

void TdivAzore::VisioWindowActivated(classlib::TObject *Sender, IDispatch *Window) {
    TzidHandlerCall call(*this);
    ChainGuarded(module_.get(), PrevVisioHandler, Sender, Window);
    if (!module_)
        return;
    auto timer = std::make_unique<TzidOneShotTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(200);
    timer->OnTimer = classlib::MakeEvent<&TdivAzore::VisioTimerTick>(this);
    timer->SetEnabled(true);
    VisioTimers.push_back(std::move(timer));
}

void TdivAzore::VisioTimerTick(classlib::TObject *Sender) {
    TzidHandlerCall call(*this);
    for (auto it = VisioTimers.begin(); it != VisioTimers.end(); ++it) {
        if (it->get() != Sender)
            continue;
        static_cast<classlib::TTimer *>(it->get())->SetEnabled(false);
        FreeAfterCall(std::move(*it));
        VisioTimers.erase(it);
        break;
    }
    if (!module_)
        return;
    TzidCOMAddInModule &module = *module_;
    module.RunGuarded([&] {
        auto *visio = dynamic_cast<office::TVisioApplication *>(module.HostWrapper(ohaVisio));
        if (visio != nullptr)
            BarsForWindow(CommandBarsOf(visio->ActiveWindow().Get()));
    });
}

} // namespace framework
