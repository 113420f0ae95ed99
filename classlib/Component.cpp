#include "classlib/Classes.h"
#include "classlib/Format.h"

#include <algorithm>

namespace classlib {

CLASSLIB_DEFINE_CLASS(TComponent, TPersistent,
                      b.Property(L"Name", &TComponent::Name, &TComponent::SetName).NotStored();
                      b.Property(L"Tag", &TComponent::Tag, &TComponent::SetTag).Default(0))

bool IsValidIdent(const std::wstring &name) {
    if (name.empty())
        return false;
    auto alpha = [](wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_'; };
    if (!alpha(name[0]))
        return false;
    return std::all_of(name.begin(), name.end(), [&](wchar_t c) { return alpha(c) || (c >= L'0' && c <= L'9'); });
}

void Free(TComponent *component) {
    if (component == nullptr)
        return;
    component->BeforeDestruction();
    delete component;
}

TComponent::TComponent(TComponent *owner) {
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent() {
    state_ |= csDestroying;
    // Everyone that holds a pointer to this component hears of its end first.
    while (!freeNotifies_.empty()) {
        TComponent *other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto &back = other->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

TComponent *TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount())
        ListIndexError(index);
    return components_[index];
}

int TComponent::ComponentIndex() const {
    if (owner_ == nullptr)
        return -1;
    auto &list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent *TComponent::FindComponent(const std::wstring &name) const {
    if (name.empty())
        return nullptr;
    for (TComponent *c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::SetName(const std::wstring &name) {
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(Format(L"''%s'' is not a valid component name", {name}));
    if (owner_ != nullptr) {
        TComponent *same = owner_->FindComponent(name);
        if (same != nullptr && same != this)
            throw EComponentError(Format(L"A component named %s already exists", {name}));
    }
    name_ = name;
}

void TComponent::FreeNotification(TComponent *other) {
    if (other == nullptr || other == this)
        return;
    auto add = [](std::vector<TComponent *> &list, TComponent *c) {
        if (std::find(list.begin(), list.end(), c) == list.end())
            list.push_back(c);
    };
    add(freeNotifies_, other);
    add(other->freeNotifies_, this);
}

void TComponent::RemoveFreeNotification(TComponent *other) {
    if (other == nullptr)
        return;
    RemoveNotification(other);
    other->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent *component) {
    freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
}

void TComponent::InsertComponent(TComponent *component) {
    if (component->owner_ != nullptr)
        component->owner_->RemoveComponent(component);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent *component) {
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent *component) {
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent *component) {
    components_.erase(std::remove(components_.begin(), components_.end(), component), components_.end());
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    // First created, first freed; each one leaves the list as it goes.
    while (!components_.empty()) {
        TComponent *c = components_.front();
        Remove(c);
        Free(c);
    }
}

void TComponent::Notification(TComponent *component, TOperation operation) {
    // Owned components hear of removals among their siblings, as the owner does.
    if (operation == TOperation::opRemove && component != nullptr) {
        RemoveNotification(component);
        for (TComponent *c : std::vector<TComponent *>(components_))
            if (c != component)
                c->Notification(component, operation);
    }
}

} // namespace classlib
