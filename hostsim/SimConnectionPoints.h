// Event sources of a simulated object: one connection point per event interface, and the firing
// of an event into every advised sink the way Office does it.
//
// A sink is asked for the event interface on Advise (a sink that does not answer it is refused with
// CONNECT_E_CANNOTCONNECT) and is called through that pointer's IDispatch::Invoke with
// DISPATCH_METHOD, the arguments reversed in rgvarg, no named arguments. By-reference arguments
// (Cancel and the like) point at one storage shared by all sinks of the event, so a sink sees what
// an earlier one set, and the caller reads the final value after Fire. What a sink returns is not
// looked at: a host goes on whatever its add-ins answer.
//
// The connection points share their object's reference count (they are part of it). Advise,
// Unadvise and FindConnectionPoint are recorded in the object's log under those names, with the
// event interface's name as argument, and can be made to fail like any member.
#pragma once
#include <windows.h>

#include <ocidl.h>
#include <olectl.h>

#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/OleVariant.h"
#include "hostsim/SimObject.h"

namespace hostsim {

class SimConnectionPoint;

// One argument of an event, in declaration order. By value: anything an OleVariant holds. By
// reference: the caller's storage, written back when Fire returns.
class EventArg {
public:
    EventArg(classlib::OleVariant value) : value_(std::move(value)) {}
    EventArg(int value) : value_(value) {}
    EventArg(bool value) : value_(value) {}
    EventArg(const wchar_t *text) : value_(text) {}
    EventArg(const std::wstring &text) : value_(text) {}
    EventArg(IDispatch *object) : value_(object) {}
    // A simulated object goes as its IDispatch.
    template <class T, std::enable_if_t<std::is_base_of_v<SimObject, T>, int> = 0>
    EventArg(T *object) : EventArg(static_cast<SimObject *>(object), 0) {}

    static EventArg Ref(VARIANT_BOOL *flag); // VT_BYREF|VT_BOOL (Cancel, Handled ...)
    static EventArg Ref(long *value);        // VT_BYREF|VT_I4
    static EventArg Ref(std::wstring *text); // VT_BYREF|VT_BSTR: the sink may replace the text
    static EventArg Ref(VARIANT *value);     // VT_BYREF|VT_VARIANT

private:
    friend class SimConnectionPoints;
    EventArg() = default;
    EventArg(SimObject *object, int);
    classlib::OleVariant value_;
    std::wstring *text_ = nullptr; // for a by-reference string
};

class SimConnectionPoints {
public:
    explicit SimConnectionPoints(SimObject &owner) noexcept;
    ~SimConnectionPoints();
    SimConnectionPoints(const SimConnectionPoints &) = delete;
    SimConnectionPoints &operator=(const SimConnectionPoints &) = delete;

    // Offers a connection point for iid (nothing when it is already offered).
    void Add(REFIID iid);
    bool Offers(REFIID iid) const noexcept { return Point(iid) != nullptr; }
    // The advised sinks of iid (0 when iid is not offered).
    int SinkCount(REFIID iid) const noexcept;
    // The advised sinks of every interface.
    int SinkCount() const noexcept;

    // Calls every sink advised on iid; returns how many were called. A sink unadvised during the
    // event (by itself or by another sink) is not called afterwards, and each sink is kept alive
    // until its own call has returned. By-reference arguments are written back before Fire returns.
    int Fire(REFIID iid, DISPID id, std::vector<EventArg> args = {});

    // Fires id on every offered interface that declares it in office.tlb (a host of a later
    // version raises each event on its older interfaces too); returns how many sinks were called.
    int FireAll(DISPID id, std::vector<EventArg> args = {});

    // Breaks every connection, releasing the sinks (the object has left its host).
    void UnadviseAll() noexcept;

    // IConnectionPointContainer::FindConnectionPoint's body.
    HRESULT Find(REFIID iid, IConnectionPoint **point) noexcept;
    // The name of an interface for the log: its name in the office type library, or its GUID.
    std::wstring InterfaceName(REFIID iid) const;

private:
    SimConnectionPoint *Point(REFIID iid) const noexcept;

    SimObject &owner_;
    std::vector<std::unique_ptr<SimConnectionPoint>> points_;
};

} // namespace hostsim
