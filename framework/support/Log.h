// TLog: the framework's diagnostic log behind ILog. Lines are kept newest first, at most MaxLines of
// them; each carries the time, the writer's thread and the indentation. One mutex serialises every
// access to the log's state, from any thread; a caller that cannot get it within the lock timeout
// (10 s) gives up rather than touch the state unlocked: a line is dropped and counted. The exception
// texts of the report's first block are kept apart from the lines, the newest MaxExceptions of them.
#pragma once
#include "classlib/ComImplements.h"
#include "classlib/StringList.h"
#include "framework/support/KernelHandles.h"
#include "framework/support/LogInterface.h"

#include <atomic>
#include <deque>
#include <string>

namespace framework {

// An object of the library's own: the host never holds it, so it must not keep the library loaded
// (the support unit frees it when the library is unloaded).
class TLibraryObjectRoot : public classlib::TComObjectRoot {
protected:
    TLibraryObjectRoot() noexcept;
    ~TLibraryObjectRoot() override;
};

class TLog final : public classlib::TImplementsOn<TLibraryObjectRoot, ILog> {
public:
    static constexpr DWORD DefaultLockTimeout = 10000;
    // An add-in that fails at every event must not grow the log without end.
    static constexpr int MaxExceptions = 1000;

    // Raises EOleSysError when the system gives no mutex.
    explicit TLog(LONG MaxLines);

    HRESULT STDMETHODCALLTYPE AddException(LPCWSTR Text) override;
    HRESULT STDMETHODCALLTYPE AddSystemInfo(LPCWSTR Text) override;
    HRESULT STDMETHODCALLTYPE AddMessage(LPCWSTR Text) override;
    HRESULT STDMETHODCALLTYPE AddError(LPCWSTR Text) override;
    HRESULT STDMETHODCALLTYPE SetTag(LPCWSTR Text) override;
    HRESULT STDMETHODCALLTYPE GetTag(BSTR *Text) override;
    HRESULT STDMETHODCALLTYPE Indent() override;
    HRESULT STDMETHODCALLTYPE Unindent() override;
    HRESULT STDMETHODCALLTYPE SetMaxLines(LONG Count) override;
    HRESULT STDMETHODCALLTYPE GetReport(BSTR *Text) override;
    HRESULT STDMETHODCALLTYPE ShowLog(LPCWSTR Caption) override;
    HRESULT STDMETHODCALLTYPE Count(LONG *Lines) override;
    HRESULT STDMETHODCALLTYPE SaveToFile(LPCWSTR FileName) override;
    HRESULT STDMETHODCALLTYPE SetAutoSave(BOOL Value) override;
    HRESULT STDMETHODCALLTYPE GetAutoSave(BOOL *Value) override;
    HRESULT STDMETHODCALLTYPE SetFileName(LPCWSTR FileName) override;
    HRESULT STDMETHODCALLTYPE GetFileName(BSTR *FileName) override;
    HRESULT STDMETHODCALLTYPE Disable() override;

    // Lines given up because the lock was not had in time.
    LONG DroppedLines() const noexcept { return dropped_.load(); }
    // How long a caller waits for the lock (tests shorten it) and the mutex itself (tests hold it).
    void SetLockTimeout(DWORD Milliseconds) noexcept { lockTimeout_ = Milliseconds; }
    HANDLE Mutex() const noexcept { return mutex_.Get(); }

private:
    class TLock;

    // Runs body under the lock; ERROR_TIMEOUT (traced as what) when the lock was not had in time.
    template <class Body> HRESULT UnderLock(const wchar_t *what, Body &&body);
    // The guard of the ILog method Entry around UnderLock: ERROR_TIMEOUT is traced as Lost (as the
    // entry without one), what body raises becomes the HRESULT.
    template <class Body> HRESULT Locked(const wchar_t *Entry, const wchar_t *Lost, Body &&body) noexcept;
    template <class Body> HRESULT Locked(const wchar_t *Entry, Body &&body) noexcept;
    // Writes one line; the caller holds the lock.
    void WriteLine(const std::wstring &Text, bool MaySave);
    // The ILog method Entry that writes the line line() makes under the lock; a line that could not be
    // written is counted as dropped.
    template <class Line> HRESULT Write(const wchar_t *Entry, Line &&line) noexcept;
    void Trim();
    std::wstring Report() const;
    // Writes the "Save time" line (which may itself save, unless this is the automatic save), then
    // the report to the file.
    void SaveReport(const std::wstring &FileName, bool LineMaySave);

    TKernelHandle mutex_;
    std::atomic<DWORD> lockTimeout_{DefaultLockTimeout};
    std::atomic<LONG> dropped_{0};
    std::atomic<bool> disabled_{false};
    // Everything below is read and written under the lock only.
    bool autoSave_ = false;
    std::wstring fileName_ = L"C:\\ZAVEVez.txt";
    LONG maxLines_;
    std::deque<std::wstring> lines_; // newest first
    classlib::TStringList systemInfo_;
    classlib::TStringList exceptions_;
    int indentLevel_ = 0;
    std::wstring tag_;
};

} // namespace framework
