#include "office/WordApplication.h"

#include "classlib/Classes.h"
#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace office {

CLASSLIB_DEFINE_CLASS(TWordApplication, THostWrapper)

namespace {

namespace app = dispid::word_application;
namespace ev = dispid::word_application_events;

} // namespace

// The events decoded here are in Word 2000's ApplicationEvents2, which the later interfaces keep.
TWordApplication::TWordApplication(classlib::TComponent *owner)
    : THostWrapper(owner, SameEvents({DIID_WordApplicationEvents4, DIID_WordApplicationEvents3,
                                      DIID_WordApplicationEvents2},
                                     {ev::Startup, ev::Quit, ev::DocumentChange, ev::DocumentOpen,
                                      ev::NewDocument, ev::WindowActivate})) {}

std::wstring TWordApplication::Version() const {
    return GetString(app::Version);
}

ComPtr<IDispatch> TWordApplication::Documents() const {
    return GetObject(app::Documents);
}

ComPtr<IDispatch> TWordApplication::Windows() const {
    return GetObject(app::Windows);
}

ComPtr<IDispatch> TWordApplication::ActiveDocument() const {
    return GetObject(app::ActiveDocument);
}

ComPtr<IDispatch> TWordApplication::ActiveWindow() const {
    return GetObject(app::ActiveWindow);
}

ComPtr<IDispatch> TWordApplication::CommandBars() const {
    return GetObject(app::CommandBars);
}

ComPtr<IDispatch> TWordApplication::NormalTemplate() const {
    return GetObject(app::NormalTemplate);
}

ComPtr<IDispatch> TWordApplication::Templates() const {
    return GetObject(app::Templates);
}

bool TWordApplication::ShowWindowsInTaskbar() const {
    return Get(app::ShowWindowsInTaskbar).ToBool();
}

void TWordApplication::OrganizerDelete(const std::wstring &source, const std::wstring &name,
                                       int object) const {
    Call(app::OrganizerDelete, {OleVariant(source), OleVariant(name), OleVariant(object)});
}

// The three optional arguments are left out: Word then asks about unsaved documents as usual.
void TWordApplication::Quit() const {
    Call(app::Quit);
}

void TWordApplication::HostEvent(DISPID id, THostEventArgs &args) {
    switch (id) {
    case ev::Startup:
        OnStartup(this);
        break;
    case ev::Quit:
        OnQuit(this);
        break;
    case ev::DocumentChange:
        OnDocumentChange(this);
        break;
    case ev::DocumentOpen:
        if (OnDocumentOpen)
            OnDocumentOpen(this, args.Object(0).Get());
        break;
    case ev::NewDocument:
        if (OnNewDocument)
            OnNewDocument(this, args.Object(0).Get());
        break;
    case ev::WindowActivate:
        if (OnWindowActivate)
            OnWindowActivate(this, args.Object(0).Get(), args.Object(1).Get());
        break;
    }
}

} // namespace office
