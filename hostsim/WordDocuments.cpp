#include "hostsim/WordDocuments.h"

#include "hostsim/WordHost.h"
#include "office/office.h"

namespace hostsim {

using classlib::ComPtr;
using classlib::OleVariant;

SimWordInlineShapes::SimWordInlineShapes(SimWorld &world) : SimDispObject(world, L"InlineShapes", IID_NULL) {
    OnExtra(1, L"Count", DISPATCH_PROPERTYGET, {}, 0, [](DispArgs &) { return OleVariant(0L); });
}

SimWordDocument::SimWordDocument(SimWorld &world, WordHost &host, const std::wstring &name,
                                 const std::wstring &fullName)
    : SimDispObject(world, name, DIID_WordDocument), host_(&host), name_(name), fullName_(fullName) {
    OnGet(L"Name", [this] { return OleVariant(name_); });
    OnGet(L"FullName", [this] { return OleVariant(fullName_); });
    OnGet(L"ActiveWindow", [this] { return DispatchOf(window_); });
    OnGet(L"CommandBars", [this] {
        IUnknown *bars = commandBars_ ? commandBars_.Get() : host_->CommandBars();
        ComPtr<IDispatch> dispatch = ComPtr<IUnknown>::Copy(bars).TryAs<IDispatch>(IID_IDispatch);
        return OleVariant(dispatch.Get());
    });
    // Not in the library's Document: reached by name.
    OnExtra(0x7F000001, L"InlineShapes", DISPATCH_PROPERTYGET, {}, 0,
            [this](DispArgs &) { return DispatchOf(inlineShapes_); });
}

void SimWordDocument::OnDisconnect() noexcept {
    host_ = nullptr;
    window_ = nullptr;
    inlineShapes_ = nullptr;
    commandBars_.Reset();
}

SimWordWindow::SimWordWindow(SimWorld &world, const std::wstring &name, SimWordDocument *document)
    : SimDispObject(world, name, DIID_WordWindow), document_(document), caption_(document->DocumentName()) {
    OnGet(L"Caption", [this] { return OleVariant(caption_); });
    OnPut(L"Caption", [this](const OleVariant &value) { caption_ = value.ToString(); });
}

SimWordTemplate::SimWordTemplate(SimWorld &world, const std::wstring &name, const std::wstring &fullName)
    : SimDispObject(world, name, DIID_WordTemplate), templateName_(name), fullName_(fullName) {
    OnGet(L"Name", [this] { return OleVariant(templateName_); });
    OnGet(L"Saved", [this] { return OleVariant(saved_); });
    OnPut(L"Saved", [this](const OleVariant &value) { saved_ = value.ToBool(); });
    OnGet(L"FullName", [this] { return OleVariant(fullName_); });
    OnMethod(L"Save", [this](DispArgs &) {
        saved_ = true;
        ++saves_;
        return OleVariant();
    });
}

SimWordCollection::SimWordCollection(SimWorld &world, WordHost &host, const std::wstring &name, REFIID diid)
    : SimDispObject(world, name, diid), host_(&host) {
    OnGet(L"Count", [this] { return OleVariant(static_cast<long>(entries_.size())); });
    OnMethod(L"Item", [this](DispArgs &args) { return Item(args.Value(0)); });
    if (IsEqualIID(diid, DIID_WordDocuments))
        OnExtra(0x7F000001, L"Add", DISPATCH_METHOD, {VT_VARIANT, VT_VARIANT, VT_VARIANT, VT_VARIANT}, 0,
                [this](DispArgs &) { return DispatchOf(host_->NewDocument()); });
}

OleVariant SimWordCollection::Item(const OleVariant &index) const {
    if (index.Type() == VT_BSTR) {
        std::wstring name = index.ToString();
        for (SimObject *entry : entries_)
            if (_wcsicmp(entry->Name().c_str(), name.c_str()) == 0)
                return DispatchOf(entry);
        throw classlib::EOleSysError(L"The requested member of the collection does not exist.", E_INVALIDARG);
    }
    return DispatchOf(entries_[CollectionIndex(index, entries_.size())]);
}

} // namespace hostsim
