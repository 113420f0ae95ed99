// Delphi-style Format: "%s", "%d", "%u", "%x", "%f", "%%", with index ("%1:s"), width and precision.
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

// Raises EConvertError for a bad format or an argument of the wrong kind, as the original does.
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
