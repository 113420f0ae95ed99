// Registry values by their names with the names' length. The registry keeps a value's name as a
// counted string, so a name may hold a null character (another program can write one); the
// system's Reg*ValueExW calls would cut such a name at the null and reach another value.
#pragma once
#include <windows.h>

#include <string>

namespace classlib {

// RegQueryValueExW's contract (a null data asks for the size; a short buffer answers ERROR_MORE_DATA
// with the size needed), for Name as it is.
LONG QueryRegValue(HKEY Key, const std::wstring &Name, DWORD *Type, BYTE *Data, DWORD *Size);
// RegSetValueExW's, for Name as it is.
LONG SetRegValue(HKEY Key, const std::wstring &Name, DWORD Type, const void *Data, DWORD Size);
// RegDeleteValueW's, for Name as it is.
LONG DeleteRegValue(HKEY Key, const std::wstring &Name);

} // namespace classlib
