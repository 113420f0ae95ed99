// Objects the add-in lets go of while one of their own events is still running (Outlook's Quit
// reaches the add-in through the wrapper that the shutdown frees). They are kept until no event can
// be running any more: when the server has no live object (every event sink counts as one while a
// host calls it), or when the library is unloaded.
#pragma once
#include <windows.h>

#include <memory>

#include "classlib/Object.h"

namespace framework {

void FreeAfterEvents(std::unique_ptr<classlib::TObject> Object);

// A host event (or timer tick) the add-in is handling while the object that delivers it is on the
// stack. Objects handed to FreeAfterCall while one is open are freed when the outermost one ends,
// that is once every such call has returned; nesting is allowed.
class TEventCallScope {
public:
    TEventCallScope() noexcept;
    ~TEventCallScope();
    TEventCallScope(const TEventCallScope &) = delete;
    TEventCallScope &operator=(const TEventCallScope &) = delete;
};
// Frees Object at once when no event call is open, else when the outermost one ends.
void FreeAfterCall(std::unique_ptr<classlib::TObject> Object);
// How many wait for an event call to end.
size_t ObjectsAfterCallCount() noexcept;
// How many are waiting.
size_t DeferredObjectCount() noexcept;
// DllCanUnloadNow's answer: the class library's; when it is S_OK the waiting objects are freed
// first, since the library may be unloaded right after.
HRESULT AddInCanUnloadNow() noexcept;

} // namespace framework
