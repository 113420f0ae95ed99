// What the window handlers share: the command bars of a host window and the placing of one of the
// module's bars into the window whose bars the module holds.
#pragma once
#include <oaidl.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "classlib/ComPtr.h"
#include "framework/core/DeferredFree.h"
#include "office/office.h"

namespace framework {

class TzidCOMAddInModule;
class TzidCustomCommandBar;

// Object's CommandBars (read late-bound by Name) as Office's CommandBars; null, traced, when the
// object has none or refuses.
classlib::ComPtr<_CommandBars> CommandBarsOf(IDispatch *Object, const std::wstring &Name = L"CommandBars");
// The same for an object already read (an Outlook window's CommandBars).
classlib::ComPtr<_CommandBars> AsCommandBars(const classlib::ComPtr<IDispatch> &Bars);
// The Office bar of Bar's name in the module's CommandBars is re-bound with its controls, or the bar
// is built when there is none; a failure goes to the module's DoError. Nothing happens once an
// uninstall has taken the module's bars out of the host (UninstalledMeanwhile).
void PlaceBar(TzidCOMAddInModule &Module, TzidCustomCommandBar &Bar);

// Whether the wrapper list holds Wrapper (a wrapper's handler may run after its window was dropped).
template <class W> bool ListHolds(const std::vector<std::unique_ptr<W>> &List, const W *Wrapper) {
    return std::any_of(List.begin(), List.end(), [&](const auto &w) { return w.get() == Wrapper; });
}

// Takes Wrapper out of the list and stops its events; it is freed once the event calls on the stack
// (its own close event among them) have returned.
template <class W> void DropFromList(std::vector<std::unique_ptr<W>> &List, W *Wrapper) {
    auto it = std::find_if(List.begin(), List.end(), [&](const auto &w) { return w.get() == Wrapper; });
    if (it == List.end())
        return;
    std::unique_ptr<W> wrapper = std::move(*it);
    List.erase(it);
    wrapper->Disconnect();
    FreeAfterCall(std::move(wrapper));
}

// Marks an Outlook window activation that builds bars (WindowActivationBusy): building them may
// activate a window again, and that activation is not handled inside this one.
class TzidActivationScope {
public:
    TzidActivationScope() noexcept;
    ~TzidActivationScope();
    TzidActivationScope(const TzidActivationScope &) = delete;
    TzidActivationScope &operator=(const TzidActivationScope &) = delete;
};

// The module's bars that one Outlook window holds, each with the Office bar it was bound to there:
// when the window closes, only the bars still bound to that window's Office bars are unbound (a bar
// that has moved on to another window keeps its binding).
class TzidWindowBars {
public:
    // Adds Bar (once), not yet bound in the window.
    void Add(TzidCustomCommandBar &Bar);
    // Adds Bar (once) and records the Office bar it is bound to now.
    void Record(TzidCustomCommandBar &Bar);
    bool Holds(const TzidCustomCommandBar *Bar) const;
    // Forgets Bar (a bar that is being freed).
    void Remove(const TzidCustomCommandBar *Bar);
    size_t Count() const noexcept { return bars_.size(); }
    TzidCustomCommandBar *Bar(size_t Index) const { return bars_[Index].first; }
    // Unbinds the bars still bound in this window and forgets every Office bar.
    void UnbindFromWindow();

private:
    std::vector<std::pair<TzidCustomCommandBar *, classlib::ComPtr<CommandBar>>> bars_;
};

} // namespace framework
