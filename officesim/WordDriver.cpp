// The simulated Word as officesim drives it: one blank document at start-up, documents opened,
// made and closed, one set of command bars for the whole application.
#include "classlib/Format.h"
#include "hostsim/CommandBarHosts.h"
#include "hostsim/CommandBarsObject.h"
#include "hostsim/WordHost.h"
#include "office/office.h"
#include "officesim/HostDriver.h"

using namespace hostsim;

namespace officesim {

namespace {

const wchar_t kOnApplication[] = L"the Application";

class WordDriver : public HostDriver {
public:
    WordDriver(int version, const std::wstring &versionText) : version_(version), host_(versionText) {
        AttachCommandBars(host_);
    }

    std::wstring Name() const override { return L"Word"; }
    SimWorld &World() override { return host_.World(); }
    IDispatch *Application() override { return host_.Application(); }

    void OpenStartupWindows(Transcript &transcript) override {
        SimWordDocument *document = host_.NewDocument();
        transcript.Line(document->Window()->Name() + L" opened: " + Describe(document->Window()).what);
    }

    void RaiseStartup(Transcript &transcript) override {
        transcript.Line(L"Application Startup event");
        int hearers = Hearers();
        host_.Startup();
        transcript.Heard(L"Startup", hearers, kOnApplication);
    }

    std::vector<HostWindow> Windows() override {
        std::vector<HostWindow> windows;
        for (SimObject *entry : host_.Windows().Entries())
            windows.push_back(Describe(static_cast<SimWordWindow *>(entry)));
        return windows;
    }

    std::optional<HostWindow> ActiveWindow() override {
        SimWordWindow *window = host_.ActiveWindow();
        return window ? std::optional<HostWindow>(Describe(window)) : std::nullopt;
    }

    bool Run(const Step &step, Transcript &transcript) override {
        int hearers = Hearers();
        if (step.command == L"new-document")
            Opened(host_.NewDocument(), L"NewDocument", hearers, transcript);
        else if (step.command == L"open-document")
            Opened(host_.OpenDocument(step.args[0]), L"DocumentOpen", hearers, transcript);
        else if (step.command == L"close-document")
            CloseDocument(transcript);
        else
            return false;
        return true;
    }

    int QuitListeners() override { return Hearers(); }

    void Quit(Transcript &transcript) override {
        transcript.Line(L"Word closes every document and raises the Application's Quit event");
        if (!host_.Quit())
            transcript.Line(
                L"an event sink cancelled DocumentBeforeClose, so Word did not quit; officesim ends "
                L"the session all the same");
    }

private:
    // The event connections on the Application, where Word raises every event officesim reports;
    // each of them is declared on all of the Application's event interfaces.
    int Hearers() {
        int count = 0;
        for (const IID *iid :
             {&DIID_WordApplicationEvents2, &DIID_WordApplicationEvents3, &DIID_WordApplicationEvents4})
            count += host_.App().Events().SinkCount(*iid);
        return count;
    }

    HostWindow Describe(SimWordWindow *window) {
        SimWordDocument *document = window->Document();
        HostWindow described{window->Name(), L"", static_cast<IDispatch *>(window), L"", host_.CommandBars()};
        described.what =
            L"window of " + (document ? Quoted(document->FullName()) : std::wstring(L"no document"));
        if (version_ >= 12)
            described.ribbonId = L"Microsoft.Word.Document";
        return described;
    }

    void Opened(SimWordDocument *document, const wchar_t *event, int hearers, Transcript &transcript) {
        if (!document->Connected()) {
            transcript.Line(L"an event sink closed the new document at once");
            transcript.Heard(event, hearers, kOnApplication);
            return;
        }
        transcript.Line(document->Window()->Name() + L" opened: " + Describe(document->Window()).what +
                        L" (" + event + L", WindowActivate, DocumentChange)");
        for (const wchar_t *heard : {event, L"WindowActivate", L"DocumentChange"})
            transcript.Heard(heard, hearers, kOnApplication);
    }

    void CloseDocument(Transcript &transcript) {
        SimWordDocument *document = host_.ActiveDocument();
        if (document == nullptr)
            throw EScriptError(L"no document is open");
        std::wstring name = document->Window()->Name(), fullName = document->FullName();
        int hearers = Hearers();
        if (host_.Close(document))
            transcript.Line(name + L" closed: " + Quoted(fullName) + L" (DocumentBeforeClose)");
        else
            transcript.Line(L"an event sink cancelled DocumentBeforeClose: " + Quoted(fullName) +
                            L" stays open");
        transcript.Heard(L"DocumentBeforeClose", hearers, kOnApplication);
    }

    int version_;
    WordHost host_;
};

} // namespace

std::unique_ptr<HostDriver> MakeWordDriver(int version, const std::wstring &versionText) {
    return std::make_unique<WordDriver>(version, versionText);
}

} // namespace officesim
