#include "hostsim/OutlookPropertyPages.h"

#include "hostsim/OutlookFolders.h"
#include "hostsim/OutlookHost.h"

namespace hostsim {

using classlib::OleVariant;

namespace {
constexpr DISPID kOptionsPagesAdd = 0xF005; // of the Application's and the NameSpace's events
} // namespace

SimPropertyPages::SimPropertyPages(SimWorld &world, const std::wstring &name)
    : SimDispObject(world, name, IID_NULL) {
    OnExtra(0x7F000001, L"Count", DISPATCH_PROPERTYGET, {}, 0,
            [this](DispArgs &) { return OleVariant(static_cast<long>(pages_.size())); });
    OnExtra(0x7F000002, L"Item", DISPATCH_METHOD | DISPATCH_PROPERTYGET, {VT_VARIANT}, 1,
            [this](DispArgs &args) {
                return OleVariant(pages_[CollectionIndex(args.Value(0), pages_.size())].title);
            });
    OnExtra(0x7F000003, L"Add", DISPATCH_METHOD, {VT_VARIANT, VT_BSTR}, 1, [this](DispArgs &args) {
        const OleVariant &page = args.Value(0);
        pages_.push_back(
            {page.Var().vt == VT_DISPATCH || page.Var().vt == VT_UNKNOWN ? L"(object)" : page.ToString(),
             args.Has(1) ? args.String(1) : std::wstring()});
        return OleVariant();
    });
    OnExtra(0x7F000004, L"Remove", DISPATCH_METHOD, {VT_VARIANT}, 1, [this](DispArgs &args) {
        pages_.erase(pages_.begin() +
                     static_cast<std::ptrdiff_t>(CollectionIndex(args.Value(0), pages_.size())));
        return OleVariant();
    });
}

SimPropertyPages *OpenOptionsDialog(OutlookHost &host) {
    auto *pages = host.World().Create<SimPropertyPages>(L"OptionsPages");
    host.App().Events().FireAll(kOptionsPagesAdd, {EventArg(pages)});
    return pages;
}

SimPropertyPages *OpenFolderProperties(OutlookHost &host, SimOutlookFolder *folder) {
    auto *pages = host.World().Create<SimPropertyPages>(L"FolderPages");
    host.NameSpace().Events().FireAll(kOptionsPagesAdd, {EventArg(pages), EventArg(folder)});
    return pages;
}

} // namespace hostsim
