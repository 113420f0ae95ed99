// ICTPFactory: the task-pane factory Office hands an add-in through
// ICustomTaskPaneConsumer::CTPFactoryAvailable.
//
// CreateCTP needs a ProgID that can be created: one registered on the machine (CLSIDFromProgID
// finds it) or one a test declared with AllowProgId. The control itself is not created; the pane
// shows a TaskPaneContent placeholder. Any other ProgID fails with CLSIDFromProgID's error, as a
// control that cannot be created makes CreateCTP fail in Office.
#pragma once
#include <windows.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "classlib/ComPtr.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class TaskPaneObject;

class TaskPaneFactory : public SimDualObject<ICTPFactory> {
public:
    // application: the host's Application; activeWindow: the window a pane goes to when CreateCTP
    // names none. Either may be null.
    TaskPaneFactory(SimWorld &world, IDispatch *application, IDispatch *activeWindow);

    void AllowProgId(const std::wstring &progId) { allowed_.insert(progId); }
    void SetActiveWindow(IDispatch *window) { activeWindow_.CopyFrom(window); }
    // Every pane made from now on fails member with hr, as a host that refuses that setting.
    void FailOnNewPanes(const std::wstring &member, HRESULT hr) { newPaneFaults_.push_back({member, hr}); }
    void ClearNewPaneFaults() noexcept { newPaneFaults_.clear(); }
    // The panes made so far that have not been deleted, oldest first.
    std::vector<TaskPaneObject *> Panes() const;

    STDMETHODIMP CreateCTP(BSTR progId, BSTR title, VARIANT parentWindow, _CustomTaskPane **out) override;

protected:
    void OnDisconnect() noexcept override;

private:
    classlib::ComPtr<IDispatch> application_, activeWindow_;
    std::set<std::wstring> allowed_;
    std::vector<TaskPaneObject *> panes_; // held by the world
    std::vector<std::pair<std::wstring, HRESULT>> newPaneFaults_;
};

} // namespace hostsim
