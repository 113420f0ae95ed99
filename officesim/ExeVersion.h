// An add-in reads the version of the host's program file (its VERSIONINFO), so each simulated
// Office version is a program of its own: officesim.exe is version 14, officesim9.exe,
// officesim10.exe, officesim11.exe and officesim12.exe the older ones, all built from the same
// sources. A program asked for another version starts the right one and passes its exit code on.
#pragma once
#include <optional>
#include <string>

namespace officesim {

struct ExeVersion {
    int major = 0;
    std::wstring text; // "14.0.0.0"
};

// The running program's file version; nothing when it has no version resource.
std::optional<ExeVersion> OwnVersion();
// The running program's file name ("officesim.exe").
std::wstring OwnFileName();
// The program for version, beside the running one ("officesim11.exe"); "" when there is none.
std::wstring ProgramForVersion(int version);
// Runs program with the running one's arguments and standard handles, and answers its exit code.
// Raises classlib::Exception when it cannot be started, or when the running program was itself
// started this way (its version resource and name disagree).
int Relaunch(const std::wstring &program);

} // namespace officesim
