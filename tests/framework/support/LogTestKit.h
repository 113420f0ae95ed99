// What the log tests share: a log's report and its "Log:" block as lines, and a temporary folder.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/support/LogInterface.h"

namespace supporttest {

// The report, or a test failure and "" when the log refuses it.
std::wstring ReportOf(framework::ILog *log);
// The number of lines, or a test failure and -1.
LONG CountOf(framework::ILog *log);
// The lines of the report's "Log:" block, newest first, and the text each carries after the time
// and the thread ("<time>\t<thread>\t<text>").
std::vector<std::wstring> LogLines(const std::wstring &report);
std::wstring TextOf(const std::wstring &line);
// The UTF-8 file's text (its byte-order mark checked and dropped).
std::wstring ReadUtf8File(const std::wstring &path);

// A test of the process-wide log: it starts with the log as a fresh process has it (no line, 5000 lines
// at most) and leaves it so, whatever the test did to it, so that the tests pass in any order.
class ProcessLogTest : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }

private:
    static void Reset();
};

// A folder of the test's own under the temporary folder, removed with what it holds.
class TTempFolder {
public:
    TTempFolder();
    ~TTempFolder();
    TTempFolder(const TTempFolder &) = delete;
    TTempFolder &operator=(const TTempFolder &) = delete;
    std::wstring File(const std::wstring &name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

} // namespace supporttest
