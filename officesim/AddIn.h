// One COM add-in as Office holds it: created by ProgID in process, connected through
// IDTExtensibility2, asked for its ribbon through IRibbonExtensibility, handed the task-pane factory
// through ICustomTaskPaneConsumer, its callbacks called through IDispatch. Every call is written to
// the transcript with its answer; a failed call is a failure of the run.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/ComPtr.h"
#include "office/office.h"
#include "officesim/AddInRegistry.h"
#include "officesim/Transcript.h"

namespace officesim {

class AddIn {
public:
    AddIn(AddInEntry entry, Transcript &transcript);
    AddIn(const AddIn &) = delete;
    AddIn &operator=(const AddIn &) = delete;

    const std::wstring &ProgId() const noexcept { return entry_.progId; }
    const AddInEntry &Entry() const noexcept { return entry_; }
    const CLSID &ClassId() const noexcept { return clsid_; }
    const std::wstring &DllPath() const noexcept { return dllPath_; }
    // Connected and not yet disconnected (nor shut down the fast way).
    bool Connected() const noexcept { return connected_; }

    // CLSIDFromProgID, CoCreateInstance in process, IDTExtensibility2; false when one failed.
    bool Create();
    // OnConnection(Application, ext_cm_Startup, AddInInst, custom).
    bool Connect(IDispatch *application, IDispatch *addInInst);
    bool StartupComplete();
    // ICustomTaskPaneConsumer::CTPFactoryAvailable(factory), when the add-in implements it (Office 2007
    // and later hand every add-in that does its task-pane factory after the connection).
    bool TaskPaneFactoryAvailable(ICTPFactory *factory);
    bool BeginShutdown();
    bool Disconnect(ext_DisconnectMode mode);
    // The host stops without telling the add-in (Outlook's fast shutdown): no more calls.
    void Abandon() noexcept { connected_ = false; }

    // Null when the add-in has no ribbon.
    IRibbonExtensibility *Ribbon() const noexcept { return ribbon_.Get(); }
    IDispatch *Dispatch() const noexcept { return dispatch_.Get(); }

    // Lets go of every reference officesim holds on the add-in.
    void Release();

private:
    // Writes "<ProgID>: <call> -> <answer> (time)"; a failure also counts.
    bool Report(HRESULT hr, const std::wstring &call, REFIID iid, double milliseconds);

    AddInEntry entry_;
    Transcript &transcript_;
    CLSID clsid_{};
    std::wstring dllPath_;
    classlib::ComPtr<IDTExtensibility2> extensibility_;
    classlib::ComPtr<IRibbonExtensibility> ribbon_;
    classlib::ComPtr<IDispatch> dispatch_;
    bool connected_ = false;
};

} // namespace officesim
