// Wrappers of the Application objects of the hosts other than Outlook and Word: only what the
// framework reads from them, and the events it chains. Members whose dispatch ids are not published
// (FrontPage, MapPoint, Publisher, InfoPath) are reached by name. CommandBars results are to be
// queried for _CommandBars by the caller.
#pragma once
#include "office/HostWrapper.h"

namespace office {

class TExcelApplication : public THostWrapper {
    CLASSLIB_CLASS(TExcelApplication)
public:
    explicit TExcelApplication(classlib::TComponent *owner);

    // Read in the user's default locale, the one Excel formats the number in.
    std::wstring Version() const;
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;

    // Excel's event parameters are taken as they come: an argument that is not passed reads as null.
    TDispatchEvent OnWorkbookActivate; // Wb
    TDispatchEvent OnSheetActivate;    // Sh

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

class TPowerPointApplication : public THostWrapper {
    CLASSLIB_CLASS(TPowerPointApplication)
public:
    explicit TPowerPointApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;
    classlib::ComPtr<IDispatch> Windows() const;

    TDispatchPairEvent OnWindowActivate; // Pres, Wn; missing arguments read as null

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

// Access has no application events.
class TAccessApplication : public THostWrapper {
    CLASSLIB_CLASS(TAccessApplication)
public:
    explicit TAccessApplication(classlib::TComponent *owner);

    std::wstring Version() const; // Access 2000 does not know the property
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> CurrentProject() const;
};

class TProjectApplication : public THostWrapper {
    CLASSLIB_CLASS(TProjectApplication)
public:
    explicit TProjectApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;
};

class TFrontPageApplication : public THostWrapper {
    CLASSLIB_CLASS(TFrontPageApplication)
public:
    explicit TFrontPageApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> CommandBars() const;
};

// MapPoint has no command bars.
class TMapPointApplication : public THostWrapper {
    CLASSLIB_CLASS(TMapPointApplication)
public:
    explicit TMapPointApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    // Removes the Tools-menu commands that target (an add-in object) added.
    void RemoveCommands(IDispatch *target) const;
};

class TVisioApplication : public THostWrapper {
    CLASSLIB_CLASS(TVisioApplication)
public:
    explicit TVisioApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;

    TDispatchEvent OnWindowActivated; // Window; a missing argument reads as null

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
};

class TPublisherApplication : public THostWrapper {
    CLASSLIB_CLASS(TPublisherApplication)
public:
    explicit TPublisherApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> CommandBars() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;
};

// InfoPath's events come from the Application or, when it offers none, from its Events object.
class TInfoPathApplication : public THostWrapper {
    CLASSLIB_CLASS(TInfoPathApplication)
public:
    explicit TInfoPathApplication(classlib::TComponent *owner);

    std::wstring Version() const;
    classlib::ComPtr<IDispatch> ActiveWindow() const;
    classlib::ComPtr<IDispatch> Windows() const;

    TDispatchPairEvent OnWindowActivate; // Document, Window
    TDispatchEvent OnNewXDocument;       // Document
    TDispatchEvent OnXDocumentOpen;      // Document

protected:
    void HostEvent(DISPID id, THostEventArgs &args) override;
    classlib::ComPtr<IUnknown> AlternateEventSource() override;
};

} // namespace office
