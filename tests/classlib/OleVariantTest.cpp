// TBStr, OleVariant and TSafeArray: ownership, conversions, missing arguments and by-reference values.
#include "classlib/OleVariant.h"
#include "classlib/OleString.h"
#include "classlib/SafeArray.h"

#include <gtest/gtest.h>

#include "CountedDispatch.h"

using namespace classlib;

TEST(TBStr, OwnsCopiesAndHandsOver) {
    TBStr a(std::wstring(L"a\0b", 3));
    EXPECT_EQ(a.Length(), 3u); // embedded nulls survive
    TBStr b = a;
    EXPECT_NE(a.Get(), b.Get());
    EXPECT_EQ(b.ToString(), std::wstring(L"a\0b", 3));
    TBStr moved(std::move(b));
    EXPECT_EQ(b.Get(), nullptr);
    BSTR raw = moved.Detach();
    EXPECT_EQ(moved.Get(), nullptr);
    SysFreeString(raw);

    TBStr empty;
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_EQ(empty.ToString(), L"");
    EXPECT_EQ(BStrToString(nullptr), L"");
    EXPECT_EQ(GUIDToString(IID_IDispatch), L"{00020400-0000-0000-C000-000000000046}");
}

TEST(OleVariant, ReadsCoerceOrRaise) {
    EXPECT_EQ(OleVariant(true).Var().boolVal, VARIANT_TRUE); // -1, not 1: clients compare with True
    EXPECT_EQ(OleVariant(L"42").ToInt(), 42);
    EXPECT_EQ(OleVariant(42).ToString(), L"42");
    EXPECT_EQ(OleVariant(true).ToString(), L"True");
    EXPECT_EQ(OleVariant(2.5).ToDouble(), 2.5);
    EXPECT_TRUE(OleVariant(1).ToBool());
    EXPECT_FALSE(OleVariant(0).ToBool());
    EXPECT_EQ(OleVariant().ToString(), L"");
    EXPECT_EQ(OleVariant().ToInt(), 0);
    EXPECT_THROW(OleVariant(L"abc").ToInt(), EConvertError);
    EXPECT_THROW(OleVariant(1e20).ToInt(), EConvertError); // overflow
    try {
        OleVariant(L"abc").ToDouble();
        FAIL();
    } catch (const EConvertError &e) {
        EXPECT_EQ(e.Message(), L"Could not convert variant of type (OleStr) into type (Double)");
    }
}

TEST(OleVariant, MissingEmptyNullAndNothing) {
    OleVariant missing = OleVariant::Missing();
    EXPECT_EQ(missing.Type(), VT_ERROR);
    EXPECT_EQ(missing.Var().scode, DISP_E_PARAMNOTFOUND);
    EXPECT_TRUE(missing.IsMissing());
    EXPECT_FALSE(missing.IsEmpty());
    EXPECT_FALSE(OleVariant().IsMissing());
    EXPECT_TRUE(OleVariant().IsEmpty());

    OleVariant null;
    null.Put()->vt = VT_NULL;
    EXPECT_TRUE(null.IsNull());
    EXPECT_THROW(null.ToString(), EConvertError);

    OleVariant nothing(static_cast<IDispatch *>(nullptr));
    EXPECT_EQ(nothing.Type(), VT_DISPATCH);
    EXPECT_TRUE(nothing.IsNothing());
    EXPECT_EQ(nothing.ToDispatch(), nullptr);
    EXPECT_FALSE(OleVariant(0).IsNothing());
}

TEST(OleVariant, ByReferenceValuesAreReadThrough) {
    LONG number = 12;
    VARIANT byRef;
    VariantInit(&byRef);
    byRef.vt = VT_BYREF | VT_I4;
    byRef.plVal = &number;
    OleVariant ref(byRef); // copies the reference, not the value
    number = 13;
    EXPECT_EQ(ref.ToInt(), 13);

    OleVariant inner = OleVariant::Missing();
    VARIANT wrapped;
    VariantInit(&wrapped);
    wrapped.vt = VT_BYREF | VT_VARIANT;
    wrapped.pvarVal = inner.Ptr();
    EXPECT_TRUE(OleVariant(wrapped).IsMissing());

    IDispatch *none = nullptr;
    VARIANT dispRef;
    VariantInit(&dispRef);
    dispRef.vt = VT_BYREF | VT_DISPATCH;
    dispRef.ppdispVal = &none;
    EXPECT_TRUE(OleVariant(dispRef).IsNothing());
}

TEST(OleVariant, InterfacesAreCountedAcrossCopiesAndMoves) {
    testsupport::TCountedDispatch disp;
    {
        OleVariant v(static_cast<IDispatch *>(&disp));
        EXPECT_EQ(disp.refs, 2);
        OleVariant copy = v;
        EXPECT_EQ(disp.refs, 3);
        OleVariant moved(std::move(copy));
        EXPECT_EQ(copy.Type(), VT_EMPTY);
        EXPECT_EQ(disp.refs, 3);
        ComPtr<IDispatch> back = v.ToDispatch();
        EXPECT_EQ(back.Get(), &disp);
        EXPECT_EQ(disp.refs, 4);
        moved = OleVariant(1); // assignment releases what it held
        EXPECT_EQ(disp.refs, 3);
        EXPECT_EQ(OleVariant(static_cast<IUnknown *>(&disp)).ToDispatch().Get(), &disp);
        VARIANT out = v.Detach();
        EXPECT_EQ(v.Type(), VT_EMPTY);
        VariantClear(&out);
        EXPECT_EQ(disp.refs, 2);
    }
    EXPECT_EQ(disp.refs, 1);
    EXPECT_THROW(OleVariant(L"text").ToDispatch(), EConvertError);
}

TEST(TSafeArray, VariantAndStringArrays) {
    TSafeArray variants = TSafeArray::OfVariants({OleVariant(1), OleVariant(L"two"), OleVariant::Missing()});
    EXPECT_EQ(variants.ElementType(), VT_VARIANT);
    ASSERT_EQ(variants.Count(), 3);
    EXPECT_EQ(variants.Item(0).ToInt(), 1);
    EXPECT_EQ(variants.String(1), L"two");
    EXPECT_TRUE(variants.Item(2).IsMissing());
    EXPECT_THROW(variants.Item(3), EOleSysError);
    EXPECT_THROW(variants.Item(-1), EOleSysError);

    TSafeArray strings = TSafeArray::OfStrings({L"a", L"b"});
    EXPECT_EQ(strings.ElementType(), VT_BSTR);
    TSafeArray copy = strings;
    copy.SetItem(0, OleVariant(L"changed"));
    EXPECT_EQ(strings.String(0), L"a"); // a deep copy
    EXPECT_EQ(copy.String(0), L"changed");
    EXPECT_EQ(copy.Items().size(), 2u);

    TSafeArray none;
    EXPECT_EQ(none.Count(), 0);
    EXPECT_TRUE(none.Items().empty());
}

TEST(TSafeArray, PositionsCountFromTheLowerBound) {
    SAFEARRAYBOUND bound{2, 1}; // a 1-based array, as some hosts pass
    TSafeArray oneBased;
    oneBased.Attach(SafeArrayCreate(VT_VARIANT, 1, &bound));
    oneBased.SetItem(0, OleVariant(10));
    oneBased.SetItem(1, OleVariant(20));
    EXPECT_EQ(oneBased.LowerBound(), 1);
    LONG index = 1;
    OleVariant first;
    SafeArrayGetElement(oneBased.Get(), &index, first.Put());
    EXPECT_EQ(first.ToInt(), 10);
    EXPECT_EQ(oneBased.Item(1).ToInt(), 20);
}
