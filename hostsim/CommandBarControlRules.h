// The checks and side effects Office applies when a program sets a control's properties or works on
// a list control's items. Index arguments are 1-based as in Office. Each function throws
// classlib::EOleSysError (E_INVALIDARG for a value Office refuses, E_FAIL for an operation the
// control cannot do) and changes nothing then.
#pragma once
#include <optional>
#include <string>

#include "hostsim/CommandBarModel.h"

namespace hostsim::rules {

// Every control.
void SetPriority(ControlModel &control, long priority); // 0 to 7
void SetSize(long &field, long value);                  // width or height, not negative
void SetOleUsage(ControlModel &control, long usage);    // 0 to 3

// Buttons.
void SetState(ControlModel &control, long state); // up 0, down -1, mixed 2
void SetButtonStyle(ControlModel &control, long style);
void SetHyperlinkType(ControlModel &control, long type);
// A face id replaces a pasted or assigned picture.
void SetFaceId(ControlModel &control, long faceId);
// Only True is accepted: it brings back the face the host gave the button.
void SetBuiltInFace(ControlModel &control, bool builtInFace);
// A picture replaces the face id (which then reads 0); a null picture removes it.
void SetPicture(ControlModel &control, IPictureDisp *picture);
void SetMask(ControlModel &control, IPictureDisp *mask);

// Edit boxes, drop-down lists and combo boxes. An edit box has no list, and the host's own list
// controls keep their items.
void AddItem(ControlModel &control, const std::wstring &text, std::optional<long> index);
void RemoveItem(ControlModel &control, long index);
void ClearItems(ControlModel &control);
const std::wstring &ListItem(const ControlModel &control, long index);
void SetListItem(ControlModel &control, long index, const std::wstring &text);
// Selecting an item shows its text; 0 selects nothing.
void SetListIndex(ControlModel &control, long index);
// Text that equals an item selects it.
void SetText(ControlModel &control, const std::wstring &text);
void SetComboStyle(ControlModel &control, long style);
void SetDropDownLines(ControlModel &control, long lines);
void SetDropDownWidth(ControlModel &control, long width);   // -1 = as wide as the widest item
void SetListHeaderCount(ControlModel &control, long count); // -1 = no separator line

} // namespace hostsim::rules
