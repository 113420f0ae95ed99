// Wrapper of Word's Application.
#pragma once
#include "office/HostWrapper.h"

namespace office {

// Word's Application. Events come from ApplicationEvents4, 3 or 2, whichever the running Word offers.
class TWordApplication : public THostWrapper {
    CLASSLIB_CLASS(TWordApplication)
public:
    explicit TWordApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> Documents() const;
    classlib::ComPtr<IDispatch> Windows() const;
    // Word raises an error rather than answer Nothing when no document is open.
    classlib::ComPtr<IDispatch> ActiveDocument() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;
    classlib::ComPtr<IDispatch> CommandBars() const; // to be queried for _CommandBars by the caller
    classlib::ComPtr<IDispatch> NormalTemplate() const;
    classlib::ComPtr<IDispatch> Templates() const;
    // False when Word shows all documents in one window; Word 2000 does not know the property.
    bool ShowWindowsInTaskbar() const;
    // Object: 0 styles, 1 AutoText, 2 command bars, 3 project items.
    void OrganizerDelete(const std::wstring &source, const std::wstring &name, int object) const;
    void Quit() const;

    TNotifyEvent OnStartup;
    TNotifyEvent OnQuit;
    TNotifyEvent OnDocumentChange;
    TDispatchEvent OnDocumentOpen;       // Doc
    TDispatchEvent OnNewDocument;        // Doc
    TDispatchPairEvent OnWindowActivate; // Doc, Wn

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

} // namespace office
