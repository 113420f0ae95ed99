// What the host-event tests share: a module that records what reaches its DoError, a recorder that
// binds a handler of the right signature to any published event, and a check that walks an event
// interface of the office type library and fires each of its events through a simulated host's real
// connection point.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <typeindex>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/MessageDialogs.h"
#include "classlib/Object.h"
#include "classlib/OleVariant.h"
#include "framework/core/AddInModule.h"
#include "framework/events/CustomEvents.h"
#include "hostsim/SimConnectionPoints.h"
#include "hostsim/SimObject.h"

namespace eventstest {

// One call of a recorded handler: the event's published name, its sender and its arguments as text
// ("obj<n>" for the n-th probe object, "nil", numbers, 'texts', "ref:..." for by-reference ones).
struct TRecorded {
    std::wstring Event;
    classlib::TObject *Sender;
    std::vector<std::wstring> Args;
};

// Handlers bound through the class information, so any published event can be recorded. A handler
// answers its by-reference arguments (true, +1, text + "!", the variant 99), then runs Action, then
// raises when Raise names its event.
class TRecorder {
public:
    std::vector<TRecorded> Calls;
    std::function<void(const std::wstring &event)> Action;
    std::wstring Raise;
    // The objects handlers name by position.
    std::vector<hostsim::SimObject *> Probes;

    // Binds a recording handler to holder's published event; false when the class has no such event
    // or its signature is not known to the recorder (see RegisterSignatures).
    bool Bind(classlib::TObject &holder, const std::wstring &event);
    static void Unbind(classlib::TObject &holder, const std::wstring &event);
    int Count(const std::wstring &event) const;
    std::wstring Describe(IUnknown *object) const;

private:
    std::deque<std::unique_ptr<classlib::TObject>> bindings_;
};

// The arguments a test passes with an event of some signature, what the handler must see of them,
// and the check of what the handler wrote back.
struct TFireCase {
    std::vector<hostsim::EventArg> Args;
    std::vector<std::wstring> Expected;
    std::vector<std::function<void()>> WriteBackChecks;
    std::deque<VARIANT_BOOL> Bools;
    std::deque<long> Longs;
    std::deque<std::wstring> Texts;
    std::deque<classlib::OleVariant> Variants;
};
// Builds the arguments of the event published as event on holder; false when its signature is not
// known.
bool BuildFireCase(classlib::TObject &holder, const std::wstring &event,
                   const std::vector<hostsim::SimObject *> &probes, TFireCase &fc);
// Enters the signatures of every published event of the framework's host classes.
void RegisterSignatures();

struct TTypeLibEvent {
    DISPID Id;
    std::wstring Name;
};
// The events office.tlb declares on an event interface.
std::vector<TTypeLibEvent> TypeLibEvents(REFIID iid);
// How many events a class publishes.
int PublishedEventCount(const classlib::TClassInfo &cls);

// Fires every event of iid through source's connection point and expects the event published as
// Published(name) to fire once on holder with the arguments passed and its answers written back; events in
// Unrouted must fire nothing; events in Skip are left out. Returns how many events were routed.
struct TRouteCheck {
    hostsim::SimObject *Source = nullptr;
    IID Iid = IID_NULL;
    classlib::TObject *Holder = nullptr;
    std::function<std::wstring(const std::wstring &)> Published;
    std::set<DISPID> Unrouted;
    std::set<DISPID> Skip;
};
int ExpectEventsRoute(TRecorder &recorder, const TRouteCheck &check);

// The module's OnError handler: keeps the message and handles the error.
class TErrorLog : public classlib::TObject {
public:
    std::vector<std::wstring> Messages;
    void Error(const classlib::Exception &E, bool &Handled) {
        Messages.push_back(E.Message());
        Handled = true;
    }
};

// COM, a message-box hook, the class registry entries and a module (no form, no host) that records
// what reaches its DoError. At the end every event component must be gone and no server object left.
class EventsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void DropModule();
    const std::vector<std::wstring> &Errors() const { return errorLog_.Messages; }

    framework::TzidCOMAddInModule *module_ = nullptr;
    std::vector<std::wstring> messages_; // message boxes shown
    TRecorder recorder_;

private:
    TErrorLog errorLog_;
    std::unique_ptr<classlib::TMessageBoxHookScope> hook_;
    bool oleInitialized_ = false;
};

// The same against one simulated host, which goes after the module.
template <class THost> class HostEventsTest : public EventsTest {
protected:
    void TearDown() override {
        DropModule();
        host_.reset();
        EventsTest::TearDown();
    }

    std::unique_ptr<THost> host_;
};

// The IDispatch a component hands its host.
classlib::ComPtr<IDispatch> DispatchOf(framework::TzidCustomEvents &events);

} // namespace eventstest
