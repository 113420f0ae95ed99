// The scope guards: an action that runs once when a scope ends unless dismissed, and the attributes a
// type library or type info lends out, given back exactly once.
#include "classlib/ScopeExit.h"
#include "classlib/TypeAttrs.h"

#include <gtest/gtest.h>

#include <stdexcept>

using namespace classlib;

namespace {

TEST(ScopeExit, RunsOnceWhenTheScopeEndsHoweverItEndsUnlessDismissed) {
    int runs = 0;
    {
        ScopeExit guard([&] { ++runs; });
        EXPECT_EQ(runs, 0);
    }
    EXPECT_EQ(runs, 1);
    EXPECT_THROW(
        {
            ScopeExit guard([&] { ++runs; });
            throw std::runtime_error("step failed");
        },
        std::runtime_error);
    EXPECT_EQ(runs, 2);
    {
        ScopeExit dismissed([&] { ++runs; });
        dismissed.Dismiss();
    }
    EXPECT_EQ(runs, 2);
}

// A type library that lends one TLIBATTR and counts what it is given back; nothing else is used.
class TCountingTypeLib : public ITypeLib {
public:
    HRESULT LendResult = S_OK;
    int Lent = 0, GivenBack = 0;
    LONG References = 1;
    TLIBATTR Attr{};
    TLIBATTR *Given = nullptr;

    HRESULT STDMETHODCALLTYPE GetLibAttr(TLIBATTR **attr) override {
        if (FAILED(LendResult))
            return LendResult;
        ++Lent;
        *attr = &Attr;
        return S_OK;
    }
    void STDMETHODCALLTYPE ReleaseTLibAttr(TLIBATTR *attr) override {
        ++GivenBack;
        Given = attr;
    }
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void **ppv) override {
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++References; }
    ULONG STDMETHODCALLTYPE Release() override { return --References; }
    UINT STDMETHODCALLTYPE GetTypeInfoCount() override { return 0; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoType(UINT, TYPEKIND *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoOfGuid(REFGUID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeComp(ITypeComp **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetDocumentation(INT, BSTR *, BSTR *, DWORD *, BSTR *) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE IsName(LPOLESTR, ULONG, BOOL *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE FindName(LPOLESTR, ULONG, ITypeInfo **, MEMBERID *, USHORT *) override {
        return E_NOTIMPL;
    }
};

TEST(LentAttr, IsGivenBackExactlyOnceAlsoWhenTheScopeFails) {
    TCountingTypeLib lib;
    lib.Attr.wMajorVerNum = 3;
    {
        TLibAttrHolder attr(&lib);
        EXPECT_EQ(attr->wMajorVerNum, 3);
        EXPECT_EQ(lib.References, 2) << "the library stays alive while its attributes are held";
    }
    EXPECT_EQ(lib.GivenBack, 1);
    EXPECT_EQ(lib.Given, &lib.Attr);
    EXPECT_THROW(
        {
            TLibAttrHolder attr(&lib);
            throw std::runtime_error("step failed");
        },
        std::runtime_error);
    EXPECT_EQ(lib.Lent, 2);
    EXPECT_EQ(lib.GivenBack, 2);
    EXPECT_EQ(lib.References, 1);
}

TEST(LentAttr, NothingLentIsNothingToGiveBack) {
    TCountingTypeLib lib;
    lib.LendResult = E_OUTOFMEMORY;
    try {
        TLibAttrHolder attr(&lib);
        FAIL() << "no exception";
    } catch (const EOleSysError &e) {
        EXPECT_EQ(e.ErrorCode(), E_OUTOFMEMORY);
    }
    EXPECT_EQ(lib.GivenBack, 0);
    EXPECT_EQ(lib.References, 1);
}

} // namespace
