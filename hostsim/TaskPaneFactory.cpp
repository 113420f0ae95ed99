#include "hostsim/TaskPaneFactory.h"

#include "classlib/Exceptions.h"
#include "classlib/OleString.h"
#include "hostsim/CommandBarCall.h"
#include "hostsim/TaskPaneContent.h"
#include "hostsim/TaskPaneObject.h"

using classlib::EOleSysError;

namespace hostsim {

using namespace call;

TaskPaneFactory::TaskPaneFactory(SimWorld &world, IDispatch *application, IDispatch *activeWindow)
    : SimDualObject(world, L"CTPFactory"), application_(classlib::ComPtr<IDispatch>::Copy(application)),
      activeWindow_(classlib::ComPtr<IDispatch>::Copy(activeWindow)) {}

void TaskPaneFactory::OnDisconnect() noexcept {
    application_ = nullptr;
    activeWindow_ = nullptr;
    panes_.clear();
}

std::vector<TaskPaneObject *> TaskPaneFactory::Panes() const {
    std::vector<TaskPaneObject *> live;
    for (TaskPaneObject *pane : panes_)
        if (!pane->Deleted())
            live.push_back(pane);
    return live;
}

HRESULT TaskPaneFactory::CreateCTP(BSTR progId, BSTR title, VARIANT parentWindow, _CustomTaskPane **out) {
    Clear(out);
    return Call(L"CreateCTP", Join(Text(progId), Text(title), Arg(parentWindow)), [&] {
        CheckOut(out);
        std::wstring id = classlib::BStrToString(progId);
        if (!allowed_.contains(id)) {
            CLSID clsid;
            HRESULT hr = CLSIDFromProgID(id.c_str(), &clsid);
            if (FAILED(hr))
                throw EOleSysError(L"The control \"" + id + L"\" cannot be created", hr);
        }
        classlib::ComPtr<IDispatch> window = activeWindow_;
        if (IUnknown *given = OptObject(parentWindow)) {
            window = nullptr;
            if (FAILED(given->QueryInterface(IID_IDispatch, window.PutVoid())))
                throw EOleSysError(L"The parent window must be an automation object", DISP_E_TYPEMISMATCH);
        }
        SimWorld &world = *World();
        auto *content = world.Create<TaskPaneContent>(id);
        auto *pane = world.Create<TaskPaneObject>(classlib::BStrToString(title), application_.Get(),
                                                  window.Get(), static_cast<IDispatch *>(content));
        for (const auto &[member, hr] : newPaneFaults_)
            pane->FailAlways(member, hr);
        panes_.push_back(pane);
        SetOut<_CustomTaskPane>(out, pane);
    });
}

} // namespace hostsim
