#include "TestAddIn.h"

#include "classlib/ComObjectFactory.h"
#include "classlib/ComServer.h"
#include "classlib/EventSink.h"
#include "classlib/Format.h"
#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "classlib/OleVariant.h"

using namespace classlib;

namespace officesim_test {

// Click of the add-in's command-bar button; the add-in lets go of it before it goes itself.
class TClickSink : public TEventSinkBase {
public:
    explicit TClickSink(TTestAddIn *owner) noexcept
        : TEventSinkBase(DIID__CommandBarButtonEvents), owner_(owner) {}
    void Orphan() noexcept { owner_ = nullptr; }

protected:
    HRESULT DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *) override {
        if (id != 1)
            return DISP_E_MEMBERNOTFOUND;
        if (owner_)
            owner_->Clicked();
        return S_OK;
    }

private:
    TTestAddIn *owner_;
};

namespace {

template <Behaviour behaviour> TComObjectFactory::TComClass AddInClass() {
    return []() -> TComObject * { return new TTestAddIn(behaviour); };
}

TAutoObjectFactory connectFactory(ComServer(), AddInClass<Behaviour::Connect>(), CLSID_Connect, L"Connect",
                                  L"officesim test add-in", ciMultiInstance, tmApartment);
TAutoObjectFactory failingFactory(ComServer(), AddInClass<Behaviour::Failing>(), CLSID_Failing, L"Failing",
                                  L"officesim test add-in that refuses to connect", ciMultiInstance,
                                  tmApartment);
TAutoObjectFactory crashingFactory(ComServer(), AddInClass<Behaviour::Crashing>(), CLSID_Crashing,
                                   L"Crashing", L"officesim test add-in that crashes on start-up",
                                   ciMultiInstance, tmApartment);

// A document of the DLL's resources (UTF-8 RCDATA).
std::wstring Document(const wchar_t *name) {
    HMODULE module = ComServer().HInstance();
    HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10));
    HGLOBAL data = resource ? LoadResource(module, resource) : nullptr;
    if (data == nullptr)
        throw EOleSysError(std::wstring(L"no document ") + name, E_FAIL);
    return Utf8ToWide(
        std::string(static_cast<const char *>(LockResource(data)), SizeofResource(module, resource)));
}

std::wstring IdOf(IDispatch *control) {
    TBStr id;
    OleCheck(ComPtr<IDispatch>::Copy(control).As<IRibbonControl>()->get_Id(id.Put()));
    return id.ToString();
}

const wchar_t *const kColours[] = {L"Red", L"Green", L"Blue"};

} // namespace

// Like many add-ins, this one tidies up in OnDisconnection only: after Outlook's fast shutdown its
// button's sink stays advised until the host lets go.
TTestAddIn::~TTestAddIn() {
    if (sink_)
        sink_->Orphan();
}

void TTestAddIn::LetGo() noexcept {
    if (sink_) {
        sink_->Disconnect();
        sink_->Orphan();
    }
    sink_ = nullptr;
    button_ = nullptr;
    ribbon_ = nullptr;
    application_ = nullptr;
}

std::wstring TTestAddIn::ClickText() const {
    if (clicks_ == 0)
        return L"Say hello";
    return Format(clicks_ == 1 ? L"Clicked %d time" : L"Clicked %d times", {clicks_});
}

STDMETHODIMP TTestAddIn::OnConnection(IDispatch *application, ext_ConnectMode, IDispatch *addInInst,
                                      SAFEARRAY **) {
    return Guard([&] {
        if (behaviour_ == Behaviour::Failing)
            throw EOleSysError(L"The test add-in refuses to connect", E_FAIL);
        application_.CopyFrom(application);
        if (addInInst)
            OleCheck(ComPtr<IDispatch>::Copy(addInInst).As<COMAddIn>()->put_Object(
                static_cast<ITestAddIn *>(this)));
    });
}

STDMETHODIMP TTestAddIn::OnDisconnection(ext_DisconnectMode, SAFEARRAY **) {
    return Guard([&] { LetGo(); });
}

STDMETHODIMP TTestAddIn::OnAddInsUpdate(SAFEARRAY **) {
    return S_OK;
}

STDMETHODIMP TTestAddIn::OnStartupComplete(SAFEARRAY **) {
    if (behaviour_ == Behaviour::Crashing) {
        volatile int *volatile nowhere = nullptr;
        *nowhere = 1;
    }
    return Guard([&] { BuildBar(); });
}

STDMETHODIMP TTestAddIn::OnBeginShutdown(SAFEARRAY **) {
    return S_OK;
}

// A temporary bar with one button, in Outlook's active explorer or in Word.
void TTestAddIn::BuildBar() {
    ComPtr<IDispatch> holder = application_;
    try {
        holder = DispCall(application_.Get(), L"ActiveExplorer").ToDispatch();
    } catch (const Exception &) {
        // Word: the Application holds the bars.
    }
    auto bars = DispGet(holder.Get(), L"CommandBars").ToDispatch().As<_CommandBars>();
    const OleVariant missing = OleVariant::Missing();
    ComPtr<CommandBar> bar;
    OleCheck(bars->Add(OleVariant(L"OfficesimTest").Var(), OleVariant(1).Var(), missing.Var(),
                       OleVariant(true).Var(), bar.Put()));
    OleCheck(bar->put_Visible(VARIANT_TRUE));
    ComPtr<CommandBarControls> controls;
    OleCheck(bar->get_Controls(controls.Put()));
    ComPtr<CommandBarControl> control;
    OleCheck(controls->Add(OleVariant(1).Var(), missing.Var(), missing.Var(), missing.Var(),
                           OleVariant(true).Var(), control.Put()));
    button_ = control.As<_CommandBarButton>();
    OleCheck(button_->put_Caption(TBStr(ClickText()).Get()));
    OleCheck(button_->put_Tag(TBStr(L"officesim.hello").Get()));
    sink_ = classlib::Make<TClickSink>(this);
    OleCheck(sink_->Connect(button_.Get()));
}

void TTestAddIn::Clicked() {
    ++clicks_;
    if (button_)
        button_->put_Caption(TBStr(ClickText()).Get());
}

STDMETHODIMP TTestAddIn::GetCustomUI(BSTR ribbonId, BSTR *xml) {
    return Guard([&] {
        std::wstring id = BStrToString(ribbonId);
        const wchar_t *name = id == L"Microsoft.Outlook.Explorer"       ? L"EXPLORER"
                              : id == L"Microsoft.Outlook.Mail.Read"    ? L"MAILREAD"
                              : id == L"Microsoft.Outlook.Mail.Compose" ? L"MAILCOMPOSE"
                              : id == L"Microsoft.Word.Document"        ? L"WORD"
                                                                        : nullptr;
        *xml = AllocBStr(name ? Document(name) : L"");
    });
}

STDMETHODIMP TTestAddIn::OnLoad(IDispatch *ribbon) {
    return Guard([&] { ribbon_ = ComPtr<IDispatch>::Copy(ribbon).As<IRibbonUI>(); });
}

// The hello button tells the clicks; the read window's button names the item of its inspector.
STDMETHODIMP TTestAddIn::GetLabel(IDispatch *control, BSTR *label) {
    return Guard([&] {
        std::wstring id = IdOf(control);
        std::wstring text = L"Label of " + id;
        if (id == L"HelloButton" || id == L"MenuFirst")
            text = ClickText();
        else if (id == L"ReadButton") {
            ComPtr<IDispatch> context;
            OleCheck(ComPtr<IDispatch>::Copy(control).As<IRibbonControl>()->get_Context(context.Put()));
            text = L"About " +
                   DispGet(DispGet(context.Get(), L"CurrentItem").ToDispatch().Get(), L"Subject").ToString();
        }
        *label = AllocBStr(text);
    });
}

STDMETHODIMP TTestAddIn::OnAction(IDispatch *control) {
    return Guard([&] {
        std::wstring id = IdOf(control);
        Clicked();
        if (ribbon_)
            OleCheck(ribbon_->InvalidateControl(TBStr(id).Get()));
    });
}

STDMETHODIMP TTestAddIn::OnToggle(IDispatch *control, VARIANT_BOOL pressed) {
    return Guard([&] {
        IdOf(control);
        pressed_ = pressed != VARIANT_FALSE;
    });
}

STDMETHODIMP TTestAddIn::GetPressed(IDispatch *, VARIANT_BOOL *pressed) {
    return Guard([&] { *pressed = pressed_ ? VARIANT_TRUE : VARIANT_FALSE; });
}

STDMETHODIMP TTestAddIn::GetItemCount(IDispatch *, LONG *count) {
    return Guard([&] { *count = static_cast<LONG>(std::size(kColours)); });
}

STDMETHODIMP TTestAddIn::GetItemLabel(IDispatch *control, LONG index, BSTR *label) {
    return Guard([&] {
        IdOf(control);
        if (index < 0 || index >= static_cast<LONG>(std::size(kColours)))
            throw EOleSysError(Format(L"There is no colour %d", {static_cast<int>(index)}), E_INVALIDARG);
        *label = AllocBStr(kColours[index]);
    });
}

STDMETHODIMP TTestAddIn::GetContent(IDispatch *control, BSTR *xml) {
    return Guard([&] {
        IdOf(control);
        *xml = AllocBStr(Document(L"MORE"));
    });
}

} // namespace officesim_test
