// What tests that run officesim share: an add-in's entry in a host's Addins key for the length of a
// test, and a check that a transcript holds given pieces in order.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace testsupport {

// The add-in's key under the user's Software\Microsoft\Office\<host>\Addins, removed with the object.
class TAddInEntry {
public:
    TAddInEntry(const std::wstring &host, const std::wstring &progId, int loadBehavior,
                const std::wstring &friendlyName, bool requireShutdownNotification = false);
    ~TAddInEntry();
    TAddInEntry(const TAddInEntry &) = delete;
    TAddInEntry &operator=(const TAddInEntry &) = delete;

private:
    std::wstring key_;
};

// Each piece is found after the one before it; on failure the message shows the whole transcript.
testing::AssertionResult InOrder(const std::string &output, const std::vector<std::string> &pieces);

} // namespace testsupport
