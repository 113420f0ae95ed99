// ComPtr<T>: one owned reference to a COM interface, released when the pointer goes away.
//
// A raw pointer never becomes a ComPtr silently: say which reference it is.
//   ComPtr<IFoo>::Copy(p)   takes a reference of its own (AddRef); the caller keeps the one it had
//   ComPtr<IFoo>::Adopt(p)  takes over a reference the caller owns (no AddRef), e.g. a fresh object
//   p.CopyFrom(raw) / p.Attach(raw)   the same on an existing pointer, letting go of the old one
// Copies and moves of a ComPtr (also to a ComPtr of a base interface) count as usual.
#pragma once
#include <windows.h>

#include <objbase.h>

#include <cstddef>
#include <type_traits>
#include <utility>

#include "classlib/Exceptions.h"

namespace classlib {

template <class T> class ComPtr {
public:
    ComPtr() noexcept = default;
    ComPtr(std::nullptr_t) noexcept {}
    ComPtr(const ComPtr &other) noexcept : p_(other.p_) { AddRefIf(); }
    ComPtr(ComPtr &&other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    // From a pointer to a derived class or interface.
    template <class U, class = std::enable_if_t<std::is_convertible_v<U *, T *>>>
    ComPtr(const ComPtr<U> &other) noexcept : p_(other.Get()) {
        AddRefIf();
    }
    template <class U, class = std::enable_if_t<std::is_convertible_v<U *, T *>>>
    ComPtr(ComPtr<U> &&other) noexcept : p_(other.Detach()) {}
    ~ComPtr() { ReleaseIf(); }

    // A new reference to p (AddRef): the caller keeps its own.
    [[nodiscard]] static ComPtr Copy(T *p) noexcept {
        ComPtr result;
        result.CopyFrom(p);
        return result;
    }
    // Takes over the reference the caller owns on p (no AddRef).
    [[nodiscard]] static ComPtr Adopt(T *p) noexcept {
        ComPtr result;
        result.p_ = p;
        return result;
    }

    ComPtr &operator=(const ComPtr &other) noexcept {
        ComPtr(other).Swap(*this); // copy first: self-assignment and aliasing stay safe
        return *this;
    }
    ComPtr &operator=(ComPtr &&other) noexcept {
        ComPtr(std::move(other)).Swap(*this);
        return *this;
    }
    ComPtr &operator=(std::nullptr_t) noexcept {
        Reset();
        return *this;
    }

    T *Get() const noexcept { return p_; }
    T *operator->() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

    // Releases the current interface and hands out the slot for an [out] parameter.
    T **Put() noexcept {
        Reset();
        return &p_;
    }
    // The same slot typed for QueryInterface-style APIs.
    void **PutVoid() noexcept { return reinterpret_cast<void **>(Put()); }

    // Holds a new reference to p (AddRef) instead of the current one.
    void CopyFrom(T *p) noexcept {
        if (p)
            p->AddRef(); // first: p may be the object the current reference keeps alive
        ReleaseIf();
        p_ = p;
    }
    // Adopts a reference the caller already owns (no AddRef) instead of the current one.
    void Attach(T *p) noexcept {
        ReleaseIf();
        p_ = p;
    }
    // Gives up ownership without Release: the caller now owns the reference.
    [[nodiscard]] T *Detach() noexcept { return std::exchange(p_, nullptr); }
    void Reset() noexcept { ReleaseIf(); }
    void Swap(ComPtr &other) noexcept { std::swap(p_, other.p_); }

    // Hands a new reference to an [out, retval] parameter.
    void CopyTo(T **out) const noexcept {
        *out = p_;
        AddRefIf();
    }

    // QueryInterface that throws EOleSysError (E_NOINTERFACE ...) when the object says no.
    template <class U> ComPtr<U> As() const { return As<U>(__uuidof(U)); }
    template <class U> ComPtr<U> As(REFIID iid) const {
        ComPtr<U> result;
        HRESULT hr = p_ ? p_->QueryInterface(iid, result.PutVoid()) : E_POINTER;
        if (FAILED(hr))
            throw EOleSysError(SysErrorMessage(hr), hr);
        return result;
    }
    // QueryInterface that answers null instead of throwing.
    template <class U> ComPtr<U> TryAs() const noexcept { return TryAs<U>(__uuidof(U)); }
    template <class U> ComPtr<U> TryAs(REFIID iid) const noexcept {
        ComPtr<U> result;
        if (p_ == nullptr || FAILED(p_->QueryInterface(iid, result.PutVoid())))
            result.Reset();
        return result;
    }

    friend bool operator==(const ComPtr &a, const ComPtr &b) noexcept { return a.p_ == b.p_; }
    friend bool operator==(const ComPtr &a, std::nullptr_t) noexcept { return a.p_ == nullptr; }
    friend bool operator==(const ComPtr &a, const T *b) noexcept { return a.p_ == b; }

private:
    void AddRefIf() const noexcept {
        if (p_)
            p_->AddRef();
    }
    void ReleaseIf() noexcept {
        if (T *old = std::exchange(p_, nullptr)) // cleared first: Release may re-enter us
            old->Release();
    }

    T *p_ = nullptr;
};

// COM identity: whether A and B answer the same IUnknown; false when either is null or refuses.
inline bool SameComObject(IUnknown *A, IUnknown *B) noexcept {
    if (A == nullptr || B == nullptr)
        return false;
    ComPtr<IUnknown> a, b;
    return SUCCEEDED(A->QueryInterface(IID_IUnknown, a.PutVoid())) &&
           SUCCEEDED(B->QueryInterface(IID_IUnknown, b.PutVoid())) && a == b;
}

} // namespace classlib
