#include "framework/core/DeferredFree.h"

#include <vector>

#include "classlib/ComServer.h"

namespace framework {

namespace {

std::vector<std::unique_ptr<classlib::TObject>> &Waiting() {
    static std::vector<std::unique_ptr<classlib::TObject>> waiting;
    return waiting;
}

} // namespace

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
