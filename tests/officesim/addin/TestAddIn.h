// A tiny COM add-in for officesim's tests, built the way the framework builds one (classlib's
// automation object, factory and server). OfficesimTest.Connect connects, builds a command bar
// with one button, answers a ribbon document per window kind and its callbacks, and counts
// clicks from both; OfficesimTest.Failing refuses OnConnection; OfficesimTest.Crashing crashes in
// OnStartupComplete.
#pragma once
#include "classlib/AutoObject.h"
#include "classlib/ComPtr.h"
#include "office/office.h"

#include "OfficesimTestAddIn.h"

#include <string>

namespace officesim_test {

enum class Behaviour { Connect, Failing, Crashing };

class TClickSink;

class TTestAddIn : public classlib::TAutoObjectImpl<ITestAddIn, IDTExtensibility2, IRibbonExtensibility> {
public:
    explicit TTestAddIn(Behaviour behaviour) noexcept : behaviour_(behaviour) {}
    ~TTestAddIn() override;

    // IDTExtensibility2
    STDMETHODIMP OnConnection(IDispatch *application, ext_ConnectMode mode, IDispatch *addInInst,
                              SAFEARRAY **custom) override;
    STDMETHODIMP OnDisconnection(ext_DisconnectMode mode, SAFEARRAY **custom) override;
    STDMETHODIMP OnAddInsUpdate(SAFEARRAY **custom) override;
    STDMETHODIMP OnStartupComplete(SAFEARRAY **custom) override;
    STDMETHODIMP OnBeginShutdown(SAFEARRAY **custom) override;

    // IRibbonExtensibility
    STDMETHODIMP GetCustomUI(BSTR ribbonId, BSTR *xml) override;

    // ITestAddIn
    STDMETHODIMP OnLoad(IDispatch *ribbon) override;
    STDMETHODIMP GetLabel(IDispatch *control, BSTR *label) override;
    STDMETHODIMP OnAction(IDispatch *control) override;
    STDMETHODIMP OnToggle(IDispatch *control, VARIANT_BOOL pressed) override;
    STDMETHODIMP GetPressed(IDispatch *control, VARIANT_BOOL *pressed) override;
    STDMETHODIMP GetItemCount(IDispatch *control, LONG *count) override;
    STDMETHODIMP GetItemLabel(IDispatch *control, LONG index, BSTR *label) override;
    STDMETHODIMP GetContent(IDispatch *control, BSTR *xml) override;

    // A click on the command-bar button.
    void Clicked();

private:
    void BuildBar();
    void LetGo() noexcept;
    std::wstring ClickText() const;

    Behaviour behaviour_;
    classlib::ComPtr<IDispatch> application_;
    classlib::ComPtr<IRibbonUI> ribbon_;
    classlib::ComPtr<_CommandBarButton> button_;
    classlib::ComPtr<TClickSink> sink_;
    int clicks_ = 0;
    bool pressed_ = false;
};

} // namespace officesim_test
