// Excel's list of automation add-ins to open at start-up: per Office version (10 to 14) the values
// "OPEN", "OPEN1", "OPEN2", ... under "Software\Microsoft\Office\<version>.0\Excel\Options", each
// holding /A "<ProgID>". Excel reads them in number order, so the list is kept without gaps.
#pragma once
#include <string>

#include "classlib/Registry.h"

namespace framework {

// Adds the add-in to every version's list that exists and does not name it yet, under the next free
// number (one more than the highest in use). Reg's root decides the hive; its open key is replaced.
void AddExcelOpenEntries(classlib::TRegistry &Reg, const std::wstring &ProgID);
// Removes the add-in's entries and renumbers the others (in their order) so that no gap is left;
// entries of other add-ins keep their data and type.
void RemoveExcelOpenEntries(classlib::TRegistry &Reg, const std::wstring &ProgID);

} // namespace framework
