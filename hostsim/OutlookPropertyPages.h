// Outlook's PropertyPages: the page collection of its Options dialog and of a folder's Properties
// dialog. Before either dialog shows, Outlook raises OptionsPagesAdd (the Application's for Options,
// the NameSpace's, with the folder, for a folder) so that add-ins can put pages of their own in; the
// pages an add-in added are the dialog's extra tabs. The library does not describe the collection:
// its members are reached by name (Count, Item from 1, Add(Page, Title), Remove).
#pragma once
#include <string>
#include <vector>

#include "hostsim/SimDispatch.h"

namespace hostsim {

class OutlookHost;
class SimOutlookFolder;

class SimPropertyPages : public SimDispObject<> {
public:
    // Page: a ProgID as text, or "(object)" for a page object the add-in made itself.
    struct Page {
        std::wstring page, title;
    };
    SimPropertyPages(SimWorld &world, const std::wstring &name);
    const std::vector<Page> &Pages() const noexcept { return pages_; }

private:
    std::vector<Page> pages_;
};

// The user opens Tools > Options: the dialog's pages once the add-ins have added theirs.
SimPropertyPages *OpenOptionsDialog(OutlookHost &host);
// The user opens the Properties of a folder.
SimPropertyPages *OpenFolderProperties(OutlookHost &host, SimOutlookFolder *folder);

} // namespace hostsim
