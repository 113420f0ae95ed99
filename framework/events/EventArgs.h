// How a host event's arguments reach a published event. The parameter types of the event decide the
// conversion of each argument, so one template serves every event of every host:
//   IDispatch *            a host object (Empty, Null, Nothing and a missing argument are null; anything
//                          else, an object without IDispatch included, is a conversion error)
//   CommandBar *           an Office command bar, queried for its interface
//   int, bool, double      converted from the variant (a by-reference variant is read through)
//   const std::wstring &   the same, as text
//   const OleVariant &     the argument as received
//   bool &, int &,         the host's storage behind a by-reference argument: what the handler leaves
//   std::wstring &         there is written back through the typed pointer when the handler returns or
//                          raises (a new BSTR for a changed text, the old one freed)
//   OleVariant &           the host's VARIANT behind VT_BYREF | VT_VARIANT itself
// An argument passed by value where a by-reference one is declared is the Params element itself, so a
// caller of DoInvoke reads the handler's answer from Params. The decoding of the host's arguments is
// the class library's (classlib/InvokeArgs.h), shared with the host wrappers.
#pragma once
#include <windows.h>

#include <oaidl.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "classlib/ComPtr.h"
#include "classlib/Events.h"
#include "classlib/Exceptions.h"
#include "classlib/InvokeArgs.h"
#include "classlib/Object.h"
#include "classlib/OleVariant.h"
#include "framework/core/HostEvents.h"
#include "office/office.h"

namespace framework {

// The host passed more or fewer arguments than the event declares: the call is answered with
// DISP_E_BADPARAMCOUNT and nothing is fired.
class EzidEventArgCount : public classlib::EOleSysError {
public:
    explicit EzidEventArgCount(std::wstring message)
        : EOleSysError(std::move(message), DISP_E_BADPARAMCOUNT) {}
    const wchar_t *ClassName() const override { return L"EzidEventArgCount"; }
};

namespace events_detail {

[[noreturn]] void ArgumentCountError(const wchar_t *event, size_t declared, size_t passed);
classlib::ComPtr<IDispatch> ToObject(const VARIANT &arg, const wchar_t *event, size_t index);
// The typed storage a by-reference argument of type vt refers to; an argument passed by value is
// first coerced to vt in place. Raises the argument type error when there is no such storage.
void *RefStorage(VARIANT &arg, VARTYPE vt, const wchar_t *event, size_t index);

template <class T> class TArg;

template <> class TArg<IDispatch *> {
public:
    TArg(classlib::OleVariant &arg, const wchar_t *event, size_t index)
        : p_(ToObject(arg.Var(), event, index)) {}
    IDispatch *Get() const noexcept { return p_.Get(); }

private:
    classlib::ComPtr<IDispatch> p_;
};

template <> class TArg<CommandBar *> {
public:
    TArg(classlib::OleVariant &arg, const wchar_t *event, size_t index) {
        if (classlib::ComPtr<IDispatch> object = ToObject(arg.Var(), event, index))
            p_ = object.As<CommandBar>();
    }
    CommandBar *Get() const noexcept { return p_.Get(); }

private:
    classlib::ComPtr<CommandBar> p_;
};

// By-value conversions read through a by-reference argument, as the variant conversions do.
template <class T> class TValueArg {
public:
    TValueArg(classlib::OleVariant &arg, const wchar_t *event, size_t index)
        : value_(Convert(arg, event, index)) {}
    const T &Get() const noexcept { return value_; }

private:
    static T Convert(const classlib::OleVariant &arg, const wchar_t *event, size_t index) {
        try {
            if constexpr (std::is_same_v<T, int>)
                return arg.ToInt();
            else if constexpr (std::is_same_v<T, bool>)
                return arg.ToBool();
            else if constexpr (std::is_same_v<T, double>)
                return arg.ToDouble();
            else
                return arg.ToString();
        } catch (const classlib::Exception &) {
            classlib::ArgTypeError(static_cast<int>(index), arg.Type(), event);
        }
    }
    T value_;
};
template <> class TArg<int> : public TValueArg<int> { using TValueArg::TValueArg; };
template <> class TArg<bool> : public TValueArg<bool> { using TValueArg::TValueArg; };
template <> class TArg<double> : public TValueArg<double> { using TValueArg::TValueArg; };
template <> class TArg<const std::wstring &> : public TValueArg<std::wstring> { using TValueArg::TValueArg; };

template <> class TArg<const classlib::OleVariant &> {
public:
    TArg(classlib::OleVariant &arg, const wchar_t *, size_t) : arg_(arg) {}
    const classlib::OleVariant &Get() const noexcept { return arg_; }

private:
    const classlib::OleVariant &arg_;
};

// What the handler leaves in a by-reference argument goes back when it returns or raises.
template <class T> class TRefArg {
public:
    TRefArg(classlib::OleVariant &arg, const wchar_t *event, size_t index)
        : ref_(RefStorage(*arg.Ptr(), classlib::TArgRef<T>::Type, event, index)) {}
    ~TRefArg() { ref_.WriteBack(); }
    TRefArg(const TRefArg &) = delete;
    T &Get() noexcept { return ref_.Value(); }

private:
    classlib::TArgRef<T> ref_;
};
template <> class TArg<bool &> : public TRefArg<bool> { using TRefArg::TRefArg; };
template <> class TArg<int &> : public TRefArg<int> { using TRefArg::TRefArg; };
template <> class TArg<std::wstring &> : public TRefArg<std::wstring> { using TRefArg::TRefArg; };

template <> class TArg<classlib::OleVariant &> {
public:
    TArg(classlib::OleVariant &arg, const wchar_t *event, size_t index);
    classlib::OleVariant &Get() noexcept { return *target_; }

private:
    classlib::OleVariant *target_;
};

template <class E> struct TEventFirer;

template <class C, class... A> struct TEventFirer<classlib::TEvent<void(classlib::TObject *, A...)> C::*> {
    template <auto Field>
    static void Fire(classlib::TObject &holder, TzidEventParams &params, const wchar_t *name) {
        C &self = static_cast<C &>(holder);
        // A copy: the handler may reassign the event, or free the component that publishes it.
        const classlib::TEvent<void(classlib::TObject *, A...)> event = self.*Field;
        if (!event)
            return; // nothing is converted for an event nobody handles
        if (params.size() != sizeof...(A))
            ArgumentCountError(name, sizeof...(A), params.size());
        Call<0>(event, &self, params, name);
    }

    // Each argument lives in a frame of its own, converted in declaration order; when a conversion or
    // the handler fails, the arguments converted so far still write back what they hold.
    template <size_t I, class... Held>
    static void Call(const classlib::TEvent<void(classlib::TObject *, A...)> &event, C *sender,
                     TzidEventParams &params, const wchar_t *name, Held &...held) {
        if constexpr (I == sizeof...(A)) {
            event(sender, held.Get()...);
        } else {
            TArg<std::tuple_element_t<I, std::tuple<A...>>> arg(params[I], name, I);
            Call<I + 1>(event, sender, params, name, held..., arg);
        }
    }
};

} // namespace events_detail

// One routed event: its dispatch id, its published name and the firing of its published event on the
// component that holds it (the sender).
struct TzidEventRoute {
    DISPID DispID;
    const wchar_t *Name;
    void (*Fire)(classlib::TObject &Holder, TzidEventParams &Params, const wchar_t *Name);
};

template <auto Field>
void FireEvent(classlib::TObject &Holder, TzidEventParams &Params, const wchar_t *Name) {
    events_detail::TEventFirer<decltype(Field)>::template Fire<Field>(Holder, Params, Name);
}

// Fires the event routed for DispID on Holder; false when no route has that id.
template <size_t N>
bool RouteEvent(const TzidEventRoute (&Routes)[N], classlib::TObject &Holder, DISPID DispID,
                TzidEventParams &Params) {
    for (const TzidEventRoute &route : Routes)
        if (route.DispID == DispID) {
            route.Fire(Holder, Params, route.Name);
            return true;
        }
    return false;
}

} // namespace framework

// The event lists of the host classes are written once, as X-macro lists of
// X(P, DispID, Name, parameters...); these expand them into the parts of a class, P being the type
// prefix for ZID_EVENT_TYPE and the class for ZID_EVENT_PUBLISH and ZID_EVENT_ROUTE.
// The published event's type, named after the host object and the event (notify events have none).
#define ZID_EVENT_TYPE(P, Id, Name, ...)                                                                     \
    __VA_OPT__(using P##Name = ::classlib::TEvent<void(::classlib::TObject * ASender, __VA_ARGS__)>;)
// The published event itself.
#define ZID_EVENT_FIELD(P, Id, Name, ...)                                                                    \
    ::classlib::TEvent<void(::classlib::TObject * __VA_OPT__(, ) __VA_ARGS__)> On##Name;
// Its entry in the class information (inside CLASSLIB_DEFINE_CLASS; P is the class).
#define ZID_EVENT_PUBLISH(P, Id, Name, ...) b.Field(L"On" #Name, &P::On##Name);
// Its route (inside a TzidEventRoute array; P is the class that publishes the event).
#define ZID_EVENT_ROUTE(P, Id, Name, ...)                                                                    \
    {static_cast<DISPID>(Id), L"On" #Name, &::framework::FireEvent<&P::On##Name>},
