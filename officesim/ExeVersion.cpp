#include "officesim/ExeVersion.h"

#include <windows.h>

#include <vector>

#include "classlib/Exceptions.h"
#include "classlib/Format.h"

namespace officesim {

namespace {

// Set for a program officesim started itself, so that a wrongly built one cannot start another.
constexpr wchar_t kRelaunched[] = L"OFFICESIM_RELAUNCHED";

std::wstring OwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

// The arguments of the running program's command line, as it was given (after the program name).
std::wstring OwnArguments() {
    const wchar_t *line = GetCommandLineW();
    bool quoted = false;
    for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line)
        if (*line == L'"')
            quoted = !quoted;
    return line;
}

} // namespace

std::optional<ExeVersion> OwnVersion() {
    std::wstring path = OwnPath();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), &handle);
    if (size == 0)
        return std::nullopt;
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO *info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void **>(&info), &length) || info == nullptr)
        return std::nullopt;
    ExeVersion version;
    version.major = HIWORD(info->dwFileVersionMS);
    version.text =
        classlib::Format(L"%d.%d.%d.%d", {version.major, LOWORD(info->dwFileVersionMS),
                                          HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)});
    return version;
}

std::wstring OwnFileName() {
    std::wstring path = OwnPath();
    return path.substr(path.find_last_of(L"\\/") + 1);
}

std::wstring ProgramForVersion(int version) {
    std::wstring path = OwnPath();
    path = path.substr(0, path.find_last_of(L"\\/") + 1);
    path += version == 14 ? L"officesim.exe" : classlib::Format(L"officesim%d.exe", {version});
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? std::wstring() : path;
}

int Relaunch(const std::wstring &program) {
    if (GetEnvironmentVariableW(kRelaunched, nullptr, 0) != 0)
        throw classlib::Exception(OwnFileName() +
                                  L" was started for another version than its own: it is built "
                                  L"with the wrong version resource");
    SetEnvironmentVariableW(kRelaunched, L"1");
    std::wstring commandLine = L"\"" + program + L"\"" + OwnArguments();
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    for (auto [which, slot] :
         {std::pair{STD_INPUT_HANDLE, &startup.hStdInput}, std::pair{STD_OUTPUT_HANDLE, &startup.hStdOutput},
          std::pair{STD_ERROR_HANDLE, &startup.hStdError}}) {
        *slot = GetStdHandle(which);
        if (*slot != nullptr && *slot != INVALID_HANDLE_VALUE)
            SetHandleInformation(*slot, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    }
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        throw classlib::Exception(L"cannot start " + program + L": " +
                                  classlib::SysErrorMessage(HRESULT_FROM_WIN32(GetLastError())));
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(exitCode);
}

} // namespace officesim
