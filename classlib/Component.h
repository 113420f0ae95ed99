// TComponent: owned objects with names. An owner frees its components (in creation order) and
// free notification clears references to a component that dies.
#pragma once
#include "classlib/Persistent.h"

#include <string>
#include <vector>

namespace classlib {

enum class TOperation { opInsert, opRemove };

// ComponentState flags.
enum TComponentStateFlag : unsigned {
    csLoading = 1 << 0,    // being read from a form
    csReading = 1 << 1,    // its properties are being read
    csWriting = 1 << 2,    // being written to a form
    csDestroying = 1 << 3, // its destructor runs
    csDesigning = 1 << 4,  // in a visual designer (never set here: there is no designer)
};

CLASSLIB_EXCEPTION(EComponentError, Exception);

class TComponent : public TPersistent {
    CLASSLIB_CLASS(TComponent)
public:
    // Joins owner's Components (last) and tells owner through Notification(opInsert). The object is
    // only partly constructed at that point: Notification must not assume its most derived class.
    explicit TComponent(TComponent *owner);
    // Tells everything that asked for free notification, frees the owned components in creation
    // order, then leaves the owner.
    ~TComponent() override;

    // Called once the most derived constructor has finished (the second phase of creation: data
    // modules read their form here). Use classlib::Create<T>(owner) to get both phases.
    virtual void AfterConstruction() {}
    // Runs before the destructors when the component is freed through Free (as owners free their
    // components): the whole object still exists, and ComponentState already says csDestroying.
    virtual void BeforeDestruction() { state_ |= csDestroying; }

    TComponent *Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent *Components(int index) const;
    int ComponentIndex() const;
    TComponent *FindComponent(const std::wstring &name) const; // case-insensitive; nullptr if none

    const std::wstring &Name() const { return name_; }
    // Raises EComponentError for an invalid identifier or a name already used under the same owner.
    virtual void SetName(const std::wstring &name);
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    unsigned ComponentState() const { return state_; }
    bool Loading() const { return (state_ & csLoading) != 0; }
    bool Destroying() const { return (state_ & csDestroying) != 0; }
    void SetState(unsigned flags) { state_ |= flags; }
    void ClearState(unsigned flags) { state_ &= ~flags; }

    // After FreeNotification(other), this component's Notification(other, opRemove) runs when other
    // dies (and other's when this dies), so stored pointers can be cleared.
    void FreeNotification(TComponent *other);
    void RemoveFreeNotification(TComponent *other);

    void InsertComponent(TComponent *component);
    void RemoveComponent(TComponent *component);
    void DestroyComponents();

    // Called by the form reader after every component of the form has been read and references fixed.
    virtual void Loaded() { ClearState(csLoading); }
    // A component that belongs to a window of its own (its parent) rather than to the form: its owner
    // frees it, but the owner's form does not hold it.
    virtual bool HasParent() const { return false; }
    TPersistent *GetOwner() const override { return owner_; }
    std::wstring GetNamePath() const override { return name_; }

protected:
    virtual void Notification(TComponent *component, TOperation operation);

private:
    void Insert(TComponent *component);
    void Remove(TComponent *component);
    void RemoveNotification(TComponent *component);

    TComponent *owner_ = nullptr;
    std::vector<TComponent *> components_;
    std::vector<TComponent *> freeNotifies_;
    std::wstring name_;
    int tag_ = 0;
    unsigned state_ = 0;
};

void Free(TComponent *component);

// Two-phase creation: constructs T, then runs AfterConstruction; a failure in either phase frees
// the object (so no half-built component is ever left in its owner) and passes the exception on.
template <class T, class... A> T *Create(A &&...args) {
    T *obj = new T(std::forward<A>(args)...);
    try {
        obj->AfterConstruction();
    } catch (...) {
        Free(obj);
        throw;
    }
    return obj;
}

// Frees a component the way its owner does: BeforeDestruction, then the destructors. Null is allowed.
void Free(TComponent *component);

bool IsValidIdent(const std::wstring &name);

} // namespace classlib
