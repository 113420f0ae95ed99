// The attribute list of a Backstage node's element: the ribbon's list with the pieces only the
// Backstage classes write (an image written as a callback or as a built-in image, the alignment and
// expansion words, the Backstage-only callbacks).
#pragma once
#include "framework/ribbon/RibbonAttributes.h"
#include "framework/ribbon/backstage/BackstageKinds.h"

namespace framework {

class TzidBackstageAttributes : public TzidAttributeList {
public:
    explicit TzidBackstageAttributes(const TzidRibbonCustomControl &Control);

    // "id", or "idQ" in the add-in's namespace when the module has one.
    void Id() { TzidAttributeList::Id(false); }
    // A built-in node's "idMso", "label" and "visible", the values of the model: no callback of ours
    // answers for it.
    void BuiltIn();
    // The ribbon's callbacks and "getAltText", "getHelperText", "getStyle".
    void Callback(const std::wstring &Name);
    // "getImage" when the node has an image of its own, else "imageMso" when it names a built-in one.
    void Image();
    void Align(TzidBackstageContentAlignmentStyle Value) { Add(L"alignLabel", BackstageWord(Value)); }
    void Expand(TzidBackstageControlExpandStyle Value) { Add(L"expand", BackstageWord(Value)); }
    void Definitive(bool Value) { AddBool(L"isDefinitive", Value); }

private:
    const TzidRibbonCustomControl &control_;
};

} // namespace framework
