// An event sink for the hostsim tests, built on the class library's sink as the framework's are:
// it records each event as "Name(args)" (the event's name from office.tlb) and runs an optional
// reaction inside the call (set Cancel, unadvise, release...).
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "classlib/EventSink.h"
#include "hostsim/SimLog.h"
#include "hostsim/SimTypeLib.h"

namespace hostsim_test {

class TestSink : public classlib::TEventSinkBase {
public:
    using Reaction = std::function<void(DISPID id, DISPPARAMS *params)>;

    explicit TestSink(REFIID eventIID) : TEventSinkBase(eventIID) {}

    std::vector<std::wstring> events;
    Reaction reaction;
    // When set, each event is also appended there as "label.Name", for order checks across sinks.
    std::vector<std::wstring> *journal = nullptr;
    std::wstring label;

    // The event names alone, for order checks.
    std::wstring Names() const {
        std::wstring text;
        for (const auto &e : events)
            text += (text.empty() ? L"" : L" ") + e.substr(0, e.find(L'('));
        return text;
    }

protected:
    HRESULT DoInvoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS *params, VARIANT *) override {
        std::wstring name = EventName(id);
        events.push_back(name + L"(" + hostsim::RenderArgs(params) + L")");
        if (journal)
            journal->push_back(label + L"." + name);
        if (reaction)
            reaction(id, params);
        return S_OK;
    }

private:
    std::wstring EventName(DISPID id) {
        try {
            BSTR name = nullptr;
            UINT count = 0;
            if (SUCCEEDED(hostsim::OfficeTypeInfo(EventIID())->GetNames(id, &name, 1, &count)) &&
                count == 1) {
                std::wstring text(name);
                SysFreeString(name);
                return text;
            }
        } catch (...) {
        }
        return L"#" + std::to_wstring(id);
    }
};

// The by-reference Boolean argument i (declaration order) of an event call.
inline VARIANT_BOOL *RefBool(DISPPARAMS *params, UINT i) {
    VARIANT &v = params->rgvarg[params->cArgs - 1 - i];
    return v.vt == (VT_BYREF | VT_BOOL) ? v.pboolVal : nullptr;
}

} // namespace hostsim_test
