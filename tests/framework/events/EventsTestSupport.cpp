#include "EventsTestSupport.h"

#include <map>

#include "classlib/ComServer.h"
#include "classlib/OleString.h"
#include "classlib/TypInfo.h"
#include "classlib/TypeAttrs.h"
#include "framework/events/EventClasses.h"
#include "framework/events/OfficeAppEvents.h"
#include "framework/events/OtherAppEvents.h"
#include "framework/events/OutlookEvents.h"
#include "framework/events/WordEvents.h"
#include "hostsim/SimTypeLib.h"

using classlib::ComPtr;
using classlib::OleVariant;
using classlib::TObject;
using hostsim::SimObject;

namespace eventstest {

namespace {

using TProbes = std::vector<SimObject *>;

struct TSignature {
    void (*Code)();
    void (*Build)(TFireCase &, const TProbes &);
};

std::map<std::type_index, TSignature> &Signatures() {
    static std::map<std::type_index, TSignature> signatures;
    return signatures;
}

class TBinding : public TObject {
public:
    TBinding(TRecorder *recorder, std::wstring event) : Recorder(recorder), Event(std::move(event)) {}
    TRecorder *Recorder;
    std::wstring Event;
};

std::wstring VariantText(const OleVariant &v) {
    return L"var:" + std::to_wstring(v.Type()) + L":" + v.ToString();
}

// Per parameter type: the argument a test passes at position i, how a handler shows what it got,
// and what it answers through a by-reference parameter.
template <class T> struct TArgKind;
struct TByValue { // nothing to answer through a parameter passed by value
    template <class V> static void Answer(const V &) {}
};

template <> struct TArgKind<IDispatch *> : TByValue {
    static void Sample(TFireCase &fc, size_t i, const TProbes &probes) {
        fc.Args.emplace_back(probes.at(i));
        fc.Expected.push_back(L"obj" + std::to_wstring(i));
    }
    static std::wstring Render(const TRecorder &r, IDispatch *v) { return r.Describe(v); }
};
template <> struct TArgKind<CommandBar *> : TByValue {
    static void Sample(TFireCase &fc, size_t, const TProbes &) {
        fc.Args.emplace_back(OleVariant(static_cast<IDispatch *>(nullptr)));
        fc.Expected.push_back(L"nil");
    }
    static std::wstring Render(const TRecorder &r, CommandBar *v) { return r.Describe(v); }
};
template <> struct TArgKind<int> : TByValue {
    static void Sample(TFireCase &fc, size_t i, const TProbes &) {
        fc.Args.emplace_back(static_cast<int>(100 + i));
        fc.Expected.push_back(std::to_wstring(100 + i));
    }
    static std::wstring Render(const TRecorder &, int v) { return std::to_wstring(v); }
};
template <> struct TArgKind<bool> : TByValue {
    static void Sample(TFireCase &fc, size_t i, const TProbes &) {
        fc.Args.emplace_back(i % 2 == 0);
        fc.Expected.push_back(i % 2 == 0 ? L"true" : L"false");
    }
    static std::wstring Render(const TRecorder &, bool v) { return v ? L"true" : L"false"; }
};
template <> struct TArgKind<double> : TByValue {
    static void Sample(TFireCase &fc, size_t i, const TProbes &) {
        fc.Args.emplace_back(OleVariant(0.5 + static_cast<double>(i)));
        fc.Expected.push_back(std::to_wstring(0.5 + static_cast<double>(i)));
    }
    static std::wstring Render(const TRecorder &, double v) { return std::to_wstring(v); }
};
template <> struct TArgKind<const std::wstring &> : TByValue {
    static void Sample(TFireCase &fc, size_t i, const TProbes &) {
        fc.Args.emplace_back(L"text" + std::to_wstring(i));
        fc.Expected.push_back(L"'text" + std::to_wstring(i) + L"'");
    }
    static std::wstring Render(const TRecorder &, const std::wstring &v) { return L"'" + v + L"'"; }
};
template <> struct TArgKind<const OleVariant &> : TByValue {
    static void Sample(TFireCase &fc, size_t i, const TProbes &) {
        OleVariant value(L"view" + std::to_wstring(i));
        fc.Args.emplace_back(value);
        fc.Expected.push_back(VariantText(value));
    }
    static std::wstring Render(const TRecorder &, const OleVariant &v) { return VariantText(v); }
};
template <> struct TArgKind<bool &> {
    static void Sample(TFireCase &fc, size_t, const TProbes &) {
        VARIANT_BOOL *flag = &fc.Bools.emplace_back(VARIANT_FALSE);
        fc.Args.push_back(hostsim::EventArg::Ref(flag));
        fc.Expected.push_back(L"ref:false");
        fc.WriteBackChecks.push_back(
            [flag] { EXPECT_EQ(*flag, VARIANT_TRUE) << "a flag was not written back"; });
    }
    static std::wstring Render(const TRecorder &, bool &v) { return v ? L"ref:true" : L"ref:false"; }
    static void Answer(bool &v) { v = true; }
};
template <> struct TArgKind<int &> {
    static void Sample(TFireCase &fc, size_t, const TProbes &) {
        long *value = &fc.Longs.emplace_back(7);
        fc.Args.push_back(hostsim::EventArg::Ref(value));
        fc.Expected.push_back(L"ref:7");
        fc.WriteBackChecks.push_back([value] { EXPECT_EQ(*value, 8) << "an integer was not written back"; });
    }
    static std::wstring Render(const TRecorder &, int &v) { return L"ref:" + std::to_wstring(v); }
    static void Answer(int &v) { ++v; }
};
template <> struct TArgKind<std::wstring &> {
    static void Sample(TFireCase &fc, size_t, const TProbes &) {
        std::wstring *text = &fc.Texts.emplace_back(L"page");
        fc.Args.push_back(hostsim::EventArg::Ref(text));
        fc.Expected.push_back(L"ref:'page'");
        fc.WriteBackChecks.push_back([text] { EXPECT_EQ(*text, L"page!") << "a text was not written back"; });
    }
    static std::wstring Render(const TRecorder &, std::wstring &v) { return L"ref:'" + v + L"'"; }
    static void Answer(std::wstring &v) { v += L"!"; }
};
template <> struct TArgKind<OleVariant &> {
    static void Sample(TFireCase &fc, size_t, const TProbes &) {
        OleVariant *value = &fc.Variants.emplace_back(L"clip");
        fc.Args.push_back(hostsim::EventArg::Ref(value->Ptr()));
        fc.Expected.push_back(L"refvar:8:clip");
        fc.WriteBackChecks.push_back([value] {
            EXPECT_EQ(value->Type(), VT_I4);
            EXPECT_EQ(value->ToInt(), 99);
        });
    }
    static std::wstring Render(const TRecorder &, OleVariant &v) { return L"ref" + VariantText(v); }
    static void Answer(OleVariant &v) { v = OleVariant(99); }
};

template <class E> struct TRegister;
template <class... A> struct TRegister<classlib::TEvent<void(TObject *, A...)>> {
    static void Code(TObject *data, TObject *sender, A... args) {
        auto &binding = *static_cast<TBinding *>(data);
        TRecorded call{binding.Event, sender, {}};
        (call.Args.push_back(TArgKind<A>::Render(*binding.Recorder, args)), ...);
        binding.Recorder->Calls.push_back(call);
        (TArgKind<A>::Answer(args), ...);
        if (binding.Recorder->Action)
            binding.Recorder->Action(binding.Event);
        if (binding.Recorder->Raise == binding.Event)
            throw classlib::Exception(L"The handler of " + binding.Event + L" failed.");
    }
    static void Build(TFireCase &fc, const TProbes &probes) {
        size_t i = 0;
        (TArgKind<A>::Sample(fc, i++, probes), ...);
    }
    static void Add() {
        using CodeType = void (*)(TObject *, TObject *, A...);
        Signatures()[typeid(CodeType)] = {reinterpret_cast<void (*)()>(&Code), &Build};
    }
};

const TSignature *SignatureOf(TObject &holder, const std::wstring &event, const classlib::TPropInfo *&prop) {
    prop = holder.ClassType().FindProperty(event);
    if (prop == nullptr || prop->Kind != classlib::TPropKind::Method)
        return nullptr;
    auto found = Signatures().find(prop->Signature);
    return found == Signatures().end() ? nullptr : &found->second;
}

} // namespace

void RegisterSignatures() {
#define EVENTSTEST_SIGNATURE(P, Id, Name, ...) TRegister<decltype(P::On##Name)>::Add();
    using namespace framework;
    ZID_OUTLOOK_APPLICATION_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_NAMESPACE_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_EXPLORERS_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_INSPECTORS_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_REMINDERS_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_EXPLORER_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_INSPECTOR_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_OUTLOOK_CONTEXT_MENU_EVENTS(EVENTSTEST_SIGNATURE, TzidOutlookAppEvents)
    ZID_WORD_EVENTS(EVENTSTEST_SIGNATURE, TzidWordAppEvents)
    ZID_EXCEL_EVENTS(EVENTSTEST_SIGNATURE, TzidExcelAppEvents)
    ZID_PROJECT_EVENTS(EVENTSTEST_SIGNATURE, TzidProjectAppEvents)
    ZID_POWERPOINT_EVENTS(EVENTSTEST_SIGNATURE, TzidPowerPointAppEvents)
    ZID_FRONTPAGE_EVENTS(EVENTSTEST_SIGNATURE, TzidFrontPageAppEvents)
    ZID_VISIO_EVENTS(EVENTSTEST_SIGNATURE, TzidVisioAppEvents)
    ZID_MAPPOINT_EVENTS(EVENTSTEST_SIGNATURE, TzidMapPointAppEvents)
    ZID_PUBLISHER_EVENTS(EVENTSTEST_SIGNATURE, TzidPublisherAppEvents)
    ZID_INFOPATH_EVENTS(EVENTSTEST_SIGNATURE, TzidInfoPathAppEvents)
#undef EVENTSTEST_SIGNATURE
}

bool TRecorder::Bind(TObject &holder, const std::wstring &event) {
    const classlib::TPropInfo *prop = nullptr;
    const TSignature *signature = SignatureOf(holder, event, prop);
    if (signature == nullptr)
        return false;
    auto &binding = bindings_.emplace_back(std::make_unique<TBinding>(this, event));
    prop->Set(&holder, classlib::TMethodValue{binding.get(), signature->Code, prop->Signature});
    return true;
}

void TRecorder::Unbind(TObject &holder, const std::wstring &event) {
    if (const classlib::TPropInfo *prop = holder.ClassType().FindProperty(event))
        prop->Set(&holder, classlib::TMethodValue{});
}

int TRecorder::Count(const std::wstring &event) const {
    int count = 0;
    for (const TRecorded &call : Calls)
        count += call.Event == event ? 1 : 0;
    return count;
}

std::wstring TRecorder::Describe(IUnknown *object) const {
    if (object == nullptr)
        return L"nil";
    ComPtr<IUnknown> identity = ComPtr<IUnknown>::Copy(object).TryAs<IUnknown>();
    for (size_t i = 0; i < Probes.size(); ++i)
        if (Probes[i]->Identity() == identity.Get())
            return L"obj" + std::to_wstring(i);
    if (SimObject *sim = SimObject::FromUnknown(object))
        return sim->Name();
    return L"unknown object";
}

bool BuildFireCase(TObject &holder, const std::wstring &event, const TProbes &probes, TFireCase &fc) {
    const classlib::TPropInfo *prop = nullptr;
    const TSignature *signature = SignatureOf(holder, event, prop);
    if (signature == nullptr)
        return false;
    signature->Build(fc, probes);
    return true;
}

std::vector<TTypeLibEvent> TypeLibEvents(REFIID iid) {
    std::vector<TTypeLibEvent> events;
    ComPtr<ITypeInfo> info = hostsim::OfficeTypeInfo(iid);
    const WORD count = classlib::TTypeAttrHolder(info.Get())->cFuncs;
    for (WORD i = 0; i < count; ++i) {
        FUNCDESC *desc = nullptr;
        classlib::OleCheck(info->GetFuncDesc(i, &desc));
        MEMBERID id = desc->memid;
        info->ReleaseFuncDesc(desc);
        if (static_cast<unsigned>(id) >= 0x60000000u) // IUnknown's and IDispatch's own
            continue;
        classlib::TBStr name;
        classlib::OleCheck(info->GetDocumentation(id, name.Put(), nullptr, nullptr, nullptr));
        events.push_back({id, name.ToString()});
    }
    return events;
}

int PublishedEventCount(const classlib::TClassInfo &cls) {
    int count = 0;
    for (const classlib::TPropInfo *prop : cls.Properties())
        count += prop->Kind == classlib::TPropKind::Method ? 1 : 0;
    return count;
}

int ExpectEventsRoute(TRecorder &recorder, const TRouteCheck &check) {
    int routed = 0;
    for (const TTypeLibEvent &event : TypeLibEvents(check.Iid)) {
        if (check.Skip.count(event.Id) != 0)
            continue;
        std::wstring published = check.Published(event.Name);
        SCOPED_TRACE(testing::Message() << "event " << event.Name << " (" << std::hex << event.Id << ")");
        TFireCase fc;
        bool bound = recorder.Bind(*check.Holder, published);
        if (check.Unrouted.count(event.Id) != 0) {
            if (bound)
                BuildFireCase(*check.Holder, published, recorder.Probes, fc);
            recorder.Calls.clear();
            check.Source->Events().Fire(check.Iid, event.Id, fc.Args);
            EXPECT_TRUE(recorder.Calls.empty()) << "fired through the wrong sink";
        } else if (!bound) {
            ADD_FAILURE() << "no published event " << testing::PrintToString(published);
        } else {
            BuildFireCase(*check.Holder, published, recorder.Probes, fc);
            recorder.Calls.clear();
            EXPECT_EQ(check.Source->Events().Fire(check.Iid, event.Id, fc.Args), 1);
            if (recorder.Calls.size() == 1) {
                EXPECT_EQ(recorder.Calls[0].Event, published);
                EXPECT_EQ(recorder.Calls[0].Sender, check.Holder);
                EXPECT_EQ(recorder.Calls[0].Args, fc.Expected);
                for (auto &writtenBack : fc.WriteBackChecks)
                    writtenBack();
                ++routed;
            } else {
                ADD_FAILURE() << "fired " << recorder.Calls.size() << " times";
            }
        }
        if (bound)
            TRecorder::Unbind(*check.Holder, published);
    }
    return routed;
}

void EventsTest::SetUp() {
    oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
    hook_ = std::make_unique<classlib::TMessageBoxHookScope>(
        [this](HWND, const std::wstring &text, const std::wstring &, UINT) {
            messages_.push_back(text);
            return IDOK;
        });
    framework::RegisterHostEventClasses();
    RegisterSignatures();
    module_ = new framework::TzidCOMAddInModule(nullptr);
    module_->SetAddInName(L"Events Test");
    module_->OnError = classlib::MakeEvent<&TErrorLog::Error>(&errorLog_);
}

void EventsTest::DropModule() {
    classlib::Free(std::exchange(module_, nullptr));
}

void EventsTest::TearDown() {
    DropModule();
    EXPECT_EQ(classlib::ComServer().ObjectCount(), 0) << "an event dispatcher outlived its component";
    EXPECT_EQ(classlib::ComServer().CanUnloadNow(), S_OK);
    EXPECT_TRUE(messages_.empty()) << "a message box was shown";
    hook_.reset();
    if (oleInitialized_)
        OleUninitialize();
}

ComPtr<IDispatch> DispatchOf(framework::TzidCustomEvents &events) {
    ComPtr<IDispatch> dispatch;
    EXPECT_EQ(events.QueryInterface(IID_IDispatch, dispatch.PutVoid()), S_OK);
    return dispatch;
}

} // namespace eventstest
