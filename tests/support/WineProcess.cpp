#include "WineProcess.h"

#include "classlib/Format.h"

namespace testsupport {

std::wstring DosPath(const char *unixPath) {
    std::wstring path = L"Z:" + classlib::Utf8ToWide(unixPath);
    for (wchar_t &c : path)
        if (c == L'/')
            c = L'\\';
    return path;
}

namespace {
std::wstring NewTempFileName() {
    wchar_t folder[MAX_PATH], file[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    GetTempFileNameW(folder, L"tsy", 0, file);
    return file;
}
} // namespace

TRunResult RunProgram(std::wstring commandLine, DWORD timeoutMs) {
    TRunResult result;
    std::wstring file = NewTempFileName();
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE out = CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             &inherit, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = out;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                       &si, &pi)) {
        if (WaitForSingleObject(pi.hProcess, timeoutMs) != WAIT_OBJECT_0)
            TerminateProcess(pi.hProcess, 0xdead);
        GetExitCodeProcess(pi.hProcess, &result.ExitCode);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        SetFilePointer(out, 0, nullptr, FILE_BEGIN);
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(out, buffer, sizeof(buffer), &read, nullptr) && read > 0)
            result.Output.append(buffer, read);
    }
    CloseHandle(out);
    DeleteFileW(file.c_str());
    return result;
}

TTempFile::TTempFile(const std::string &text) : path_(NewTempFileName()) {
    HANDLE handle = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(handle);
}

TTempFile::~TTempFile() { DeleteFileW(path_.c_str()); }

} // namespace testsupport
