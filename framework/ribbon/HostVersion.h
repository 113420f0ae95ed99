// The host's major version as the ribbon needs it: read from the version resource of the program the
// add-in runs in, each time a host asks for a customUI document, since a ribbon host may ask before
// the host connection has told the module anything.
#pragma once
#include <string>

namespace framework {

// The high word of the most significant double word of the file version in the executable's version
// resource (14 for 14.0.4760.1000). Raises EOleSysError when the file has no readable version.
int ExecutableMajorVersion(const std::wstring &FileName);

// The major version of the host process's executable, or what the installed source answers.
int HostMajorVersion();

// Tests play hosts of every version inside one test program: while a source is installed,
// HostMajorVersion answers it instead of reading the executable. Returns the previous source; null
// installs the executable again.
using THostVersionSource = int (*)();
THostVersionSource SetHostVersionSource(THostVersionSource Source) noexcept;

} // namespace framework
