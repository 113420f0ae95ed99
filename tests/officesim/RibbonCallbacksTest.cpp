// How officesim calls a callback, checked against a hand-made IDispatch: the name goes through
// GetIDsOfNames, the arguments arrive reversed as Office sends them, by-reference arguments come
// back, and the callee's errors are told in full.
#include <gtest/gtest.h>

#include <olectl.h>

#include "classlib/OleString.h"
#include "officesim/RibbonCallbacks.h"

using namespace officesim;
using classlib::OleVariant;

namespace {

class FakeCallbacks : public IDispatch {
public:
    std::wstring askedName;
    DISPID givenId = 0x1234;
    HRESULT namesAnswer = S_OK;
    DISPID invokedId = 0;
    WORD flags = 0;
    UINT namedCount = 99;
    std::vector<OleVariant> received; // rgvarg as it came
    HRESULT invokeAnswer = S_OK;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        *ppv = IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID,
                                            DISPID *ids) override {
        EXPECT_TRUE(IsEqualIID(riid, IID_NULL));
        EXPECT_EQ(1u, count);
        askedName = names[0];
        ids[0] = SUCCEEDED(namesAnswer) ? givenId : DISPID_UNKNOWN;
        return namesAnswer;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID, WORD invokeFlags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *info, UINT *) override {
        EXPECT_TRUE(IsEqualIID(riid, IID_NULL));
        invokedId = id;
        flags = invokeFlags;
        namedCount = params->cNamedArgs;
        for (UINT i = 0; i < params->cArgs; ++i)
            received.emplace_back(params->rgvarg[i]);
        if (params->cArgs > 0 && params->rgvarg[0].vt == (VT_BYREF | VT_VARIANT))
            *params->rgvarg[0].pvarVal = OleVariant(true).Detach(); // a repurposed command cancels
        if (invokeAnswer == DISP_E_EXCEPTION) {
            info->scode = E_INVALIDARG;
            info->bstrDescription = SysAllocString(L"There is no colour 7");
            return invokeAnswer;
        }
        if (result)
            *result = OleVariant(L"Say hello").Detach();
        return invokeAnswer;
    }
};

TEST(RibbonCallbacks, ArgumentsArriveReversedThroughTheCallbacksDispatchId) {
    FakeCallbacks addIn;
    CallbackAnswer answer =
        InvokeCallback(&addIn, L"GetItemLabel_Callback", {OleVariant(L"control"), OleVariant(2)});
    ASSERT_TRUE(answer.ok) << answer.error;
    EXPECT_EQ(L"GetItemLabel_Callback", addIn.askedName);
    EXPECT_EQ(0x1234, addIn.invokedId);
    EXPECT_EQ(DISPATCH_METHOD, addIn.flags);
    EXPECT_EQ(0u, addIn.namedCount);
    ASSERT_EQ(2u, addIn.received.size());
    EXPECT_EQ(2, addIn.received[0].ToInt()) << "rgvarg[0] is the last argument";
    EXPECT_EQ(L"control", addIn.received[1].ToString());
    EXPECT_EQ(L"Say hello", answer.value.ToString());
}

TEST(RibbonCallbacks, ByReferenceArgumentComesBackChanged) {
    FakeCallbacks addIn;
    OleVariant cancel(false);
    CallbackAnswer answer = InvokeCallback(&addIn, L"OnAction", {OleVariant(L"control"), ByRef(cancel)});
    ASSERT_TRUE(answer.ok);
    EXPECT_EQ(VT_BOOL, cancel.Type());
    EXPECT_TRUE(cancel.ToBool());
}

TEST(RibbonCallbacks, FailuresSayWhichStepFailedAndWhatTheCalleeSaid) {
    FakeCallbacks unknown;
    unknown.namesAnswer = DISP_E_UNKNOWNNAME;
    CallbackAnswer answer = InvokeCallback(&unknown, L"GetLabel", {});
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(0, unknown.invokedId) << "no Invoke after a failed name lookup";
    EXPECT_EQ(0u, answer.error.find(L"GetIDsOfNames(\"GetLabel\") returned 0x80020006 (DISP_E_UNKNOWNNAME"))
        << answer.error;

    FakeCallbacks raising;
    raising.invokeAnswer = DISP_E_EXCEPTION;
    answer = InvokeCallback(&raising, L"GetItemLabel", {OleVariant(L"control"), OleVariant(7)});
    EXPECT_FALSE(answer.ok);
    EXPECT_EQ(VT_EMPTY, answer.value.Type());
    EXPECT_NE(
        std::wstring::npos,
        answer.error.find(L"Invoke of GetItemLabel (dispatch id 4660) returned 0x80020009 (DISP_E_EXCEPTION"))
        << answer.error;
    EXPECT_NE(std::wstring::npos, answer.error.find(L"the callback raised 0x80070057 (E_INVALIDARG"));
    EXPECT_NE(std::wstring::npos, answer.error.find(L": There is no colour 7")) << answer.error;

    EXPECT_EQ(L"the add-in has no IDispatch", InvokeCallback(nullptr, L"GetLabel", {}).error);
}

// Flags, numbers and no answer at all stand in the run tests' transcripts (BackstageOfficesim.*).
TEST(RibbonCallbacks, AnswersAreShownAsTheirKind) {
    EXPECT_EQ(L"\"two\\nlines\\t\"", DescribeValue(OleVariant(L"two\nlines\t").Var()));
    EXPECT_EQ(L"Nothing", DescribeValue(OleVariant(static_cast<IDispatch *>(nullptr)).Var()));
    OleVariant target(L"inside");
    EXPECT_EQ(L"\"inside\"", DescribeValue(ByRef(target).Var())) << "a reference shows what it refers to";

    HDC screen = GetDC(nullptr);
    PICTDESC description{sizeof(PICTDESC), PICTYPE_BITMAP, {}};
    description.bmp.hbitmap = CreateCompatibleBitmap(screen, 16, 16);
    ReleaseDC(nullptr, screen);
    classlib::ComPtr<IPictureDisp> picture;
    ASSERT_EQ(S_OK, OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, picture.PutVoid()));
    EXPECT_EQ(L"picture (bitmap 16x16)",
              DescribeValue(OleVariant(static_cast<IDispatch *>(picture.Get())).Var()));
}

} // namespace
