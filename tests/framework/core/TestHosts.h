// Host objects the core tests need beyond hostsim's Outlook and Word, built from hostsim's parts:
// the Application of any other host (its identity and its version), and the COMAddIn entry the host
// passes to OnConnection.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/ComPtr.h"
#include "hostsim/SimDispatch.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace coretest {

// Answers the host's Application dispinterface (as a test of identity) and Version. Hosts whose
// library declares no Version have it added under an id of the object's own, as they do by name.
class SimBareApplication : public hostsim::SimDispObject<> {
public:
    SimBareApplication(hostsim::SimWorld &world, REFIID diid, std::wstring version);
    void SetVersion(std::wstring version) { version_ = std::move(version); }
    // A method the library does not declare (MapPoint's RemoveCommands), taking one object.
    void AddObjectMethod(const std::wstring &name);
    // The CurrentProject Access answers (null: Nothing).
    void SetCurrentProject(hostsim::SimObject *project) { project_ = project; }

private:
    std::wstring version_;
    hostsim::SimObject *project_ = nullptr;
    DISPID nextExtra_ = 0x7F000101;
};

// Access's CurrentProject: whether a database is open, and its name.
class SimAccessProject : public hostsim::SimDispObject<> {
public:
    explicit SimAccessProject(hostsim::SimWorld &world);
    bool IsConnected = false;
    std::wstring ProjectName;
};

class SimCOMAddIn : public hostsim::SimDualObject<COMAddIn> {
public:
    explicit SimCOMAddIn(hostsim::SimWorld &world);

    // The add-in object the add-in handed over through Object.
    IDispatch *ObjectSet() const noexcept { return object_.Get(); }

    HRESULT STDMETHODCALLTYPE get_Application(IDispatch **Application) override;
    HRESULT STDMETHODCALLTYPE get_Creator(LONG *Creator) override;
    HRESULT STDMETHODCALLTYPE get_Description(BSTR *Description) override;
    HRESULT STDMETHODCALLTYPE put_Description(BSTR Description) override;
    HRESULT STDMETHODCALLTYPE get_ProgId(BSTR *ProgId) override;
    HRESULT STDMETHODCALLTYPE get_Guid(BSTR *Guid) override;
    HRESULT STDMETHODCALLTYPE get_Connect(VARIANT_BOOL *Connect) override;
    HRESULT STDMETHODCALLTYPE put_Connect(VARIANT_BOOL Connect) override;
    HRESULT STDMETHODCALLTYPE get_Object(IDispatch **Object) override;
    HRESULT STDMETHODCALLTYPE put_Object(IDispatch *Object) override;
    HRESULT STDMETHODCALLTYPE get_Parent(IDispatch **Parent) override;

private:
    void OnDisconnect() noexcept override { object_.Reset(); }

    classlib::ComPtr<IDispatch> object_;
    bool connect_ = true;
};

} // namespace coretest
