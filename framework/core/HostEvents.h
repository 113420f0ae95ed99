// TzidHostEvents: what the module and the add-in object ask of the component that receives the host
// application's events. The components themselves (framework/events) derive from it; the module finds
// its own among its components, connects it when the host is detected and disconnects it when the
// host goes.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <vector>

#include "classlib/Component.h"
#include "classlib/OleVariant.h"

namespace framework {

// A host event's arguments in declaration order (Params[0] is the first argument).
using TzidEventParams = std::vector<classlib::OleVariant>;

class TzidHostEvents : public classlib::TComponent {
public:
    using classlib::TComponent::TComponent;

    // Connects to one host object (any interface of it); an earlier connection is dropped first. A
    // host object without the connection point simply delivers no events.
    virtual void ConnectTo(IUnknown *Source) = 0;
    // The same for hosts whose event interface depends on their major version ("9", "10", ...).
    virtual void ConnectToVersion(IUnknown *Source, const std::wstring &HostVersion) = 0;
    // Stops the events; safe when not connected.
    virtual void Disconnect() = 0;
    // One host event: Params in declaration order. What a handler leaves in a by-reference argument
    // reaches the host (or, for arguments passed by value, Params).
    virtual void DoInvoke(DISPID DispID, TzidEventParams &Params) = 0;
};

} // namespace framework
