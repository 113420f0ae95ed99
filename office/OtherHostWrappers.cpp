#include "office/OtherHostWrappers.h"

#include "classlib/Classes.h"
#include "office/HostDispIds.h"
#include "office/office.h"

using classlib::ComPtr;
using classlib::OleVariant;

namespace office {

CLASSLIB_DEFINE_CLASS(TExcelApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TPowerPointApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TAccessApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TProjectApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TFrontPageApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TMapPointApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TVisioApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TPublisherApplication, THostWrapper)
CLASSLIB_DEFINE_CLASS(TInfoPathApplication, THostWrapper)

namespace {

namespace excel = dispid::excel_application;
namespace ppt = dispid::powerpoint_application;
namespace access = dispid::access_application;
namespace project = dispid::project_application;
namespace visio = dispid::visio_application;

namespace ip = dispid::infopath_application_events;

} // namespace

// ---- Excel ----

TExcelApplication::TExcelApplication(classlib::TComponent *owner)
    : THostWrapper(owner, {{DIID_ExcelAppEvents,
                            {dispid::excel_application_events::WorkbookActivate,
                             dispid::excel_application_events::SheetActivate}}}) {}

std::wstring TExcelApplication::Version() const {
    return GetString(excel::Version); // late binding calls in LOCALE_USER_DEFAULT
}

ComPtr<IDispatch> TExcelApplication::CommandBars() const {
    return GetObject(excel::CommandBars);
}

ComPtr<IDispatch> TExcelApplication::ActiveWindow() const {
    return GetObject(excel::ActiveWindow);
}

void TExcelApplication::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::excel_application_events::WorkbookActivate && OnWorkbookActivate)
        OnWorkbookActivate(this, args.OptionalObject(0).Get());
    else if (id == dispid::excel_application_events::SheetActivate && OnSheetActivate)
        OnSheetActivate(this, args.OptionalObject(0).Get());
}

// ---- PowerPoint ----

TPowerPointApplication::TPowerPointApplication(classlib::TComponent *owner)
    : THostWrapper(owner,
                   {{DIID_PowerPointEApplication, {dispid::powerpoint_application_events::WindowActivate}}}) {
}

std::wstring TPowerPointApplication::Version() const {
    return GetString(ppt::Version);
}

ComPtr<IDispatch> TPowerPointApplication::CommandBars() const {
    return GetObject(ppt::CommandBars);
}

ComPtr<IDispatch> TPowerPointApplication::ActiveWindow() const {
    return GetObject(ppt::ActiveWindow);
}

ComPtr<IDispatch> TPowerPointApplication::Windows() const {
    return GetObject(ppt::Windows);
}

void TPowerPointApplication::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::powerpoint_application_events::WindowActivate && OnWindowActivate)
        OnWindowActivate(this, args.OptionalObject(0).Get(), args.OptionalObject(1).Get());
}

// ---- Access ----

TAccessApplication::TAccessApplication(classlib::TComponent *owner) : THostWrapper(owner, {}) {}

std::wstring TAccessApplication::Version() const {
    return GetString(access::Version);
}

ComPtr<IDispatch> TAccessApplication::CommandBars() const {
    return GetObject(access::CommandBars);
}

ComPtr<IDispatch> TAccessApplication::CurrentProject() const {
    return GetObject(access::CurrentProject);
}

// ---- Project ----

TProjectApplication::TProjectApplication(classlib::TComponent *owner) : THostWrapper(owner, {}) {}

std::wstring TProjectApplication::Version() const {
    return GetString(project::Version);
}

ComPtr<IDispatch> TProjectApplication::CommandBars() const {
    return GetObject(project::CommandBars);
}

ComPtr<IDispatch> TProjectApplication::ActiveWindow() const {
    return GetObject(project::ActiveWindow);
}

// ---- FrontPage ----

TFrontPageApplication::TFrontPageApplication(classlib::TComponent *owner) : THostWrapper(owner, {}) {}

std::wstring TFrontPageApplication::Version() const {
    return Get(L"Version").ToString();
}

ComPtr<IDispatch> TFrontPageApplication::CommandBars() const {
    return Get(L"CommandBars").ToDispatch();
}

// ---- MapPoint ----

TMapPointApplication::TMapPointApplication(classlib::TComponent *owner) : THostWrapper(owner, {}) {}

std::wstring TMapPointApplication::Version() const {
    return Get(L"Version").ToString();
}

void TMapPointApplication::RemoveCommands(IDispatch *target) const {
    Call(L"RemoveCommands", {OleVariant(target)});
}

// ---- Visio ----

TVisioApplication::TVisioApplication(classlib::TComponent *owner)
    : THostWrapper(owner, {{DIID_VisioEApplication, {dispid::visio_application_events::WindowActivated}}}) {}

std::wstring TVisioApplication::Version() const {
    return GetString(visio::Version);
}

ComPtr<IDispatch> TVisioApplication::CommandBars() const {
    return GetObject(visio::CommandBars);
}

ComPtr<IDispatch> TVisioApplication::ActiveWindow() const {
    return GetObject(visio::ActiveWindow);
}

void TVisioApplication::HostEvent(DISPID id, THostEventArgs &args) {
    if (id == dispid::visio_application_events::WindowActivated && OnWindowActivated)
        OnWindowActivated(this, args.OptionalObject(0).Get());
}

// ---- Publisher ----

TPublisherApplication::TPublisherApplication(classlib::TComponent *owner) : THostWrapper(owner, {}) {}

std::wstring TPublisherApplication::Version() const {
    return Get(L"Version").ToString();
}

ComPtr<IDispatch> TPublisherApplication::CommandBars() const {
    return Get(L"CommandBars").ToDispatch();
}

ComPtr<IDispatch> TPublisherApplication::ActiveWindow() const {
    return Get(L"ActiveWindow").ToDispatch();
}

// ---- InfoPath ----

TInfoPathApplication::TInfoPathApplication(classlib::TComponent *owner)
    : THostWrapper(owner, {{DIID_InfoPathApplicationEvents,
                            {ip::WindowActivate, ip::NewXDocument, ip::XDocumentOpen}}}) {}

std::wstring TInfoPathApplication::Version() const {
    return Get(L"Version").ToString();
}

ComPtr<IDispatch> TInfoPathApplication::ActiveWindow() const {
    return Get(L"ActiveWindow").ToDispatch();
}

ComPtr<IDispatch> TInfoPathApplication::Windows() const {
    return Get(L"Windows").ToDispatch();
}

// An InfoPath without the Events property simply gives no events.
ComPtr<IUnknown> TInfoPathApplication::AlternateEventSource() {
    try {
        ComPtr<IDispatch> events = Get(L"Events").ToDispatch();
        return events;
    } catch (const classlib::Exception &) {
        return nullptr;
    }
}

void TInfoPathApplication::HostEvent(DISPID id, THostEventArgs &args) {
    switch (id) {
    case ip::WindowActivate:
        if (OnWindowActivate)
            OnWindowActivate(this, args.Object(0).Get(), args.Object(1).Get());
        break;
    case ip::NewXDocument:
        if (OnNewXDocument)
            OnNewXDocument(this, args.Object(0).Get());
        break;
    case ip::XDocumentOpen:
        if (OnXDocumentOpen)
            OnXDocumentOpen(this, args.Object(0).Get());
        break;
    }
}

} // namespace office
