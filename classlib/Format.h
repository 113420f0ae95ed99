// Format: a text with its directives replaced by the arguments, for messages and registry paths.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

namespace classlib {

// One argument of Format; built implicitly from the usual types.
class FormatArg {
public:
    FormatArg(int v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(long v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(long long v) : value_(static_cast<int64_t>(v)) {}
    FormatArg(unsigned v) : value_(static_cast<uint64_t>(v)) {}
    FormatArg(unsigned long v) : value_(static_cast<uint64_t>(v)) {}
    FormatArg(unsigned long long v) : value_(static_cast<uint64_t>(v)) {}
    FormatArg(double v) : value_(v) {}
    FormatArg(const wchar_t *v) : value_(std::wstring(v ? v : L"")) {}
    FormatArg(const std::wstring &v) : value_(v) {}

    using Value = std::variant<int64_t, uint64_t, double, std::wstring>;
    const Value &Get() const { return value_; }

private:
    Value value_;
};

// The format's text with each directive replaced by its argument. A directive is
// "%" [index ":"] ["-"] [width] ["." precision] type, and "%%" is one percent sign:
//  - type: s a text; d a signed integer; u an unsigned one; x or X hexadecimal in small or capital
//    digits; f, g or e a double in fixed, general or exponent notation. Only x minds the letter's case.
//  - index: the argument it takes, counted from 0; a directive without one takes the argument after
//    the one taken last.
//  - width: the piece padded with blanks to that many characters, in front, or behind after "-".
//  - precision: at most that many characters of a text, at least that many digits of an integer (zeros
//    in front, after any sign), that many decimals of a double (2 for f, 15 for g and e without one).
// u, x and X show a negative argument of 32 bits as its 32-bit pattern (-1 is ffffffff).
// Raises EConvertError when a directive is cut off or has another type letter, when it has no
// argument left, or when its argument is of another kind (a number for s, a text or a double for d).
std::wstring Format(const std::wstring &format, std::initializer_list<FormatArg> args);

// UTF-8 / UTF-16 conversions for texts that cross into narrow APIs and files.
std::wstring Utf8ToWide(const std::string &text);
std::string WideToUtf8(const std::wstring &text);

// Letter-case helpers that follow the system's rules for all of UTF-16.
std::wstring UpperCase(const std::wstring &text);
std::wstring LowerCase(const std::wstring &text);
bool SameText(const std::wstring &a, const std::wstring &b);
int CompareText(const std::wstring &a, const std::wstring &b);
std::wstring IntToStr(int64_t value);
std::wstring Trim(const std::wstring &text);

} // namespace classlib
