#include "CommandBarFixture.h"

#include "RegistryAccess.h"
#include "classlib/Classes.h"
#include "classlib/Format.h"
#include "classlib/Reader.h"
#include "classlib/Writer.h"
#include "hostsim/CommandBarCatalog.h"
#include "hostsim/CommandBarHosts.h"

namespace cbtest {

using Self = TCommandBarTestModule;

CLASSLIB_DEFINE_CLASS(TCommandBarTestModule, framework::TzidCOMAddInModule,
                      b.Method<&Self::ModuleError>(L"ModuleError");
                      b.Method<&Self::ButtonClick>(L"ButtonClick");
                      b.Method<&Self::ListChange>(L"ListChange"); b.Method<&Self::BeforeAdd>(L"BeforeAdd"))

TCommandBarTestModule::TCommandBarTestModule(classlib::TComponent *AOwner) : TzidCOMAddInModule(AOwner) {
    SetSupportedApps({framework::ohaWord, framework::ohaOutlook});
    OnError = classlib::MakeEvent<&Self::ModuleError>(this);
}

void TCommandBarTestModule::ModuleError(const classlib::Exception &E, bool &Handled) {
    Log.push_back(L"Error:" + E.Message());
    Handled = true;
}

void TCommandBarTestModule::ButtonClick(classlib::TObject *Sender) {
    auto *button = dynamic_cast<framework::TzidCommandBarButton *>(Sender);
    Log.push_back(L"Click:" + (button != nullptr ? button->Caption() : L"?"));
    if (Reenter && button != nullptr)
        button->DoAction();
    if (DuringClick)
        DuringClick();
    if (FailHandlers)
        throw classlib::Exception(L"the handler failed");
}

void TCommandBarTestModule::ListChange(classlib::TObject *Sender) {
    auto *control = dynamic_cast<framework::TzidCommandBarControl *>(Sender);
    Log.push_back(L"Change:" + (control != nullptr ? control->Caption() : L"?"));
}

void TCommandBarTestModule::BeforeAdd(framework::TzidOlInspectorCommandBar *, IDispatch *, bool &Cancel) {
    Cancel = true;
}

void TCommandBarTestModule::CreateControl(framework::TzidCommandBarControl *Control,
                                          framework::TzidCustomCommandBar *Bar,
                                          framework::TzidCommandBarPopup *Parent) {
    Log.push_back(L"Created:" + Control->StoredOfficeTag());
    if (OnCreateControl)
        OnCreateControl(Control, Bar, Parent);
}

namespace {

// A fake sink: it records its advice and its withdrawal.
class TFakeSink : public framework::IzidControlEventSink {
public:
    TFakeSink(std::vector<TSinkRecord> &Records, size_t Index) : records_(Records), index_(Index) {}
    void Disconnect() noexcept override { records_[index_].Disconnected = true; }

private:
    std::vector<TSinkRecord> &records_;
    size_t index_;
};

} // namespace

void CommandBarTest::SetUp() {
    environment_.emplace([this](const std::wstring &Text) { shownMessages_.push_back(Text); });
    ASSERT_TRUE(environment_->Ready());
    previousFactory_ = framework::SetControlEventSinkFactory(
        [this](framework::TzidCOMAddInModule &, framework::TzidCommandBarControl &Control) {
            sinks_.push_back({&Control});
            return std::make_unique<TFakeSink>(sinks_, sinks_.size() - 1);
        });

    framework::RegisterCommandBarClasses();
    classlib::RegisterClass(TCommandBarTestModule::StaticClass());
    NewHost();
}

void CommandBarTest::NewHost() {
    outlook_ = std::make_unique<hostsim::OutlookHost>(HostVersion());
    std::shared_ptr<hostsim::CommandBarHost> host = hostsim::AttachCommandBars(*outlook_);
    sim_ = outlook_->World().Create<hostsim::CommandBarsObject>(hostsim::catalogue::OutlookExplorer(), host);
    sim_->Rename(L"Explorer1.CommandBars");
    NewModule();
}

void CommandBarTest::NewModule() {
    module_ = new TCommandBarTestModule(nullptr);
    module_->SetHostType(framework::ohaOutlook);
    module_->SetStartMode(framework::zsmNormal);
    module_->SetHostApp(classlib::OleVariant(outlook_->Application()));
    classlib::ComPtr<_CommandBars> bars;
    ASSERT_EQ(sim_->Identity()->QueryInterface(IID__CommandBars, bars.PutVoid()), S_OK);
    module_->SetCommandBars(std::move(bars));
}

void CommandBarTest::RestartModule() {
    classlib::Free(module_);
    sim_->Restart();
    NewModule();
}

void CommandBarTest::UseEngine() {
    module_->OnCreateControl = [this](framework::TzidCommandBarControl *C, framework::TzidCustomCommandBar *B,
                                      framework::TzidCommandBarPopup *P) {
        module_->TzidCOMAddInModule::CreateControl(C, B, P);
    };
}

std::vector<std::wstring> CommandBarTest::Lines(const std::wstring &Kind) const {
    std::vector<std::wstring> lines;
    for (const std::wstring &line : module_->Log)
        if (line.rfind(Kind, 0) == 0)
            lines.push_back(line);
    return lines;
}

void CommandBarTest::DropHost() {
    classlib::Free(module_);
    module_ = nullptr;
    if (sim_ != nullptr) {
        EXPECT_EQ(sim_->ClientRefs(), 0) << "the module kept a reference to the host's command bars";
    }
    for (const TSinkRecord &sink : sinks_)
        EXPECT_TRUE(sink.Disconnected) << "a control left its Office events advised";
    outlook_.reset();
    sim_ = nullptr;
}

void CommandBarTest::TearDown() {
    DropHost();
    framework::SetControlEventSinkFactory(std::move(previousFactory_));
    environment_.reset();
}

void CommandBarTest::ReadForm(const std::wstring &Body) {
    classlib::ReadComponentForm(ModuleForm(Body), module_);
}

std::wstring CommandBarTest::WriteForm() {
    return classlib::WriteComponentForm(module_);
}

hostsim::BarRef CommandBarTest::AddOfficeBar(const std::wstring &Name, bool Temporary) {
    hostsim::BarRef bar = Set().AddBar(Name, hostsim::msoBarPos::Top, false, Temporary);
    Set().SetBarVisible(bar, true);
    return bar;
}

hostsim::ControlRef CommandBarTest::AddOfficeControl(const hostsim::BarRef &Bar, long Type,
                                                     const std::wstring &Tag) {
    hostsim::ControlRef control =
        Set().AddControl(Bar, Type, std::nullopt, std::nullopt, std::nullopt, false);
    control->props.tag = Tag;
    return control;
}

classlib::ComPtr<CommandBar> CommandBarTest::BarObject(const hostsim::BarRef &Bar) {
    return sim_->ObjectOf(Bar).As<CommandBar>();
}

classlib::ComPtr<CommandBarControl> CommandBarTest::ControlObject(const hostsim::ControlRef &Control) {
    return sim_->ObjectOf(Control).As<CommandBarControl>();
}

hostsim::ControlRef CommandBarTest::ModelOf(const framework::TzidCommandBarControl &Control) {
    return Control.ControlInterface() ? sim_->ControlOf(Control.ControlInterface().Get()) : nullptr;
}

hostsim::SimObject &CommandBarTest::Sim(const hostsim::ControlRef &Control) {
    return *hostsim::SimObject::FromUnknown(sim_->ObjectOf(Control).Get());
}

std::vector<std::wstring> CommandBarTest::Writes(const std::wstring &Member) const {
    std::vector<std::wstring> writes;
    for (const hostsim::SimCall &call : outlook_->Log().Calls())
        if (call.member == Member && !call.args.empty())
            writes.push_back(call.args);
    return writes;
}

int CommandBarTest::Record(const std::wstring &Key, const std::wstring &Name) {
    if (!testsupport::ValueExists(HKEY_CURRENT_USER, Key, Name))
        return -1;
    return static_cast<int>(testsupport::ReadDword(HKEY_CURRENT_USER, Key, Name));
}

void CommandBarTest::WriteRecord(const std::wstring &Key, const std::wstring &Name, DWORD Value) {
    testsupport::WriteDword(HKEY_CURRENT_USER, Key, Name, Value);
}

std::wstring ModuleForm(const std::wstring &Body) {
    return L"object Module: TCommandBarTestModule\n" + Body + L"end\n";
}

std::wstring Kinds(std::initializer_list<uint32_t> List, int Count) {
    std::wstring hex;
    auto put = [&hex](uint32_t value) {
        for (int i = 0; i < 4; ++i)
            hex += classlib::Format(L"%.2x", {(value >> (8 * i)) & 0xFF});
    };
    put(Count >= 0 ? uint32_t(Count) : uint32_t(List.size()));
    for (uint32_t kind : List)
        put(kind);
    return L"{" + hex + L"}";
}

} // namespace cbtest
