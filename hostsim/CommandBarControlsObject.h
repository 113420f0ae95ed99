// CommandBarControls: the controls of one bar (or of a popup's menu), one object per bar.
#pragma once
#include <windows.h>

#include <memory>

#include "hostsim/CommandBarHost.h"
#include "hostsim/SimDual.h"
#include "office/office.h"

namespace hostsim {

class CommandBarControlsObject : public SimDualObject<CommandBarControls> {
public:
    CommandBarControlsObject(SimWorld &world, std::shared_ptr<CommandBarHost> host, SetRef set, BarRef bar);

    const BarRef &Model() const noexcept { return bar_; }
    unsigned Generation() const noexcept { return generation_; }

    // _IMsoDispObj
    STDMETHODIMP get_Application(IDispatch **out) override;
    STDMETHODIMP get_Creator(long *out) override;

    // CommandBarControls
    STDMETHODIMP Add(VARIANT type, VARIANT id, VARIANT parameter, VARIANT before, VARIANT temporary,
                     CommandBarControl **out) override;
    STDMETHODIMP get_Count(long *out) override;
    // By 1-based index, or by caption (any case, accelerator ampersands ignored).
    STDMETHODIMP get_Item(VARIANT index, CommandBarControl **out) override;
    STDMETHODIMP get__NewEnum(IUnknown **out) override;
    STDMETHODIMP get_Parent(CommandBar **out) override;

protected:
    HRESULT QueryExtra(REFIID riid, void **ppv) noexcept override;
    void OnDisconnect() noexcept override;

private:
    template <class Body> HRESULT Run(const wchar_t *member, const std::wstring &args, Body &&body) noexcept {
        return Call(member, args, [&] { return body(Live()); });
    }
    BarModel &Live() const;
    CommandBarHost &Host() const;

    std::shared_ptr<CommandBarHost> host_;
    SetRef set_;
    BarRef bar_;
    unsigned generation_;
};

} // namespace hostsim
