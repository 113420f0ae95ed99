#include "hostsim/WordHost.h"

#include <algorithm>
#include <type_traits>

#include "classlib/Exceptions.h"
#include "office/office.h"

namespace hostsim {

namespace {

constexpr DISPID kStartup = 1, kQuit = 2, kDocumentChange = 3, kDocumentOpen = 4, kDocumentBeforeClose = 6,
                 kNewDocument = 9, kWindowActivate = 10, kWindowDeactivate = 11;

// entry converts to the list's pointer type first: a base's address may differ from the object's.
template <class T> void Remove(std::vector<T *> &list, std::type_identity_t<T> *entry) {
    list.erase(std::remove(list.begin(), list.end(), entry), list.end());
}

std::wstring FileNameOf(const std::wstring &path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

} // namespace

WordHost::WordHost(std::wstring version)
    : version_(std::move(version)), major_(MajorVersionOf(version_)), world_(L"Word") {
    app_ = world_.Create<SimWordApplication>(*this);
    documents_ = world_.Create<SimWordCollection>(*this, L"Documents", DIID_WordDocuments);
    windows_ = world_.Create<SimWordCollection>(*this, L"Windows", DIID_WordWindows);
    templates_ = world_.Create<SimWordCollection>(*this, L"Templates", DIID_WordTemplates);
    std::wstring normal = major_ >= 12 ? L"Normal.dotm" : L"Normal.dot";
    normal_ = AddTemplate(normal, L"C:\\Templates\\" + normal);
}

WordHost::~WordHost() {
    world_.Shutdown();
}

SimWordTemplate *WordHost::AddTemplate(const std::wstring &name, const std::wstring &fullName) {
    SimWordTemplate *added = world_.Create<SimWordTemplate>(name, fullName);
    templates_->entries_.push_back(added);
    return added;
}

SimWordTemplate *WordHost::CustomizationContext() noexcept {
    IDispatch *context = app_ != nullptr ? app_->CustomizationContext() : nullptr;
    auto *set =
        context != nullptr ? dynamic_cast<SimWordTemplate *>(SimObject::FromUnknown(context)) : nullptr;
    return set != nullptr ? set : normal_;
}

SimWordDocument *WordHost::Add(const std::wstring &name, const std::wstring &fullName, DISPID event) {
    SimWordDocument *document = world_.Create<SimWordDocument>(*this, name, fullName);
    document->inlineShapes_ = world_.Create<SimWordInlineShapes>();
    document->window_ = world_.Create<SimWordWindow>(L"Window" + std::to_wstring(documentNumber_), document);
    documents_->entries_.push_back(document);
    windows_->entries_.push_back(document->window_);
    app_->Events().FireAll(event, {EventArg(document)});
    if (document->Connected())
        Activate(document->window_);
    return document;
}

SimWordDocument *WordHost::NewDocument() {
    ++documentNumber_;
    std::wstring name = L"Document" + std::to_wstring(documentNumber_);
    return Add(name, name, kNewDocument);
}

SimWordDocument *WordHost::OpenDocument(const std::wstring &fullName) {
    ++documentNumber_;
    return Add(FileNameOf(fullName), fullName, kDocumentOpen);
}

SimWordDocument *WordHost::ActiveDocument() const noexcept {
    SimWordWindow *window = ActiveWindow();
    return window ? window->Document() : nullptr;
}

void WordHost::Activate(SimWordWindow *window) {
    if (window == nullptr || !window->Connected())
        throw classlib::EOleSysError(L"Only an open window can be activated", E_INVALIDARG);
    SimWordWindow *previous = ActiveWindow();
    if (previous == window)
        return;
    Remove(zOrder_, window);
    zOrder_.push_back(window);
    if (previous)
        app_->Events().FireAll(kWindowDeactivate, {EventArg(previous->Document()), EventArg(previous)});
    app_->Events().FireAll(kWindowActivate, {EventArg(window->Document()), EventArg(window)});
    app_->Events().FireAll(kDocumentChange);
}

bool WordHost::Close(SimWordDocument *document) {
    if (document == nullptr || !document->Connected())
        return true; // already closed
    VARIANT_BOOL cancel = VARIANT_FALSE;
    app_->Events().FireAll(kDocumentBeforeClose, {EventArg(document), EventArg::Ref(&cancel)});
    if (cancel != VARIANT_FALSE)
        return false;
    if (!document->Connected())
        return true; // a sink closed it meanwhile
    SimWordWindow *window = document->window_;
    bool wasActive = window == ActiveWindow();
    Remove(zOrder_, window);
    Remove(documents_->entries_, document);
    Remove(windows_->entries_, window);
    world_.Discard(window);
    world_.Discard(document);
    if (wasActive && !zOrder_.empty())
        app_->Events().FireAll(kWindowActivate,
                               {EventArg(zOrder_.back()->Document()), EventArg(zOrder_.back())});
    app_->Events().FireAll(kDocumentChange);
    return true;
}

void WordHost::Startup() {
    app_->Events().FireAll(kStartup);
}

bool WordHost::Quit() {
    if (quit_)
        return true;
    std::vector<SimObject *> documents = documents_->entries_;
    for (auto it = documents.rbegin(); it != documents.rend(); ++it)
        if (!Close(static_cast<SimWordDocument *>(*it)))
            return false;
    quit_ = true;
    app_->Events().FireAll(kQuit);
    return true;
}

} // namespace hostsim
