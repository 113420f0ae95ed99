#include "AddInTranscripts.h"

#include "classlib/Format.h"
#include "classlib/Registry.h"

namespace testsupport {

TAddInEntry::TAddInEntry(const std::wstring &host, const std::wstring &progId, int loadBehavior,
                         const std::wstring &friendlyName, bool requireShutdownNotification)
    : key_(L"\\Software\\Microsoft\\Office\\" + host + L"\\Addins\\" + progId) {
    classlib::TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_TRUE(reg.OpenKey(key_, true));
    reg.WriteInteger(L"LoadBehavior", loadBehavior);
    reg.WriteString(L"FriendlyName", friendlyName);
    if (requireShutdownNotification)
        reg.WriteInteger(L"RequireShutdownNotification", 1);
}

TAddInEntry::~TAddInEntry() {
    classlib::TRegistry reg;
    reg.SetRootKey(HKEY_CURRENT_USER);
    reg.DeleteKey(key_);
}

TRunResult RunOfficesim(const char *officesim, const std::wstring &host, int version,
                        const std::string &script, const std::wstring &progId,
                        const std::wstring &friendlyName) {
    TAddInEntry entry(host == L"word" ? L"Word" : L"Outlook", progId, 3, friendlyName);
    return RunOfficesimScript(officesim, host, version, script);
}

TRunResult RunOfficesimScript(const char *officesim, const std::wstring &host, int version,
                              const std::string &script) {
    TTempFile file(script);
    return RunProgram(L"\"" + DosPath(officesim) + L"\" --host " + host + L" --version " +
                      std::to_wstring(version) + L" --script \"" + file.Path() + L"\"");
}

testing::AssertionResult InOrder(const std::string &output, const std::vector<std::string> &pieces) {
    size_t at = 0;
    for (const std::string &piece : pieces) {
        size_t found = output.find(piece, at);
        if (found == std::string::npos)
            return testing::AssertionFailure()
                   << "missing, or out of order: " << piece << "\n--- transcript:\n"
                   << output;
        at = found + piece.size();
    }
    return testing::AssertionSuccess();
}

std::string DocumentOf(const std::string &output, const std::string &progId, const std::string &ribbonId) {
    size_t at = output.find(progId + ": GetCustomUI(\"" + ribbonId + "\") -> document");
    if (at == std::string::npos)
        return {};
    at = output.find('\n', at);
    std::string document;
    while (at != std::string::npos) {
        size_t end = output.find('\n', at + 1);
        std::string line = output.substr(at + 1, end == std::string::npos ? std::string::npos : end - at - 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        size_t bar = line.find_first_not_of(' ');
        if (bar == std::string::npos || line.compare(bar, 2, "| ") != 0)
            break;
        document += line.substr(bar + 2) + "\n";
        at = end;
    }
    return document;
}

std::string TranscriptDocument(const TRunResult &run, const std::string &progId, const std::string &ribbonId,
                               const std::string &name) {
    std::string document = DocumentOf(run.Output, progId, ribbonId);
    EXPECT_FALSE(document.empty()) << "no document for " << ribbonId << "\n" << run.Output;
    KeepForSchemaCheck(document, classlib::Utf8ToWide(name));
    return document;
}

void KeepForSchemaCheck(const std::string &document, const std::wstring &name) {
    wchar_t buffer[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"RIBBON_DOCUMENTS", buffer, MAX_PATH) == 0 || buffer[0] == 0)
        return;
    std::wstring folder = buffer[0] == L'/' ? L"Z:" + std::wstring(buffer) : std::wstring(buffer);
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring path = folder + L"\\" + name + L".xml";
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot keep the document for the schema check";
    DWORD written = 0;
    BOOL ok = WriteFile(file, document.data(), static_cast<DWORD>(document.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == document.size());
}

} // namespace testsupport
