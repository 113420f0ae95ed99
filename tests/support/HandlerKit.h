// What the tests of handlers that free what they were called for share: a handler made of a function
// for any event, and the check that no freed heap block was written to. The test programs that use
// the check run with Wine's heap checking (WINEDEBUG warn+heap): a freed block is then filled and held
// back from reuse for a while, so that a write to it shows in HeapValidate and a read of it gives
// 0xfeeefeee instead of what happened to be left there.
#pragma once
#include <gtest/gtest.h>

#include <functional>

#include "classlib/Events.h"
#include "classlib/Object.h"

namespace testsupport {

template <class Sig> class TTestHandler;

// Event() binds Body to an event of signature void(A...).
template <class... A> class TTestHandler<void(A...)> : public classlib::TObject {
public:
    std::function<void(A...)> Body;
    classlib::TEvent<void(A...)> Event() { return {this, &Call}; }

private:
    static void Call(classlib::TObject *Self, A... Args) {
        auto &self = *static_cast<TTestHandler *>(Self);
        if (self.Body)
            self.Body(Args...);
    }
};

// Whether every heap of the process passes HeapValidate.
bool ProcessHeapsValid();
// Right after the action under test, before the freed blocks are handed out again.
#define EXPECT_HEAPS_VALID()                                                                                 \
    EXPECT_TRUE(testsupport::ProcessHeapsValid()) << "a freed heap block was written to"

} // namespace testsupport
