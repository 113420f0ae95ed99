// The log's viewer: without a display it fails at once and says why, and its "Save as ..." item goes
// through the replaceable save dialog.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "LogTestKit.h"
#include "TraceRecorder.h"
#include "classlib/ModuleHandle.h"
#include "framework/support/Log.h"
#include "framework/support/LogViewer.h"
#include "framework/support/SaveDialog.h"

using classlib::ComPtr;
using framework::TLog;
using namespace supporttest;

// The tests run without a display; were there one, the watchdog closes the window it would show.
TEST(LogViewer, ShowLogWithoutADisplayFailsAtOnceAndSaysWhy) {
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    std::atomic<bool> done{false};
    std::thread watchdog([&] {
        while (!done) {
            if (HWND window = FindWindowW(L"TzidLogWindow", nullptr))
                PostMessageW(window, WM_CLOSE, 0, 0);
            Sleep(100);
        }
    });
    testsupport::TTraceRecorder trace;
    HRESULT first = log->ShowLog(L"Framework log");
    HRESULT second = log->ShowLog(L"Framework log");
    done = true;
    watchdog.join();
    if (first == S_OK)
        GTEST_SKIP() << "a display showed the window";
    EXPECT_TRUE(FAILED(first));
    EXPECT_EQ(second, first); // the first failure left nothing behind that changes the second
    EXPECT_EQ(trace.Count({L"Log: ShowLog: ", L"Cannot create the log window"}), 2);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    EXPECT_FALSE(GetClassInfoExW(classlib::LibraryModule(), L"TzidLogWindow", &wc));
    std::vector<std::wstring> lines = LogLines(ReportOf(log.Get()));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(TextOf(lines[0]).rfind(L"Show time: ", 0), 0u);
}

TEST(LogViewer, SaveAsAsksForATextFileAndSavesUnderTheChosenName) {
    TTempFolder folder;
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->AddMessage(L"kept");
    int dialogs = 0;
    framework::TSaveDialogHookScope dialog(
        [&](HWND owner, const std::wstring &filter, const std::wstring &ext, std::wstring &fileName) {
            EXPECT_EQ(owner, reinterpret_cast<HWND>(0x1234));
            EXPECT_EQ(filter, L"Text files (*.txt)|*.TXT");
            EXPECT_EQ(ext, L"txt");
            fileName = folder.File(L"chosen.txt");
            return ++dialogs == 1; // the second time the user cancels
        });
    auto save = [&](const std::wstring &fileName) { EXPECT_EQ(log->SaveToFile(fileName.c_str()), S_OK); };
    EXPECT_TRUE(framework::SaveLogAs(reinterpret_cast<HWND>(0x1234), save));
    EXPECT_FALSE(framework::SaveLogAs(reinterpret_cast<HWND>(0x1234), save));
    EXPECT_EQ(dialogs, 2);
    std::vector<std::wstring> saved = LogLines(ReadUtf8File(folder.File(L"chosen.txt")));
    ASSERT_EQ(saved.size(), 2u);
    EXPECT_EQ(TextOf(saved[1]), L"kept");
    EXPECT_EQ(CountOf(log.Get()), 2); // the cancelled save wrote no line
}
