#include "framework/ribbon/HostVersion.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "classlib/Exceptions.h"
#include "classlib/Format.h"
#include "classlib/ModuleHandle.h"

namespace framework {

namespace {

THostVersionSource hostVersionSource = nullptr;

[[noreturn]] void RaiseUnreadable(const std::wstring &FileName, DWORD Error) {
    HRESULT code = Error != ERROR_SUCCESS ? HRESULT_FROM_WIN32(Error) : E_FAIL;
    throw classlib::EOleSysError(
        classlib::Format(L"The version of the host application %s cannot be read.", {FileName}), code);
}

} // namespace

int ExecutableMajorVersion(const std::wstring &FileName) {
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeW(FileName.c_str(), &handle);
    if (size == 0)
        RaiseUnreadable(FileName, GetLastError());
    std::vector<BYTE> data(size);
    if (!GetFileVersionInfoW(FileName.c_str(), 0, size, data.data()))
        RaiseUnreadable(FileName, GetLastError());
    VS_FIXEDFILEINFO *info = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), L"\\", reinterpret_cast<void **>(&info), &length) || info == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO))
        RaiseUnreadable(FileName, ERROR_SUCCESS);
    return HIWORD(info->dwFileVersionMS);
}

int HostMajorVersion() {
    if (hostVersionSource != nullptr)
        return hostVersionSource();
    return ExecutableMajorVersion(classlib::ModuleFileName(nullptr));
}

THostVersionSource SetHostVersionSource(THostVersionSource Source) noexcept {
    return std::exchange(hostVersionSource, Source);
}

} // namespace framework
