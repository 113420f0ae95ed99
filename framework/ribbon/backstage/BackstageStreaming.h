// The children of the Backstage containers whose collections take controls of any class, in forms:
// per collection a binary property with the children's class codes ("FirstColumnTypes") and the
// children themselves ("FirstColumnControls"), each made by the code at its position. A container
// defines all its code properties before all its collections, so that every code array is read
// before the collection that needs it.
#pragma once
#include <string>
#include <vector>

#include "classlib/Persistent.h"
#include "framework/ribbon/RibbonControls.h"

namespace framework {

// One collection of such a container: its two property names, the collection, and the codes read.
struct TzidTypedCollection {
    std::wstring TypesName;
    std::wstring ControlsName;
    TzidRibbonControls *Controls;
    std::vector<TzidRibbonControlType> *Types;
};

// Defines the code properties of Collections, then their collection properties, all always written.
// A collection property with more items than its codes, a code of no class, or a code of a class
// the collection cannot hold is a form error.
void DefineTypedCollections(classlib::TFiler &Filer, const std::vector<TzidTypedCollection> &Collections);

} // namespace framework
