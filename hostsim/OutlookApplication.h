// Outlook's Application, its NameSpace and its Reminders collection.
//
// The Application answers its identity _Application {00063001-...} and offers the application event
// interfaces of its version: ApplicationEvents (2000) always, ApplicationEvents_10 from version 10,
// ApplicationEvents_11 from version 11; an event is raised on each of them that declares it.
#pragma once
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "hostsim/OutlookTypes.h"
#include "hostsim/SimDispatch.h"

namespace hostsim {

class SimOutlookApplication : public SimDispObject<> {
public:
    SimOutlookApplication(SimWorld &world, OutlookHost &host);

    // The COMAddIns object the Application hands out (Nothing until set).
    void SetCOMAddIns(IUnknown *addIns) { comAddIns_.CopyFrom(addIns); }

private:
    void OnDisconnect() noexcept override;

    OutlookHost *host_;
    classlib::ComPtr<IUnknown> comAddIns_;
};

class SimOutlookNameSpace : public SimDispObject<> {
public:
    SimOutlookNameSpace(SimWorld &world, OutlookHost &host);

    const std::vector<SimOutlookFolder *> &Stores() const noexcept { return stores_; }

private:
    friend class OutlookHost;
    void OnDisconnect() noexcept override;

    OutlookHost *host_;
    std::vector<SimOutlookFolder *> stores_;
};

// Present from Outlook 2002 on. Its entries are whatever objects a test adds (Outlook's reminder
// objects have no description of their own here).
class SimOutlookReminders : public SimDispObject<> {
public:
    explicit SimOutlookReminders(SimWorld &world);

    void Add(SimObject *reminder) { entries_.push_back(reminder); }
    const std::vector<SimObject *> &Entries() const noexcept { return entries_; }

private:
    void OnDisconnect() noexcept override { entries_.clear(); }

    std::vector<SimObject *> entries_;
};

} // namespace hostsim
