// COMAddIn: the add-in's entry in the host, with the Object the add-in publishes.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/ComAddInObject.h"
#include "hostsim/RibbonUIObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;

namespace {

const wchar_t kGuid[] = L"{2D6B6F1A-3C5E-4B4B-9B0E-6E1F1B3C9A10}";

TEST(ComAddIn, AnswersItsIdentityAndKeepsTheObjectTheAddInSets) {
    SimWorld world{L"Outlook"};
    ComAddInObject *sim = world.Create<ComAddInObject>(L"Tessary.TSY", kGuid, L"Tessary");
    auto asDispatch = ComPtr<IDispatch>::Copy(static_cast<IDispatch *>(sim));
    ComPtr<COMAddIn> addIn = asDispatch.As<COMAddIn>(); // as the add-in asks for it in OnConnection
    sim->SetConnected(true);

    TBStr text;
    ASSERT_EQ(S_OK, addIn->get_ProgId(text.Put()));
    EXPECT_EQ(L"Tessary.TSY", text.ToString());
    ASSERT_EQ(S_OK, addIn->get_Guid(text.Put()));
    EXPECT_EQ(kGuid, text.ToString());
    EXPECT_EQ(L"Tessary", classlib::DispGet(addIn.Get(), L"Description").ToString());

    RibbonUIObject *published = world.Create<RibbonUIObject>(L"AddInObject"); // any IDispatch
    ASSERT_EQ(S_OK, addIn->put_Object(published));
    EXPECT_EQ(1, published->ClientRefs()) << "the host holds what the add-in published";
    ComPtr<IDispatch> object = classlib::DispGet(addIn.Get(), L"Object").ToDispatch();
    EXPECT_EQ(static_cast<IDispatch *>(published), object.Get());
    object = nullptr;

    sim->SetConnected(false);
    EXPECT_EQ(0, published->ClientRefs()) << "released when the add-in is disconnected";
    IDispatch *none = reinterpret_cast<IDispatch *>(0xdeadbeef);
    EXPECT_EQ(S_OK, addIn->get_Object(&none));
    EXPECT_EQ(nullptr, none);
}

TEST(ComAddIn, ConnectGoesThroughTheHostsHandler) {
    SimWorld world{L"Word"};
    ComAddInObject *sim = world.Create<ComAddInObject>(L"Tessary.TSY", kGuid, L"Tessary");
    auto addIn = ComPtr<COMAddIn>::Copy(sim);
    std::vector<bool> requests;
    sim->SetConnectHandler([&](bool connect) {
        requests.push_back(connect);
        if (requests.size() == 3)
            throw classlib::EOleSysError(L"the add-in failed to load", E_FAIL);
    });
    ASSERT_EQ(S_OK, addIn->put_Connect(VARIANT_TRUE));
    ASSERT_EQ(S_OK, addIn->put_Connect(VARIANT_TRUE)); // already connected: nothing to do
    ASSERT_EQ(S_OK, addIn->put_Connect(VARIANT_FALSE));
    EXPECT_EQ(E_FAIL, addIn->put_Connect(VARIANT_TRUE));
    EXPECT_EQ((std::vector<bool>{true, false, true}), requests);
    VARIANT_BOOL connect = VARIANT_TRUE;
    EXPECT_EQ(S_OK, addIn->get_Connect(&connect));
    EXPECT_EQ(VARIANT_FALSE, connect) << "a refused connection leaves the add-in unconnected";
}

} // namespace
