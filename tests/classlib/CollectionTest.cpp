// Collections, string lists and pointer lists: index moves, one Update per batch, look-ups.
#include "classlib/Classes.h"
#include "classlib/List.h"
#include "classlib/StringList.h"
#include "tests/support/TraceRecorder.h"

#include <gtest/gtest.h>

using namespace classlib;

namespace {

class TNamedItem : public TCollectionItem {
    CLASSLIB_CLASS(TNamedItem)
public:
    explicit TNamedItem(TCollection *collection) : TCollectionItem(collection) {}
    std::wstring Caption;
    std::wstring GetDisplayName() const override { return Caption.empty() ? ClassName() : Caption; }
    void Assign(const TPersistent *source) override {
        if (auto *other = dynamic_cast<const TNamedItem *>(source)) {
            if (other->Caption == L"!")
                throw EConvertError(L"a caption that cannot be copied");
            Caption = other->Caption;
        } else
            TCollectionItem::Assign(source);
    }
};
CLASSLIB_DEFINE_CLASS(TNamedItem, TCollectionItem)

class TCountingCollection : public TCollection {
public:
    TCountingCollection() : TCollection(TNamedItem::StaticClass()) {}
    int updates = 0;
    bool failUpdate = false;
    TCollectionItem *lastItem = reinterpret_cast<TCollectionItem *>(1);
    TNamedItem *Named(int i) const { return static_cast<TNamedItem *>(Items(i)); }

protected:
    void Update(TCollectionItem *item) override {
        ++updates;
        lastItem = item;
        if (failUpdate)
            throw EListError(L"the update failed");
    }
};

TCountingCollection *Filled(std::initializer_list<const wchar_t *> captions) {
    auto *c = new TCountingCollection;
    for (auto caption : captions)
        static_cast<TNamedItem *>(c->Add())->Caption = caption;
    return c;
}

std::wstring Order(const TCountingCollection &c) {
    std::wstring s;
    for (int i = 0; i < c.Count(); ++i)
        s += c.Named(i)->Caption;
    return s;
}

} // namespace

TEST(Collection, IndexMovesShiftTheOthers) {
    std::unique_ptr<TCountingCollection> c(Filled({L"a", L"b", L"c", L"d"}));
    c->Named(0)->SetIndex(3);
    EXPECT_EQ(Order(*c), L"bcda");
    c->Named(3)->SetIndex(1);
    EXPECT_EQ(Order(*c), L"bacd");
    EXPECT_EQ(c->Named(1)->Index(), 1);
    EXPECT_THROW(c->Named(0)->SetIndex(4), EListError);
    EXPECT_EQ(Order(*c), L"bacd");
    TCollectionItem *inserted = c->Insert(0);
    static_cast<TNamedItem *>(inserted)->Caption = L"x";
    EXPECT_EQ(Order(*c), L"xbacd");
    // IDs stay with their items whatever the order
    EXPECT_EQ(c->FindItemID(inserted->ID()), inserted);
    c->Delete(2);
    EXPECT_EQ(Order(*c), L"xbcd");
    EXPECT_THROW(c->Delete(4), EListError);
}

TEST(Collection, UpdateRunsOnceAtTheEndOfABatch) {
    std::unique_ptr<TCountingCollection> c(Filled({}));
    c->BeginUpdate();
    c->BeginUpdate();
    c->Add();
    c->Add();
    c->Add();
    c->Named(0)->SetIndex(2);
    c->EndUpdate();
    EXPECT_EQ(c->updates, 0);
    c->EndUpdate();
    EXPECT_EQ(c->updates, 1);
    EXPECT_EQ(c->lastItem, nullptr);
    // an empty batch signals nothing
    c->BeginUpdate();
    c->EndUpdate();
    EXPECT_EQ(c->updates, 1);
    // outside a batch every change is reported at once
    c->Delete(0);
    EXPECT_EQ(c->updates, 2);
    c->Clear();
    EXPECT_EQ(c->updates, 3);
    EXPECT_EQ(c->Count(), 0);
}

// A batch that fails halfway still ends: the changes made so far are signalled once.
TEST(Collection, AnAssignThatFailsHalfwayStillEndsItsBatch) {
    std::unique_ptr<TCountingCollection> target(Filled({L"a"})), source(Filled({L"b", L"!", L"c"}));
    target->updates = 0;
    EXPECT_THROW(target->Assign(source.get()), EConvertError);
    EXPECT_EQ(target->UpdateCount(), 0);
    EXPECT_EQ(target->updates, 1);
}

// The collection's own Update failing at the end of a batch: it travels when nothing else does; when a
// step's failure is already on its way, that one travels and the Update's is traced.
TEST(Collection, AFailingUpdateAtTheEndOfABatch) {
    std::unique_ptr<TCountingCollection> c(Filled({}));
    c->failUpdate = true;
    EXPECT_THROW(
        {
            TUpdateScope update(*c);
            c->Add();
        },
        EListError);
    EXPECT_EQ(c->UpdateCount(), 0);
    testsupport::TTraceRecorder trace;
    EXPECT_THROW(
        {
            TUpdateScope update(c.get());
            c->Add();
            throw EConvertError(L"the step failed");
        },
        EConvertError);
    EXPECT_EQ(c->UpdateCount(), 0);
    EXPECT_EQ(c->updates, 2);
    EXPECT_EQ(trace.Count({L"EndUpdate", L"EListError: the update failed"}), 1);
    c->failUpdate = false;
}

TEST(Collection, AssignCopiesItemsAndOwnerChainIsWalkable) {
    std::unique_ptr<TCountingCollection> a(Filled({L"a", L"b"}));
    std::unique_ptr<TCountingCollection> b(Filled({L"z"}));
    b->updates = 0;
    b->Assign(a.get());
    EXPECT_EQ(Order(*b), L"ab");
    EXPECT_EQ(b->updates, 1);
    EXPECT_NE(b->Items(0), a->Items(0));
    EXPECT_EQ(b->Items(0)->GetOwner(), b.get());
    EXPECT_EQ(b->Items(1)->GetDisplayName(), L"b");
    TStringList notACollection;
    EXPECT_THROW(b->Assign(static_cast<TPersistent *>(nullptr)), EConvertError);

    TComponent owner(nullptr);
    TOwnedCollection owned(&owner, TNamedItem::StaticClass());
    TCollectionItem *item = owned.Add();
    EXPECT_EQ(item->GetOwner()->GetOwner(), &owner);
    delete item; // an item freed directly leaves its collection
    EXPECT_EQ(owned.Count(), 0);
}

TEST(StringList, NameValueEntriesAndCaseInsensitiveLookup) {
    TStringList list;
    TComponent marker(nullptr);
    list.Add(L"label=Senden");
    list.AddObject(L"IPM.Note", &marker);
    list.Add(L"enabled=false");
    EXPECT_EQ(list.IndexOf(L"ipm.note"), 1);
    EXPECT_EQ(list.Objects(1), &marker);
    EXPECT_EQ(list.IndexOfObject(&marker), 1);
    EXPECT_EQ(list.Values(L"LABEL"), L"Senden");
    EXPECT_EQ(list.Names(2), L"enabled");
    list.SetValues(L"label", L"Antworten");
    EXPECT_EQ(list.Strings(0), L"label=Antworten");
    list.SetValues(L"enabled", L"");
    EXPECT_EQ(list.Count(), 2);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf(L"ipm.note"), -1);
    EXPECT_THROW(list.Strings(2), EListError);
}

TEST(StringList, SortedListsKeepOrderAndHandleDuplicates) {
    TStringList list;
    list.SetSorted(true);
    for (auto s : {L"delta", L"Alpha", L"charlie", L"bravo", L"ALPHA"})
        list.Add(s);
    EXPECT_EQ(list.Text(), L"Alpha\r\nbravo\r\ncharlie\r\ndelta\r\n");
    EXPECT_EQ(list.IndexOf(L"CHARLIE"), 2);
    EXPECT_THROW(list.Insert(0, L"x"), EListError);
    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.Add(L"bravo"), EListError);
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add(L"bravo");
    EXPECT_EQ(list.Count(), 5);
    TStringList lines;
    lines.SetText(L"one\r\ntwo\nthree");
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines.Strings(2), L"three");
}

TEST(List, PointerListOperations) {
    int a = 1, b = 2, c = 3;
    TList<int> list;
    list.Add(&a);
    list.Add(&b);
    list.Insert(0, &c);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Move(0, 2);
    EXPECT_EQ(*list.Items(2), 3);
    EXPECT_EQ(list.Remove(&a), 0);
    EXPECT_EQ(list.Remove(&a), -1);
    EXPECT_THROW(list.Items(2), EListError);
}
