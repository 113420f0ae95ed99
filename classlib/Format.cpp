#include "classlib/Format.h"

#include "classlib/Exceptions.h"

#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <vector>

namespace classlib {
namespace {

[[noreturn]] void FormatError(const std::wstring &format) {
    throw EConvertError(L"Format '" + format + L"' invalid or incompatible with argument");
}

std::wstring Pad(std::wstring text, int width, bool leftAlign) {
    if (width > 0 && static_cast<int>(text.size()) < width) {
        std::wstring fill(width - text.size(), L' ');
        text = leftAlign ? text + fill : fill + text;
    }
    return text;
}

std::wstring Integer(const FormatArg::Value &value, wchar_t kind, int precision, const std::wstring &format) {
    wchar_t buffer[64];
    if (kind == L'd') {
        long long v;
        if (auto *i = std::get_if<int64_t>(&value))
            v = *i;
        else if (auto *u = std::get_if<uint64_t>(&value))
            v = static_cast<long long>(*u);
        else
            FormatError(format);
        swprintf(buffer, 64, L"%lld", v);
    } else {
        unsigned long long v;
        // a negative 32-bit value (an HRESULT, a handle) shows as its 32-bit pattern, as the system shows it
        if (auto *i = std::get_if<int64_t>(&value))
            v = (*i < 0 && *i >= INT32_MIN) ? static_cast<uint32_t>(*i) : static_cast<unsigned long long>(*i);
        else if (auto *u = std::get_if<uint64_t>(&value))
            v = *u;
        else
            FormatError(format);
        swprintf(buffer, 64, kind == L'u' ? L"%llu" : (kind == L'x' ? L"%llx" : L"%llX"), v);
    }
    std::wstring text = buffer;
    bool negative = !text.empty() && text[0] == L'-';
    std::wstring digits = negative ? text.substr(1) : text;
    if (precision > static_cast<int>(digits.size()))
        digits = std::wstring(precision - digits.size(), L'0') + digits;
    return negative ? L"-" + digits : digits;
}

} // namespace

std::wstring Format(const std::wstring &format, std::initializer_list<FormatArg> args) {
    std::vector<const FormatArg *> list;
    for (const auto &a : args)
        list.push_back(&a);
    std::wstring out;
    size_t next = 0;
    for (size_t i = 0; i < format.size(); ++i) {
        wchar_t c = format[i];
        if (c != L'%') {
            out += c;
            continue;
        }
        if (++i >= format.size())
            FormatError(format);
        if (format[i] == L'%') {
            out += L'%';
            continue;
        }
        // [index ":"] ["-"] [width] ["." prec] type
        auto readNumber = [&](int &n) {
            bool any = false;
            n = 0;
            while (i < format.size() && iswdigit(format[i])) {
                n = n * 10 + (format[i++] - L'0');
                any = true;
            }
            return any;
        };
        int number = 0, width = 0, precision = -1;
        size_t save = i;
        if (readNumber(number) && i < format.size() && format[i] == L':') {
            next = number;
            ++i;
        } else {
            i = save;
        }
        bool left = false;
        if (i < format.size() && format[i] == L'-') {
            left = true;
            ++i;
        }
        readNumber(width);
        if (i < format.size() && format[i] == L'.') {
            ++i;
            readNumber(precision);
        }
        if (i >= format.size())
            FormatError(format);
        wchar_t kind = static_cast<wchar_t>(towlower(format[i]));
        if (kind == L'x')
            kind = format[i]; // keep the case of hex digits
        if (next >= list.size())
            FormatError(format);
        const FormatArg::Value &value = list[next++]->Get();
        std::wstring piece;
        switch (kind) {
        case L's':
            if (auto *s = std::get_if<std::wstring>(&value))
                piece = precision >= 0 ? s->substr(0, precision) : *s;
            else
                FormatError(format);
            break;
        case L'd':
        case L'u':
        case L'x':
        case L'X':
            piece = Integer(value, kind, precision, format);
            break;
        case L'f':
        case L'g':
        case L'e': {
            double v;
            if (auto *d = std::get_if<double>(&value))
                v = *d;
            else
                FormatError(format);
            wchar_t spec[16], buffer[512];
            swprintf(spec, 16, L"%%.%d%c", precision < 0 ? (kind == L'f' ? 2 : 15) : precision, kind);
            swprintf(buffer, 512, spec, v);
            piece = buffer;
            break;
        }
        default:
            FormatError(format);
        }
        out += Pad(piece, width, left);
    }
    return out;
}

std::wstring Utf8ToWide(const std::string &text) {
    if (text.empty())
        return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string WideToUtf8(const std::wstring &text) {
    if (text.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring UpperCase(const std::wstring &text) {
    std::wstring out = text;
    if (!out.empty())
        CharUpperBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

std::wstring LowerCase(const std::wstring &text) {
    std::wstring out = text;
    if (!out.empty())
        CharLowerBuffW(out.data(), static_cast<DWORD>(out.size()));
    return out;
}

int CompareText(const std::wstring &a, const std::wstring &b) {
    int r = CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                           static_cast<int>(b.size()));
    return r - CSTR_EQUAL;
}

bool SameText(const std::wstring &a, const std::wstring &b) {
    return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

std::wstring IntToStr(int64_t value) { return std::to_wstring(value); }

std::wstring Trim(const std::wstring &text) {
    size_t b = 0, e = text.size();
    while (b < e && text[b] <= L' ')
        ++b;
    while (e > b && text[e - 1] <= L' ')
        --e;
    return text.substr(b, e - b);
}

} // namespace classlib
