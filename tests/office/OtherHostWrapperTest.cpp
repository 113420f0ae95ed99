// The wrappers of the other hosts' Application objects against the simulated hosts: the members the
// framework reads (by published dispatch id, or by name where none is published), and InfoPath's
// events, which come from a separate object. The events the framework chains reach the wrappers in
// the chained-handler tests, through the add-in's own hooks.
#include "office/HostDispIds.h"
#include "office/OtherHostWrappers.h"
#include "office/office.h"

#include "hostsim/OtherHosts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using classlib::ComPtr;
using classlib::MakeEvent;
using classlib::TObject;
using hostsim::EventArg;
using hostsim::OtherHost;
using hostsim::OtherHostKind;
using hostsim::SimObject;
using namespace office;

namespace {

SimObject *Sim(IUnknown *object) {
    return SimObject::FromUnknown(object);
}

class HostRecorder : public TObject {
public:
    std::vector<std::wstring> log;
    TObject *lastSender = nullptr;

    static std::wstring NameOf(IDispatch *object) {
        SimObject *sim = Sim(object);
        return sim ? sim->Name() : L"(none)";
    }
    void Object(TObject *sender, IDispatch *object) {
        lastSender = sender;
        log.push_back(NameOf(object));
    }
    void Pair(TObject *sender, IDispatch *first, IDispatch *second) {
        lastSender = sender;
        log.push_back(NameOf(first) + L"," + NameOf(second));
    }
};

// A host with a window and command bars (another window stands in for the bars object).
struct Host {
    OtherHost sim;
    hostsim::SimHostWindow *bars;
    hostsim::SimHostWindow *window;
    Host(OtherHostKind kind, const wchar_t *version) : sim(kind, version) {
        bars = sim.OpenWindow(L"command bars");
        window = sim.OpenWindow(L"Book1");
        sim.SetCommandBars(bars->Identity());
    }
};

// Version, and CommandBars and ActiveWindow where the wrapper has them.
template <class W> void ExpectCommonMembers(OtherHostKind kind) {
    SCOPED_TRACE(testing::Message() << "host " << static_cast<int>(kind));
    Host host(kind, L"12.0");
    W app(nullptr);
    app.ConnectTo(host.sim.Application());
    EXPECT_EQ(app.Version(), L"12.0");
    if constexpr (requires { app.CommandBars(); }) {
        EXPECT_EQ(Sim(app.CommandBars().Get()), host.bars);
    }
    if constexpr (requires { app.ActiveWindow(); }) {
        EXPECT_EQ(Sim(app.ActiveWindow().Get()), host.window);
    }
}

} // namespace

// Access's current project and MapPoint's commands are read and removed through the wrappers by the
// add-in (HostSessionTest.TheAccessPollFollowsTheOpenDatabase, HostDetectionTest's MapPoint19).
TEST(OtherHostWrappers, ReadTheMembersTheFrameworkUses) {
    ExpectCommonMembers<TExcelApplication>(OtherHostKind::Excel);
    ExpectCommonMembers<TPowerPointApplication>(OtherHostKind::PowerPoint);
    ExpectCommonMembers<TAccessApplication>(OtherHostKind::Access);
    ExpectCommonMembers<TProjectApplication>(OtherHostKind::Project); // Version by id 5020
    ExpectCommonMembers<TFrontPageApplication>(OtherHostKind::FrontPage);
    ExpectCommonMembers<TMapPointApplication>(OtherHostKind::MapPoint);
    ExpectCommonMembers<TVisioApplication>(OtherHostKind::Visio);
    ExpectCommonMembers<TPublisherApplication>(OtherHostKind::Publisher);
    ExpectCommonMembers<TInfoPathApplication>(OtherHostKind::InfoPath);

    Host ppt(OtherHostKind::PowerPoint, L"12.0");
    TPowerPointApplication powerPoint(nullptr);
    powerPoint.ConnectTo(ppt.sim.Application());
    ComPtr<IDispatch> windows = powerPoint.Windows();
    EXPECT_EQ(classlib::DispGet(windows.Get(), dispid::powerpoint_windows::Count).ToInt(), 2);

    Host infoPathHost(OtherHostKind::InfoPath, L"12.0");
    TInfoPathApplication infoPath(nullptr);
    infoPath.ConnectTo(infoPathHost.sim.Application());
    EXPECT_NE(infoPath.Windows(), nullptr);
}

TEST(OtherHostWrappers, InfoPathEventsComeFromItsEventsObjectUntilDisconnected) {
    Host host(OtherHostKind::InfoPath, L"12.0");
    SimObject &source = host.sim.EventSource();
    LONG appRefs = host.sim.App().ClientRefs();
    LONG sourceRefs = source.ClientRefs();
    HostRecorder recorder;
    {
        TInfoPathApplication app(nullptr);
        app.ConnectTo(host.sim.Application());
        ASSERT_NE(app.EventInterface(), nullptr);
        EXPECT_TRUE(IsEqualIID(*app.EventInterface(), DIID_InfoPathApplicationEvents));
        app.OnWindowActivate = MakeEvent<&HostRecorder::Pair>(&recorder);
        app.OnNewXDocument = MakeEvent<&HostRecorder::Object>(&recorder);
        app.OnXDocumentOpen = MakeEvent<&HostRecorder::Object>(&recorder);
        host.sim.ActivateWindow(host.bars);
        host.sim.Fire(dispid::infopath_application_events::NewXDocument, {EventArg(host.window)});
        host.sim.Fire(dispid::infopath_application_events::XDocumentOpen, {EventArg(host.bars)});
        EXPECT_EQ(recorder.lastSender, &app);

        app.Disconnect();
        host.sim.Fire(dispid::infopath_application_events::XDocumentOpen, {EventArg(host.bars)});
        EXPECT_EQ(source.ClientRefs(), sourceRefs);
        EXPECT_EQ(host.sim.App().ClientRefs(), appRefs);
        app.ConnectTo(host.sim.Application()); // the destructor lets go as well
    }
    EXPECT_EQ(source.ClientRefs(), sourceRefs);
    EXPECT_EQ(source.Events().SinkCount(DIID_InfoPathApplicationEvents), 0);
    EXPECT_EQ(recorder.log, (std::vector<std::wstring>{L"(none),Window1", L"Window2", L"Window1"}));
}
