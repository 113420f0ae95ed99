#include "LogTestKit.h"

#include <gtest/gtest.h>

#include "classlib/OleString.h"
#include "framework/support/SupportUnits.h"

namespace supporttest {

std::wstring ReportOf(framework::ILog *log) {
    classlib::TBStr report;
    HRESULT hr = log->GetReport(report.Put());
    EXPECT_EQ(hr, S_OK);
    return report.ToString();
}

LONG CountOf(framework::ILog *log) {
    LONG count = -1;
    EXPECT_EQ(log->Count(&count), S_OK);
    return count;
}

std::vector<std::wstring> LogLines(const std::wstring &report) {
    const std::wstring title = L"\r\nLog:\r\n============\r\n";
    size_t at = report.find(title);
    std::vector<std::wstring> lines;
    if (at == std::wstring::npos) {
        ADD_FAILURE() << "no Log: block";
        return lines;
    }
    for (at += title.size(); at < report.size();) {
        size_t end = report.find(L"\r\n", at);
        lines.push_back(report.substr(at, end - at));
        at = end == std::wstring::npos ? end : end + 2;
    }
    return lines;
}

std::wstring TextOf(const std::wstring &line) {
    size_t first = line.find(L'\t');
    size_t second = first == std::wstring::npos ? first : line.find(L'\t', first + 1);
    return second == std::wstring::npos ? L"<malformed: " + line + L">" : line.substr(second + 1);
}

std::wstring ReadUtf8File(const std::wstring &path) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        ADD_FAILURE() << "cannot open the saved file";
        return {};
    }
    std::string bytes(GetFileSize(file, nullptr), '\0');
    DWORD read = 0;
    ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") != 0) {
        ADD_FAILURE() << "no UTF-8 byte-order mark";
        return {};
    }
    std::wstring text(bytes.size(), L'\0');
    int length =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data() + 3,
                            static_cast<int>(bytes.size() - 3), text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void ProcessLogTest::Reset() {
    classlib::ComPtr<framework::ILog> log = framework::GetLog();
    EXPECT_EQ(log->SetMaxLines(0), S_OK); // the lines go at once
    EXPECT_EQ(log->SetMaxLines(5000), S_OK);
}

TTempFolder::TTempFolder() {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    path_ = std::wstring(temp) + L"support-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(GetTickCount());
    EXPECT_TRUE(CreateDirectoryW(path_.c_str(), nullptr));
}

TTempFolder::~TTempFolder() {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            DeleteFileW(File(found.cFileName).c_str());
        while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
}

} // namespace supporttest
