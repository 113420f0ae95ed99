// Owners of the kernel objects the support units hold: a handle closed with CloseHandle, and a
// library freed with FreeLibrary.
#pragma once
#include <windows.h>

#include <utility>

namespace framework {

class TKernelHandle {
public:
    TKernelHandle() noexcept = default;
    explicit TKernelHandle(HANDLE handle) noexcept : handle_(handle) {}
    ~TKernelHandle() { Reset(); }
    TKernelHandle(TKernelHandle &&other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    TKernelHandle &operator=(TKernelHandle &&other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    HANDLE Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    void Reset() noexcept {
        if (*this)
            CloseHandle(handle_);
        handle_ = nullptr;
    }

private:
    HANDLE handle_ = nullptr;
};

class TLibraryHandle {
public:
    TLibraryHandle() noexcept = default;
    explicit TLibraryHandle(HMODULE module) noexcept : module_(module) {}
    ~TLibraryHandle() { Reset(); }
    TLibraryHandle(const TLibraryHandle &) = delete;
    TLibraryHandle &operator=(const TLibraryHandle &) = delete;

    HMODULE Get() const noexcept { return module_; }
    explicit operator bool() const noexcept { return module_ != nullptr; }
    // The address of an export as the caller's function type; null when the library lacks it.
    template <class F> F Proc(const char *name) const noexcept {
        return reinterpret_cast<F>(reinterpret_cast<void *>(GetProcAddress(module_, name)));
    }
    // Frees the library held, then holds module.
    void Reset(HMODULE module = nullptr) noexcept {
        if (HMODULE previous = std::exchange(module_, module))
            FreeLibrary(previous);
    }

private:
    HMODULE module_ = nullptr;
};

} // namespace framework
