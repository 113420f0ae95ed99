#include "framework/commandbars/OfficeEventSinks.h"

#include <cwchar>

#include "classlib/InvokeArgs.h"
#include "classlib/ScopeExit.h"
#include "classlib/Trace.h"
#include "framework/commandbars/CommandBarControl.h"
#include "framework/core/AddInModule.h"
#include "framework/core/HandlerCall.h"

namespace framework {

namespace {

// One name, compared exactly with the member's.
HRESULT AnswerName(LPOLESTR *names, UINT count, DISPID *ids, const wchar_t *member) {
    if (ids == nullptr || names == nullptr)
        return E_POINTER;
    if (count != 1)
        return E_INVALIDARG;
    if (member == nullptr || names[0] == nullptr || std::wcscmp(names[0], member) != 0)
        return DISP_E_UNKNOWNNAME;
    ids[0] = 1;
    return S_OK;
}

bool SameObject(IUnknown *A, IUnknown *B) {
    if (A == nullptr || B == nullptr)
        return false;
    classlib::ComPtr<IUnknown> a, b;
    return SUCCEEDED(A->QueryInterface(IID_IUnknown, a.PutVoid())) &&
           SUCCEEDED(B->QueryInterface(IID_IUnknown, b.PutVoid())) && a == b;
}

// The sink behind a control's TzidControlEvents.
class TOfficeControlEventSink : public IzidControlEventSink {
public:
    explicit TOfficeControlEventSink(classlib::ComPtr<TzidEventSink> Sink) : sink_(std::move(Sink)) {}
    ~TOfficeControlEventSink() override { Disconnect(); }
    void Disconnect() noexcept override {
        if (sink_)
            sink_->Detach();
        sink_.Reset();
    }

private:
    classlib::ComPtr<TzidEventSink> sink_;
};

} // namespace

classlib::ComPtr<TzidEventSink> TzidEventSink::Create1(TzidCOMAddInModule &Module,
                                                       TzidCommandBarControl &Control) {
    try {
        const classlib::ComPtr<CommandBarControl> &office = Control.ControlInterface();
        if (!office)
            classlib::OleCheck(E_POINTER);
        MsoControlType type = msoControlCustom;
        classlib::OleCheck(office->get_Type(&type));
        auto sink = classlib::Make<TzidEventSink>(type == msoControlButton ? DIID__CommandBarButtonEvents
                                                                           : DIID__CommandBarComboBoxEvents,
                                                  Module, Control);
        classlib::OleCheck(sink->Connect(office.Get()));
        return sink;
    } catch (const classlib::Exception &E) {
        OutputDebugStringW((L"TzidEventSink.Create1 error: " + E.Message()).c_str());
        throw;
    }
}

void TzidEventSink::Detach() noexcept {
    if (FAILED(Disconnect()))
        classlib::Trace(L"Tessary.CommandBars", L"a control's Office events could not be withdrawn");
    module_ = nullptr;
    control_ = nullptr;
}

HRESULT TzidEventSink::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    const wchar_t *member = nullptr;
    if (ids != nullptr && names != nullptr && count == 1 && control_ != nullptr &&
        control_->ControlInterface()) {
        MsoControlType type = msoControlCustom;
        if (SUCCEEDED(control_->ControlInterface()->get_Type(&type))) {
            if (type == msoControlButton)
                member = L"Click";
            else if (type == msoControlEdit || type == msoControlDropdown || type == msoControlComboBox)
                member = L"Change";
        }
    }
    return AnswerName(names, count, ids, member);
}

HRESULT TzidEventSink::DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *) {
    if (id != 1)
        return DISP_E_MEMBERNOTFOUND;
    if (params == nullptr)
        return E_POINTER;
    classlib::TInvokeArgs args(params);
    classlib::ComPtr<IDispatch> ctrlDispatch = args.Object(0);
    if (IsEqualIID(EventIID(), DIID__CommandBarButtonEvents))
        args.Required(1); // CancelDefault: never written, Office's own action runs as Office decides
    // A sink detached while the call was on its way carries nothing further.
    TzidCOMAddInModule *module = module_;
    TzidCommandBarControl *control = control_;
    if (module == nullptr || control == nullptr || !ctrlDispatch)
        return S_OK;
    auto ctrl = ctrlDispatch.TryAs<CommandBarControl>();
    if (!ctrl || !IsOwnControl(*control, ctrl))
        return S_OK;
    // The handler may free the control or unload the add-in: the call holds the add-in, and this sink
    // is held by Invoke; a failure reaches the module only while it exists.
    TzidHandlerCall call(module, nullptr);
    call.Run([&] {
        EnsureBound(*control, ctrl); // may replace this sink; module and control stay valid
        if (inEvent_)
            return; // a click while the handler still runs (a message box of it is open)
        inEvent_ = true;
        classlib::ScopeExit done([this] { inEvent_ = false; });
        control->DoAction();
    });
    return S_OK;
}

// Office reports a click to every button that shares the clicked one's Tag. A Tag that cannot be
// read proves nothing: then only the control this sink is bound to counts.
bool TzidEventSink::IsOwnControl(TzidCommandBarControl &Control,
                                 const classlib::ComPtr<CommandBarControl> &Ctrl) const {
    classlib::TBStr tag;
    HRESULT hr = Ctrl->get_Tag(tag.Put());
    if (SUCCEEDED(hr))
        return tag.ToString() == Control.StoredOfficeTag();
    classlib::TraceHResult(L"Tessary.CommandBars", L"the Tag of a clicked control", hr);
    return SameObject(Ctrl.Get(), Control.ControlInterface().Get());
}

// The bound Office object may have gone (Office was customised, or restarted its bars): a control
// that no longer answers is bound to the clicked one.
void TzidEventSink::EnsureBound(TzidCommandBarControl &Control,
                                const classlib::ComPtr<CommandBarControl> &Ctrl) {
    classlib::ComPtr<CommandBarControl> bound = Control.ControlInterface();
    if (bound) {
        classlib::TBStr help;
        HRESULT hr = bound->get_HelpFile(help.Put());
        if (SUCCEEDED(hr))
            hr = bound->put_HelpFile(help.Get());
        if (SUCCEEDED(hr))
            return;
        classlib::TraceHResult(L"Tessary.CommandBars", L"a bound control stopped answering", hr);
    }
    Control.BindOfficeControl(Ctrl);
}

classlib::ComPtr<TzidCommandBarsEventSink>
TzidCommandBarsEventSink::Create(TzidCOMAddInModule &Module,
                                 const classlib::ComPtr<_CommandBars> &CommandBars) {
    auto sink = classlib::Make<TzidCommandBarsEventSink>(Module, CommandBars);
    classlib::OleCheck(sink->Connect(CommandBars.Get()));
    return sink;
}

TzidCommandBarsEventSink::TzidCommandBarsEventSink(TzidCOMAddInModule &Module,
                                                   const classlib::ComPtr<_CommandBars> &CommandBars)
    : TEventSinkBase(DIID__CommandBarsEvents), module_(&Module), commandBars_(CommandBars) {}

void TzidCommandBarsEventSink::Detach() noexcept {
    if (FAILED(Disconnect()))
        classlib::Trace(L"Tessary.CommandBars", L"the CommandBars events could not be withdrawn");
    commandBars_.Reset();
    module_ = nullptr;
}

HRESULT TzidCommandBarsEventSink::GetIDsOfNames(REFIID, LPOLESTR *names, UINT count, LCID, DISPID *ids) {
    return AnswerName(names, count, ids, L"OnUpdate");
}

HRESULT TzidCommandBarsEventSink::DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *) {
    return id == 1 ? S_OK : DISP_E_MEMBERNOTFOUND;
}

std::unique_ptr<IzidControlEventSink> MakeOfficeControlEventSink(TzidCOMAddInModule &Module,
                                                                 TzidCommandBarControl &Control) {
    return std::make_unique<TOfficeControlEventSink>(TzidEventSink::Create1(Module, Control));
}

} // namespace framework
