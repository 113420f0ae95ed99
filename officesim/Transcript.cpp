#include "officesim/Transcript.h"

#include <oleauto.h>

#include <cwchar>

#include "classlib/ComPtr.h"
#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "classlib/OleString.h"

namespace officesim {

void Transcript::WriteRaw(const std::wstring &text) noexcept {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out == nullptr || out == INVALID_HANDLE_VALUE)
        return;
    std::wstring line = text + L"\r\n";
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0,
                                   nullptr, nullptr);
    if (size <= 0)
        return;
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(), size, nullptr,
                        nullptr);
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

void Transcript::Heading(const std::wstring &title) {
    WriteRaw(L"== " + title);
}

void Transcript::Line(const std::wstring &text) {
    WriteRaw(std::wstring(static_cast<size_t>(depth_) * 2, L' ') + text);
}

void Transcript::Failure(const std::wstring &text) {
    ++failures_;
    Line(L"FAILED: " + text);
}

void Transcript::ScriptError(const std::wstring &text) {
    ++scriptErrors_;
    Line(L"SCRIPT ERROR: " + text);
}

void Transcript::Heard(const std::wstring &event, int connections, const std::wstring &source) {
    Line(classlib::Format(L"%s heard by %d event connection(s) on %s", {event, connections, source}));
}

void Transcript::Block(const std::wstring &text, const std::wstring &prefix) {
    size_t start = 0, length = text.size();
    while (length > 0 && (text[length - 1] == L'\n' || text[length - 1] == L'\r'))
        --length; // no empty line for the last line break
    while (start <= length) {
        size_t end = text.find(L'\n', start);
        if (end > length)
            end = length;
        std::wstring line = text.substr(start, end - start);
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        Line(prefix + line);
        if (end == length)
            break;
        start = end + 1;
    }
}

Stopwatch::Stopwatch() noexcept {
    QueryPerformanceCounter(&start_);
}

double Stopwatch::Milliseconds() const noexcept {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart - start_.QuadPart) * 1000.0 /
           static_cast<double>(frequency.QuadPart);
}

namespace {

// The names a COM developer knows the usual failures by.
const wchar_t *HResultName(HRESULT hr) {
    switch (hr) {
    case E_NOTIMPL:
        return L"E_NOTIMPL";
    case E_NOINTERFACE:
        return L"E_NOINTERFACE";
    case E_POINTER:
        return L"E_POINTER";
    case E_ABORT:
        return L"E_ABORT";
    case E_FAIL:
        return L"E_FAIL";
    case E_UNEXPECTED:
        return L"E_UNEXPECTED";
    case E_ACCESSDENIED:
        return L"E_ACCESSDENIED";
    case E_OUTOFMEMORY:
        return L"E_OUTOFMEMORY";
    case E_INVALIDARG:
        return L"E_INVALIDARG";
    case DISP_E_UNKNOWNINTERFACE:
        return L"DISP_E_UNKNOWNINTERFACE";
    case DISP_E_MEMBERNOTFOUND:
        return L"DISP_E_MEMBERNOTFOUND";
    case DISP_E_PARAMNOTFOUND:
        return L"DISP_E_PARAMNOTFOUND";
    case DISP_E_TYPEMISMATCH:
        return L"DISP_E_TYPEMISMATCH";
    case DISP_E_UNKNOWNNAME:
        return L"DISP_E_UNKNOWNNAME";
    case DISP_E_NONAMEDARGS:
        return L"DISP_E_NONAMEDARGS";
    case DISP_E_BADVARTYPE:
        return L"DISP_E_BADVARTYPE";
    case DISP_E_EXCEPTION:
        return L"DISP_E_EXCEPTION";
    case DISP_E_BADPARAMCOUNT:
        return L"DISP_E_BADPARAMCOUNT";
    case REGDB_E_CLASSNOTREG:
        return L"REGDB_E_CLASSNOTREG";
    case CO_E_CLASSSTRING:
        return L"CO_E_CLASSSTRING";
    case CLASS_E_NOAGGREGATION:
        return L"CLASS_E_NOAGGREGATION";
    case RPC_E_DISCONNECTED:
        return L"RPC_E_DISCONNECTED";
    case TYPE_E_ELEMENTNOTFOUND:
        return L"TYPE_E_ELEMENTNOTFOUND";
    default:
        return nullptr;
    }
}

} // namespace

std::wstring HResultText(HRESULT hr) {
    if (hr == S_OK)
        return L"S_OK";
    if (hr == S_FALSE)
        return L"S_FALSE";
    std::wstring code = classlib::Format(L"0x%.8X", {static_cast<unsigned>(hr)});
    std::wstring message = classlib::Trim(classlib::SysErrorMessage(hr));
    while (!message.empty() && message.back() == L'.')
        message.pop_back();
    // A system without a text for the code answers its number in some form: no news.
    bool noText = message.empty() || classlib::UpperCase(message).find(code.substr(2)) != std::wstring::npos;
    const wchar_t *name = HResultName(hr);
    if (name == nullptr)
        return noText ? code : code + L" (" + message + L")";
    return code + L" (" + name + (noText ? L"" : L": " + message) + L")";
}

std::wstring CallErrorText(HRESULT hr, IUnknown *callee, REFIID iid) {
    std::wstring text = HResultText(hr);
    auto object = classlib::ComPtr<IUnknown>::Copy(callee);
    auto support = object.TryAs<ISupportErrorInfo>();
    if (!support || support->InterfaceSupportsErrorInfo(iid) != S_OK)
        return text;
    classlib::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, info.Put()) != S_OK || !info)
        return text;
    classlib::TBStr description;
    if (SUCCEEDED(info->GetDescription(description.Put())) && !description.IsEmpty())
        text += L": " + description.ToString();
    return text;
}

std::wstring MsText(double milliseconds) {
    wchar_t buffer[32];
    swprintf(buffer, 32, L"%.1f ms", milliseconds);
    return buffer;
}

std::wstring Quoted(const std::wstring &text) {
    std::wstring result = L"\"";
    for (wchar_t c : text) {
        switch (c) {
        case L'\r':
            result += L"\\r";
            break;
        case L'\n':
            result += L"\\n";
            break;
        case L'\t':
            result += L"\\t";
            break;
        default:
            result += c;
        }
    }
    return result + L"\"";
}

} // namespace officesim
