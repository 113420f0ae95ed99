// A text written to a file as UTF-8 with a byte-order mark: every character of the text survives,
// and editors recognise the encoding.
#pragma once
#include <string>

namespace framework {

// Replaces the file; raises EOleSysError (the system's code, and the file's name in the message) when
// it cannot be written whole.
void SaveTextFile(const std::wstring &FileName, const std::wstring &Text);

} // namespace framework
