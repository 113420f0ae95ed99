// Errors, Format and the COM guard: the HRESULT each kind of failure becomes at a COM boundary.
#include "classlib/ComGuard.h"
#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "tests/support/TraceRecorder.h"

#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

using namespace classlib;

TEST(ComGuard, EveryExceptionKindBecomesItsHResult) {
    EXPECT_EQ(ComGuard([] {}), S_OK);
    EXPECT_EQ(ComGuard([] { return S_FALSE; }), S_FALSE);
    EXPECT_EQ(ComGuard([] { throw EOleSysError(L"x", E_NOINTERFACE); }), E_NOINTERFACE);
    EXPECT_EQ(ComGuard([] { throw std::bad_alloc(); }), E_OUTOFMEMORY);
    EXPECT_EQ(ComGuard([] { throw EListError(L"x"); }), E_UNEXPECTED);
    EXPECT_EQ(ComGuard([] { throw std::runtime_error("x"); }), E_UNEXPECTED);
    EXPECT_EQ(ComGuard([] { throw 42; }), E_UNEXPECTED);
    EXPECT_EQ(ComGuard([] { OleCheck(DISP_E_MEMBERNOTFOUND); }), DISP_E_MEMBERNOTFOUND);
}

TEST(ComGuard, FrameworkCodesAreNeverReportedAsSuccess) {
    // 31101 is a positive number: handed back as is, a caller would read it as success.
    HRESULT hr = ComGuard([] { throw EOleSysError(L"The AddInName property cannot be empty.", 31101); });
    EXPECT_TRUE(FAILED(hr));
    EXPECT_EQ(HRESULT_CODE(hr), 31101);
    EXPECT_EQ(ComGuard([] { throw EOleSysError(L"x", S_OK); }), E_FAIL);
}

TEST(ComGuard, PublishesTheMessageAsErrorInfo) {
    HRESULT hr = ComGuard([] { throw EOleSysError(L"The registration process has been canceled.", 31105); },
                          L"Tessary.TSY");
    EXPECT_TRUE(FAILED(hr));
    IErrorInfo *info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    BSTR text = nullptr, source = nullptr;
    info->GetDescription(&text);
    info->GetSource(&source);
    EXPECT_STREQ(text, L"The registration process has been canceled.");
    EXPECT_STREQ(source, L"Tessary.TSY");
    SysFreeString(text);
    SysFreeString(source);
    info->Release();
}

// A named entry is on the trace while someone listens, and its failure's line says which entry failed;
// the HRESULT and the error info are those of the unnamed guard.
TEST(ComGuard, ANamedEntryIsTracedAndItsFailureNamesIt) {
    testsupport::TTraceRecorder trace;
    EXPECT_EQ(ComGuard({L"AddIn", L"OnConnection"}, [] {}), S_OK);
    HRESULT hr = ComGuard(
        {L"Ribbon", L"GetCustomUI"},
        [] { throw EOleSysError(L"The add-in is not connected to a host.", E_UNEXPECTED); }, L"Tessary.TSY");
    EXPECT_EQ(hr, E_UNEXPECTED);
    EXPECT_EQ(trace.Lines,
              (std::vector<std::wstring>{
                  L"AddIn: OnConnection",
                  L"Ribbon: GetCustomUI",
                  L"Ribbon: GetCustomUI: EOleSysError 0x8000FFFF: The add-in is not connected to a host.",
              }));
    IErrorInfo *info = nullptr;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    BSTR source = nullptr;
    info->GetSource(&source);
    EXPECT_STREQ(source, L"Tessary.TSY");
    SysFreeString(source);
    info->Release();
}

TEST(Format, DirectivesTakeIndexWidthAndPrecisionAndRaiseOnAMismatch) {
    EXPECT_EQ(Format(L"The %s property cannot be empty.", {L"AddInName"}),
              L"The AddInName property cannot be empty.");
    EXPECT_EQ(Format(L"%d/%u/%x/%X/%.8X/%%", {-5, 7u, 255, 255, 0x1F}), L"-5/7/ff/FF/0000001F/%");
    EXPECT_EQ(Format(L"%1:s-%0:s-%s", {L"a", L"b"}), L"b-a-b");
    EXPECT_EQ(Format(L"[%4d][%-4s][%.3d]", {7, L"ab", 5}), L"[   7][ab  ][005]");
    EXPECT_EQ(Format(L"%x", {-1}), L"ffffffff");
    EXPECT_THROW(Format(L"%d", {L"text"}), EConvertError);
    EXPECT_THROW(Format(L"%s %s", {L"one"}), EConvertError);
    EXPECT_THROW(Format(L"50%", {}), EConvertError);
}

TEST(Format, TextHelpers) {
    EXPECT_TRUE(SameText(L"IPM.Note", L"ipm.NOTE"));
    EXPECT_FALSE(SameText(L"Anh\u00e4nge", L"Anhange"));
    EXPECT_TRUE(SameText(L"Anh\u00e4nge", L"ANH\u00c4NGE"));
    EXPECT_EQ(Utf8ToWide(WideToUtf8(L"Anh\u00e4nge \u20ac")), L"Anh\u00e4nge \u20ac");
    EXPECT_EQ(Trim(L"  a b \r\n"), L"a b");
}
