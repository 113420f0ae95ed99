// Method pointers ("events"): an object plus one of its member functions, callable with the event's
// parameters. They can be tested, compared and copied, so a handler found on a component can be
// stored and chained, and they can be bound by name from a form resource (see TClassInfo::Methods).
#pragma once
#include <typeindex>
#include <utility>

namespace classlib {

class TObject;

// A method pointer with its signature erased: what the form reader binds and RTTI passes around.
struct TMethodValue {
    TObject *Data = nullptr;
    void (*Code)() = nullptr;
    std::type_index Signature = typeid(void);
    bool operator==(const TMethodValue &other) const { return Data == other.Data && Code == other.Code; }
};

template <class Sig> class TEvent;

template <class R, class... A> class TEvent<R(A...)> {
public:
    using CodeType = R (*)(TObject *, A...);

    TEvent() = default;
    TEvent(TObject *data, CodeType code) : data_(code ? data : nullptr), code_(code) {}

    bool Assigned() const { return code_ != nullptr; }
    explicit operator bool() const { return Assigned(); }
    void Clear() { data_ = nullptr, code_ = nullptr; }
    TObject *Data() const { return data_; }
    CodeType Code() const { return code_; }
    bool operator==(const TEvent &other) const { return data_ == other.data_ && code_ == other.code_; }

    // Calls the handler; an unassigned event does nothing (and returns R()).
    R operator()(A... args) const {
        if (!code_) {
            if constexpr (!std::is_void_v<R>)
                return R();
            else
                return;
        }
        return code_(data_, std::forward<A>(args)...);
    }

    TMethodValue Erase() const {
        return {data_, reinterpret_cast<void (*)()>(code_), typeid(CodeType)};
    }
    // Returns false (and leaves the event unchanged) when the signatures differ.
    bool AssignErased(const TMethodValue &value) {
        if (value.Code == nullptr) {
            Clear();
            return true;
        }
        if (value.Signature != typeid(CodeType))
            return false;
        data_ = value.Data;
        code_ = reinterpret_cast<CodeType>(value.Code);
        return true;
    }

private:
    TObject *data_ = nullptr;
    CodeType code_ = nullptr;
};

namespace detail {
template <class M> struct MemberTraits;
template <class C, class R, class... A> struct MemberTraits<R (C::*)(A...)> {
    using Class = C;
    using Event = TEvent<R(A...)>;
    template <auto M> static R Invoke(TObject *self, A... args) {
        return (static_cast<C *>(self)->*M)(std::forward<A>(args)...);
    }
};
} // namespace detail

// MakeEvent<&TMyModule::Handler>(module): binds a member function of an object to an event.
template <auto M>
typename detail::MemberTraits<decltype(M)>::Event MakeEvent(typename detail::MemberTraits<decltype(M)>::Class *obj) {
    using Traits = detail::MemberTraits<decltype(M)>;
    return typename Traits::Event(obj, &Traits::template Invoke<M>);
}

} // namespace classlib
