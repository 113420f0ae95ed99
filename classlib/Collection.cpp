#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/MoveWithin.h"
#include "classlib/Trace.h"

#include <algorithm>
#include <exception>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TCollectionItem, TPersistent)
CLASSLIB_DEFINE_CLASS(TCollection, TPersistent)
CLASSLIB_DEFINE_CLASS(TOwnedCollection, TCollection)

// ---- TCollectionItem ----

TCollectionItem::TCollectionItem(TCollection *collection) {
    if (collection != nullptr)
        collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
    if (collection_ != nullptr)
        collection_->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection *collection) {
    if (collection == collection_)
        return;
    if (collection_ != nullptr)
        collection_->RemoveItem(this);
    if (collection != nullptr) {
        collection->InsertItem(this);
        collection->Changed();
    }
}

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

void TCollectionItem::SetIndex(int index) {
    int current = Index();
    if (current < 0 || index == current)
        return;
    auto &items = collection_->items_;
    if (index < 0 || index >= static_cast<int>(items.size()))
        ListIndexError(index);
    MoveWithin(items, current, index);
    Changed(true);
}

TPersistent *TCollectionItem::GetOwner() const { return collection_; }

std::wstring TCollectionItem::GetNamePath() const {
    if (collection_ == nullptr)
        return ClassName();
    return Format(L"%s[%d]", {collection_->GetNamePath(), Index()});
}

void TCollectionItem::Changed(bool allItems) {
    if (collection_ != nullptr)
        collection_->ItemChanged(allItems ? nullptr : this);
}

// ---- TCollection ----

TCollection::TCollection(const TClassInfo &itemClass) : itemClass_(&itemClass) {}

TCollection::~TCollection() {
    updateCount_ = 1; // no Update calls into a collection that is going away
    while (!items_.empty())
        delete items_.back();
}

TCollectionItem *TCollection::Items(int index) const {
    if (index < 0 || index >= Count())
        ListIndexError(index);
    return items_[index];
}

TCollectionItem *TCollection::Add() {
    if (itemClass_->CreateItem == nullptr)
        throw EInvalidOperation(Format(L"Cannot create an item of class %s", {itemClass_->Name()}));
    return Added(itemClass_->CreateItem(this));
}

TCollectionItem *TCollection::Added(TCollectionItem *item) {
    if (item->collection_ != this)
        item->SetCollection(this);
    Notify(item, TCollectionNotification::cnAdded);
    Changed();
    return item;
}

TCollectionItem *TCollection::Insert(int index) {
    if (index < 0 || index > Count())
        ListIndexError(index);
    TUpdateScope update(this);
    TCollectionItem *item = Add();
    item->SetIndex(index);
    return item;
}

void TCollection::Delete(int index) {
    TCollectionItem *item = Items(index);
    Notify(item, TCollectionNotification::cnDeleting);
    delete item;
}

void TCollection::Clear() {
    if (items_.empty())
        return;
    TUpdateScope update(this);
    while (!items_.empty()) {
        Notify(items_.back(), TCollectionNotification::cnDeleting);
        delete items_.back();
    }
}

TCollectionItem *TCollection::FindItemID(int id) const {
    for (TCollectionItem *item : items_)
        if (item->id_ == id)
            return item;
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem *item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TCollection::BeginUpdate() { ++updateCount_; }

void TCollection::EndUpdate() {
    if (updateCount_ > 0 && --updateCount_ == 0 && pendingChange_) {
        pendingChange_ = false;
        Update(nullptr);
    }
}

TUpdateScope::TUpdateScope(TCollection *collection)
    : collection_(collection), failuresInFlight_(std::uncaught_exceptions()) {
    if (collection_ != nullptr)
        collection_->BeginUpdate();
}

TUpdateScope::~TUpdateScope() noexcept(false) {
    if (collection_ == nullptr)
        return;
    if (std::uncaught_exceptions() == failuresInFlight_) {
        collection_->EndUpdate();
        return;
    }
    try {
        collection_->EndUpdate();
    } catch (...) {
        TraceException(L"Classes", L"EndUpdate while a failure unwinds");
    }
}

void TCollection::Changed() { ItemChanged(nullptr); }

void TCollection::ItemChanged(TCollectionItem *item) {
    if (updateCount_ > 0) {
        pendingChange_ = true;
        return;
    }
    Update(item);
}

void TCollection::Assign(const TPersistent *source) {
    auto *other = dynamic_cast<const TCollection *>(source);
    if (other == nullptr) {
        TPersistent::Assign(source);
        return;
    }
    if (other == this)
        return;
    TUpdateScope update(this);
    Clear();
    for (TCollectionItem *item : other->items_)
        Add()->Assign(item);
}

std::wstring TCollection::GetNamePath() const {
    TPersistent *owner = GetOwner();
    return owner ? owner->GetNamePath() + L".Items" : ClassName();
}

void TCollection::InsertItem(TCollectionItem *item) {
    items_.push_back(item);
    item->collection_ = this;
    item->id_ = nextId_++;
}

void TCollection::RemoveItem(TCollectionItem *item) {
    Notify(item, TCollectionNotification::cnExtracting);
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->collection_ = nullptr;
    Changed();
}

} // namespace classlib
