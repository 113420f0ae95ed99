// Making simulated hosts reachable the ways the framework looks for a host application: by ProgID
// through CoCreateInstance ("Word.Application" ...), and as a running instance through
// GetActiveObject. Everything stays in the test process except the ProgID keys (see below).
//
// ProgID keys. CLSIDFromProgID reads "<ProgID>\CLSID" under the machine's classes key, and Wine's
// COM library reads that key directly, past any RegOverridePredefKey redirection of HKEY_CLASSES_ROOT
// or HKEY_LOCAL_MACHINE (a redirected copy is never seen, and an activation-context manifest makes
// COM load a server DLL instead of the registered class object). So the keys are written to the
// machine's classes key itself, through the native registry calls, which no redirection affects: a
// test that redirects the registry still gets them. They exist while a registration needs them and
// are removed with the last one; a key that was there before is left alone. Tests that register
// ProgIDs take the ctest RESOURCE_LOCK wineprefix_registry, like every test that writes the
// prefix's shared registry. The class ids are the simulation's own (MS Project's is the published
// one): nothing outside the test process resolves them to a server.
#pragma once
#include <windows.h>

#include <objbase.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"

namespace hostsim {

struct SimHostClass {
    const wchar_t *progId;
    CLSID clsid;
};
// Word.Application, Outlook.Application, Excel.Application, PowerPoint.Application,
// Access.Application, MSProject.Application, FrontPage.Application, MapPoint.Application,
// Visio.Application, Visio.InvisibleApp, Publisher.Application, InfoPath.Application.
const std::vector<SimHostClass> &SimHostClasses();
// The class id of a host ProgID (letter case ignored); raises EOleSysError (CO_E_CLASSSTRING) for
// another ProgID.
const CLSID &SimHostClassID(const std::wstring &progId);

// The ProgID's keys for as long as the object lives (counted per process).
class ProgIDRegistration {
public:
    explicit ProgIDRegistration(const std::wstring &progId);
    ~ProgIDRegistration();
    ProgIDRegistration(const ProgIDRegistration &) = delete;
    ProgIDRegistration &operator=(const ProgIDRegistration &) = delete;

    const CLSID &Clsid() const noexcept { return clsid_; }

private:
    std::wstring progId_;
    CLSID clsid_;
};

// CoCreateInstance of the host's class (and CreateObject by its ProgID) answers what create returns:
// usually the Application of a simulated host the test made. A class factory registered for the
// in-process and local-server contexts, revoked on destruction.
class ClassRegistration {
public:
    using Creator = std::function<classlib::ComPtr<IUnknown>()>;
    ClassRegistration(const std::wstring &progId, Creator create);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration &) = delete;
    ClassRegistration &operator=(const ClassRegistration &) = delete;

    const CLSID &Clsid() const noexcept { return keys_.Clsid(); }
    // How many objects the factory has handed out.
    int Created() const noexcept;

private:
    ProgIDRegistration keys_;
    classlib::ComPtr<IClassFactory> factory_;
    DWORD cookie_ = 0;
};

// The host is running: GetActiveObject with its class id finds the Application (registered
// strongly in the running-object table), and its ProgID resolves. Revoked on destruction.
class ActiveObjectRegistration {
public:
    ActiveObjectRegistration(const std::wstring &progId, IUnknown *application);
    ~ActiveObjectRegistration();
    ActiveObjectRegistration(const ActiveObjectRegistration &) = delete;
    ActiveObjectRegistration &operator=(const ActiveObjectRegistration &) = delete;

    const CLSID &Clsid() const noexcept { return keys_.Clsid(); }

private:
    ProgIDRegistration keys_;
    DWORD cookie_ = 0;
};

} // namespace hostsim
