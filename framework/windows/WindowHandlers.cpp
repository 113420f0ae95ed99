// The module's bars follow the window that becomes active in Word, InfoPath and Visio: the module
// takes that window's command bars and each of its bars for the host is re-bound there, or built.
// Visio reports an activation before its window's bars exist, so they come 200 ms later, from a
// one-shot timer per activation. A Word document opened or made gets the module's task panes. Each
// handler is a handler call of the add-in object (HandlerCall.h): an add-in unloaded inside one
// leaves the object, the module and the host's wrapper until it returns.
#include "framework/windows/HostWindowsEngine.h"

#include "classlib/Classes.h"
#include "classlib/LateBinding.h"
#include "classlib/Timer.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarModel.h"
#include "framework/commandbars/WindowBars.h"
#include "framework/commandbars/WordCustomization.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/HandlerCall.h"
#include "framework/core/HandlerChain.h"
#include "framework/windows/OutlookExplorerWrapper.h"
#include "framework/windows/OutlookInspectorWrapper.h"
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

// The window a Word document shows in; null (traced) when Word does not say.
classlib::ComPtr<IDispatch> DocumentWindow(IDispatch *Doc) {
    try {
        return Doc != nullptr ? classlib::DispGet(Doc, L"ActiveWindow").ToDispatch() : nullptr;
    } catch (const classlib::Exception &) {
        classlib::TraceException(L"AddIn", L"The window of Word's document");
        return nullptr;
    }
}

} // namespace

void TzidHostWindowsEngine::ForgetWindowBar(const TzidCustomCommandBar *Bar) noexcept {
    for (const auto &wrapper : ExplorerWrappers)
        if (auto *explorer = dynamic_cast<TzidExplorer *>(wrapper.get()))
            explorer->Bars().Remove(Bar);
    for (const auto &wrapper : InspectorWrappers)
        if (auto *inspector = dynamic_cast<TzidInspector *>(wrapper.get()))
            inspector->Bars().Remove(Bar);
}

void TzidHostWindowsEngine::BarsForWindow(ComPtr<_CommandBars> WindowBars) {
    if (!Module())
        return;
    TzidCOMAddInModule &module = *Module();
    if (WindowBars)
        module.SetCommandBars(std::move(WindowBars));
    TzidNormalTemplateScope normalTemplate(module);
    for (int i = 0; i < module.ComponentCount(); ++i) {
        auto *bar = dynamic_cast<TzidCustomCommandBar *>(module.Components(i));
        if (bar != nullptr && dynamic_cast<TzidOlCustomCommandBar *>(bar) == nullptr &&
            bar->SupportedApps().Contains(module.HostType()))
            PlaceBar(module, *bar);
        if (Module() != &module)
            return; // the add-in was unloaded by a handler of the building
    }
}

// A bar's removal looks for it among the module's CommandBars, which are those of one window only:
// each tracked explorer and inspector lends its own in turn, so that no open window keeps a bar whose
// buttons nobody answers once the add-in is gone.
void TzidHostWindowsEngine::RemoveOutlookWindowBars() {
    TzidCOMAddInModule &module = *Module();
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

// A document opened or made gets the module's task panes in its window; then Word's handler that was
// there before runs.
void TzidHostWindowsEngine::WordDocumentArrived(const office::TDispatchEvent &Previous,
                                                classlib::TObject *Sender, IDispatch *Doc) {
    TzidHandlerCall call(owner_);
    if (Module() && Module()->CTPFactory())
        if (classlib::ComPtr<IDispatch> window = DocumentWindow(Doc))
            owner_.CreatePanesForWindow(window.Get());
    if (Module())
        Module()->RefreshNamedObjects();
    ChainGuarded(Module(), Previous, Sender, Doc);
}

void TzidHostWindowsEngine::WordDocumentOpen(classlib::TObject *Sender, IDispatch *Doc) {
    WordDocumentArrived(PrevWordHandlers.DocumentOpen, Sender, Doc);
}

void TzidHostWindowsEngine::WordNewDocument(classlib::TObject *Sender, IDispatch *Doc) {
    WordDocumentArrived(PrevWordHandlers.NewDocument, Sender, Doc);
}

// Word's own handler must not disturb the activation of a window: its failures are dropped.
void TzidHostWindowsEngine::WordWindowActivate(classlib::TObject *Sender, IDispatch *Doc, IDispatch *Wn) {
    TzidHandlerCall call(owner_);
    if (!Module())
        return;
    if (Doc != nullptr)
        BarsForWindow(CommandBarsOf(Doc));
    else if (office::TWordApplication *word = Module()->WordApp())
        BarsForWindow(AsCommandBars(word->CommandBars()));
    if (Module() && Module()->CTPFactory())
        owner_.CreatePanesForWindow(Wn);
    if (Module())
        Module()->RefreshNamedObjects();
    if (!Module() || !PrevWordHandlers.WindowActivate)
        return;
    try {
        PrevWordHandlers.WindowActivate(Sender, Doc, Wn);
    } catch (...) {
        classlib::TraceException(L"AddIn", L"Word's previous WindowActivate handler");
    }
}

void TzidHostWindowsEngine::WordDocumentChange(classlib::TObject *Sender) {
    TzidHandlerCall call(owner_);
    if (!Module())
        return;
    ComPtr<_CommandBars> bars;
    if (office::TWordApplication *word = Module()->WordApp()) {
        try {
            if (classlib::DispGet(word->Documents().Get(), L"Count").ToInt() > 0)
                bars = CommandBarsOf(word->ActiveDocument().Get());
        } catch (const classlib::Exception &E) {
            TraceCommandBars(L"Word's active document could not be read", E);
        }
    }
    BarsForWindow(std::move(bars));
    if (Module() && Module()->CTPFactory())
        owner_.RecreatePaneInstances();
    if (Module())
        Module()->RefreshNamedObjects();
    ChainGuarded(Module(), PrevWordHandlers.DocumentChange, Sender);
}

void TzidHostWindowsEngine::InfoPathWindowActivate(classlib::TObject *Sender, IDispatch *Document,
                                                   IDispatch *Window) {
    TzidHandlerCall call(owner_);
    BarsForWindow(CommandBarsOf(Window));
    ChainGuarded(Module(), PrevInfoPathWindowActivate, Sender, Document, Window);
    if (Module() && Module()->CTPFactory())
        owner_.CreatePanesForWindow(Window);
}

void TzidHostWindowsEngine::VisioWindowActivated(classlib::TObject *Sender, IDispatch *Window) {
    TzidHandlerCall call(owner_);
    ChainGuarded(Module(), PrevVisioHandler, Sender, Window);
    if (!Module())
        return;
    auto timer = std::make_unique<TzidOneShotTimer>(nullptr);
    timer->SetEnabled(false);
    timer->SetInterval(200);
    timer->OnTimer = classlib::MakeEvent<&TzidHostWindowsEngine::VisioTimerTick>(this);
    timer->SetEnabled(true);
    VisioTimers.push_back(std::move(timer));
}

void TzidHostWindowsEngine::VisioTimerTick(classlib::TObject *Sender) {
    TzidHandlerCall call(owner_);
    for (auto it = VisioTimers.begin(); it != VisioTimers.end(); ++it) {
        if (it->get() != Sender)
            continue;
        static_cast<classlib::TTimer *>(it->get())->SetEnabled(false);
        FreeAfterCall(std::move(*it));
        VisioTimers.erase(it);
        break;
    }
    if (!Module())
        return;
    TzidCOMAddInModule &module = *Module();
    module.RunGuarded([&] {
        auto *visio = dynamic_cast<office::TVisioApplication *>(module.HostWrapper(ohaVisio));
        if (visio != nullptr)
            BarsForWindow(CommandBarsOf(visio->ActiveWindow().Get()));
    });
}

} // namespace framework
