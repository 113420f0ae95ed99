// _CustomTaskPane: a custom task pane of a simulated host window, source of _CustomTaskPaneEvents.
//
// Office's rules: a new pane is hidden and docked right; Height can be set only while the pane docks
// at the top or bottom or floats, Width only while it docks left or right or floats; the dock
// restriction holds for programs and users alike (NoChange: no move at all; NoHorizontal: not to the
// top or bottom; NoVertical: not to the left or right). VisibleStateChange and
// DockPositionStateChange follow every actual change, whether a program or the user made it. After
// Delete every call fails with E_FAIL.
#pragma once
#include <windows.h>

#include <string>

#include "classlib/ComPtr.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class TaskPaneObject : public SimDualObject<_CustomTaskPane> {
public:
    TaskPaneObject(SimWorld &world, std::wstring title, IDispatch *application, IDispatch *window,
                   IDispatch *content);

    bool Deleted() const noexcept { return deleted_; }
    bool Visible() const noexcept { return visible_; }
    long DockPosition() const noexcept { return dock_; }
    IDispatch *Window() const noexcept { return window_.Get(); }

    // The user closes or shows the pane, or drags it to another side (refused as the restriction
    // says, E_FAIL).
    void UserSetVisible(bool visible);
    void UserDock(long position);

    STDMETHODIMP get_Title(BSTR *out) override;
    STDMETHODIMP get_Application(IDispatch **out) override;
    STDMETHODIMP get_Window(IDispatch **out) override;
    STDMETHODIMP get_Visible(VARIANT_BOOL *out) override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) override;
    STDMETHODIMP get_ContentControl(IDispatch **out) override;
    STDMETHODIMP get_Height(long *out) override;
    STDMETHODIMP put_Height(long value) override;
    STDMETHODIMP get_Width(long *out) override;
    STDMETHODIMP put_Width(long value) override;
    STDMETHODIMP get_DockPosition(MsoCTPDockPosition *out) override;
    STDMETHODIMP put_DockPosition(MsoCTPDockPosition value) override;
    STDMETHODIMP get_DockPositionRestrict(MsoCTPDockPositionRestrict *out) override;
    STDMETHODIMP put_DockPositionRestrict(MsoCTPDockPositionRestrict value) override;
    STDMETHODIMP Delete() override;

protected:
    void OnDisconnect() noexcept override;

private:
    template <class Body> HRESULT Run(const wchar_t *member, const std::wstring &args, Body &&body) noexcept;
    void CheckAlive() const;
    void SetVisible(bool visible);
    void Dock(long position);

    std::wstring title_;
    classlib::ComPtr<IDispatch> application_, window_, content_;
    bool visible_ = false, deleted_ = false;
    long dock_ = msoCTPDockPositionRight, restrict_ = msoCTPDockPositionRestrictNone;
    long width_ = 200, height_ = 150;
};

} // namespace hostsim
