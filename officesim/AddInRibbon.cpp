#include "officesim/AddInRibbon.h"

#include <algorithm>

#include "classlib/Format.h"
#include "classlib/OleString.h"
#include "officesim/CrashGuard.h"
#include "officesim/RibbonCallbacks.h"
#include "officesim/XmlReader.h"

using classlib::OleVariant;

namespace officesim {

namespace {

// Callbacks asked once per item, with the item's index after the control.
const wchar_t *const kItemCallbacks[] = {L"getItemID", L"getItemLabel", L"getItemImage", L"getItemScreentip",
                                         L"getItemSupertip"};
// More items than any list shows; officesim stops asking there.
constexpr int kMaxItems = 100;
// Dynamic menus inside dynamic menus: deeper than this is a loop.
constexpr int kMaxMenuDepth = 4;
// Invalidation rounds per step before officesim stops asking again.
constexpr int kMaxRefreshRounds = 3;

bool IsItemCallback(const std::wstring &attribute) {
    return std::any_of(std::begin(kItemCallbacks), std::end(kItemCallbacks),
                       [&](const wchar_t *name) { return attribute == name; });
}

std::wstring Key(const std::wstring &window, const std::wstring &control) {
    return window + L"|" + control;
}

// "InvalidateControl('id')" -> "id".
std::wstring RequestArgument(const std::wstring &request) {
    size_t open = request.find(L"('"), close = request.rfind(L"')");
    return open == std::wstring::npos || close == std::wstring::npos || close < open + 2
               ? std::wstring()
               : request.substr(open + 2, close - open - 2);
}

} // namespace

AddInRibbon::AddInRibbon(AddIn &addIn, hostsim::SimWorld &world, int version, Transcript &transcript)
    : addIn_(addIn), world_(world), version_(version), transcript_(transcript) {}

std::optional<OleVariant> AddInRibbon::Ask(const std::wstring &label, const std::wstring &callback,
                                           const std::vector<OleVariant> &args) {
    Activity activity(L"the ribbon callback " + callback + L" (" + label + L") of " + addIn_.ProgId());
    CallbackAnswer answer = InvokeCallback(addIn_.Dispatch(), callback, args);
    if (!answer.ok) {
        transcript_.Failure(label + L" (" + callback + L"): " + answer.error);
        return std::nullopt;
    }
    transcript_.Line(label + L" -> " + DescribeValue(answer.value.Var()));
    return std::move(answer.value);
}

void AddInRibbon::Load(const std::wstring &ribbonId) {
    if (Loaded(ribbonId))
        return;
    Kind &kind = kinds_[ribbonId];
    IRibbonExtensibility *ribbon = addIn_.Ribbon();
    if (ribbon == nullptr) {
        if (kinds_.size() == 1)
            transcript_.Line(addIn_.ProgId() + L": no IRibbonExtensibility, so no ribbon");
        return;
    }
    classlib::TBStr xml;
    HRESULT hr;
    Stopwatch watch;
    {
        Activity activity(L"GetCustomUI(" + ribbonId + L") of " + addIn_.ProgId());
        SetErrorInfo(0, nullptr);
        hr = ribbon->GetCustomUI(classlib::TBStr(ribbonId).Get(), xml.Put());
    }
    const std::wstring call = addIn_.ProgId() + L": GetCustomUI(" + Quoted(ribbonId) + L")";
    if (FAILED(hr)) {
        std::wstring note = SeriousExceptionNote();
        transcript_.Failure(call + L" returned " + CallErrorText(hr, ribbon, IID_IRibbonExtensibility) +
                            (note.empty() ? L"" : L" (" + note + L" inside the call)"));
        return;
    }
    if (xml.IsEmpty()) {
        transcript_.Line(call + L" -> no document: nothing to add (" + MsText(watch.Milliseconds()) + L")");
        return;
    }
    transcript_.Line(call + L" -> document (" + MsText(watch.Milliseconds()) + L"):");
    transcript_.Block(xml.ToString());
    try {
        kind.document = RibbonDocument::Parse(xml.ToString(), L"customUI", version_);
    } catch (const classlib::Exception &e) {
        transcript_.Failure(addIn_.ProgId() + L": Office refuses the document for " + ribbonId + L": " +
                            e.Message());
        return;
    }
    kind.ui = world_.Create<hostsim::RibbonUIObject>(L"RibbonUI(" + ribbonId + L")");
    kind.ui->SetControls([this, ribbonId](const std::wstring &id) { return Has(ribbonId, id); });
    if (const std::wstring *onLoad = kind.document->RootCallback(L"onLoad"))
        Ask(L"customUI.onLoad(RibbonUI)", *onLoad, {OleVariant(static_cast<IDispatch *>(kind.ui))});
    if (const std::wstring *loadImage = kind.document->RootCallback(L"loadImage"))
        for (const std::wstring &image : kind.document->Images())
            Ask(L"customUI.loadImage(" + Quoted(image) + L")", *loadImage, {OleVariant(image)});
}

void AddInRibbon::Query(const HostWindow &window) {
    auto found = kinds_.find(window.ribbonId);
    if (found == kinds_.end() || !found->second.document || !addIn_.Connected())
        return;
    transcript_.Line(addIn_.ProgId() + L": ribbon callbacks in " + window.name + L" (" + window.ribbonId +
                     L"):");
    Transcript::Indent indent(transcript_);
    bool asked = false;
    for (const RibbonControl &control : found->second.document->Controls())
        asked = QueryControl(window, found->second, control, 0) || asked;
    if (!asked)
        transcript_.Line(L"(the document names no get callbacks)");
}

IDispatch *AddInRibbon::ControlObject(const HostWindow &window, const RibbonControl &control) {
    // One object per control and window, until the window closes (Forget).
    hostsim::RibbonControlObject *&object = controls_[Key(window.name, control.id)];
    if (object == nullptr) {
        object = world_.Create<hostsim::RibbonControlObject>(control.id, window.object, control.tag);
        object->SetName(L"RibbonControl(" + control.id + L" in " + window.name + L")");
    }
    return static_cast<IRibbonControl *>(object);
}

bool AddInRibbon::QueryControl(const HostWindow &window, Kind &kind, const RibbonControl &control,
                               int depth) {
    bool asks = std::any_of(control.callbacks.begin(), control.callbacks.end(),
                            [](const auto &callback) { return callback.first.compare(0, 3, L"get") == 0; });
    if (!asks)
        return false;
    IDispatch *object = ControlObject(window, control);
    const std::wstring key = Key(window.name, control.id);
    std::optional<int> count;
    for (const auto &[attribute, callback] : control.callbacks) {
        if (attribute.compare(0, 3, L"get") != 0 || IsItemCallback(attribute) || attribute == L"getContent")
            continue;
        std::optional<OleVariant> answer = Ask(control.id + L"." + attribute, callback, {OleVariant(object)});
        if (!answer)
            continue;
        try {
            if (attribute == L"getPressed")
                pressed_[key] = answer->ToBool();
            else if (attribute == L"getEnabled")
                enabled_[key] = answer->ToBool();
            else if (attribute == L"getVisible")
                visible_[key] = answer->ToBool();
            else if (attribute == L"getItemCount")
                count = answer->ToInt();
        } catch (const classlib::Exception &e) {
            transcript_.Failure(control.id + L"." + attribute + L": Office cannot use the answer: " +
                                e.Message());
        }
    }
    if (count)
        QueryItems(window, control, object, *count);
    if (control.Callback(L"getContent"))
        QueryContent(window, kind, control, object, depth);
    return true;
}

void AddInRibbon::QueryItems(const HostWindow &, const RibbonControl &control, IDispatch *object, int count) {
    if (count < 0) {
        transcript_.Failure(control.id +
                            classlib::Format(L".getItemCount: a list cannot hold %d items", {count}));
        return;
    }
    if (count > kMaxItems)
        transcript_.Line(
            classlib::Format(L"(officesim asks for the first %d of the %d items)", {kMaxItems, count}));
    for (int index = 0; index < std::min(count, kMaxItems); ++index)
        for (const auto &[attribute, callback] : control.callbacks)
            if (IsItemCallback(attribute))
                Ask(control.id + L"." + attribute + classlib::Format(L"[%d]", {index}), callback,
                    {OleVariant(object), OleVariant(index)});
}

void AddInRibbon::QueryContent(const HostWindow &window, Kind &kind, const RibbonControl &control,
                               IDispatch *object, int depth) {
    std::optional<OleVariant> answer =
        Ask(control.id + L".getContent", *control.Callback(L"getContent"), {OleVariant(object)});
    if (!answer)
        return;
    std::wstring xml;
    try {
        xml = answer->ToString();
    } catch (const classlib::Exception &e) {
        transcript_.Failure(control.id + L".getContent: the content is no text: " + e.Message());
        return;
    }
    try {
        RibbonDocument content = RibbonDocument::Parse(xml, L"menu", version_);
        auto [entry, added] = kind.menus.insert_or_assign(control.id, std::move(content));
        (void)added;
        if (depth >= kMaxMenuDepth) {
            transcript_.Failure(control.id +
                                L".getContent: dynamic menus nested deeper than Office opens them");
            return;
        }
        Transcript::Indent indent(transcript_);
        for (const RibbonControl &item : entry->second.Controls())
            QueryControl(window, kind, item, depth + 1);
    } catch (const classlib::Exception &e) {
        transcript_.Failure(control.id + L".getContent: Office refuses the menu: " + e.Message());
    }
}

void AddInRibbon::Forget(const std::wstring &windowName) {
    const std::wstring prefix = windowName + L"|";
    for (auto it = controls_.begin(); it != controls_.end();) {
        if (it->first.compare(0, prefix.size(), prefix) == 0) {
            world_.Discard(it->second);
            it = controls_.erase(it);
        } else {
            ++it;
        }
    }
    for (auto *answers : {&pressed_, &enabled_, &visible_})
        for (auto it = answers->begin(); it != answers->end();)
            it = it->first.compare(0, prefix.size(), prefix) == 0 ? answers->erase(it) : std::next(it);
}

const RibbonControl *AddInRibbon::FindControl(const Kind &kind, const std::wstring &controlId) const {
    if (!kind.document)
        return nullptr;
    if (const RibbonControl *control = kind.document->Find(controlId))
        return control;
    for (const auto &[menu, content] : kind.menus)
        if (const RibbonControl *control = content.Find(controlId))
            return control;
    return nullptr;
}

bool AddInRibbon::Has(const std::wstring &ribbonId, const std::wstring &controlId) const {
    auto found = kinds_.find(ribbonId);
    return found != kinds_.end() && FindControl(found->second, controlId) != nullptr;
}

void AddInRibbon::Click(const HostWindow &window, const std::wstring &controlId) {
    auto found = kinds_.find(window.ribbonId);
    const RibbonControl *control = found == kinds_.end() ? nullptr : FindControl(found->second, controlId);
    if (control == nullptr)
        throw EScriptError(addIn_.ProgId() + L" has no ribbon control " + controlId + L" in " + window.name);
    const std::wstring key = Key(window.name, controlId);
    if (visible_.count(key) && !visible_[key])
        throw EScriptError(controlId + L" is hidden (its getVisible answered False)");
    if (enabled_.count(key) && !enabled_[key])
        throw EScriptError(controlId + L" is disabled (its getEnabled answered False)");
    const std::wstring *onAction = control->Callback(L"onAction");
    if (onAction == nullptr)
        throw EScriptError(controlId + L" has no onAction callback: a click does nothing");
    IDispatch *object = ControlObject(window, *control);
    const std::wstring label = controlId + L".onAction";
    const std::wstring &element = control->element;
    if (element == L"button") {
        Ask(label, *onAction, {OleVariant(object)});
    } else if (element == L"toggleButton" || element == L"checkBox") {
        bool pressed = !(pressed_.count(key) && pressed_[key]);
        if (Ask(label + (pressed ? L"(pressed True)" : L"(pressed False)"), *onAction,
                {OleVariant(object), OleVariant(pressed)}))
            pressed_[key] = pressed;
    } else if (element == L"command") {
        OleVariant cancel(false);
        if (Ask(label + L"(CancelDefault False)", *onAction, {OleVariant(object), ByRef(cancel)}))
            transcript_.Line(std::wstring(L"CancelDefault is now ") +
                             (cancel.ToBool() ? L"True: the built-in action does not run"
                                              : L"False: the built-in action runs"));
    } else {
        throw EScriptError(
            controlId + L" is a " + element +
            L"; click-ribbon clicks buttons, toggle buttons, check boxes and repurposed commands");
    }
}

void AddInRibbon::RequeryAll(const std::vector<HostWindow> &open, const std::wstring &ribbonId, Kind &kind,
                             const std::vector<std::wstring> &ids, bool all) {
    for (const HostWindow &window : open) {
        if (window.ribbonId != ribbonId)
            continue;
        transcript_.Line(addIn_.ProgId() + L": ribbon callbacks asked again in " + window.name + L":");
        Transcript::Indent indent(transcript_);
        if (all) {
            for (const RibbonControl &control : kind.document->Controls())
                QueryControl(window, kind, control, 0);
            continue;
        }
        for (const std::wstring &id : ids) {
            if (const RibbonControl *control = FindControl(kind, id))
                QueryControl(window, kind, *control, 0);
            else
                transcript_.Line(id + L": no such control in the document (Office ignores it)");
        }
    }
}

void AddInRibbon::Refresh(const std::vector<HostWindow> &open) {
    for (int round = 0; round < kMaxRefreshRounds; ++round) {
        bool asked = false;
        for (auto &[ribbonId, kind] : kinds_) {
            if (kind.ui == nullptr || kind.ui->Requests().empty())
                continue;
            std::vector<std::wstring> requests = kind.ui->Requests();
            kind.ui->ClearRequests();
            asked = true;
            std::wstring list;
            for (const std::wstring &request : requests)
                list += (list.empty() ? L"" : L", ") + request;
            transcript_.Line(addIn_.ProgId() + L" asked the ribbon " + ribbonId + L": " + list);
            if (!addIn_.Connected())
                continue;
            bool all = false;
            std::vector<std::wstring> ids;
            for (const std::wstring &request : requests) {
                if (request.compare(0, 12, L"Invalidate()") == 0)
                    all = true;
                else if (request.compare(0, 18, L"InvalidateControl(") == 0)
                    ids.push_back(RequestArgument(request));
            }
            RequeryAll(open, ribbonId, kind, ids, all);
        }
        if (!asked)
            return;
    }
    bool pending = std::any_of(kinds_.begin(), kinds_.end(), [](const auto &entry) {
        return entry.second.ui && !entry.second.ui->Requests().empty();
    });
    if (pending)
        transcript_.Line(addIn_.ProgId() +
                         L" invalidates its ribbon whenever it is asked; officesim asks again after "
                         L"the next step");
}

} // namespace officesim
