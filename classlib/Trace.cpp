#include "classlib/Trace.h"

#include "classlib/Application.h"
#include "classlib/Exceptions.h"

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <new>
#include <typeinfo>
#include <utility>

namespace classlib {

namespace {

TTraceSink &CurrentSink() {
    static TTraceSink sink;
    return sink;
}

// The module's name starts every line: a debug viewer shows the lines of every process.
const std::wstring &Prefix() {
    static const std::wstring prefix = ApplicationTitle();
    return prefix;
}

void Write(const wchar_t *channel, const std::wstring &message) {
    if (channel == nullptr)
        channel = L"";
    if (const TTraceSink &sink = CurrentSink()) {
        sink(channel, message);
        return;
    }
    std::wstring line = Prefix() + L" [" + channel + L"] " + message + L"\n";
    OutputDebugStringW(line.c_str());
}

// Without memory not even the line can be built: a fixed text says that one went missing.
void WriteLost() noexcept {
    OutputDebugStringW(L"trace: a line was lost (out of memory)\n");
}

// Wine writes debug strings to its log only when WINEDEBUG asks for them; the variable is read once.
bool WineLogsDebugStrings() {
    static const bool logs = [] {
        wchar_t value[512] = {};
        DWORD length = GetEnvironmentVariableW(L"WINEDEBUG", value, 512);
        if (length == 0 || length >= 512)
            return false;
        std::wstring text(value, length);
        for (const wchar_t *channel : {L"+seh", L"+debugstr", L"+all"})
            if (text.find(channel) != std::wstring::npos)
                return true;
        return false;
    }();
    return logs;
}

// A debug viewer owns the shared buffer that OutputDebugString fills; looked for at most once a second.
bool ViewerRuns() {
    static bool checked = false;
    static bool runs = false;
    static DWORD checkedAt = 0;
    DWORD now = GetTickCount();
    if (!checked || now - checkedAt >= 1000) {
        checked = true;
        checkedAt = now;
        HANDLE buffer = OpenFileMappingW(FILE_MAP_READ, FALSE, L"DBWIN_BUFFER");
        runs = buffer != nullptr;
        if (buffer != nullptr)
            CloseHandle(buffer);
    }
    return runs;
}

std::wstring Widen(const char *text) {
    std::wstring result;
    for (const char *p = text; *p; ++p)
        result += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    return result;
}

// "std::runtime_error" rather than "St13runtime_error".
std::wstring TypeName(const std::type_info &type) {
    int status = 0;
    char *name = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::wstring result = Widen(status == 0 && name != nullptr ? name : type.name());
    std::free(name);
    return result;
}

} // namespace

TTraceSink SetTraceSink(TTraceSink sink) {
    return std::exchange(CurrentSink(), std::move(sink));
}

void Trace(const wchar_t *channel, const std::wstring &message) noexcept {
    try {
        Write(channel, message);
    } catch (const std::bad_alloc &) {
        WriteLost();
    }
}

void Trace(const wchar_t *channel, const wchar_t *pattern, std::initializer_list<FormatArg> args) noexcept {
    try {
        std::wstring message;
        try {
            message = Format(pattern, args);
        } catch (const EConvertError &) {
            message = pattern; // the pattern still says where the line comes from
        }
        Write(channel, message);
    } catch (const std::bad_alloc &) {
        WriteLost();
    }
}

std::wstring CurrentExceptionDescription() {
    try {
        throw;
    } catch (const EOleSysError &e) {
        // Framework codes (31101...) read better in decimal, HRESULTs in hex.
        HRESULT code = e.ErrorCode();
        std::wstring text =
            FAILED(code) ? Format(L"0x%.8X", {static_cast<unsigned long>(code)}) : IntToStr(code);
        return std::wstring(e.ClassName()) + L" " + text + L": " + e.Message();
    } catch (const Exception &e) {
        return std::wstring(e.ClassName()) + L": " + e.Message();
    } catch (const std::exception &e) {
        return TypeName(typeid(e)) + L": " + Widen(e.what());
    } catch (...) {
        return L"an exception of unknown type";
    }
}

void TraceException(const wchar_t *channel, const wchar_t *what) noexcept {
    try {
        Write(channel, std::wstring(what != nullptr ? what : L"") + L": " + CurrentExceptionDescription());
    } catch (const std::bad_alloc &) {
        WriteLost();
    }
}

void TraceHResult(const wchar_t *channel, const wchar_t *what, HRESULT hr) noexcept {
    if (SUCCEEDED(hr))
        return;
    try {
        Write(channel, std::wstring(what != nullptr ? what : L"") + L": " +
                           Format(L"0x%.8X ", {static_cast<unsigned long>(hr)}) + SysErrorMessage(hr));
    } catch (const std::bad_alloc &) {
        WriteLost();
    }
}

bool TraceListening() noexcept {
    return CurrentSink() || IsDebuggerPresent() || WineLogsDebugStrings() || ViewerRuns();
}

void TraceEntry(const wchar_t *channel, const wchar_t *what) noexcept {
    if (TraceListening())
        Trace(channel, what != nullptr ? what : L"");
}

} // namespace classlib
