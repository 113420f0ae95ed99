#include "hostsim/WordApplication.h"

#include "hostsim/WordHost.h"
#include "office/office.h"

namespace hostsim {

using classlib::ComPtr;
using classlib::OleVariant;

namespace {

[[noreturn]] void NoDocument() {
    throw classlib::EOleSysError(L"This command is not available because no document is open.", E_FAIL);
}

} // namespace

SimWordApplication::SimWordApplication(SimWorld &world, WordHost &host)
    : SimDispObject(world, L"Application", DIID_WordApplication), host_(&host) {
    Events().Add(DIID_WordApplicationEvents2);
    if (host.MajorVersion() >= 10)
        Events().Add(DIID_WordApplicationEvents3);
    if (host.MajorVersion() >= 11)
        Events().Add(DIID_WordApplicationEvents4);

    OnGet(L"Documents", [this] { return DispatchOf(&host_->Documents()); });
    OnGet(L"Windows", [this] { return DispatchOf(&host_->Windows()); });
    OnGet(L"ActiveDocument", [this] {
        if (host_->ActiveDocument() == nullptr)
            NoDocument();
        return DispatchOf(host_->ActiveDocument());
    });
    OnGet(L"ActiveWindow", [this] {
        if (host_->ActiveWindow() == nullptr)
            NoDocument();
        return DispatchOf(host_->ActiveWindow());
    });
    OnGet(L"NormalTemplate", [this] { return DispatchOf(host_->NormalTemplate()); });
    OnGet(L"Version", [this] { return OleVariant(host_->Version()); });
    OnGet(L"CommandBars", [this] {
        ComPtr<IDispatch> dispatch =
            ComPtr<IUnknown>::Copy(host_->CommandBars()).TryAs<IDispatch>(IID_IDispatch);
        return OleVariant(dispatch.Get());
    });
    OnGet(L"Templates", [this] { return DispatchOf(&host_->Templates()); });
    // Word's customizations go to the normal template until a program names another.
    OnGet(L"CustomizationContext", [this] {
        return customizationContext_ ? OleVariant(customizationContext_.Get())
                                     : DispatchOf(host_->NormalTemplate());
    });
    OnPut(L"CustomizationContext",
          [this](const OleVariant &value) { customizationContext_ = value.ToDispatch(); });
    // SaveChanges, OriginalFormat and RouteDocument: nothing is stored, so nothing to save.
    OnMethod(L"Quit", [this](DispArgs &) {
        host_->Quit();
        return OleVariant();
    });
    OnMethod(L"OrganizerDelete", [this](DispArgs &args) {
        host_->organizerDeletes_.push_back(args.String(0) + L"|" + args.String(1) + L"|" +
                                           std::to_wstring(args.Int(2)));
        // The template the item left now differs from its file.
        for (SimObject *entry : host_->Templates().Entries())
            if (auto *source = static_cast<SimWordTemplate *>(entry); source->FullName() == args.String(0))
                source->SetSaved(false);
        return OleVariant();
    });
    if (host.MajorVersion() >= 10) {
        OnGet(L"ShowWindowsInTaskbar", [this] { return OleVariant(host_->ShowWindowsInTaskbar()); });
        OnPut(L"ShowWindowsInTaskbar",
              [this](const OleVariant &value) { host_->SetShowWindowsInTaskbar(value.ToBool()); });
    }
}

void SimWordApplication::OnDisconnect() noexcept {
    host_ = nullptr;
    customizationContext_.Reset();
}

} // namespace hostsim
