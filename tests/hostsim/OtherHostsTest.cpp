// The other hosts' Application objects: identity as host detection asks for it, the version read
// the way each host's is read, command bars, windows and application events.
#include <gtest/gtest.h>

#include "classlib/LateBinding.h"
#include "hostsim/OtherHostsInfoPath.h"
#include "hostsim/OutlookHost.h"
#include "hostsim/WordHost.h"
#include "office/office.h"
#include "tests/hostsim/SimTestSink.h"

#include "ErrorOf.h"

using namespace hostsim;
using classlib::ComPtr;
using classlib::DispCall;
using classlib::DispGet;
using classlib::OleVariant;
using hostsim_test::TestSink;
using testsupport::ErrorOf;

namespace {

const OtherHostKind kAllKinds[] = {
    OtherHostKind::Excel,   OtherHostKind::PowerPoint, OtherHostKind::Access,
    OtherHostKind::Project, OtherHostKind::FrontPage,  OtherHostKind::MapPoint,
    OtherHostKind::Visio,   OtherHostKind::Publisher,  OtherHostKind::InfoPath};

// The identities host detection asks for, in its order (Word, Excel, Outlook, Access, Project,
// PowerPoint, FrontPage, MapPoint, Visio, Publisher, InfoPath).
const IID *const kDetectionOrder[] = {
    &DIID_WordApplication,      &DIID_ExcelApplication,    &DIID_OutlookApplication,
    &DIID_AccessApplication,    &DIID_ProjectApplication,  &DIID_PowerPointApplication,
    &DIID_FrontPageApplication, &DIID_MapPointApplication, &DIID_VisioApplication,
    &DIID_PublisherApplication, &DIID_InfoPathApplication};

// The first identity the object answers, as host detection finds it (-1 for none).
int Detect(IDispatch *app) {
    for (int i = 0; i < 11; ++i) {
        ComPtr<IUnknown> answer;
        if (SUCCEEDED(app->QueryInterface(*kDetectionOrder[i], answer.PutVoid())))
            return i;
    }
    return -1;
}

} // namespace

TEST(OtherHosts, EachHostAnswersOnlyItsOwnIdentity) {
    WordHost word;
    OutlookHost outlook;
    EXPECT_EQ(Detect(word.Application()), 0);
    EXPECT_EQ(Detect(outlook.Application()), 2);
    const int expected[] = {1, 5, 3, 4, 6, 7, 8, 9, 10};
    for (int i = 0; i < 9; ++i) {
        OtherHost host(kAllKinds[i], L"12.0");
        SCOPED_TRACE(host.HostName());
        EXPECT_EQ(Detect(host.Application()), expected[i]);
        // The answer is used as IDispatch.
        ComPtr<IDispatch> asDispatch;
        ASSERT_EQ(host.Application()->QueryInterface(HostApplicationIID(kAllKinds[i]), asDispatch.PutVoid()),
                  S_OK);
        EXPECT_EQ(DispGet(asDispatch.Get(), L"Version").ToString(), L"12.0");
    }
}

TEST(OtherHosts, CommandBarsWhereTheHostHasThem) {
    for (OtherHostKind kind : kAllKinds) {
        if (kind == OtherHostKind::InfoPath)
            continue; // InfoPath's bars belong to its windows
        OtherHost host(kind, L"11.0");
        SCOPED_TRACE(host.HostName());
        if (kind == OtherHostKind::MapPoint) {
            EXPECT_EQ(ErrorOf([&] { DispGet(host.Application(), L"CommandBars"); }), DISP_E_UNKNOWNNAME);
            continue;
        }
        EXPECT_FALSE(DispGet(host.Application(), L"CommandBars").ToDispatch());
        // Any automation object stands in for the command-bar simulation's CommandBars.
        host.SetCommandBars(host.Application());
        EXPECT_EQ(DispGet(host.Application(), L"CommandBars").ToDispatch().Get(), host.Application());
    }
}

TEST(OtherHosts, AccessProjectMapPointCommandsAndMainWindows) {
    OtherHost access(OtherHostKind::Access, L"11.0");
    ComPtr<IDispatch> project = DispGet(access.Application(), L"CurrentProject").ToDispatch();
    EXPECT_FALSE(DispGet(project.Get(), L"IsConnected").ToBool());
    access.OpenProject(L"C:\\Data\\Kunden.mdb");
    EXPECT_TRUE(DispGet(project.Get(), L"IsConnected").ToBool());
    EXPECT_EQ(DispGet(project.Get(), L"Name").ToString(), L"Kunden.mdb");
    access.CloseProject();
    EXPECT_EQ(DispGet(project.Get(), L"FullName").ToString(), L"");

    OtherHost mapPoint(OtherHostKind::MapPoint, L"11.0");
    DispCall(mapPoint.Application(), L"AddCommand", {L"Zip", L"OnZip", OleVariant(mapPoint.Application())});
    EXPECT_EQ(mapPoint.Commands(), std::vector<std::wstring>{L"Zip|OnZip"});
    DispCall(mapPoint.Application(), L"RemoveCommands", {OleVariant(mapPoint.Application())});
    EXPECT_TRUE(mapPoint.Commands().empty());

    OtherHost excel(OtherHostKind::Excel, L"11.0");
    OtherHost visio(OtherHostKind::Visio, L"11.0");
    wchar_t name[64] = {};
    ASSERT_TRUE(excel.MainWindow());
    GetClassNameW(excel.MainWindow(), name, 64);
    EXPECT_STREQ(name, L"XLMAIN");
    GetClassNameW(visio.MainWindow(), name, 64);
    EXPECT_STREQ(name, L"VISIOA");
    EXPECT_EQ(access.MainWindow(), nullptr);
}
