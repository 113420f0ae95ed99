// The module's Backstage view in a customUI document: the "backstage" element after "ribbon", with
// the host's show and hide callbacks, holding the view's tabs and fast command buttons.
//
// The Backstage model takes any control in most of its collections, but the host refuses a whole
// document in which one element stands where its schema has no place for it. So the writer puts
// each node only where the host takes a node of its class, and leaves the others out of the
// document (the model keeps them): a column holds groups and task groups, or the first column one
// task form group alone; a group's primary item is a button or a primary menu; a group's items, group
// boxes and layout containers hold the group controls; a menu holds menu groups, a menu group
// buttons, check boxes, toggle buttons and submenus of menus; task lists hold their own categories
// and tasks. A section none of whose nodes is written is left out.
#pragma once
#include <string>

#include "framework/ribbon/XMLHelper.h"

namespace framework {

class TzidCOMAddInModule;

// Whether the document of RibbonID holds the module's Backstage view: a host of version 14 or later
// (the module's OfficeVersion), and a view written for that ribbon id.
bool WritesBackstage(const TzidCOMAddInModule &Module, const std::wstring &RibbonID);

// The "backstage" element when WritesBackstage; nothing otherwise.
void WriteBackstage(const TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const std::wstring &RibbonID);

} // namespace framework
