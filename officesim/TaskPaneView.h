// The custom task panes add-ins made through the host's task-pane factory, as a user sees them come
// and go: each new pane with its window, title, visibility and side; a pane shown or hidden since;
// a pane deleted. The factory is the one the session handed the add-ins.
#pragma once
#include <string>
#include <vector>

#include "hostsim/TaskPaneFactory.h"
#include "officesim/HostDriver.h"
#include "officesim/Transcript.h"

namespace hostsim {
class TaskPaneObject;
}

namespace officesim {

class TaskPaneView {
public:
    explicit TaskPaneView(hostsim::TaskPaneFactory &factory) : factory_(factory) {}

    // Writes what changed since the last call; windows (the open ones) name the new panes' windows.
    void Report(const std::vector<HostWindow> &windows, Transcript &transcript);

private:
    struct Seen {
        hostsim::TaskPaneObject *pane; // held by the host's world
        std::wstring title, window;
        bool visible;
    };

    hostsim::TaskPaneFactory &factory_;
    std::vector<Seen> seen_;
};

} // namespace officesim
