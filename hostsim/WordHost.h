// A simulated Word: one host process with its Application, documents (each with one window) and
// templates, driven by a test through plain C++ calls.
//
// Version: the text Application.Version answers; its major part decides the event interfaces and
// members (see WordApplication.h) and the Normal template's name (Normal.dot, Normal.dotm from 12).
//
// The simulated behaviour, in the order the events are raised:
//  - NewDocument (also Documents.Add) / OpenDocument: the document and its window are created;
//  NewDocument(Doc) or
//    DocumentOpen(Doc); the window is activated (below); DocumentChange.
//  - Activate: nothing for the active window; else WindowDeactivate(Doc, Wn) for the active window,
//    WindowActivate(Doc, Wn) for the new one, then DocumentChange.
//  - Close: DocumentBeforeClose(Doc, Cancel); unless cancelled the document and its window go
//    (calls on them fail), the window activated before it, if any, raises WindowActivate, then
//    DocumentChange.
//  - Quit: every document closes (newest first; a cancel stops the quit), then Quit.
// ActiveDocument and ActiveWindow fail, as in Word, while no document is open.
#pragma once
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "hostsim/SimObject.h"
#include "hostsim/WordApplication.h"
#include "hostsim/WordDocuments.h"

namespace hostsim {

class WordHost {
public:
    explicit WordHost(std::wstring version = L"11.0");
    ~WordHost();
    WordHost(const WordHost &) = delete;
    WordHost &operator=(const WordHost &) = delete;

    SimWorld &World() noexcept { return world_; }
    SimLog &Log() noexcept { return world_.Log(); }
    const std::wstring &Version() const noexcept { return version_; }
    int MajorVersion() const noexcept { return major_; }

    SimWordApplication &App() noexcept { return *app_; }
    IDispatch *Application() noexcept { return app_; } // not AddRef'd
    SimWordCollection &Documents() noexcept { return *documents_; }
    SimWordCollection &Windows() noexcept { return *windows_; }
    SimWordCollection &Templates() noexcept { return *templates_; }
    SimWordTemplate *NormalTemplate() noexcept { return normal_; }
    // The template that Application.CustomizationContext names (the normal one unless a program set
    // another).
    SimWordTemplate *CustomizationContext() noexcept;
    SimWordTemplate *AddTemplate(const std::wstring &name, const std::wstring &fullName);

    SimWordDocument *NewDocument();
    SimWordDocument *OpenDocument(const std::wstring &fullName);
    void Activate(SimWordWindow *window);
    bool Close(SimWordDocument *document); // false when a sink cancelled
    SimWordDocument *ActiveDocument() const noexcept;
    SimWordWindow *ActiveWindow() const noexcept { return zOrder_.empty() ? nullptr : zOrder_.back(); }

    void Startup();
    bool Quit(); // false when a document refused to close
    bool HasQuit() const noexcept { return quit_; }

    // The Application's command bars (the command-bar simulation's object); documents answer them
    // unless they have their own.
    void SetCommandBars(IUnknown *commandBars) { commandBars_.CopyFrom(commandBars); }
    IUnknown *CommandBars() const noexcept { return commandBars_.Get(); }
    bool ShowWindowsInTaskbar() const noexcept { return showInTaskbar_; }
    void SetShowWindowsInTaskbar(bool show) noexcept { showInTaskbar_ = show; }
    // OrganizerDelete calls, as "Source|Name|Object".
    const std::vector<std::wstring> &OrganizerDeletes() const noexcept { return organizerDeletes_; }

private:
    friend class SimWordApplication;
    SimWordDocument *Add(const std::wstring &name, const std::wstring &fullName, DISPID event);

    std::wstring version_;
    int major_;
    SimWorld world_;
    SimWordApplication *app_ = nullptr;
    SimWordCollection *documents_ = nullptr;
    SimWordCollection *windows_ = nullptr;
    SimWordCollection *templates_ = nullptr;
    SimWordTemplate *normal_ = nullptr;
    std::vector<SimWordWindow *> zOrder_; // the active window last
    classlib::ComPtr<IUnknown> commandBars_;
    std::vector<std::wstring> organizerDeletes_;
    bool showInTaskbar_ = true;
    bool quit_ = false;
    int documentNumber_ = 0;
};

} // namespace hostsim
