// The connection-point sink through which a host wrapper hears its host object's events, and the
// decoding of the arguments the host passes with an event.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <list>
#include <vector>

#include "classlib/EventSink.h"
#include "classlib/OleVariant.h"

namespace office {

class THostWrapper;

// One event interface a wrapper can advise on, with the dispatch ids of it that the wrapper decodes.
// A host of an older version answers only its own interface, so a wrapper lists several, newest
// first; each keeps its own table because a later interface may add events the older one lacks.
struct THostEventInterface {
    IID Iid;
    std::vector<DISPID> Events;
    bool Declares(DISPID id) const;
};

// The arguments of one event call, addressed by their position in the event's declaration.
// Hosts put them into rgvarg last first; a named argument carries its position as its dispatch id.
// Every accessor raises EOleSysError with DISP_E_BADPARAMCOUNT or DISP_E_TYPEMISMATCH when the host
// passed something the event does not declare, so a malformed call fails instead of guessing.
class THostEventArgs {
public:
    // Raises E_INVALIDARG for a DISPPARAMS that contradicts itself; null counts as no arguments.
    explicit THostEventArgs(const DISPPARAMS *params);
    THostEventArgs(const THostEventArgs &) = delete;
    THostEventArgs &operator=(const THostEventArgs &) = delete;

    int Count() const noexcept { return count_; }
    // An object argument, by value or by reference; Empty, Null and Nothing read as null.
    classlib::ComPtr<IDispatch> Object(int index) const;
    // The same for hosts whose event declarations are not known in full: a missing argument, or one
    // that holds no object, reads as null.
    classlib::ComPtr<IDispatch> OptionalObject(int index) const;
    // A by-value variant argument as received (a by-reference variant is dereferenced).
    classlib::OleVariant Value(int index) const;
    // A by-reference Boolean (VT_BYREF | VT_BOOL, or a by-reference variant holding VT_BOOL): the
    // handler sees the host's value, and what it leaves there reaches the host through WriteBack.
    bool &BoolRef(int index);
    // Writes every by-reference Boolean back through the host's pointer; the host's VARIANTs
    // themselves are never replaced.
    void WriteBack() noexcept;

private:
    const VARIANT *Find(int index) const noexcept; // null when the host did not pass it
    const VARIANT &Required(int index) const;
    static const VARIANT &Deref(const VARIANT &arg) noexcept;

    struct BoolSlot {
        VARIANT_BOOL *Target;
        bool Value;
    };
    const DISPPARAMS *params_;
    int count_;
    std::list<BoolSlot> bools_; // a list: handlers hold references into it
};

// Advised on one host object for one event interface; hands every declared event to its wrapper.
// The wrapper detaches itself before it goes, so a sink the host still holds (or one whose wrapper a
// handler freed during the call) only answers.
class THostEventSink final : public classlib::TEventSinkBase {
public:
    THostEventSink(const THostEventInterface &iface, THostWrapper *wrapper);
    void Detach() noexcept { wrapper_ = nullptr; }

protected:
    HRESULT DoInvoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS *params,
                     VARIANT *result) override;

private:
    ~THostEventSink() override = default;

    THostEventInterface iface_;
    THostWrapper *wrapper_;
};

} // namespace office
