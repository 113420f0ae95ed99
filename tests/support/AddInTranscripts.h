// What tests that run officesim share: an add-in's entry in a host's Addins key for the length of a
// test, officesim run with an add-in through a script, and a check that a transcript holds given
// pieces in order.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "WineProcess.h"

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

// officesim (its Unix path) playing host ("outlook", "word") of version through script, with the
// add-in of progId loaded at start-up: its entry is in the host's Addins key for the run.
TRunResult RunOfficesim(const char *officesim, const std::wstring &host, int version,
                        const std::string &script, const std::wstring &progId,
                        const std::wstring &friendlyName);

// Each piece is found after the one before it; on failure the message shows the whole transcript.
testing::AssertionResult InOrder(const std::string &output, const std::vector<std::string> &pieces);

} // namespace testsupport
