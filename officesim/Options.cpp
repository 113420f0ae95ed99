#include "officesim/Options.h"

#include <cwctype>

#include "classlib/Format.h"

namespace officesim {

namespace {

int ParseVersion(const std::wstring &text) {
    if (text.empty() || text.size() > 3 || text.find_first_not_of(L"0123456789") != std::wstring::npos)
        throw EUsageError(L"--version takes Office's major version (9 to 14), not " + text);
    return std::stoi(text);
}

} // namespace

Options ParseOptions(const std::vector<std::wstring> &args) {
    Options options;
    bool hostGiven = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring &arg = args[i];
        if (arg == L"--help" || arg == L"-h" || arg == L"/?") {
            options.help = true;
            continue;
        }
        if (arg != L"--host" && arg != L"--version" && arg != L"--script")
            throw EUsageError(L"unknown option " + arg);
        if (i + 1 >= args.size())
            throw EUsageError(arg + L" needs a value");
        const std::wstring &value = args[++i];
        if (arg == L"--host") {
            if (classlib::SameText(value, L"outlook"))
                options.host = HostKind::Outlook;
            else if (classlib::SameText(value, L"word"))
                options.host = HostKind::Word;
            else
                throw EUsageError(L"--host is outlook or word, not " + value);
            hostGiven = true;
        } else if (arg == L"--version") {
            options.version = ParseVersion(value);
        } else {
            options.scriptPath = value;
        }
    }
    if (!hostGiven && !options.help)
        throw EUsageError(L"--host outlook or --host word is needed");
    return options;
}

std::wstring UsageText() {
    return L"usage: officesim --host outlook|word [--version N] [--script FILE]\n"
           L"  loads the add-ins registered for the host the way Office does and prints what happens\n"
           L"  --version  the simulated Office version (9, 10, 11, 12 or 14; default: this program's own)\n"
           L"  --script   the steps to play, one per line (without it: a default session)\n"
           L"exit code: 0 all well, 1 an add-in failed a call, 2 a bad command line or script step, 3 a "
           L"crash";
}

} // namespace officesim
