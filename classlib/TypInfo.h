// Run-time type information, small and explicit: a class registry (name -> factory, for form
// reading) and, per class, the table of published properties and published handler methods,
// inherited down the class tree.
#pragma once
#include "classlib/Events.h"
#include "classlib/Object.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace classlib {

class TComponent;
class TCollection;
class TCollectionItem;

// Element names of an enumeration, by ordinal (the names the form format stores).
struct TEnumInfo {
    std::wstring TypeName;
    std::vector<std::wstring> Names; // Names[i] is ordinal i
    int ValueOf(const std::wstring &name) const; // case-insensitive; -1 when unknown
    const std::wstring &NameOf(int value) const; // raises EConvertError when out of range
};

// CLASSLIB_ENUM(E, L"a", L"b") gives an enumeration its element names; write it in E's own
// namespace (the look-up goes through argument-dependent lookup on E).
#define CLASSLIB_ENUM(E, ...)                                                                              \
    [[maybe_unused]] inline const ::classlib::TEnumInfo &ClasslibEnumInfo(E *) {                           \
        static const ::classlib::TEnumInfo info{L## #E, {__VA_ARGS__}};                                    \
        return info;                                                                                       \
    }
template <class E> const TEnumInfo &EnumTypeInfo() { return ClasslibEnumInfo(static_cast<E *>(nullptr)); }

// A set of up to 64 enumeration elements (bit i = ordinal i).
template <class E> class TSet {
public:
    constexpr TSet() = default;
    constexpr TSet(std::initializer_list<E> elements) {
        for (E e : elements)
            bits_ |= Bit(e);
    }
    static constexpr TSet FromBits(uint64_t bits) {
        TSet s;
        s.bits_ = bits;
        return s;
    }
    constexpr uint64_t Bits() const { return bits_; }
    constexpr bool Contains(E e) const { return (bits_ & Bit(e)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr TSet &Include(E e) { return bits_ |= Bit(e), *this; }
    constexpr TSet &Exclude(E e) { return bits_ &= ~Bit(e), *this; }
    constexpr TSet operator+(TSet o) const { return FromBits(bits_ | o.bits_); }
    constexpr TSet operator-(TSet o) const { return FromBits(bits_ & ~o.bits_); }
    constexpr TSet operator*(TSet o) const { return FromBits(bits_ & o.bits_); }
    constexpr bool operator==(const TSet &) const = default;

private:
    static constexpr uint64_t Bit(E e) { return uint64_t(1) << static_cast<unsigned>(e); }
    uint64_t bits_ = 0;
};

enum class TPropKind { Integer, Boolean, String, Enumeration, Set, Class, Method };

// A property value as RTTI passes it: integers and enumeration ordinals as int64_t, sets as their
// bits (TSetBits), objects as pointers, handlers as erased method pointers.
struct TSetBits {
    uint64_t Bits = 0;
    bool operator==(const TSetBits &) const = default;
};
using TPropValue = std::variant<int64_t, bool, std::wstring, TSetBits, TObject *, TMethodValue>;

struct TPropInfo {
    std::wstring Name;
    TPropKind Kind = TPropKind::Integer;
    const TEnumInfo *Enum = nullptr;         // Enumeration and Set
    const TClassInfo &(*ClassOf)() = nullptr; // Class: StaticClass of the declared class (called late,
                                              // so a class may publish a property of its own type)
    const TClassInfo *PropClass() const { return ClassOf ? &ClassOf() : nullptr; }
    std::type_index Signature = typeid(void); // Method: the event's code type
    std::function<TPropValue(const TObject *)> Get;
    std::function<void(TObject *, const TPropValue &)> Set; // empty: read-only (sub-objects)
    bool Stored = true;
    std::optional<TPropValue> Default; // the writer leaves out a value equal to it
    // Integer: the range of the C++ type, so a form cannot store a value that would be cut short.
    int64_t MinValue = INT64_MIN;
    int64_t MaxValue = INT64_MAX;
};

// A published handler: what a form binds "OnClick = ButtonClick" to.
struct TMethodEntry {
    std::wstring Name;
    std::type_index Signature = typeid(void);
    void (*Code)() = nullptr;
};

class TClassInfo {
public:
    using ComponentFactory = TComponent *(*)(TComponent *owner);
    using ItemFactory = TCollectionItem *(*)(TCollection *collection);

    TClassInfo(std::wstring name, const TClassInfo *parent) : name_(std::move(name)), parent_(parent) {}

    const std::wstring &Name() const { return name_; }
    const TClassInfo *Parent() const { return parent_; }
    bool InheritsFrom(const TClassInfo &cls) const;

    // Searches this class and its ancestors, ignoring letter case.
    const TPropInfo *FindProperty(const std::wstring &name) const;
    const TMethodEntry *FindMethod(const std::wstring &name) const;
    const TMethodEntry *FindMethodByCode(void (*code)()) const;
    // Published properties, ancestors' first, in declaration order.
    std::vector<const TPropInfo *> Properties() const;

    // Creates an instance (two-phase for components: constructor, then AfterConstruction).
    ComponentFactory CreateComponent = nullptr;
    ItemFactory CreateItem = nullptr;

    std::vector<TPropInfo> OwnProperties;
    std::vector<TMethodEntry> OwnMethods;

private:
    std::wstring name_;
    const TClassInfo *parent_;
};

// The class registry consulted by the form reader.
void RegisterClass(const TClassInfo &cls);
const TClassInfo *FindClass(const std::wstring &name); // nullptr when not registered
const TClassInfo &GetClass(const std::wstring &name);  // raises EClassNotFound
CLASSLIB_EXCEPTION(EClassNotFound, Exception);

// ---- building class information ----------------------------------------------------------------

namespace detail {
template <class T> struct IsSet : std::false_type {};
template <class E> struct IsSet<TSet<E>> : std::true_type {
    using Element = E;
};
template <class T> struct IsEvent : std::false_type {};
template <class S> struct IsEvent<TEvent<S>> : std::true_type {};

template <class V> constexpr TPropKind KindOf() {
    if constexpr (std::is_same_v<V, bool>)
        return TPropKind::Boolean;
    else if constexpr (std::is_same_v<V, std::wstring>)
        return TPropKind::String;
    else if constexpr (std::is_enum_v<V>)
        return TPropKind::Enumeration;
    else if constexpr (IsSet<V>::value)
        return TPropKind::Set;
    else if constexpr (std::is_pointer_v<V>)
        return TPropKind::Class;
    else if constexpr (IsEvent<V>::value)
        return TPropKind::Method;
    else {
        static_assert(std::is_integral_v<V>, "unsupported published property type");
        return TPropKind::Integer;
    }
}

template <class V> TPropValue ToProp(const V &v) {
    if constexpr (std::is_same_v<V, bool> || std::is_same_v<V, std::wstring>)
        return v;
    else if constexpr (std::is_enum_v<V>)
        return static_cast<int64_t>(v);
    else if constexpr (IsSet<V>::value)
        return TSetBits{v.Bits()};
    else if constexpr (std::is_pointer_v<V>)
        return static_cast<TObject *>(const_cast<std::remove_const_t<std::remove_pointer_t<V>> *>(v));
    else if constexpr (IsEvent<V>::value)
        return v.Erase();
    else
        return static_cast<int64_t>(v);
}

[[noreturn]] void PropertyTypeError(const std::wstring &expected);

template <class V> V FromProp(const TPropValue &p) {
    if constexpr (std::is_same_v<V, bool>) {
        if (auto *b = std::get_if<bool>(&p))
            return *b;
        PropertyTypeError(L"Boolean");
    } else if constexpr (std::is_same_v<V, std::wstring>) {
        if (auto *s = std::get_if<std::wstring>(&p))
            return *s;
        PropertyTypeError(L"string");
    } else if constexpr (IsSet<V>::value) {
        if (auto *s = std::get_if<TSetBits>(&p))
            return V::FromBits(s->Bits);
        PropertyTypeError(L"set");
    } else if constexpr (std::is_pointer_v<V>) {
        if (auto *o = std::get_if<TObject *>(&p)) {
            if (*o == nullptr)
                return nullptr;
            if (auto *t = dynamic_cast<V>(*o))
                return t;
        }
        PropertyTypeError(L"object");
    } else if constexpr (IsEvent<V>::value) {
        V event;
        if (auto *m = std::get_if<TMethodValue>(&p); m && event.AssignErased(*m))
            return event;
        PropertyTypeError(L"method of the event's type");
    } else {
        if (auto *i = std::get_if<int64_t>(&p))
            return static_cast<V>(*i);
        PropertyTypeError(L"integer");
    }
}

template <class V> void Describe(TPropInfo &info) {
    info.Kind = KindOf<V>();
    if constexpr (std::is_enum_v<V>)
        info.Enum = &EnumTypeInfo<V>();
    else if constexpr (IsSet<V>::value)
        info.Enum = &EnumTypeInfo<typename IsSet<V>::Element>();
    else if constexpr (std::is_pointer_v<V>)
        info.ClassOf = &std::remove_const_t<std::remove_pointer_t<V>>::StaticClass;
    else if constexpr (IsEvent<V>::value)
        info.Signature = typeid(typename V::CodeType);
    else if constexpr (std::is_integral_v<V> && !std::is_same_v<V, bool>) {
        info.MinValue = static_cast<int64_t>(std::numeric_limits<V>::min());
        if constexpr (sizeof(V) < sizeof(int64_t) || std::is_signed_v<V>)
            info.MaxValue = static_cast<int64_t>(std::numeric_limits<V>::max());
    }
}
} // namespace detail

// Fills a TClassInfo for class T; used inside CLASSLIB_DEFINE_CLASS.
template <class T> class TClassBuilder {
public:
    explicit TClassBuilder(TClassInfo &info) : info_(info) {}

    // A property read through a getter and written through a setter (so setter rules apply).
    template <class G, class S> TClassBuilder &Property(const std::wstring &name, G getter, S setter) {
        using V = std::remove_cvref_t<decltype((std::declval<const T &>().*getter)())>;
        TPropInfo &p = Add<V>(name);
        p.Get = [getter](const TObject *o) { return detail::ToProp<V>((static_cast<const T *>(o)->*getter)()); };
        p.Set = [setter](TObject *o, const TPropValue &v) { (static_cast<T *>(o)->*setter)(detail::FromProp<V>(v)); };
        return *this;
    }
    // A property without a setter: a sub-object (collection, bitmap) read into in place.
    template <class G> TClassBuilder &ReadOnly(const std::wstring &name, G getter) {
        using V = std::remove_cvref_t<decltype((std::declval<const T &>().*getter)())>;
        TPropInfo &p = Add<V>(name);
        p.Get = [getter](const TObject *o) { return detail::ToProp<V>((static_cast<const T *>(o)->*getter)()); };
        return *this;
    }
    // A property that reads and writes a field directly (events are published this way).
    template <class V> TClassBuilder &Field(const std::wstring &name, V T::*field) {
        TPropInfo &p = Add<V>(name);
        p.Get = [field](const TObject *o) { return detail::ToProp<V>(static_cast<const T *>(o)->*field); };
        p.Set = [field](TObject *o, const TPropValue &v) { static_cast<T *>(o)->*field = detail::FromProp<V>(v); };
        return *this;
    }
    // Modifiers of the property added last.
    template <class V> TClassBuilder &Default(const V &value) {
        info_.OwnProperties.back().Default = detail::ToProp<V>(value);
        return *this;
    }
    TClassBuilder &Default(const wchar_t *value) { return Default(std::wstring(value)); }
    TClassBuilder &NotStored() {
        info_.OwnProperties.back().Stored = false;
        return *this;
    }
    // A handler that forms may bind events to by name.
    template <auto M> TClassBuilder &Method(const std::wstring &name) {
        using Traits = detail::MemberTraits<decltype(M)>;
        using Event = typename Traits::Event;
        typename Event::CodeType code = &Traits::template Invoke<M>;
        info_.OwnMethods.push_back({name, typeid(typename Event::CodeType), reinterpret_cast<void (*)()>(code)});
        return *this;
    }

private:
    template <class V> TPropInfo &Add(const std::wstring &name) {
        TPropInfo p;
        p.Name = name;
        detail::Describe<V>(p);
        info_.OwnProperties.push_back(std::move(p));
        return info_.OwnProperties.back();
    }
    TClassInfo &info_;
};

namespace detail {
template <class T> void SetFactories(TClassInfo &info);
}

// Defines T::StaticClass() in a .cpp: CLASSLIB_DEFINE_CLASS(TMine, TComponent, b.Property(...); ...)
// The body is the block that fills the builder `b`. The class is entered in the registry on first
// use of StaticClass(); call RegisterClass for classes that forms create by name.
#define CLASSLIB_DEFINE_CLASS(Name, Parent, ...)                                                           \
    const ::classlib::TClassInfo &Name::StaticClass() {                                                    \
        static const ::classlib::TClassInfo info = [] {                                                    \
            ::classlib::TClassInfo i(L## #Name, &Parent::StaticClass());                                   \
            ::classlib::detail::SetFactories<Name>(i);                                                     \
            [[maybe_unused]] ::classlib::TClassBuilder<Name> b(i);                                         \
            __VA_ARGS__;                                                                                   \
            return i;                                                                                      \
        }();                                                                                               \
        return info;                                                                                       \
    }

} // namespace classlib
