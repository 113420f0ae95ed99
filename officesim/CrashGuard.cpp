#include "officesim/CrashGuard.h"

#include <windows.h>

#include "classlib/Format.h"
#include "officesim/Transcript.h"

namespace officesim {

namespace {

std::wstring currentActivity = L"officesim itself";
std::wstring seriousException;

const wchar_t *SeriousName(DWORD code) noexcept {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return L"access violation";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
        return L"illegal instruction";
    case EXCEPTION_PRIV_INSTRUCTION:
        return L"privileged instruction";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return L"integer division by zero";
    case EXCEPTION_STACK_OVERFLOW:
        return L"stack overflow";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        return L"array bounds exceeded";
    case EXCEPTION_DATATYPE_MISALIGNMENT:
        return L"datatype misalignment";
    case EXCEPTION_IN_PAGE_ERROR:
        return L"in-page error";
    default:
        return nullptr;
    }
}

// "access violation at 0x1000ABCD in addin.dll".
std::wstring Describe(const EXCEPTION_RECORD &record, const wchar_t *name) {
    std::wstring text =
        name ? std::wstring(name)
             : classlib::Format(L"exception 0x%.8X", {static_cast<unsigned>(record.ExceptionCode)});
    text += classlib::Format(L" at 0x%.8X",
                             {static_cast<unsigned>(reinterpret_cast<UINT_PTR>(record.ExceptionAddress))});
    HMODULE module = nullptr;
    wchar_t path[MAX_PATH] = L"";
    if (GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                               GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           static_cast<LPCWSTR>(record.ExceptionAddress), &module) &&
        GetModuleFileNameW(module, path, MAX_PATH)) {
        std::wstring file = path;
        text += L" in " + file.substr(file.find_last_of(L"\\/") + 1);
    }
    return text;
}

// First look at every exception: remember serious ones; whoever handles them decides.
LONG CALLBACK NoteSerious(EXCEPTION_POINTERS *info) {
    DWORD code = info->ExceptionRecord->ExceptionCode;
    const wchar_t *name = SeriousName(code);
    if (code == EXCEPTION_STACK_OVERFLOW)
        seriousException = name; // little stack is left for describing it
    else if (name != nullptr)
        seriousException = Describe(*info->ExceptionRecord, name);
    return EXCEPTION_CONTINUE_SEARCH;
}

// Nothing handled it: report and end the process before any debugger is started.
LONG WINAPI ReportCrash(EXCEPTION_POINTERS *info) {
    const EXCEPTION_RECORD &record = *info->ExceptionRecord;
    Transcript::WriteRaw(L"CRASH: " + Describe(record, SeriousName(record.ExceptionCode)) + L" during " +
                         currentActivity);
    Transcript::WriteRaw(classlib::Format(L"officesim ends with exit code %d", {kExitCrash}));
    TerminateProcess(GetCurrentProcess(), kExitCrash);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void InstallCrashGuard() {
    AddVectoredExceptionHandler(1, NoteSerious);
    SetUnhandledExceptionFilter(ReportCrash);
    // No system dialog for a failing DLL load or a crash: the transcript reports them.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
}

Activity::Activity(std::wstring what) : outer_(std::move(currentActivity)) {
    currentActivity = std::move(what);
    seriousException.clear();
}

Activity::~Activity() {
    currentActivity = std::move(outer_);
}

std::wstring SeriousExceptionNote() {
    return seriousException;
}

} // namespace officesim
