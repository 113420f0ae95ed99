// The COM object base: QueryInterface from the list, the one reference count that Make hands out,
// and the server object count that DllCanUnloadNow answers from.
#include "classlib/ComImplements.h"
#include "classlib/ComServer.h"

#include <gtest/gtest.h>

#include <stdexcept>

struct IProbeAlpha : public IUnknown {
    virtual int STDMETHODCALLTYPE Alpha() = 0;
};
struct IProbeBeta : public IDispatch {};
struct IProbeMissing : public IUnknown {};
__CRT_UUID_DECL(IProbeAlpha, 0x6a0e54c1, 0x2b3d, 0x4e8f, 0x91, 0x7a, 0x0c, 0x5d, 0x3e, 0x2f, 0x10, 0x01)
__CRT_UUID_DECL(IProbeBeta, 0x6a0e54c1, 0x2b3d, 0x4e8f, 0x91, 0x7a, 0x0c, 0x5d, 0x3e, 0x2f, 0x10, 0x02)
__CRT_UUID_DECL(IProbeMissing, 0x6a0e54c1, 0x2b3d, 0x4e8f, 0x91, 0x7a, 0x0c, 0x5d, 0x3e, 0x2f, 0x10, 0x03)

using namespace classlib;

namespace {

// An id the object only knows at run time, as an event sink knows its connection's interface.
const IID IID_ProbeRuntime = {0x6a0e54c1, 0x2b3d, 0x4e8f, {0x91, 0x7a, 0x0c, 0x5d, 0x3e, 0x2f, 0x10, 0x04}};

int liveProbes = 0;

class TProbe final : public TImplements<IProbeAlpha, IProbeBeta> {
public:
    explicit TProbe(bool fail = false) {
        if (fail)
            throw std::runtime_error("construction failed");
        ++liveProbes;
    }

    int STDMETHODCALLTYPE Alpha() override { return 1; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                     UINT *) override {
        return E_NOTIMPL;
    }

private:
    ~TProbe() override { --liveProbes; }
    void *ExtraInterface(REFIID riid) noexcept override {
        return IsEqualIID(riid, IID_ProbeRuntime) ? static_cast<IProbeAlpha *>(this) : nullptr;
    }
};

// Owned by whoever declares it, as the module owns its class factories.
class TModuleProbe final : public TImplementsOn<TModuleObjectRoot, IProbeAlpha> {
public:
    int STDMETHODCALLTYPE Alpha() override { return 2; }
};

} // namespace

TEST(TImplements, AnswersItsListUnderOneIdentityAndNothingElse) {
    ComPtr<TProbe> probe = Make<TProbe>();
    IUnknown *identity = probe->GetUnknown();
    EXPECT_EQ(identity, static_cast<IUnknown *>(static_cast<IProbeAlpha *>(probe.Get())));

    struct TExpected {
        REFIID Iid;
        void *Interface;
    };
    for (const TExpected &c : {TExpected{IID_IUnknown, identity},
                               TExpected{__uuidof(IProbeAlpha), static_cast<IProbeAlpha *>(probe.Get())},
                               TExpected{__uuidof(IProbeBeta), static_cast<IProbeBeta *>(probe.Get())},
                               TExpected{IID_IDispatch, static_cast<IProbeBeta *>(probe.Get())},
                               TExpected{IID_ProbeRuntime, static_cast<IProbeAlpha *>(probe.Get())}}) {
        void *out = nullptr;
        ASSERT_EQ(probe->QueryInterface(c.Iid, &out), S_OK);
        EXPECT_EQ(out, c.Interface);
        ComPtr<IUnknown> same;
        ASSERT_EQ(static_cast<IUnknown *>(out)->QueryInterface(IID_IUnknown, same.PutVoid()), S_OK);
        EXPECT_EQ(same.Get(), identity); // every interface leads back to the one identity
        static_cast<IUnknown *>(out)->Release();
    }

    for (REFIID iid : {__uuidof(IProbeMissing), IID_IClassFactory, IID_NULL}) {
        void *out = reinterpret_cast<void *>(0xdeadbeef);
        EXPECT_EQ(probe->QueryInterface(iid, &out), E_NOINTERFACE);
        EXPECT_EQ(out, nullptr);
    }
    EXPECT_EQ(probe->QueryInterface(IID_IUnknown, nullptr), E_POINTER);
    EXPECT_EQ(probe->RefCount(), 1); // every answer above was given back
}

TEST(TImplements, MakeHandsOutTheOneReferenceAndTheLastReleaseFreesTheObject) {
    const LONG objects = ComServer().ObjectCount();
    const HRESULT unloadBefore = ComServerCanUnloadNow();
    ComPtr<TProbe> probe = Make<TProbe>();
    EXPECT_EQ(probe->RefCount(), 1);
    EXPECT_EQ(liveProbes, 1);
    EXPECT_EQ(ComServer().ObjectCount(), objects + 1);
    EXPECT_EQ(ComServerCanUnloadNow(), S_FALSE); // the host may still call into it

    EXPECT_EQ(probe->AddRef(), 2u);
    ComPtr<IProbeBeta> beta = probe; // a copy to an interface counts like any other
    EXPECT_EQ(probe->RefCount(), 3);
    EXPECT_EQ(probe->Release(), 2u);
    beta = nullptr;
    EXPECT_EQ(probe.Detach()->Release(), 0u);
    EXPECT_EQ(liveProbes, 0);
    EXPECT_EQ(ComServer().ObjectCount(), objects);
    EXPECT_EQ(ComServerCanUnloadNow(), unloadBefore);

    // A constructor that fails leaves neither an object nor a count behind.
    EXPECT_THROW(Make<TProbe>(true), std::runtime_error);
    EXPECT_EQ(ComServer().ObjectCount(), objects);
}

TEST(TImplements, AModuleOwnedObjectIsNeitherCountedNorFreedByReferences) {
    const LONG objects = ComServer().ObjectCount();
    {
        TModuleProbe probe;
        EXPECT_EQ(ComServer().ObjectCount(), objects);
        ComPtr<IProbeAlpha> alpha;
        ASSERT_EQ(probe.QueryInterface(__uuidof(IProbeAlpha), alpha.PutVoid()), S_OK);
        EXPECT_EQ(alpha->Alpha(), 2);
        alpha = nullptr;
        void *out = reinterpret_cast<void *>(0xdeadbeef);
        EXPECT_EQ(probe.QueryInterface(IID_IDispatch, &out),
                  E_NOINTERFACE); // none of its list derives from it
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(probe.Alpha(), 2); // still there after its last client let go
    }
    EXPECT_EQ(ComServer().ObjectCount(), objects);
}
