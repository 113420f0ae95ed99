// The ribbon callbacks as the host sees them: the fixed names the customUI documents give (the
// attribute values "GetLabel_Callback", ...), the dispatch id of each and the arguments the host
// passes. The host resolves a name through the add-in object's GetIDsOfNames and calls Invoke with
// the id; both live in RibbonCallbacks.cpp, the bodies in RibbonCallbackBodies.cpp and
// RibbonPictures.cpp.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>

#include "classlib/ComPtr.h"
#include "classlib/OleVariant.h"
#include "office/office.h"

namespace framework {

class TzidRibbonEngine;
class IzidRibbonControlInternal;

// The dispatch ids. 18, 39 to 49 and 56 to 59 have no callback.
enum TzidRibbonCallbackId : DISPID {
    rcbRibbonLoaded = 10,
    rcbGetImages = 11,
    rcbGetVisible = 12,
    rcbGetKeyTip = 13,
    rcbGetLabel = 14,
    rcbGetEnabled = 15,
    rcbGetPressed = 16,
    rcbGetImage = 17,
    rcbGetSuperTip = 19,
    rcbGetScreenTip = 20,
    rcbGetSize = 21,
    rcbGetShowLabel = 22,
    rcbGetShowImage = 23,
    rcbGetDescription = 24,
    rcbGetText = 25,
    rcbGetItemCount = 26,
    rcbGetItemID = 27,
    rcbGetItemImage = 28,
    rcbGetItemLabel = 29,
    rcbGetItemScreenTip = 30,
    rcbGetItemSuperTip = 31,
    rcbGetShowItemImage = 32,
    rcbGetSelectedItemIndex = 33,
    rcbGetSelectedItemId = 34,
    rcbGetItemHeight = 35,
    rcbGetItemWidth = 36,
    rcbGetContent = 37,
    rcbGetTitle = 38,
    rcbOnActionCommon = 50,
    rcbOnActionCommonRepurposed = 51,
    rcbOnActionState = 52,
    rcbOnActionStateRepurposed = 53,
    rcbOnActionSelected = 54,
    rcbOnChange = 55,
    rcbOnBackstageShow = 60,
    rcbOnBackstageHide = 61,
    rcbGetTarget = 62,
    rcbGetAltText = 63,
    rcbGetHelperText = 64,
    rcbGetStyle = 65
};

// What a host argument stands for; the host passes them in this order, IDispatch reverses them.
enum class TzidRibbonArgument : unsigned char {
    Control,       // IRibbonControl
    Ribbon,        // IRibbonUI
    Text,          // image id, selected id, edit text
    Index,         // item index, selected index
    Pressed,       // Boolean
    CancelDefault, // Boolean by reference, written back
    Context        // the Backstage's context object: anything
};

struct TzidRibbonCallback {
    const wchar_t *Name;
    TzidRibbonCallbackId Id;
    unsigned char ArgumentCount;
    TzidRibbonArgument Arguments[3];
};

// The callback of a name, compared whole and with its letter case; null for any other name.
const TzidRibbonCallback *FindRibbonCallback(const wchar_t *Name) noexcept;
// The callback of a dispatch id; null for an id without one.
const TzidRibbonCallback *RibbonCallbackOf(DISPID Id) noexcept;

// The host's arguments of one call, unpacked. CancelDefault goes back to the host afterwards.
struct TzidRibbonCallbackArgs {
    classlib::ComPtr<IRibbonControl> Control;
    classlib::ComPtr<IRibbonUI> Ribbon;
    std::wstring Text;
    int Index = 0;
    bool Pressed = false;
    bool CancelDefault = false;
};

// The body of a callback; answers the value the host gets (Empty for callbacks without a result).
// Whatever fails raises.
classlib::OleVariant RunRibbonCallback(TzidRibbonEngine &Ribbon, TzidRibbonCallbackId Id,
                                       TzidRibbonCallbackArgs &Args);

// The host control's Id and Context; a failing host call raises.
std::wstring RibbonControlId(IRibbonControl *Control);
classlib::ComPtr<IDispatch> RibbonControlContext(IRibbonControl *Control);
// Item Index of a node's items; raises the collection's index error outside them (and for a node
// without items).
IzidRibbonControlInternal &RibbonItemOf(IzidRibbonControlInternal &Node, int Index);

// The model object of an id as the bodies that answer for a split button's inner button find it: the
// inner button carries the split button's id followed by "wrapped" (before a context-menu copy's
// marker), and answers with the split button. Any other id is found as it is.
IzidRibbonControlInternal *FindWrappedRibbonControl(TzidRibbonEngine &Ribbon, const std::wstring &Id);

// The bodies of the three picture callbacks (RibbonPictures.cpp); each answers a VT_DISPATCH (null
// when there is no picture) or the interface a property handler gave.
classlib::OleVariant GetImagesCallback(TzidRibbonEngine &Ribbon, const std::wstring &ImageId);
classlib::OleVariant GetImageCallback(TzidRibbonEngine &Ribbon, IRibbonControl *Control);
classlib::OleVariant GetItemImageCallback(TzidRibbonEngine &Ribbon, IRibbonControl *Control, int Index);

} // namespace framework
