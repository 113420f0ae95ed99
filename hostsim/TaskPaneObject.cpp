#include "hostsim/TaskPaneObject.h"

#include "classlib/Exceptions.h"
#include "hostsim/CommandBarCall.h"
#include "hostsim/SimConnectionPoints.h"

using classlib::EOleSysError;

namespace hostsim {

using namespace call;

namespace {

bool DocksSideways(long position) {
    return position == msoCTPDockPositionLeft || position == msoCTPDockPositionRight;
}
bool DocksAcross(long position) {
    return position == msoCTPDockPositionTop || position == msoCTPDockPositionBottom;
}

} // namespace

TaskPaneObject::TaskPaneObject(SimWorld &world, std::wstring title, IDispatch *application, IDispatch *window,
                               IDispatch *content)
    : SimDualObject(world, L"TaskPane(" + title + L")"), title_(std::move(title)),
      application_(classlib::ComPtr<IDispatch>::Copy(application)),
      window_(classlib::ComPtr<IDispatch>::Copy(window)),
      content_(classlib::ComPtr<IDispatch>::Copy(content)) {
    Events().Add(DIID__CustomTaskPaneEvents);
}

void TaskPaneObject::OnDisconnect() noexcept {
    application_ = nullptr;
    window_ = nullptr;
    content_ = nullptr;
}

template <class Body>
HRESULT TaskPaneObject::Run(const wchar_t *member, const std::wstring &args, Body &&body) noexcept {
    return Call(member, args, [&] {
        CheckAlive();
        return body();
    });
}

void TaskPaneObject::CheckAlive() const {
    if (deleted_)
        throw EOleSysError(L"The task pane has been deleted", E_FAIL);
}

void TaskPaneObject::SetVisible(bool visible) {
    if (visible == visible_)
        return;
    visible_ = visible;
    Events().Fire(DIID__CustomTaskPaneEvents, 1, {EventArg(this)});
}

void TaskPaneObject::Dock(long position) {
    if (position < msoCTPDockPositionLeft || position > msoCTPDockPositionFloating)
        throw EOleSysError(L"The dock position " + std::to_wstring(position) + L" is not valid",
                           E_INVALIDARG);
    if (position == dock_)
        return;
    if (restrict_ == msoCTPDockPositionRestrictNoChange ||
        (restrict_ == msoCTPDockPositionRestrictNoHorizontal && DocksAcross(position)) ||
        (restrict_ == msoCTPDockPositionRestrictNoVertical && DocksSideways(position)))
        throw EOleSysError(L"The task pane's dock restriction does not allow this position", E_FAIL);
    dock_ = position;
    Events().Fire(DIID__CustomTaskPaneEvents, 2, {EventArg(this)});
}

void TaskPaneObject::UserSetVisible(bool visible) {
    Log().Record(L"User", L"ShowTaskPane", Name() + (visible ? L", True" : L", False"));
    CheckAlive();
    SetVisible(visible);
}

void TaskPaneObject::UserDock(long position) {
    Log().Record(L"User", L"DockTaskPane", Name() + L", " + std::to_wstring(position));
    CheckAlive();
    Dock(position);
}

HRESULT TaskPaneObject::get_Title(BSTR *out) {
    return Run(L"Title", {}, [&] { SetOut(out, title_); });
}

HRESULT TaskPaneObject::get_Application(IDispatch **out) {
    Clear(out);
    return Run(L"Application", {}, [&] { SetOut(out, application_.Get()); });
}

HRESULT TaskPaneObject::get_Window(IDispatch **out) {
    Clear(out);
    return Run(L"Window", {}, [&] { SetOut(out, window_.Get()); });
}

HRESULT TaskPaneObject::get_Visible(VARIANT_BOOL *out) {
    return Run(L"Visible", {}, [&] { SetOut(out, visible_); });
}

HRESULT TaskPaneObject::put_Visible(VARIANT_BOOL value) {
    return Run(L"Visible", Flag(value), [&] { SetVisible(value != VARIANT_FALSE); });
}

HRESULT TaskPaneObject::get_ContentControl(IDispatch **out) {
    Clear(out);
    return Run(L"ContentControl", {}, [&] { SetOut(out, content_.Get()); });
}

HRESULT TaskPaneObject::get_Height(long *out) {
    return Run(L"Height", {}, [&] { *Out(out) = height_; });
}

HRESULT TaskPaneObject::put_Height(long value) {
    return Run(L"Height", Number(value), [&] {
        if (DocksSideways(dock_))
            throw EOleSysError(L"The height of a pane docked left or right is the window's", E_FAIL);
        if (value < 0)
            throw EOleSysError(L"A height cannot be negative", E_INVALIDARG);
        height_ = value;
    });
}

HRESULT TaskPaneObject::get_Width(long *out) {
    return Run(L"Width", {}, [&] { *Out(out) = width_; });
}

HRESULT TaskPaneObject::put_Width(long value) {
    return Run(L"Width", Number(value), [&] {
        if (DocksAcross(dock_))
            throw EOleSysError(L"The width of a pane docked at the top or bottom is the window's", E_FAIL);
        if (value < 0)
            throw EOleSysError(L"A width cannot be negative", E_INVALIDARG);
        width_ = value;
    });
}

HRESULT TaskPaneObject::get_DockPosition(MsoCTPDockPosition *out) {
    return Run(L"DockPosition", {}, [&] { *Out(out) = static_cast<MsoCTPDockPosition>(dock_); });
}

HRESULT TaskPaneObject::put_DockPosition(MsoCTPDockPosition value) {
    return Run(L"DockPosition", Number(value), [&] { Dock(value); });
}

HRESULT TaskPaneObject::get_DockPositionRestrict(MsoCTPDockPositionRestrict *out) {
    return Run(L"DockPositionRestrict", {},
               [&] { *Out(out) = static_cast<MsoCTPDockPositionRestrict>(restrict_); });
}

HRESULT TaskPaneObject::put_DockPositionRestrict(MsoCTPDockPositionRestrict value) {
    return Run(L"DockPositionRestrict", Number(value), [&] {
        if (value < msoCTPDockPositionRestrictNone || value > msoCTPDockPositionRestrictNoVertical)
            throw EOleSysError(L"The dock restriction " + std::to_wstring(value) + L" is not valid",
                               E_INVALIDARG);
        restrict_ = value;
    });
}

HRESULT TaskPaneObject::Delete() {
    return Run(L"Delete", {}, [&] {
        deleted_ = true;
        visible_ = false;
        content_ = nullptr;
    });
}

} // namespace hostsim
