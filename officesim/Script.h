// The steps of a session: read from a script file, or the host's default session.
//
// Script format: one step per line; blank lines and lines starting with # are skipped. A step is a
// command and its arguments, separated by blanks; an argument with blanks goes in double quotes,
// taken literally (a backslash is a backslash, a quote cannot be part of it).
//   open-inspector <kind> "Subject"   Outlook: an inspector on the item of that subject (mail, post,
//                                     appointment, contact, task, journal); a mail or post that does
//                                     not exist is made as a new one in Drafts (a compose window)
//   close-inspector                   Outlook: closes the active inspector
//   switch-folder "\\Store\Folder"    Outlook: the active explorer shows that folder (a path from the
//                                     store down, or one folder's name)
//   send                              Outlook: sends the item of the active inspector
//   select "Subject"                  Outlook: selects the item of that subject in the active
//                                     explorer's folder (SelectionChange)
//   new-document                      Word: a new blank document
//   open-document "C:\Path\File.docx" Word: opens a document
//   close-document                    Word: closes the active document
//   click-ribbon <id>                 clicks a ribbon button, toggle button, check box or repurposed
//                                     command in the active window
//   click-bar <caption>               clicks a command-bar button of the active window, found by
//                                     caption (ampersands ignored), else by tag, else by Id
//   unload <ProgID>                   the user unloads the add-in in the COM add-ins dialog: its
//                                     COMAddIn's Connect is set to False, the host disconnects it
//                                     (OnDisconnection(ext_dm_UserClosed)) and lets go of it
//   quit                              the host shuts down and tells its add-ins (OnBeginShutdown,
//                                     OnDisconnection(ext_dm_HostShutdown))
//   quit-fast                         Outlook 14: the fast shutdown (Quit event only, for add-ins
//                                     that did not ask for the usual calls)
// quit or quit-fast ends a script; a script without one ends with quit.
#pragma once
#include <string>
#include <vector>

#include "classlib/Exceptions.h"

namespace officesim {

enum class HostKind { Outlook, Word };

struct Step {
    std::wstring command;
    std::vector<std::wstring> args;
    int line = 0; // 0 for steps of the default session and the quit added at the end

    // The step as a script line.
    std::wstring Text() const;
};

// A script line officesim cannot take, or a step the simulated host cannot do.
class EScriptError : public classlib::Exception {
public:
    using Exception::Exception;
};

// Raises EScriptError naming the line.
std::vector<Step> ParseScript(const std::wstring &text, HostKind host, int version);
// The session officesim plays without a script.
std::vector<Step> DefaultSession(HostKind host, int version);
// A script file's text: UTF-8 (with or without its byte-order mark) or UTF-16 with its mark.
// Raises EScriptError when the file cannot be read.
std::wstring ReadScriptFile(const std::wstring &path);

// The subjects of the mails the simulated Inbox holds at start-up.
inline constexpr const wchar_t *kInboxSubjects[] = {L"Quarterly report", L"Lunch on Friday"};

} // namespace officesim
