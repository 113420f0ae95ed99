// A test suite during which a COM server DLL is registered in the prefix by regsvr32, as an installer
// registers it: Dll is the library's Unix path, a constant of the test program.
#pragma once
#include <gtest/gtest.h>

namespace testsupport {

// True when regsvr32 registered the library; the unregistration's outcome is not checked.
bool RegisterServer(const char *dll);
void UnregisterServer(const char *dll);

template <const char *Dll> class TRegisteredServerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { registered_ = RegisterServer(Dll); }
    static void TearDownTestSuite() { UnregisterServer(Dll); }
    void SetUp() override { ASSERT_TRUE(registered_) << "regsvr32 could not register " << Dll; }

private:
    static inline bool registered_ = false;
};

} // namespace testsupport
