#include "framework/core/HostApps.h"

#include <oleauto.h>

#include <array>

namespace framework {

namespace {

struct THostAppEntry {
    std::wstring Name;
    std::wstring ProgID;
};

const std::array<THostAppEntry, HostAppCount> &HostTable() {
    static const std::array<THostAppEntry, HostAppCount> table{{
        {L"Excel", L"Excel.Application"},
        {L"Word", L"Word.Application"},
        {L"Outlook", L"Outlook.Application"},
        {L"PowerPoint", L"PowerPoint.Application"},
        {L"Access", L"Access.Application"},
        {L"MS Project", L"MSProject.Application"},
        {L"FrontPage", L"FrontPage.Application"},
        {L"MapPoint", L"MapPoint.Application"},
        {L"Visio", L"Visio.Application"},
        {L"Publisher", L"Publisher.Application"},
        {L"InfoPath", L"InfoPath.Application"},
    }};
    return table;
}

} // namespace

const std::wstring &HostAppName(TzidOfficeHostApp Host) {
    return HostTable().at(Host).Name;
}

const std::wstring &HostAppProgID(TzidOfficeHostApp Host) {
    return HostTable().at(Host).ProgID;
}

classlib::ComPtr<IDispatch> GetRunningHost(TzidOfficeHostApp Host) {
    // A host whose ProgID does not resolve here (say, one inside a virtualised Office) cannot have
    // put itself into this session's running-object table under its class.
    CLSID clsid{};
    if (FAILED(CLSIDFromProgID(HostAppProgID(Host).c_str(), &clsid)))
        return nullptr;
    classlib::ComPtr<IUnknown> active;
    if (FAILED(GetActiveObject(clsid, nullptr, active.Put())) || !active)
        return nullptr;
    return active.TryAs<IDispatch>();
}

} // namespace framework
