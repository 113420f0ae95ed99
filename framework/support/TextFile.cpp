#include "framework/support/TextFile.h"

#include "classlib/Exceptions.h"
#include "framework/support/KernelHandles.h"

#include <utility>

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

TFileWriteHook &CurrentHook() {
    static TFileWriteHook hook;
    return hook;
}

DWORD WriteAll(HANDLE file, const std::string &bytes) {
    if (const TFileWriteHook &hook = CurrentHook())
        return hook(file, bytes);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return GetLastError();
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

// The new file beside the target (on its volume, so that it can take the target's place), removed
// again unless it took that place.
class TFileBeside {
public:
    explicit TFileBeside(const std::wstring &target) {
        for (DWORD attempt = 0;; ++attempt) {
            name_ = target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
                    std::to_wstring(GetTickCount() + attempt) + L".tmp";
            file_ = TKernelHandle(CreateFileW(name_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                              FILE_ATTRIBUTE_NORMAL, nullptr));
            if (file_)
                return;
            const DWORD error = GetLastError();
            if (error != ERROR_FILE_EXISTS || attempt == 100)
                RaiseFileError(target, error);
        }
    }
    ~TFileBeside() {
        file_.Reset();
        if (!moved_)
            DeleteFileW(name_.c_str());
    }
    TFileBeside(const TFileBeside &) = delete;
    TFileBeside &operator=(const TFileBeside &) = delete;

    HANDLE Get() const noexcept { return file_.Get(); }
    // Closes the file and puts it in the target's place; the system's error code, 0 on success.
    DWORD MoveTo(const std::wstring &target) {
        file_.Reset();
        if (!MoveFileExW(name_.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return GetLastError();
        moved_ = true;
        return ERROR_SUCCESS;
    }

private:
    std::wstring name_;
    TKernelHandle file_;
    bool moved_ = false;
};

} // namespace

TFileWriteHook SetFileWriteHook(TFileWriteHook Hook) {
    return std::exchange(CurrentHook(), std::move(Hook));
}

void SaveTextFile(const std::wstring &FileName, const std::wstring &Text) {
    const std::string bytes = "\xEF\xBB\xBF" + Utf8(Text);
    TFileBeside file(FileName);
    DWORD error = WriteAll(file.Get(), bytes);
    if (error == ERROR_SUCCESS && !FlushFileBuffers(file.Get()))
        error = GetLastError();
    if (error == ERROR_SUCCESS)
        error = file.MoveTo(FileName);
    if (error != ERROR_SUCCESS)
        RaiseFileError(FileName, error);
}

} // namespace framework
