// TzidCustomEvents: the base of the components that receive one host object's events and fire them
// as published events of their own. The module finds the one that belongs to its host among its
// components, connects it when the host is detected and disconnects it when the host goes.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "classlib/Component.h"
#include "classlib/OleVariant.h"

namespace framework {

class TzidCustomEvents : public classlib::TComponent {
    CLASSLIB_CLASS(TzidCustomEvents)
public:
    explicit TzidCustomEvents(classlib::TComponent *AOwner) : TComponent(AOwner) {}

    // Connects to one host object (any interface of it); an earlier connection is dropped first.
    virtual void ConnectTo(IUnknown *Source) = 0;
    // The same for hosts whose event interface depends on their major version ("9", "10", ...);
    // classes whose interface does not ignore HostVersion.
    virtual void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion);
    // Stops the events; safe when not connected.
    virtual void Disconnect() = 0;
    // One host event: Params in declaration order (Params[0] is the first argument). By-reference
    // arguments the handler changes travel back to the host through Params.
    virtual void DoInvoke(DISPID DispID, std::vector<classlib::OleVariant> &Params);
};

} // namespace framework
