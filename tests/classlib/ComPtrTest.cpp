// ComPtr: every AddRef is matched by one Release, counted on a hand-written fake.
#include "classlib/ComPtr.h"

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>

struct IFake : public IUnknown {};
struct IFakeOther : public IUnknown {};
struct IFakeMissing : public IUnknown {};
__CRT_UUID_DECL(IFake, 0x3c1f2a10, 0x7d1e, 0x4f55, 0x9a, 0x0b, 0x11, 0x22, 0x33, 0x44, 0x55, 0x01)
__CRT_UUID_DECL(IFakeOther, 0x3c1f2a10, 0x7d1e, 0x4f55, 0x9a, 0x0b, 0x11, 0x22, 0x33, 0x44, 0x55, 0x02)
__CRT_UUID_DECL(IFakeMissing, 0x3c1f2a10, 0x7d1e, 0x4f55, 0x9a, 0x0b, 0x11, 0x22, 0x33, 0x44, 0x55, 0x03)

using namespace classlib;

namespace {

// Counts calls and never frees itself: the test owns it on the stack.
struct Fake : public IFake, public IFakeOther {
    int addRefs = 0;
    int releases = 0;
    std::function<void()> onRelease;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, __uuidof(IFake)))
            *ppv = static_cast<IFake *>(this);
        else if (IsEqualIID(riid, __uuidof(IFakeOther)))
            *ppv = static_cast<IFakeOther *>(this);
        else {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++addRefs - releases); }
    ULONG STDMETHODCALLTYPE Release() override {
        ++releases;
        if (onRelease)
            onRelease();
        return static_cast<ULONG>(addRefs - releases);
    }
    int Count() const { return addRefs - releases; }
};

} // namespace

TEST(ComPtr, OwnsExactlyOneReference) {
    Fake fake;
    {
        auto p = ComPtr<IFake>::Copy(&fake);
        EXPECT_EQ(fake.Count(), 1);
        ComPtr<IFake> copy = p;
        EXPECT_EQ(fake.Count(), 2);
        copy = p; // assigning the same object neither leaks nor drops a reference
        copy = copy;
        EXPECT_EQ(fake.Count(), 2);
        copy = nullptr;
        EXPECT_EQ(fake.Count(), 1);
        EXPECT_FALSE(copy);
        EXPECT_TRUE(p);
    }
    EXPECT_EQ(fake.Count(), 0);
}

// A raw pointer says which reference it is: Copy and CopyFrom take one of their own, Adopt and Attach
// take over the caller's.
TEST(ComPtr, RawPointersBecomeOwnersOnlyThroughNamedOperations) {
    static_assert(!std::is_constructible_v<ComPtr<IFake>, IFake *>);
    static_assert(!std::is_assignable_v<ComPtr<IFake> &, IFake *>);
    static_assert(std::is_nothrow_move_constructible_v<ComPtr<IFake>>);
    static_assert(std::is_nothrow_move_assignable_v<ComPtr<IFake>>);
    Fake fake;
    {
        auto copied = ComPtr<IFake>::Copy(&fake);
        EXPECT_EQ(fake.Count(), 1);
        fake.AddRef(); // a reference an API handed us
        auto adopted = ComPtr<IFake>::Adopt(&fake);
        EXPECT_EQ(fake.Count(), 2);
        EXPECT_EQ(fake.addRefs, 2);

        copied.CopyFrom(copied.Get()); // the same object: still exactly one reference for copied
        EXPECT_EQ(fake.Count(), 2);
        adopted.CopyFrom(nullptr);
        EXPECT_EQ(fake.Count(), 1);
        EXPECT_FALSE(adopted);

        ComPtr<IUnknown> base = copied; // to a base interface: a copy counts
        EXPECT_EQ(fake.Count(), 2);
        ComPtr<IUnknown> moved = std::move(copied); // a move does not count
        EXPECT_EQ(fake.Count(), 2);
        EXPECT_FALSE(copied);
        moved = std::move(base);
        EXPECT_EQ(fake.Count(), 1);
        EXPECT_FALSE(base);
    }
    EXPECT_EQ(fake.Count(), 0);
    EXPECT_FALSE(ComPtr<IFake>::Copy(nullptr));
    EXPECT_FALSE(ComPtr<IFake>::Adopt(nullptr));
}

TEST(ComPtr, AttachDetachPutAndCopyTo) {
    Fake fake;
    fake.AddRef(); // a reference handed to us by an API
    ComPtr<IFake> p;
    p.Attach(&fake);
    EXPECT_EQ(fake.Count(), 1);
    IFake *raw = p.Detach();
    EXPECT_EQ(p, nullptr);
    EXPECT_EQ(fake.Count(), 1);
    p.Attach(raw);

    IFake **slot = p.Put(); // an [out] parameter: the old reference goes first
    EXPECT_EQ(fake.Count(), 0);
    EXPECT_EQ(*slot, nullptr);
    fake.QueryInterface(__uuidof(IFake), p.PutVoid());
    EXPECT_EQ(fake.Count(), 1);

    IFake *out = reinterpret_cast<IFake *>(0xdeadbeef);
    p.CopyTo(&out);
    EXPECT_EQ(out, static_cast<IFake *>(&fake));
    EXPECT_EQ(fake.Count(), 2);
    out->Release();
}

TEST(ComPtr, AsThrowsAndTryAsAnswersNull) {
    Fake fake;
    auto p = ComPtr<IFake>::Copy(&fake);
    ComPtr<IFakeOther> other = p.As<IFakeOther>();
    EXPECT_EQ(other.Get(), static_cast<IFakeOther *>(&fake));
    EXPECT_EQ(fake.Count(), 2);
    EXPECT_TRUE(p.TryAs<IFakeOther>());
    EXPECT_EQ(fake.Count(), 2); // the temporary released its reference

    try {
        p.As<IFakeMissing>();
        FAIL() << "As must throw";
    } catch (const EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), E_NOINTERFACE);
    }
    EXPECT_FALSE(p.TryAs<IFakeMissing>());
    EXPECT_EQ(fake.Count(), 2);

    ComPtr<IFake> empty;
    EXPECT_FALSE(empty.TryAs<IFakeOther>());
    try {
        empty.As<IFakeOther>();
        FAIL() << "As on null must throw";
    } catch (const EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), E_POINTER);
    }
    // explicit IID form
    EXPECT_TRUE(p.TryAs<IUnknown>(IID_IUnknown));
}

TEST(ComPtr, ReleaseThatReentersThePointerDoesNotReleaseTwice) {
    Fake fake;
    auto p = ComPtr<IFake>::Copy(&fake);
    fake.onRelease = [&] { p = nullptr; }; // e.g. a sink whose release drops its source
    p.Reset();
    EXPECT_EQ(fake.releases, 1);
    EXPECT_EQ(fake.Count(), 0);
}
