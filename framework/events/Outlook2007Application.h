// TzidOutlook2007Application: a second sink on Outlook's Application, for the context-menu events
// Outlook 2007 added (a menu about to show, with its CommandBar and what was clicked, and a menu
// closing). It forwards them to the module's TzidOutlookAppEvents, whose handlers the application
// sets; without that component the events pass unseen. The module makes one when it connects to an
// Outlook of version 12 or later and frees it with itself.
//
// It advises on ApplicationEvents_11 {0006302C-...}, the Application's event interface that declares
// these events; the Application offers no other that does.
#pragma once
#include "classlib/OleVariant.h"
#include "framework/events/CustomEvents.h"

namespace framework {

class TzidOutlook2007Application : public TzidCustomEvents {
    CLASSLIB_CLASS(TzidOutlook2007Application)
public:
    explicit TzidOutlook2007Application(classlib::TComponent *AOwner);
    ~TzidOutlook2007Application() override;
    // The owner check; the owner is the module it reports to.
    void AfterConstruction() override;

    // Source as _Application; anything else leaves the sink disconnected (no error).
    void ConnectTo(IUnknown *Source) override;
    void ConnectTo(const classlib::OleVariant &Source);
    void Disconnect() override;
    // Each context-menu event goes to the module's Outlook events component; a conversion that fails
    // ends that event silently (an argument of another interface arrives as null).
    void DoInvoke(DISPID DispID, TzidEventParams &Params) override;

    // The connected Application; null when disconnected.
    IUnknown *ConnectedApplication() const noexcept { return Intf(); }
    TzidCOMAddInModule *OwnerModule() const noexcept { return module_; }

protected:
    void InitServerData() override;

private:
    TzidCOMAddInModule *module_ = nullptr;
};

} // namespace framework
