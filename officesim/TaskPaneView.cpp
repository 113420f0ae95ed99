#include "officesim/TaskPaneView.h"

#include <algorithm>

#include "classlib/OleString.h"
#include "hostsim/TaskPaneObject.h"

namespace officesim {

namespace {

const wchar_t *Side(long dock) {
    switch (dock) {
    case msoCTPDockPositionLeft:
        return L"docked left";
    case msoCTPDockPositionTop:
        return L"docked at the top";
    case msoCTPDockPositionRight:
        return L"docked right";
    case msoCTPDockPositionBottom:
        return L"docked at the bottom";
    default:
        return L"floating";
    }
}

std::wstring WindowName(IDispatch *window, const std::vector<HostWindow> &windows) {
    hostsim::SimObject *object = window ? hostsim::SimObject::FromUnknown(window) : nullptr;
    for (const HostWindow &candidate : windows)
        if (object != nullptr && hostsim::SimObject::FromUnknown(candidate.object) == object)
            return candidate.name;
    return L"no window of the host";
}

} // namespace

void TaskPaneView::Report(const std::vector<HostWindow> &windows, Transcript &transcript) {
    for (auto it = seen_.begin(); it != seen_.end();) {
        const std::wstring name = L"task pane " + Quoted(it->title);
        if (it->pane->Deleted()) {
            transcript.Line(name + L" of " + it->window + L" deleted");
            it = seen_.erase(it);
            continue;
        }
        if (it->pane->Visible() != it->visible) {
            it->visible = it->pane->Visible();
            transcript.Line(name + L" in " + it->window + (it->visible ? L" shown" : L" hidden"));
        }
        ++it;
    }
    for (hostsim::TaskPaneObject *pane : factory_.Panes()) {
        if (std::any_of(seen_.begin(), seen_.end(), [pane](const Seen &seen) { return seen.pane == pane; }))
            continue;
        classlib::TBStr title;

        const bool titled = SUCCEEDED(pane->get_Title(title.Put())) && title.Get() != nullptr;
        Seen seen{pane, titled ? title.Get() : L"(no title)", WindowName(pane->Window(), windows),
                  pane->Visible()};
        transcript.Line(L"task pane " + Quoted(seen.title) + L" created in " + seen.window + L" (" +
                        (seen.visible ? L"visible, " : L"hidden, ") + Side(pane->DockPosition()) + L")");
        seen_.push_back(std::move(seen));
    }
}

} // namespace officesim
