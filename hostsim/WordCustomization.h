// What Word keeps of its command bars between sessions, and where, for tests that play a user's Word
// across restarts.
//
// Word keeps permanent bars and controls in a template: a bar belongs to the template that was the
// Application's CustomizationContext when it was added (its Context), and every change of a permanent
// bar or control marks the customization context's template as changed (Saved = False), also when
// the value written is the one the bar already had. At quit Word offers to save the changed
// templates: the bars as saved are what the next session starts with. Templates other than the
// normal one are saved and discarded together with it.
//
// A change is a successful property write (a call with arguments, but for the look-ups FindControl,
// FindControls and Item, a list's List read, the accessibility members and the advice of event
// sinks) or one of Delete, Reset, Clear and PasteFace, on a bar or control that is not temporary;
// CommandBars.Add and Controls.Add count unless they make a temporary one.
#pragma once
#include <string>
#include <vector>

#include "hostsim/CommandBarModel.h"

namespace hostsim {

class WordHost;
class CommandBarsObject;
class SimObject;

class WordCustomization {
public:
    // Follows the calls on word's command bars (the CommandBars attached to it) from now on; the bars
    // as they are now count as saved.
    WordCustomization(WordHost &word, CommandBarsObject &bars);
    ~WordCustomization();
    WordCustomization(const WordCustomization &) = delete;
    WordCustomization &operator=(const WordCustomization &) = delete;

    // What becomes of the normal template when Word quits.
    enum class AtQuit {
        Save,        // the user saves the changed templates
        DontSave,    // the user declines (or Word is killed, or Normal.dot is read-only)
        FreshNormal, // Normal.dot is gone (the user reset it): Word starts with its own bars only
    };
    // Word quits and starts again (the add-in must have been disconnected): the bars become those of
    // the templates as AtQuit leaves them, temporary ones go (CommandBarsObject::Restart), every
    // template counts as saved.
    void Restart(AtQuit What);
    // The user deletes a bar of its name in the Customize dialog (a built-in bar is refused); the
    // customization context's template is changed.
    void UserDeleteBar(const std::wstring &Name);

private:
    void Observe(SimObject &Object, const std::wstring &Member, const std::wstring &Args);
    void Changed();

    WordHost &word_;
    CommandBarsObject &bars_;
    std::vector<BarRef> saved_; // the bars as the templates hold them
    std::vector<BarRef> fresh_; // Word's own bars, as a new normal template has them
};

// A copy of bars that shares nothing with them (controls, popups' bars and the links between them).
std::vector<BarRef> CopyBars(const std::vector<BarRef> &Bars);

} // namespace hostsim
