// The defined form properties of the ribbon model: the ribbon-kind sets every node writes, and the
// children of containers whose controls are of different classes.
#pragma once
#include <vector>

#include "classlib/Persistent.h"
#include "framework/ribbon/RibbonControl.h"

namespace framework {

// "Ribbons" and "Ribbons2010" as set values, for the classes that do not publish them (written when
// Write is set). Reading adds the named elements to the sets held; the reader uses the published
// setters instead where a class has them.
void DefineRibbonSets(classlib::TFiler &Filer, TzidRibbons &Ribbons, TzidRibbons2010 &Ribbons2010,
                      bool Write);

// "ControlTypes" (binary: a 32-bit little-endian count, then one 32-bit class code per child) and
// "Controls_" (the children as a collection, each created by the code at its position). Types keeps
// the codes read until the children are read. A code whose class the collection cannot hold (a
// button among a tab's groups) is a form error. Written only when Write is set.
void DefineMixedControls(classlib::TFiler &Filer, TzidRibbonControls &Controls,
                         std::vector<TzidRibbonControlType> &Types, bool Write = true);

// The class codes of a "ControlTypes" value; raises EReadError when the length does not match the
// count it starts with.
std::vector<TzidRibbonControlType> DecodeControlTypes(const std::vector<uint8_t> &Data);
std::vector<uint8_t> EncodeControlTypes(const TzidRibbonControls &Controls);

} // namespace framework
