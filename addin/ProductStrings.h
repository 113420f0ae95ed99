// The product's texts in its string table (ProductStrings.rc): ids from 26000 up. The ids are plain
// macros, so that the resource compiler reads the same file.
#pragma once

#define IDS_TAB_READ_CAPTION 26000
#define IDS_TAB_COMPOSE_CAPTION 26001

#ifndef RC_INVOKED
#include <string>

namespace tessary {

// The text of Id from the library's string table; raises EResNotFound when there is none.
std::wstring ProductString(unsigned Id);

} // namespace tessary
#endif
