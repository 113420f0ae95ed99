#include "framework/core/DeferredFree.h"

#include <vector>

#include "classlib/ComServer.h"

namespace framework {

namespace {

std::vector<std::unique_ptr<classlib::TObject>> &Waiting() {
    static std::vector<std::unique_ptr<classlib::TObject>> waiting;
    return waiting;
}

int &CallDepth() {
    static int depth = 0;
    return depth;
}

std::vector<std::unique_ptr<classlib::TObject>> &AfterCall() {
    static std::vector<std::unique_ptr<classlib::TObject>> objects;
    return objects;
}

} // namespace

TEventCallScope::TEventCallScope() noexcept {
    ++CallDepth();
}

TEventCallScope::~TEventCallScope() {
    if (--CallDepth() > 0)
        return;
    // A destructor may hand over further objects: they join the next round.
    while (!AfterCall().empty()) {
        auto objects = std::move(AfterCall());
        AfterCall().clear();
        objects.clear();
    }
}

void FreeAfterCall(std::unique_ptr<classlib::TObject> Object) {
    if (Object && CallDepth() > 0)
        AfterCall().push_back(std::move(Object));
    else
        Object.reset();
}

size_t ObjectsAfterCallCount() noexcept {
    return AfterCall().size();
}

void FreeAfterEvents(std::unique_ptr<classlib::TObject> Object) {
    if (Object)
        Waiting().push_back(std::move(Object));
}

size_t DeferredObjectCount() noexcept {
    return Waiting().size();
}

HRESULT AddInCanUnloadNow() noexcept {
    HRESULT hr = classlib::ComServerCanUnloadNow();
    if (hr == S_OK) {
        // Freed one by one from a list of their own: a destructor may reach this list again.
        auto waiting = std::move(Waiting());
        Waiting().clear();
        waiting.clear();
    }
    return hr;
}

} // namespace framework
