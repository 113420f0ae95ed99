// The Word wrapper against the simulated Word: members read late-bound, the window and document
// events of each Word version with their documents and windows, chaining, and disconnection.
#include "office/WordApplication.h"
#include "office/office.h"

#include "ErrorOf.h"
#include "hostsim/WordHost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using classlib::EOleSysError;
using classlib::MakeEvent;
using classlib::TObject;
using hostsim::SimObject;
using hostsim::WordHost;
using namespace office;

namespace {

SimObject *Sim(IUnknown *object) {
    return SimObject::FromUnknown(object);
}

// Writes each event with the names of the simulated objects it was given.
class WordRecorder : public TObject {
public:
    std::vector<std::wstring> log;
    TObject *lastSender = nullptr;

    static std::wstring NameOf(IDispatch *object) {
        SimObject *sim = Sim(object);
        return sim ? sim->Name() : L"(none)";
    }
    void Startup(TObject *sender) { Add(sender, L"startup"); }
    void Quit(TObject *sender) { Add(sender, L"quit"); }
    void DocumentChange(TObject *sender) { Add(sender, L"change"); }
    void DocumentOpen(TObject *sender, IDispatch *doc) { Add(sender, L"open " + NameOf(doc)); }
    void NewDocument(TObject *sender, IDispatch *doc) { Add(sender, L"new " + NameOf(doc)); }
    void WindowActivate(TObject *sender, IDispatch *doc, IDispatch *wn) {
        Add(sender, L"activate " + NameOf(doc) + L" in " + NameOf(wn));
    }

private:
    void Add(TObject *sender, std::wstring entry) {
        lastSender = sender;
        log.push_back(std::move(entry));
    }
};

void HookAll(TWordApplication &app, WordRecorder &recorder) {
    app.OnStartup = MakeEvent<&WordRecorder::Startup>(&recorder);
    app.OnQuit = MakeEvent<&WordRecorder::Quit>(&recorder);
    app.OnDocumentChange = MakeEvent<&WordRecorder::DocumentChange>(&recorder);
    app.OnDocumentOpen = MakeEvent<&WordRecorder::DocumentOpen>(&recorder);
    app.OnNewDocument = MakeEvent<&WordRecorder::NewDocument>(&recorder);
    app.OnWindowActivate = MakeEvent<&WordRecorder::WindowActivate>(&recorder);
}

} // namespace

TEST(TWordApplication, ReadsWordsMembers) {
    WordHost host(L"12.0");
    TWordApplication app(nullptr);
    app.ConnectTo(host.Application());
    EXPECT_EQ(app.Version(), L"12.0");
    EXPECT_EQ(Sim(app.Documents().Get()), &host.Documents());
    EXPECT_EQ(Sim(app.Windows().Get()), &host.Windows());
    EXPECT_EQ(Sim(app.Templates().Get()), &host.Templates());
    EXPECT_EQ(Sim(app.NormalTemplate().Get()), host.NormalTemplate());
    EXPECT_EQ(app.CommandBars(), nullptr);            // no command-bar simulation attached here
    EXPECT_THROW(app.ActiveDocument(), EOleSysError); // Word fails while no document is open

    auto *doc = host.OpenDocument(L"C:\\Letters\\Offer.docx");
    EXPECT_EQ(Sim(app.ActiveDocument().Get()), doc);
    EXPECT_EQ(Sim(app.ActiveWindow().Get()), doc->Window());

    EXPECT_TRUE(app.ShowWindowsInTaskbar());
    host.SetShowWindowsInTaskbar(false);
    EXPECT_FALSE(app.ShowWindowsInTaskbar());
    app.OrganizerDelete(host.NormalTemplate()->FullName(), L"Tessary", 2);
    EXPECT_EQ(host.OrganizerDeletes(),
              (std::vector<std::wstring>{host.NormalTemplate()->FullName() + L"|Tessary|2"}));
    app.Quit();
    EXPECT_TRUE(host.HasQuit());

    WordHost word2000(L"9.0"); // a member this Word lacks fails clearly
    TWordApplication old(nullptr);
    old.ConnectTo(word2000.Application());
    EXPECT_EQ(testsupport::ErrorOf([&] { old.ShowWindowsInTaskbar(); }), DISP_E_MEMBERNOTFOUND);
}

TEST(TWordApplication, EachWordVersionDeliversDocumentAndWindowEvents) {
    struct Case {
        const wchar_t *version;
        const IID *events;
    } cases[] = {{L"9.0", &DIID_WordApplicationEvents2},
                 {L"10.0", &DIID_WordApplicationEvents3},
                 {L"11.0", &DIID_WordApplicationEvents4},
                 {L"14.0", &DIID_WordApplicationEvents4}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "Word " << std::string(c.version, c.version + wcslen(c.version)));
        WordHost host(c.version);
        TWordApplication app(nullptr);
        app.ConnectTo(host.Application());
        ASSERT_NE(app.EventInterface(), nullptr);
        EXPECT_TRUE(IsEqualIID(*app.EventInterface(), *c.events));
        WordRecorder recorder;
        HookAll(app, recorder);

        host.Startup();
        auto *first = host.NewDocument();
        auto *second = host.OpenDocument(L"C:\\Offer.doc");
        std::wstring d1 = first->Name(), w1 = first->Window()->Name();
        std::wstring d2 = second->Name(), w2 = second->Window()->Name();
        host.Activate(first->Window());
        host.Quit();
        EXPECT_EQ(recorder.log,
                  (std::vector<std::wstring>{L"startup", L"new " + d1, L"activate " + d1 + L" in " + w1,
                                             L"change", L"open " + d2, L"activate " + d2 + L" in " + w2,
                                             L"change", L"activate " + d1 + L" in " + w1, L"change",
                                             // Quit closes the newest document first, then the active one
                                             L"change", L"change", L"quit"}));
        EXPECT_EQ(recorder.lastSender, &app);
    }
}

// A handler chained before the framework's, and one that fails, are the add-in's
// (ChainedHandlersTest.Word).
TEST(TWordApplication, DisconnectStopsEventsAndGivesBackEveryReference) {
    WordHost host(L"11.0");
    LONG refs = host.App().ClientRefs();
    WordRecorder recorder;
    {
        TWordApplication app(nullptr);
        app.ConnectTo(host.Application());
        app.OnWindowActivate = MakeEvent<&WordRecorder::WindowActivate>(&recorder);
        auto *doc = host.NewDocument();
        host.NewDocument();
        app.Disconnect();
        host.Activate(doc->Window());
        EXPECT_EQ(recorder.log.size(), 2u);
        EXPECT_EQ(host.App().ClientRefs(), refs);
        app.ConnectTo(host.Application()); // the destructor disconnects too
    }
    EXPECT_EQ(host.App().ClientRefs(), refs);
    EXPECT_EQ(host.App().Events().SinkCount(DIID_WordApplicationEvents4), 0);
}
