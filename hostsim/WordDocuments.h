// Word's documents, windows and templates, and their collections. Each document has one window.
#pragma once
#include <string>
#include <vector>

#include "classlib/ComPtr.h"
#include "hostsim/SimDispatch.h"

namespace hostsim {

class WordHost;
class SimWordWindow;

// A document's InlineShapes: the documents made here embed no objects, so its Count is 0.
class SimWordInlineShapes : public SimDispObject<> {
public:
    explicit SimWordInlineShapes(SimWorld &world);
};

class SimWordDocument : public SimDispObject<> {
public:
    SimWordDocument(SimWorld &world, WordHost &host, const std::wstring &name, const std::wstring &fullName);

    const std::wstring &DocumentName() const noexcept { return name_; }
    const std::wstring &FullName() const noexcept { return fullName_; }
    SimWordWindow *Window() const noexcept { return window_; }
    // The document's own command bars; without them it answers the Application's.
    void SetCommandBars(IUnknown *commandBars) { commandBars_.CopyFrom(commandBars); }

private:
    friend class WordHost;
    void OnDisconnect() noexcept override;

    WordHost *host_;
    std::wstring name_;
    std::wstring fullName_;
    SimWordWindow *window_ = nullptr;
    SimWordInlineShapes *inlineShapes_ = nullptr;
    classlib::ComPtr<IUnknown> commandBars_;
};

class SimWordWindow : public SimDispObject<> {
public:
    SimWordWindow(SimWorld &world, const std::wstring &name, SimWordDocument *document);

    SimWordDocument *Document() const noexcept { return document_; }
    const std::wstring &Caption() const noexcept { return caption_; }

private:
    void OnDisconnect() noexcept override { document_ = nullptr; }

    SimWordDocument *document_;
    std::wstring caption_;
};

class SimWordTemplate : public SimDispObject<> {
public:
    SimWordTemplate(SimWorld &world, const std::wstring &name, const std::wstring &fullName);

    const std::wstring &FullName() const noexcept { return fullName_; }
    bool Saved() const noexcept { return saved_; }
    void SetSaved(bool saved) noexcept { saved_ = saved; }
    int SaveCount() const noexcept { return saves_; }

private:
    std::wstring templateName_;
    std::wstring fullName_;
    bool saved_ = true;
    int saves_ = 0;
};

// Documents, Windows and Templates: Count and Item by 1-based index or, for documents and
// templates, by name. Documents also has Add (a new blank document), reached by name: its dispatch
// id is not in the library.
class SimWordCollection : public SimDispObject<> {
public:
    SimWordCollection(SimWorld &world, WordHost &host, const std::wstring &name, REFIID diid);

    const std::vector<SimObject *> &Entries() const noexcept { return entries_; }

private:
    friend class WordHost;
    void OnDisconnect() noexcept override {
        entries_.clear();
        host_ = nullptr;
    }
    classlib::OleVariant Item(const classlib::OleVariant &index) const;

    WordHost *host_;
    std::vector<SimObject *> entries_;
};

} // namespace hostsim
