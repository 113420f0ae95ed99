// The one decoding of a caller's arguments that the host wrappers and the event components share:
// answers through the caller's own storage. Which named arguments each kind of callee accepts is
// asserted through the callees themselves (THostEventArgs, the event dispatcher).
#include "classlib/InvokeArgs.h"
#include "classlib/OleString.h"

#include <gtest/gtest.h>

#include <vector>

#include "HandMadeVariants.h"

using namespace classlib;
using testsupport::Var;

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
