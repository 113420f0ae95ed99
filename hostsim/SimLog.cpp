#include "hostsim/SimLog.h"

#include <cwctype>

#include "classlib/OleString.h"
#include "classlib/OleVariant.h"
#include "hostsim/SimObject.h"

namespace hostsim {

namespace {

std::wstring Upper(const std::wstring &text) {
    std::wstring result = text;
    for (auto &c : result)
        c = static_cast<wchar_t>(std::towupper(c));
    return result;
}

std::wstring RenderObject(IUnknown *unk) {
    if (unk == nullptr)
        return L"Nothing";
    SimObject *object = SimObject::FromUnknown(unk);
    return object ? object->Name() : L"<object>";
}

} // namespace

std::wstring SimCall::Text() const {
    return object + L"." + member + L"(" + args + L")";
}

void SimLog::Record(std::wstring object, std::wstring member, std::wstring args) {
    calls_.push_back({std::move(object), std::move(member), std::move(args)});
}

std::vector<std::wstring> SimLog::Lines() const {
    std::vector<std::wstring> lines;
    for (const auto &call : calls_)
        lines.push_back(call.Text());
    return lines;
}

int SimLog::Count(const std::wstring &object, const std::wstring &member) const {
    int count = 0;
    for (const auto &call : calls_)
        if ((object.empty() || call.object == object) && _wcsicmp(call.member.c_str(), member.c_str()) == 0)
            ++count;
    return count;
}

void SimFaults::FailNext(const std::wstring &member, HRESULT hr) {
    faults_[Upper(member)] = {hr, false};
}

void SimFaults::FailAlways(const std::wstring &member, HRESULT hr) {
    faults_[Upper(member)] = {hr, true};
}

HRESULT SimFaults::Take(const std::wstring &member) {
    auto found = faults_.find(Upper(member));
    if (found == faults_.end())
        return S_OK;
    HRESULT hr = found->second.hr;
    if (!found->second.always)
        faults_.erase(found);
    return hr;
}

std::wstring RenderArg(const VARIANT &value) {
    const VARIANT *v = &value;
    if (v->vt == (VT_BYREF | VT_VARIANT) && v->pvarVal)
        v = v->pvarVal;
    VARTYPE base = v->vt & ~VT_BYREF;
    bool byRef = (v->vt & VT_BYREF) != 0;
    if (byRef && v->byref == nullptr)
        return L"<null>";
    switch (base) {
    case VT_EMPTY:
        return L"Empty";
    case VT_NULL:
        return L"Null";
    case VT_ERROR: {
        SCODE code = byRef ? *v->pscode : v->scode;
        return code == DISP_E_PARAMNOTFOUND ? L"Missing" : L"Error";
    }
    case VT_BSTR:
        return L"'" + classlib::BStrToString(byRef ? *v->pbstrVal : v->bstrVal) + L"'";
    case VT_BOOL:
        return (byRef ? *v->pboolVal : v->boolVal) ? L"True" : L"False";
    case VT_DISPATCH:
        return RenderObject(byRef ? *v->ppdispVal : v->pdispVal);
    case VT_UNKNOWN:
        return RenderObject(byRef ? *v->ppunkVal : v->punkVal);
    default:
        try {
            classlib::OleVariant copy(*v);
            return copy.ToString();
        } catch (...) {
            return L"<?>";
        }
    }
}

std::wstring RenderArgs(const DISPPARAMS *params) {
    std::wstring text;
    if (params == nullptr)
        return text;
    // Named arguments (only a put's value is expected) sit in front of the positional ones.
    UINT named = params->cNamedArgs;
    for (UINT i = params->cArgs; i > named; --i) {
        if (!text.empty())
            text += L", ";
        text += RenderArg(params->rgvarg[i - 1]);
    }
    for (UINT i = 0; i < named && i < params->cArgs; ++i) {
        if (!text.empty())
            text += L", ";
        text += RenderArg(params->rgvarg[i]);
    }
    return text;
}

} // namespace hostsim
