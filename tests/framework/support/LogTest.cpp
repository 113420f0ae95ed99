// The log's lines, report and file, its writers on several threads, a writer that cannot get the
// lock in time, and its viewer: without a display it fails at once and says why, and its "Save as ..."
// item goes through the replaceable save dialog.
#include <gtest/gtest.h>

#include <cwchar>
#include <memory>
#include <set>
#include <thread>
#include <vector>

#include "LogTestKit.h"
#include "TraceRecorder.h"
#include "classlib/ComServer.h"
#include "classlib/MessageDialogs.h"
#include "classlib/ModuleHandle.h"
#include "classlib/OleString.h"
#include "framework/support/Log.h"
#include "framework/support/LogViewer.h"
#include "framework/support/SaveDialog.h"
#include "framework/support/SupportUnits.h"
#include "framework/support/TextFile.h"

using classlib::ComPtr;
using framework::TLog;
using namespace supporttest;

// The process-wide log keeps 5000 lines: the oldest goes, the newest heads the report.
TEST_F(ProcessLogTest, KeepsTheNewest5000Lines) {
    ComPtr<framework::ILog> log = framework::GetLog();
    EXPECT_EQ(log.Get(), framework::GetLog().Get());
    EXPECT_EQ(CountOf(log.Get()), 0);
    for (int i = 1; i <= 5001; ++i)
        log->AddMessage((L"line " + std::to_wstring(i)).c_str());
    EXPECT_EQ(CountOf(log.Get()), 5000);
    std::vector<std::wstring> lines = LogLines(ReportOf(log.Get()));
    ASSERT_EQ(lines.size(), 5000u);
    EXPECT_EQ(TextOf(lines.front()), L"line 5001");
    EXPECT_EQ(TextOf(lines.back()), L"line 2");
    // fewer lines allowed: the oldest go at once
    EXPECT_EQ(log->SetMaxLines(3), S_OK);
    EXPECT_EQ(TextOf(LogLines(ReportOf(log.Get())).back()), L"line 4999");
}

TEST(Log, LineCarriesThreadAndIndentationAndUnindentStopsAtZero) {
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->Unindent();
    log->Unindent();
    log->Indent();
    log->AddMessage(L"one level");
    log->Indent();
    log->AddError(L"two levels");
    std::vector<std::wstring> lines = LogLines(ReportOf(log.Get()));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(TextOf(lines[0]), L"----*!* two levels");
    EXPECT_EQ(TextOf(lines[1]), L"--one level");
    std::wstring thread = L"\t" + std::to_wstring(GetCurrentThreadId()) + L"\t";
    EXPECT_NE(lines[1].find(thread), std::wstring::npos) << lines[1];
}

TEST(Log, ReportHoldsThreeBlocksAndSystemInfoOnce) {
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->AddSystemInfo(L"Office 11");
    log->AddSystemInfo(L"Office 11");
    log->AddSystemInfo(L"Windows");
    log->AddException(L"boom");
    std::wstring report = ReportOf(log.Get());
    const std::wstring head = L"\r\nExceptions:\r\n============\r\nboom\r\n"
                              L"\r\nSystem Info:\r\n============\r\nOffice 11\r\nWindows\r\n"
                              L"\r\nLog:\r\n============\r\n";
    EXPECT_EQ(report.substr(0, head.size()), head);
    EXPECT_EQ(LogLines(report).size(), 4u);
}

// The exception texts keep to a limit of their own, whatever the limit of the lines: the oldest go.
TEST(Log, TheExceptionsBlockKeepsTheNewestTexts) {
    ComPtr<TLog> log = classlib::Make<TLog>(5000);
    for (int i = 1; i <= TLog::MaxExceptions + 1; ++i)
        log->AddException((L"boom " + std::to_wstring(i)).c_str());
    const std::wstring report = ReportOf(log.Get());
    const std::wstring exceptions = report.substr(0, report.find(L"\r\nSystem Info:"));
    EXPECT_EQ(exceptions.find(L"boom 1\r\n"), std::wstring::npos) << "the oldest went";
    EXPECT_NE(exceptions.find(L"\nboom 2\r\n"), std::wstring::npos);
    EXPECT_NE(exceptions.find(L"\nboom " + std::to_wstring(TLog::MaxExceptions + 1) + L"\r\n"),
              std::wstring::npos);
    size_t texts = 0;
    for (size_t at = exceptions.find(L"boom "); at != std::wstring::npos;
         at = exceptions.find(L"boom ", at + 1))
        ++texts;
    EXPECT_EQ(texts, static_cast<size_t>(TLog::MaxExceptions));
    EXPECT_EQ(CountOf(log.Get()), 4 * (TLog::MaxExceptions + 1)) << "the lines keep to their own limit";
}

// Once disabled, messages and errors are ignored, but an exception still writes its four lines, and
// the log still keeps to its limit.
TEST(Log, ExceptionAfterDisableWritesItsFourLinesWithinTheLimit) {
    ComPtr<TLog> log = classlib::Make<TLog>(6);
    log->Disable();
    log->AddMessage(L"ignored");
    log->AddError(L"ignored too");
    log->AddException(L"boom");
    std::vector<std::wstring> lines = LogLines(ReportOf(log.Get()));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(TextOf(lines[0]), L"|-------------------------");
    EXPECT_EQ(TextOf(lines[1]), L"|boom");
    EXPECT_EQ(TextOf(lines[2]).rfind(L"|Exception time: ", 0), 0u);
    EXPECT_EQ(TextOf(lines[3]), L"|=========================");
    EXPECT_EQ(TextOf(lines[4]).rfind(L"Disable Log ", 0), 0u);
    log->AddException(L"two");
    lines = LogLines(ReportOf(log.Get()));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(TextOf(lines[1]), L"|two");
    EXPECT_EQ(log->SetMaxLines(2), S_OK);
    EXPECT_EQ(CountOf(log.Get()), 2);

    ComPtr<TLog> none = classlib::Make<TLog>(0); // a limit of no line keeps none
    EXPECT_EQ(none->AddMessage(L"one"), S_OK);
    EXPECT_EQ(CountOf(none.Get()), 0);
    EXPECT_TRUE(LogLines(ReportOf(none.Get())).empty());
}

TEST(Log, SaveToFileReplacesTheFileWithTheReport) {
    TTempFolder folder;
    std::wstring path = folder.File(L"log.txt");
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->AddMessage(L"Anh\u00e4nge \u20ac");
    ASSERT_EQ(log->SaveToFile(path.c_str()), S_OK);
    log->AddMessage(L"short");
    ASSERT_EQ(log->SaveToFile(path.c_str()), S_OK); // the second save replaces the first whole
    std::wstring saved = ReadUtf8File(path);
    EXPECT_EQ(saved, ReportOf(log.Get()));
    EXPECT_EQ(TextOf(LogLines(saved).front()).rfind(L"Save time: ", 0), 0u);
    EXPECT_NE(saved.find(L"Anh\u00e4nge \u20ac"), std::wstring::npos);

    EXPECT_EQ(log->SaveToFile(folder.File(L"missing\\log.txt").c_str()),
              HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND));
}

// A disk that fills up halfway through the save: the earlier file stays whole, and nothing of the
// failed save is left beside it.
TEST(Log, ASaveThatCannotBeWrittenWholeLeavesTheEarlierFile) {
    TTempFolder folder;
    const std::wstring path = folder.File(L"log.txt");
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->AddMessage(L"earlier");
    ASSERT_EQ(log->SaveToFile(path.c_str()), S_OK);
    const std::wstring earlier = ReadUtf8File(path);

    log->AddMessage(L"later");
    {
        framework::TFileWriteHookScope fullDisk([](HANDLE file, const std::string &bytes) -> DWORD {
            DWORD written = 0;
            WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size() / 2), &written, nullptr);
            return ERROR_DISK_FULL;
        });
        EXPECT_EQ(log->SaveToFile(path.c_str()), HRESULT_FROM_WIN32(ERROR_DISK_FULL));
    }
    EXPECT_EQ(ReadUtf8File(path), earlier);
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(folder.File(L"*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    do
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
            files.push_back(found.cFileName);
    while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(files, std::vector<std::wstring>{L"log.txt"});
}

// Each line saves once: the save's own "Save time" line saves nothing more.
TEST(Log, AutoSaveSavesOncePerLine) {
    TTempFolder folder;
    std::wstring path = folder.File(L"auto.txt");
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->SetFileName(path.c_str());
    log->SetAutoSave(TRUE);
    log->AddMessage(L"first");
    log->AddMessage(L"second");
    std::vector<std::wstring> lines = LogLines(ReadUtf8File(path));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(TextOf(lines[1]), L"second");
    EXPECT_EQ(TextOf(lines[3]), L"first");
    EXPECT_EQ(TextOf(lines[0]).rfind(L"Save time: ", 0), 0u);
}

TEST(Log, WritersOnSeveralThreadsLoseNoLine) {
    constexpr int Threads = 8, PerThread = 400;
    ComPtr<TLog> log = classlib::Make<TLog>(Threads * PerThread);
    std::vector<std::thread> writers;
    std::vector<DWORD> ids(Threads);
    for (int t = 0; t < Threads; ++t)
        writers.emplace_back([&, t] {
            ids[t] = GetCurrentThreadId();
            for (int i = 0; i < PerThread; ++i) {
                log->AddMessage((L"w" + std::to_wstring(t) + L"-" + std::to_wstring(i)).c_str());
                if (i % 50 == 0)
                    log->AddSystemInfo((L"info " + std::to_wstring(i)).c_str());
            }
        });
    for (std::thread &writer : writers)
        writer.join();
    std::set<std::wstring> seen;
    for (const std::wstring &line : LogLines(ReportOf(log.Get()))) {
        std::wstring text = TextOf(line);
        int t = std::stoi(text.substr(1));
        EXPECT_NE(line.find(L"\t" + std::to_wstring(ids[t]) + L"\t"), std::wstring::npos) << line;
        EXPECT_TRUE(seen.insert(text).second) << "twice: " << line;
    }
    EXPECT_EQ(seen.size(), static_cast<size_t>(Threads * PerThread));
    EXPECT_EQ(log->DroppedLines(), 0);
}

// A writer that cannot get the lock drops its line and counts it; it never writes unlocked.
TEST(Log, WriterDropsItsLineWhenTheLockStaysTaken) {
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    log->AddMessage(L"before");
    log->SetLockTimeout(50);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE held = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        WaitForSingleObject(log->Mutex(), INFINITE);
        SetEvent(held);
        WaitForSingleObject(release, INFINITE);
        ReleaseMutex(log->Mutex());
    });
    WaitForSingleObject(held, INFINITE);
    {
        testsupport::TTraceRecorder trace;
        EXPECT_EQ(log->AddMessage(L"lost"), HRESULT_FROM_WIN32(ERROR_TIMEOUT));
        EXPECT_EQ(log->AddException(L"lost too"), HRESULT_FROM_WIN32(ERROR_TIMEOUT));
        BSTR untouched = reinterpret_cast<BSTR>(0xdeadbeef);
        EXPECT_EQ(log->GetReport(&untouched), HRESULT_FROM_WIN32(ERROR_TIMEOUT));
        EXPECT_EQ(untouched, reinterpret_cast<BSTR>(0xdeadbeef));
        EXPECT_EQ(trace.Count({L"Log: ", L"dropped"}), 2);
    }
    EXPECT_EQ(log->DroppedLines(), 5);
    SetEvent(release);
    holder.join();
    CloseHandle(release);
    CloseHandle(held);
    std::wstring report = ReportOf(log.Get());
    EXPECT_EQ(report.find(L"lost"), std::wstring::npos);
    EXPECT_EQ(log->AddMessage(L"after"), S_OK);
    EXPECT_EQ(CountOf(log.Get()), 2);
}

// The log belongs to the library: holding it does not keep the library loaded.
TEST(Log, LogDoesNotKeepTheLibraryLoaded) {
    LONG before = classlib::ComServer().ObjectCount();
    ComPtr<TLog> log = classlib::Make<TLog>(10);
    EXPECT_EQ(classlib::ComServer().ObjectCount(), before);
    ComPtr<framework::ILog> asLog;
    EXPECT_EQ(log->QueryInterface(__uuidof(framework::ILog), asLog.PutVoid()), S_OK);
    EXPECT_EQ(asLog.Get(), static_cast<framework::ILog *>(log.Get()));
}

// Were there a display, the log window would be shown modally: it is told to close as it is made.
static LRESULT CALLBACK CloseLogWindowsAsTheyAreMade(int Code, WPARAM WParam, LPARAM LParam) {
    wchar_t name[32] = {};
    if (Code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(WParam), name, 32) > 0 &&
        std::wcscmp(name, L"TzidLogWindow") == 0)
        PostMessageW(reinterpret_cast<HWND>(WParam), WM_CLOSE, 0, 0);
    return CallNextHookEx(nullptr, Code, WParam, LParam);
}

// The tests run without a display.
TEST(LogViewer, ShowLogWithoutADisplayFailsAtOnceAndSaysWhy) {
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    std::unique_ptr<HHOOK__, decltype(&UnhookWindowsHookEx)> closer(
        SetWindowsHookExW(WH_CBT, CloseLogWindowsAsTheyAreMade, nullptr, GetCurrentThreadId()),
        &UnhookWindowsHookEx);
    ASSERT_TRUE(closer);
    testsupport::TTraceRecorder trace;
    HRESULT first = log->ShowLog(L"Framework log");
    HRESULT second = log->ShowLog(L"Framework log");
    closer.reset();
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

// A file that exists is replaced only when the user says so; "No" asks for another name.
TEST(LogViewer, SaveAsAsksBeforeReplacingAFile) {
    TTempFolder folder;
    const std::wstring existing = folder.File(L"existing.txt");
    ComPtr<TLog> log = classlib::Make<TLog>(100);
    ASSERT_EQ(log->SaveToFile(existing.c_str()), S_OK);
    const std::wstring earlier = ReadUtf8File(existing);
    log->AddMessage(L"newer");

    int dialogs = 0;
    framework::TSaveDialogHookScope dialog(
        [&](HWND, const std::wstring &, const std::wstring &, std::wstring &name) {
            ++dialogs;
            name = existing;
            return true;
        });
    std::vector<std::wstring> questions;
    std::vector<int> answers{IDNO, IDCANCEL, IDNO, IDYES};
    classlib::TMessageBoxHookScope boxes(
        [&](HWND owner, const std::wstring &text, const std::wstring &, UINT) {
            EXPECT_EQ(owner, reinterpret_cast<HWND>(0x1234));
            questions.push_back(text);
            const int answer = answers.front();
            answers.erase(answers.begin());
            return answer;
        });
    auto save = [&](const std::wstring &fileName) { EXPECT_EQ(log->SaveToFile(fileName.c_str()), S_OK); };

    EXPECT_FALSE(framework::SaveLogAs(reinterpret_cast<HWND>(0x1234), save))
        << "No, then Cancel saves nothing";
    EXPECT_EQ(ReadUtf8File(existing), earlier);
    EXPECT_TRUE(framework::SaveLogAs(reinterpret_cast<HWND>(0x1234), save));
    EXPECT_EQ(dialogs, 4);
    ASSERT_EQ(questions.size(), 4u);
    EXPECT_NE(questions[0].find(existing), std::wstring::npos);
    EXPECT_NE(ReadUtf8File(existing).find(L"newer"), std::wstring::npos);
}
