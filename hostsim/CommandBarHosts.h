// The command bars of the simulated hosts.
//
// Outlook: every explorer and inspector opened from now on gets a CommandBars of its own, made from
// the built-in bars of its kind; all of them share one CommandBarHost, so a click reaches the
// same-tag buttons of every window, as in Outlook. Word: one CommandBars for the application and
// all its documents. The Application of every bar and control is the host's.
#pragma once
#include <memory>

#include "hostsim/CommandBarHost.h"

namespace hostsim {

class OutlookHost;
class WordHost;
class CommandBarsObject;

std::shared_ptr<CommandBarHost> AttachCommandBars(OutlookHost &outlook);
CommandBarsObject &AttachCommandBars(WordHost &word);

} // namespace hostsim
