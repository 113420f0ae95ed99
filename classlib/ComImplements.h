// The one base of every COM object and sink written on this library.
//
//   class TMySink final : public classlib::TImplements<IDispatch> {
//       // IDispatch's own four methods; IUnknown comes from the base
//   };
//   classlib::ComPtr<TMySink> sink = classlib::Make<TMySink>(args...);
//
// TImplements<I...> answers QueryInterface from its list: each listed interface under its own id,
// IUnknown as the first of them (the object's identity) and IDispatch as the first that derives from
// it. An interface known only at run time (an event sink's event interface) is answered through
// ExtraInterface. There is one reference count, and the last Release deletes the object. Every live
// object counts as a server object, so DllCanUnloadNow answers S_FALSE while anyone holds one.
//
// A new object holds one reference, the one Make hands to its caller: no count ever starts at zero.
// An object that must outlive a call into it that may drop the last other reference (a sink whose
// handler unadvises it) holds a reference of its own for that call.
#pragma once
#include <windows.h>

#include <oaidl.h>
#include <unknwn.h>

#include <type_traits>
#include <utility>

#include "classlib/ComPtr.h"

namespace classlib {

// The part of a reference-counted COM object that is no interface.
class TComObjectRoot {
public:
    TComObjectRoot(const TComObjectRoot &) = delete;
    TComObjectRoot &operator=(const TComObjectRoot &) = delete;

    LONG RefCount() const noexcept { return refCount_; }
    // The object's identity: its first interface as IUnknown.
    virtual IUnknown *GetUnknown() noexcept = 0;

protected:
    TComObjectRoot() noexcept;
    virtual ~TComObjectRoot();

    // An interface the object answers beyond its list, as that interface, without AddRef; null for none.
    virtual void *ExtraInterface(REFIID riid) noexcept;

    ULONG RootAddRef() noexcept { return static_cast<ULONG>(InterlockedIncrement(&refCount_)); }
    ULONG RootRelease() noexcept; // deletes the object when the count reaches zero

private:
    volatile LONG refCount_ = 1;
};

// The same for an object the module owns for its whole life (a class factory): references do not
// decide when it goes, and it does not keep the module loaded (a client that wants that locks the
// server).
class TModuleObjectRoot {
public:
    TModuleObjectRoot(const TModuleObjectRoot &) = delete;
    TModuleObjectRoot &operator=(const TModuleObjectRoot &) = delete;

    virtual IUnknown *GetUnknown() noexcept = 0;

protected:
    TModuleObjectRoot() noexcept = default;
    virtual ~TModuleObjectRoot() = default;

    virtual void *ExtraInterface(REFIID) noexcept { return nullptr; }
    static ULONG RootAddRef() noexcept { return 2; }
    static ULONG RootRelease() noexcept { return 1; }
};

namespace com_detail {

template <class First, class...> struct TFirstOf { using Type = First; };

// The first interface of the list that derives from IDispatch; void when none does.
template <class... I> struct TFirstDispatchOf { using Type = void; };
template <class Head, class... Tail> struct TFirstDispatchOf<Head, Tail...> {
    using Type = std::conditional_t<std::is_base_of_v<IDispatch, Head>, Head,
                                    typename TFirstDispatchOf<Tail...>::Type>;
};

} // namespace com_detail

// The interfaces I... on the root Root (TComObjectRoot, TModuleObjectRoot or a class derived from one).
template <class Root, class... I> class TImplementsOn : public I..., public Root {
    static_assert(sizeof...(I) > 0, "a COM object answers at least one interface");
    static_assert((std::is_base_of_v<IUnknown, I> && ...), "only interfaces can be listed");
    using TFirst = typename com_detail::TFirstOf<I...>::Type;
    using TDispatch = typename com_detail::TFirstDispatchOf<I...>::Type;

public:
    using Root::Root;

    // *ppv is null on failure: E_POINTER for a null ppv, E_NOINTERFACE for an interface not answered.
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **ppv) override {
        if (ppv == nullptr)
            return E_POINTER;
        *ppv = ListedInterface(riid);
        if (*ppv == nullptr)
            *ppv = this->ExtraInterface(riid);
        if (*ppv == nullptr)
            return E_NOINTERFACE;
        this->RootAddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return this->RootAddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return this->RootRelease(); }

    IUnknown *GetUnknown() noexcept override { return static_cast<TFirst *>(this); }

private:
    void *ListedInterface(REFIID riid) noexcept {
        if (IsEqualIID(riid, IID_IUnknown))
            return GetUnknown();
        if constexpr (!std::is_void_v<TDispatch>)
            if (IsEqualIID(riid, IID_IDispatch))
                return static_cast<IDispatch *>(static_cast<TDispatch *>(this));
        void *found = nullptr;
        (void)((IsEqualIID(riid, __uuidof(I)) && (found = static_cast<I *>(this)) != nullptr) || ...);
        return found;
    }
};

template <class... I> using TImplements = TImplementsOn<TComObjectRoot, I...>;

// A new object, owned by the pointer returned: the object's one reference.
template <class T, class... A> ComPtr<T> Make(A &&...args) {
    static_assert(std::is_base_of_v<TComObjectRoot, T>, "Make creates reference-counted COM objects");
    return ComPtr<T>::Adopt(new T(std::forward<A>(args)...));
}

} // namespace classlib
