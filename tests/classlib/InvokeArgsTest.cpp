// The one decoding of a caller's arguments that the host wrappers and the event components share:
// what each kind of callee accepts as a named argument, and answers through the caller's own storage.
#include "classlib/InvokeArgs.h"
#include "classlib/OleString.h"

#include <gtest/gtest.h>

#include <vector>

#include "HandMadeVariants.h"

using namespace classlib;
using testsupport::Int;
using testsupport::Var;

namespace {

HRESULT Assigned(const DISPPARAMS &params, TInvokeArgs::TPositions positions, UINT *argErr = nullptr) {
    TInvokeArgs args;
    return args.Assign(&params, positions, argErr);
}

} // namespace

TEST(TInvokeArgs, ANamedArgumentTakesAFreePositionThatTheCalleeAccepts) {
    VARIANTARG rgvarg[] = {Int(30), Int(10)}; // position 2 named, then positional argument 0
    DISPID beyond[] = {2};
    DISPPARAMS sparse{rgvarg, beyond, 2, 1};
    // A callee that knows its declaration may be called with a gap; one that does not refuses it.
    EXPECT_EQ(Assigned(sparse, TInvokeArgs::AnyPosition), S_OK);
    UINT argErr = 7;
    EXPECT_EQ(Assigned(sparse, TInvokeArgs::CallPositions, &argErr), DISP_E_PARAMNOTFOUND);
    EXPECT_EQ(argErr, 0u);

    TInvokeArgs args(&sparse);
    EXPECT_EQ(args.Count(), 2);
    EXPECT_EQ(args.Find(0), &rgvarg[1]);
    EXPECT_EQ(args.Find(1), nullptr);
    EXPECT_EQ(args.Find(2), &rgvarg[0]);

    // Taken, negative or a property put's value: no callee accepts it, and the call has no arguments.
    VARIANTARG three[] = {Int(1), Int(2), Int(3)};
    for (std::vector<DISPID> named :
         {std::vector<DISPID>{1, 1}, std::vector<DISPID>{0, 2}, std::vector<DISPID>{DISPID_PROPERTYPUT, 1}}) {
        DISPPARAMS params{three, named.data(), 3, 2};
        argErr = 7;
        TInvokeArgs bad;
        EXPECT_EQ(bad.Assign(&params, TInvokeArgs::AnyPosition, &argErr), DISP_E_PARAMNOTFOUND) << named[0];
        EXPECT_LT(argErr, 2u);
        EXPECT_EQ(bad.Count(), 0);
    }
    try {
        TInvokeArgs raising(&sparse, TInvokeArgs::CallPositions);
        FAIL() << "the constructor raises what Assign answers";
    } catch (const EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), DISP_E_PARAMNOTFOUND);
    }
}

TEST(TInvokeArgs, AnswersGoThroughTheCallersStorageAndALeftOutObjectIsNone) {
    VARIANT inner;
    inner.vt = VT_I4; // a variant the caller passes by reference, holding a number
    inner.lVal = 0;
    BSTR text = SysAllocString(L"before");
    const BSTR passed = text;
    VARIANTARG byVariant = Var(VT_BYREF | VT_VARIANT, &inner), byText = Var(VT_BYREF | VT_BSTR, &text);

    TArgRef<bool> flag(RefArgStorage(byVariant, VT_BOOL));
    EXPECT_EQ(inner.vt, VT_BOOL); // changed to the declared type in place
    EXPECT_FALSE(flag.Value());
    flag.Value() = true;
    flag.WriteBack();
    EXPECT_EQ(inner.boolVal, VARIANT_TRUE);

    TArgRef<std::wstring> answer(RefArgStorage(byText, VT_BSTR));
    answer.WriteBack(); // unchanged: the caller keeps its own string
    EXPECT_EQ(text, passed);
    answer.Value() = L"after";
    answer.WriteBack();
    EXPECT_NE(text, passed);
    EXPECT_EQ(BStrToString(text), L"after");
    SysFreeString(text);

    EXPECT_EQ(RefArgStorage(byText, VT_I4), nullptr); // a text is no number's storage
    VARIANTARG missing;
    missing.vt = VT_ERROR;
    missing.scode = DISP_E_PARAMNOTFOUND;
    EXPECT_EQ(ObjectArg(missing, 0), nullptr);
    missing.scode = E_FAIL;
    try {
        ObjectArg(missing, 0, L"Close");
        FAIL() << "an error value is no object";
    } catch (const EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), DISP_E_TYPEMISMATCH);
    }
}
