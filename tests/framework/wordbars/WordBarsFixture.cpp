#include "WordBarsFixture.h"

#include <functional>
#include <map>
#include <set>

#include "classlib/Application.h"
#include "classlib/Registry.h"
#include "framework/core/DeferredFree.h"
#include "framework/core/ProcessState.h"
#include "hostsim/CommandBarHosts.h"

namespace wordbars {

namespace {

std::wstring Flags(bool Visible, bool Enabled) {
    return std::wstring(Visible ? L" visible" : L" hidden") + (Enabled ? L"" : L" disabled");
}

void DrawControls(const hostsim::BarModel &Bar, const std::wstring &Indent,
                  std::vector<std::wstring> &Lines) {
    for (const hostsim::ControlRef &control : Bar.controls) {
        const hostsim::ControlProps &p = control->props;
        std::wstring line = Indent + L"type " + std::to_wstring(control->type) + L" id " +
                            std::to_wstring(control->id) + L" tag '" + p.tag + L"' caption '" + p.caption +
                            L"'" + Flags(p.visible, p.enabled) + (p.beginGroup ? L" group" : L"") +
                            L" face " + std::to_wstring(p.faceId) + L" style " + std::to_wstring(p.style) +
                            L" action '" + p.onAction + L"' tip '" + p.tooltipText + L"' text '" + p.text +
                            L"' items";
        for (const std::wstring &item : p.items)
            line += L" '" + item + L"'";
        Lines.push_back(line);
        if (control->subBar)
            DrawControls(*control->subBar, Indent + L"  ", Lines);
    }
}

void DrawRecords(const std::wstring &Key, std::vector<std::wstring> &Lines) {
    classlib::TRegistry registry;
    registry.SetRootKey(HKEY_CURRENT_USER);
    if (!registry.OpenKeyReadOnly(Key))
        return;
    for (const std::wstring &name : registry.GetValueNames())
        Lines.push_back(L"record " + Key.substr(Key.rfind(L'\\') + 1) + L"\\" + name + L" = " +
                        std::to_wstring(registry.ReadInteger(name)));
}

} // namespace

void WordBarsFixture::SetUp() {
    Errors().clear();
    environment_.emplace([](const std::wstring &Text) { Errors().push_back(L"Message:" + Text); });
    ASSERT_TRUE(environment_->Ready());
    framework::HostMainWindow = nullptr;
    classlib::SetApplicationHandle(nullptr);
    NewWord();
}

void WordBarsFixture::TearDown() {
    if (addIn_)
        Stop();
    templates_.reset();
    word_.reset();
    EXPECT_EQ(ModulesAlive(), 0) << "a module was not freed";
    EXPECT_EQ(framework::ObjectsAfterCallCount(), 0u) << "a wrapper or timer waits to be freed";
    EXPECT_EQ(framework::AddInCanUnloadNow(), S_OK) << "an add-in object or event sink is still alive";
    EXPECT_EQ(framework::DeferredObjectCount(), 0u);
    environment_.reset();
}

void WordBarsFixture::NewWord() {
    if (addIn_)
        Stop();
    templates_.reset();
    word_.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, nullptr);
    word_ = std::make_unique<hostsim::WordHost>(L"11.0");
    bars_ = &hostsim::AttachCommandBars(*word_);
    templates_ = std::make_unique<hostsim::WordCustomization>(*word_, *bars_);
    word_->NewDocument();
}

bool WordBarsFixture::Start() {
    EXPECT_EQ(WordBarsFactory().CreateInstance(nullptr, __uuidof(IDTExtensibility2), addIn_.PutVoid()), S_OK);
    if (!addIn_)
        return false;
    const bool connected =
        addIn_->OnConnection(word_->Application(), ext_cm_Startup, nullptr, &custom_) == S_OK;
    return connected && addIn_->OnStartupComplete(&custom_) == S_OK;
}

void WordBarsFixture::Stop() {
    addIn_->OnBeginShutdown(&custom_);
    addIn_->OnDisconnection(ext_dm_HostShutdown, &custom_);
    addIn_.Reset();
}

void WordBarsFixture::Restart(AtQuit What) {
    if (addIn_)
        Stop();
    templates_->Restart(What);
    Start();
}

std::vector<hostsim::ControlRef> WordBarsFixture::Tagged(const std::wstring &Tag) {
    std::vector<hostsim::ControlRef> found;
    for (const hostsim::BarRef &bar : Set().Bars())
        hostsim::ForEachControl(*bar, [&](const hostsim::ControlRef &Control) {
            if (Control->props.tag == Tag)
                found.push_back(Control);
            return true;
        });
    return found;
}

std::string WordBarsFixture::Picture() {
    // By the bars' names: a bar added again stands last in the collection, which the user does not see.
    std::map<std::wstring, std::vector<std::wstring>> bars;
    for (const hostsim::BarRef &bar : Set().Bars()) {
        std::vector<std::wstring> &lines = bars[bar->name];
        lines.push_back(L"bar '" + bar->name + L"'" + Flags(bar->visible, bar->enabled) + L" position " +
                        std::to_wstring(bar->position) + L" in '" + bar->context + L"'");
        DrawControls(*bar, L"  ", lines);
    }
    std::vector<std::wstring> lines;
    for (const auto &[name, block] : bars)
        lines.insert(lines.end(), block.begin(), block.end());
    DrawRecords(AddInKey() + L"\\CommandBars", lines);
    DrawRecords(AddInKey() + L"\\Controls", lines);
    std::string text;
    for (const std::wstring &line : lines) {
        for (wchar_t c : line)
            text += c < 128 ? static_cast<char>(c) : '?';
        text += '\n';
    }
    return text;
}

std::string WordBarsFixture::Difference(const std::string &Expected, const std::string &Actual) {
    auto lines = [](const std::string &Text) {
        std::multiset<std::string> set;
        for (size_t at = 0, end; at < Text.size(); at = end + 1) {
            end = Text.find('\n', at);
            set.insert(Text.substr(at, end - at));
        }
        return set;
    };
    const std::multiset<std::string> expected = lines(Expected), actual = lines(Actual);
    std::string text;
    for (const std::string &line : expected)
        if (actual.count(line) < expected.count(line))
            text += "- " + line + "\n";
    for (const std::string &line : actual)
        if (expected.count(line) < actual.count(line))
            text += "+ " + line + "\n";
    return text.empty() && Expected != Actual ? "order\n" : text;
}

std::vector<std::wstring> WordBarsFixture::Writes(const std::wstring &Member) const {
    std::vector<std::wstring> writes;
    for (const hostsim::SimCall &call : word_->Log().Calls())
        if (call.member == Member && !call.args.empty())
            writes.push_back(call.Text());
    return writes;
}

std::wstring WordBarsFixture::AddInKey() const {
    return WordBarsFactory().GetAddInKey(framework::ohaWord);
}

} // namespace wordbars
