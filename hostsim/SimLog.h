// What a simulated host saw: the calls its objects received, in order, and the failures a test
// asked them to give.
//
// One SimLog per simulated host process (its SimWorld holds it), shared by every object of that
// host, so a test can assert on the order of calls across objects. Arguments are rendered as text
// when the call arrives: strings in single quotes, numbers as numbers, booleans True/False, objects
// by their simulated name (or <object> for foreign ones), a left-out optional argument as Missing.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace hostsim {

class SimObject;

struct SimCall {
    std::wstring object; // the simulated object's name ("Application", "Explorer1", "Inbox" ...)
    std::wstring member; // the member called ("Version", "GetNamespace", "Advise" ...)
    std::wstring args;   // the arguments as text, comma separated ("'MAPI'", "" ...)

    // "object.member(args)": the form tests compare against.
    std::wstring Text() const;
};

class SimLog {
public:
    void Record(std::wstring object, std::wstring member, std::wstring args = {});
    const std::vector<SimCall> &Calls() const noexcept { return calls_; }
    // The calls as "object.member(args)" lines, in order.
    std::vector<std::wstring> Lines() const;
    // How often member was called on object (an empty object counts every object).
    int Count(const std::wstring &object, const std::wstring &member) const;
    void Clear() noexcept { calls_.clear(); }

    // The call that will be recorded at Number (counting from 0 since the log was last cleared), on
    // whichever object of the host it arrives, answers hr: a test can fail each call of an operation
    // in turn without knowing beforehand which objects the operation will create.
    void FailCallNumber(size_t Number, HRESULT hr) noexcept { failAt_ = {Number, hr}; }
    // The injected failure of the call recorded last, or S_OK.
    HRESULT FaultOfLastCall() const noexcept {
        return !calls_.empty() && calls_.size() - 1 == failAt_.first ? failAt_.second : S_OK;
    }

    // Told of every call that succeeded, after its body ran: a host simulation follows with it what a
    // client changed (Word marks the template that takes command-bar changes as unsaved).
    using SuccessObserver =
        std::function<void(SimObject &object, const std::wstring &member, const std::wstring &args)>;
    void SetSuccessObserver(SuccessObserver observer) { observer_ = std::move(observer); }
    void Succeeded(SimObject &object, const std::wstring &member, const std::wstring &args) const {
        if (observer_)
            observer_(object, member, args);
    }

private:
    std::vector<SimCall> calls_;
    std::pair<size_t, HRESULT> failAt_{static_cast<size_t>(-1), S_OK};
    SuccessObserver observer_;
};

// Failures one object has been told to give, by member name (compared without letter case, the
// way automation names are).
class SimFaults {
public:
    void FailNext(const std::wstring &member, HRESULT hr);
    void FailAlways(const std::wstring &member, HRESULT hr);
    void Clear() noexcept { faults_.clear(); }
    // The failure a call of member gives now (a "next" failure is used up), or S_OK.
    HRESULT Take(const std::wstring &member);

private:
    struct Fault {
        HRESULT hr;
        bool always;
    };
    std::map<std::wstring, Fault> faults_; // key: upper-cased member name
};

// One argument as log text; an object is named by NameOf (see SimObject), by-reference values
// are shown as the value they refer to.
std::wstring RenderArg(const VARIANT &value);
// The arguments of an IDispatch call, in declaration order (rgvarg reversed), comma separated;
// the value of a property put comes last.
std::wstring RenderArgs(const DISPPARAMS *params);

} // namespace hostsim
