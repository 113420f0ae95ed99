#include "framework/support/Log.h"

#include "classlib/ComGuard.h"
#include "classlib/ComServer.h"
#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "classlib/Trace.h"
#include "framework/support/LogViewer.h"
#include "framework/support/TextFile.h"

#include <type_traits>
#include <utility>

namespace framework {

namespace {

constexpr const wchar_t *Channel = L"Log";
constexpr const wchar_t *IndentUnit = L"--";

std::wstring Text(LPCWSTR text) {
    return text != nullptr ? text : L"";
}

// Now, as the user's locale writes a short date and a long time.
std::wstring NowText() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t date[128] = {}, time[128] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, 128);
    GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &now, nullptr, time, 128);
    return std::wstring(date) + L" " + time;
}

HRESULT PutText(BSTR *out, const std::wstring &text) {
    if (out == nullptr)
        return E_POINTER;
    *out = classlib::AllocBStr(text);
    return S_OK;
}

} // namespace

TLibraryObjectRoot::TLibraryObjectRoot() noexcept {
    classlib::ComServer().CountObject(false);
}

TLibraryObjectRoot::~TLibraryObjectRoot() {
    classlib::ComServer().CountObject(true);
}

// Owns the mutex for a scope when the wait succeeds. A writer that ended while holding it leaves it
// abandoned: the state it guards was only ever changed whole, so the next caller goes on.
class TLog::TLock {
public:
    TLock(HANDLE mutex, DWORD timeout) noexcept : mutex_(mutex) {
        DWORD result = WaitForSingleObject(mutex, timeout);
        owned_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
        if (result == WAIT_ABANDONED)
            classlib::Trace(Channel, L"the lock was left by a thread that ended while writing");
    }
    ~TLock() {
        if (owned_)
            ReleaseMutex(mutex_);
    }
    TLock(const TLock &) = delete;
    TLock &operator=(const TLock &) = delete;

    bool Owned() const noexcept { return owned_; }

private:
    HANDLE mutex_;
    bool owned_ = false;
};

TLog::TLog(LONG MaxLines) : mutex_(CreateMutexW(nullptr, FALSE, nullptr)), maxLines_(MaxLines) {
    if (!mutex_) {
        HRESULT hr = HRESULT_FROM_WIN32(GetLastError());
        throw classlib::EOleSysError(L"The log has no lock: " + classlib::SysErrorMessage(hr), hr);
    }
}

template <class Body> HRESULT TLog::UnderLock(const wchar_t *what, Body &&body) {
    TLock lock(mutex_.Get(), lockTimeout_);
    if (!lock.Owned()) {
        classlib::TraceHResult(Channel, what, HRESULT_FROM_WIN32(ERROR_TIMEOUT));
        return HRESULT_FROM_WIN32(ERROR_TIMEOUT);
    }
    if constexpr (std::is_same_v<decltype(body()), HRESULT>) {
        return body();
    } else {
        body();
        return S_OK;
    }
}

template <class Body> HRESULT TLog::Locked(const wchar_t *Entry, const wchar_t *Lost, Body &&body) noexcept {
    return classlib::ComGuard({Channel, Entry}, [&] { return UnderLock(Lost, body); });
}

template <class Body> HRESULT TLog::Locked(const wchar_t *Entry, Body &&body) noexcept {
    return Locked(Entry, Entry, std::forward<Body>(body));
}

void TLog::WriteLine(const std::wstring &Text, bool MaySave) {
    try {
        std::wstring prefix;
        for (int i = 0; i < indentLevel_; ++i)
            prefix += IndentUnit;
        std::wstring thread = std::to_wstring(GetCurrentThreadId());
        if (maxLines_ > 0)
            lines_.push_front(NowText() + L"\t" + thread + L"\t" + prefix + Text);
        if (classlib::TraceListening())
            classlib::Trace(Channel, thread + L"\t" + tag_ + L"\t" + prefix + Text);
        // A disabled log still takes exceptions: it keeps to its limit like any other.
        Trim();
        if (MaySave && autoSave_)
            SaveReport(fileName_, false);
    } catch (...) {
        classlib::TraceException(Channel, L"InternalAddMessage");
    }
}

template <class Line> HRESULT TLog::Write(const wchar_t *Entry, Line &&line) noexcept {
    HRESULT hr = Locked(Entry, L"a line was dropped", [&] { WriteLine(line(), true); });
    if (hr == HRESULT_FROM_WIN32(ERROR_TIMEOUT))
        ++dropped_;
    return hr;
}

void TLog::Trim() {
    while (static_cast<LONG>(lines_.size()) > maxLines_ && !lines_.empty())
        lines_.pop_back();
}

std::wstring TLog::Report() const {
    std::wstring log;
    for (const std::wstring &line : lines_)
        log += line + L"\r\n";
    auto block = [](const wchar_t *title, const std::wstring &text) {
        return std::wstring(L"\r\n") + title + L"\r\n============\r\n" + text;
    };
    return block(L"Exceptions:", exceptions_.Text()) + block(L"System Info:", systemInfo_.Text()) +
           block(L"Log:", log);
}

// The automatic save's own "Save time" line saves nothing more: it would save again for every save.
void TLog::SaveReport(const std::wstring &FileName, bool LineMaySave) {
    WriteLine(L"Save time: " + NowText(), LineMaySave);
    SaveTextFile(FileName, Report());
}

HRESULT TLog::AddException(LPCWSTR Text) {
    HRESULT hr = Locked(L"AddException", L"an exception was dropped", [&] {
        exceptions_.Add(framework::Text(Text));
        if (exceptions_.Count() > MaxExceptions)
            exceptions_.Delete(0); // the oldest
        WriteLine(L"|=========================", true);
        WriteLine(L"|Exception time: " + NowText(), true);
        WriteLine(L"|" + framework::Text(Text), true);
        WriteLine(L"|-------------------------", true);
    });
    if (hr == HRESULT_FROM_WIN32(ERROR_TIMEOUT))
        dropped_ += 4; // its four lines
    return hr;
}

HRESULT TLog::AddSystemInfo(LPCWSTR Text) {
    return Locked(L"AddSystemInfo", [&] {
        std::wstring text = framework::Text(Text);
        if (systemInfo_.IndexOf(text) < 0)
            systemInfo_.Add(text);
    });
}

HRESULT TLog::AddMessage(LPCWSTR Text) {
    if (disabled_)
        return S_OK;
    return Write(L"AddMessage", [&] { return framework::Text(Text); });
}

HRESULT TLog::AddError(LPCWSTR Text) {
    if (disabled_)
        return S_OK;
    return Write(L"AddError", [&] { return L"*!* " + framework::Text(Text); });
}

HRESULT TLog::SetTag(LPCWSTR Text) {
    return Locked(L"SetTag", [&] { tag_ = framework::Text(Text); });
}

HRESULT TLog::GetTag(BSTR *Text) {
    return Locked(L"GetTag", [&] { return PutText(Text, tag_); });
}

HRESULT TLog::Indent() {
    return Locked(L"Indent", [&] { ++indentLevel_; });
}

HRESULT TLog::Unindent() {
    return Locked(L"Unindent", [&] { indentLevel_ = indentLevel_ > 0 ? indentLevel_ - 1 : 0; });
}

HRESULT TLog::SetMaxLines(LONG Count) {
    return Locked(L"SetMaxLines", [&] {
        maxLines_ = Count;
        Trim();
    });
}

HRESULT TLog::GetReport(BSTR *Text) {
    return Locked(L"GetReport", [&] { return PutText(Text, Report()); });
}

// The window is modal: the lock is let go before it shows, so that other writers go on meanwhile.
// A system without a display has no window: that failure is the entry's, traced under its name.
HRESULT TLog::ShowLog(LPCWSTR Caption) {
    return classlib::ComGuard({Channel, L"ShowLog"}, [&] {
        std::wstring report;
        HRESULT hr = UnderLock(L"ShowLog", [&] {
            WriteLine(L"Show time: " + NowText(), true);
            report = Report();
        });
        if (FAILED(hr))
            return hr;
        ShowLogWindow(framework::Text(Caption), report, [this](const std::wstring &fileName) {
            classlib::OleCheck(SaveToFile(fileName.c_str()));
        });
        return S_OK;
    });
}

HRESULT TLog::Count(LONG *Lines) {
    return Locked(L"Count", [&] {
        if (Lines == nullptr)
            return E_POINTER;
        *Lines = static_cast<LONG>(lines_.size());
        return S_OK;
    });
}

HRESULT TLog::SaveToFile(LPCWSTR FileName) {
    return Locked(L"SaveToFile", [&] { SaveReport(framework::Text(FileName), true); });
}

HRESULT TLog::SetAutoSave(BOOL Value) {
    return Locked(L"SetAutoSave", [&] { autoSave_ = Value != FALSE; });
}

HRESULT TLog::GetAutoSave(BOOL *Value) {
    return Locked(L"GetAutoSave", [&] {
        if (Value == nullptr)
            return E_POINTER;
        *Value = autoSave_ ? TRUE : FALSE;
        return S_OK;
    });
}

HRESULT TLog::SetFileName(LPCWSTR FileName) {
    return Locked(L"SetFileName", [&] { fileName_ = framework::Text(FileName); });
}

HRESULT TLog::GetFileName(BSTR *FileName) {
    return Locked(L"GetFileName", [&] { return PutText(FileName, fileName_); });
}

HRESULT TLog::Disable() {
    HRESULT hr = Write(L"Disable", [] { return L"Disable Log " + NowText(); });
    disabled_ = true;
    return hr;
}

} // namespace framework
