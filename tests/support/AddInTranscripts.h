// What tests that run officesim share: an add-in's entry in a host's Addins key for the length of a
// test, officesim run with an add-in through a script, a check that a transcript holds given pieces
// in order, and the customUI documents a transcript shows, kept for the schema check.
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
// The same with the add-in entries the registry holds already (a test's own TAddInEntry, kept over
// several runs).
TRunResult RunOfficesimScript(const char *officesim, const std::wstring &host, int version,
                              const std::string &script);

// Each piece is found after the one before it; on failure the message shows the whole transcript.
testing::AssertionResult InOrder(const std::string &output, const std::vector<std::string> &pieces);

// The document officesim printed after `<progId>: GetCustomUI("<ribbonId>") -> document`: its "| "
// lines up to the first other line; "" when there is none.
std::string DocumentOf(const std::string &output, const std::string &progId, const std::string &ribbonId);
// The document of ribbonId in run's transcript, which must hold one, kept under name.
std::string TranscriptDocument(const TRunResult &run, const std::string &progId, const std::string &ribbonId,
                               const std::string &name);

// Keeps a document (UTF-8) as <name>.xml in the folder RIBBON_DOCUMENTS names (a Unix path or a
// Windows one), where the schema check finds it; without the variable nothing is kept.
void KeepForSchemaCheck(const std::string &document, const std::wstring &name);

} // namespace testsupport
