// A text written to a file as UTF-8 with a byte-order mark: every character of the text survives,
// and editors recognise the encoding.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "classlib/HookScope.h"

namespace framework {

// Replaces the file, or leaves it as it was: the text is written to a new file beside it, which
// takes the file's place only once written whole. Raises EOleSysError (the system's code, and the
// file's name in the message) when it cannot be written whole.
void SaveTextFile(const std::wstring &FileName, const std::wstring &Text);

// What the save's write of the bytes goes through (empty: the system's WriteFile): tests stand in a
// disk that fills up. Answers the system's error code, 0 when every byte was written.
using TFileWriteHook = std::function<DWORD(HANDLE File, const std::string &Bytes)>;
// Installs hook and returns the previous one.
TFileWriteHook SetFileWriteHook(TFileWriteHook Hook);
using TFileWriteHookScope = classlib::THookScope<TFileWriteHook, SetFileWriteHook>;

} // namespace framework
