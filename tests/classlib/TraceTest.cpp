// The trace: what a line says about a failure, where it goes, and when an entry is written at all.
#include "classlib/Trace.h"
#include "classlib/Exceptions.h"
#include "tests/support/TraceRecorder.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace classlib;
using testsupport::TTraceRecorder;

namespace {

TEST(Trace, AFailureIsDescribedByItsClassCodeAndMessage) {
    TTraceRecorder trace;
    try {
        throw EOleSysError(L"The AddInName property cannot be empty.", 31101);
    } catch (...) {
        TraceException(L"AddIn", L"Setting the name");
    }
    try {
        OleCheck(DISP_E_MEMBERNOTFOUND);
    } catch (...) {
        TraceException(L"Events", L"A host call");
    }
    try {
        throw std::out_of_range("index 7");
    } catch (...) {
        TraceException(L"Events", L"A list");
    }
    try {
        throw 42;
    } catch (...) {
        TraceException(L"Events", L"Something odd");
    }
    TraceHResult(L"Ribbon", L"GetLabel_Callback", DISP_E_BADPARAMCOUNT);
    TraceHResult(L"Ribbon", L"GetLabel_Callback", S_FALSE); // a success is nothing to trace
    EXPECT_EQ(trace.Lines,
              (std::vector<std::wstring>{
                  L"AddIn: Setting the name: EOleSysError 31101: The AddInName property cannot be empty.",
                  L"Events: A host call: EOleException 0x80020003: " + SysErrorMessage(DISP_E_MEMBERNOTFOUND),
                  L"Events: A list: std::out_of_range: index 7",
                  L"Events: Something odd: an exception of unknown type",
                  L"Ribbon: GetLabel_Callback: 0x8002000E " + SysErrorMessage(DISP_E_BADPARAMCOUNT),
              }));
}

TEST(Trace, APatternThatDoesNotFitIsWrittenAsItIs) {
    TTraceRecorder trace;
    Trace(L"Startup", L"Document %d of %d", {2, 3});
    Trace(L"Startup", L"Document %d", {L"two"});
    EXPECT_EQ(trace.Lines, (std::vector<std::wstring>{L"Startup: Document 2 of 3", L"Startup: Document %d"}));
}

// Nothing listens to the debug output of a test but the exception handler below, which sees each debug
// string as the exception the system raises for it; an entry is written only while someone listens.
std::vector<std::wstring> *debugStrings = nullptr;

LONG CALLBACK SeeDebugString(EXCEPTION_POINTERS *info) {
    const EXCEPTION_RECORD &record = *info->ExceptionRecord;
    if (debugStrings == nullptr || record.NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    if (record.ExceptionCode == 0x4001000A) // the wide form, where the system raises it
        debugStrings->push_back(reinterpret_cast<const wchar_t *>(record.ExceptionInformation[1]));
    else if (record.ExceptionCode == DBG_PRINTEXCEPTION_C) {
        std::wstring text;
        for (const char *p = reinterpret_cast<const char *>(record.ExceptionInformation[1]); *p; ++p)
            text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
        debugStrings->push_back(text);
    } else
        return EXCEPTION_CONTINUE_SEARCH;
    return EXCEPTION_CONTINUE_EXECUTION;
}

TEST(Trace, WithoutASinkALineIsDebugOutputNamedAfterTheModule) {
    std::vector<std::wstring> seen;
    debugStrings = &seen;
    PVOID handler = AddVectoredExceptionHandler(1, SeeDebugString);
    Trace(L"AddIn", L"OnConnection failed");
    RemoveVectoredExceptionHandler(handler);
    debugStrings = nullptr;
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), L"classlib_tests [AddIn] OnConnection failed\n");
}

TEST(Trace, AnEntryIsWrittenOnlyWhileSomeoneListens) {
    {
        TTraceRecorder trace;
        EXPECT_TRUE(TraceListening());
        TraceEntry(L"AddIn", L"OnStartupComplete");
        EXPECT_EQ(trace.Lines, (std::vector<std::wstring>{L"AddIn: OnStartupComplete"}));
    }
    if (TraceListening())
        GTEST_SKIP() << "a debugger, a debug viewer or Wine's log listens to this run";
    std::vector<std::wstring> seen;
    debugStrings = &seen;
    PVOID handler = AddVectoredExceptionHandler(1, SeeDebugString);
    TraceEntry(L"AddIn", L"OnStartupComplete");
    RemoveVectoredExceptionHandler(handler);
    debugStrings = nullptr;
    EXPECT_TRUE(seen.empty()) << "an entry costs a trip through the system only when someone listens";
}

} // namespace
