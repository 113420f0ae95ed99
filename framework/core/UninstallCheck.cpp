// Unregistration may run while the host has the add-in loaded: its clean-up takes the module's bars
// and their records out of the host, and a build after that would put them back where no add-in is
// left to remove them (Word saves them into its normal template).
#include "classlib/Registry.h"
#include "classlib/Trace.h"
#include "framework/core/AddInModule.h"

namespace framework {

bool TzidCOMAddInModule::UninstalledMeanwhile() const {
    const std::wstring key = AddInKey();
    if (key.empty())
        return false;
    // A key of its own, not the held one: a handle opened before the deletion cannot tell it.
    classlib::TRegistry registry(KEY_READ);
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKeyReadOnly(key))
        return HeldAddInKey() != nullptr; // it was there at start-up (a profile may refuse to make it)
    // A start that already read "uninstall" (an earlier clean-up that failed) is no sign of one now.
    if (startMode_ == zsmUninstall || !registry.ValueExists(ZIDStartModeValue))
        return false;
    try {
        return ParseStartMode(registry.ReadString(ZIDStartModeValue)) == zsmUninstall;
    } catch (const classlib::ERegistryException &E) {
        classlib::Trace(L"AddIn", L"The start mode is no text: " + E.Message());
        return false;
    }
}

} // namespace framework
