#include "AddInTranscripts.h"

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

} // namespace testsupport
