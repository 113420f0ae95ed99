// The state of a host's command bars, without COM: bars, their controls, popups' own bars, and the
// rules Office applies when a program adds, finds, moves, copies, deletes or resets them, or when the
// host restarts. The COM objects (CommandBarsObject and friends) are thin views of these.
//
// Errors are thrown as classlib::EOleSysError with the HRESULT Office gives for the same mistake:
// E_INVALIDARG for an argument Office refuses, E_FAIL for an operation Office refuses in the current
// state (deleting a built-in bar, an item list on an edit box, ...).
#pragma once
#include <windows.h>

#include <ocidl.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "classlib/ComPtr.h"

namespace hostsim {

struct ControlModel;
struct BarModel;
using ControlRef = std::shared_ptr<ControlModel>;
using BarRef = std::shared_ptr<BarModel>;

// Office's numbering of control types, bar types and bar positions.
namespace msoControl {
constexpr long Custom = 0, Button = 1, Edit = 2, Dropdown = 3, ComboBox = 4, Popup = 10;
}
namespace msoBarType {
constexpr long Normal = 0, MenuBar = 1, Popup = 2;
}
namespace msoBarPos {
constexpr long Left = 0, Top = 1, Right = 2, Bottom = 3, Floating = 4, Popup = 5, MenuBar = 6;
}
// The Id of every control a program makes itself.
constexpr long CustomControlId = 1;

bool IsListType(long type);

// What a program (or the user) can change on a control; Reset of a built-in control restores it.
struct ControlProps {
    std::wstring caption, tag, onAction, tooltipText, descriptionText, helpFile, parameter;
    bool enabled = true, visible = true, beginGroup = false;
    long helpContextId = 0, priority = 3, width = 23, height = 22, oleUsage = 0;
    // Buttons.
    std::wstring shortcutText;
    long faceId = 0, state = 0, style = 0, hyperlinkType = 0;
    classlib::ComPtr<IPictureDisp> picture, mask; // a face set by Picture/Mask or PasteFace
    // Edit boxes, drop-down lists and combo boxes.
    std::vector<std::wstring> items;
    std::wstring text;
    long listIndex = 0, listHeaderCount = -1, comboStyle = 0, dropDownLines = 0, dropDownWidth = 0;
    // Popups.
    long oleMenuGroup = -1;
};

// One built-in control as the host makes it at first start (and on Reset).
struct BuiltInControl {
    long id;
    long type;
    std::wstring caption;
    std::vector<BuiltInControl> children; // popups only
};

// One built-in bar as the host makes it at first start.
struct BuiltInBar {
    std::wstring name;
    long position;
    long type;
    bool visible;
    long id;
    std::vector<BuiltInControl> controls;
};

struct ControlModel {
    long type = msoControl::Button;
    long id = CustomControlId;
    bool builtIn = false;   // made from the host's catalogue (also when added by its Id)
    bool temporary = false; // vanishes when the host restarts
    bool alive = true;      // false once deleted (its COM objects then fail)
    ControlProps props;
    ControlProps defaults; // what Reset restores on a built-in control
    std::weak_ptr<BarModel> parent;
    BarRef subBar; // the popup's own bar
    long instanceId = 0;

    // A built-in control whose OnAction was pointed elsewhere no longer counts as built in.
    bool BuiltIn() const { return builtIn && props.onAction.empty(); }
    // The face the button had when the host made it.
    bool HasBuiltInFace() const { return builtIn && !props.picture && props.faceId == defaults.faceId; }
    BarRef Parent() const { return parent.lock(); }
    long Index() const; // 1-based position in its bar; 0 once removed
};

struct BarModel {
    std::wstring name, nameLocal, context;
    long type = msoBarType::Normal;
    long position = msoBarPos::Floating;
    long protection = 0;
    long left = 0, top = 0, rowIndex = 1, width = 200, height = 26, id = 1;
    bool builtIn = false, temporary = false, enabled = true, visible = false, adaptiveMenu = false;
    bool alive = true;
    std::vector<ControlRef> controls;
    std::weak_ptr<ControlModel> popupOwner;                  // set on a popup's own bar
    std::vector<BuiltInControl> catalogue;                   // what Reset restores on a built-in bar
    std::vector<std::pair<long, ControlRef>> sessionDeleted; // Delete(Temporary:=True): back after restart

    // A bar that the user sees: its own Visible, and for a popup's bar never (no menu is open here).
    bool Shown() const { return alive && visible && enabled && popupOwner.expired(); }
};

// Search criteria of FindControl; an empty member is a missing argument.
struct ControlQuery {
    std::optional<long> type = std::nullopt, id = std::nullopt;
    std::optional<std::wstring> tag = std::nullopt;
    bool visibleOnly = false;
};

// The command bars of one host window (an Outlook explorer or inspector) or host (Word).
class CommandBarSet {
public:
    explicit CommandBarSet(const std::vector<BuiltInBar> &catalogue);

    // How the call log names this set's bars ("CommandBars(Standard)"): its CommandBars object's name.
    const std::wstring &Label() const noexcept { return label_; }
    void SetLabel(std::wstring label) { label_ = std::move(label); }

    // The bars in the collection's order (popups' own bars are not in it).
    const std::vector<BarRef> &Bars() const { return bars_; }
    BarRef ItemByIndex(long index) const;              // 1-based; E_INVALIDARG out of range
    BarRef ItemByName(const std::wstring &name) const; // Name or NameLocal, any case; E_INVALIDARG
    BarRef FindBar(const std::wstring &name) const;    // as ItemByName, null when there is none
    long IndexOf(const BarModel &bar) const;           // 1-based; 0 when not in the collection
    BarRef ActiveMenuBar() const;

    // CommandBars.Add: a missing name becomes "Custom N"; a name in use, and positions Office does
    // not offer on this platform, are refused.
    BarRef AddBar(const std::optional<std::wstring> &name, std::optional<long> position, bool menuBar,
                  bool temporary);
    void DeleteBar(BarRef bar);
    void ResetBar(const BarRef &bar);

    // Bar properties Office guards: built-in bars keep their names and names stay unique; a disabled
    // bar is hidden and cannot be shown; a popup bar is never shown as a toolbar and keeps its
    // position; row 0 is the first row and -1 a new last one.
    void SetBarName(const BarRef &bar, const std::wstring &name);
    void SetBarEnabled(const BarRef &bar, bool enabled);
    void SetBarVisible(const BarRef &bar, bool visible);
    void SetBarPosition(const BarRef &bar, long position);
    void SetBarProtection(const BarRef &bar, long protection);
    void SetBarRowIndex(const BarRef &bar, long rowIndex);

    // CommandBars.FindControl (every bar, into popups) and CommandBar.FindControl.
    ControlRef FindControl(const ControlQuery &query) const;
    ControlRef FindControl(const BarModel &bar, const ControlQuery &query, bool recursive) const;

    // Mutators take their bar or control by value: callers may pass an element of the very list
    // the operation changes.

    // Controls.Add: type defaults to a button; an Id other than 1 adds that built-in control; before
    // is 1-based (missing = at the end).
    ControlRef AddControl(const BarRef &bar, std::optional<long> type, std::optional<long> id,
                          const std::optional<std::wstring> &parameter, std::optional<long> before,
                          bool temporary);
    void DeleteControl(ControlRef control, bool temporary);
    ControlRef MoveControl(ControlRef control, const BarRef &toBar, std::optional<long> before);
    ControlRef CopyControl(ControlRef control, const BarRef &toBar, std::optional<long> before);
    void ResetControl(ControlRef control);

    // The host closes and starts again: temporary bars and controls are gone, controls deleted for
    // the session come back, everything else keeps its state. Generation() counts the restarts.
    void Restart();
    unsigned Generation() const { return generation_; }
    // The bars become those given (copies of an earlier state, made by a host that keeps its bars in
    // files, as Word does in its templates); meant to be followed by Restart.
    void ReplaceBars(std::vector<BarRef> bars) { bars_ = std::move(bars); }

    // The user removes a control in the customisation dialog (refused on a bar protected against
    // customisation).
    void UserDeleteControl(ControlRef control);

    // A control or bar made from the catalogue, for tests that need one outside a set.
    ControlRef MakeBuiltInControl(const BuiltInControl &entry, const BarRef &parent, bool temporary);

private:
    ControlRef MakeControl(long type, long id, const BarRef &parent, bool temporary);
    BarRef MakeSubBar(const ControlRef &popup);
    void Insert(const BarRef &bar, const ControlRef &control, std::optional<long> before);
    static void Remove(const ControlRef &control);
    static void Kill(const ControlRef &control);
    static void SetAlive(const ControlRef &control, bool alive); // deleted for the session, or back
    static void KillBar(const BarRef &bar);
    void FillFromCatalogue(const BarRef &bar, const std::vector<BuiltInControl> &entries, bool temporary);
    ControlRef CloneInto(const ControlRef &source, const BarRef &toBar, std::optional<long> before);
    static void PurgeTemporary(const BarRef &bar);
    static void RestoreSessionDeleted(const BarRef &bar);
    void CheckBar(const BarRef &bar) const;
    static void CheckControl(const ControlRef &control);
    bool NameInUse(const std::wstring &name, const BarModel *except) const;

    std::wstring label_ = L"CommandBars";
    std::vector<BarRef> bars_;
    long nextInstanceId_ = 1;
    unsigned generation_ = 0;
};

// Walks a bar's controls depth first (a popup's children right after the popup); stops when visit
// returns false.
bool ForEachControl(const BarModel &bar, const std::function<bool(const ControlRef &)> &visit);

// The same caption as a user reads it: without the accelerator ampersands, any case.
bool SameCaption(const std::wstring &a, const std::wstring &b);

} // namespace hostsim
