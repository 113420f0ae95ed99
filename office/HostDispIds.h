// Dispatch ids of the host object-model members and events that the wrappers and the framework
// call late-bound. They mirror office/*.idl, where the published values are declared; a host is
// never called through its vtable, so these numbers are the whole contract with it.
#pragma once
#include <windows.h>

#include <oaidl.h>

namespace office::dispid {

// Members every Outlook object has.
namespace outlook_object {
constexpr DISPID Class = 0xF00A;
constexpr DISPID Parent = 0xF001;
} // namespace outlook_object

namespace outlook_application {
constexpr DISPID Version = 0x116;
constexpr DISPID GetNamespace = 0x110;
constexpr DISPID ActiveExplorer = 0x111;
constexpr DISPID ActiveInspector = 0x112;
constexpr DISPID Quit = 0x113;
constexpr DISPID Explorers = 0x119;
constexpr DISPID Inspectors = 0x11A;
constexpr DISPID ActiveWindow = 0x11F;
} // namespace outlook_application

// Explorers, Inspectors and Selection.
namespace outlook_collection {
constexpr DISPID Count = 0x50;
constexpr DISPID Item = 0x51;
} // namespace outlook_collection

namespace outlook_window {
constexpr DISPID CommandBars = 0x2100;
constexpr DISPID CurrentFolder = 0x2101; // explorer
constexpr DISPID CurrentItem = 0x2102;   // inspector
constexpr DISPID Close = 0x2103;
constexpr DISPID Caption = 0x2111;
constexpr DISPID Activate = 0x2113;
} // namespace outlook_window

namespace outlook_folder {
constexpr DISPID Name = 0x3001;
constexpr DISPID DefaultItemType = 0x3106;
constexpr DISPID FolderPath = 0xFA78;
} // namespace outlook_folder

namespace outlook_item {
constexpr DISPID MessageClass = 0x1A;
} // namespace outlook_item

// Every Outlook event interface of one object keeps the ids of the earlier version.
namespace outlook_application_events {
constexpr DISPID ItemSend = 0xF002;
constexpr DISPID NewMail = 0xF003;
constexpr DISPID Reminder = 0xF004;
constexpr DISPID OptionsPagesAdd = 0xF005;
constexpr DISPID Startup = 0xF006;
constexpr DISPID Quit = 0xF007;
} // namespace outlook_application_events

namespace outlook_namespace_events {
constexpr DISPID OptionsPagesAdd = 0xF005;
} // namespace outlook_namespace_events

namespace outlook_collection_events {
constexpr DISPID NewWindow = 0xF001; // NewExplorer, NewInspector
} // namespace outlook_collection_events

namespace outlook_window_events {
constexpr DISPID Activate = 0xF001;
constexpr DISPID FolderSwitch = 0xF002;
constexpr DISPID BeforeFolderSwitch = 0xF003;
constexpr DISPID ViewSwitch = 0xF004;
constexpr DISPID BeforeViewSwitch = 0xF005;
constexpr DISPID Deactivate = 0xF006;
constexpr DISPID SelectionChange = 0xF007;
constexpr DISPID Close = 0xF008;
} // namespace outlook_window_events

namespace word_application {
constexpr DISPID Windows = 2;
constexpr DISPID ActiveDocument = 3;
constexpr DISPID ActiveWindow = 4;
constexpr DISPID Documents = 6;
constexpr DISPID NormalTemplate = 8;
constexpr DISPID Version = 0x18;
constexpr DISPID CommandBars = 0x39;
constexpr DISPID Templates = 0x43;
constexpr DISPID CustomizationContext = 0x44;
constexpr DISPID OrganizerDelete = 0x13F;
constexpr DISPID ShowWindowsInTaskbar = 0x1C4;
constexpr DISPID Quit = 0x451;
} // namespace word_application

// Documents and Windows; Templates counts with its own id.
namespace word_collection {
constexpr DISPID Item = 0;
constexpr DISPID Count = 2;
constexpr DISPID TemplatesCount = 1;
} // namespace word_collection

namespace word_document {
constexpr DISPID Name = 0;
constexpr DISPID FullName = 0x1D;
constexpr DISPID ActiveWindow = 0x2A;
constexpr DISPID CommandBars = 0x39;
} // namespace word_document

namespace word_template {
constexpr DISPID Name = 0;
constexpr DISPID FullName = 7;
} // namespace word_template

namespace word_application_events {
constexpr DISPID Startup = 1;
constexpr DISPID Quit = 2;
constexpr DISPID DocumentChange = 3;
constexpr DISPID DocumentOpen = 4;
constexpr DISPID NewDocument = 9;
constexpr DISPID WindowActivate = 10;
} // namespace word_application_events

namespace excel_application {
constexpr DISPID Version = 0x188;
constexpr DISPID ActiveWindow = 0x2F7;
constexpr DISPID CommandBars = 0x59F;
} // namespace excel_application

namespace excel_application_events {
constexpr DISPID SheetActivate = 0x619;
constexpr DISPID WorkbookActivate = 0x620;
} // namespace excel_application_events

namespace powerpoint_application {
constexpr DISPID Windows = 0x7D2;
constexpr DISPID ActiveWindow = 0x7D4;
constexpr DISPID CommandBars = 0x7D7;
constexpr DISPID Version = 0x7DE;
} // namespace powerpoint_application

namespace powerpoint_windows {
constexpr DISPID Item = 0;
constexpr DISPID Count = 0xB;
} // namespace powerpoint_windows

namespace powerpoint_application_events {
constexpr DISPID WindowActivate = 0x7D9;
} // namespace powerpoint_application_events

namespace access_application {
constexpr DISPID CommandBars = 0x87E;
constexpr DISPID CurrentProject = 0x8A7;
constexpr DISPID Version = 0x949;
} // namespace access_application

namespace access_project {
constexpr DISPID Name = 0x82E;
constexpr DISPID FullName = 0x8D4;
constexpr DISPID IsConnected = 0x8DD;
} // namespace access_project

namespace project_application {
constexpr DISPID ActiveWindow = 0x138B; // 5003
constexpr DISPID Version = 0x139C;      // 5020
constexpr DISPID CommandBars = 0x13B1;
} // namespace project_application

namespace visio_application {
constexpr DISPID ActiveWindow = 2;
constexpr DISPID Version = 0xE;
constexpr DISPID CommandBars = 0x60020075;
} // namespace visio_application

namespace visio_application_events {
constexpr DISPID WindowActivated = 0x1080;
} // namespace visio_application_events

namespace infopath_application_events {
constexpr DISPID WindowActivate = 1;
constexpr DISPID NewXDocument = 7;
constexpr DISPID XDocumentOpen = 8;
} // namespace infopath_application_events

} // namespace office::dispid
