// TCollection / TCollectionItem / TOwnedCollection: ordered lists of items of one item class.
#pragma once
#include "classlib/Persistent.h"

#include <vector>

namespace classlib {

class TCollection;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

class TCollectionItem : public TPersistent {
    CLASSLIB_CLASS(TCollectionItem)
public:
    // Joins collection (when given) at its end. Item creation through TCollection::Add/Insert also
    // signals the change once the item is complete; a plain `new` does not.
    explicit TCollectionItem(TCollection *collection);
    ~TCollectionItem() override; // leaves the collection

    TCollection *Collection() const { return collection_; }
    void SetCollection(TCollection *collection);
    int Index() const;
    // Moves the item within its collection (the others shift); raises EListError out of range.
    virtual void SetIndex(int index);
    int ID() const { return id_; }
    virtual std::wstring GetDisplayName() const { return ClassName(); }
    TPersistent *GetOwner() const override;
    std::wstring GetNamePath() const override;

protected:
    // Tells the collection that this item (or, with allItems, everything) changed.
    void Changed(bool allItems);

private:
    friend class TCollection;
    TCollection *collection_ = nullptr;
    int id_ = 0;
};

class TCollection : public TPersistent {
    CLASSLIB_CLASS(TCollection)
public:
    explicit TCollection(const TClassInfo &itemClass);
    ~TCollection() override;

    const TClassInfo &ItemClass() const { return *itemClass_; }
    int Count() const { return static_cast<int>(items_.size()); }
    TCollectionItem *Items(int index) const; // raises EListError out of range
    TCollectionItem *Add();
    TCollectionItem *Insert(int index);
    void Delete(int index);
    void Clear();
    TCollectionItem *FindItemID(int id) const;
    int IndexOf(const TCollectionItem *item) const;

    // Between BeginUpdate and the matching EndUpdate changes are collected; EndUpdate then calls
    // Update(nullptr) once.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return updateCount_; }

    void Assign(const TPersistent *source) override;
    std::wstring GetNamePath() const override;

protected:
    // The hook a collection overrides to react to changes: item is null when all may have changed.
    virtual void Update(TCollectionItem *item) { (void)item; }
    virtual void Notify(TCollectionItem *item, TCollectionNotification action) { (void)item, (void)action; }
    void Changed();
    // Adds an item made by the caller (a typed add): the item joins, then the change is signalled.
    TCollectionItem *Added(TCollectionItem *item);

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem *item);
    void RemoveItem(TCollectionItem *item);
    void ItemChanged(TCollectionItem *item);

    const TClassInfo *itemClass_;
    std::vector<TCollectionItem *> items_;
    int nextId_ = 0;
    int updateCount_ = 0;
    bool pendingChange_ = false;
};

class TOwnedCollection : public TCollection {
    CLASSLIB_CLASS(TOwnedCollection)
public:
    TOwnedCollection(TPersistent *owner, const TClassInfo &itemClass) : TCollection(itemClass), owner_(owner) {}
    TPersistent *GetOwner() const override { return owner_; }

private:
    TPersistent *owner_;
};

// Holds a collection's changes together for the length of a scope: BeginUpdate now, EndUpdate when the
// scope ends, also when a step in it throws. A null collection holds nothing.
class TUpdateScope {
public:
    explicit TUpdateScope(TCollection *collection);
    explicit TUpdateScope(TCollection &collection) : TUpdateScope(&collection) {}
    // A failure of the collection's Update travels on, unless another failure is already on its way:
    // then it is traced and dropped, and the first one travels.
    ~TUpdateScope() noexcept(false);
    TUpdateScope(const TUpdateScope &) = delete;
    TUpdateScope &operator=(const TUpdateScope &) = delete;

private:
    TCollection *collection_;
    int failuresInFlight_;
};

} // namespace classlib
