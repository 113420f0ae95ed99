// Ownership, free notification, collections and published members: the object model's contracts.
#include "classlib/Classes.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

int liveProbes = 0;
std::vector<std::wstring> destroyed;

class TProbe : public TComponent {
    CLASSLIB_CLASS(TProbe)
public:
    explicit TProbe(TComponent *owner) : TComponent(owner) { ++liveProbes; }
    ~TProbe() override {
        --liveProbes;
        destroyed.push_back(Name());
    }
    TProbe *Partner = nullptr;

protected:
    void Notification(TComponent *component, TOperation operation) override {
        TComponent::Notification(component, operation);
        if (operation == TOperation::opRemove && component == Partner)
            Partner = nullptr;
    }
};
CLASSLIB_DEFINE_CLASS(TProbe, TComponent)

class TFailing : public TComponent {
    CLASSLIB_CLASS(TFailing)
public:
    using TComponent::TComponent;
    void AfterConstruction() override { throw EReadError(L"form broken"); }
};
CLASSLIB_DEFINE_CLASS(TFailing, TComponent)

TProbe *Probe(TComponent *owner, const wchar_t *name) {
    auto *p = Create<TProbe>(owner);
    p->SetName(name);
    return p;
}

} // namespace

TEST(Component, OwnerFreesItsComponentsInCreationOrder) {
    destroyed.clear();
    TProbe *root = Probe(nullptr, L"Root");
    Probe(root, L"A");
    TProbe *b = Probe(root, L"B");
    Probe(b, L"B1");
    Probe(root, L"C");
    EXPECT_EQ(root->ComponentCount(), 3);
    EXPECT_EQ(root->FindComponent(L"b"), b);
    EXPECT_EQ(b->ComponentIndex(), 1);
    delete root;
    EXPECT_EQ(liveProbes, 0);
    EXPECT_EQ(destroyed, (std::vector<std::wstring>{L"Root", L"A", L"B", L"B1", L"C"}));
}

TEST(Component, FreedComponentLeavesItsOwner) {
    TProbe *root = Probe(nullptr, L"Root");
    TProbe *a = Probe(root, L"A");
    Probe(root, L"B");
    delete a;
    ASSERT_EQ(root->ComponentCount(), 1);
    EXPECT_EQ(root->Components(0)->Name(), L"B");
    EXPECT_THROW(root->Components(1), EListError);
    delete root;
    EXPECT_EQ(liveProbes, 0);
}

TEST(Component, FreeNotificationClearsReferencesBothWays) {
    TProbe *root = Probe(nullptr, L"Root");
    TProbe *a = Probe(root, L"A");
    TProbe *outsider = Probe(nullptr, L"Outsider");
    a->Partner = outsider;
    a->FreeNotification(outsider);
    outsider->Partner = a;
    outsider->FreeNotification(a);
    delete outsider;
    EXPECT_EQ(a->Partner, nullptr);
    // siblings hear of each other's end through the owner
    TProbe *b = Probe(root, L"B");
    a->Partner = b;
    delete b;
    EXPECT_EQ(a->Partner, nullptr);
    // the reverse direction: a dying holder unregisters, so the survivor never calls into it
    TProbe *survivor = Probe(nullptr, L"Survivor");
    a->Partner = survivor;
    a->FreeNotification(survivor);
    delete root;
    delete survivor; // must not touch the freed a
    EXPECT_EQ(liveProbes, 0);
}

TEST(Component, NamesAreValidatedAndUniquePerOwner) {
    TProbe *root = Probe(nullptr, L"Root");
    TProbe *a = Probe(root, L"A");
    TProbe *b = Create<TProbe>(root);
    EXPECT_THROW(b->SetName(L"a"), EComponentError);
    EXPECT_THROW(b->SetName(L"1abc"), EComponentError);
    EXPECT_THROW(b->SetName(L"a b"), EComponentError);
    EXPECT_NO_THROW(a->SetName(L"A"));
    EXPECT_EQ(b->Name(), L"");
    delete root;
}

TEST(Component, FailedSecondPhaseLeavesNothingBehind) {
    TProbe *root = Probe(nullptr, L"Root");
    EXPECT_THROW(Create<TFailing>(root), EReadError);
    EXPECT_EQ(root->ComponentCount(), 0);
    delete root;
}

TEST(Component, ClassInformationAndCasts) {
    TProbe *p = Probe(nullptr, L"P");
    TObject *o = p;
    EXPECT_EQ(o->ClassName(), L"TProbe");
    EXPECT_TRUE(o->InheritsFrom(TComponent::StaticClass()));
    EXPECT_FALSE(o->InheritsFrom(TCollection::StaticClass()));
    EXPECT_EQ(o->As<TComponent>(), p);
    EXPECT_THROW(o->As<TCollection>(), EInvalidCast);
    ASSERT_NE(TProbe::StaticClass().FindProperty(L"tag"), nullptr);
    EXPECT_NE(TProbe::StaticClass().CreateComponent, nullptr);
    delete p;
}

namespace {
class TWatcher : public TComponent {
    CLASSLIB_CLASS(TWatcher)
public:
    using TComponent::TComponent;
    std::wstring Label = L"alive";
    static inline std::wstring seen;
    void BeforeDestruction() override {
        TComponent::BeforeDestruction();
        // the derived part still exists, and the state already tells
        seen = Label + (Destroying() ? L"+destroying" : L"");
    }
};
CLASSLIB_DEFINE_CLASS(TWatcher, TComponent)
} // namespace

TEST(Component, OwnersFreeThroughBeforeDestruction) {
    TProbe *root = Probe(nullptr, L"Root");
    Create<TWatcher>(root);
    TWatcher::seen.clear();
    Free(root);
    EXPECT_EQ(TWatcher::seen, L"alive+destroying");
    Free(nullptr);
}
