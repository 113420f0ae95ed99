// Outlook's windows: explorers (folder views) and inspectors (item windows), their collections and
// an explorer's selection.
//
// Explorers and inspectors answer IOleWindow: GetWindow gives each its own hidden window (see
// SimWindow). They offer the window event interfaces of their version: ExplorerEvents /
// InspectorEvents (2000) always, ExplorerEvents_10 / InspectorEvents_10 from version 10. Their
// members Close, Activate and CurrentFolder go through the host (OutlookHost), which raises the
// events; each window's CommandBars is whatever the command-bar simulation put there (Nothing until
// then).
#pragma once
#include <memory>
#include <string>
#include <vector>

#include <oleidl.h>

#include "classlib/ComPtr.h"
#include "hostsim/OutlookTypes.h"
#include "hostsim/SimDispatch.h"
#include "hostsim/SimWindow.h"

namespace hostsim {

// IOleWindow and the command-bar slot, shared by explorers and inspectors.
class SimOutlookWindow : public SimDispObject<IOleWindow> {
public:
    HWND Handle() const noexcept { return window_ ? window_->Handle() : nullptr; } // null once closed
    const std::wstring &Caption() const noexcept { return caption_; }
    void SetCaption(const std::wstring &caption);
    void SetCommandBars(IUnknown *commandBars) { commandBars_.CopyFrom(commandBars); }
    IUnknown *CommandBars() const noexcept { return commandBars_.Get(); }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND *window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;

protected:
    SimOutlookWindow(SimWorld &world, OutlookHost &host, const std::wstring &name, REFIID diid, REFIID events,
                     REFIID events10, const std::wstring &caption);
    void OnDisconnect() noexcept override;

    OutlookHost *host_;

private:
    std::unique_ptr<SimWindow> window_; // destroyed when the window closes
    std::wstring caption_;
    classlib::ComPtr<IUnknown> commandBars_;
};

class SimOutlookExplorer : public SimOutlookWindow {
public:
    SimOutlookExplorer(SimWorld &world, OutlookHost &host, const std::wstring &name,
                       SimOutlookFolder *folder);

    SimOutlookFolder *CurrentFolder() const noexcept { return folder_; }
    const std::wstring &CurrentView() const noexcept { return view_; }
    const std::vector<SimOutlookItem *> &Selection() const noexcept { return selection_; }

private:
    friend class OutlookHost;
    void OnDisconnect() noexcept override;

    SimOutlookFolder *folder_;
    std::wstring view_ = L"Messages";
    std::vector<SimOutlookItem *> selection_;
};

class SimOutlookInspector : public SimOutlookWindow {
public:
    SimOutlookInspector(SimWorld &world, OutlookHost &host, const std::wstring &name, SimOutlookItem *item);

    SimOutlookItem *CurrentItem() const noexcept { return item_; }
    // Outlook's Next Item and Previous Item: the window shows another item and stays open.
    void ShowItem(SimOutlookItem *item);

private:
    void OnDisconnect() noexcept override;

    SimOutlookItem *item_;
};

// Explorers and Inspectors: Count and Item(1..Count) in the order the windows were opened;
// NewExplorer / NewInspector come from here.
class SimOutlookWindows : public SimDispObject<> {
public:
    SimOutlookWindows(SimWorld &world, const std::wstring &name, REFIID diid, REFIID events);

    const std::vector<SimOutlookWindow *> &Windows() const noexcept { return windows_; }

private:
    friend class OutlookHost;
    void OnDisconnect() noexcept override { windows_.clear(); }

    std::vector<SimOutlookWindow *> windows_;
};

// What an explorer's Selection property answers: the items selected when it was read.
class SimOutlookSelection : public SimDispObject<> {
public:
    SimOutlookSelection(SimWorld &world, std::vector<SimOutlookItem *> items);

private:
    void OnDisconnect() noexcept override { items_.clear(); }

    std::vector<SimOutlookItem *> items_;
};

} // namespace hostsim
