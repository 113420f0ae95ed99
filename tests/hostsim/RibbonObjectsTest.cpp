// IRibbonUI keeps what the add-in asked of it; IRibbonControl answers what the test made it with.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "classlib/OleString.h"
#include "hostsim/RibbonControlObject.h"
#include "hostsim/RibbonUIObject.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TBStr;

namespace {

TEST(RibbonUI, RecordsEachRequestThroughVtableAndDispatch) {
    SimWorld world{L"Outlook"};
    RibbonUIObject *sim = world.Create<RibbonUIObject>();
    auto ribbon = ComPtr<IRibbonUI>::Copy(sim);

    EXPECT_EQ(S_OK, ribbon->Invalidate());
    EXPECT_EQ(S_OK, ribbon->InvalidateControl(TBStr(L"btnZip").Get()));
    EXPECT_EQ(S_OK, ribbon->ActivateTabQ(TBStr(L"tab1").Get(), TBStr(L"urn:x").Get()));
    classlib::DispCall(ribbon.Get(), L"InvalidateControlMso", {OleVariant(L"FileSave")});
    EXPECT_EQ(E_INVALIDARG, ribbon->ActivateTab(TBStr(L"").Get())) << "an empty id is refused";
    EXPECT_EQ(E_INVALIDARG, ribbon->InvalidateControl(nullptr));

    EXPECT_EQ(
        (std::vector<std::wstring>{L"Invalidate()", L"InvalidateControl('btnZip')",
                                   L"ActivateTabQ('tab1', 'urn:x')", L"InvalidateControlMso('FileSave')"}),
        sim->Requests());
    EXPECT_EQ(2, world.Log().Count(L"RibbonUI", L"InvalidateControl")) << "the refused call is logged too";

    sim->FailNext(L"Invalidate", E_UNEXPECTED);
    EXPECT_EQ(E_UNEXPECTED, ribbon->Invalidate());
    EXPECT_EQ(4u, sim->Requests().size());
}

} // namespace
