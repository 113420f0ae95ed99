// The customUI documents a ribbon host asks the add-in for: one per ribbon id (a kind of host window,
// "Microsoft.Outlook.Mail.Read"), written from the module's tabs and the controls below them, and the
// content documents of dynamic menus, written with the same rules.
#pragma once
#include <string>

#include "framework/core/RibbonKinds.h"
#include "framework/ribbon/RibbonControl.h"
#include "framework/ribbon/XMLHelper.h"

namespace framework {

class TzidCOMAddInModule;

// Whether a node written for Ribbons and Ribbons2010 belongs to the document of RibbonId. A node for
// no window kind at all belongs nowhere; every other node belongs to a dynamic menu's content
// ("DynamicMenu") and to "Microsoft.Mso.IMLayerUI". "Microsoft.OMS.SMS" and "Microsoft.OMS.MMS" take
// both the read and the compose kinds of their kind of message.
bool IsForRibbon(const std::wstring &RibbonId, TzidRibbons Ribbons, TzidRibbons2010 Ribbons2010);

// Writes Control and its subtree as far as they belong to RibbonId. A static menu's OnCreate runs
// first (what it raises goes to the module's error report); a dynamic menu is written without its
// children, which the host fetches later. A child is written only where the customUI schemas take
// its class (no Backstage control in a group, no separator in a button group): the host refuses a
// whole document for one misplaced element. What is left out is traced. ContextMenuNumber goes
// unchanged to every GetAttributes below.
void WriteRibbonControl(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, IzidRibbonControlInternal &Control,
                        const std::wstring &RibbonId, int ContextMenuNumber);
// Writes the controls of Controls that the schemas take inside an element named Parent, by the same
// rule.
void WriteRibbonControls(TzidCOMAddInModule &Module, TzidXMLHelper &Writer, const std::wstring &Parent,
                         const TzidRibbonControls &Controls, const std::wstring &RibbonId,
                         int ContextMenuNumber);

// The namespace attributes every document root carries: "xmlns" (the module's CustomUINamespace)
// and, when the module has a Namespace, "xmlns:default" (the add-in's ProgID) and "xmlns:shared".
void AddNamespaceAttributes(TzidCOMAddInModule &Module, TzidXMLHelper &Writer);

// The whole answer to GetCustomUI(RibbonID): reads the host's version, takes the host from the ribbon
// id, drops from the module's id list what no window of that host shows, chooses the namespace,
// writes the document and lets the module's OnRibbonBeforeCreate and OnRibbonBeforeLoad see it (what
// they raise goes to the module's error report). Raises when the host's version cannot be read.
std::wstring BuildCustomUI(TzidCOMAddInModule &Module, const std::wstring &RibbonID);

} // namespace framework
