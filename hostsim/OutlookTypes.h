// Outlook's published enumerations as the simulated Outlook uses them, and the names of its object
// classes.
#pragma once

namespace hostsim {

class OutlookHost;
class SimOutlookApplication;
class SimOutlookNameSpace;
class SimOutlookFolder;
class SimOutlookItem;
class SimOutlookExplorer;
class SimOutlookInspector;
class SimOutlookSelection;
class SimOutlookWindow;
class SimOutlookWindows;
class SimOutlookReminders;

namespace ol {

// OlObjectClass: what an object's Class property answers.
enum ObjectClass : long {
    olApplication = 0,
    olNamespace = 1,
    olFolder = 2,
    olAppointment = 26,
    olExplorer = 34,
    olInspector = 35,
    olContact = 40,
    olDocument = 41,
    olJournal = 42,
    olMail = 43,
    olNote = 44,
    olPost = 45,
    olReport = 46,
    olTask = 48,
    olMeetingRequest = 53,
    olExplorers = 60,
    olInspectors = 61,
    olDistributionList = 69,
    olSelection = 74,
    olReminders = 100,
};

// OlItemType: a folder's DefaultItemType.
enum ItemType : long {
    olMailItem = 0,
    olAppointmentItem = 1,
    olContactItem = 2,
    olTaskItem = 3,
    olJournalItem = 4,
    olNoteItem = 5,
    olPostItem = 6,
    olDistributionListItem = 7,
};

// OlDefaultFolders: the folders of the default store.
enum DefaultFolder : long {
    olFolderDeletedItems = 3,
    olFolderOutbox = 4,
    olFolderSentMail = 5,
    olFolderInbox = 6,
    olFolderCalendar = 9,
    olFolderContacts = 10,
    olFolderJournal = 11,
    olFolderNotes = 12,
    olFolderTasks = 13,
    olFolderDrafts = 16,
};

} // namespace ol
} // namespace hostsim
