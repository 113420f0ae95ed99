// The Office hosts an add-in can be registered for and loaded by, in the order in which host tables
// are indexed and hosts are visited during registration.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include "classlib/ComPtr.h"
#include "classlib/TypInfo.h"

#include <string>

namespace framework {

enum TzidOfficeHostApp : unsigned char {
    ohaExcel,
    ohaWord,
    ohaOutlook,
    ohaPowerPoint,
    ohaAccess,
    ohaProject,
    ohaFrontPage,
    ohaMapPoint,
    ohaVisio,
    ohaPublisher,
    ohaInfoPath
};
CLASSLIB_ENUM(TzidOfficeHostApp, L"ohaExcel", L"ohaWord", L"ohaOutlook", L"ohaPowerPoint", L"ohaAccess",
              L"ohaProject", L"ohaFrontPage", L"ohaMapPoint", L"ohaVisio", L"ohaPublisher", L"ohaInfoPath")

constexpr TzidOfficeHostApp ohaFirst = ohaExcel;
constexpr TzidOfficeHostApp ohaLast = ohaInfoPath;
constexpr int HostAppCount = ohaLast + 1;

// The hosts a module supports; forms stream it as [ohaWord, ohaOutlook].
using TzidHostAppSet = classlib::TSet<TzidOfficeHostApp>;

// "Excel", "Word", ..., "MS Project": the part of the add-in key and of messages naming the host.
const std::wstring &HostAppName(TzidOfficeHostApp Host);
// "Excel.Application", ...: the ProgID under which the host's Application object is registered.
const std::wstring &HostAppProgID(TzidOfficeHostApp Host);

// The running instance of a host that registered its Application object in the running-object
// table, as IDispatch; null when none runs (or when the host's ProgID is not registered at all).
classlib::ComPtr<IDispatch> GetRunningHost(TzidOfficeHostApp Host);

} // namespace framework
