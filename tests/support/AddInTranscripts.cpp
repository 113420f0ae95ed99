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

testing::AssertionResult InOrder(const std::string &output, const std::vector<std::string> &pieces) {
    size_t at = 0;
    for (const std::string &piece : pieces) {
        size_t found = output.find(piece, at);
        if (found == std::string::npos)
            return testing::AssertionFailure() << "missing, or out of order: " << piece << "\n--- transcript:\n"
                                               << output;
        at = found + piece.size();
    }
    return testing::AssertionSuccess();
}

} // namespace testsupport
