// officesim: loads the add-ins registered for a simulated Outlook or Word the way Office does,
// plays a session and prints a transcript. See Options.h for the command line, Script.h for the
// script format, Session.h for the order of events.
#include <windows.h>

#include <shellapi.h>

#include <exception>

#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "officesim/CrashGuard.h"
#include "officesim/ExeVersion.h"
#include "officesim/Options.h"
#include "officesim/Session.h"

using namespace officesim;

namespace {

std::vector<std::wstring> Arguments() {
    int count = 0;
    wchar_t **argv = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < count; ++i)
        args.emplace_back(argv[i]);
    LocalFree(argv);
    return args;
}

void Print(const std::wstring &text) {
    size_t start = 0;
    for (size_t end; (end = text.find(L'\n', start)) != std::wstring::npos; start = end + 1)
        Transcript::WriteRaw(text.substr(start, end - start));
    Transcript::WriteRaw(text.substr(start));
}

int Run() {
    Options options = ParseOptions(Arguments());
    if (options.help) {
        Print(UsageText());
        return 0;
    }
    std::optional<ExeVersion> own = OwnVersion();
    if (!own)
        throw classlib::Exception(OwnFileName() + L" has no version resource");
    int version = options.version.value_or(own->major);
    if (version != own->major) {
        std::wstring program = ProgramForVersion(version);
        if (program.empty())
            throw EUsageError(classlib::Format(L"there is no officesim for version %d beside %s",
                                               {version, OwnFileName()}));
        return Relaunch(program);
    }
    SessionSettings settings;
    settings.host = options.host;
    settings.version = version;
    settings.versionText = own->text;
    settings.program = OwnFileName();
    settings.script = !options.scriptPath.empty();
    try {
        settings.steps = settings.script
                             ? ParseScript(ReadScriptFile(options.scriptPath), options.host, version)
                             : DefaultSession(options.host, version);
    } catch (const EScriptError &e) {
        throw EScriptError(L"script " + options.scriptPath + L": " + e.Message());
    }
    HRESULT hr = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(hr))
        throw classlib::EOleSysError(L"COM cannot be initialized: " + classlib::SysErrorMessage(hr), hr);
    Transcript transcript;
    int code = RunSession(settings, transcript);
    CoUninitialize();
    return code;
}

} // namespace

int main() {
    InstallCrashGuard();
    try {
        return Run();
    } catch (const EUsageError &e) {
        Print(L"officesim: " + e.Message() + L"\n" + UsageText());
    } catch (const classlib::Exception &e) {
        Print(L"officesim: " + e.Message());
    } catch (const std::exception &e) {
        Print(L"officesim: " + classlib::Utf8ToWide(e.what()));
    }
    return kExitScriptError;
}
