#include "framework/support/TextFile.h"

#include "classlib/Exceptions.h"
#include "framework/support/KernelHandles.h"

#include <windows.h>

namespace framework {

namespace {

[[noreturn]] void RaiseFileError(const std::wstring &fileName, DWORD error) {
    HRESULT hr = HRESULT_FROM_WIN32(error);
    throw classlib::EOleSysError(L"Cannot write " + fileName + L": " + classlib::SysErrorMessage(hr), hr);
}

std::string Utf8(const std::wstring &text) {
    if (text.empty())
        return {};
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
    std::string result(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), size, nullptr,
                        nullptr);
    return result;
}

} // namespace

void SaveTextFile(const std::wstring &FileName, const std::wstring &Text) {
    std::string bytes = "\xEF\xBB\xBF" + Utf8(Text);
    TKernelHandle file(CreateFileW(FileName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        RaiseFileError(FileName, GetLastError());
    DWORD written = 0;
    if (!WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        RaiseFileError(FileName, GetLastError());
    if (written != bytes.size())
        RaiseFileError(FileName, ERROR_WRITE_FAULT);
}

} // namespace framework
