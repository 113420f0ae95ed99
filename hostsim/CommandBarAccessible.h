// The IAccessible slots of CommandBar and CommandBarControl. Office fills them for screen readers;
// nothing here reads them, so they answer E_NOTIMPL (recorded like every call).
#pragma once
#include <windows.h>

#include <oleacc.h>

#include <string>
#include <utility>

#include "hostsim/CommandBarCall.h"

namespace hostsim {

template <class Base> class CommandBarAccessible : public Base {
public:
    STDMETHODIMP get_accParent(IDispatch **out) override { return Refuse(L"accParent", out); }
    STDMETHODIMP get_accChildCount(long *) override { return Refuse(L"accChildCount"); }
    STDMETHODIMP get_accChild(VARIANT, IDispatch **out) override { return Refuse(L"accChild", out); }
    STDMETHODIMP get_accName(VARIANT, BSTR *out) override { return Refuse(L"accName", out); }
    STDMETHODIMP get_accValue(VARIANT, BSTR *out) override { return Refuse(L"accValue", out); }
    STDMETHODIMP get_accDescription(VARIANT, BSTR *out) override { return Refuse(L"accDescription", out); }
    STDMETHODIMP get_accRole(VARIANT, VARIANT *) override { return Refuse(L"accRole"); }
    STDMETHODIMP get_accState(VARIANT, VARIANT *) override { return Refuse(L"accState"); }
    STDMETHODIMP get_accHelp(VARIANT, BSTR *out) override { return Refuse(L"accHelp", out); }
    STDMETHODIMP get_accHelpTopic(BSTR *out, VARIANT, long *) override {
        return Refuse(L"accHelpTopic", out);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR *out) override {
        return Refuse(L"accKeyboardShortcut", out);
    }
    STDMETHODIMP get_accFocus(VARIANT *) override { return Refuse(L"accFocus"); }
    STDMETHODIMP get_accSelection(VARIANT *) override { return Refuse(L"accSelection"); }
    STDMETHODIMP get_accDefaultAction(VARIANT, BSTR *out) override {
        return Refuse(L"accDefaultAction", out);
    }
    STDMETHODIMP accSelect(long, VARIANT) override { return Refuse(L"accSelect"); }
    STDMETHODIMP accLocation(long *, long *, long *, long *, VARIANT) override {
        return Refuse(L"accLocation");
    }
    STDMETHODIMP accNavigate(long, VARIANT, VARIANT *) override { return Refuse(L"accNavigate"); }
    STDMETHODIMP accHitTest(long, long, VARIANT *) override { return Refuse(L"accHitTest"); }
    STDMETHODIMP accDoDefaultAction(VARIANT) override { return Refuse(L"accDoDefaultAction"); }
    STDMETHODIMP put_accName(VARIANT, BSTR) override { return Refuse(L"accName"); }
    STDMETHODIMP put_accValue(VARIANT, BSTR) override { return Refuse(L"accValue"); }

protected:
    template <class... Args> CommandBarAccessible(Args &&...args) : Base(std::forward<Args>(args)...) {}

private:
    template <class T> HRESULT Refuse(const wchar_t *member, T **out) {
        call::Clear(out);
        return Refuse(member);
    }
    HRESULT Refuse(const wchar_t *member) {
        return this->Call(member, {}, [] { return E_NOTIMPL; });
    }
};

} // namespace hostsim
