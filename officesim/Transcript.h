// The readable record of one officesim run: what the host did, what the add-ins answered, what
// failed. Lines go to standard output as they happen, so a crash loses nothing already said.
#pragma once
#include <windows.h>

#include <string>

namespace officesim {

class Transcript {
public:
    // "== title": the start of a phase (start-up, a script step, shutdown ...).
    void Heading(const std::wstring &title);
    // One line, indented two spaces per open Indent.
    void Line(const std::wstring &text);
    // "FAILED: text": an add-in failed a call or broke a rule; the run ends non-zero.
    void Failure(const std::wstring &text);
    // "SCRIPT ERROR: text": the script asked for something the simulated host cannot do.
    void ScriptError(const std::wstring &text);
    // "ItemSend heard by 3 event connection(s) on the Application": how many of the add-ins' event
    // connections a host event reached.
    void Heard(const std::wstring &event, int connections, const std::wstring &source);
    // Several lines of text (a document), each after prefix.
    void Block(const std::wstring &text, const std::wstring &prefix = L"| ");

    int Failures() const noexcept { return failures_; }
    bool HadScriptError() const noexcept { return scriptErrors_ > 0; }

    // Lines written while it lives are indented one step further.
    class Indent {
    public:
        explicit Indent(Transcript &transcript) noexcept : transcript_(transcript) { ++transcript_.depth_; }
        ~Indent() { --transcript_.depth_; }
        Indent(const Indent &) = delete;
        Indent &operator=(const Indent &) = delete;

    private:
        Transcript &transcript_;
    };

    // Writes one raw line, without indentation; safe to call from the crash handler.
    static void WriteRaw(const std::wstring &text) noexcept;

private:
    int depth_ = 0;
    int failures_ = 0;
    int scriptErrors_ = 0;
};

// Measures one phase with the performance counter.
class Stopwatch {
public:
    Stopwatch() noexcept;
    double Milliseconds() const noexcept;

private:
    LARGE_INTEGER start_;
};

// "S_OK", "S_FALSE", or "0x80004005 (Unspecified error)".
std::wstring HResultText(HRESULT hr);
// A failed call's code with the callee's error description, when it gave one through IErrorInfo
// for the interface called: "0x80004005 (Unspecified error): the add-in's message".
std::wstring CallErrorText(HRESULT hr, IUnknown *callee, REFIID iid);
// "12.3 ms".
std::wstring MsText(double milliseconds);
// The text in double quotes, control characters shown as \r, \n, \t.
std::wstring Quoted(const std::wstring &text);

} // namespace officesim
