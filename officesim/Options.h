// officesim's command line:
//   officesim.exe --host outlook|word [--version N] [--script FILE]
// --version defaults to the running program's own version (officesim.exe is 14; officesim9.exe,
// officesim10.exe, officesim11.exe and officesim12.exe are the older hosts).
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "classlib/Exceptions.h"
#include "officesim/Script.h"

namespace officesim {

struct Options {
    HostKind host = HostKind::Outlook;
    std::optional<int> version;
    std::wstring scriptPath; // empty: the default session
    bool help = false;
};

// A command line officesim cannot take.
class EUsageError : public classlib::Exception {
public:
    using Exception::Exception;
};

// args without the program's own name; raises EUsageError.
Options ParseOptions(const std::vector<std::wstring> &args);
std::wstring UsageText();

} // namespace officesim
