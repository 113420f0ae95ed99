// The command bars a host shows at its first start: a few built-in bars per host, each with a few
// built-in controls carrying fixed Ids, enough for programs that search for, place next to or
// repurpose built-in controls.
#pragma once
#include <vector>

#include "hostsim/CommandBarModel.h"

namespace hostsim::catalogue {

// Ids of the built-in controls tests refer to.
namespace id {
constexpr long Save = 3, Print = 4, Copy = 19, Cut = 21, Paste = 22, Open = 23, Undo = 128, Delete = 478;
constexpr long Reply = 354, ReplyToAll = 355, Forward = 356, SendReceive = 5488, Send = 2617;
constexpr long NewDocument = 2520, Zoom = 1733, SendCopy = 3708, Bcc = 3700;
constexpr long FileMenu = 30002, EditMenu = 30003, ViewMenu = 30004, ToolsMenu = 30007, HelpMenu = 30010;
} // namespace id

// Outlook's main window: "Menu Bar", "Standard", "Advanced".
std::vector<BuiltInBar> OutlookExplorer();
// Outlook's item window: "Menu Bar", "Standard", "Formatting".
std::vector<BuiltInBar> OutlookInspector();
// Word: "Menu Bar", "Standard", "Formatting", "Envelope".
std::vector<BuiltInBar> Word();

} // namespace hostsim::catalogue
