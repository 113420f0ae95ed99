// What a test of the add-in's COM side runs in, held by its fixture from SetUp to TearDown: OLE
// initialised, the user's and the machine's registry redirected to scratch keys, and every message box
// answered OK and handed to Shown instead, since a test must never wait for a dialog. It goes in the
// reverse order.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "ScratchRegistry.h"
#include "classlib/MessageDialogs.h"

namespace testsupport {

class TTestEnvironment {
public:
    explicit TTestEnvironment(std::function<void(const std::wstring &Text)> Shown)
        : hook_([Shown = std::move(Shown)](HWND, const std::wstring &Text, const std::wstring &, UINT) {
              Shown(Text);
              return IDOK;
          }) {}
    // False when the registry could not be redirected: the fixture asserts it, so that no test body
    // writes to the real registry.
    bool Ready() const { return registry_.Redirected(); }

private:
    struct TOle {
        TOle() : Initialized(SUCCEEDED(OleInitialize(nullptr))) {}
        ~TOle() {
            if (Initialized)
                OleUninitialize();
        }
        bool Initialized;
    } ole_;
    classlib::TMessageBoxHookScope hook_;
    TScratchRegistry registry_{TScratchRoots::UserAndMachine};
};

} // namespace testsupport
