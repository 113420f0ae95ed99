// The framework's diagnostic log as its writers see it: an in-process interface (no type library,
// no proxy). Text parameters may be null (the empty text); an [out] text is a BSTR the caller frees.
// Every method answers S_OK, or a failure without having changed anything; a write that could not
// get the log's lock in time answers HRESULT_FROM_WIN32(ERROR_TIMEOUT) and its line is dropped.
#pragma once
#include <windows.h>

#include <unknwn.h>

namespace framework {

struct ILog : public IUnknown {
    // Keeps Text among the exceptions and writes it framed by four lines, even when disabled.
    virtual HRESULT STDMETHODCALLTYPE AddException(LPCWSTR Text) = 0;
    // Keeps Text among the system information unless it is there already.
    virtual HRESULT STDMETHODCALLTYPE AddSystemInfo(LPCWSTR Text) = 0;
    virtual HRESULT STDMETHODCALLTYPE AddMessage(LPCWSTR Text) = 0;
    // Writes Text marked as an error.
    virtual HRESULT STDMETHODCALLTYPE AddError(LPCWSTR Text) = 0;
    // The tag travels with each line to the trace, not to the report.
    virtual HRESULT STDMETHODCALLTYPE SetTag(LPCWSTR Text) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetTag(BSTR *Text) = 0;
    virtual HRESULT STDMETHODCALLTYPE Indent() = 0;
    virtual HRESULT STDMETHODCALLTYPE Unindent() = 0;
    // The most lines kept; older lines go at once.
    virtual HRESULT STDMETHODCALLTYPE SetMaxLines(LONG Count) = 0;
    // The exceptions, the system information and the lines (newest first), each under a title.
    virtual HRESULT STDMETHODCALLTYPE GetReport(BSTR *Text) = 0;
    // The report in a modal window that can save it.
    virtual HRESULT STDMETHODCALLTYPE ShowLog(LPCWSTR Caption) = 0;
    virtual HRESULT STDMETHODCALLTYPE Count(LONG *Lines) = 0;
    // Writes a "Save time" line, then the report to the file, replacing it.
    virtual HRESULT STDMETHODCALLTYPE SaveToFile(LPCWSTR FileName) = 0;
    // While set, every line written saves the report to the log's file.
    virtual HRESULT STDMETHODCALLTYPE SetAutoSave(BOOL Value) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetAutoSave(BOOL *Value) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetFileName(LPCWSTR FileName) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFileName(BSTR *FileName) = 0;
    // Writes a last line; afterwards only exceptions are written.
    virtual HRESULT STDMETHODCALLTYPE Disable() = 0;
};

} // namespace framework

__CRT_UUID_DECL(framework::ILog, 0x5b0c7e21, 0x4d8a, 0x4f16, 0x9c, 0x3e, 0x71, 0xa2, 0x0d, 0x58, 0xe6, 0x94)
