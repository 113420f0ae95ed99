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

TEST(OtherHosts, VersionIsReadTheWayEachHostPublishesIt) {
    struct Case {
        OtherHostKind kind;
        DISPID id; // 0: by name only
    } cases[] = {
        {OtherHostKind::Excel, 0x188},  {OtherHostKind::PowerPoint, 0x7DE}, {OtherHostKind::Access, 0x949},
        {OtherHostKind::Project, 5020}, {OtherHostKind::Visio, 0xE},        {OtherHostKind::FrontPage, 0},
        {OtherHostKind::MapPoint, 0},   {OtherHostKind::Publisher, 0},      {OtherHostKind::InfoPath, 0}};
    for (const auto &c : cases) {
        OtherHost host(c.kind, L"14.0.0.4760");
        SCOPED_TRACE(host.HostName());
        if (c.id != 0) {
            EXPECT_EQ(DispGet(host.Application(), c.id).ToString(), L"14.0.0.4760");
        }
        EXPECT_EQ(DispGet(host.Application(), L"version").ToString(), L"14.0.0.4760");
    }
    OtherHost project(OtherHostKind::Project, L"12.0");
    project.App().FailNext(L"Version", E_ACCESSDENIED);
    EXPECT_EQ(ErrorOf([&] { DispGet(project.Application(), 5020); }), E_ACCESSDENIED);
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

TEST(OtherHosts, ApplicationEventsThroughConnectionPoints) {
    OtherHost excel(OtherHostKind::Excel, L"11.0");
    auto sink = classlib::Make<TestSink>(DIID_ExcelAppEvents);
    ASSERT_EQ(sink->Connect(excel.Application()), S_OK);
    SimHostWindow *window = excel.OpenWindow(L"Book1");
    excel.ActivateWindow(window);
    excel.Fire(0x620); // WorkbookActivate
    EXPECT_EQ(sink->events,
              (std::vector<std::wstring>{L"WindowActivate(Nothing, Window1)", L"WorkbookActivate()"}));
    EXPECT_EQ(DispGet(excel.Application(), L"ActiveWindow").ToDispatch().Get(),
              static_cast<IDispatch *>(window));

    // Project 2000 knows only its first event interface; later versions both.
    OtherHost project2000(OtherHostKind::Project, L"9.0");
    auto newer = classlib::Make<TestSink>(DIID_ProjectEProjectApp2);
    EXPECT_EQ(newer->Connect(project2000.Application()), CONNECT_E_NOCONNECTION);
    OtherHost project(OtherHostKind::Project, L"12.0");
    EXPECT_EQ(newer->Connect(project.Application()), S_OK);
    project.ActivateWindow(project.OpenWindow(L"Project1"));
    EXPECT_EQ(newer->Names(), L"WindowActivate");

    // Access raises no application events.
    OtherHost access(OtherHostKind::Access, L"11.0");
    ComPtr<IUnknown> container;
    EXPECT_EQ(access.Application()->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()),
              E_NOINTERFACE);
}

TEST(OtherHosts, InfoPathEventsComeFromItsEventsObject) {
    OtherHost host(OtherHostKind::InfoPath, L"12.0");
    ComPtr<IDispatch> byName = DispGet(host.Application(), L"Events").ToDispatch();
    // The same object through the interface's method table, as a caller without names reaches it.
    ComPtr<IInfoPathApplication3> table;
    ASSERT_EQ(host.Application()->QueryInterface(DIID_InfoPathApplication, table.PutVoid()), S_OK);
    ComPtr<IDispatch> bySlot;
    ASSERT_EQ(table->get_Events(bySlot.Put()), S_OK);
    EXPECT_EQ(byName.Get(), bySlot.Get());
    BSTR version = nullptr;
    ASSERT_EQ(table->get_Version(&version), S_OK);
    EXPECT_STREQ(version, L"12.0");
    SysFreeString(version);

    auto onApp = classlib::Make<TestSink>(DIID_InfoPathApplicationEvents);
    EXPECT_EQ(onApp->Connect(host.Application()), E_NOINTERFACE);
    auto sink = classlib::Make<TestSink>(DIID_InfoPathApplicationEvents);
    ASSERT_EQ(sink->Connect(byName.Get()), S_OK);

    SimHostWindow *first = host.OpenWindow(L"Form1");
    host.OpenWindow(L"Form2");
    host.ActivateWindow(first);
    EXPECT_EQ(sink->events, std::vector<std::wstring>{L"WindowActivate(Nothing, Window1)"});
    // Windows counts from 0; a window's CommandBars are the Application's unless it has its own.
    ComPtr<IDispatch> windows = DispGet(host.Application(), L"Windows").ToDispatch();
    EXPECT_EQ(DispGet(windows.Get(), L"Count").ToInt(), 2);
    ComPtr<IDispatch> zero = DispCall(windows.Get(), L"Item", {0}).ToDispatch();
    EXPECT_EQ(DispGet(zero.Get(), L"Caption").ToString(), L"Form2");
    first->SetCommandBars(host.Application());
    EXPECT_EQ(DispGet(DispGet(host.Application(), L"ActiveWindow").ToDispatch().Get(), L"CommandBars")
                  .ToDispatch()
                  .Get(),
              host.Application());
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
