// Components, collections and sub-objects the form streaming tests read and write: every kind of
// published property, events bound to the root, references, and defined properties (a set, a list,
// binary data). Collections of items made by type codes stored beside them are the framework's
// (ribbon, Backstage and command-bar forms), and their streaming tests read and write them.
#pragma once
#include "classlib/Classes.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"

#include <string>
#include <vector>

namespace formtest {

using namespace classlib;

enum class TRibbon { msrOutlookMailRead, msrOutlookExplorer, msrWordDocument };
CLASSLIB_ENUM(TRibbon, L"msrOutlookMailRead", L"msrOutlookExplorer", L"msrWordDocument")
using TRibbons = TSet<TRibbon>;

enum class TAlign { alNone, alLeft, alRight };
CLASSLIB_ENUM(TAlign, L"alNone", L"alLeft", L"alRight")

extern int liveComponents; // TTab and TTestModule objects alive
extern std::vector<std::wstring> loadLog;

// A sub-object: one published property and one defined binary property.
class TGlyph : public TPersistent {
    CLASSLIB_CLASS(TGlyph)
public:
    int Width() const { return width_; }
    void SetWidth(int width) { width_ = width; }
    std::vector<uint8_t> Data;
    void DefineProperties(TFiler &filer) override {
        filer.DefineBinaryProperty(
            L"Data", [this](const std::vector<uint8_t> &data) { Data = data; }, [this] { return Data; },
            !Data.empty());
    }

private:
    int width_ = 16;
};

class TTestItem : public TCollectionItem {
    CLASSLIB_CLASS(TTestItem)
public:
    using TCollectionItem::TCollectionItem;
    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring &caption) { caption_ = caption; }
    int Value() const { return value_; }
    void SetValue(int value) { value_ = value; }

private:
    std::wstring caption_;
    int value_ = 0;
};

class TTab : public TComponent {
    CLASSLIB_CLASS(TTab)
public:
    explicit TTab(TComponent *owner) : TComponent(owner) { ++liveComponents; }
    ~TTab() override { --liveComponents; }

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring &caption) { caption_ = caption; }
    TRibbons Ribbons() const { return ribbons_; }
    void SetRibbons(TRibbons ribbons) { ribbons_ = ribbons; }
    int Limit() const { return limit_; }
    void SetLimit(int limit) {
        if (limit < 0)
            throw EInvalidOperation(L"Limit must not be negative");
        limit_ = limit;
    }
    TTab *Next() const { return next_; }
    void SetNext(TTab *next) {
        next_ = next;
        FreeNotification(next);
    }
    TComponent *Target() const { return target_; }
    void SetTarget(TComponent *target) {
        target_ = target;
        FreeNotification(target);
    }
    bool LoadFails() const { return loadFails_; }
    void SetLoadFails(bool value) { loadFails_ = value; }
    TEvent<void(TObject *Sender)> OnClick;

    void Loaded() override {
        std::wstring entry = Name();
        if (ComponentState() & csLoading)
            entry += L" loading";
        if (ComponentState() & csReading)
            entry += L" reading";
        if (next_)
            entry += L" next=" + next_->Name();
        loadLog.push_back(entry);
        TComponent::Loaded();
        if (loadFails_)
            throw EInvalidOperation(L"tab cannot start");
    }

protected:
    void Notification(TComponent *component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == next_)
            next_ = nullptr;
        if (operation == TOperation::opRemove && component == target_)
            target_ = nullptr;
    }

private:
    std::wstring caption_;
    TRibbons ribbons_;
    int limit_ = 0;
    TTab *next_ = nullptr;
    TComponent *target_ = nullptr;
    bool loadFails_ = false;
};

class TTestModule : public TComponent {
    CLASSLIB_CLASS(TTestModule)
public:
    explicit TTestModule(TComponent *owner) : TComponent(owner), items_(TTestItem::StaticClass()) {
        ++liveComponents;
    }
    ~TTestModule() override { --liveComponents; }

    std::wstring Caption() const { return caption_; }
    void SetCaption(const std::wstring &caption) { caption_ = caption; }
    int Count() const { return count_; }
    void SetCount(int count) { count_ = count; }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align) { align_ = align; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }
    TRibbons Ribbons() const { return ribbons_; }
    void SetRibbons(TRibbons ribbons) { ribbons_ = ribbons; }
    TTab *Partner() const { return partner_; }
    void SetPartner(TTab *partner) {
        partner_ = partner;
        FreeNotification(partner);
    }
    TGlyph *Glyph() const { return const_cast<TGlyph *>(&glyph_); }
    TCollection *Items() const { return const_cast<TCollection *>(&items_); }
    TEvent<void(TObject *Sender)> OnStartup;
    std::vector<std::wstring> Options; // a defined set property
    std::vector<std::wstring> Tags;    // a defined list property

    void ModuleStartup(TObject *) { ++startups; }
    void TabClick(TObject *sender) { lastClicked = sender; }
    void Progress(TObject *, int) {}
    int startups = 0;
    TObject *lastClicked = nullptr;

    void DefineProperties(TFiler &filer) override {
        TComponent::DefineProperties(filer);
        filer.DefineProperty(
            L"Options", [this](TReader &r) { Options = r.ReadSet(); },
            [this](TWriter &w) { w.WriteSet(Options); }, !Options.empty());
        filer.DefineProperty(
            L"Tags",
            [this](TReader &r) {
                Tags.clear();
                r.ReadListBegin();
                while (!r.EndOfList())
                    Tags.push_back(r.ReadString());
                r.ReadListEnd();
            },
            [this](TWriter &w) {
                w.WriteListBegin();
                for (const auto &tag : Tags)
                    w.WriteString(tag);
                w.WriteListEnd();
            },
            !Tags.empty());
    }
    void Loaded() override {
        loadLog.push_back(Name());
        TComponent::Loaded();
    }

protected:
    void Notification(TComponent *component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == partner_)
            partner_ = nullptr;
    }

private:
    std::wstring caption_;
    int count_ = 0;
    TAlign align_ = TAlign::alNone;
    bool enabled_ = true;
    TRibbons ribbons_;
    TTab *partner_ = nullptr;
    TGlyph glyph_;
    TCollection items_;
};

// Test texts are written with \n; the writer ends lines with \r\n.
inline std::wstring Crlf(const std::wstring &text) {
    std::wstring out;
    for (wchar_t c : text)
        out += c == L'\n' ? std::wstring(L"\r\n") : std::wstring(1, c);
    return out;
}

// A root owned by the test; it frees whatever a form made in it.
struct TRoot {
    TTestModule *module = Create<TTestModule>(nullptr);
    ~TRoot() { delete module; }
    TTab *Tab(const wchar_t *name) const { return dynamic_cast<TTab *>(module->FindComponent(name)); }
};

} // namespace formtest
