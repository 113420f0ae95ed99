#include "classlib/IniFile.h"

#include "classlib/Classes.h"
#include "classlib/Format.h"

#include <windows.h>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TIniFile, TObject)

namespace {

// Whole-string integer conversion; false for anything that is not exactly one 32-bit number.
bool ParseInteger(const std::wstring &text, int &value) {
    std::wstring s = Trim(text);
    bool negative = !s.empty() && s[0] == L'-';
    size_t pos = negative ? 1 : 0;
    int base = 10;
    if (s.compare(pos, 1, L"$") == 0)
        base = 16, pos += 1;
    else if (s.size() > pos + 1 && s[pos] == L'0' && (s[pos + 1] == L'x' || s[pos + 1] == L'X'))
        base = 16, pos += 2;
    if (pos >= s.size())
        return false;
    long long result = 0;
    for (; pos < s.size(); ++pos) {
        wchar_t c = s[pos];
        int digit = c >= L'0' && c <= L'9'   ? c - L'0'
                    : c >= L'a' && c <= L'f' ? c - L'a' + 10
                    : c >= L'A' && c <= L'F' ? c - L'A' + 10
                                             : 99;
        if (digit >= base)
            return false;
        result = result * base + digit;
        if (result > 0xFFFFFFFFLL)
            return false;
    }
    // Hexadecimal may spell the full 32-bit pattern ($FFFFFFFF is -1); decimal must fit an int.
    if (base == 10 && result > (negative ? 0x80000000LL : 0x7FFFFFFFLL))
        return false;
    value = static_cast<int>(static_cast<unsigned>(negative ? -result : result));
    return true;
}

} // namespace

std::wstring TIniFile::ReadString(const std::wstring &section, const std::wstring &key,
                                  const std::wstring &defaultValue) const {
    std::wstring buffer(256, L'\0');
    for (;;) {
        DWORD n = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultValue.c_str(), buffer.data(),
                                           static_cast<DWORD>(buffer.size()), fileName_.c_str());
        // n == size - 1 means the value may have been cut short
        if (n + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
            buffer.resize(n);
            return buffer;
        }
        buffer.resize(buffer.size() * 4);
    }
}

void TIniFile::WriteString(const std::wstring &section, const std::wstring &key, const std::wstring &value) {
    if (!WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), fileName_.c_str()))
        throw EIniFileException(Format(L"Unable to write to %s", {fileName_}));
}

int TIniFile::ReadInteger(const std::wstring &section, const std::wstring &key, int defaultValue) const {
    int value = 0;
    return ParseInteger(ReadString(section, key, L""), value) ? value : defaultValue;
}

void TIniFile::WriteInteger(const std::wstring &section, const std::wstring &key, int value) {
    WriteString(section, key, IntToStr(value));
}

bool TIniFile::ReadBool(const std::wstring &section, const std::wstring &key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const std::wstring &section, const std::wstring &key, bool value) {
    WriteString(section, key, value ? L"1" : L"0");
}

} // namespace classlib
