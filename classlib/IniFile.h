// TIniFile: sections and keys of an ini file, through the system's private-profile functions (so
// their rules apply: a file name without a folder means the Windows folder, keys ignore case, and
// the system may cache the file).
#pragma once
#include "classlib/Object.h"

#include <string>

namespace classlib {

CLASSLIB_EXCEPTION(EIniFileException, Exception);

class TIniFile : public TObject {
    CLASSLIB_CLASS(TIniFile)
public:
    explicit TIniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}

    const std::wstring &FileName() const { return fileName_; }

    // defaultValue when the key (or the file) is missing.
    std::wstring ReadString(const std::wstring &section, const std::wstring &key,
                            const std::wstring &defaultValue) const;
    // Raises EIniFileException "Unable to write to %s" when the file cannot be written.
    void WriteString(const std::wstring &section, const std::wstring &key, const std::wstring &value);
    // Decimal, or hexadecimal with "$" or "0x"; defaultValue when missing or not a number.
    int ReadInteger(const std::wstring &section, const std::wstring &key, int defaultValue) const;
    void WriteInteger(const std::wstring &section, const std::wstring &key, int value);
    // An integer, non-zero meaning true; defaultValue when missing or not a number.
    bool ReadBool(const std::wstring &section, const std::wstring &key, bool defaultValue) const;
    void WriteBool(const std::wstring &section, const std::wstring &key, bool value);

private:
    std::wstring fileName_;
};

} // namespace classlib
